#include "shell/AppDocument.h"

#include "core/Settings.h"
#include "database/Document.h"
#include "model/RecordHeader.h"

namespace orvik {

namespace {
InstrumentKind listOf(RequiredInstrument kind) {
    switch (kind) {
    case RequiredInstrument::SoundLevelMeter:
        return InstrumentKind::SoundLevelMeter;
    case RequiredInstrument::Calibrator:
        return InstrumentKind::Calibrator;
    case RequiredInstrument::Microphone:
        return InstrumentKind::Microphone;
    case RequiredInstrument::Preamp:
        break;
    }
    return InstrumentKind::Preamp;
}

// The selection grid's columns run supra-aural, insert, circumaural, bone, speakers; the record keeps them by
// transducer kind.
constexpr int SelectionColumnKind[TransducerCount] = {0, 3, 4, 1, 2};

bool inGrid(int row, int column, int rows) { return row >= 0 && row < rows && column >= 0 && column < TransducerCount; }
} // namespace

bool AppDocument::hasDatabase() const { return m_document.hasDatabase(); }

bool AppDocument::equipmentDefined() const { return m_document.equipmentDefined(); }

bool AppDocument::hasInstrument(RequiredInstrument kind) const {
    return !m_document.instruments().list(listOf(kind)).empty();
}

AudiometerRecord& AppDocument::record() { return m_document.record(); }

bool AppDocument::audiometerTestStarted() const { return m_testStarted || m_document.recordFromDatabase(); }

bool AppDocument::isModified() const { return m_document.isModified(); }

void AppDocument::setModified(bool modified) { m_document.setModified(modified); }

bool AppDocument::calibrationChecked() const { return m_document.calibrationChecked(); }

void AppDocument::setCalibrationChecked(bool checked) { m_document.setCalibrationChecked(checked); }

void AppDocument::newMeasurement() {
    if (m_document.newMeasurement())
        m_testStarted = true;
}

bool AppDocument::saveRecord() {
    return m_document.saveRecord() == Document::SaveResult::Saved;
}

void AppDocument::resetBoothRecord() { m_document.resetAmbientState(); }

void AppDocument::changeDatabase() {
    if (!askDatabasePath || !m_document.mayChangeDatabase())
        return;
    const QString path = askDatabasePath();
    if (!path.isEmpty())
        m_document.connectDatabase(path);
}

bool AppDocument::offerSaveBeforeClosing() {
    return m_document.offerSave(Document::LeaveReason::CloseOrNew);
}

Preferences& AppDocument::preferences() { return m_document.preferences(); }

void AppDocument::writePreferences() {
    m_document.preferences().write(m_settings);
    m_document.preferences().loaded = true;
}

void AppDocument::shutDown() {
    writePreferences();
    Setting::DataWasModified.write(m_settings, 0);
}

int AppDocument::testStatus(int test, int transducerColumn) const {
    if (!inGrid(test, transducerColumn, TestCount))
        return 0;
    return m_document.record().header.testStatus[test][transducerColumn];
}

bool AppDocument::measurementSelected(int row, int column) const {
    if (!inGrid(row, column, SelectionRowCount))
        return false;
    return m_document.record().header.measurementSelection[row][SelectionColumnKind[column]] != 0;
}

void AppDocument::setMeasurementSelected(int row, int column, bool selected) {
    if (inGrid(row, column, SelectionRowCount))
        m_document.record().header.measurementSelection[row][SelectionColumnKind[column]] = selected ? 1 : 0;
}

QStringList AppDocument::technicians() const {
    return m_document.technicians();
}

void AppDocument::addTechnician(const QString& name) { m_document.addTechnician(name); }

} // namespace orvik
