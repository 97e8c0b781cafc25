#pragma once

#include "shell/ShellDocument.h"

#include <functional>

namespace orvik {

class Document;

// The document as the main window sees it: the database document underneath, plus whether an audiometer
// test is under way in this session.
class AppDocument final : public ShellDocument {
public:
    AppDocument(Document& document, SettingsStore& settings) : m_document(document), m_settings(settings) {}

    Document& document() { return m_document; }
    // Asks where the database should change to; empty when the technician gave up.
    std::function<QString()> askDatabasePath;

    bool hasDatabase() const override;
    bool equipmentDefined() const override;
    bool hasInstrument(RequiredInstrument kind) const override;

    AudiometerRecord& record() override;
    bool audiometerTestStarted() const override;
    void markTestStarted() override { m_testStarted = true; }
    bool isModified() const override;
    void setModified(bool modified) override;
    bool calibrationChecked() const override;
    void setCalibrationChecked(bool checked) override;

    void newMeasurement() override;
    bool saveRecord() override;
    void resetBoothRecord() override;
    void changeDatabase() override;
    bool offerSaveBeforeClosing() override;

    Preferences& preferences() override;
    void writePreferences() override;

    int testStatus(int test, int transducerColumn) const override;
    bool measurementSelected(int row, int column) const override;
    void setMeasurementSelected(int row, int column, bool selected) override;

    QStringList technicians() const override;
    void addTechnician(const QString& name) override;

    // At exit the preferences go back to the settings, and nothing counts as modified any more.
    void shutDown();

private:
    Document& m_document;
    SettingsStore& m_settings;
    bool m_testStarted = false;
};

} // namespace orvik
