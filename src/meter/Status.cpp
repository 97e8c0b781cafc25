#include "meter/Status.h"

namespace orvik::Status {

// A code given twice would be a duplicate case here, so the table cannot hand one number two meanings.
const char* name(int status) {
    switch (status) {
    case Ok:
        return "Ok";
    case PortOpenFailed:
        return "PortOpenFailed";
    case BaudRefusedWhileOpen:
        return "BaudRefusedWhileOpen";
    case WriteFailed:
        return "WriteFailed";
    case InvalidPort:
        return "InvalidPort";
    case BlockTimeout:
        return "BlockTimeout";
    case NoReply:
        return "NoReply";
    case FirmwareRefused:
        return "FirmwareRefused";
    case ChecksumNeverMatched:
        return "ChecksumNeverMatched";
    case NotK37:
        return "NotK37";
    case MeterNotReady:
        return "MeterNotReady";
    case KeysNotReady:
        return "KeysNotReady";
    case NeverStable:
        return "NeverStable";
    case InvalidArgument:
        return "InvalidArgument";
    case NotConnected:
        return "NotConnected";
    case DeviceError:
        return "DeviceError";
    case BaudRefused:
        return "BaudRefused";
    case PortNotAvailable:
        return "PortNotAvailable";
    case Cancelled:
        return "Cancelled";
    }
    return "Unknown";
}

} // namespace orvik::Status
