// The "AlternateFile" of the program folder: any content gives an answer, and only its first line counts.
#include "FuzzSupport.h"
#include "core/AlternateMode.h"

#include <QFileInfo>

using namespace orvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzz::writeInputFile(QStringLiteral("AlternateFile"), data, size);
    const bool on = readAlternateMode(QFileInfo(path).path());
    const QByteArray content(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype lineEnd = content.indexOf('\n');
    if (!content.left(lineEnd < 0 ? content.size() : lineEnd).toUpper().contains("YES"))
        fuzz::require(!on, "no YES on the first line, no alternate mode");
    return 0;
}
