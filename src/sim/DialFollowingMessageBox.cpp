#include "sim/DialFollowingMessageBox.h"

#include "model/ConditionsCheck.h"

#include <QRegularExpression>
#include <optional>

namespace orvik::sim {

namespace {
constexpr int BoneVibrator = 1;
constexpr int Speakers = 2;

struct PromptShape {
    QRegularExpression pattern;
    SignalType signal;
    std::optional<int> transducer; // the prompt names a transducer by its form
};

// The prompt texts of the measurement pages once their numbers are filled in; groups: hl, ear, hz, source.
const std::vector<PromptShape>& promptShapes() {
    static const QString Ear = QStringLiteral("(?<ear>Left|Right|Both)");
    static const QString Hl = QStringLiteral("(?<hl>-?\\d+)");
    static const QString Hz = QStringLiteral("(?<hz>\\d+(?:\\.\\d+)?)");
    static const auto shape = [](const QString& pattern, SignalType signal, std::optional<int> transducer = {}) {
        return PromptShape{QRegularExpression(QLatin1Char('^') + pattern), signal, transducer};
    };
    static const std::vector<PromptShape> shapes{
        shape(QStringLiteral("Set PULSED %1 dBHL \\(or max level\\) %2 at %3 Hz$").arg(Hl, Ear, Hz),
              SignalType::Pulsed),
        shape(QStringLiteral("Set FM %1 dBHL \\(or max level\\) %2 at %3 Hz").arg(Hl, Ear, Hz), SignalType::Warble),
        shape(QStringLiteral("Noise Floor: Set Minimum dBHL %1 at %2 Hz$").arg(Ear, Hz), SignalType::Tone),
        shape(QStringLiteral("Set\\s+\\*\\*\\*FM\\*\\*\\* %1 dBHL(?: %2)? at %3 Hz$").arg(Hl, Ear, Hz),
              SignalType::Warble, Speakers),
        shape(QStringLiteral("Set NB %1 dBHL %2 at %3 Hz$").arg(Hl, Ear, Hz), SignalType::NarrowBand),
        shape(QStringLiteral("Set NB %1 dBHL at %2 Hz$").arg(Hl, Hz), SignalType::NarrowBand, Speakers),
        shape(QStringLiteral("Set %1 dBHL \\(or max level\\) %2 at %3 Hz$").arg(Hl, Ear, Hz), SignalType::Tone),
        shape(QStringLiteral("Set %1 dBHL \\(or max level\\) at %2 Hz$").arg(Hl, Hz), SignalType::Tone, BoneVibrator),
        shape(QStringLiteral("Set %1 dBHL or max level %2 \\(whichever is lower\\) at %3 Hz$").arg(Hl, Ear, Hz),
              SignalType::Tone),
        shape(QStringLiteral("Set %1 dBHL %2 at %3 Hz$").arg(Hl, Ear, Hz), SignalType::Tone),
        shape(QStringLiteral("Set %1 dBHL at %2 Hz$").arg(Hl, Hz), SignalType::Tone, BoneVibrator),
        shape(QStringLiteral("Set %1 dBHL %2 on (?<source>.+)$").arg(Hl, Ear), SignalType::WhiteNoise),
        shape(QStringLiteral("Set (?<source>White Noise) %1 dBHL").arg(Hl), SignalType::WhiteNoise),
        shape(QStringLiteral("Set (?<source>Mic|Tape/CD A|Tape/CD B|Speech Noise) %1 dBHL").arg(Hl),
              SignalType::Speech),
    };
    return shapes;
}

int channelOf(const QString& ear) {
    if (ear == QLatin1String("Left"))
        return 0;
    if (ear == QLatin1String("Right"))
        return 1;
    return 2;
}

void setDial(AcousticScene& scene, const PromptShape& shape, const QRegularExpressionMatch& match, const QString& text,
             int minimumDialHl) {
    VirtualAudiometer& a = scene.audiometer();
    a.signal = shape.signal;
    a.dialHl = match.captured(u"hl").isEmpty() ? minimumDialHl : match.captured(u"hl").toInt();
    if (!match.captured(u"hz").isEmpty())
        a.frequencyHz = match.captured(u"hz").toDouble();
    a.source = match.captured(u"source").trimmed();
    if (!match.captured(u"ear").isEmpty())
        a.channel = channelOf(match.captured(u"ear"));
    else if (shape.transducer == Speakers || !a.source.isEmpty())
        a.channel = 2; // the binaural page plays both speakers; a speech prompt names no ear, so both play
    if (shape.transducer)
        a.transducer = *shape.transducer;
    // Speech prompts end in the bone vibrator's placement or the speakers' incidence angle.
    if (shape.signal == SignalType::Speech || shape.signal == SignalType::WhiteNoise) {
        if (text.endsWith(QLatin1String("Mastoid")) || text.endsWith(QLatin1String("Forehead")))
            a.transducer = BoneVibrator;
        else if (text.endsWith(QChar(0x00B0)))
            a.transducer = Speakers;
    }
    a.earphoneOnCoupler = -1;
    scene.calibrator().active = false;
}

void placeForCrossTalk(AcousticScene& scene, const QRegularExpressionMatch& placement, const QString& text) {
    static const QRegularExpression tone(
        QStringLiteral("(?<ear>Left|Right) Earphone(?:\\(away from coupler\\))?: Tone (?<state>ON|OFF)"));
    VirtualAudiometer& a = scene.audiometer();
    a.signal = SignalType::Tone;
    a.frequencyHz = placement.captured(u"hz").toDouble();
    a.dialHl = placement.captured(u"hl").toInt();
    a.earphoneOnCoupler = channelOf(placement.captured(u"ear"));
    a.channel = 2;
    auto states = tone.globalMatch(text);
    while (states.hasNext()) {
        const QRegularExpressionMatch state = states.next();
        (state.captured(u"ear") == QLatin1String("Left") ? a.leftOn : a.rightOn) =
            state.captured(u"state") == QLatin1String("ON");
    }
    scene.calibrator().active = false;
}

} // namespace

DialFollowingMessageBox::DialFollowingMessageBox(MessageBox& inner, AcousticScene& scene)
    : m_inner(inner), m_scene(scene) {}

MessageAnswer DialFollowingMessageBox::show(const QString& text, MessageButtons buttons, const QString& caption) {
    const SceneChange change = changeFor(text);
    if (!change)
        return m_inner.show(text, buttons, caption);
    const MessageAnswer agreed = agreeingAnswer(buttons);
    const MessageAnswer answer =
        answering == PromptAnswering::Automatic ? agreed : m_inner.show(text, buttons, caption);
    // A prompt cancelled leaves the audiometer as it stood, as a technician who does not turn the dial would.
    if (answer == agreed) {
        apply(change);
        m_followed.append(text);
    }
    return answer;
}

bool DialFollowingMessageBox::follow(const QString& text) {
    const SceneChange change = changeFor(text);
    if (!change)
        return false;
    apply(change);
    return true;
}

void DialFollowingMessageBox::apply(const SceneChange& change) {
    change(m_scene);
    m_scene.touch();
}

bool DialFollowingMessageBox::acceptConditions(TestSetup& setup) {
    storeConditions(setup, proposedConditions(setup));
    return true;
}

DialFollowingMessageBox::SceneChange DialFollowingMessageBox::changeFor(const QString& text) const {
    if (text.startsWith(QLatin1String("Setting lower calibration level.")))
        return [](AcousticScene& scene) { scene.calibrator().active = true; };
    if (SceneChange crossTalk = crossTalkChange(text))
        return crossTalk;
    for (const PromptShape& shape : promptShapes()) {
        const QRegularExpressionMatch match = shape.pattern.match(text);
        if (match.hasMatch())
            return [match, &shape, text, minimum = minimumDialHl](AcousticScene& scene) {
                setDial(scene, shape, match, text, minimum);
            };
    }
    return {};
}

DialFollowingMessageBox::SceneChange DialFollowingMessageBox::crossTalkChange(const QString& text) {
    static const QRegularExpression placement(QStringLiteral(
        "^(?<ear>Left|Right) Earphone placed on coupler : (?<hz>\\d+(?:\\.\\d+)?) Hz (?<hl>-?\\d+) dBHL\\n"));
    const QRegularExpressionMatch match = placement.match(text);
    if (!match.hasMatch())
        return {};
    return [match, text](AcousticScene& scene) { placeForCrossTalk(scene, match, text); };
}

} // namespace orvik::sim
