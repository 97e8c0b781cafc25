#include "model/AudiometerRecord.h"

#include "model/FixedText.h"

#include <QDate>

#include <algorithm>
#include <cstring>

namespace orvik {

QString testDateText(const QDate& date) {
    return QString::asprintf("%4d-%02d-%02d", date.year(), date.month(), date.day());
}

void startNewRecord(AudiometerRecord& record, const QDate& today) {
    std::memset(&record, 0, sizeof record);
    setFixedText(record.setup.testDate, testDateText(today));
    record.setup.dataVersion = CurrentDataVersion;
}

QByteArray recordBytes(const AudiometerRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(&record), sizeof record);
}

bool loadRecordBytes(const QByteArray& bytes, AudiometerRecord& record) {
    const auto size = std::min(static_cast<std::size_t>(bytes.size()), sizeof record);
    std::memset(&record, 0, sizeof record);
    std::memcpy(&record, bytes.constData(), size);
    return size == sizeof record;
}

} // namespace orvik
