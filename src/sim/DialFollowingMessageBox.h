#pragma once

#include "core/MessageBox.h"
#include "sim/AcousticScene.h"

#include <QStringList>

namespace orvik::sim {

// The technician at a simulated audiometer: reads the dial prompts a measurement shows ("Set 70 dBHL Left at
// 1000 Hz", the pulsed, FM, narrow-band, masking, speech, linearity and cross-talk set-ups, the calibrator
// request), sets the virtual audiometer or calibrator accordingly and answers OK, so that a whole calibration
// runs with nothing but OK clicks. Every other message goes to the message box it wraps.
class DialFollowingMessageBox final : public MessageBox {
public:
    DialFollowingMessageBox(MessageBox& inner, AcousticScene& scene);

    MessageAnswer show(const QString& text, MessageButtons buttons, const QString& caption) override;

    // Prompts that were followed, in order.
    const QStringList& followed() const { return m_followed; }
    // The dial level the prompt "Set Minimum dBHL" stands for.
    int minimumDialHl = -10;

    // Sets the scene as the prompt asks; false when the text is no set-up prompt.
    bool follow(const QString& text);

private:
    bool followCrossTalk(const QString& text);

    MessageBox& m_inner;
    AcousticScene& m_scene;
    QStringList m_followed;
};

} // namespace orvik::sim
