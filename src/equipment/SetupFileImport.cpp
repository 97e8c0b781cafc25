#include "equipment/SetupFileImport.h"

#include "equipment/DelimitedLine.h"
#include "equipment/InstrumentValueText.h"
#include "model/FixedText.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <limits>

namespace orvik {

namespace {
// The 39 test frequencies, FreqIndex order.
constexpr double Frequencies[FrequencyCount] = {31.5,  63,    125,   160,   200,   250,   315,   400,   500,   630,
                                                750,   800,   1000,  1250,  1500,  1600,  2000,  2500,  3000,  3150,
                                                4000,  5000,  6000,  6300,  8000,  9000,  10000, 11000, 11200, 12000,
                                                12500, 13000, 14000, 15000, 16000, 17000, 18000, 19000, 20000};
constexpr double SameFrequency = 0.01;

SetupFileResult failure(const QString& message) {
    SetupFileResult result;
    result.message = message;
    return result;
}

QString lineOne(const char* what) {
    return QStringLiteral("%1 (Line 1).").arg(QLatin1String(what));
}

// Due dates a lab can mean: calendar dates of the instrument's working life.
bool plausibleDueDate(int year, int month, int day) {
    return year >= 1900 && year <= 2100 && QDate(year, month, day).isValid();
}

// The due date: eight digits as year*10000 + month*100 + day, or month/day/year.
bool parseDueDate(const QString& field, QString& dueDate) {
    static const QRegularExpression digits(QStringLiteral("^\\d{8}$"));
    static const QRegularExpression slashed(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    int year = 0, month = 0, day = 0;
    if (digits.match(field).hasMatch()) {
        const int n = field.toInt();
        year = n / 10000, month = n / 100 % 100, day = n % 100;
    } else if (const auto match = slashed.match(field); match.hasMatch()) {
        month = match.captured(1).toInt(), day = match.captured(2).toInt(), year = match.captured(3).toInt();
    }
    if (!plausibleDueDate(year, month, day))
        return false;
    dueDate = QString::asprintf("%04d-%02d-%02d", year, month, day);
    return true;
}

int couplerOf(const QString& field) {
    if (field.isEmpty() || field.size() > 7)
        return 0;
    if (field.contains(QStringLiteral("100")))
        return 1;
    if (field.contains(QStringLiteral("101")))
        return 2;
    if (field.contains(QStringLiteral("201")))
        return 3;
    return 0;
}

// Checks the header fields in order; an empty text when they pass.
QString readHeader(const QStringList& fields, SetupDelimiter delimiter, SetupFileData& data) {
    const auto field = [&fields](int i) { return i < fields.size() ? fields[i].trimmed() : QString(); };
    const QString type = field(0);
    if (type.isEmpty())
        return lineOne("Data type is missing in the setup file");
    // A type field holding the other delimiter means the file was read with the wrong one: say so now rather
    // than report a missing manufacturer.
    const QChar otherDelimiter = delimiter == SetupDelimiter::Tab ? u',' : u'\t';
    const bool microphone = type.left(3) == QLatin1String("MIC");
    const bool mastoid = type.left(6) == QLatin1String("MASTOI") || type.left(3) == QLatin1String("RKM");
    if (type.contains(otherDelimiter) || (!microphone && !mastoid))
        return badDataTypeMessage(delimiter);
    data.kind = microphone ? InstrumentKind::Microphone : InstrumentKind::Mastoid;

    struct TextField {
        QString* target;
        int maxLength;
        const char* missing;
        const char* tooLong;
        const char* nul;
    };
    const TextField texts[] = {
        {&data.manufacturer, 25, "Manufacturer is missing in the setup file",
         "Manufacturer is too long. Maximum length is 25", "Manufacturer holds a NUL character in the setup file"},
        {&data.model, 15, "Model is missing in the setup file", "Model is too long. Maximum length is 15",
         "Model holds a NUL character in the setup file"},
        {&data.serialNumber, 12, "Serial number is missing in the setup file",
         "Serial number is too long. Maximum length is 12", "Serial number holds a NUL character in the setup file"},
    };
    for (int i = 0; i < 3; ++i) {
        const QString value = field(i + 1);
        if (value.isEmpty())
            return lineOne(texts[i].missing);
        if (value.size() > texts[i].maxLength)
            return lineOne(texts[i].tooLong);
        // A stored text ends at its first NUL: the entry would silently name another instrument.
        if (value.contains(QChar(u'\0')))
            return lineOne(texts[i].nul);
        *texts[i].target = value;
    }
    if (field(4).isEmpty())
        return lineOne("Sensitivity is missing in the setup file");
    const std::optional<float> sensitivity = parseInstrumentValue(field(4));
    if (!sensitivity)
        return lineOne("Sensitivity is not a valid number in the setup file");
    data.sensitivity = *sensitivity;
    if (field(5).isEmpty())
        return lineOne("Cal due date is missing in the setup file");
    if (!parseDueDate(field(5), data.dueDate))
        return lineOne("Bad cal due date in the setup file");
    if (data.kind == InstrumentKind::Mastoid)
        data.coupler = couplerOf(field(6));
    return {};
}

QString readPoints(const QStringList& lines, QChar delimiter, std::vector<ResponsePoint>& points) {
    for (int i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.isEmpty())
            continue;
        const int lineNumber = i + 1;
        if (static_cast<int>(points.size()) == MaxSetupFrequencies)
            return QStringLiteral("There are too many frequencies in the setup file.\nMaximum number allowed is %1.")
                .arg(MaxSetupFrequencies);
        const QStringList fields = splitDelimitedLine(line, delimiter);
        const QString frequencyText = fields[0].trimmed(), responseText = fields.value(1).trimmed();
        if (frequencyText.isEmpty() || responseText.isEmpty())
            return QStringLiteral("Missing frequency response in the setup file (Line %1).").arg(lineNumber);
        const std::optional<float> frequency = parseInstrumentValue(frequencyText);
        if (!frequency)
            return QStringLiteral("Frequency is not a valid number in the setup file (Line %1).").arg(lineNumber);
        const std::optional<float> response = parseInstrumentValue(responseText);
        if (!response)
            return QStringLiteral("Frequency response is not a valid number in the setup file (Line %1).")
                .arg(lineNumber);
        if (!points.empty() && *frequency <= points.back().frequency)
            return QStringLiteral("Frequency appears to be out of order in the setup file (Line %1).\nFrequencies "
                                  "must be in ascending order.")
                .arg(lineNumber);
        points.push_back({*frequency, *response});
    }
    return {};
}

// A spreadsheet saving Unicode text starts it with a byte-order mark; without one the file is Latin-1.
QString decodeText(const QByteArray& text) {
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(text);
    if (!encoding)
        return QString::fromLatin1(text);
    QStringDecoder decoder(*encoding); // drops the mark
    return decoder.decode(text);
}

double interpolate(const ResponsePoint& a, const ResponsePoint& b, double frequency) {
    return a.response + (b.response - a.response) * (frequency - a.frequency) / (b.frequency - a.frequency);
}

// The pages keep 32-bit values. A certificate's cells are not bounded like a setup file's numbers, and the
// extrapolation to 20000 Hz can leave the range of either: such a response would be stored as infinity.
bool fitsStoredValue(double response) {
    return std::isfinite(response) && std::abs(response) <= std::numeric_limits<float>::max();
}
} // namespace

QString badDataTypeMessage(SetupDelimiter delimiter) {
    return QStringLiteral("Bad or missing data type in the setup file (Line 1).\n(Be sure the data in the file is "
                          "%1-delimited.)")
        .arg(delimiter == SetupDelimiter::Tab ? QStringLiteral("tab") : QStringLiteral("comma"));
}

SetupFileResult parseSetupText(const QByteArray& text, SetupDelimiter delimiter) {
    QStringList lines = decodeText(text).split(u'\n');
    for (QString& line : lines)
        line = line.trimmed();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return failure(QStringLiteral("The setup file was empty."));
    const QChar separator = delimiter == SetupDelimiter::Tab ? u'\t' : u',';
    SetupFileResult result;
    QString message = readHeader(splitDelimitedLine(lines[0], separator), delimiter, result.data);
    if (message.isEmpty())
        message = readPoints(lines, separator, result.data.points);
    if (!message.isEmpty())
        return failure(message);
    result.ok = true;
    return result;
}

SetupFileResult readSetupFile(const QString& path, SetupDelimiter delimiter) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("Unable to open setup file."));
    return parseSetupText(file.readAll(), delimiter);
}

