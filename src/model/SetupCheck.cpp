#include "model/SetupCheck.h"

#include "model/FixedText.h"

#include <QDate>
#include <QStringList>

#include <algorithm>

#include <cstdlib>

namespace orvik {

namespace {
constexpr int YearWindow = 100;

bool blank(const QString& text) {
    return text.trimmed().isEmpty();
}

// The year part of a stored "yyyy-mm-dd" date must be four digits and lie within a century of today either way,
// which catches two-digit and mistyped years without rejecting long calibration intervals.
bool validDueYear(const QString& storedDate, const QDate& today) {
    const QString year = storedDate.trimmed().section(u'-', 0, 0);
    bool ok = false;
    const int value = year.toInt(&ok);
    const bool fourDigits = year.size() == 4 && ok && year.front().isDigit();
    return fourDigits && std::abs(value - today.year()) <= YearWindow;
}

bool anyFrequencySelected(const TestSetup& setup) {
    for (int i = 0; i < FrequencyCount; ++i)
        if (setup.frequencySelected[i] == 1)
            return true;
    return false;
}
} // namespace

bool fmParametersValid(float rate, float deviation) {
    return rate >= 4.0f && rate <= 20.0f && deviation >= 5.0f && deviation <= 25.0f;
}

std::vector<SetupProblem> checkSetup(const TestSetup& setup, const QDate& today) {
    std::vector<SetupProblem> problems;
    if (blank(fixedText(setup.audSerialNumber)))
        problems.push_back(
            {SetupField::SerialNumber, QStringLiteral("Please enter a serial number for the audiometer.")});
    if (blank(fixedText(setup.audModel)))
        problems.push_back({SetupField::Model, QStringLiteral("Please enter a model number for the audiometer.")});
    if (!validDueYear(fixedText(setup.calibrationDueDate), today))
        problems.push_back(
            {SetupField::CalibrationDueYear, QStringLiteral("Audiometer Calibration Due Year is invalid.\n"
                                                            "Must be 4-digit year within 100 years.")});
    if (!anyFrequencySelected(setup))
        problems.push_back(
            {SetupField::Frequencies, QStringLiteral("Please enter the frequencies for the audiometer.")});
    if (!fmParametersValid(setup.fmRate, setup.fmDeviation))
        problems.push_back({SetupField::FmParameters,
                            QStringLiteral("Warning: Audiometer FM parameters are invalid.\n\n"
                                           "For FM measurements the modulation rate must be between 4 and 20 Hz\n"
                                           "and the frequency deviation must be between 5 and 25 %.\n\n"
                                           "Click OK to use the audiometer anyway.\n\n"
                                           "(You will not be allowed to make FM measurements with this audiometer.)"),
                            true});
    return problems;
}

bool setupAcceptable(const std::vector<SetupProblem>& problems) {
    return std::all_of(problems.begin(), problems.end(), [](const SetupProblem& p) { return p.acceptable; });
}

QString setupProblemText(const std::vector<SetupProblem>& problems) {
    return problems.empty() ? QString() : problems.front().message;
}

} // namespace orvik
