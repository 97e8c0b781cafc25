// A RETSPL file the technician imports: whatever it holds becomes 39 values. The export rounds to one decimal,
// so what matters is that a file once exported imports to values that export to the same file.
#include "FuzzSupport.h"
#include "model/RetsplEditor.h"

using namespace orvik;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const RetsplEditor::Fields imported =
        RetsplEditor::fromCsv(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QByteArray exported = RetsplEditor::toCsv(imported);
    fuzz::require(RetsplEditor::toCsv(RetsplEditor::fromCsv(exported)) == exported,
                  "an exported file imports to the same values");
    return 0;
}
