#pragma once

#include "measure/widgets/LiveDisplayDialog.h"
#include "model/FrequencyTable.h"
#include "model/Transducer.h"

#include <memory>

class QComboBox;
class QLabel;

namespace orvik {

class LiveLevelMonitor;
class GridQuestion;
struct AudiometerRecord;
struct MeterLink;

// "Adjust Level": the modeless live display of the hearing-level test.
class AdjustLevelDialog final : public LiveDisplayDialog {
    Q_OBJECT
public:
    AdjustLevelDialog(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                      const qint16 (&dialLevels)[FrequencyCount], BusyState& busy, QWidget* parent = nullptr);
    ~AdjustLevelDialog() override;

    // The opening steps; false when the window must not be shown.
    bool start(FreqIndex preselected, GridQuestion* gridQuestion);
    QComboBox* frequencies() const { return m_frequencies; }
    QLabel* measuredSpl() const { return m_spl; }
    QLabel* measuredHl() const { return m_hl; }

private:
    bool readOnce() override;
    void showValues() override;

    std::unique_ptr<LiveLevelMonitor> m_display;
    QComboBox* m_frequencies;
    QLabel* m_spl;
    QLabel* m_hl;
    QLabel* m_dial;
    QLabel* m_target;
};

} // namespace orvik
