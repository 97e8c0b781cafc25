#pragma once

#include "model/TestSetup.h"

#include <QString>
#include <vector>

class QDate;

namespace orvik {

// The field of the audiometer page that a failed check sends the technician back to.
enum class SetupField { SerialNumber, Model, CalibrationDueYear, Frequencies, FmParameters };

struct SetupProblem {
    SetupField field;
    QString message;
    // Only a warning: OK accepts the set-up, but the FM test stays unavailable for this audiometer.
    bool acceptable = false;
};

// The checks run when the set-up is accepted: every failing one, in order, so that the view can frame all the
// fields at fault. Blank-only texts count as empty.
std::vector<SetupProblem> checkSetup(const TestSetup& setup, const QDate& today);

// What the technician is told: the first failing check's text, as the checks stop at the first. The FM warning,
// whose OK accepts the set-up, is the last check, so it is only ever offered when nothing else is wrong.
QString setupProblemText(const std::vector<SetupProblem>& problems);
bool setupAcceptable(const std::vector<SetupProblem>& problems);

// The audiometer's FM tone as entered from its data sheet: 4..20 Hz rate and 5..25 % deviation.
bool fmParametersValid(float rate, float deviation);

} // namespace orvik
