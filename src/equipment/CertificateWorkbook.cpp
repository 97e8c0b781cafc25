#include "equipment/CertificateWorkbook.h"

#include "equipment/WorkbookReader.h"
#include "model/FixedText.h"

#include <algorithm>

namespace orvik {

namespace {
const char* const CouplerNames[] = {"RKC310", "RKC311", "RKC420"};

CertificateResult failure(const char* message) {
    CertificateResult result;
    result.message = QString::fromLatin1(message);
    return result;
}

bool isNumber(const QVariant& cell) {
    return cell.typeId() == QMetaType::Double;
}
QString textOf(const QVariant& cell) {
    return cell.typeId() == QMetaType::QString ? cell.toString().trimmed() : QString();
}

struct CellPosition {
    std::size_t row;
    std::size_t column;
};

std::optional<CellPosition> findText(const CellGrid& cells, const QString& text) {
    for (std::size_t r = 0; r < cells.size(); ++r) {
        for (std::size_t c = 0; c < cells[r].size(); ++c) {
            if (textOf(cells[r][c]) == text)
                return CellPosition{r, c};
        }
    }
    return std::nullopt;
}

// The first non-empty cell right of a position, as text (numbers as they would print).
QString valueRightOf(const CellGrid& cells, CellPosition at) {
    const auto& row = cells[at.row];
    for (std::size_t c = at.column + 1; c < row.size(); ++c) {
        if (isNumber(row[c]))
            return QString::number(row[c].toDouble(), 'g', 12);
        if (!textOf(row[c]).isEmpty())
            return textOf(row[c]);
    }
    return {};
}

int findCoupler(const CellGrid& cells) {
    for (const auto& row : cells) {
        for (const QVariant& cell : row) {
            const QString text = textOf(cell);
            for (int i = 0; i < 3; ++i) {
                if (text.contains(QLatin1String(CouplerNames[i])))
                    return i + 1;
            }
        }
    }
    return 0;
}

bool allZero(const float* values) {
    return std::all_of(values, values + FrequencyCount, [](float v) { return v == 0.0f; });
}

} // namespace

QString couplerName(int responseSet) {
    return responseSet >= 1 && responseSet <= 3 ? QString::fromLatin1(CouplerNames[responseSet - 1]) : QString();
}

CertificateResult findCertificateData(const CellGrid& cells) {
    const auto model = findText(cells, QStringLiteral("Model"));
    const auto serial = findText(cells, QStringLiteral("Serial Number:"));
    const auto frequencies = findText(cells, QStringLiteral("Freq (Hz)"));
    if (!model || !serial || !frequencies)
        return failure("Could not find the needed data.");
    CertificateResult result;
    result.data.model = valueRightOf(cells, *model);
    result.data.serialNumber = valueRightOf(cells, *serial);
    result.data.coupler = findCoupler(cells);
    for (std::size_t r = frequencies->row + 1; r < cells.size(); ++r) {
        const auto& row = cells[r];
        if (frequencies->column >= row.size() || !isNumber(row[frequencies->column]))
            break;
        const auto response =
            std::find_if(row.begin() + static_cast<std::ptrdiff_t>(frequencies->column) + 1, row.end(), isNumber);
        const double frequency = row[frequencies->column].toDouble();
        if (response == row.end() || (!result.data.points.empty() && frequency <= result.data.points.back().frequency))
            return failure("Exception in finding the Response values");
        result.data.points.push_back({frequency, response->toDouble()});
    }
    if (result.data.model.isEmpty() || result.data.serialNumber.isEmpty() || result.data.points.empty())
        return failure("Could not find the needed data.");
    result.ok = true;
    return result;
}

CertificateResult readCertificateWorkbook(const QString& path) {
    return readCertificateWorkbook(path, WorkbookReader{});
}

CertificateResult readCertificateWorkbook(const QString& path, const WorkbookReader& reader) {
    const auto cells = reader.read(path);
    if (!cells || cells->empty())
        return failure("Unable to load Excel Worksheet");
    return findCertificateData(*cells);
}

bool applyCertificate(const CertificateData& certificate, int responseSet, InstrumentEntry& pages,
                      MessageBox& messages) {
    const QString page = couplerName(responseSet);
    if (certificate.coupler == 0) {
        if (messages.show(
                QStringLiteral("This certificate does not have a coupler model name.\nContinue to load the %1 "
                               "response values?")
                    .arg(page),
                MessageButtons::YesNo) != MessageAnswer::Yes)
            return false;
    } else if (certificate.coupler != responseSet) {
        if (messages.show(QStringLiteral("This certificate is based on using an VQ %1 which is different than the "
                                         "response page for %2.\n Continue anyway?")
                              .arg(couplerName(certificate.coupler), page),
                          MessageButtons::YesNo) != MessageAnswer::Yes)
            return false;
    }
    if (!allZero(pages.mastoidResponseSet(responseSet)) &&
        messages.show(QStringLiteral("Update the existing mastoid data?"), MessageButtons::YesNo) != MessageAnswer::Yes)
        return false;
    InstrumentEntry entry = pages;
    const QString message = mapResponses(certificate.points, 5, entry.mastoidResponseSet(responseSet));
    if (!message.isEmpty()) {
        messages.show(message);
        return false;
    }
    setFixedText(entry.identity.model, certificate.model.toUpper());
    setFixedText(entry.identity.serialNumber, certificate.serialNumber);
    pages = entry;
    return true;
}

} // namespace orvik
