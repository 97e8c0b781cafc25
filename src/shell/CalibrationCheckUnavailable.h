#pragma once

#include "shell/ShellSeams.h"

namespace orvik {

class MessageBox;

// The meter calibration check while this build has none: it says so plainly and leaves the document's
// calibration unchecked, so the question comes again once the check exists.
class CalibrationCheckUnavailable final : public CalibrationCheck {
public:
    explicit CalibrationCheckUnavailable(MessageBox& messages) : m_messages(messages) {}
    int run() override;

private:
    MessageBox& m_messages;
};

} // namespace orvik
