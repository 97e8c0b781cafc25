#pragma once

#include "shell/widgets/SetupPage.h"

class QCheckBox;
class QFrame;

namespace orvik {

// A range of test frequencies to tick: "Low Frequencies" up to 8000 Hz with the default choice, or
// "High Frequencies" from 9000 Hz.
class FrequencyRangePage final : public SetupPage {
    Q_OBJECT
public:
    FrequencyRangePage(int firstIndex, int lastIndex, bool offerDefaults, QWidget* parent = nullptr);
    void load(const TestSetup& setup) override;
    void store(TestSetup& setup) override;
    void markProblems(const std::vector<SetupField>& fields) override;
    QCheckBox* box(int freqIndex) const { return m_boxes.value(freqIndex - m_first); }

private:
    int m_first;
    QFrame* m_frame;
    QList<QCheckBox*> m_boxes;
};

} // namespace orvik
