#include "shell/DemoInstruments.h"

#include "equipment/InstrumentLists.h"
#include "model/FixedText.h"

#include <QDate>
#include <cstring>

namespace orvik {

namespace {
InstrumentEntry entry(InstrumentKind kind, const char* manufacturer, const char* model, const char* serial) {
    InstrumentEntry e;
    std::memset(&e, 0, sizeof e);
    e.kind = static_cast<qint32>(kind);
    const QDate due = QDate::currentDate().addYears(1);
    setFixedText(e.identity.dueDate, QString::asprintf("%04d-%02d-%02d", due.year(), due.month(), due.day()));
    setFixedText(e.identity.manufacturer, QString::fromLatin1(manufacturer));
    setFixedText(e.identity.model, QString::fromLatin1(model));
    setFixedText(e.identity.serialNumber, QString::fromLatin1(serial));
    return e;
}
} // namespace

bool addDemoInstruments(InstrumentLists& lists) {
    InstrumentEntry calibrator = entry(InstrumentKind::Calibrator, "Veltan-Quirn", "CAL200", "SIM-C1");
    calibrator.values.calibrator.frequency = 1000.0f;
    calibrator.values.calibrator.level = 114.0f;
    InstrumentEntry microphone = entry(InstrumentKind::Microphone, "Veltan-Quirn", "MIC377B02", "SIM-M1");
    microphone.values.microphone.sensitivity = 50.0f; // flat response: all corrections zero
    InstrumentEntry mastoid = entry(InstrumentKind::Mastoid, "Veltan-Quirn", "AMC493B", "SIM-A1");
    mastoid.values.mastoid.sensitivity = 1.0f;
    const InstrumentEntry bench[] = {entry(InstrumentKind::SoundLevelMeter, "Veltan-Quirn", "K37", "04172"),
                                     entry(InstrumentKind::Preamp, "Veltan-Quirn", "PRM37", "SIM-P1"), calibrator,
                                     microphone, mastoid};
    bool added = false;
    for (const InstrumentEntry& instrument : bench) {
        auto& list = lists.list(static_cast<InstrumentKind>(instrument.kind));
        if (list.empty()) {
            list.push_back(instrument);
            added = true;
        }
    }
    return added;
}

} // namespace orvik
