#include "ambient/BoothLimits.h"

#include <QDate>

namespace orvik {

namespace {
// Bands of the one-third-octave spectrum (band 0 = 12.5 Hz).
constexpr int B125 = 10, B250 = 13, B500 = 16, B800 = 18, B1000 = 19, B1600 = 21, B2000 = 22, B3150 = 24, B4000 = 25,
              B6300 = 27, B8000 = 28;

constexpr std::array<LimitRow, LimitRowCount> NewerRows{{
    {"125", B125, {30.0f, 34.0f, 44.0f}, {24.0f, 30.0f, 39.0f}, 0.0f},
    {"250", B250, {20.0f, 20.0f, 30.0f}, {16.0f, 16.0f, 25.0f}, 0.0f},
    {"500", B500, {16.0f, 16.0f, 16.0f}, {11.0f, 11.0f, 11.0f}, 40.0f},
    {"800", B800, {19.0f, 19.0f, 19.0f}, {10.0f, 10.0f, 10.0f}, 0.0f},
    {"1000", B1000, {21.0f, 21.0f, 21.0f}, {8.0f, 8.0f, 8.0f}, 40.0f},
    {"1600", B1600, {25.0f, 25.0f, 25.0f}, {9.0f, 9.0f, 9.0f}, 0.0f},
    {"2000", B2000, {29.0f, 29.0f, 29.0f}, {9.0f, 9.0f, 9.0f}, 47.0f},
    {"3150", B3150, {33.0f, 33.0f, 33.0f}, {8.0f, 8.0f, 8.0f}, 0.0f},
    {"4000", B4000, {32.0f, 32.0f, 32.0f}, {6.0f, 6.0f, 6.0f}, 57.0f},
    {"6300", B6300, {32.0f, 32.0f, 32.0f}, {8.0f, 8.0f, 8.0f}, 0.0f},
    {"8000", B8000, {32.0f, 32.0f, 32.0f}, {9.0f, 9.0f, 9.0f}, 62.0f},
}};

constexpr std::array<LimitRow, LimitRowCount> OlderRows{{
    {"125", B125, {29.0f, 31.5f, 42.5f}, {23.0f, 27.5f, 37.5f}, 0.0f},
    {"250", B250, {17.5f, 17.5f, 28.5f}, {13.5f, 13.5f, 23.5f}, 0.0f},
    {"500", B500, {14.5f, 14.5f, 14.5f}, {9.5f, 9.5f, 9.5f}, 40.0f},
    {"800", B800, {16.5f, 16.5f, 16.5f}, {7.5f, 7.5f, 7.5f}, 0.0f},
    {"1000", B1000, {21.5f, 21.5f, 21.5f}, {9.0f, 9.0f, 9.0f}, 40.0f},
    {"1600", B1600, {21.5f, 21.5f, 21.5f}, {5.5f, 5.5f, 5.5f}, 0.0f},
    {"2000", B2000, {23.0f, 23.0f, 23.0f}, {3.5f, 3.5f, 3.5f}, 47.0f},
    {"3150", B3150, {28.5f, 28.5f, 28.5f}, {3.5f, 3.5f, 3.5f}, 0.0f},
    {"4000", B4000, {29.5f, 29.5f, 29.5f}, {4.0f, 4.0f, 4.0f}, 57.0f},
    {"6300", B6300, {33.0f, 33.0f, 33.0f}, {9.0f, 9.0f, 9.0f}, 0.0f},
    {"8000", B8000, {38.5f, 38.5f, 38.5f}, {15.5f, 15.5f, 15.5f}, 62.0f},
}};

// The day the newer limits took over from; a test on this day was still judged by the older ones.
const QString CutOff = QStringLiteral("03/10/2010");

QDate parsedDate(const QString& text) {
    const QDate iso = QDate::fromString(text, QStringLiteral("yyyy-M-d"));
    return iso.isValid() ? iso : QDate::fromString(text, QStringLiteral("M/d/yyyy"));
}
} // namespace

const std::array<LimitRow, LimitRowCount>& limitRows(LimitSet set) {
    return set == LimitSet::Newer ? NewerRows : OlderRows;
}

LimitSet limitSetFor(const QString& measurementDate) {
    if (measurementDate.isEmpty())
        return LimitSet::Newer;
    const QDate date = parsedDate(measurementDate);
    return date.isValid() && date > parsedDate(CutOff) ? LimitSet::Newer : LimitSet::Older;
}

QString rangeTitle(int range) {
    switch (range) {
    case 0:
        return QStringLiteral("125 - 8K Hz");
    case 1:
        return QStringLiteral("250 - 8K Hz");
    case 2:
        return QStringLiteral("500 - 8K Hz");
    default:
        return QStringLiteral("OSHA Limits");
    }
}

} // namespace orvik
