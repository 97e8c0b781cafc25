#include "ambient/widgets/BoothInstrumentPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace orvik {

namespace {
// The record's field of a kind as the identity every kind starts with.
const EmbeddedIdentity& identityIn(const AmbientRecord& record, InstrumentKind kind) {
    switch (kind) {
    case InstrumentKind::SoundLevelMeter:
        return record.soundLevelMeter;
    case InstrumentKind::Preamp:
        return record.preamp;
    case InstrumentKind::Microphone:
        return record.microphone.identity;
    default:
        return record.calibrator.identity;
    }
}
} // namespace

BoothInstrumentPage::BoothInstrumentPage(InstrumentKind kind, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_choice(new QComboBox(this)), m_details(new QLabel(this)) {
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Instrument:"), m_choice);
    form->addRow(m_details);
    connect(m_choice, &QComboBox::activated, this, [this] {
        m_modified = true;
        showDetails();
    });
}

void BoothInstrumentPage::setChoices(std::vector<InstrumentEntry> entries) {
    m_entries = std::move(entries);
    const QSignalBlocker quiet(m_choice);
    m_choice->clear();
    m_choice->addItem(QString()); // none chosen
    for (const InstrumentEntry& entry : m_entries)
        m_choice->addItem(listLine(entry));
}

void BoothInstrumentPage::load(const AmbientRecord& record) {
    const QString serial = fixedText(identityIn(record, m_kind).serialNumber);
    int row = 0;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (!serial.isEmpty() && m_entries[i].serialNumber() == serial)
            row = int(i) + 1;
    m_choice->setCurrentIndex(row);
    m_modified = false;
    showDetails();
}

void BoothInstrumentPage::store(AmbientRecord& record) const {
    const int row = m_choice->currentIndex() - 1;
    const InstrumentEntry entry = row >= 0 ? m_entries[row] : emptyInstrumentEntry(m_kind);
    switch (m_kind) {
    case InstrumentKind::SoundLevelMeter:
        record.soundLevelMeter = toEmbeddedIdentity(entry);
        break;
    case InstrumentKind::Preamp:
        record.preamp = toEmbeddedIdentity(entry);
        break;
    case InstrumentKind::Microphone:
        record.microphone = toEmbeddedMicrophone(entry);
        break;
    default:
        record.calibrator = toEmbeddedCalibrator(entry);
        break;
    }
}

void BoothInstrumentPage::showDetails() {
    const int row = m_choice->currentIndex() - 1;
    if (row < 0) {
        m_details->clear();
        return;
    }
    const InstrumentEntry& entry = m_entries[row];
    m_details->setText(QStringLiteral("Manufacturer: %1\nModel: %2\nSerial Number: %3\nCalibration Due: %4")
                           .arg(entry.manufacturer(), entry.model(), entry.serialNumber(), entry.dueDate()));
}

} // namespace orvik
