#pragma once

#include <QString>
#include <QTemporaryDir>

// The document, browser and calibration tests run against both database engines: built as they are, they store
// into a file in a temporary folder; built with ORVIK_TEST_SERVER_ENGINE (their "_server" targets, which link the
// test server), into a new, empty database on the test server.
#ifdef ORVIK_TEST_SERVER_ENGINE
#include "PostgresTestServer.h"

// Skips (or, when the server is required, fails) the test without a server.
#define ORVIK_REQUIRE_ENGINE() ORVIK_REQUIRE_POSTGRES()
#else
#define ORVIK_REQUIRE_ENGINE() static_cast<void>(0)
#endif

namespace orvik::test {

// Where a test's new database goes: the file `name` in `dir`, or a new database on the server (empty when none
// could be made, reported as a failure). Callers skip first with ORVIK_REQUIRE_ENGINE().
inline QString newDatabaseLocation(const QTemporaryDir& dir, const QString& name) {
#ifdef ORVIK_TEST_SERVER_ENGINE
    Q_UNUSED(dir)
    Q_UNUSED(name)
    return PostgresTestServer::instance().createDatabase();
#else
    return dir.filePath(name);
#endif
}

} // namespace orvik::test
