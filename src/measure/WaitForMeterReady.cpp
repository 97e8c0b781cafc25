#include "measure/WaitForMeterReady.h"

#include "core/PumpWait.h"

namespace orvik {

namespace {
constexpr int PollLimit = 60;
constexpr int RunRequestLimit = 10;
constexpr int ChecksumRetryLimit = 5;
constexpr double PollPauseSeconds = 1.0;
} // namespace

int waitForMeterReady(SlmCommander& meter, bool alternative, ProgressWindow* progress) {
    const char expected = alternative ? 'V' : 'R';
    int runRequests = 0;
    const auto askToRun = [&] {
        if (runRequests >= RunRequestLimit)
            return;
        ++runRequests;
        if (alternative)
            meter.sendCommand("M5", nullptr, 30, 1);
        else
            meter.run();
    };
    int checksumRetries = 0;
    for (int polls = 0;;) {
        QByteArray state;
        const int result = meter.sendCommand("R 3,1", &state, 8, 1);
        if (result < 0 && result != Status::ChecksumNeverMatched)
            return result;
        // A garbled reply may still be a blank-led run state worth reading; anything else is asked again.
        if (result < 0 && !state.startsWith(' ')) {
            if (++checksumRetries > ChecksumRetryLimit)
                return result;
            continue;
        }
        if (state.size() > 1 && state[0] == ' ' && state[1] == expected)
            return result;
        askToRun();
        if (++polls >= PollLimit)
            return Status::MeterNotReady;
        if (!PumpWaitOrCancel(meter.port().clock(), PollPauseSeconds, progress))
            return Status::Cancelled;
        if (!alternative)
            askToRun();
    }
}

} // namespace orvik
