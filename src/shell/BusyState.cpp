#include "shell/BusyState.h"

#include "core/MessageBox.h"

namespace orvik {

QString busyRefusalText() {
    return QStringLiteral("A measurement or an exchange with the K37 is still running.\n"
                          "Let it finish, or cancel it, then try again.");
}

bool BusyState::refuse(MessageBox& messages) const {
    if (!isBusy())
        return false;
    messages.show(busyRefusalText());
    return true;
}

bool BusyState::run(MessageBox& messages, const std::function<void()>& procedure) {
    if (refuse(messages))
        return false;
    Hold hold(*this);
    procedure();
    return true;
}

} // namespace orvik
