#include "TestServices.h"
#include "database/Document.h"
#include "database/DatabaseConversion.h"
#include "database/LabHistoryGenerator.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>
#include <numeric>

using namespace orvik;
using namespace orvik::test;

namespace {

// Each operation runs in a child process that is killed (SIGKILL) at a random moment, 100 times; after every
// kill the database must open with either the content it had before or the content the operation writes.
constexpr int Trials = 100;
const QString SaveLoop = QStringLiteral(ORVIK_BINARY_DIR "/tests/database/database_save_loop");
const QString Cli = QStringLiteral(ORVIK_BINARY_DIR "/src/cli/orvik-cli");
const QString Old = QStringLiteral("old");
const QString New = QStringLiteral("new");
const LabHistoryGenerator Generator;

QString dbPath(const QDir& dir) {
    return dir.filePath(QStringLiteral("OrvikDB.mdb"));
}

struct Operation {
    const char* name;
    int killWindowMs; // kills fall uniformly in [0, window): the child's start-up and the whole operation
    void (*makeTemplate)(const QDir& dir);
    QStringList (*command)(const QDir& dir); // program, then its arguments
    QString (*verdict)(const QDir& dir);     // Old, New, or what is wrong
};

void PrintTo(const Operation& value, std::ostream* out) {
    *out << value.name;
}

// The round a record carries, or -1 when its stamps disagree (see SaveLoopHelper.cpp).
int roundOf(const AudiometerRecord& record) {
    const auto* bytes = reinterpret_cast<const quint8*>(&record.results);
    for (std::size_t i = 1; i < sizeof record.results; ++i) {
        if (bytes[i] != bytes[0])
            return -1;
    }
    const int round = fixedText(record.notes.comments).mid(6).toInt();
    return (round & 0xFF) == bytes[0] ? round : -1;
}

// Opens the file as the program does, version check (and conversion) included.
bool opens(Document& doc, const QDir& dir) {
    return doc.openDatabase(dbPath(dir), false) && doc.checkDatabaseVersion() == 0;
}

QString savedRecords(const QDir& dir) {
    TestServices services;
    Document doc(services.services(), dir.path());
    if (!opens(doc, dir))
        return QStringLiteral("does not open: ") + services.messages.texts().join(u'|');
    const int rows = doc.database().rowCount(Table::AudTestMeasurements);
    for (int id = 1; id <= rows; ++id) {
        if (!doc.loadRecord(id) || roundOf(doc.record()) < 1)
            return QStringLiteral("row %1 is not a whole record").arg(id);
    }
    return rows == 0 ? Old : New;
}

QString convertedFile(const QDir& dir) {
    int version = 0;
    {
        Database before;
        before.open(dbPath(dir), OpenMode::ReadOnly);
        version = before.readSchemaVersion();
    }
    TestServices services;
    services.messages.answer(QStringLiteral("Database was converted to newest version."), MessageAnswer::No);
    Document doc(services.services(), dir.path());
    if (!opens(doc, dir))
        return QStringLiteral("does not open: ") + services.messages.texts().join(u'|');
    for (int id = 1; id <= 3; ++id) {
        if (!doc.loadRecord(id) || fixedText(doc.record().setup.audSerialNumber) !=
                                       fixedText(Generator.audiometerRecord(id - 1).setup.audSerialNumber))
            return QStringLiteral("row %1 is lost").arg(id);
    }
    const QStringList kept{QStringLiteral("OrvikDB.mdb"), QStringLiteral("OrvikDB.mdbVERSION6")};
    for (const QString& file : dir.entryList(QDir::Files)) {
        if (!kept.contains(file))
            return QStringLiteral("left behind: ") + file;
    }
    return version == 6 ? Old : New;
}

QString createdFile(const QDir& dir) {
    if (!QFileInfo::exists(dbPath(dir)))
        return Old;
    TestServices services;
    Document doc(services.services(), dir.path());
    return opens(doc, dir) ? New : QStringLiteral("a partial file: ") + services.messages.texts().join(u'|');
}

// Old when the lists are those of the template, New when `isNew` accepts them.
template <typename IsNew> QString listsAfter(const QDir& dir, const InstrumentLists& old, IsNew isNew) {
    TestServices services;
    Document doc(services.services(), dir.path());
    if (!opens(doc, dir) || !doc.readEquipmentLists())
        return QStringLiteral("does not open: ") + services.messages.texts().join(u'|');
    if (doc.instruments().toBlock() == old.toBlock())
        return Old;
    return isNew(doc.instruments()) ? New : QStringLiteral("lists are neither the old nor the new ones");
}

QString writtenLists(const QDir& dir) {
    return listsAfter(dir, Generator.instruments(3), [](const InstrumentLists& lists) {
        return lists.toBlock() == Generator.instruments(1).toBlock() ||
               lists.toBlock() == Generator.instruments(2).toBlock();
    });
}

// The imported microphone beside the old lists, which are otherwise unchanged.
QString importedLists(const QDir& dir) {
    return listsAfter(dir, Generator.instruments(1), [](InstrumentLists lists) {
        auto& microphones = lists.list(InstrumentKind::Microphone);
        const int imported = lists.find(InstrumentKind::Microphone, QStringLiteral("2011456"));
        if (imported < 0)
            return false;
        microphones.erase(microphones.begin() + imported);
        return lists.toBlock() == Generator.instruments(1).toBlock();
    });
}

const Operation Operations[] = {
    {"Save", 150, [](const QDir& dir) { Database().create(dbPath(dir)); },
     [](const QDir& dir) { return QStringList{SaveLoop, dbPath(dir)}; }, savedRecords},
    {"Conversion", 400,
     [](const QDir& dir) { Generator.writeDatabase(dbPath(dir), 6, 3, 2, Generator.instruments(1)); },
     [](const QDir& dir) { return QStringList{Cli, QStringLiteral("db"), QStringLiteral("convert"), dbPath(dir)}; },
     convertedFile},
    {"Create", 250, [](const QDir&) {},
     [](const QDir& dir) { return QStringList{Cli, QStringLiteral("db"), QStringLiteral("create"), dbPath(dir)}; },
     createdFile},
    {"EquipmentWrites", 150,
     [](const QDir& dir) { Generator.writeDatabase(dbPath(dir), 7, 0, 0, Generator.instruments(3)); },
     [](const QDir& dir) { return QStringList{SaveLoop, dbPath(dir), QStringLiteral("--equipment")}; },
     writtenLists},
    {"Import", 250,
     [](const QDir& dir) {
         Generator.writeDatabase(dbPath(dir), 7, 0, 0, Generator.instruments(1));
         QFile setup(dir.filePath(QStringLiteral("mic.csv")));
         setup.open(QIODevice::WriteOnly);
         setup.write("MIC,VQ,RKM377,2011456,48.7,20251231\n31.5,0.1\n8000,0.9\n");
     },
     [](const QDir& dir) {
         return QStringList{Cli, QStringLiteral("db"), QStringLiteral("import-setup"), dbPath(dir),
                            QStringLiteral("--mic"), dir.filePath(QStringLiteral("mic.csv"))};
     },
     importedLists},
};

// Trials run in groups, each in its own folder: the children of a group run and are killed side by side.
constexpr int GroupSize = 4;

void prepareTrial(const Operation& op, const QDir& templateDir, QDir dir) {
    if (QLatin1String(op.name) == QLatin1String("Create")) {
        // A create's trials keep their folder: what a killed one left is what the next one must cope with.
        dir.remove(QStringLiteral("OrvikDB.mdb"));
        return;
    }
    for (const QString& file : dir.entryList(QDir::Files))
        dir.remove(file);
    for (const QString& file : templateDir.entryList(QDir::Files))
        QFile::copy(templateDir.filePath(file), dir.filePath(file));
}

// Starts one child per folder and kills each at its own moment.
void runAndKill(const Operation& op, const std::vector<QDir>& dirs, QRandomGenerator& random) {
    std::vector<std::unique_ptr<QProcess>> children;
    std::vector<qint64> killAt;
    for (const QDir& dir : dirs) {
        const QStringList command = op.command(dir);
        children.push_back(std::make_unique<QProcess>());
        children.back()->start(command.first(), command.mid(1));
        killAt.push_back(random.bounded(op.killWindowMs));
    }
    std::vector<std::size_t> order(children.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return killAt[a] < killAt[b]; });
    QElapsedTimer clock;
    clock.start();
    for (std::size_t i : order) {
        const qint64 wait = killAt[i] - clock.elapsed();
        if (wait > 0)
            QThread::msleep(static_cast<unsigned long>(wait));
        children[i]->kill();
    }
    for (auto& child : children)
        child->waitForFinished();
}

