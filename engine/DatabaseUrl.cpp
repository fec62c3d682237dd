#include "engine/DatabaseUrl.h"

#include "engine/RuntimeError.h"

#include <QUrl>
#include <QUrlQuery>

namespace quv {

namespace {

// The "key=value" parts of an ODBC connection string; a braced value may hold ";"
// ("}}" is a "}" inside it), so the string is not split there.
QStringList odbcParts(const QString& connection) {
    QStringList parts{QString()};
    bool braced = false;
    for (qsizetype i = 0; i < connection.size(); ++i) {
        const QChar c = connection.at(i);
        QString& part = parts.last();
        if (braced && c == u'}' && i + 1 < connection.size() && connection.at(i + 1) == u'}')
            part += connection.at(i++);
        else if (braced && c == u'}')
            braced = false;
        else if (!braced && c == u';') {
            parts << QString();
            continue;
        } else if (!braced && c == u'{' && part.contains(u'=') &&
                   part.section(u'=', 1).trimmed().isEmpty())
            braced = true;
        part += c;
    }
    return parts;
}

}  // namespace

DatabaseUrl DatabaseUrl::parse(const QString& text) {
    DatabaseUrl url;
    QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        throw RuntimeError::application(QStringLiteral("Veritabanı belirtilmedi."));
    if (trimmed.startsWith(QStringLiteral("odbc:"), Qt::CaseInsensitive)) {
        url.backend = Backend::ODBC;
        url.odbcConnection = trimmed.mid(5);
        if (url.odbcConnection.trimmed().isEmpty())
            throw RuntimeError::application(QStringLiteral("ODBC bağlantı metni boş."));
        return url;
    }
    if (trimmed.startsWith(QStringLiteral("postgresql://"), Qt::CaseInsensitive) ||
        trimmed.startsWith(QStringLiteral("postgres://"), Qt::CaseInsensitive)) {
        QUrl u(trimmed, QUrl::StrictMode);
        if (!u.isValid() || u.host().isEmpty())
            throw RuntimeError::application(QStringLiteral("Geçersiz PostgreSQL adresi: ") +
                                            u.toDisplayString(QUrl::RemovePassword));
        url.backend = Backend::PostgreSQL;
        url.host = u.host();
        url.port = u.port(5432);
        url.user = u.userName(QUrl::FullyDecoded);
        url.password = u.password(QUrl::FullyDecoded);
        url.database = u.path(QUrl::FullyDecoded).mid(1);
        if (url.database.isEmpty())
            throw RuntimeError::application(
                QStringLiteral("PostgreSQL adresinde veritabanı adı yok: ") + url.redacted());
        QStringList options;
        for (const auto& item : QUrlQuery(u).queryItems(QUrl::FullyDecoded))
            options << item.first + u'=' + item.second;
        url.options = options.join(u';');
        return url;
    }
    if (trimmed.contains(QStringLiteral("://")))
        throw RuntimeError::application(QStringLiteral("Tanınmayan veritabanı adresi: ") +
                                        trimmed.section(QStringLiteral("://"), 0, 0) +
                                        QStringLiteral("://..."));
    url.backend = Backend::SQLite;
    url.path = trimmed;
    return url;
}

QString DatabaseUrl::redacted() const {
    switch (backend) {
        case Backend::SQLite:
            return path;
        case Backend::PostgreSQL:
            return QStringLiteral("postgresql://%1%2@%3:%4/%5")
                .arg(user, password.isEmpty() ? QString() : QStringLiteral(":***"), host)
                .arg(port)
                .arg(database);
        case Backend::ODBC: {
            QStringList parts = odbcParts(odbcConnection);
            for (QString& part : parts) {
                QString key = part.section(u'=', 0, 0).trimmed();
                if (key.compare(QStringLiteral("PWD"), Qt::CaseInsensitive) == 0 ||
                    key.compare(QStringLiteral("Password"), Qt::CaseInsensitive) == 0)
                    part = key + QStringLiteral("=***");
            }
            return QStringLiteral("odbc:") + parts.join(u';');
        }
    }
    return QString();
}

}  // namespace quv
