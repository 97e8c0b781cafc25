#pragma once

#include <QByteArray>
#include <optional>

namespace orvik::sim {

// One command line as the meter understands it, after the checksum has been taken off:
//   "R 3,1"  → verb 'R', parameter 3, argument "1"
//   "S227, 0.35" → verb 'S', parameter 227, argument "0.35"
//   "K 77777" → verb 'K', keys "77777"
//   "&R1"    → verb '&', subVerb 'R', parameter 1
//   "&I2,AudTest.AUD" → verb '&', subVerb 'I', parameter 2, argument "AudTest.AUD"
//   "M7,1"   → verb 'M', parameter 7, argument "1"
//   "@"      → verb '@'
struct MeterCommand {
    char verb = 0;
    char subVerb = 0;
    int parameter = -1;  // -1 when the command carries none
    QByteArray argument; // text after the first comma, blanks trimmed; empty when absent
    bool hasArgument = false;
    QByteArray keys; // key codes of 'K' and 'k'

    // Parses a command text; nothing for a text the meter cannot read.
    static std::optional<MeterCommand> parse(const QByteArray& text);

    // The argument as a whole number or a decimal number; nothing when it is not one.
    std::optional<int> integerArgument() const;
    std::optional<double> numberArgument() const;
};

} // namespace orvik::sim
