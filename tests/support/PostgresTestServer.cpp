#include "PostgresTestServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <atomic>

namespace orvik::test {
namespace {

QString readLine(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readLine()).trimmed();
}

// Runs pg-cluster.sh; an empty string when it ran to its end (a server it could not start is told in its
// record files, not here).
QString runClusterScript(const QString& command, const QString& dir) {
    QProcess process;
    process.start(QStringLiteral(ORVIK_PG_CLUSTER_SCRIPT), {command, dir});
    if (!process.waitForFinished(120000))
        return QStringLiteral("pg-cluster.sh %1 did not finish: %2").arg(command, process.errorString());
    return {};
}

QString uniqueDatabaseName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("orvik_test_%1_%2_%3")
        .arg(QCoreApplication::applicationPid())
        .arg(counter++)
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

} // namespace

const PostgresTestServer& PostgresTestServer::instance() {
    static const PostgresTestServer server;
    return server;
}

bool PostgresTestServer::required() {
    return qEnvironmentVariable("ORVIK_REQUIRE_POSTGRES") == QLatin1String("1");
}

PostgresTestServer::PostgresTestServer() {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        m_reason = QStringLiteral("the Qt PostgreSQL driver (QPSQL) is not installed (libqt6sql6-psql)");
        return;
    }
    const QString dir = qEnvironmentVariable("ORVIK_TEST_PG_DIR");
    if (dir.isEmpty())
        startOwnCluster();
    else
        readRecord(dir);
}

void PostgresTestServer::readRecord(const QString& dir) {
    const QUrl uri(readLine(dir + QStringLiteral("/uri")), QUrl::StrictMode);
    if (uri.scheme() == QLatin1String("postgresql") && !uri.host().isEmpty() && uri.port() > 0) {
        m_uri = uri;
        return;
    }
    m_reason = readLine(dir + QStringLiteral("/unavailable"));
    if (m_reason.isEmpty())
        m_reason = QStringLiteral("no PostgreSQL test server recorded in %1").arg(dir);
}

void PostgresTestServer::startOwnCluster() {
    QTemporaryDir temporary(QDir::tempPath() + QStringLiteral("/orvik-pg-test-XXXXXX"));
    if (!temporary.isValid()) {
        m_reason = QStringLiteral("cannot make a temporary folder: %1").arg(temporary.errorString());
        return;
    }
    // The script removes the folder when it stops the server.
    temporary.setAutoRemove(false);
    m_ownDir = temporary.path();
    qAddPostRoutine(&PostgresTestServer::stopOwnCluster);
    m_reason = runClusterScript(QStringLiteral("start"), m_ownDir);
    if (m_reason.isEmpty())
        readRecord(m_ownDir);
}

// Runs while QCoreApplication is torn down, when QProcess still works.
void PostgresTestServer::stopOwnCluster() {
    runClusterScript(QStringLiteral("stop"), instance().m_ownDir);
}

bool PostgresTestServer::execute(const QString& statement) const {
    const QString connection = QStringLiteral("orvik-test-server-") + uniqueDatabaseName();
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setHostName(m_uri.host());
        db.setPort(m_uri.port());
        db.setUserName(m_uri.userName());
        db.setDatabaseName(m_uri.path().mid(1));
        if (db.open()) {
            QSqlQuery query(db);
            if (!query.exec(statement))
                error = query.lastError().text();
        } else {
            error = db.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!error.isEmpty())
        ADD_FAILURE() << statement.toStdString() << ": " << error.toStdString();
    return error.isEmpty();
}

QString PostgresTestServer::createDatabase() const {
    if (!available()) {
        ADD_FAILURE() << "createDatabase without a server: " << m_reason.toStdString();
        return {};
    }
    const QString name = uniqueDatabaseName();
    if (!execute(QStringLiteral("CREATE DATABASE ") + name))
        return {};
    QUrl uri = m_uri;
    uri.setPath(QLatin1Char('/') + name);
    return uri.toString();
}

void PostgresTestServer::dropDatabase(const QString& uri) const {
    // The statement runs in the server's own database, which is never one to drop.
    QString name = QUrl(uri).path().mid(1);
    if (!available() || name.isEmpty() || name == m_uri.path().mid(1))
        return;
    name.replace(QLatin1Char('"'), QLatin1String("\"\""));
    execute(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(name));
}

} // namespace orvik::test
