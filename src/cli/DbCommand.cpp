// orvik-cli db: the database for lab administrators and scripts.
#include "cli/CliCommand.h"
#include "cli/ConsoleMessageBox.h"
#include "cli/OpenedDocument.h"
#include "core/Clock.h"
#include "core/SilentProgress.h"
#include "database/DatabaseCopy.h"
#include "database/Document.h"
#include "database/EngineDate.h"
#include "database/StoredMeasurementsBrowser.h"
#include "equipment/InstrumentationEditor.h"
#include "equipment/SetupFileImport.h"

#include <QFile>
#include <QHash>

namespace orvik::cli {

namespace {

int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

const CliCommand Db{
    "db",
    "db create FILE | convert FILE | info FILE | instruments FILE | copy FROM TO\n"
    "     db tests FILE [--serial S] [--model M] [--technician T] [--channel 1|2] [--from DATE] [--to DATE]\n"
    "     db booths FILE [--customer C] [--booth B] [--from DATE] [--to DATE]\n"
    "     db import-setup FILE --mic|--mastoid SETUPFILE [--tab] [--coupler 1|2|3]",
    run};
const CliCommandRegistration registration(Db);

// Questions as the terminal answers them, except those a script has settled in advance.
class ScriptMessageBox final : public MessageBox {
public:
    explicit ScriptMessageBox(QTextStream& err) : m_console(err), m_err(err) {}
    void settle(const QString& fragment, MessageAnswer answer) { m_settled.insert(fragment, answer); }

    MessageAnswer show(const QString& text, MessageButtons buttons, const QString& caption) override {
        for (auto it = m_settled.cbegin(); it != m_settled.cend(); ++it) {
            if (text.contains(it.key())) {
                m_err << text << Qt::endl;
                return it.value();
            }
        }
        return m_console.show(text, buttons, caption);
    }

private:
    ConsoleMessageBox m_console;
    QTextStream& m_err;
    QHash<QString, MessageAnswer> m_settled;
};

// Options "--name value" and flags "--name" after the file argument.
struct Options {
    QString file;
    QHash<QString, QString> values;
    QStringList flags;

    bool parse(const QStringList& arguments, const QStringList& valueNames, const QStringList& flagNames) {
        if (arguments.isEmpty())
            return false;
        file = arguments[0];
        for (int i = 1; i < arguments.size(); ++i) {
            const QString name = arguments[i].mid(2);
            if (!arguments[i].startsWith(QLatin1String("--")))
                return false;
            if (flagNames.contains(name)) {
                flags << name;
            } else if (valueNames.contains(name) && i + 1 < arguments.size()) {
                values.insert(name, arguments[++i]);
            } else {
                return false;
            }
        }
        return true;
    }
};

// The document over FILE, opened as the program opens it (conversions keep the old file). Commands that only
// look open it read-only, so the file stays byte for byte as it was, and an old or foreign file is refused.
class OpenedDatabase {
public:
    explicit OpenedDatabase(QTextStream& err)
        : messages(err), services{messages, progress, clock, settings}, doc(services, QString()) {
        messages.settle(QStringLiteral("Save old database with name"), MessageAnswer::Yes);
    }
    bool open(const QString& file, OpenMode mode) {
        const bool opened = mode == OpenMode::ReadOnly ? doc.openDatabaseReadOnly(databaseLocation(file))
                                                       : doc.openDatabase(databaseLocation(file), false);
        return opened && doc.checkDatabaseVersion() == 0 && doc.readEquipmentLists();
    }

    ScriptMessageBox messages;
    SilentProgress progress;
    SystemClock clock;
    MemorySettingsStore settings;
    AppServices services;
    Document doc;
};

void printRows(const BrowserRows& rows, QTextStream& out) {
    for (std::size_t line = 0; line < rows.size(); ++line)
        out << rows.id(line) << '\t' << rows.cells(line).join(u'\t') << '\n';
}

bool validDateOption(const Options& options, const char* name) {
    const QString value = options.values.value(QLatin1String(name));
    return value.isEmpty() || parseSearchDate(value).has_value();
}

int create(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 1)
        return usageError(Db, err);
    OpenedDatabase opened(err);
    if (!opened.doc.createDatabase(databaseLocation(arguments[0])) || opened.doc.checkDatabaseVersion() != 0)
        return 1;
    out << opened.doc.database().path() << '\n';
    return 0;
}

// The one command that brings an old file up to date, as the program does when it opens one.
int convert(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 1)
        return usageError(Db, err);
    OpenedDatabase opened(err);
    if (!opened.open(arguments[0], OpenMode::ReadWrite))
        return 1;
    out << opened.doc.database().path() << '\n';
    return 0;
}

