#include "cli/PrintoutArguments.h"

namespace orvik::cli {

namespace {
bool setValue(PrintoutArguments& a, const QString& option, const QString& value) {
    const std::pair<const char*, QString*> texts[] = {
        {"--db", &a.db}, {"--pdf", &a.pdf}, {"--out", &a.out}, {"--tests", &a.tests}, {"--paragraph", &a.paragraph},
        {"--with-db", &a.withDb}};
    for (const auto& [name, field] : texts) {
        if (option == QLatin1String(name)) {
            *field = value;
            return true;
        }
    }
    const std::pair<const char*, std::optional<QString>*> names[] = {{"--booth", &a.booth},
                                                                     {"--with-booth", &a.withBooth}};
    for (const auto& [name, field] : names) {
        if (option == QLatin1String(name)) {
            *field = value;
            return true;
        }
    }
    bool ok = false;
    const RowId number = value.toLongLong(&ok);
    if (option == QLatin1String("--id"))
        a.id = number;
    else if (option == QLatin1String("--with"))
        a.withId = number;
    return ok;
}

bool setFlag(PrintoutArguments& a, const QString& option) {
    const std::pair<const char*, bool*> flags[] = {
        {"--no-retspl-message", &a.noRetsplMessage}, {"--no-border", &a.noBorder}, {"--no-date", &a.noDate},
        {"--tab", &a.tab}};
    for (const auto& [name, field] : flags) {
        if (option == QLatin1String(name)) {
            *field = true;
            return true;
        }
    }
    return false;
}
} // namespace

std::optional<PrintoutArguments> parsePrintoutArguments(const QStringList& arguments, const QStringList& extras) {
    static const QStringList Common = {"--db", "--id", "--booth"};
    PrintoutArguments a;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments[i];
        if (!Common.contains(option) && !extras.contains(option))
            return std::nullopt;
        if (setFlag(a, option))
            continue;
        if (i + 1 >= arguments.size() || !setValue(a, option, arguments[++i]))
            return std::nullopt;
    }
    if (a.db.isEmpty() || a.pdf.isEmpty() == a.out.isEmpty() || a.id.has_value() == a.booth.has_value())
        return std::nullopt;
    return a;
}

bool loadPrintoutRecord(OpenedDocument& opened, const PrintoutArguments& arguments) {
    if (!opened.open(arguments.db, true))
        return false;
    if (arguments.id)
        return opened.doc.loadRecord(*arguments.id);
    return opened.doc.loadAmbientRecord(storedBoothId(opened.doc.database(), *arguments.booth));
}

ReportHeading preferencesHeading() {
    QSettingsStore store;
    const Preferences preferences = Preferences::read(store, QString());
    return {preferences.companyName, preferences.header1, preferences.header2};
}

} // namespace orvik::cli
