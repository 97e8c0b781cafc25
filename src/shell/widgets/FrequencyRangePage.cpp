#include "shell/widgets/FrequencyRangePage.h"

#include "model/FrequencyTable.h"
#include "model/TestSetup.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

namespace {
// Rows of five, as in the RETSPL editor: Tab runs up the frequencies along the rows.
constexpr int BoxesPerRow = 5;
} // namespace

FrequencyRangePage::FrequencyRangePage(int firstIndex, int lastIndex, bool offerDefaults, QWidget* parent)
    : SetupPage(parent), m_first(firstIndex), m_frame(new QFrame(this)) {
    auto* grid = new QGridLayout(m_frame);
    for (int i = firstIndex; i <= lastIndex; ++i) {
        auto* box = new QCheckBox(frequencyLabel(i), m_frame);
        const int n = i - firstIndex;
        grid->addWidget(box, n / BoxesPerRow, n % BoxesPerRow);
        m_boxes << box;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    if (offerDefaults) {
        auto* defaults = new QPushButton(QStringLiteral("Set to Default Frequencies"), this);
        connect(defaults, &QPushButton::clicked, this, [this] {
            // The defaults are added to what the technician ticked, never put in its place.
            qint32 selected[FrequencyCount] = {};
            for (int n = 0; n < m_boxes.size(); ++n)
                selected[m_first + n] = m_boxes[n]->isChecked() ? 1 : 0;
            selectDefaultFrequencies(selected);
            for (int n = 0; n < m_boxes.size(); ++n)
                m_boxes[n]->setChecked(selected[m_first + n] != 0);
        });
        layout->addWidget(defaults, 0, Qt::AlignLeft);
    }
    layout->addStretch();
}

// With no frequency ticked anywhere, both ranges are where one could be ticked.
void FrequencyRangePage::markProblems(const std::vector<SetupField>& fields) {
    markField(m_frame, contains(fields, SetupField::Frequencies));
}

void FrequencyRangePage::load(const TestSetup& setup) {
    for (int n = 0; n < m_boxes.size(); ++n)
        m_boxes[n]->setChecked(setup.frequencySelected[m_first + n] != 0);
}

void FrequencyRangePage::store(TestSetup& setup) {
    for (int n = 0; n < m_boxes.size(); ++n)
        setup.frequencySelected[m_first + n] = m_boxes[n]->isChecked() ? 1 : 0;
}

} // namespace orvik
