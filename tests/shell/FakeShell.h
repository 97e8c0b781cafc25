#pragma once

#include "ScriptedMessageBox.h"
#include "shell/ShellCommands.h"
#include "shell/ShellDocument.h"
#include "shell/ShellSeams.h"
#include "shell/ViewSwitcher.h"
#include "model/AudiometerRecord.h"

#include <QList>
#include <memory>
#include <set>

namespace orvik::test {

// A document whose database, instruments and flags a test sets directly; it counts what it was asked to do.
class FakeDocument final : public ShellDocument {
public:
    bool database = true;
    std::set<RequiredInstrument> instruments{RequiredInstrument::SoundLevelMeter, RequiredInstrument::Calibrator,
                                             RequiredInstrument::Microphone, RequiredInstrument::Preamp};
    bool equipment = true;
    bool started = true;
    bool modified = false;
    bool checked = false;
    int saves = 0;
    int newMeasurements = 0;
    int boothResets = 0;
    int databaseChanges = 0;
    int preferenceWrites = 0;
    int closeQuestions = 0;
    bool mayClose = true;
    Preferences prefs;
    QStringList techs;
    int statuses[10][5] = {};
    bool selection[12][5] = {};
    std::unique_ptr<AudiometerRecord> rec = std::make_unique<AudiometerRecord>();

    bool hasDatabase() const override { return database; }
    bool equipmentDefined() const override { return equipment; }
    bool hasInstrument(RequiredInstrument kind) const override { return instruments.count(kind) > 0; }
    AudiometerRecord& record() override { return *rec; }
    bool audiometerTestStarted() const override { return started; }
    void markTestStarted() override { started = true; }
    bool isModified() const override { return modified; }
    void setModified(bool m) override { modified = m; }
    bool calibrationChecked() const override { return checked; }
    void setCalibrationChecked(bool c) override { checked = c; }
    void newMeasurement() override { ++newMeasurements; }
    bool saveRecord() override {
        ++saves;
        return true;
    }
    void resetBoothRecord() override { ++boothResets; }
    void changeDatabase() override { ++databaseChanges; }
    bool offerSaveBeforeClosing() override {
        ++closeQuestions;
        return mayClose;
    }
    Preferences& preferences() override { return prefs; }
    void writePreferences() override { ++preferenceWrites; }
    int testStatus(int test, int column) const override { return statuses[test][column]; }
    bool measurementSelected(int row, int column) const override { return selection[row][column]; }
    void setMeasurementSelected(int row, int column, bool on) override { selection[row][column] = on; }
    QStringList technicians() const override { return techs; }
    void addTechnician(const QString& name) override { techs.prepend(name); }
};

class FakeMeter final : public MeterConnection {
public:
    bool exists = false;
    bool open = false;
    int connectResult = 0;
    int connects = 0;
    int closes = 0;

    bool portExists() const override { return exists; }
    bool portOpen() const override { return open; }
    int connect() override {
        ++connects;
        if (connectResult >= 0)
            exists = open = true;
        return connectResult;
    }
    void closePort() override {
        ++closes;
        open = false;
    }
    void checkBattery() override {}
    void turnOff() override {}
};

class FakeCalibration final : public CalibrationCheck {
public:
    int result = 1;
    int runs = 0;
    int run() override {
        ++runs;
        return result;
    }
};

class FakeHost final : public ViewHost {
public:
    QList<QPair<ViewId, int>> shown;
    int summaryStores = 0;
    bool pendingInstrumentation = false;
    int discards = 0;

    void showView(ViewId view, int page) override { shown.append({view, page}); }
    void storeSummaryFields() override { ++summaryStores; }
    bool instrumentationHasPendingChanges() const override { return pendingInstrumentation; }
    void discardInstrumentationChanges() override {
        ++discards;
        pendingInstrumentation = false;
    }
};

// The shell's logic over fakes, wired as the main window wires it; every message is acknowledged unless a test
// scripts another answer.
struct Shell {
    FakeDocument document;
    ScriptedMessageBox messages;
    FakeMeter meter;
    FakeCalibration calibration;
    FakeHost host;
    Shell() { messages.acknowledgeAll(); }
    BusyState busy;
    ViewSwitcher views{document, messages, meter, calibration, host, busy};
    ShellCommands commands{document, messages, views, host};

    void visit(std::initializer_list<ViewId> path) {
        for (ViewId v : path)
            views.switchView(v);
    }
    QList<ViewId> stack() const {
        QList<ViewId> entries;
        for (int i = 0; i <= views.stack().topIndex(); ++i)
            entries << views.stack().at(i);
        return entries;
    }
};

} // namespace orvik::test
