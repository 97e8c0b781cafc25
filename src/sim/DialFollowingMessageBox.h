#pragma once

#include "core/MessageBox.h"
#include "model/TestSetup.h"
#include "sim/AcousticScene.h"

#include <QStringList>
#include <functional>

namespace orvik::sim {

// How the simulated technician meets a set-up prompt.
enum class PromptAnswering {
    Automatic, // answered unseen: a whole calibration runs without a click (tests, scripted runs)
    Shown,     // shown like any message, as with a real audiometer; the audiometer is set when it is agreed to
};

// The technician at a simulated audiometer: reads the dial prompts a measurement shows ("Set 70 dBHL Left at
// 1000 Hz", the pulsed, FM, narrow-band, masking, speech, linearity and cross-talk set-ups, the calibrator
// request) and sets the virtual audiometer or calibrator accordingly, answering OK itself or leaving the answer
// to whoever sits at the wrapped message box. Every other message goes to the message box it wraps.
class DialFollowingMessageBox final : public MessageBox {
public:
    DialFollowingMessageBox(MessageBox& inner, AcousticScene& scene);

    MessageAnswer show(const QString& text, MessageButtons buttons, const QString& caption) override;

    // Prompts that were followed, in order.
    const QStringList& followed() const { return m_followed; }
    // The dial level the prompt "Set Minimum dBHL" stands for.
    int minimumDialHl = -10;
    PromptAnswering answering = PromptAnswering::Automatic;

    // Sets the scene as the prompt asks; false when the text is no set-up prompt.
    bool follow(const QString& text);
    // The conditions question of the maker's mastoid: agrees to what is proposed (the room of the simulated
    // bench is at the reference climate the proposal falls back to). Always OK.
    static bool acceptConditions(TestSetup& setup);

private:
    using SceneChange = std::function<void(AcousticScene&)>;
    // What the prompt asks of the scene; empty when the text is no set-up prompt.
    SceneChange changeFor(const QString& text) const;
    static SceneChange crossTalkChange(const QString& text);
    void apply(const SceneChange& change);

    MessageBox& m_inner;
    AcousticScene& m_scene;
    QStringList m_followed;
};

} // namespace orvik::sim
