// The cells a certificate workbook's reader process hands back, and the search of those cells for a mastoid's
// identity and response. The reader runs a library that is not trusted with the file, so its stream is read as
// outside input like the file itself: a stream the program accepts must decode the same once written again, and
// a certificate it accepts must leave the mastoid pages with values a measurement can use.
#include "FuzzSupport.h"
#include "equipment/CertificateWorkbook.h"

#include <cmath>

using namespace orvik;

namespace {
// Says yes to every question, so the mapping is reached whatever coupler the certificate names.
class AgreeingMessageBox final : public MessageBox {
public:
    MessageAnswer show(const QString&, MessageButtons buttons, const QString&) override {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
    }
};

void checkFound(const CertificateData& data) {
    fuzz::require(!data.model.isEmpty() && !data.serialNumber.isEmpty(), "an identity");
    fuzz::require(data.coupler >= 0 && data.coupler <= 3, "a known coupler or none");
    fuzz::require(!data.points.empty(), "at least one response");
    double previous = -HUGE_VAL;
    for (const ResponsePoint& point : data.points) {
        fuzz::require(std::isfinite(point.frequency) && std::isfinite(point.response), "finite points");
        fuzz::require(point.frequency > previous, "ascending frequencies");
        previous = point.frequency;
    }
}

void checkApplied(const CertificateData& data) {
    const int responseSet = data.coupler > 0 ? data.coupler : 1;
    InstrumentEntry pages = emptyInstrumentEntry(InstrumentKind::Mastoid);
    AgreeingMessageBox messages;
    if (!applyCertificate(data, responseSet, pages, messages))
        return;
    const float* responses = pages.mastoidResponseSet(responseSet);
    for (int i = 0; i < FrequencyCount; ++i)
        fuzz::require(std::isfinite(responses[i]), "finite mapped responses");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto cells = CellStream::decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!cells)
        return 0;
    fuzz::require(CellStream::decode(CellStream::encode(*cells)) == cells, "an accepted stream decodes the same again");
    const CertificateResult result = findCertificateData(*cells);
    fuzz::require(result.ok == result.message.isEmpty(), "a refusal says why");
    if (result.ok) {
        checkFound(result.data);
        checkApplied(result.data);
    }
    return 0;
}
