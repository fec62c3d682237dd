#include "VeritabaniAdresi.h"

#include "engine/DatabaseUrl.h"
#include "engine/RuntimeError.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace quv::desk {

namespace {

// The "key=value" parts of an ODBC connection string. A braced value may hold ";"
// ("}}" stands for a "}" inside it), so it is not split there.
QStringList odbcParcalari(const QString& baglanti) {
    QStringList parcalar;
    QString parca;
    bool degerde = false;
    bool parantezde = false;
    for (qsizetype i = 0; i < baglanti.size(); ++i) {
        const QChar c = baglanti.at(i);
        if (parantezde) {
            if (c == u'}') {
                if (i + 1 < baglanti.size() && baglanti.at(i + 1) == u'}')
                    parca += baglanti.at(i++);
                else
                    parantezde = false;
            }
        } else if (c == u';') {
            parcalar << parca;
            parca.clear();
            degerde = false;
            continue;
        } else if (c == u'=' && !degerde) {
            degerde = true;
        } else if (c == u'{' && degerde && parca.section(u'=', 1).trimmed().isEmpty()) {
            parantezde = true;
        }
        parca += c;
    }
    parcalar << parca;
    return parcalar;
}

bool sifreAnahtari(const QString& parca) {
    const QString anahtar = parca.section(u'=', 0, 0).trimmed();
    return anahtar.compare(QStringLiteral("PWD"), Qt::CaseInsensitive) == 0 ||
           anahtar.compare(QStringLiteral("Password"), Qt::CaseInsensitive) == 0;
}

QString sifreDegeri(const QString& parca) {
    return parca.section(u'=', 1).trimmed();
}

// The address parsed, or a SQLite one (never asked for a password) when it does not
// parse: opening it tells the user why.
DatabaseUrl cozumle(const QString& adres) {
    try {
        return DatabaseUrl::parse(adres);
    } catch (const RuntimeError&) {
        return DatabaseUrl();
    }
}

}  // namespace

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
            // The password's part stays, empty, so the next start asks for it.
            QStringList parcalar = odbcParcalari(url.odbcConnection);
            for (QString& parca : parcalar)
                if (sifreAnahtari(parca))
                    parca = parca.section(u'=', 0, 0).trimmed() + u'=';
            return QStringLiteral("odbc:") + parcalar.join(u';');
        }
    }
    return QString();
}

bool sifreSorulmali(const QString& adres) {
    const DatabaseUrl url = cozumle(adres);
    switch (url.backend) {
        case Backend::SQLite:
            return false;
        case Backend::PostgreSQL:
            return url.password.isEmpty();
        case Backend::ODBC:
            for (const QString& parca : odbcParcalari(url.odbcConnection))
                if (sifreAnahtari(parca) && sifreDegeri(parca).isEmpty())
                    return true;
            return false;
    }
    return false;
}

QString sifreliAdres(const QString& adres, const QString& sifre) {
    const QString metin = adres.trimmed();
    const DatabaseUrl url = cozumle(metin);
    switch (url.backend) {
        case Backend::SQLite:
            return metin;
        case Backend::PostgreSQL: {
            QUrl u(metin, QUrl::StrictMode);
            u.setPassword(sifre, QUrl::DecodedMode);
            return u.toString();
        }
        case Backend::ODBC: {
            // A value holding ";", "{" or "}" or blanks at its ends is braced, with
            // every "}" doubled.
            QString deger = sifre;
            if (deger.contains(u';') || deger.contains(u'{') || deger.contains(u'}') ||
                deger != deger.trimmed())
                deger = u'{' + QString(deger).replace(u'}', QStringLiteral("}}")) + u'}';
            QStringList parcalar = odbcParcalari(url.odbcConnection);
            for (QString& parca : parcalar)
                if (sifreAnahtari(parca) && sifreDegeri(parca).isEmpty())
                    parca = parca.section(u'=', 0, 0).trimmed() + u'=' + deger;
            return QStringLiteral("odbc:") + parcalar.join(u';');
        }
    }
    return metin;
}

}  // namespace quv::desk