QString mapResponses(const std::vector<ResponsePoint>& points, int firstTarget, float* values) {
    constexpr int FirstPointLine = 2;
    if (points.empty() || points.front().frequency > Frequencies[firstTarget] + SameFrequency)
        return QStringLiteral("The first frequency in the setup file is higher than the first possible audiometer "
                              "frequency (Line %1).")
            .arg(FirstPointLine);
    const auto failedOn = [](std::size_t point) {
        return QStringLiteral("Internal error.  Unable to import setup from the setup file. (Failed on line %1).")
            .arg(FirstPointLine + static_cast<int>(point));
    };
    float mapped[FrequencyCount];
    std::copy_n(values, FrequencyCount, mapped);
    const std::size_t n = points.size();
    for (int target = firstTarget; target < FrequencyCount; ++target) {
        const double f = Frequencies[target];
        std::size_t above = 0;
        while (above < n && points[above].frequency < f - SameFrequency)
            ++above;
        double response = 0.0;
        if (f > points.back().frequency + SameFrequency) {
            if (target != FrequencyCount - 1 || n < 3)
                break;
            response = interpolate(points[n - 2], points[n - 1], f);
        } else if (above < n && std::abs(points[above].frequency - f) <= SameFrequency) {
            response = points[above].response;
        } else if (above == 0 || above == n) {
            return failedOn(above);
        } else {
            response = interpolate(points[above - 1], points[above], f);
        }
        if (!fitsStoredValue(response))
            return failedOn(std::min(above, n - 1));
        mapped[target] = static_cast<float>(response);
    }
    std::copy_n(mapped, FrequencyCount, values);
    return {};
}

QString applySetupFile(const SetupFileData& data, int responseSet, InstrumentEntry& pages) {
    InstrumentEntry entry = pages;
    const bool mastoid = data.kind == InstrumentKind::Mastoid;
    float* responses = mastoid ? entry.mastoidResponseSet(responseSet) : entry.values.microphone.pressureResponse;
    const QString message = mapResponses(data.points, mastoid ? 5 : 0, responses);
    if (!message.isEmpty())
        return message;
    entry.kind = static_cast<qint32>(data.kind);
    setFixedText(entry.identity.manufacturer, data.manufacturer);
    setFixedText(entry.identity.model, mastoid ? data.model.toUpper() : data.model);
    setFixedText(entry.identity.serialNumber, data.serialNumber);
    setFixedText(entry.identity.dueDate, data.dueDate);
    if (mastoid)
        entry.values.mastoid.sensitivity = data.sensitivity;
    else
        entry.values.microphone.sensitivity = data.sensitivity;
    pages = entry;
    return {};
}

} // namespace orvik
