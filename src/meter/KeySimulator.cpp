#include "meter/KeySimulator.h"

#include "core/PumpWait.h"
#include "core/Settings.h"
#include "meter/MeterProtocol.h"

#include <array>

namespace orvik {

namespace {
// The display band (0 = 12.5 Hz) of each test frequency, and band 0 for the index one past the last.
constexpr std::array<int, 40> CursorBand{4,  7,  10, 11, 12, 13, 14, 15, 16, 17, 18, 18, 19, 20, 21, 21, 22, 23, 24, 24,
                                         25, 26, 27, 27, 28, 29, 29, 29, 29, 30, 30, 30, 30, 31, 31, 31, 32, 32, 32, 0};
constexpr int HomeRounds = 8;
constexpr int HomeFailureLimit = 5;
constexpr int KeyReadyValue = 8;
constexpr int KeyStatePolls = 11;
constexpr double KeyGapSeconds = 0.02;
} // namespace

KeySimulator::KeySimulator(SlmCommander& commander, SettingsStore& settings)
    : m_commander(&commander), m_settings(settings) {}

void KeySimulator::attach(SlmCommander& commander) {
    m_commander = &commander;
    m_position = -1;
}

int KeySimulator::pollValue(const char* command) {
    const int result = m_commander->sendCommand(command, nullptr, 8);
    return result < 0 ? result : meter::replyInteger(m_commander->reply());
}

int KeySimulator::waitKeyReady(int polls) {
    for (int i = 0; i < polls; ++i) {
        QByteArray reply;
        if (m_commander->sendCommand("R155", &reply, 8) >= 0 && meter::replyInteger(reply) >= KeyReadyValue)
            return 0;
    }
    return Status::KeysNotReady;
}

int KeySimulator::home() {
    int failures = 0;
    for (int round = 0; round < HomeRounds; ++round) {
        QByteArray reply;
        if (m_commander->sendCommand("R155", &reply, 8) >= 0) {
            m_commander->sendCommand("K 77777", nullptr, 8);
        } else if (++failures < HomeFailureLimit && meter::replyInteger(reply) < KeyReadyValue) {
            --round; // a lost exchange is not a key press
        }
    }
    m_position = 0;
    return 0;
}

int KeySimulator::goToFrequency(int frequencyIndex) {
    if (frequencyIndex < 0 && m_position >= 0)
        return 0;
    if (frequencyIndex >= int(CursorBand.size()))
        return Status::InvalidArgument;
    if (m_position < 0)
        home();
    if (frequencyIndex < 0)
        return 0;
    const int target = CursorBand[frequencyIndex];
    m_commander->transmitFlush();
    if (waitKeyReady(ReadyPollLimit) != 0)
        return Status::KeysNotReady;
    const bool left = target <= m_position;
    const int presses = left ? m_position - target : target - m_position;
    for (int i = 0; i < presses; ++i) {
        if (i > 0)
            PumpWait(m_commander->port().clock(), KeyGapSeconds);
        m_commander->sendCommand(left ? "k 7" : "K 8", nullptr, 8);
    }
    if (waitKeyReady(ReadyPollLimit) != 0)
        return Status::KeysNotReady;
    m_position = target;
    return 0;
}

bool KeySimulator::idleKeys() {
    QByteArray reply;
    return m_commander->sendCommand("R3,2", &reply, 8) >= 0 && reply.startsWith(' ');
}

int KeySimulator::setPulseFmState(int state) {
    for (int i = 0; i < KeyStatePolls; ++i) {
        if (idleKeys())
            break;
    }
    m_commander->sendCommand("K 1919", nullptr, 8);
    waitKeyReady(KeyStatePolls);
    int sent = state;
    if (state == 2 || state == 4) {
        const int previous = Setting::LastFm.read(m_settings);
        Setting::LastFm.write(m_settings, state);
        if (previous != 0)
            sent = previous == state ? 4 : 2;
    }
    const char* keys = sent == 0 ? "K 80" : sent == 2 ? "k 6608" : sent == 4 ? "K 660" : nullptr;
    if (keys)
        m_commander->sendCommand(keys, nullptr, 8);
    for (int i = 0; i < ReadyPollLimit; ++i) {
        const int value = pollValue("R155");
        if (value >= KeyReadyValue || idleKeys())
            return 0;
    }
    return Status::KeysNotReady;
}

} // namespace orvik
