#include "TestServices.h"
#include "database/Document.h"
#include "database/TableCursor.h"

#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {

// Runs the save loop until it reports `rounds` saves, then kills it without warning; returns the last round
// it reported.
int runAndKill(const QString& path, int rounds) {
    QProcess child;
    child.start(QStringLiteral(ORVIK_BINARY_DIR "/tests/database/database_save_loop"), {path});
    EXPECT_TRUE(child.waitForStarted());
    int last = 0;
    QByteArray pending;
    while (last < rounds && child.waitForReadyRead(30000)) {
        pending += child.readAllStandardOutput();
        for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1))
            last = pending.left(end).mid(6).toInt();
    }
    child.kill();
    child.waitForFinished();
    return last;
}

// The round a record carries, or -1 when its stamps disagree.
int roundOf(const AudiometerRecord& record) {
    const auto* bytes = reinterpret_cast<const quint8*>(&record.results);
    const quint8 first = bytes[0];
    for (std::size_t i = 0; i < sizeof record.results; ++i) {
        if (bytes[i] != first)
            return -1;
    }
    const int round = fixedText(record.notes.comments).mid(6).toInt();
    return (round & 0xFF) == first ? round : -1;
}

TEST(Durability, KillingTheProcessWhileSavingLeavesWholeRows) {
    QTemporaryDir dir;
    TestServices services;
    const QString path = dir.filePath(QStringLiteral("OrvikDB.mdb"));
    Database().create(path);
    int reported = 0;
    for (int rounds : {15, 40, 25})
        reported += runAndKill(path, rounds);

    Database check;
    check.open(path);
    QSqlQuery integrity(check.connection());
    ASSERT_TRUE(integrity.exec(QStringLiteral("PRAGMA integrity_check")) && integrity.next());
    EXPECT_EQ(integrity.value(0).toString(), QStringLiteral("ok"));
    const int rows = check.rowCount(Table::AudTestMeasurements);
    // Every reported round committed its row; a round killed after its insert may have added one more.
    EXPECT_GE(rows, reported);
    EXPECT_LE(rows, reported + 3);
    check.close();

    Document doc(services.services(), dir.path());
    ASSERT_TRUE(doc.openDatabase(path, false));
    ASSERT_EQ(doc.checkDatabaseVersion(), 0);
    for (int id = 1; id <= rows; ++id) {
        ASSERT_TRUE(doc.loadRecord(id)) << id;
        EXPECT_GE(roundOf(doc.record()), 1) << "row " << id;
    }
}

} // namespace
