#include "CTestEquipPP.h"

#include "equipment/InstrumentLists.h"
#include "model/FixedText.h"
#include "model/TestSetup.h"

#include <QComboBox>
#include <QFormLayout>

namespace orvik {

namespace {
const std::pair<InstrumentKind, const char*> Rows[] = {{InstrumentKind::SoundLevelMeter, "Sound level meter:"},
                                                       {InstrumentKind::Preamp, "Preamplifier:"},
                                                       {InstrumentKind::Microphone, "Microphone:"},
                                                       {InstrumentKind::Calibrator, "Calibrator:"},
                                                       {InstrumentKind::Mastoid, "Mastoid:"}};

QString describe(const InstrumentEntry& entry) {
    return QStringLiteral("%1 %2  SN %3").arg(entry.manufacturer(), entry.model(), entry.serialNumber());
}

QString serialOf(const TestSetup& setup, InstrumentKind kind) {
    const TestInstruments& i = setup.instruments;
    switch (kind) {
    case InstrumentKind::SoundLevelMeter:
        return fixedText(i.soundLevelMeter.serialNumber);
    case InstrumentKind::Preamp:
        return fixedText(i.preamp.serialNumber);
    case InstrumentKind::Microphone:
        return fixedText(i.microphones[0].identity.serialNumber);
    case InstrumentKind::Calibrator:
        return fixedText(i.calibrator.identity.serialNumber);
    case InstrumentKind::Mastoid:
        break;
    }
    return fixedText(i.mastoid.identity.serialNumber);
}
} // namespace

CTestEquipPP::CTestEquipPP(InstrumentLists& lists, QWidget* parent) : CSetupPage(parent), m_lists(lists) {
    auto* form = new QFormLayout(this);
    for (const auto& [kind, label] : Rows) {
        auto* box = new QComboBox(this);
        box->addItem(QStringLiteral("(none)"), QString());
        for (const InstrumentEntry& entry : m_lists.list(kind))
            box->addItem(describe(entry), entry.serialNumber());
        form->addRow(QString::fromLatin1(label), box);
        m_choices.insert(kind, box);
    }
}

void CTestEquipPP::load(const TestSetup& setup) {
    for (const auto& [kind, label] : Rows) {
        QComboBox* box = m_choices.value(kind);
        const int stored = box->findData(serialOf(setup, kind));
        // A new set-up proposes the first instrument of each list.
        box->setCurrentIndex(stored > 0 ? stored : std::min(1, box->count() - 1));
    }
}

void CTestEquipPP::store(TestSetup& setup) {
    TestInstruments& i = setup.instruments;
    for (const auto& [kind, label] : Rows) {
        const int found = m_lists.find(kind, m_choices.value(kind)->currentData().toString());
        if (found < 0)
            continue;
        const InstrumentEntry& entry = m_lists.list(kind)[std::size_t(found)];
        switch (kind) {
        case InstrumentKind::SoundLevelMeter:
            i.soundLevelMeter = toEmbeddedIdentity(entry);
            break;
        case InstrumentKind::Preamp:
            i.preamp = toEmbeddedIdentity(entry);
            break;
        case InstrumentKind::Microphone:
            i.microphones[0] = toEmbeddedMicrophone(entry);
            // The other microphone slots that are still unused take the same microphone.
            for (EmbeddedMicrophone& slot : i.microphones)
                if (fixedText(slot.identity.serialNumber).isEmpty() || fixedText(slot.identity.dueDate).isEmpty())
                    slot = i.microphones[0];
            break;
        case InstrumentKind::Calibrator:
            i.calibrator = toEmbeddedCalibrator(entry);
            break;
        case InstrumentKind::Mastoid:
            i.mastoid = toEmbeddedMastoid(entry);
            i.mastoidTail = toEmbeddedMastoidTail(entry);
            break;
        }
    }
}

} // namespace orvik
