#include "FuzzSupport.h"

#include <QFile>
#include <algorithm>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace orvik::fuzz {

MessageAnswer DecliningMessageBox::show(const QString&, MessageButtons buttons, const QString&) {
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

QByteArray FuzzScript::nextReply() {
    qsizetype end = m_bytes.indexOf('\n', m_next);
    end = end < 0 ? m_bytes.size() : end + 1;
    QByteArray reply = m_bytes.mid(m_next, end - m_next);
    m_next = end;
    return reply;
}

int FuzzSerialDevice::write(const QByteArray& bytes) {
    if (!m_open)
        return -1;
    for (char c : bytes)
        if (c == '\r')
            m_inbound += m_script.nextReply();
    return int(bytes.size());
}

int FuzzSerialDevice::read(char* buffer, int maximum) {
    const int count = std::min<int>(maximum, int(m_inbound.size()));
    std::copy_n(m_inbound.constData(), count, buffer);
    m_inbound.remove(0, count);
    return count;
}

QString writeInputFile(const QString& name, const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        require(false, "the input file cannot be written");
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

void require(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

} // namespace orvik::fuzz
