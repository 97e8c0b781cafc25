#include "measure/EquipmentCheck.h"

#include "core/Settings.h"
#include "measure/LevelCorrections.h"
#include "model/FixedText.h"

#include <algorithm>

namespace orvik {

namespace {
const char* const MeasurementMessage =
    "Unable to perform measurement because not all required equipment has been\nselected or not all required data "
    "has been entered in the Equipment Setup window.\n\nTo go to Equipment Setup, go back to the measurement summary "
    "window\n(click OK or Cancel in the measurement window to get there) then click on\nthe 'Go To Equipment Setup' "
    "button.\n\nIn Equipment Setup make selections for the following:\n\n";
const char* const CalibrationMessage =
    "Unable to bring up calibration dialog because not all required equipment has\nbeen selected in the Equipment "
    "Setup window.\n\nTo go to Equipment Setup, go back to the measurement summary window\n(click OK or Cancel in the "
    "measurement window to get there) then click on\nthe 'Go To Equipment Setup' button.\n\nIn Equipment Setup make "
    "selections for the following:\n\n";

bool hasText(const char* field) {
    return field[0] != '\0';
}

// The three lines of a left/right pair: the one of the tested side, or the "and/or" line for both.
void addPair(QStringList& lines, const QString& name, bool left, bool right, Channel channel, const char* suffix,
             const char* pluralSuffix) {
    if (channel == Channel::Left && !left)
        lines << QStringLiteral("    Left %1%2").arg(name, QLatin1String(suffix));
    if (channel == Channel::Right && !right)
        lines << QStringLiteral("    Right %1%2").arg(name, QLatin1String(suffix));
    if (channel == Channel::Both && !(left && right))
        lines << QStringLiteral("    Left and/or Right %1%2").arg(name, QLatin1String(pluralSuffix));
}
} // namespace

QStringList missingEquipment(int transducer, const TestSetup& setup, Channel channel) {
    const TestInstruments& instruments = setup.instruments;
    QStringList lines;
    const auto need = [&lines](bool present, const char* line) {
        if (!present)
            lines << QString::fromLatin1(line);
    };
    if (transducer == CalibrationDialog) {
        need(isChosen(instruments.calibrator.identity), "    Calibrator");
        need(isChosen(instruments.microphones[0].identity), "    Calibration Microphone");
        return lines;
    }
    const auto kind = TransducerKind(transducer);
    const bool bone = kind == TransducerKind::BoneVibrator;
    const bool mastoidChosen = isChosen(instruments.mastoid.identity);
    const bool makersMastoid = bone && mastoidChosen && isMakersMastoid(setup);
    const bool otherMastoid = bone && mastoidChosen && !makersMastoid;
    const bool coupled = !bone || makersMastoid;

    need(isChosen(instruments.soundLevelMeter), "    SLM");
    if (coupled) {
        need(isChosen(instruments.preamp), "    Preamp");
        need(isChosen(microphoneOfTransducer(setup, kind).identity), "    Mic");
    }
    if (bone)
        need(mastoidChosen, "    Mastoid");
    need(hasText(setup.audSerialNumber), "    Audiometer");

    EarphoneKind earphone{};
    if (earphoneKindOf(kind, earphone)) {
        static const char* const Names[] = {"Supra-aural Earphone", "Insert Earphone", "Circumaural Earphone"};
        const EarphoneBlock& block = earphoneSlot(setup, earphone);
        addPair(lines, QLatin1String(Names[int(earphone)]), hasText(block.leftSerial), hasText(block.rightSerial),
                channel, " (may be missing serial number)", " (may be missing serial numbers)");
    }
    if (bone)
        need(hasText(setup.boneVibrator.serialNumber), "    Bone Vibrator");
    if (kind == TransducerKind::SoundField)
        addPair(lines, QStringLiteral("Speaker"), hasText(setup.speakers[0].serialNumber),
                hasText(setup.speakers[1].serialNumber), channel, "", "");
    if (otherMastoid) {
        need(instruments.microphones[0].sensitivity != 0.0f, "    Calibration Microphone Sensitivity");
        need(instruments.mastoid.sensitivity != 0.0f, "    Mastoid Sensitivity");
        need(isChosen(instruments.microphones[0].identity), "    Calibration Microphone");
    }
    return lines;
}

bool checkRequiredEquipment(int transducer, const TestSetup& setup, Channel channel, MessageBox& messages) {
    const QStringList lines = missingEquipment(transducer, setup, channel);
    if (lines.isEmpty())
        return true;
    const char* head = transducer == CalibrationDialog ? CalibrationMessage : MeasurementMessage;
    messages.show(QString::fromLatin1(head) + lines.join(QLatin1Char('\n')));
    return false;
}

QString gridQuestionText(const EmbeddedMicrophone& microphone) {
    const QString manufacturer = fixedText(microphone.identity.manufacturer);
    const QString name =
        manufacturer.contains(QLatin1String("Veltan")) ? QStringLiteral("RKC311 Mic") : QStringLiteral("IEC 318");
    return QStringLiteral("No grid corrections have been entered for the %1 microphone\n(%2 %3 S/N %4)\n\nPress OK to "
                          "continue the measurement anyway.")
        .arg(name, manufacturer, fixedText(microphone.identity.model), fixedText(microphone.identity.serialNumber));
}

bool askAboutGrid(const TestSetup& setup, SettingsStore& settings, GridQuestion& question) {
    const EmbeddedMicrophone& microphone = microphoneOfTransducer(setup, TransducerKind::Circumaural);
    const bool anyGrid = std::any_of(std::begin(microphone.gridCorrection), std::end(microphone.gridCorrection),
                                     [](float value) { return value != 0.0f; });
    if (anyGrid)
        return false;
    bool doNotShowAgain = Setting::AskForGridInQuestion.read(settings) == 0;
    const bool ok = question.ask(gridQuestionText(microphone), doNotShowAgain);
    Setting::AskForGrid.write(settings, doNotShowAgain ? 0 : 1);
    return !ok;
}

} // namespace orvik
