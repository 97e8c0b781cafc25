#pragma once

#include "core/MessageBox.h"
#include "core/SettingsStore.h"
#include "model/AudiometerRecord.h"

#include <QStringList>

namespace orvik {

// The transducer code that stands for the meter calibration dialog in the equipment check.
inline constexpr int CalibrationDialog = -1;

// The lines naming every instrument a measurement of the transducer (or the calibration dialog) lacks, in the
// order the technician reads them; empty when everything is chosen.
QStringList missingEquipment(int transducer, const TestSetup& setup, Channel channel);
// Shows the list when anything is missing; false then, and nothing may be sent to the meter.
bool checkRequiredEquipment(int transducer, const TestSetup& setup, Channel channel, MessageBox& messages);

// The grid question with its "Do not show this dialog again." check box: a widget shows it, tests script it.
class GridQuestion {
public:
    virtual ~GridQuestion() = default;
    // True on OK. `doNotShowAgain` comes in with the box's initial state and goes out as the technician left it.
    virtual bool ask(const QString& text, bool& doNotShowAgain) = 0;
};

QString gridQuestionText(const EmbeddedMicrophone& microphone);
// Asks when every grid correction of the circumaural microphone is zero. True when the technician cancels the
// measurement. "Ask For Grid" is stored as the inverse of the check box.
bool askAboutGrid(const TestSetup& setup, SettingsStore& settings, GridQuestion& question);

} // namespace orvik
