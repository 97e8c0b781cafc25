#include "equipment/WorkbookReader.h"

#include "equipment/CellStream.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <algorithm>
#include <sys/resource.h>

namespace orvik {

namespace {
const QString ReaderName = QStringLiteral("orvik-workbook-reader");
// A whole worksheet of long texts stays far below this; more is a reader gone wrong.
constexpr qint64 MaxStreamBytes = 64ll * 1024 * 1024;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool AddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool AddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool AddressSanitizer = false;
#endif
} // namespace

QString WorkbookReader::defaultProgram() {
    const QString configured = qEnvironmentVariable("ORVIK_WORKBOOK_READER");
    if (!configured.isEmpty())
        return configured;
    const QString beside = QCoreApplication::applicationDirPath() + u'/' + ReaderName;
    return QFileInfo::exists(beside) ? beside : QStringLiteral(ORVIK_WORKBOOK_READER_BUILT);
}

std::optional<CellGrid> WorkbookReader::read(const QString& path) const {
    QProcess reader;
    const qint64 memory = memoryLimitBytes;
    const rlim_t seconds = static_cast<rlim_t>(timeoutMs / 1000 + 1);
    // Runs in the child between fork and exec: only async-signal-safe calls.
    reader.setChildProcessModifier([memory, seconds] {
        const rlimit cpu{seconds, seconds};
        const rlimit noCore{0, 0};
        // A sanitizer's shadow memory reserves terabytes of address space; there the CPU limit has to do.
        if (!AddressSanitizer) {
            const rlimit address{static_cast<rlim_t>(memory), static_cast<rlim_t>(memory)};
            setrlimit(RLIMIT_AS, &address);
        }
        setrlimit(RLIMIT_CPU, &cpu);
        setrlimit(RLIMIT_CORE, &noCore);
    });
    reader.setProcessChannelMode(QProcess::SeparateChannels);
    reader.setStandardErrorFile(QProcess::nullDevice());
    reader.start(program, {path});
    if (!reader.waitForStarted(timeoutMs))
        return std::nullopt;
    reader.closeWriteChannel();
    QByteArray stream;
    QDeadlineTimer deadline(timeoutMs);
    while (reader.state() != QProcess::NotRunning && !deadline.hasExpired() && stream.size() <= MaxStreamBytes) {
        reader.waitForReadyRead(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
        stream += reader.readAllStandardOutput();
    }
    if (reader.state() != QProcess::NotRunning) {
        reader.kill();
        reader.waitForFinished();
        return std::nullopt;
    }
    stream += reader.readAllStandardOutput();
    if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
        return std::nullopt;
    return CellStream::decode(stream);
}

} // namespace orvik
