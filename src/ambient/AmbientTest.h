#pragma once

#include "ambient/AmbientRecord.h"
#include "ambient/BoothStore.h"
#include "equipment/InstrumentLists.h"
#include "measure/MeterLink.h"

#include <functional>

namespace orvik {

// One booth test while it is open: the document's record, a backup that "Cancel" restores, and the working copy
// the pages edit and a measurement fills. The view supplies the page hooks; orvik-cli leaves them empty and
// edits working() itself.
class AmbientTest {
public:
    static constexpr int SampleCount = 10;
    static constexpr int MeasuringGain = 5;

    AmbientTest(BoothStore& store, const InstrumentLists& instruments, AppServices services);

    AmbientRecord& working() { return m_working; }
    const AmbientRecord& backup() const { return m_backup; }
    bool modified() const { return m_modified; }

    // Copies the pages into a record.
    std::function<void(AmbientRecord&)> storePages;
    // Whether any page was edited since the last load.
    std::function<bool()> pagesModified;
    // Refills the level pages from working(); `activate` brings a level page forward.
    std::function<void(bool activate)> refillLevels;
    // Brings the "Test Information" page forward with the focus in the test name.
    std::function<void()> focusTestName;

    // "Measure All" over a link whose meter the caller has connected (Status::NotConnected otherwise). 0 or more
    // when the spectrum was measured and the document's record replaced; a negative status when it stopped, with
    // the document's record untouched.
    int measureAll(MeterLink& link);

    enum class SaveOutcome { Saved, NothingToSave, NameRefused, Stopped };
    // "Save", and "Ok" before leaving.
    SaveOutcome save();
    // "Cancel": the document's record as it was before this test changed it.
    void cancel();

private:
    bool measureSpectrum(MeterLink& link, ProgressWindow& progress, float offset);
    bool readCalibrationOffset(MeterLink& link, float& offset);
    bool readStableLevel(MeterLink& link, ProgressWindow& progress, float offset);
    void store(AmbientRecord& record) const;
    // New: store as a new row; Replace: the row of that name may be replaced.
    enum class NameCheck { New, Replace, Refused, LookupFailed };
    NameCheck checkName();
    bool agreesToOverwrite(const QString& name);
    SaveOutcome nameRefused();

    BoothStore& m_store;
    const InstrumentLists& m_instruments;
    AppServices m_services;
    AmbientRecord m_backup;
    AmbientRecord m_working;
    bool m_modified = false;
};

} // namespace orvik
