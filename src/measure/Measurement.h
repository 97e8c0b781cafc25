#pragma once

#include "measure/EquipmentCheck.h"
#include "measure/MeterLink.h"
#include "measure/MeterSetup.h"
#include "measure/OneThirdOctaveBands.h"
#include "measure/ReadStableSpectrum.h"
#include "measure/ResultList.h"
#include "measure/RunProgress.h"
#include "model/AudiometerRecord.h"
#include "model/FrequencyTable.h"
#include "model/RecordHeader.h"

#include <functional>

namespace orvik {

// How one measured point ended.
enum class PointOutcome { Stored, Skipped, Cancelled };

// What a page needs to run one point through the common procedure.
struct PointPlan {
    QString dialText; // completes "Set%s", e.g. " 70 dBHL Left at 1000 Hz"
    FreqIndex frequency = 0;
    bool checkMode = false; // the first point of Measure All, every point of Measure Selected
    MeterMode mode = MeterMode::SlmRta;
    int variant = 0;
    QString checkingText; // "Checking the K37 for SLM/RTA mode"
    bool selectedRun = false;
};

// One reading of a point: its status and, when it gave nothing worth storing, the question that offers to
// measure again. Status 0 or more with no question means the page stored the value; a meter error with no
// question ends the point, the technician having been told already.
struct PointAttempt {
    int status = 0;
    QString retryQuestion;
};

// The state and the procedures every measurement page shares: the record and meter link, the transducer,
// channel and test, the calibration offset read once per page, the gain flags, the last status and the
// spectrum of the last stable reading. Pages add their result blocks and list; widgets only show them.
class Measurement {
public:
    Measurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, Channel channel, TestNumber test);
    virtual ~Measurement() = default;

    TransducerKind transducer() const { return m_transducer; }
    Channel channel() const { return m_channel; }
    TestNumber test() const { return m_test; }
    int lastStatus() const { return m_lastStatus; }
    PageVerdict verdict() const { return m_verdict; }
    float calibrationOffset() const { return m_calibrationOffset; }
    bool calibrationOffsetRead() const { return m_offsetRead; }
    float bandLevel() const { return m_bandLevel; }
    float lastSpread() const { return m_lastSpread; }
    const Spectrum& spectrum() const { return m_spectrum; }
    bool running() const { return m_running; }

    // What the sheet runs every kind of page through.
    virtual int measureAll() = 0;
    // Measures the points of the given list rows; nothing happens without rows.
    virtual int measureSelected(const QList<int>& rows) = 0;
    // Copies the working blocks into the record; the page verdict.
    virtual PageVerdict takeDataBack() = 0;
    virtual void fillList() = 0;
    // Takes the inputs the sheet keeps in the record (dial-level tables) just before a run.
    virtual void loadInputs() {}
    // The point being measured, so that the list keeps it in view; -1 between points.
    virtual FreqIndex measuringIndex() const { return -1; }
    const ResultList& list() const { return m_list; }
    void setGridQuestion(GridQuestion* question) { m_gridQuestion = question; }

    // Called after every point and whenever the rows change, so that the widget refills its list.
    std::function<void()> onRefill;

    // Reads "Q227" once per page; Status::Cancelled when cancelled.
    int readCalibrationOffset(ProgressWindow* progress, const QString& label = {});
    // Reads the calibration offset if needed, brings the gain to `gain` and takes a stable spectrum watching the
    // band of the frequency. The band level is then bandLevel().
    int measureBandLevel(FreqIndex frequency, ProgressWindow* progress, int gain = WorkingGain);

    // The retry question's tail: go on to the next frequency, or (Measure Selected) cancel.
    static QString retryTail(bool selectedRun);
    // The question after a reading that gave nothing to store. The wordings differ slightly between the runs and
    // the kinds of reading; each is the one the technician knows.
    static QString recheckQuestion(const QString& opening, const char* gap, double hz, const QString& setTo,
                                   const char* remeasure, bool selectedRun);

protected:
    // The common procedure of one point: dial prompt, cursor, mode check, then attempts until one stores, the
    // technician skips it or cancels. Only within a run: the attempts report in the run's progress window.
    PointOutcome measurePoint(const PointPlan& plan, const std::function<PointAttempt(ProgressWindow&)>& attempt);
    // The instruments of the transducer are chosen and, for circumaural earphones on a page that asks, the
    // technician has not stopped to change the grid. False: no run.
    bool equipmentReady(bool gridMatters);
    // The retry question after a reading that never became stable.
    QString unstableQuestion(FreqIndex frequency, bool selectedRun) const;
    void refill();
    // One run over the points in its progress window: the meter's transducer and working gain first (a cancel
    // there ends the run before its first dial prompt), then each point until one is cancelled. The first point
    // of Measure All and every point of Measure Selected check the meter mode. `pointDone` follows every point.
    using PointRunner = std::function<PointOutcome(FreqIndex, bool checkMode)>;
    void runPoints(const QList<FreqIndex>& points, bool selectedRun, const PointRunner& measureOne,
                   const std::function<void()>& pointDone);
    // A whole run of a level page: one run at a time, the equipment check (no grid question), then runPoints;
    // `measuring`, the page's point in view, is cleared after each point before the list is refilled.
    void runLevelPoints(const QList<FreqIndex>& points, bool selectedRun, const PointRunner& measureOne,
                        FreqIndex& measuring);
    // A whole run over points that are not frequencies (the sources of the masking-noise and speech pages): one run
    // at a time, the equipment check, one progress window, the meter's transducer matched; `measureOne(n)`
    // measures the n-th, and the run ends with the first point that fails. The list is refilled after each.
    int runSources(int count, const std::function<QString(int)>& name, const std::function<void(int)>& measureOne);
    void cancelRun() { m_lastStatus = Status::Cancelled; }
    // The microphone whose model sets the meter's transducer: the one the calibration check was made with,
    // else the microphone the set-up chose for this transducer.
    QString microphoneInUse() const;

    AudiometerRecord& m_record;
    MeterLink& m_link;
    TransducerKind m_transducer;
    Channel m_channel;
    TestNumber m_test;
    float m_calibrationOffset = 0.0f;
    bool m_offsetRead = false;
    bool m_gainSetForLevel = false;
    bool m_gainSetForFrequency = false;
    int m_lastStatus = 0;
    Spectrum m_spectrum{};
    int m_band = 0;
    float m_bandLevel = 0.0f;
    float m_lastSpread = 0.0f;
    PageVerdict m_verdict = PageVerdict::NoneJudged;
    bool m_running = false;
    RunProgress* m_run = nullptr; // while a run is on
    ResultList m_list;
    GridQuestion* m_gridQuestion = nullptr;
};

} // namespace orvik
