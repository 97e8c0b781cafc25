#pragma once

#include <QString>
#include <QList>
#include <utility>
#include <optional>

namespace orvik {

// A database on a PostgreSQL server, named by a connection URI:
// "postgresql://user@host:5432/orvik" (also "postgres://"; "?key=value" options such as sslmode or a socket
// folder in host are passed to the server's client library). A password in the URI is used for the
// connection but never shown or stored: uri() leaves it out.
class ServerAddress {
public:
    // nullopt with *error set when the text is not a usable URI (no database name, a bad port, ...).
    static std::optional<ServerAddress> parse(const QString& text, QString* error = nullptr);

    const QString& host() const { return m_host; }
    int port() const { return m_port; } // -1: the client library's default
    const QString& user() const { return m_user; }
    const QString& databaseName() const { return m_database; }
    const QString& password() const { return m_password; }
    void setPassword(const QString& password) { m_password = password; }
    // "key='value';..." as the driver takes connection options.
    QString connectOptions() const;

    // The URI as shown, stored in the settings and compared: without the password.
    QString uri() const;

private:
    QString m_host;
    int m_port = -1;
    QString m_user;
    QString m_database;
    QString m_password;
    QList<std::pair<QString, QString>> m_options; // as given, password and host taken out
};

} // namespace orvik
