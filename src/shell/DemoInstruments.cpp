#include "shell/DemoInstruments.h"

#include "equipment/InstrumentLists.h"
#include "equipment/TestInstrumentChoice.h"
#include "model/DefaultRetspl.h"
#include "model/FixedText.h"
#include "model/FrequencyTable.h"
#include "model/TestSetup.h"

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

// The earphone of a kind from the set-up pages' list, with its reference levels loaded as choosing it would.
EarphoneBlock demoEarphone(const char* model, bool alternateMode) {
    for (EarphoneBlock block : defaultEarphoneList(alternateMode)) {
        if (fixedText(block.model) != QLatin1String(model))
            continue;
        ensureRetspl(block, false, alternateMode);
        setFixedText(block.leftSerial, QStringLiteral("SIM-L1"));
        setFixedText(block.rightSerial, QStringLiteral("SIM-R1"));
        return block;
    }
    return {};
}

void describe(DeviceDescription& device, const char* model, const char* serial) {
    setFixedText(device.manufacturer, QStringLiteral("Veltan-Quirn"));
    setFixedText(device.model, QString::fromLatin1(model));
    setFixedText(device.serialNumber, QString::fromLatin1(serial));
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

void setUpDemoAudiometer(TestSetup& setup, const InstrumentLists& lists, bool alternateMode) {
    for (const InstrumentKind kind : {InstrumentKind::SoundLevelMeter, InstrumentKind::Preamp, InstrumentKind::Microphone,
                                      InstrumentKind::Calibrator, InstrumentKind::Mastoid})
        if (!lists.list(kind).empty())
            chooseInstrument(setup.instruments, {kind, 0}, lists.list(kind).front());
    setFixedText(setup.technician, QStringLiteral("Simulated Technician"));
    setFixedText(setup.audManufacturer, QStringLiteral("Veltan-Quirn"));
    setFixedText(setup.audModel, QStringLiteral("SIM-AUD"));
    setFixedText(setup.audSerialNumber, QStringLiteral("SIM-0001"));
    setFixedText(setup.audType, QStringLiteral("1"));
    setup.numberOfChannels = 2;
    setup.channelToTest = 1;
    selectDefaultFrequencies(setup.frequencySelected);
    // The simulated audiometer sweeps 5 % either side at 5 Hz: 10 % from lowest to highest.
    setup.fmRate = 5.0f;
    setup.fmDeviation = 10.0f;
    setup.supraAural = demoEarphone("TDH 39", alternateMode);
    setup.insert = demoEarphone("ER-3A", alternateMode);
    setup.circumaural = demoEarphone("HDA200", alternateMode);
    describe(setup.boneVibrator, "B-71", "SIM-B1");
    describe(setup.speakers[0], "SPK-1", "SIM-SL1");
    describe(setup.speakers[1], "SPK-1", "SIM-SR1");
}

} // namespace orvik
