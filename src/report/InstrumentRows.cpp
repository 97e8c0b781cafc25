#include "report/InstrumentRows.h"

#include "model/FixedText.h"

namespace orvik {

namespace {
bool hasSerial(const EmbeddedIdentity& identity) {
    return !fixedText(identity.serialNumber).trimmed().isEmpty();
}

void addIf(QList<InstrumentRow>& rows, const QString& label, const EmbeddedIdentity& identity) {
    if (hasSerial(identity))
        rows.append({label, &identity});
}

QString micLabel(int slot, const EmbeddedIdentity& identity, MicLabels labels) {
    const bool ours = fixedText(identity.manufacturer).contains(QLatin1String("Veltan"));
    switch (slot) {
    case 0:
        return QStringLiteral("Open Air Mic");
    case 1:
        if (ours)
            return QStringLiteral("RKC311 Mic");
        return labels == MicLabels::Certificate ? QStringLiteral("IEC 60318-1 Mic") : QStringLiteral("IEC 318 Mic");
    case 2:
        return ours ? QStringLiteral("RKC310 Mic") : QStringLiteral("NBS 9A Mic");
    case 3:
        return QStringLiteral("RKC314 Mic");
    case 4:
        return QStringLiteral("RKC312 Mic");
    default:
        return QStringLiteral("RKC313 Mic");
    }
}
} // namespace

QList<InstrumentRow> instrumentSlots(const TestInstruments& instruments, MicLabels labels) {
    QList<InstrumentRow> rows{{QStringLiteral("Sound Level Meter"), &instruments.soundLevelMeter},
                              {QStringLiteral("Preamp"), &instruments.preamp}};
    for (int slot = 0; slot < MicrophoneSlots; ++slot) {
        const EmbeddedIdentity& mic = instruments.microphones[slot].identity;
        rows.append({micLabel(slot, mic, labels), &mic});
    }
    rows.append({QStringLiteral("Calibrator"), &instruments.calibrator.identity});
    rows.append({QStringLiteral("Mastoid"), &instruments.mastoid.identity});
    return rows;
}

QList<InstrumentRow> instrumentRows(const TestInstruments& instruments, MicLabels labels) {
    QList<InstrumentRow> rows;
    for (const InstrumentRow& row : instrumentSlots(instruments, labels))
        addIf(rows, row.label, *row.identity);
    return rows;
}

bool hasSerialNumber(const EmbeddedIdentity& identity) {
    return hasSerial(identity);
}

bool sameInstrument(const EmbeddedIdentity& a, const EmbeddedIdentity& b) {
    return fixedText(a.manufacturer) == fixedText(b.manufacturer) && fixedText(a.model) == fixedText(b.model) &&
           fixedText(a.serialNumber) == fixedText(b.serialNumber) && fixedText(a.dueDate) == fixedText(b.dueDate);
}

QList<InstrumentRow> instrumentRows(const AmbientRecord& record, const QString& micLabel) {
    QList<InstrumentRow> rows;
    addIf(rows, QStringLiteral("Sound Level Meter"), record.soundLevelMeter);
    addIf(rows, QStringLiteral("Preamp"), record.preamp);
    addIf(rows, micLabel, record.microphone.identity);
    addIf(rows, QStringLiteral("Calibrator"), record.calibrator.identity);
    return rows;
}

ExportLine instrumentExportLine(const InstrumentRow& row) {
    const EmbeddedIdentity& id = *row.identity;
    return {row.label, fixedText(id.manufacturer), fixedText(id.model), fixedText(id.serialNumber),
            fixedText(id.dueDate)};
}

bool earphoneMarked(const EarphoneBlock& earphone, bool retsplMessage) {
    return retsplMessage && earphone.standard != 1;
}

bool anyEarphoneMarked(const TestSetup& setup, bool retsplMessage) {
    return earphoneMarked(setup.supraAural, retsplMessage) || earphoneMarked(setup.insert, retsplMessage) ||
           earphoneMarked(setup.circumaural, retsplMessage);
}

QList<ReportLine> instrumentationLines(const QList<InstrumentRow>& rows, const int (&columns)[4], int labelColumn) {
    const char* const heads[] = {"Manufacturer", "Model", "Serial Number", "Cal Due"};
    ReportLine head;
    head.add(0, QStringLiteral("Instrumentation"), true);
    for (int c = 0; c < 4; ++c)
        head.add(columns[c], QLatin1String(heads[c]), true);
    QList<ReportLine> lines{head};
    for (const InstrumentRow& row : rows) {
        const EmbeddedIdentity& id = *row.identity;
        lines << ReportLine{}
                     .add(labelColumn, row.label)
                     .add(columns[0], fixedText(id.manufacturer))
                     .add(columns[1], fixedText(id.model))
                     .add(columns[2], fixedText(id.serialNumber))
                     .add(columns[3], fixedText(id.dueDate));
    }
    return lines;
}

} // namespace orvik
