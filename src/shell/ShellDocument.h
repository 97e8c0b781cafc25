#pragma once

#include "core/Preferences.h"

#include <QString>
#include <QStringList>

namespace orvik {

struct AudiometerRecord;

// The instrument kinds an audiometer test cannot be set up without, in the order they are reported.
enum class RequiredInstrument { SoundLevelMeter, Calibrator, Microphone, Preamp };

// What the main window needs from the document: the database, the instrumentation, the current test record
// and the flags that steer the views. The document itself owns all of it for the whole run.
class ShellDocument {
public:
    virtual ~ShellDocument() = default;

    virtual bool hasDatabase() const = 0;
    virtual bool equipmentDefined() const = 0;
    virtual bool hasInstrument(RequiredInstrument kind) const = 0;

    virtual AudiometerRecord& record() = 0;
    virtual bool audiometerTestStarted() const = 0;
    // An accepted set-up or a retrieved test counts as a test under way.
    virtual void markTestStarted() = 0;
    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;
    virtual bool calibrationChecked() const = 0;
    virtual void setCalibrationChecked(bool checked) = 0;

    // Offers to save a modified test first, then starts an empty record dated today.
    virtual void newMeasurement() = 0;
    // True when the record was stored.
    virtual bool saveRecord() = 0;
    virtual void resetBoothRecord() = 0;
    virtual void changeDatabase() = 0;
    // Before the program closes: asks whether to save a modified test. False when the technician cancels.
    virtual bool offerSaveBeforeClosing() = 0;

    virtual Preferences& preferences() = 0;
    virtual void writePreferences() = 0;

    // Status of a test (summary row 0..9) for a transducer column 0..4: 1 pass, -1 fail, 99 n/a, else not run.
    virtual int testStatus(int test, int transducerColumn) const = 0;
    // The measurements ticked in the status grid (rows 0..11, columns 0..4).
    virtual bool measurementSelected(int row, int column) const = 0;
    virtual void setMeasurementSelected(int row, int column, bool selected) = 0;

    // Most recent first.
    virtual QStringList technicians() const = 0;
    virtual void addTechnician(const QString& name) = 0;
};

} // namespace orvik
