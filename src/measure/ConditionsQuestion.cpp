#include "measure/ConditionsQuestion.h"

#include "measure/LevelCorrections.h"

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

} // namespace orvik
