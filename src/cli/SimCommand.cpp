// orvik-cli sim: the simulated K37 on a pseudo-terminal, for running the program or a terminal against it.
#include "cli/CliCommand.h"
#include "core/Clock.h"
#include "sim/K37Simulator.h"
#include "sim/PtyServer.h"

#include <cmath>
#include <csignal>
#include <cstdio>

namespace orvik::cli {

namespace {
volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

int runSim(const QStringList& arguments, QTextStream& out, QTextStream& err);

const CliCommand simCommand{"sim", "sim [--firmware X] [--identity TEXT] [--battery-volts V]", &runSim};
const CliCommandRegistration registration(simCommand);

bool readOptions(QStringList arguments, sim::K37Profile& profile) {
    while (!arguments.isEmpty()) {
        const QString option = arguments.takeFirst();
        if (arguments.isEmpty())
            return false;
        const QString value = arguments.takeFirst();
        if (option == QLatin1String("--firmware")) {
            profile.firmware = value.toLatin1();
        } else if (option == QLatin1String("--identity")) {
            profile.identity = value.toLatin1();
        } else if (option == QLatin1String("--battery-volts")) {
            bool ok = false;
            profile.batteryVolts = value.toDouble(&ok);
            if (!ok || !std::isfinite(profile.batteryVolts) || profile.batteryVolts < 0.0)
                return false;
        } else {
            return false;
        }
    }
    return !profile.firmware.isEmpty();
}

int runSim(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    sim::K37Profile profile;
    if (!readOptions(arguments, profile))
        return usageError(simCommand, err);
    sim::K37Simulator simulator(profile);
    SystemClock clock;
    sim::PtyServer server(simulator.wire(), clock);
    QString error;
    if (!server.open(error)) {
        err << "orvik-cli sim: " << error << Qt::endl;
        return 1;
    }
    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);
    // Whoever started us reads this line to find the port, so it must leave at once.
    out << "PTY " << server.slavePath() << Qt::endl;
    return server.serve(stopRequested);
}
} // namespace

} // namespace orvik::cli
