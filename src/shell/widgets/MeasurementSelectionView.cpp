#include "shell/widgets/MeasurementSelectionView.h"

#include "shell/ShellDocument.h"
#include "shell/ViewSwitcher.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik {

namespace {
const char* const RowNames[MeasurementSelectionView::Rows] = {
    "Hearing level", "Frequency accuracy", "Hearing level linearity", "Harmonic distortion",
    "Pulsed tones",  "Cross talk",         "On/off (Rise/fall)",      "Frequency modulation",
    "Narrow band noise", "Broad band (white) noise", "Speech",         "Speech noise"};
const char* const ColumnNames[MeasurementSelectionView::Columns] = {"Supra-aural", "Insert", "Circumaural", "Bone",
                                                                    "Speakers"};
} // namespace

MeasurementSelectionView::MeasurementSelectionView(ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    auto* grid = new QGridLayout;
    for (int c = 0; c < Columns; ++c)
        grid->addWidget(new QLabel(QString::fromLatin1(ColumnNames[c]), this), 0, c + 1, Qt::AlignHCenter);
    for (int r = 0; r < Rows; ++r) {
        grid->addWidget(new QLabel(QString::fromLatin1(RowNames[r]), this), r + 1, 0);
        for (int c = 0; c < Columns; ++c) {
            auto* box = new QCheckBox(this);
            box->setChecked(context.document.measurementSelected(r, c));
            connect(box, &QCheckBox::toggled, this,
                    [this, r, c](bool on) { m_context.document.setMeasurementSelected(r, c, on); });
            grid->addWidget(box, r + 1, c + 1, Qt::AlignHCenter);
            m_boxes << box;
        }
    }
    auto* selectAll = new QPushButton(QStringLiteral("Select All"), this);
    auto* clearAll = new QPushButton(QStringLiteral("Clear All"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    connect(selectAll, &QPushButton::clicked, this, [this] { setAll(true); });
    connect(clearAll, &QPushButton::clicked, this, [this] { setAll(false); });
    connect(cancel, &QPushButton::clicked, this, [this] { m_context.views.goBack(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectAll);
    buttons->addWidget(clearAll);
    buttons->addStretch();
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("<h3>Select Measurements to be performed</h3>"), this));
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
}

void MeasurementSelectionView::setAll(bool on) {
    for (QCheckBox* box : m_boxes)
        box->setChecked(on);
}

} // namespace orvik
