#include "formats/AyarBelgesi.h"

#include "engine/RecordSet.h"
#include "formats/BelgeSemasi.h"
#include "formats/BelgeTablolari.h"
#include "formats/JsonSayilari.h"
#include "formats/ReferansBelgesi.h"
#include "formats/ReferansTablolari.h"

#include <QJsonArray>
#include <QSet>

namespace quv {

using namespace belge;

namespace {

const char* const kBicim = "quvhesap-ayarlar";

// The shared rate tables are the rows of file 0; a file's own tables are its case's.
QString kosul(const Bolum& b) {
    return *b.foySutunu ? QStringLiteral("where foykodu = 0") : QString();
}

// The codes of a column in the document's rows, or else in the stored table.
QSet<qint32> kodlar(Database& db, const QHash<QString, QList<FieldValues>>& satirlar,
                    const QJsonObject& belge, const char* bolumAdi, const char* tablo,
                    const char* sutun) {
    QSet<qint32> sonuc;
    if (belge.contains(QLatin1String(bolumAdi))) {
        for (const FieldValues& satir : satirlar.value(QLatin1String(bolumAdi)))
            sonuc.insert(deger(satir, QLatin1String(sutun)).toInt());
        return sonuc;
    }
    QString sql =
        QStringLiteral("select %1 from %2").arg(QLatin1String(sutun), QLatin1String(tablo));
    if (qstrcmp(tablo, "tblfaizoranitablosu") == 0)
        sql += QStringLiteral(" where foykodu = 0");
    for (RecordSet rs = db.openRecordSet(sql); !rs.eof(); rs.moveNext())
        sonuc.insert(rs.value(0).toInt());
    return sonuc;
}

}  // namespace

QJsonObject AyarBelgesi::disaAktar(Database& db, bool gizliDahil) {
    QJsonObject belge;
    belge.insert(QStringLiteral("format"), QLatin1String(kBicim));
    belge.insert(QStringLiteral("version"), sayi(QStringLiteral("1")));
    for (const Bolum& b : ayarBolumleri())
        belge.insert(QLatin1String(b.ad), satirlariOku(db, b, kosul(b), {}, gizliDahil));
    return belge;
}

QStringList AyarBelgesi::iceAktar(Database& db, const QByteArray& metin) {
    QStringList sorunlar;
    QString hata;
    const std::optional<QJsonDocument> okunan = jsonOku(metin, hata);
    if (!okunan || !okunan->isObject())
        return {okunan ? QStringLiteral("$: bir nesne olmalı") : hata};
    const QJsonObject belge = okunan->object();
    bicimiDenetle(belge, kBicim, sorunlar);
    bilinmeyenBolumler(belge, ayarBolumleri(),
                       {QStringLiteral("format"), QStringLiteral("version")}, sorunlar);
    QHash<QString, QList<FieldValues>> satirlar;
    for (const Bolum& b : ayarBolumleri())
        satirlar.insert(QLatin1String(b.ad), satirlariDenetle(b, belge, sorunlar));

    // Exchange rates name currencies, rates name their table.
    const struct {
        const char* bolum;
        const char* sutun;
        const char* hedefBolum;
        const char* hedefTablo;
        const char* hedefSutun;
        const char* ad;
    } atiflar[] = {
        {"kurlar", "parabirimikodu", "paraBirimleri", "tblparabirimi", "kod", "para birimi"},
        {"faizOranlari", "faizoranitablosukodu", "faizTablolari", "tblfaizoranitablosu",
         "faizoranitablosukodu", "faiz tablosu"},
    };
    for (const auto& a : atiflar) {
        const QSet<qint32> var =
            kodlar(db, satirlar, belge, a.hedefBolum, a.hedefTablo, a.hedefSutun);
        const QList<FieldValues>& liste = satirlar.value(QLatin1String(a.bolum));
        for (qsizetype i = 0; i < liste.size(); ++i) {
            const qint32 k = deger(liste[i], QLatin1String(a.sutun)).toInt();
            if (!var.contains(k))
                sorunlar << QStringLiteral("$.%1[%2]: %3 kodlu %4 yok")
                                .arg(QLatin1String(a.bolum))
                                .arg(i)
                                .arg(k)
                                .arg(QString::fromUtf8(a.ad));
        }
    }
    if (!sorunlar.isEmpty())
        return sorunlar;

    db.beginTransaction();
    try {
        for (const Bolum& b : ayarBolumleri()) {
            if (!belge.contains(QLatin1String(b.ad)))
                continue;
            QList<FieldValues> yeni = satirlar.value(QLatin1String(b.ad));
            // An options row exported without its passwords keeps the stored ones.
            const QJsonArray belgeSatirlari = belge.value(QLatin1String(b.ad)).toArray();
            for (qsizetype i = 0; i < yeni.size(); ++i) {
                for (const Alan& alan : b.alanlar) {
                    if (!alan.gizli ||
                        belgeSatirlari.at(i).toObject().contains(QLatin1String(alan.ad)))
                        continue;
                    RecordSet rs = db.openRecordSet(
                        QStringLiteral("select %1 from %2 where kod = ?")
                            .arg(QLatin1String(alan.sutun), QLatin1String(b.tablo)),
                        CursorType::ForwardOnly, {deger(yeni[i], QStringLiteral("kod"))});
                    if (!rs.eof())
                        yeni[i].append({QLatin1String(alan.sutun), rs.value(0)});
                }
            }
            db.execute(QStringLiteral("delete from ") + QLatin1String(b.tablo) + u' ' + kosul(b));
            satirlariYaz(db, b, yeni, 0);
        }
        // The shipped rate tables stay unless the document holds a table or rates of
        // their code: a document of the office's own tables does not remove them.
        if (belge.contains(QStringLiteral("faizTablolari")) ||
            belge.contains(QStringLiteral("faizOranlari"))) {
            QSet<qint32> belgedeki;
            for (const char* bolum : {"faizTablolari", "faizOranlari"})
                for (const FieldValues& satir : satirlar.value(QLatin1String(bolum)))
                    belgedeki.insert(deger(satir, QStringLiteral("faizoranitablosukodu")).toInt());
            ReferansBelgesi resmi = ReferansBelgesi::gomulu();
            resmi.tablolar.removeIf(
                [&](const ReferansTablosu& t) { return belgedeki.contains(t.kod); });
            ReferansTablolari::ekleIslemIcinde(db, resmi);
        }
        db.commit();
    } catch (...) {
        db.rollback();
        throw;
    }
    return sorunlar;
}

}  // namespace quv
