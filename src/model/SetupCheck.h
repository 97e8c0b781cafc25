#pragma once

#include "model/TestSetup.h"

#include <QString>
#include <optional>

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

// The checks run when the audiometer page is left or the set-up is accepted, in order; the first failing one is
// answered. Blank-only texts count as empty.
std::optional<SetupProblem> checkSetup(const TestSetup& setup, const QDate& today);

// The audiometer's FM tone as entered from its data sheet: 4..20 Hz rate and 5..25 % deviation.
bool fmParametersValid(float rate, float deviation);

} // namespace orvik
