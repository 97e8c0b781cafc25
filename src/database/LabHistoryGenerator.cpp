#include "database/LabHistoryGenerator.h"

#include "database/EngineDate.h"
#include "database/OldRecordLayouts.h"
#include "database/TableCursor.h"
#include "model/FixedText.h"

#include <QRandomGenerator>
#include <cstring>

namespace orvik {

namespace {
const char* const Technicians[] = {"J. Smith", "K. Olsen", "M. Garcia", "P. O'Neill", "R. Lindqvist"};
const char* const Models[] = {"AC40", "AD629", "MA41", "GSI 61", "Orbiter 922", "AC33"};
const char* const Manufacturers[] = {"Interacoustics", "Interacoustics", "Maico",
                                     "Grason-Stadler", "Madsen",         "Interacoustics"};
const char* const Customers[] = {"Lakeside Audiology", "St. Mary's Hospital", "Northside ENT", "City Hearing Centre"};

QString dateText(const QDate& date) {
    return QString::asprintf("%4d-%02d-%02d", date.year(), date.month(), date.day());
}

template <std::size_t N> void put(char (&field)[N], const QString& text) {
    setFixedText(field, text);
}

void identity(EmbeddedIdentity& id, const char* manufacturer, const char* model, const QString& serial, int dueYear) {
    put(id.dueDate, QString::asprintf("%04d-%02d-%02d", dueYear, 6, 30));
    put(id.manufacturer, QString::fromLatin1(manufacturer));
    put(id.model, QString::fromLatin1(model));
    put(id.serialNumber, serial);
}

float response(QRandomGenerator& random) {
    return static_cast<float>(random.bounded(-150, 150)) / 100.0f;
}
} // namespace

AudiometerRecord LabHistoryGenerator::audiometerRecord(int index) const {
    QRandomGenerator random(m_seed * 7919u + static_cast<quint32>(index));
    AudiometerRecord record;
    std::memset(&record, 0, sizeof record);
    TestSetup& s = record.setup;
    const int audiometer = index % 400; // a lab serves a few hundred audiometers, each tested yearly
    const int model = audiometer % 6;
    put(s.technician, QString::fromLatin1(Technicians[index % 5]));
    put(s.customerName, QString::fromLatin1(Customers[audiometer % 4]));
    put(s.location1, QStringLiteral("Room %1").arg(100 + audiometer % 50));
    put(s.audManufacturer, QString::fromLatin1(Manufacturers[model]));
    put(s.audModel, QString::fromLatin1(Models[model]));
    put(s.audSerialNumber, QStringLiteral("%1").arg(100000 + audiometer * 37));
    put(s.audType, QStringLiteral("%1").arg(1 + model % 4));
    s.numberOfChannels = 2;
    s.channelToTest = static_cast<quint16>(1 + (index / 400) % 2);
    const QDate tested = QDate(2015, 1, 5).addDays(index * 3653 / 25000 + random.bounded(3));
    put(s.testDate, dateText(tested));
    put(s.dateLastCalibrated, dateText(tested.addYears(-1)));
    put(s.calibrationDueDate, dateText(tested.addYears(1)));
    s.dataVersion = 220;
    s.temperature = 21.0f + static_cast<float>(random.bounded(40)) / 10.0f;
    s.humidity = static_cast<quint16>(35 + random.bounded(30));
    s.pressure = 29.92f;
    for (int f = 2; f < 25; ++f)
        s.frequencySelected[f] = 1;
    identity(s.instruments.soundLevelMeter, "Veltan-Quirn", "K37", QStringLiteral("K37-0%1").arg(1 + index % 5), 2030);
    identity(s.instruments.microphones[0].identity, "Veltan-Quirn", "RKM377", QStringLiteral("M%1").arg(20 + index % 5),
             2030);
    float results[1000];
    for (float& value : results)
        value = static_cast<float>(random.bounded(200, 1100)) / 10.0f;
    std::memcpy(&record.results, results, sizeof results);
    put(record.notes.comments, QStringLiteral("Cushions replaced; cords checked. Test %1.").arg(index));
    record.notes.visualCheck[index % 30] = 2;
    return record;
}

AmbientRecord LabHistoryGenerator::ambientRecord(int index) const {
    QRandomGenerator random(m_seed * 104729u + static_cast<quint32>(index));
    AmbientRecord record = clearedAmbientRecord();
    put(record.customerName, QString::fromLatin1(Customers[index % 4]));
    put(record.location1, QStringLiteral("Building %1").arg(1 + index % 9));
    put(record.booth, QStringLiteral("Booth %1").arg(QChar(u'A' + index % 6)));
    put(record.testName, QStringLiteral("BT-%1").arg(index, 5, 10, QLatin1Char('0')));
    put(record.measurementDate, dateText(QDate(2015, 2, 1).addDays(index * 3650 / 2000)));
    identity(record.soundLevelMeter, "Veltan-Quirn", "K37", QStringLiteral("K37-01"), 2030);
    identity(record.microphone.identity, "Veltan-Quirn", "RKM377", QStringLiteral("M20"), 2030);
    record.microphone.sensitivity = 48.7f;
    for (int band = 4; band < AmbientBandCount; ++band)
        record.spectrum[band] = static_cast<float>(random.bounded(50, 400)) / 10.0f;
    return record;
}

InstrumentLists LabHistoryGenerator::instruments(int perKind, bool withMastoids) const {
    QRandomGenerator random(m_seed);
    InstrumentLists lists;
    for (int i = 0; i < perKind; ++i) {
        InstrumentEntry slm = emptyInstrumentEntry(InstrumentKind::SoundLevelMeter);
        identity(slm.identity, "Veltan-Quirn", "K37", QStringLiteral("K37-0%1").arg(i + 1), 2026 + i % 3);
        lists.list(InstrumentKind::SoundLevelMeter).push_back(slm);

        InstrumentEntry calibrator = emptyInstrumentEntry(InstrumentKind::Calibrator);
        identity(calibrator.identity, "Veltan-Quirn", "RKC200", QStringLiteral("C%1").arg(500 + i), 2026);
        calibrator.values.calibrator.frequency = 1000.0f;
        calibrator.values.calibrator.level = 114.0f - static_cast<float>(i % 2) * 20.0f;
        lists.list(InstrumentKind::Calibrator).push_back(calibrator);

        InstrumentEntry mic = emptyInstrumentEntry(InstrumentKind::Microphone);
        identity(mic.identity, "Veltan-Quirn", "RKM377", QStringLiteral("M%1").arg(20 + i), 2027);
        for (float& value : mic.values.microphone.pressureResponse)
            value = response(random);
        for (float& value : mic.values.microphone.gridCorrection)
            value = response(random);
        mic.values.microphone.sensitivity = 45.0f + static_cast<float>(i);
        lists.list(InstrumentKind::Microphone).push_back(mic);

        InstrumentEntry preamp = emptyInstrumentEntry(InstrumentKind::Preamp);
        identity(preamp.identity, "Veltan-Quirn", "RKP512", QStringLiteral("P%1").arg(700 + i), 2026);
        lists.list(InstrumentKind::Preamp).push_back(preamp);

        if (withMastoids) {
            InstrumentEntry mastoid = emptyInstrumentEntry(InstrumentKind::Mastoid);
            identity(mastoid.identity, "Veltan Quirn", "RKB800", QStringLiteral("B%1").arg(90 + i), 2027);
            for (int set = 1; set <= MastoidResponseSets; ++set) {
                for (int f = 5; f < 25; ++f)
                    mastoid.mastoidResponseSet(set)[f] = 40.0f + response(random);
            }
            lists.list(InstrumentKind::Mastoid).push_back(mastoid);
        }
    }
    return lists;
}

void LabHistoryGenerator::writeDatabase(const QString& path, int schemaVersion, int audiometerCount, int boothCount,
                                        const InstrumentLists& lists) const {
    Database db;
    db.create(path);
    db.beginTransaction();
    db.writeSchemaVersion(schemaVersion);
    const QByteArray header = OldLayout::header(schemaVersion);

    TableCursor tests(db, Table::AudTestMeasurements,
                       {QStringLiteral("Technician"), QStringLiteral("Date"), QStringLiteral("ModelNum"),
                        QStringLiteral("SerialNum"), QStringLiteral("ChannelNum")});
    tests.open(OpenType::Table);
    const double timeOfDay = schemaVersion == 6 ? SavedTimeOfDay : 0.0;
    for (int i = 0; i < audiometerCount; ++i) {
        const AudiometerRecord record = audiometerRecord(i);
        const QByteArray bytes(reinterpret_cast<const char*>(&record), sizeof record);
        tests.addNew();
        tests.setValue(QStringLiteral("Technician"), fixedText(record.setup.technician));
        tests.setValue(QStringLiteral("Date"),
                       engineDate(*parseRecordDate(fixedText(record.setup.testDate))) + timeOfDay);
        tests.setValue(QStringLiteral("ModelNum"), fixedText(record.setup.audModel));
        tests.setValue(QStringLiteral("SerialNum"), fixedText(record.setup.audSerialNumber));
        tests.setValue(QStringLiteral("ChannelNum"), record.setup.channelToTest);
        tests.setData(header + OldLayout::downAudiometerRecord(schemaVersion, bytes));
        tests.update();
    }

    TableCursor booths(
        db, Table::AmbientMeasurements,
        {QStringLiteral("TestName"), QStringLiteral("Date"), QStringLiteral("Customer"), QStringLiteral("Booth")});
    booths.open(OpenType::Table);
    for (int i = 0; i < boothCount; ++i) {
        const AmbientRecord record = ambientRecord(i);
        const QByteArray bytes(reinterpret_cast<const char*>(&record), sizeof record);
        booths.addNew();
        booths.setValue(QStringLiteral("TestName"), fixedText(record.testName));
        booths.setValue(QStringLiteral("Date"), engineDate(*parseRecordDate(fixedText(record.measurementDate))));
        booths.setValue(QStringLiteral("Customer"), fixedText(record.customerName));
        booths.setValue(QStringLiteral("Booth"), fixedText(record.booth));
        booths.setData(header + OldLayout::downAmbientRecord(schemaVersion, bytes));
        booths.update();
    }

    TableCursor equipment(db, Table::EquipmentList, {});
    equipment.open(OpenType::Table);
    equipment.addNew();
    equipment.setData(header + OldLayout::downEquipmentEntries(schemaVersion, lists.toBlock()));
    equipment.update();
    db.commit();
}

} // namespace orvik
