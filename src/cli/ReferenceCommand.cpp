// orvik-cli reference: the reference level of every test frequency for one transducer set-up, as the
// measurement pages would look it up, followed by the frequencies that have no reference.
#include "cli/CliCommand.h"
#include "model/DefaultRetspl.h"
#include "model/FixedText.h"
#include "model/ReferenceLevel.h"
#include "model/Transducer.h"

#include <cstring>
#include <memory>
#include <optional>

namespace orvik::cli {

namespace {

struct ReferenceArguments {
    int transducer = -1;
    QString model;
    int coupler = 0;
    ReferenceTestKind test = ReferenceTestKind::Tone;
    int angle = 0;
    bool binaural = false;
    bool forehead = false;
    bool alternate = false;
};

std::optional<int> integerIn(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<ReferenceTestKind> testKind(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    for (const auto kind : {ReferenceTestKind::Tone, ReferenceTestKind::NarrowBand, ReferenceTestKind::Speech})
        if (value == static_cast<int>(kind))
            return kind;
    return std::nullopt;
}

// Answers nullopt on anything it does not understand, so that a typo never prints plausible-looking levels.
std::optional<ReferenceArguments> parse(const QStringList& arguments) {
    constexpr qsizetype MaxModelLength = 15;
    ReferenceArguments parsed;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (option == QLatin1String("--binaural")) {
            parsed.binaural = true;
            continue;
        }
        if (option == QLatin1String("--forehead")) {
            parsed.forehead = true;
            continue;
        }
        if (option == QLatin1String("--alternate")) {
            parsed.alternate = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return std::nullopt;
        const QString& value = arguments[++i];
        std::optional<int> number;
        if (option == QLatin1String("--transducer") && (number = integerIn(value, 0, TransducerCount - 1))) {
            parsed.transducer = *number;
        } else if (option == QLatin1String("--coupler") && (number = integerIn(value, 0, 6))) {
            parsed.coupler = *number;
        } else if (option == QLatin1String("--angle") && (number = integerIn(value, 0, 2))) {
            parsed.angle = *number;
        } else if (option == QLatin1String("--test") && testKind(value)) {
            parsed.test = *testKind(value);
        } else if (option == QLatin1String("--model") && value.size() <= MaxModelLength) {
            parsed.model = value;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.transducer < 0)
        return std::nullopt;
    return parsed;
}

std::unique_ptr<TestSetup> setupFor(const ReferenceArguments& arguments) {
    auto setup = std::make_unique<TestSetup>();
    std::memset(setup.get(), 0, sizeof(TestSetup));
    EarphoneKind kind{};
    if (!earphoneKindOf(static_cast<TransducerKind>(arguments.transducer), kind))
        return setup; // the bone vibrator and the speakers use built-in tables
    EarphoneBlock& slot = earphoneSlot(*setup, kind);
    slot.kind = static_cast<quint16>(kind);
    slot.coupler = static_cast<quint16>(arguments.coupler);
    setFixedText(slot.model, arguments.model);
    defaultRetspl(slot, arguments.alternate);
    return setup;
}

int runReference(const QStringList& arguments, QTextStream& out, QTextStream& err);

const CliCommand Reference{
    "reference",
    "reference --transducer K [--model TEXT] [--coupler C] [--test -1|7|9] [--angle 0|1|2] [--binaural] "
    "[--forehead] [--alternate]",
    runReference};

int runReference(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::optional<ReferenceArguments> parsed = parse(arguments);
    if (!parsed)
        return usageError(Reference, err);
    const auto setup = setupFor(*parsed);
    MissingReferenceList missing;
    for (FreqIndex f = 0; f < FrequencyCount; ++f) {
        const ReferenceQuery query{parsed->transducer, f, parsed->test, parsed->angle, parsed->binaural,
                                   parsed->forehead};
        const float level = getReferenceLevel(*setup, query, &missing);
        out << QString::asprintf("%g %.1f\n", static_cast<double>(frequencyHz(f)), static_cast<double>(level));
    }
    QStringList labels;
    for (const QString& label : missing.labels())
        labels.append(label.trimmed());
    out << (labels.isEmpty() ? QStringLiteral("Missing:") : QStringLiteral("Missing: ") + labels.join(u' ')) << '\n';
    return 0;
}

const CliCommandRegistration registration(Reference);

} // namespace

} // namespace orvik::cli
