#pragma once

#include <QStringList>
#include <QTextStream>
#include <vector>

class QCoreApplication;

namespace orvik::cli {

// One subcommand of orvik-cli ("reference", "meter", "db", "sim"). Each lives in its own file and registers
// itself with a static CliCommandRegistration, so adding a command touches no other file.
struct CliCommand {
    const char* name;
    const char* usage; // one or more lines, printed by "orvik-cli help" and on a bad argument
    // Arguments after the command name; returns the exit status (2 for a bad argument).
    int (*run)(const QStringList& arguments, QTextStream& out, QTextStream& err);
    // The application object the command needs; a plain QCoreApplication when null. Commands that draw pages
    // need fonts, which only a GUI application (offscreen here) provides.
    QCoreApplication* (*application)(int& argc, char** argv) = nullptr;
};

const std::vector<CliCommand>& cliCommands();

struct CliCommandRegistration {
    explicit CliCommandRegistration(const CliCommand& command);
};

// Exit status of a command line that cannot be understood.
inline constexpr int UsageExit = 2;
int usageError(const CliCommand& command, QTextStream& err);

} // namespace orvik::cli
