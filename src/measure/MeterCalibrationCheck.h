#pragma once

#include "measure/MeterLink.h"
#include "model/FrequencyTable.h"
#include "model/TestSetup.h"

#include <QList>
#include <QString>
#include <functional>

namespace orvik {

// A calibrator or microphone as the dialog lists it, taken from the equipment lists by the view.
struct CalibrationInstrument {
    QString manufacturer;
    QString model;
    QString serialNumber;
    double frequency = 0.0; // calibrator: Hz
    double level = 0.0;     // calibrator: dB
    QString listText() const { return QStringLiteral("%1 (%2)").arg(serialNumber, model); }
};

// The test frequency whose band a calibrator is read in: the first whose bound (a tenth of the way to the next
// test frequency) is not below the calibrator's frequency.
FreqIndex calibratorFrequencyIndex(double hz);
// The calibration levels the meter works with, which are also the levels of the calibrators it is checked with.
inline constexpr double LowestCalibrationLevelDb = 86.0;
inline constexpr double HighestCalibrationLevelDb = 120.0;
// The largest calibration offset a correction may leave on the meter: half the 10 dB step between the usual
// calibrator levels (94, 104, 114 dB), so that a wrong calibrator in the list can never pass for a microphone's
// sensitivity error.
inline constexpr double MaxCalibrationOffsetDb = 5.0;

// The meter's calibration level in force from its "Q41" reply; a reply out of 86..120 dB (or none) gives 114.
double initialCalibrationLevel(const QByteArray& reply);

// The meter calibration check without its dialog: opening, the once-a-second display, the choice of calibrator
// and microphone, and "Set Calibration", which always leaves the meter running with what it changed restored.
class MeterCalibrationCheck {
public:
    // `setup`: the record's equipment, which must name a calibrator and a microphone before the check opens.
    MeterCalibrationCheck(MeterLink& link, const TestSetup& setup, QList<CalibrationInstrument> calibrators,
                          QList<CalibrationInstrument> microphones);

    // The opening sequence; false when equipment is missing (nothing is sent to the meter) or the technician
    // gave up (the dialog ends).
    bool open();
    void selectCalibrator(int row);
    void selectMicrophone(int row);
    // One 1000 ms tick: reads the calibrator's band once and updates the display.
    void tick();
    void setCalibration();

    bool timerRunning() const { return m_timer; }
    bool buttonsEnabled() const { return m_buttons; }
    int calibratorRow() const { return m_calibratorRow; }
    int microphoneRow() const { return m_microphoneRow; }
    FreqIndex frequencyIndex() const { return m_frequencyIndex; }
    float calibrationOffset() const { return m_offset; }
    double deviation() const { return m_deviation; }
    QString measuredText() const { return m_measuredText; }
    QString differenceText() const { return m_differenceText; }
    QString calibratorFrequencyText() const;
    QString calibratorLevelText() const;
    QStringList calibratorLines() const;
    QStringList microphoneLines() const;

    // Shows (text) or closes (empty) the "Message" box of the opening.
    std::function<void(const QString&)> onWaitMessage;
    // The microphone the test sheet's level readings use from now on.
    std::function<void(const CalibrationInstrument&)> onMicrophoneChosen;
    // The display texts changed.
    std::function<void()> onDisplay;

private:
    // What a correction changed on the meter, so that its end can put it back whatever step it reached.
    struct Changes {
        int initialGain = -1;     // the gain before the correction; -1 when it could not be read
        bool gainTouched = false; // a gain change was attempted: a cancel or failure may have left it half done
        bool levelRead = false;   // "Q41" answered: the calibration level goes back to `initialLevel`
        double initialLevel = 114.0;
    };

    int readOffset();
    bool calibratorUsable();
    int calibrate(ProgressWindow& progress, Changes& changes);
    int restoreAfter(const Changes& changes, ProgressWindow& progress);
    void fail(const QString& text);
    void display();

    MeterLink& m_link;
    const TestSetup& m_setup;
    QList<CalibrationInstrument> m_calibrators;
    QList<CalibrationInstrument> m_microphones;
    int m_calibratorRow = -1;
    int m_microphoneRow = -1;
    FreqIndex m_frequencyIndex = 12;
    float m_offset = 0.0f;
    double m_deviation = 0.0;
    QString m_measuredText;
    QString m_differenceText;
    bool m_timer = false;
    bool m_buttons = true;
};

} // namespace orvik
