#include "equipment/widgets/InstrumentResponsePage.h"

#include "model/FrequencyTable.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace orvik {

namespace {
constexpr int Columns = 2;
constexpr int MastoidFirstIndex = 5; // 250 Hz
constexpr int MastoidCount = 20;     // to 8000 Hz
} // namespace

InstrumentResponsePage::InstrumentResponsePage(ResponsePageLayout layout, QWidget* parent)
    : InstrumentPage(layout.title, layout.responseSet, parent), m_layout(std::move(layout)) {
    auto* outer = new QVBoxLayout(this);
    if (!m_layout.note.isEmpty()) {
        auto* note = new QLabel(m_layout.note, this);
        note->setWordWrap(true);
        outer->addWidget(note);
    }
    // Frequencies rise down the first column and go on at the top of the second, both of the same length, as on
    // a calibration chart; Tab follows them upwards.
    auto* grid = new QGridLayout;
    const int rows = (m_layout.count + Columns - 1) / Columns;
    for (int i = 0; i < m_layout.count; ++i) {
        const FreqIndex index = m_layout.firstIndex + i;
        QLineEdit* field = addValueField();
        field->setMaximumWidth(80);
        const int row = i % rows, column = i / rows * 3;
        grid->addWidget(new QLabel(QStringLiteral("%1 Hz").arg(frequencyLabel(index).trimmed()), this), row, column,
                        Qt::AlignRight);
        grid->addWidget(field, row, column + 1);
        grid->addWidget(new QLabel(QStringLiteral("dB"), this), row, column + 2);
        m_fields.push_back(field);
    }
    grid->setColumnStretch(grid->columnCount(), 1);
    outer->addLayout(grid);
    if (m_layout.importData)
        addImportButton(outer);
    outer->addStretch();
}

void InstrumentResponsePage::load(const InstrumentEntry& entry) {
    InstrumentEntry copy = entry;
    const float* values = m_layout.values(copy);
    for (int i = 0; i < m_layout.count; ++i)
        showValue(m_fields[static_cast<std::size_t>(i)], values[i], 2);
}

void InstrumentResponsePage::store(InstrumentEntry& entry) const {
    float* values = m_layout.values(entry);
    for (int i = 0; i < m_layout.count; ++i)
        values[i] = valueOf(m_fields[static_cast<std::size_t>(i)]);
}

QLineEdit* InstrumentResponsePage::field(int freqIndex) const {
    const int i = freqIndex - m_layout.firstIndex;
    return i >= 0 && i < m_layout.count ? m_fields[static_cast<std::size_t>(i)] : nullptr;
}

ResponsePageLayout InstrumentResponsePage::microphoneLow() {
    return {QStringLiteral("Low Freq. Pressure Response"),
            0,
            FirstHighFrequency,
            [](InstrumentEntry& e) { return e.values.microphone.pressureResponse; },
            {},
            true,
            0};
}

ResponsePageLayout InstrumentResponsePage::microphoneHigh() {
    return {QStringLiteral("High Freq. Pressure Response"),
            FirstHighFrequency,
            GridCorrectionCount,
            [](InstrumentEntry& e) { return e.values.microphone.pressureResponse + FirstHighFrequency; },
            {},
            true,
            0};
}

ResponsePageLayout InstrumentResponsePage::microphoneGrid() {
    return {QStringLiteral("Grid Corrections"),
            FirstHighFrequency,
            GridCorrectionCount,
            [](InstrumentEntry& e) { return e.values.microphone.gridCorrection; },
            QStringLiteral("Enter values to add to measurement to correct for microphone grid cap."),
            false,
            0};
}

ResponsePageLayout InstrumentResponsePage::mastoid(const QString& title, int responseSet) {
    return {title,
            MastoidFirstIndex,
            MastoidCount,
            [responseSet](InstrumentEntry& e) { return e.mastoidResponseSet(responseSet) + MastoidFirstIndex; },
            {},
            true,
            responseSet};
}

} // namespace orvik
