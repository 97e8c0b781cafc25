#include "sim/MeterCommand.h"

#include <QByteArrayView>
#include <cmath>

namespace orvik::sim {

namespace {
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads "<blanks><digits>[,<argument>]" into the command; false when the shape is wrong.
bool readParameterAndArgument(QByteArrayView rest, MeterCommand& command) {
    rest = rest.trimmed();
    qsizetype digits = 0;
    while (digits < rest.size() && isDigit(rest[digits]))
        ++digits;
    if (digits == 0)
        return rest.isEmpty();
    if (digits > 6)
        return false;
    command.parameter = rest.first(digits).toInt();
    rest = rest.sliced(digits).trimmed();
    if (rest.isEmpty())
        return true;
    if (rest.front() != ',')
        return false;
    command.hasArgument = true;
    command.argument = rest.sliced(1).trimmed().toByteArray();
    return !command.argument.isEmpty();
}
} // namespace

std::optional<MeterCommand> MeterCommand::parse(const QByteArray& text) {
    if (text.isEmpty())
        return std::nullopt;
    MeterCommand command;
    command.verb = text.front();
    QByteArrayView rest = QByteArrayView(text).sliced(1);
    switch (command.verb) {
    case '@':
        return rest.isEmpty() ? std::optional(command) : std::nullopt;
    case 'K':
    case 'k':
        rest = rest.trimmed();
        if (rest.isEmpty())
            return std::nullopt;
        for (const char c : rest)
            if (!isDigit(c))
                return std::nullopt;
        command.keys = rest.toByteArray();
        return command;
    case '&':
        if (rest.isEmpty())
            return std::nullopt;
        command.subVerb = rest.front();
        if (!readParameterAndArgument(rest.sliced(1), command) || command.parameter < 0)
            return std::nullopt;
        return command;
    case 'R':
    case 'Q':
    case 'S':
    case 'M':
        if (!readParameterAndArgument(rest, command) || command.parameter < 0)
            return std::nullopt;
        return command;
    default:
        return std::nullopt;
    }
}

std::optional<int> MeterCommand::integerArgument() const {
    bool ok = false;
    const int value = argument.toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<double> MeterCommand::numberArgument() const {
    bool ok = false;
    const double value = argument.toDouble(&ok);
    // "nan" and "inf" parse, but no setting of a meter holds them.
    return ok && std::isfinite(value) ? std::optional(value) : std::nullopt;
}

} // namespace orvik::sim