int info(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 1)
        return usageError(Db, err);
    OpenedDatabase opened(err);
    if (!opened.open(arguments[0], OpenMode::ReadOnly))
        return 1;
    Database& db = opened.doc.database();
    out << QStringLiteral("Schema: %1\n").arg(db.readSchemaVersion());
    out << QStringLiteral("AudTestMeasurements: %1\n").arg(db.rowCount(Table::AudTestMeasurements));
    out << QStringLiteral("AmbientMeasurements: %1\n").arg(db.rowCount(Table::AmbientMeasurements));
    out << QStringLiteral("Instruments: %1\n").arg(opened.doc.instruments().totalCount());
    return 0;
}

int tests(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Options options;
    const QStringList names{"serial", "model", "technician", "channel", "from", "to"};
    if (!options.parse(arguments, names, {}) || !validDateOption(options, "from") || !validDateOption(options, "to"))
        return usageError(Db, err);
    AudiometricSearch search;
    search.serialNumber = options.values.value(QStringLiteral("serial"));
    search.model = options.values.value(QStringLiteral("model"));
    search.technician = options.values.value(QStringLiteral("technician"));
    search.fromDate = options.values.value(QStringLiteral("from"));
    search.toDate = options.values.value(QStringLiteral("to"));
    const QString channel = options.values.value(QStringLiteral("channel"));
    if (!channel.isEmpty() && channel != QLatin1String("1") && channel != QLatin1String("2"))
        return usageError(Db, err);
    search.channelPosition = channel.toInt();
    OpenedDatabase opened(err);
    if (!opened.open(options.file, OpenMode::ReadOnly))
        return 1;
    printRows(StoredMeasurementsBrowser(opened.doc, opened.messages).searchAudiometric(search), out);
    return 0;
}

int booths(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Options options;
    if (!options.parse(arguments, {"customer", "booth", "from", "to"}, {}) || !validDateOption(options, "from") ||
        !validDateOption(options, "to"))
        return usageError(Db, err);
    const BoothSearch search{options.values.value(QStringLiteral("customer")),
                             options.values.value(QStringLiteral("booth")),
                             options.values.value(QStringLiteral("from")), options.values.value(QStringLiteral("to"))};
    OpenedDatabase opened(err);
    if (!opened.open(options.file, OpenMode::ReadOnly))
        return 1;
    printRows(StoredMeasurementsBrowser(opened.doc, opened.messages).searchBooths(search), out);
    return 0;
}

int instruments(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 1)
        return usageError(Db, err);
    OpenedDatabase opened(err);
    if (!opened.open(arguments[0], OpenMode::ReadOnly))
        return 1;
    for (InstrumentKind kind : KindsInViewOrder) {
        for (const InstrumentEntry& entry : opened.doc.instruments().list(kind))
            out << kindTexts(kind).word << '\t' << entry.model() << '\t' << entry.serialNumber() << '\t'
                << entry.dueDate() << '\n';
    }
    return 0;
}

