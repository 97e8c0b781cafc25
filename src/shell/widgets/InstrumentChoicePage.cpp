#include "shell/widgets/InstrumentChoicePage.h"

#include "equipment/InstrumentLists.h"
#include "model/TestSetup.h"

#include <QComboBox>
#include <QFormLayout>

namespace orvik {

namespace {
QString describe(const InstrumentEntry& entry) {
    return QStringLiteral("%1 %2  SN %3").arg(entry.manufacturer(), entry.model(), entry.serialNumber());
}
} // namespace

InstrumentChoicePage::InstrumentChoicePage(InstrumentLists& lists, std::vector<Row> rows, QWidget* parent)
    : SetupPage(parent), m_lists(lists), m_rows(std::move(rows)) {
    auto* form = new QFormLayout(this);
    for (const Row& row : m_rows) {
        auto* box = new QComboBox(this);
        box->addItem(QStringLiteral("(none)"), QString());
        for (const InstrumentEntry& entry : m_lists.list(row.place.kind))
            box->addItem(describe(entry), entry.serialNumber());
        form->addRow(row.label + u':', box);
        m_choices.push_back(box);
    }
}

std::vector<InstrumentChoicePage::Row> InstrumentChoicePage::equipmentRows() {
    return {{QStringLiteral("Sound level meter"), {InstrumentKind::SoundLevelMeter}},
            {QStringLiteral("Preamplifier"), {InstrumentKind::Preamp}}};
}

std::vector<InstrumentChoicePage::Row> InstrumentChoicePage::microphoneRows() {
    std::vector<Row> rows;
    for (int slot = 0; slot < MicrophonePlaces; ++slot)
        rows.push_back({microphonePlaceLabel(slot), {InstrumentKind::Microphone, slot}});
    return rows;
}

std::vector<InstrumentChoicePage::Row> InstrumentChoicePage::rowOf(const QString& label, InstrumentKind kind) {
    return {{label, {kind}}};
}

QComboBox* InstrumentChoicePage::choice(InstrumentPlace place) const {
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].place.kind == place.kind && m_rows[i].place.slot == place.slot)
            return m_choices[i];
    return nullptr;
}

void InstrumentChoicePage::load(const TestSetup& setup) {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        QComboBox* box = m_choices[i];
        box->removeItem(box->findData(QVariant()));
        const QString serial = chosenSerial(setup.instruments, m_rows[i].place);
        int stored = box->findData(serial);
        if (stored < 0 && !serial.isEmpty()) {
            // A test keeps an instrument that has left the lists since; the page must not swap it silently.
            box->addItem(QStringLiteral("SN %1 (as stored with the test)").arg(serial), QVariant());
            stored = box->count() - 1;
        }
        // A new set-up proposes the first instrument of each list.
        box->setCurrentIndex(stored > 0 ? stored : std::min(1, box->count() - 1));
    }
}

void InstrumentChoicePage::store(TestSetup& setup) {
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const InstrumentPlace place = m_rows[i].place;
        if (!m_choices[i]->currentData().isValid())
            continue; // the stored instrument stays as it is
        const int found = m_lists.find(place.kind, m_choices[i]->currentData().toString());
        if (found >= 0)
            chooseInstrument(setup.instruments, place, m_lists.list(place.kind)[std::size_t(found)]);
        else
            clearInstrument(setup.instruments, place);
    }
}

} // namespace orvik
