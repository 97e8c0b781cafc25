// orvik-cli: the headless face of Orvik's libraries, for scripting and batch work.
#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>

using namespace orvik::cli;

namespace {
int printUsage(QTextStream& stream) {
    stream << "usage: orvik-cli COMMAND [ARGUMENTS]\n";
    std::vector<CliCommand> commands = cliCommands();
    std::sort(commands.begin(), commands.end(),
              [](const CliCommand& a, const CliCommand& b) { return qstrcmp(a.name, b.name) < 0; });
    for (const CliCommand& command : commands)
        stream << "  " << command.usage << '\n';
    stream.flush();
    return UsageExit;
}

std::unique_ptr<QCoreApplication> application(int& argc, char** argv) {
    for (const CliCommand& command : cliCommands())
        if (argc > 1 && command.application && qstrcmp(argv[1], command.name) == 0)
            return std::unique_ptr<QCoreApplication>(command.application(argc, argv));
    return std::make_unique<QCoreApplication>(argc, argv);
}
} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> app = application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Veltan-Quirn"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvik"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = app->arguments().mid(1);
    if (arguments.isEmpty())
        return printUsage(err);
    const QString name = arguments.takeFirst();
    if (name == QLatin1String("help") || name == QLatin1String("--help")) {
        printUsage(out);
        return 0;
    }
    for (const CliCommand& command : cliCommands()) {
        if (name == QLatin1String(command.name)) {
            const int status = command.run(arguments, out, err);
            out.flush();
            err.flush();
            return status;
        }
    }
    err << "orvik-cli: unknown command \"" << name << "\"\n";
    return printUsage(err);
}