class Durability : public ::testing::TestWithParam<Operation> {};

TEST_P(Durability, KillAtAnyMomentLeavesTheOldOrTheNewContent) {
    const Operation& op = GetParam();
    QTemporaryDir templateDir;
    op.makeTemplate(QDir(templateDir.path()));
    QRandomGenerator random(20261207);
    QMap<QString, int> outcomes;
    QTemporaryDir root;
    std::vector<QDir> dirs;
    for (int i = 0; i < GroupSize; ++i) {
        QDir(root.path()).mkdir(QString::number(i));
        dirs.emplace_back(root.filePath(QString::number(i)));
    }
    for (int trial = 0; trial < Trials; trial += GroupSize) {
        for (const QDir& dir : dirs)
            prepareTrial(op, QDir(templateDir.path()), dir);
        runAndKill(op, dirs, random);
        for (const QDir& dir : dirs) {
            const QString verdict = op.verdict(dir);
            ASSERT_TRUE(verdict == Old || verdict == New) << "trial " << trial << ": " << verdict.toStdString();
            ++outcomes[verdict];
        }
    }
    // Kills that always came too early or too late would prove nothing.
    EXPECT_GT(outcomes.value(Old), 0);
    EXPECT_GT(outcomes.value(New), 0);
    std::printf("%s: %d trials, %d old, %d new\n", op.name, Trials, outcomes.value(Old), outcomes.value(New));
}

INSTANTIATE_TEST_SUITE_P(Operations, Durability, ::testing::ValuesIn(Operations),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
