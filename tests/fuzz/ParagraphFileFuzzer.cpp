// A certificate paragraph file: any bytes are read, never more than the limit.
#include "FuzzSupport.h"
#include "report/ParagraphFile.h"

using namespace orvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString text;
    const ParagraphRead read = readParagraphFile(fuzz::writeInputFile(QStringLiteral("fuzz.acp"), data, size), text);
    fuzz::require(read != ParagraphRead::CannotOpen, "a written file opens");
    fuzz::require(text.size() <= ParagraphFileLimit, "at most the limit is read");
    return 0;
}
