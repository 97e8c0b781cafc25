#include "measure/widgets/SpeechAdjustDialog.h"

#include "measure/SpeechLevelMonitor.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace orvik {

SpeechAdjustDialog::SpeechAdjustDialog(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                                       double referenceDb, BusyState& busy, QWidget* parent)
    : LiveDisplayDialog(busy, parent),
      m_display(std::make_unique<SpeechLevelMonitor>(record, link, transducer, referenceDb)),
      m_basis(new QComboBox(this)), m_level(new QLabel(this)), m_hl(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Adjust Level"));
    auto* layout = new QFormLayout(this);
    m_basis->addItems(SpeechLevelMonitor::basisNames());
    layout->addRow(QStringLiteral("Select Reading Basis"), m_basis);
    layout->addRow(QStringLiteral("Measured Level"), m_level);
    layout->addRow(QStringLiteral("Measured HL"), m_hl);
    auto* closeButton = new QPushButton(QStringLiteral("Close"), this);
    layout->addRow(closeButton);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(m_basis, &QComboBox::currentIndexChanged, this, &SpeechAdjustDialog::chooseBasis);
}

SpeechAdjustDialog::~SpeechAdjustDialog() = default;

bool SpeechAdjustDialog::start() {
    if (!m_display->open())
        return false;
    const QSignalBlocker quiet(m_basis);
    m_basis->setCurrentIndex(m_display->basis());
    // The meter was opened for the speech test; bring it to the remembered basis before the first reading.
    if (!m_display->chooseBasis(m_display->basis()))
        return false;
    timer()->start();
    return true;
}

void SpeechAdjustDialog::chooseBasis(int basis) {
    timer()->stop();
    if (runBusy([this, basis] { return m_display->chooseBasis(basis); }))
        timer()->start();
}

bool SpeechAdjustDialog::readOnce() {
    return m_display->tick();
}

void SpeechAdjustDialog::showValues() {
    m_level->setText(m_display->levelText());
    m_hl->setText(m_display->hearingLevelText());
}

} // namespace orvik
