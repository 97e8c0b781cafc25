#pragma once

namespace orvik {

// Every status of the meter link and of the measurements: one named code a meaning. Zero or more is success
// (some operations return a count or a value); every failure is negative, and so is Cancelled, so that a
// "status < 0" test can never take the technician's Cancel for a result. The numbers of the link codes are the
// ones technicians see in messages ("Data Error:-21 on Command &R1") and keep their values.
namespace Status {

enum Code : int {
    Ok = 0,

    // The serial port
    PortOpenFailed = -1,
    BaudRefusedWhileOpen = -3,
    WriteFailed = -5,
    InvalidPort = -10,
    BlockTimeout = -21, // a data block did not arrive in full

    // The meter's replies and identity
    NoReply = -201,
    FirmwareRefused = -202,
    ChecksumNeverMatched = -205,
    NotK37 = -223,

    // The meter's state and the measurement procedures
    MeterNotReady = -400, // never reported running within its polls
    KeysNotReady = -401,  // took no simulated key press within its polls
    NeverStable = -402,   // no five readings in a row agreed
    InvalidArgument = -403,
    NotConnected = -404, // no open, identified meter: a procedure refused to start

    // The serial device underneath the port
    DeviceError = -800,
    BaudRefused = -801,
    PortNotAvailable = -828,

    Cancelled = -1000, // the technician pressed Cancel; every caller stops its whole run
};

// The code's name for logs ("BlockTimeout"); "Unknown" for a number that is no code.
const char* name(int status);

constexpr bool succeeded(int status) {
    return status >= 0;
}

} // namespace Status
} // namespace orvik
