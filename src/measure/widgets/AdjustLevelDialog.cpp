#include "measure/widgets/AdjustLevelDialog.h"

#include "measure/LiveLevelMonitor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace orvik {

AdjustLevelDialog::AdjustLevelDialog(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                                     const qint16 (&dialLevels)[FrequencyCount], BusyState& busy, QWidget* parent)
    : LiveDisplayDialog(busy, parent),
      m_display(std::make_unique<LiveLevelMonitor>(record, link, transducer, dialLevels)),
      m_frequencies(new QComboBox(this)), m_spl(new QLabel(this)), m_hl(new QLabel(this)), m_dial(new QLabel(this)),
      m_target(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Adjust Level"));
    auto* layout = new QFormLayout(this);
    layout->addRow(QStringLiteral("Frequency"), m_frequencies);
    layout->addRow(QStringLiteral("Measured SPL"), m_spl);
    layout->addRow(QStringLiteral("Measured HL"), m_hl);
    layout->addRow(QStringLiteral("Dial HL"), m_dial);
    layout->addRow(QStringLiteral("Target"), m_target);
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    layout->addRow(closeButton);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_frequencies, &QComboBox::currentIndexChanged, this, [this](int line) {
        if (line < 0)
            return;
        m_display->chooseFrequencyLine(line);
        showValues();
    });
}

AdjustLevelDialog::~AdjustLevelDialog() = default;

bool AdjustLevelDialog::start(FreqIndex preselected, GridQuestion* gridQuestion) {
    if (!m_display->open(preselected, gridQuestion))
        return false;
    const QSignalBlocker quiet(m_frequencies);
    const QStringList lines = m_display->frequencyLines();
    m_frequencies->addItems(lines);
    if (m_display->frequency() >= 0)
        m_frequencies->setCurrentIndex(
            int(lines.indexOf(QString::asprintf("%.1f", double(frequencyHz(m_display->frequency()))))));
    showValues();
    if (m_display->timerRunning())
        timer()->start();
    return true;
}

bool AdjustLevelDialog::readOnce() {
    return m_display->tick();
}

void AdjustLevelDialog::showValues() {
    m_spl->setText(m_display->measuredSplText());
    m_hl->setText(m_display->measuredHlText());
    m_dial->setText(m_display->dialText());
    m_target->setText(m_display->targetText());
}

} // namespace orvik
