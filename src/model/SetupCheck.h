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

// The checks run when the set-up is accepted: every failing one, in order, so the technician can put them all
// right in one go. Blank-only texts count as empty.
std::vector<SetupProblem> checkSetup(const TestSetup& setup, const QDate& today);

// What the technician is told: the refusing problems' texts together, or, when the FM warning is all there is,
// that warning alone (its OK accepts the set-up, which must not be offered while anything else is wrong).
QString setupProblemText(const std::vector<SetupProblem>& problems);
bool setupAcceptable(const std::vector<SetupProblem>& problems);

// The audiometer's FM tone as entered from its data sheet: 4..20 Hz rate and 5..25 % deviation.
bool fmParametersValid(float rate, float deviation);

} // namespace orvik
