#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quv {

// The public interest-rate tables shipped with the program, as a JSON document
// ("format": "quvhesap-referans", "version": 1; docs/reference-data.md describes it).
// Every rate carries its effective date, legal basis, sources and a confidence mark;
// every table the date up to which its figures were checked.
struct ReferansOrani {
    QString tarih;  // YYYYMMDD, as the rate tables store it
    double oran = 0.0;
    QString dayanak;
    QStringList kaynaklar;
    QString guven;  // C2, C1, D or U
    QString not_;
};

// A note that holds for calculations dated on or after `tarihten`.
struct ReferansNotu {
    QString tarihten;  // YYYYMMDD
    QString metin;
    QStringList kaynaklar;
};

struct ReferansTablosu {
    qint32 kod = 0;
    QString ad;
    QString aciklama;
    QString denetimTarihi;  // YYYYMMDD
    QStringList kuralKaynaklari;
    QList<ReferansNotu> notlar;
    QList<ReferansOrani> oranlar;
};

struct ReferansKaynagi {
    QString ad;
    QString adres;  // empty for a source without an address
    QString not_;
};

struct ReferansBelgesi {
    QList<ReferansKaynagi> kaynaklar;
    QList<ReferansTablosu> tablolar;

    // Reads and checks the whole document; none with every problem and its place.
    static std::optional<ReferansBelgesi> oku(const QByteArray& metin, QStringList& sorunlar);
    // The tables the program ships (db/reference/faiz-tablolari.json).
    static const ReferansBelgesi& gomulu();

    const ReferansTablosu* tablo(qint32 kod) const;
    // "ad (adres)" of a named source, the name alone when it has no address.
    QString kaynakMetni(const QString& ad) const;
};

}  // namespace quv
