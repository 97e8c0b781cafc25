#include "core/MessageBox.h"

namespace orvik {

MessageAnswer stoppingAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

MessageAnswer agreeingAnswer(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes
                                                                                      : MessageAnswer::Ok;
}

} // namespace orvik
