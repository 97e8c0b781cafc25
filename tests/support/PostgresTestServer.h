#pragma once

#include <QString>
#include <QUrl>
#include <gtest/gtest.h>

namespace orvik::test {

// A real PostgreSQL server for the tests: the one the CTest fixture started (found through ORVIK_TEST_PG_DIR),
// or, for a test binary run by hand, one of the process's own, started on first use and stopped at exit.
class PostgresTestServer {
public:
    static const PostgresTestServer& instance();
    // ORVIK_REQUIRE_POSTGRES=1: a missing server fails the tests instead of skipping them.
    static bool required();

    bool available() const { return m_uri.isValid(); }
    QString unavailableReason() const { return m_reason; }

    // A new, empty database nobody else uses: its URI (postgresql://orvik@127.0.0.1:PORT/NAME), or an empty
    // string when it could not be made (the reason is reported as a test failure).
    QString createDatabase() const;
    void dropDatabase(const QString& uri) const;

private:
    PostgresTestServer();
    void readRecord(const QString& dir);
    void startOwnCluster();
    static void stopOwnCluster();
    bool execute(const QString& statement) const;

    QUrl m_uri;
    QString m_reason;
    QString m_ownDir;
};

} // namespace orvik::test

// Skips the current test, with the reason, when no server can be had (fails it under ORVIK_REQUIRE_POSTGRES=1).
#define ORVIK_REQUIRE_POSTGRES()                                                                                       \
    do {                                                                                                               \
        const auto& orvikPostgres = ::orvik::test::PostgresTestServer::instance();                                     \
        if (!orvikPostgres.available()) {                                                                              \
            if (::orvik::test::PostgresTestServer::required())                                                         \
                GTEST_FAIL() << orvikPostgres.unavailableReason().toStdString();                                       \
            GTEST_SKIP() << orvikPostgres.unavailableReason().toStdString();                                           \
        }                                                                                                              \
    } while (false)
