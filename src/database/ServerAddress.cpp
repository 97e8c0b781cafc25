#include "database/ServerAddress.h"

#include "core/ServerLocation.h"

#include <QUrl>
#include <QUrlQuery>

#include <algorithm>

namespace orvik {

namespace {

std::optional<ServerAddress> refuse(QString* error, const QString& why) {
    if (error)
        *error = why;
    return std::nullopt;
}

// An option value goes into the client library's "key=value" string: quoted, so a blank or a quote in it
// cannot start another option.
QString quotedOption(const QString& value) {
    QString quoted = value;
    quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + quoted + u'\'';
}
} // namespace

std::optional<ServerAddress> ServerAddress::parse(const QString& text, QString* error) {
    if (!isServerLocation(text))
        return refuse(error, QStringLiteral("A server database is named \"postgresql://user@host:port/database\"."));
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid())
        return refuse(error, QStringLiteral("\"%1\" is not a valid server address: %2").arg(text, url.errorString()));
    ServerAddress address;
    address.m_host = url.host(QUrl::FullyDecoded);
    address.m_port = url.port(-1);
    address.m_user = url.userName(QUrl::FullyDecoded);
    address.m_password = url.password(QUrl::FullyDecoded);
    address.m_database = url.path(QUrl::FullyDecoded).mid(1);
    if (address.m_database.isEmpty() || address.m_database.contains(u'/'))
        return refuse(error, QStringLiteral("The server address \"%1\" names no database (\"…/database\").")
                                 .arg(address.uri()));
    if (url.port() == 0)
        return refuse(error, QStringLiteral("The server address \"%1\" has no valid port.").arg(address.uri()));
    const QUrlQuery query(url);
    for (const auto& [key, value] : query.queryItems(QUrl::FullyDecoded)) {
        if (key.isEmpty() || !std::all_of(key.begin(), key.end(), [](QChar c) { return c.isLetterOrNumber() || c == u'_'; }))
            return refuse(error, QStringLiteral("The server address option \"%1\" is not valid.").arg(key));
        // The driver joins its options with ";": a value holding one would start another option.
        if (value.contains(u';'))
            return refuse(error, QStringLiteral("The server address option \"%1\" holds a \";\".").arg(key));
        if (key == QLatin1String("password"))
            address.m_password = value;
        else if (key == QLatin1String("host") && address.m_host.isEmpty())
            address.m_host = value; // a socket folder: "postgresql://user@/orvik?host=/run/postgresql"
        else
            address.m_options.append({key, value});
    }
    return address;
}

QString ServerAddress::connectOptions() const {
    QStringList options;
    for (const auto& [key, value] : m_options)
        options << key + u'=' + quotedOption(value);
    return options.join(u';');
}

QString ServerAddress::uri() const {
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(m_user);
    const bool socketFolder = m_host.startsWith(u'/');
    if (!socketFolder)
        url.setHost(m_host);
    url.setPort(m_port);
    url.setPath(u'/' + m_database);
    QUrlQuery query;
    if (socketFolder)
        query.addQueryItem(QStringLiteral("host"), m_host);
    for (const auto& [key, value] : m_options)
        query.addQueryItem(key, value);
    if (!query.isEmpty())
        url.setQuery(query);
    QString shown = url.toString(QUrl::FullyEncoded);
    // QUrl writes "postgresql:/db" when there is neither user nor host; the client library wants the slashes.
    if (!shown.startsWith(QLatin1String("postgresql://")))
        shown.replace(0, qsizetype(sizeof("postgresql:") - 1), QStringLiteral("postgresql://"));
    return shown;
}

} // namespace orvik
