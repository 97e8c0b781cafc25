#pragma once

#include <QByteArray>

namespace orvik::sim {

// The meter's error replies: BEL, then a code short enough that the whole line fits the smallest reply the
// program reads (7 bytes with checksum and line end), so the program sees an error and not a broken line.
// Downloads are read with room for one character only, so a refused download answers BEL and one letter.
// The calibration values answer in words, which the calibration check looks for.
namespace meter_error {
inline const QByteArray Checksum = "\aCHK";
inline const QByteArray UnknownCommand = "\aCMD";
inline const QByteArray OutOfRange = "\aRNG";
inline const QByteArray Running = "\aRUN";
inline const QByteArray FileNotFound = "\aFNF";
inline const QByteArray NotAvailable = "\aN/A";
inline const QByteArray LineTooLong = "\aLEN";
inline const QByteArray Failed = "\aERR";
inline const QByteArray DownloadRefused = "\aN";
inline const QByteArray ValueNotAvailable = "\aNot Available";
} // namespace meter_error

} // namespace orvik::sim
