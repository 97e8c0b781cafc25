#include "database/OldRecordLayouts.h"

#include "ambient/AmbientRecord.h"
#include "database/EngineDate.h"
#include "database/StoredBlock.h"
#include "equipment/InstrumentEntry.h"
#include "model/AudiometerRecord.h"
#include "model/FixedText.h"

#include <QRegularExpression>
#include <cmath>

namespace orvik::OldLayout {

namespace {
// Schema versions in which each change arrived.
constexpr int FullEquipmentEntries = 2; // the mastoid list: entries grew from 292 to 832 bytes
constexpr int NotesRegion = 3;          // the audiometer record gained its notes (632 bytes)
constexpr int TestNameInBlock = 4;      // the booth record carries its own test name
constexpr int IsoRecordDates = 5;       // audiometer record dates: "MM/DD/YYYY" became year-month-day
constexpr int IsoBoothDates = 6;        // the booth measurement date likewise
constexpr int DateOnlyColumn = 7;       // the audiometer rows' Date column lost the time of saving

constexpr int ShortEntrySize = 292; // kind, link, identity and the microphone's values
constexpr int AmbientWithoutName = static_cast<int>(offsetof(AmbientRecord, testName));

constexpr std::size_t SetupAt = offsetof(AudiometerRecord, setup);
struct DateField {
    std::size_t offset;
    std::size_t size;
    const char* isoFormat;
};
const DateField AudiometerDates[] = {
    {SetupAt + offsetof(TestSetup, testDate), sizeof(TestSetup::testDate), "%4d-%02d-%02d"},
    {SetupAt + offsetof(TestSetup, dateLastCalibrated), sizeof(TestSetup::dateLastCalibrated), "%04d-%02d-%02d"},
    {SetupAt + offsetof(TestSetup, calibrationDueDate), sizeof(TestSetup::calibrationDueDate), "%04d-%02d-%02d"},
};
const DateField BoothDate{offsetof(AmbientRecord, measurementDate), sizeof(AmbientRecord::measurementDate),
                          "%04d-%02d-%02d"};

QString textAt(const QByteArray& bytes, const DateField& field) {
    return fixedText(bytes.constData() + field.offset, field.size);
}

void putText(QByteArray& bytes, const DateField& field, const QString& text) {
    setFixedText(bytes.data() + field.offset, field.size, text);
}

// "MM/DD/YYYY" to year-month-day; texts that are not such a date are kept as they are.
void toIsoDate(QByteArray& bytes, const DateField& field) {
    static const QRegularExpression slashed(QStringLiteral("^(\\d{2})/(\\d{2})/(\\d{4})$"));
    const auto match = slashed.match(textAt(bytes, field));
    if (match.hasMatch())
        putText(bytes, field,
                QString::asprintf(field.isoFormat, match.captured(3).toInt(), match.captured(1).toInt(),
                                  match.captured(2).toInt()));
}

void toSlashedDate(QByteArray& bytes, const DateField& field) {
    const auto date = parseRecordDate(textAt(bytes, field));
    if (date)
        putText(bytes, field, QString::asprintf("%02d/%02d/%04d", date->month(), date->day(), date->year()));
}

bool sized(const QByteArray& payload, int size) {
    return size > 0 && payload.size() == size;
}

QByteArray resizedEntries(const QByteArray& payload, int fromSize, int toSize) {
    if (payload.size() % fromSize != 0)
        return {};
    QByteArray out;
    for (qsizetype at = 0; at < payload.size(); at += fromSize) {
        QByteArray entry = payload.mid(at, std::min(fromSize, toSize));
        entry.resize(toSize, '\0');
        out += entry;
    }
    return out;
}
} // namespace

double programVersion(int schemaVersion) {
    static const double Versions[] = {0.0, 1.00, 1.20, 1.50, 1.70, 2.00, 2.10, ProgramVersion};
    return schemaVersion >= 1 && schemaVersion <= 7 ? Versions[schemaVersion] : 0.0;
}

QByteArray header(int schemaVersion) {
    QByteArray text = QString::asprintf("Orvik Version %05.2f", programVersion(schemaVersion)).toLatin1();
    text.resize(StoredHeaderSize, '\0');
    return text;
}

int audiometerRecordSize(int schemaVersion) {
    return schemaVersion < NotesRegion ? static_cast<int>(offsetof(AudiometerRecord, notes))
                                       : static_cast<int>(sizeof(AudiometerRecord));
}

int ambientRecordSize(int schemaVersion) {
    return schemaVersion < TestNameInBlock ? AmbientWithoutName : static_cast<int>(sizeof(AmbientRecord));
}

int equipmentEntrySize(int schemaVersion) {
    return schemaVersion < FullEquipmentEntries ? ShortEntrySize : static_cast<int>(sizeof(InstrumentEntry));
}

QByteArray stepAudiometerRecord(int fromVersion, const QByteArray& payload) {
    if (!sized(payload, audiometerRecordSize(fromVersion)))
        return {};
    QByteArray out = payload;
    out.resize(audiometerRecordSize(fromVersion + 1), '\0');
    if (fromVersion + 1 == IsoRecordDates) {
        for (const DateField& field : AudiometerDates)
            toIsoDate(out, field);
    }
    return out;
}

QByteArray stepAmbientRecord(int fromVersion, const QByteArray& payload, const QString& testNameColumn) {
    if (!sized(payload, ambientRecordSize(fromVersion)))
        return {};
    QByteArray out = payload;
    if (fromVersion + 1 == TestNameInBlock) {
        out.resize(sizeof(AmbientRecord), '\0');
        putText(out, {offsetof(AmbientRecord, testName), sizeof(AmbientRecord::testName), ""}, testNameColumn);
    }
    if (fromVersion + 1 == IsoBoothDates)
        toIsoDate(out, BoothDate);
    return out;
}

QByteArray stepEquipmentEntries(int fromVersion, const QByteArray& payload) {
    return resizedEntries(payload, equipmentEntrySize(fromVersion), equipmentEntrySize(fromVersion + 1));
}

double stepAudiometerDate(int fromVersion, double date) {
    return fromVersion + 1 == DateOnlyColumn && isEngineDay(date) ? std::floor(date) : date;
}

QByteArray downAudiometerRecord(int toVersion, const QByteArray& payload) {
    QByteArray out = payload;
    if (toVersion < IsoRecordDates) {
        for (const DateField& field : AudiometerDates)
            toSlashedDate(out, field);
    }
    out.resize(audiometerRecordSize(toVersion));
    return out;
}

QByteArray downAmbientRecord(int toVersion, const QByteArray& payload) {
    QByteArray out = payload;
    if (toVersion < IsoBoothDates)
        toSlashedDate(out, BoothDate);
    out.resize(ambientRecordSize(toVersion));
    return out;
}

QByteArray downEquipmentEntries(int toVersion, const QByteArray& payload) {
    return resizedEntries(payload, static_cast<int>(sizeof(InstrumentEntry)), equipmentEntrySize(toVersion));
}

} // namespace orvik::OldLayout
