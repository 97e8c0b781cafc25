#pragma once

#include "measure/widgets/LiveDisplayDialog.h"
#include "model/Transducer.h"

#include <memory>

class QComboBox;
class QLabel;

namespace orvik {

class SpeechLevelMonitor;
struct AudiometerRecord;
struct MeterLink;

// The speech test's modeless live display: the level on the chosen reading basis and that level minus the page's
// reference.
class SpeechAdjustDialog final : public LiveDisplayDialog {
    Q_OBJECT
public:
    SpeechAdjustDialog(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, double referenceDb,
                       BusyState& busy, QWidget* parent = nullptr);
    ~SpeechAdjustDialog() override;

    // The opening steps; false when the window must not be shown.
    bool start();
    QComboBox* basis() const { return m_basis; }
    QLabel* level() const { return m_level; }
    QLabel* hearingLevel() const { return m_hl; }

private:
    bool readOnce() override;
    void showValues() override;
    void chooseBasis(int basis);

    std::unique_ptr<SpeechLevelMonitor> m_display;
    QComboBox* m_basis;
    QLabel* m_level;
    QLabel* m_hl;
};

} // namespace orvik
