#pragma once

#include "model/TestSetup.h"

#include <functional>

namespace orvik {

// The temperature, humidity and pressure that the maker's own mastoid is corrected for, asked once a session
// before the first measurement.
struct ConditionsQuestion {
    // The conditions dialog: true on OK, with the three values stored in the set-up.
    std::function<bool(TestSetup&)> ask;
    // Whether this session asked already, and marking that it did: the document keeps it beyond any one sheet.
    std::function<bool()> asked;
    std::function<void()> markAsked;
};

// Asks when the maker's own mastoid is chosen and the session has not asked yet. False when the technician
// cancelled: the run does not start. `stored` tells whether new values went into the set-up.
bool askConditionsWhenDue(const ConditionsQuestion& question, TestSetup& setup, bool& stored);

// The Adjust display's own question, asked with the maker's mastoid while the record's temperature is below the
// mastoid's range, whether or not the session asked already: the display corrects every reading for the climate.
// A cancel stores the default conditions (23.0 °C, 50 %, 760.0) rather than go on with a temperature the mastoid
// tables do not cover. True when values went into the set-up.
bool askAdjustConditions(const ConditionsQuestion& question, TestSetup& setup);

} // namespace orvik
