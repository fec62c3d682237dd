#include "VeritabaniAdresi.h"

#include "engine/DatabaseUrl.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace quv::desk {

QString hatirlanacakAdres(const QString& adres) {
    const QString metin = adres.trimmed();
    // An address that does not parse is not remembered in any form.
    const DatabaseUrl url = DatabaseUrl::parse(metin);
    switch (url.backend) {
        case Backend::SQLite:
            return url.path == QStringLiteral(":memory:") ? url.path
                                                          : QFileInfo(url.path).absoluteFilePath();
        case Backend::PostgreSQL: {
            QUrl u(metin, QUrl::StrictMode);
            u.setPassword(QString());
            return u.toString();
        }
        case Backend::ODBC: {
            QStringList parcalar;
            for (const QString& parca : url.odbcConnection.split(u';')) {
                const QString anahtar = parca.section(u'=', 0, 0).trimmed();
                if (anahtar.compare(QStringLiteral("PWD"), Qt::CaseInsensitive) == 0 ||
                    anahtar.compare(QStringLiteral("Password"), Qt::CaseInsensitive) == 0)
                    continue;
                parcalar << parca;
            }
            return QStringLiteral("odbc:") + parcalar.join(u';');
        }
    }
    return QString();
}

}  // namespace quv::desk
