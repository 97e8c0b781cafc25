// A RETSPL file the technician imports: whatever it holds becomes 39 values, and those values written out and
// read back are the same values.
#include "FuzzSupport.h"
#include "model/RetsplEditor.h"

#include <cstring>

using namespace orvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RetsplEditor::Fields fields =
        RetsplEditor::fromCsv(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const RetsplEditor::Fields again = RetsplEditor::fromCsv(RetsplEditor::toCsv(fields));
    fuzz::require(std::memcmp(fields.data(), again.data(), sizeof fields) == 0, "an exported file reads back the same");
    return 0;
}
