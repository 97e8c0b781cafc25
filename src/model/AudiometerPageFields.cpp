#include "model/AudiometerPageFields.h"

#include "model/AudiometerType.h"

#include <QStringList>

namespace orvik::AudiometerPageFields {

namespace {
constexpr int ChannelCount = 4;
} // namespace

DateFields dateFields(const QString& storedDate) {
    const QStringList parts = storedDate.trimmed().split(u'-');
    if (parts.size() != 3)
        return DateFields{};
    bool ok = false;
    const int month = parts[1].toInt(&ok);
    return DateFields{parts[0], ok && month >= 1 && month <= 12 ? month - 1 : 0, parts[2]};
}

QString storedDate(int year, int monthIndex, int day) {
    return QString::asprintf("%04d-%02d-%02d", year, monthIndex + 1, day);
}

int typeListPosition(const QString& storedType) {
    return audiometerType(storedType) - 1;
}

QString storedType(int listPosition) {
    return QString::asprintf("%d", listPosition + 1);
}

quint16 storedCount(int listPosition) {
    return static_cast<quint16>(listPosition + 1);
}

int countListPosition(quint16 storedCount) {
    return storedCount >= 1 && storedCount <= ChannelCount ? storedCount - 1 : 0;
}

int channelListPosition(quint16 storedChannel, int channelCount) {
    const int position = countListPosition(storedChannel);
    return position < channelCount ? position : 0;
}

} // namespace orvik::AudiometerPageFields
