#pragma once

#include "ambient/AmbientRecord.h"
#include "model/TestSetup.h"
#include "report/ExportLine.h"
#include "report/ReportLine.h"

#include <QList>

namespace orvik {

struct InstrumentRow {
    QString label;
    const EmbeddedIdentity* identity;
};

// The wording of the coupler microphone labels differs between the certificate and the report.
enum class MicLabels { Certificate, Report };

// The instruments of a record that have a serial number, in the order they are printed. The spare microphone
// slot is not listed: nobody chooses it (choosing a microphone fills it along with the unused slots), so a row
// for it would name an instrument as used that no measurement used.
QList<InstrumentRow> instrumentRows(const TestInstruments& instruments, MicLabels labels);
// Every slot in that order, chosen or not: two tests' instruments compared slot by slot.
QList<InstrumentRow> instrumentSlots(const TestInstruments& instruments, MicLabels labels);
bool hasSerialNumber(const EmbeddedIdentity& identity);
// The same manufacturer, model, serial number and due date.
bool sameInstrument(const EmbeddedIdentity& a, const EmbeddedIdentity& b);
QList<InstrumentRow> instrumentRows(const AmbientRecord& record, const QString& micLabel);

// The "Instrumentation" head over the columns, then a line per row: its label at `labelColumn`, manufacturer,
// model, serial number and due date at the four columns.
QList<ReportLine> instrumentationLines(const QList<InstrumentRow>& rows, const int (&columns)[4], int labelColumn);

// Label, manufacturer, model, serial number and due date: a row as the export writes it.
ExportLine instrumentExportLine(const InstrumentRow& row);

// "*" after an earphone head: reference levels other than the standard ones, and the option to say so is on.
bool earphoneMarked(const EarphoneBlock& earphone, bool retsplMessage);
bool anyEarphoneMarked(const TestSetup& setup, bool retsplMessage);

} // namespace orvik
