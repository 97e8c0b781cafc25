#include "SimBench.h"

#include "model/DefaultRetspl.h"
#include "model/FixedText.h"
#include "model/InputLevelSettings.h"
#include "sim/ModelReferenceLevels.h"

#include <QDate>
#include <cstring>

namespace orvik::test {

namespace {
void choose(EmbeddedIdentity& identity, const char* manufacturer, const char* model, const char* serial) {
    setFixedText(identity.dueDate, QStringLiteral("2027-06-30"));
    setFixedText(identity.manufacturer, QString::fromLatin1(manufacturer));
    setFixedText(identity.model, QString::fromLatin1(model));
    setFixedText(identity.serialNumber, QString::fromLatin1(serial));
}
// Passes everything through to the simulator's device, noting what is written.
class LoggedDevice final : public SerialDevice {
public:
    LoggedDevice(std::unique_ptr<SerialDevice> inner, CommandLog& log) : m_inner(std::move(inner)), m_log(log) {}
    int open(int rx, int tx) override { return m_inner->open(rx, tx); }
    void close() override { m_inner->close(); }
    bool isOpen() const override { return m_inner->isOpen(); }
    int setParity(char parity) override { return m_inner->setParity(parity); }
    int setStopBits(int bits) override { return m_inner->setStopBits(bits); }
    int setDataLength(int bits) override { return m_inner->setDataLength(bits); }
    int setBaudRate(int baud) override { return m_inner->setBaudRate(baud); }
    void setDtr(bool on) override { m_inner->setDtr(on); }
    void setRts(bool on) override { m_inner->setRts(on); }
    void setHandshake(bool on) override { m_inner->setHandshake(on); }
    int write(const QByteArray& bytes) override {
        m_log.note(bytes);
        return m_inner->write(bytes);
    }
    int read(char* buffer, int maximum) override { return m_inner->read(buffer, maximum); }
    int rxCount() override { return m_inner->rxCount(); }
    int txCount() override { return m_inner->txCount(); }
    void rxFlush() override { m_inner->rxFlush(); }
    void txFlush() override { m_inner->txFlush(); }
    void sendBreak(int ms) override { m_inner->sendBreak(ms); }

private:
    std::unique_ptr<SerialDevice> m_inner;
    CommandLog& m_log;
};
} // namespace

std::unique_ptr<SerialDevice> CommandLog::create(int portIndex) {
    auto device = m_inner.create(portIndex);
    if (!device)
        return device;
    return std::make_unique<LoggedDevice>(std::move(device), *this);
}

void CommandLog::note(const QByteArray& bytes) {
    for (char byte : bytes) {
        if (byte == '\n')
            continue;
        if (byte != '\r') {
            m_pending.append(byte);
            continue;
        }
        // The last character before the line end is the checksum (slow writes end in CR alone).
        commands.append(m_pending.chopped(m_pending.isEmpty() ? 0 : 1));
        m_pending.clear();
    }
}

void chooseInstruments(TestSetup& setup) {
    TestInstruments& instruments = setup.instruments;
    choose(instruments.soundLevelMeter, "Veltan Quirn", "K37", "04172");
    choose(instruments.preamp, "Veltan Quirn", "PRM902", "1180");
    for (EmbeddedMicrophone& microphone : instruments.microphones) {
        choose(microphone.identity, "Veltan Quirn", "377B02", "55103");
        microphone.sensitivity = 50.0f;
    }
    choose(instruments.calibrator.identity, "Veltan Quirn", "CAL200", "9031");
    instruments.calibrator.frequency = 1000.0f;
    instruments.calibrator.level = 114.0f;
    setFixedText(setup.audManufacturer, QStringLiteral("Audiotone"));
    setFixedText(setup.audModel, QStringLiteral("A-17"));
    setFixedText(setup.audSerialNumber, QStringLiteral("AX-2210"));
    setFixedText(setup.audType, QStringLiteral("1"));
    for (EarphoneBlock* block : {&setup.supraAural, &setup.insert, &setup.circumaural}) {
        setFixedText(block->leftSerial, QStringLiteral("L-100"));
        setFixedText(block->rightSerial, QStringLiteral("R-100"));
    }
    setFixedText(setup.speakers[0].serialNumber, QStringLiteral("SPL-1"));
    setFixedText(setup.speakers[1].serialNumber, QStringLiteral("SPR-1"));
}

SimBench::SimBench(sim::AnalyserBehaviour behaviour) : simulator(sim::K37Profile{}, behaviour) {
    startNewRecord(record, QDate(2026, 12, 6));
    InputLevelSettings::load(record.results.inputLevels, t.settings);
    selectDefaultFrequencies(record.setup.frequencySelected);
    const EarphoneBlock supraAural = defaultEarphoneList(false).front();
    std::memcpy(&record.setup.supraAural, &supraAural, sizeof supraAural);
    chooseInstruments(record.setup);
    simulator.scene().setReferenceLevels(sim::modelReferenceLevels(record.setup));
}

bool SimBench::connect() {
    if (session.connectMeter(1, 9600) < 0)
        return false;
    keys = std::make_unique<KeySimulator>(*session.commander(), t.settings);
    link = std::make_unique<MeterLink>(MeterLink{session, *keys, {technician, t.progress, t.clock, t.settings}, {}});
    return true;
}

} // namespace orvik::test
