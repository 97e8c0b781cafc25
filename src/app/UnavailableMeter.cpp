#include "app/UnavailableMeter.h"

#include "app/MessageBox.h"

namespace orvik {

int UnavailableMeter::connect() {
    m_messages.show(QStringLiteral("The sound level meter link is not available in this version."));
    return NotAvailable;
}

int UnavailableMeter::run() {
    m_messages.show(QStringLiteral("The meter calibration check is not available in this version."));
    return 0;
}

} // namespace orvik
