#include "sim/AudiometerFault.h"

#include <array>
#include <cmath>

namespace orvik::sim {

namespace {
constexpr std::array<const char*, 15> QuantityNames{"level", "frequency", "fmrate", "fmdev", "h2",    "h3",
                                                    "h4",    "h5",        "xtalk",  "rise",  "fall",  "on",
                                                    "off",   "noise",     "tilt"};
// In the order of VirtualAudiometer::transducer.
constexpr std::array<const char*, 5> TransducerNames{"supra", "bone", "speaker", "insert", "circum"};
constexpr std::array<const char*, 2> EarNames{"left", "right"};

template <std::size_t N> std::optional<int> indexOf(const std::array<const char*, N>& names, const QString& word) {
    for (std::size_t i = 0; i < N; ++i)
        if (word == QLatin1String(names[i]))
            return int(i);
    return std::nullopt;
}

template <std::size_t N> QStringList listOf(const std::array<const char*, N>& names) {
    QStringList list;
    for (const char* name : names)
        list << QString::fromLatin1(name);
    return list;
}

bool isAdditive(FaultQuantity quantity) {
    return quantity == FaultQuantity::Level || quantity == FaultQuantity::Frequency;
}

// "HZ" or "HZ@DIAL" into the fault; false with the message set when either number is bad.
bool readFrequencyAndDial(const QString& part, AudiometerFault& fault, QString& error) {
    const qsizetype at = part.indexOf(u'@');
    const QString hz = at < 0 ? part : part.left(at);
    if (!hz.isEmpty()) {
        bool ok = false;
        const double value = hz.toDouble(&ok);
        if (!ok || !std::isfinite(value) || value <= 0.0) {
            error = QStringLiteral("bad frequency \"%1\"").arg(hz);
            return false;
        }
        fault.frequencyHz = value;
    }
    if (at >= 0) {
        bool ok = false;
        const int dial = part.mid(at + 1).toInt(&ok);
        if (!ok) {
            error = QStringLiteral("bad dial level \"%1\"").arg(part.mid(at + 1));
            return false;
        }
        fault.dialHl = dial;
    }
    return true;
}
} // namespace

bool AudiometerFault::appliesAt(const AudiometerSetting& setting) const {
    if (transducer && *transducer != setting.transducer)
        return false;
    // Both channels playing carry a fault of either ear.
    if (channel && setting.channel != 2 && *channel != setting.channel)
        return false;
    if (frequencyHz && std::abs(*frequencyHz - setting.frequencyHz) > 0.01 * *frequencyHz)
        return false;
    return !dialHl || *dialHl == setting.dialHl;
}

std::optional<AudiometerFault> parseAudiometerFault(const QString& text, QString& error) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0) {
        error = QStringLiteral("\"%1\" has no \"=VALUE\"").arg(text);
        return std::nullopt;
    }
    const QStringList parts = text.left(equals).split(u':');
    if (parts.size() > 4) {
        error = QStringLiteral("\"%1\" has more than QUANTITY:TRANSDUCER:EAR:HZ").arg(text.left(equals));
        return std::nullopt;
    }
    AudiometerFault fault;
    const std::optional<int> quantity = indexOf(QuantityNames, parts[0]);
    if (!quantity) {
        error = QStringLiteral("unknown quantity \"%1\" (%2)").arg(parts[0], faultQuantityNames().join(u' '));
        return std::nullopt;
    }
    fault.quantity = FaultQuantity(*quantity);
    if (parts.size() > 1 && !parts[1].isEmpty()) {
        fault.transducer = indexOf(TransducerNames, parts[1]);
        if (!fault.transducer) {
            error = QStringLiteral("unknown transducer \"%1\" (%2)").arg(parts[1], faultTransducerNames().join(u' '));
            return std::nullopt;
        }
    }
    if (parts.size() > 2 && !parts[2].isEmpty()) {
        fault.channel = indexOf(EarNames, parts[2]);
        if (!fault.channel) {
            error = QStringLiteral("unknown ear \"%1\" (left right)").arg(parts[2]);
            return std::nullopt;
        }
    }
    if (parts.size() > 3 && !readFrequencyAndDial(parts[3], fault, error))
        return std::nullopt;
    bool ok = false;
    const QString value = text.mid(equals + 1);
    fault.value = value.toDouble(&ok);
    if (!ok || !std::isfinite(fault.value)) {
        error = QStringLiteral("bad value \"%1\"").arg(value);
        return std::nullopt;
    }
    return fault;
}

QStringList faultQuantityNames() {
    return listOf(QuantityNames);
}

QStringList faultTransducerNames() {
    return listOf(TransducerNames);
}

double withFaults(const QList<AudiometerFault>& faults, FaultQuantity quantity, double healthy,
                  const AudiometerSetting& setting) {
    double value = healthy;
    for (const AudiometerFault& fault : faults) {
        if (fault.quantity != quantity || !fault.appliesAt(setting))
            continue;
        value = isAdditive(quantity) ? value + fault.value : fault.value;
    }
    return value;
}

} // namespace orvik::sim
