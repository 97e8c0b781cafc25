#pragma once

#include "shell/BusyState.h"
#include "model/FrequencyTable.h"
#include "model/Transducer.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QLabel;
class QTimer;

namespace orvik {

class LiveLevelMonitor;
class GridQuestion;
struct AudiometerRecord;
struct MeterLink;

// "Adjust Level": the modeless live display of the hearing-level test. A 1000 ms timer drives one reading of
// the display logic a tick; the timer stops when the technician gives up after a failed read.
class AdjustLevelDialog final : public QDialog {
    Q_OBJECT
public:
    AdjustLevelDialog(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                      const qint16 (&dialLevels)[FrequencyCount], BusyState& busy, QWidget* parent = nullptr);
    ~AdjustLevelDialog() override;

    // The opening steps; false when the window must not be shown.
    bool start(FreqIndex preselected, GridQuestion* gridQuestion);
    // One timer tick (also what tests call instead of waiting a second).
    void tick();
    QTimer* timer() const { return m_timer; }
    QComboBox* frequencies() const { return m_frequencies; }
    QLabel* measuredSpl() const { return m_spl; }
    QLabel* measuredHl() const { return m_hl; }

private:
    void showValues();

    std::unique_ptr<LiveLevelMonitor> m_display;
    BusyState& m_busy;
    QComboBox* m_frequencies;
    QLabel* m_spl;
    QLabel* m_hl;
    QLabel* m_dial;
    QLabel* m_target;
    QTimer* m_timer;
};

} // namespace orvik
