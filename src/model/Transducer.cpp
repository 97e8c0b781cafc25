#include "model/Transducer.h"

namespace orvik {

bool earphoneKindOf(TransducerKind transducer, EarphoneKind& kind) {
    switch (transducer) {
    case TransducerKind::SupraAural:
        kind = EarphoneKind::SupraAural;
        return true;
    case TransducerKind::Insert:
        kind = EarphoneKind::Insert;
        return true;
    case TransducerKind::Circumaural:
        kind = EarphoneKind::Circumaural;
        return true;
    case TransducerKind::BoneVibrator:
    case TransducerKind::SoundField:
        break;
    }
    return false;
}

QString transducerPageLabel(TransducerKind transducer) {
    switch (transducer) {
    case TransducerKind::SupraAural:
        return QStringLiteral("Supra-aural");
    case TransducerKind::BoneVibrator:
        return QStringLiteral("Bone Vibrator");
    case TransducerKind::SoundField:
        return QStringLiteral("Speaker");
    case TransducerKind::Insert:
        return QStringLiteral("Insert");
    case TransducerKind::Circumaural:
        return QStringLiteral("Circumaural");
    }
    return QString();
}

QString channelName(Channel channel) {
    switch (channel) {
    case Channel::Left:
        return QStringLiteral("Left");
    case Channel::Right:
        return QStringLiteral("Right");
    case Channel::Both:
        return QStringLiteral("Both");
    }
    return QString();
}

} // namespace orvik
