#pragma once

#include <QString>

namespace orvik {

// Conversions between the audiometer page's controls and the stored set-up texts and numbers.
namespace AudiometerPageFields {

// A stored "yyyy-mm-dd" date as the page shows it: year and day as texts, month as list position 0..11.
// An empty or unreadable date shows empty fields and January.
struct DateFields {
    QString year;
    int monthIndex = 0;
    QString day;
};
DateFields dateFields(const QString& storedDate);
QString storedDate(int year, int monthIndex, int day); // "%04d-%02d-%02d", month stored 1..12

// ANSI type list "1".."5": position p is stored as the text of p + 1; a stored type outside 1..5 shows the
// default type.
int typeListPosition(const QString& storedType);
QString storedType(int listPosition);

// Number of channels and channel to test are stored 1..4, never as the 0-based list position.
quint16 storedCount(int listPosition);
int countListPosition(quint16 storedCount); // out-of-range stored values show the first entry
// The channel to test among the audiometer's first `channelCount` channels; a stored channel the audiometer does
// not have shows the first.
int channelListPosition(quint16 storedChannel, int channelCount);

} // namespace AudiometerPageFields

} // namespace orvik
