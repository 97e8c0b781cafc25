#include "cli/CliCommand.h"

namespace orvik::cli {

namespace {
std::vector<CliCommand>& registry() {
    static std::vector<CliCommand> commands;
    return commands;
}
} // namespace

const std::vector<CliCommand>& cliCommands() { return registry(); }

CliCommandRegistration::CliCommandRegistration(const CliCommand& command) { registry().push_back(command); }

int usageError(const CliCommand& command, QTextStream& err) {
    err << "usage: " << command.usage << Qt::endl;
    return UsageExit;
}

} // namespace orvik::cli
