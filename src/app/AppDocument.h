#pragma once

#include "app/AppServices.h"
#include "app/ShellDocument.h"

#include <array>
#include <memory>

namespace orvik {

// The program's one document until the database subsystem's document takes its place: preferences, the
// database connection, the current test record and the flags the views steer by.
class AppDocument final : public ShellDocument {
public:
    static constexpr double StartupWaitSeconds = 2.0;
    static constexpr quint16 DataVersion = 220; // program version 2.201 times 100, rounded

    AppDocument(AppServices services, QString programFolder);
    ~AppDocument() override;

    // Reads the preferences, lets the window settle for two seconds, then opens the database named there.
    // Without a database the program goes on; the commands that need one refuse.
    void startUp();
    // A database named on the command line replaces the one in the preferences, and is created without asking.
    void useDatabase(const QString& path) { m_databaseOverride = path; }
    // Writes the preferences back; the program calls it once at exit.
    void shutDown();

    bool hasDatabase() const override { return m_databaseOpen; }
    QString databasePath() const { return m_preferences.databasePath(); }
    bool equipmentDefined() const override;
    bool hasInstrument(RequiredInstrument kind) const override;

    AudiometerRecord& record() override { return *m_record; }
    bool audiometerTestStarted() const override { return m_testStarted; }
    bool isModified() const override { return m_modified; }
    void setModified(bool modified) override;
    bool calibrationChecked() const override { return m_calibrationChecked; }
    void setCalibrationChecked(bool checked) override { m_calibrationChecked = checked; }

    void newMeasurement() override;
    void saveRecord() override;
    void resetBoothRecord() override {}
    void changeDatabase() override;

    Preferences& preferences() override { return m_preferences; }
    void writePreferences() override;

    int testStatus(int test, int transducerColumn) const override;
    bool measurementSelected(int row, int column) const override;
    void setMeasurementSelected(int row, int column, bool selected) override;

    QStringList technicians() const override { return m_technicians; }
    void addTechnician(const QString& name) override;

private:
    static constexpr int SelectionRows = 12;
    static constexpr int SelectionColumns = 5;

    bool openDatabase(const QString& path);
    void closeDatabase();

    AppServices m_services;
    QString m_programFolder;
    QString m_connectionName;
    QString m_databaseOverride;
    Preferences m_preferences;
    std::unique_ptr<AudiometerRecord> m_record;
    std::array<bool, SelectionRows * SelectionColumns> m_selection{};
    QStringList m_technicians;
    bool m_databaseOpen = false;
    bool m_testStarted = false;
    bool m_modified = false;
    bool m_calibrationChecked = false;
};

} // namespace orvik
