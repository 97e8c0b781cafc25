#include "measure/ConditionsQuestion.h"

#include "measure/LevelCorrections.h"
#include "model/ConditionsCheck.h"

namespace orvik {

bool askConditionsWhenDue(const ConditionsQuestion& question, TestSetup& setup, bool& stored) {
    stored = false;
    if (!question.ask || !isMakersMastoid(setup) || (question.asked && question.asked()))
        return true;
    if (!question.ask(setup))
        return false;
    stored = true;
    if (question.markAsked)
        question.markAsked();
    return true;
}

bool askAdjustConditions(const ConditionsQuestion& question, TestSetup& setup) {
    if (!isMakersMastoid(setup) || !(setup.temperature < MinTemperature))
        return false;
    if (!question.ask || !question.ask(setup))
        storeConditions(setup, Conditions{});
    return true;
}

} // namespace orvik
