#pragma once

#include "core/AppServices.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace orvik {

class InstrumentLists;
class MeterSession;
struct TestSetup;

// "SLM Calibration": the meter check against an acoustic calibrator, shown modally. The lists choose
// calibrator and microphone, a 1000 ms timer drives one band reading of the check logic a tick, "Set
// Calibration" corrects the meter.
class MeterCalibrationDialog final : public QDialog {
    Q_OBJECT
public:
    // The session must be connected; `setup` names the equipment the check needs.
    MeterCalibrationDialog(MeterSession& session, const AppServices& services, const TestSetup& setup,
                           const InstrumentLists& instruments, QWidget* parent = nullptr);
    ~MeterCalibrationDialog() override;

    // Told the model of each microphone chosen from now on (the opening sequence chooses one).
    void setMicrophoneChosen(std::function<void(const QString&)> chosen);
    // The equipment check, then the opening sequence under the "Waiting for SLM to Stabilize" message; false
    // when equipment is missing or the technician gave up.
    bool start();
    // One timer tick (also what tests call instead of waiting a second).
    void tick();

    QListWidget* calibrators() const { return m_calibrators; }
    QListWidget* microphones() const { return m_microphones; }
    QLabel* calibratorFrequency() const { return m_frequency; }
    QLabel* calibratorLevel() const { return m_level; }
    QLabel* measured() const { return m_measured; }
    QLabel* difference() const { return m_difference; }
    QPushButton* setCalibrationButton() const { return m_setCalibration; }
    QTimer* timer() const { return m_timer; }

private:
    struct Check;

    void showDisplay();
    void setCalibration();

    std::unique_ptr<Check> m_check;
    QListWidget* m_calibrators;
    QListWidget* m_microphones;
    QLabel* m_frequency;
    QLabel* m_level;
    QLabel* m_measured;
    QLabel* m_difference;
    QPushButton* m_setCalibration;
    QPushButton* m_close;
    QTimer* m_timer;
};

// Shows the check for a connected meter. Non-zero when the meter was checked (the dialog opened and was
// closed); zero when equipment was missing or the technician gave up while it opened.
// `microphoneChosen` hears the model of every microphone the technician chooses in it.
int runCalibrationCheck(MeterSession& session, const AppServices& services, const TestSetup& setup,
                        const InstrumentLists& instruments, QWidget* parent,
                        const std::function<void(const QString&)>& microphoneChosen = {});

} // namespace orvik