int importSetup(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    Options options;
    if (arguments.size() < 3 || !options.parse(arguments.mid(0, 1) + arguments.mid(3), {"coupler"}, {"tab"}))
        return usageError(Db, err);
    const QString kindOption = arguments[1];
    const QString setupFile = arguments[2];
    if (kindOption != QLatin1String("--mic") && kindOption != QLatin1String("--mastoid"))
        return usageError(Db, err);
    const InstrumentKind kind =
        kindOption == QLatin1String("--mic") ? InstrumentKind::Microphone : InstrumentKind::Mastoid;
    const SetupDelimiter delimiter =
        options.flags.contains(QStringLiteral("tab")) ? SetupDelimiter::Tab : SetupDelimiter::Comma;
    const SetupFileResult read = readSetupFile(setupFile, delimiter);
    if (!read.ok || read.data.kind != kind) {
        err << (read.ok ? QStringLiteral("Bad or missing data type in the setup file (Line 1).\n(Be sure the data in "
                                         "the file is %1-delimited.)")
                              .arg(delimiter == SetupDelimiter::Tab ? QStringLiteral("tab") : QStringLiteral("comma"))
                        : read.message)
            << Qt::endl;
        return 1;
    }
    int responseSet = 1;
    if (kind == InstrumentKind::Mastoid) {
        responseSet = read.data.coupler ? read.data.coupler : options.values.value(QStringLiteral("coupler")).toInt();
        if (responseSet < 1 || responseSet > 3) {
            err << "The setup file names no coupler: give --coupler 1|2|3" << Qt::endl;
            return UsageExit;
        }
    }
    OpenedDatabase opened(err);
    if (!opened.open(options.file, OpenMode::ReadWrite))
        return 1;
    opened.messages.settle(QStringLiteral("Do you want to update the data for this Microphone?"), MessageAnswer::Yes);
    opened.messages.settle(QStringLiteral("Update the current mastoid with the new data?"), MessageAnswer::Yes);
    InstrumentationEditor editor(opened.doc.instruments(), opened.messages, opened.settings);
    editor.selectKind(
        static_cast<int>(std::find(KindsInViewOrder.begin(), KindsInViewOrder.end(), kind) - KindsInViewOrder.begin()));
    InstrumentEntry pages = emptyInstrumentEntry(kind);
    const QString mapped = applySetupFile(read.data, responseSet, pages);
    if (!mapped.isEmpty()) {
        err << mapped << Qt::endl;
        return 1;
    }
    editor.setPages(pages);
    if (!editor.add() || !opened.doc.writeEquipmentLists())
        return 1;
    out << listLine(pages) << '\n';
    return 0;
}

// What a failed copy made is taken away again, so the copy can simply be run again.
void removeFailedCopy(Document& target) {
    Database& database = target.database();
    const QString location = database.path();
    try {
        if (database.engine() == Engine::Server) {
            target.closeDatabase();
            database.open(location);
            database.dropTables();
            database.close();
            return;
        }
    } catch (const DatabaseError&) {
        return; // the message already shown says the copy failed; an empty database is what is left
    }
    target.closeDatabase();
    QFile::remove(location);
}

// FROM (a file or a server) into TO, which must not exist yet (a file) or hold no tables (a server).
int copy(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.size() != 2)
        return usageError(Db, err);
    OpenedDatabase from(err);
    if (!from.open(arguments[0], OpenMode::ReadOnly))
        return 1;
    OpenedDatabase to(err);
    if (!to.doc.createDatabase(databaseLocation(arguments[1])) || to.doc.checkDatabaseVersion() != 0)
        return 1;
    std::vector<DatabaseCopy::TableCount> counts;
    try {
        counts = DatabaseCopy::copy(from.doc.database(), to.doc.database());
    } catch (const DatabaseError& e) {
        err << "Could not copy " << from.doc.database().path() << " to " << to.doc.database().path() << ": "
            << e.text() << Qt::endl;
        removeFailedCopy(to.doc);
        return 1;
    }
    for (const DatabaseCopy::TableCount& count : counts)
        out << count.table << '\t' << count.rows << '\n';
    out << "verified\t" << to.doc.database().path() << '\n';
    return 0;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (arguments.isEmpty())
        return usageError(Db, err);
    const QString sub = arguments[0];
    const QStringList rest = arguments.mid(1);
    if (sub == QLatin1String("create"))
        return create(rest, out, err);
    if (sub == QLatin1String("convert"))
        return convert(rest, out, err);
    if (sub == QLatin1String("info"))
        return info(rest, out, err);
    if (sub == QLatin1String("tests"))
        return tests(rest, out, err);
    if (sub == QLatin1String("booths"))
        return booths(rest, out, err);
    if (sub == QLatin1String("instruments"))
        return instruments(rest, out, err);
    if (sub == QLatin1String("copy"))
        return copy(rest, out, err);
    if (sub == QLatin1String("import-setup"))
        return importSetup(rest, out, err);
    return usageError(Db, err);
}

} // namespace

} // namespace orvik::cli
