// A meter that answers every line with fuzz bytes: connection and identification, the named operations, a
// binary download and the readers of the replies the measurements take apart.
#include "FuzzSupport.h"
#include "measure/FmReading.h"
#include "measure/HarmonicReply.h"
#include "measure/PulseReply.h"
#include "measure/ReadStableSpectrum.h"
#include "meter/MeterProtocol.h"
#include "meter/MeterSession.h"

using namespace orvik;

namespace {
void exerciseCommander(SlmCommander& commander) {
    int value = 0;
    bool hanning = false;
    float level = 0.0f;
    commander.getInstrument(value);
    commander.getMode(value);
    commander.getWeighting(value);
    commander.readFftWindow(hanning);
    commander.getBandwidth(value);
    commander.readLevel(level);
    commander.stop();
    QByteArray block;
    if (commander.downloadBlock("&R7", FmBlockSize, block, 1) >= 0) {
        PulseReply pulse;
        parsePulseReply(block, 0.5f, pulse);
        parseFmReply(block);
    }
    if (commander.downloadBlock("&R1", SpectrumBlockSize, block, 1) >= 0)
        spectrumFromBlock(block, 0.5f);
    QByteArray reply;
    if (commander.sendCommand("R 201", &reply, 40, 1) >= 0) {
        harmonicsNotComputed(reply);
        relativeHarmonicDb(reply);
        meter::replyNumber(reply);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzScript script(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    fuzz::FuzzDeviceFactory factory(script);
    fuzz::DecliningMessageBox messages;
    fuzz::FuzzClock clock;
    MeterSession session(factory, messages, clock);
    if (session.connectMeter(1, 9600) >= 0 && session.commander()) {
        exerciseCommander(*session.commander());
        session.recoverLink();
    }
    session.disconnect();
    return 0;
}
