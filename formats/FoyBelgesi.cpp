#include "formats/FoyBelgesi.h"

#include "engine/RecordSet.h"
#include "formats/BelgeSemasi.h"
#include "formats/BelgeTablolari.h"
#include "formats/JsonSayilari.h"

#include <QJsonArray>
#include <QSet>

namespace quv {

using namespace belge;

namespace {

const char* const kBicim = "quvhesap-foy";

const Bolum& bolum(const char* ad) {
    for (const Bolum& b : foyBolumleri())
        if (qstrcmp(b.ad, ad) == 0)
            return b;
    Q_UNREACHABLE();
}

bool varMi(Database& db, const QString& sql, const QVariantList& parametreler) {
    return !db.openRecordSet(sql, CursorType::ForwardOnly, parametreler).eof();
}

// A code that refers to a row of another table: 0 and Null refer to nothing.
qint32 kod(const FieldValues& satir, const char* sutun) {
    return deger(satir, QString::fromLatin1(sutun)).toInt();
}

// The pairs of columns that name a rate table (the file it belongs to, its code).
struct TabloAtfi {
    const char* bolum;
    const char* foySutunu;
    const char* kodSutunu;
};
const TabloAtfi kTabloAtiflari[] = {
    {"foy", "faizoranitablosufoykodu", "faizoranitablosukodu"},
    {"foy", "kidemfaizoranitablosufoykodu", "kidemfaizoranitablosukodu"},
    {"alacaklar", "faizoranitablosufoykodu", "faizoranitablosukodu"},
    {"sonrakiAlacaklar", "faizoranitablosufoykodu", "faizoranitablosukodu"},
    {"todalar", "faizoranitablosufoykodu", "faizoranitablosukodu"},
};

// Codes that must name a row of a table of the settings: (section, column, table,
// key column, name in the message).
struct Atif {
    const char* bolum;
    const char* sutun;
    const char* tablo;
    const char* anahtar;
    const char* ad;
};
const Atif kAtiflar[] = {
    {"foy", "parabirimikodu", "tblparabirimi", "kod", "para birimi"},
    {"foy", "icramudurlugukodu", "tblicramudurlugu", "kod", "icra müdürlüğü"},
    {"foy", "mtsicramudurlugukodu", "tblicramudurlugu", "kod", "icra müdürlüğü"},
    {"foy", "avukatkodu", "tblavukat", "avukatkodu", "avukat"},
    {"tahsilatlar", "parabirimikodu", "tblparabirimi", "kod", "para birimi"},
    {"ihtiyatiHacizler", "mahkemekodu", "tblmahkeme", "mahkemekodu", "mahkeme"},
};

QString yol(const char* bolumAdi, qsizetype satir, const Alan* alan) {
    QString y = QStringLiteral("$.") + QLatin1String(bolumAdi);
    if (!bolum(bolumAdi).tekNesne)
        y += QStringLiteral("[%1]").arg(satir);
    return alan ? y + u'.' + QLatin1String(alan->ad) : y;
}

const Alan* alanBySutun(const char* bolumAdi, const char* sutun) {
    for (const Alan& a : bolum(bolumAdi).alanlar)
        if (qstrcmp(a.sutun, sutun) == 0)
            return &a;
    return nullptr;
}

}  // namespace

std::optional<QJsonObject> FoyBelgesi::disaAktar(Database& db, qint32 foyKodu) {
    const QString kosul = QStringLiteral("where foykodu = ?");
    const QJsonArray bas = satirlariOku(db, bolum("foy"), kosul, {foyKodu});
    if (bas.isEmpty())
        return std::nullopt;
    QJsonObject belge;
    belge.insert(QStringLiteral("format"), QLatin1String(kBicim));
    belge.insert(QStringLiteral("version"), sayi(QStringLiteral("1")));
    belge.insert(QStringLiteral("foyKodu"), sayi(QString::number(foyKodu)));
    for (const Bolum& b : foyBolumleri()) {
        QJsonArray satirlar;
        if (qstrcmp(b.ad, "foy") == 0) {
            satirlar = bas;
        } else if (qstrcmp(b.ad, "alacakli") == 0) {
            const QJsonValue alacakli = bas.first().toObject().value(QStringLiteral("alacakliKodu"));
            if (const auto metin = sayiMetni(alacakli))
                satirlar = satirlariOku(db, b, QStringLiteral("where alacaklikodu = ?"),
                                        {metin->toInt()});
        } else {
            satirlar = satirlariOku(db, b, kosul, {foyKodu});
        }
        if (b.tekNesne) {
            if (!satirlar.isEmpty())
                belge.insert(QLatin1String(b.ad), satirlar.first());
        } else if (!satirlar.isEmpty()) {
            belge.insert(QLatin1String(b.ad), satirlar);
        }
    }
    return belge;
}

FoyBelgesi::Sonuc FoyBelgesi::iceAktar(Database& db, const QByteArray& metin,
                                       std::optional<qint32> yeniKod, bool uzerineYaz) {
    Sonuc sonuc;
    QString hata;
    const std::optional<QJsonDocument> okunan = jsonOku(metin, hata);
    if (!okunan || !okunan->isObject()) {
        sonuc.sorunlar << (okunan ? QStringLiteral("$: bir nesne olmalı") : hata);
        return sonuc;
    }
    const QJsonObject belge = okunan->object();
    QStringList& sorunlar = sonuc.sorunlar;
    bicimiDenetle(belge, kBicim, sorunlar);
    bilinmeyenBolumler(belge, foyBolumleri(),
                       {QStringLiteral("format"), QStringLiteral("version"), QStringLiteral("foyKodu")},
                       sorunlar);
    const std::optional<QString> kodMetni = sayiMetni(belge.value(QStringLiteral("foyKodu")));
    const qint32 kaynakKod = kodMetni ? kodMetni->toInt() : 0;
    if (kaynakKod <= 0)
        sorunlar << QStringLiteral("$.foyKodu: sıfırdan büyük bir föy kodu olmalı");
    sonuc.foyKodu = yeniKod.value_or(kaynakKod);

    QHash<QString, QList<FieldValues>> satirlar;
    for (const Bolum& b : foyBolumleri())
        satirlar.insert(QLatin1String(b.ad), satirlariDenetle(b, belge, sorunlar));
    if (satirlar.value(QStringLiteral("foy")).isEmpty()) {
        sorunlar << QStringLiteral("$.foy: föyün baş bilgileri eksik");
        return sonuc;
    }
    FieldValues& bas = satirlar[QStringLiteral("foy")].first();

    // The codes the file refers to.
    for (const Atif& a : kAtiflar) {
        const QList<FieldValues>& liste = satirlar.value(QLatin1String(a.bolum));
        for (qsizetype i = 0; i < liste.size(); ++i) {
            const qint32 k = kod(liste[i], a.sutun);
            const bool zorunlu = qstrcmp(a.sutun, "parabirimikodu") == 0;
            if ((k != 0 || zorunlu) &&
                !varMi(db,
                       QStringLiteral("select 1 from %1 where %2 = ?")
                           .arg(QLatin1String(a.tablo), QLatin1String(a.anahtar)),
                       {k}))
                sorunlar << yol(a.bolum, i, alanBySutun(a.bolum, a.sutun)) +
                                QStringLiteral(": %1 kodlu %2 veritabanında yok")
                                    .arg(k)
                                    .arg(QString::fromUtf8(a.ad));
        }
    }
    // The creditor: stored already with the same switches, or given by the document.
    const qint32 alacakliKodu = kod(bas, "alacaklikodu");
    const QJsonArray kayitliAlacakli =
        satirlariOku(db, bolum("alacakli"), QStringLiteral("where alacaklikodu = ?"), {alacakliKodu});
    const QList<FieldValues>& belgeAlacakli = satirlar.value(QStringLiteral("alacakli"));
    const bool alacakliBelgede = !belgeAlacakli.isEmpty();
    if (alacakliBelgede && kod(belgeAlacakli.first(), "alacaklikodu") != alacakliKodu)
        sorunlar << QStringLiteral("$.alacakli.alacakliKodu: föyün alacaklısı (%1) olmalı")
                        .arg(alacakliKodu);
    else if (!alacakliBelgede && kayitliAlacakli.isEmpty())
        sorunlar << QStringLiteral("$.foy.alacakliKodu: %1 kodlu alacaklı veritabanında yok ve "
                                   "belgede de verilmemiş")
                        .arg(alacakliKodu);
    else if (alacakliBelgede && !kayitliAlacakli.isEmpty() &&
             kayitliAlacakli.first().toObject() != belge.value(QStringLiteral("alacakli")).toObject())
        sorunlar << QStringLiteral("$.alacakli: %1 kodlu alacaklı veritabanında başka ayarlarla "
                                   "kayıtlı")
                        .arg(alacakliKodu);
    // Rate tables: the file's own are in the document, shared ones in the database.
    QSet<qint32> kendiTablolari;
    for (const FieldValues& t : satirlar.value(QStringLiteral("faizTablolari")))
        kendiTablolari.insert(kod(t, "faizoranitablosukodu"));
    const QList<FieldValues>& oranlar = satirlar.value(QStringLiteral("faizOranlari"));
    for (qsizetype i = 0; i < oranlar.size(); ++i)
        if (!kendiTablolari.contains(kod(oranlar[i], "faizoranitablosukodu")))
            sorunlar << yol("faizOranlari", i, alanBySutun("faizOranlari", "faizoranitablosukodu")) +
                            QStringLiteral(": belgenin faiz tablolarında olmayan bir tablo");
    for (const TabloAtfi& a : kTabloAtiflari) {
        QList<FieldValues>& liste = satirlar[QLatin1String(a.bolum)];
        for (qsizetype i = 0; i < liste.size(); ++i) {
            const qint32 tablo = kod(liste[i], a.kodSutunu);
            const qint32 sahibi = kod(liste[i], a.foySutunu);
            if (tablo <= 0)
                continue;
            const bool bulundu =
                sahibi == kaynakKod
                    ? kendiTablolari.contains(tablo)
                    : varMi(db,
                            QStringLiteral("select 1 from tblfaizoranitablosu where foykodu = ? "
                                           "and faizoranitablosukodu = ?"),
                            {sahibi, tablo});
            if (!bulundu)
                sorunlar << yol(a.bolum, i, alanBySutun(a.bolum, a.kodSutunu)) +
                                QStringLiteral(": %1 kodlu faiz tablosu (föy %2) yok")
                                    .arg(tablo)
                                    .arg(sahibi);
            // The file's own tables move with it when it is imported under another code.
            if (sahibi == kaynakKod && sahibi != 0)
                for (FieldValue& alan : liste[i])
                    if (alan.first == QLatin1String(a.foySutunu))
                        alan.second = sonuc.foyKodu;
        }
    }
    const bool mevcut = sonuc.foyKodu > 0 &&
                        varMi(db, QStringLiteral("select 1 from tblfoy where foykodu = ?"),
                              {sonuc.foyKodu});
    if (mevcut && !uzerineYaz)
        sorunlar << QStringLiteral("$.foyKodu: %1 kodlu föy zaten var (üzerine yazmak için "
                                   "--replace)")
                        .arg(sonuc.foyKodu);
    if (!sorunlar.isEmpty())
        return sonuc;

    db.beginTransaction();
    try {
        if (mevcut) {
            for (const Bolum& b : foyBolumleri())
                if (*b.foySutunu)
                    db.execute(QStringLiteral("delete from %1 where foykodu = ?")
                                   .arg(QLatin1String(b.tablo)),
                               {sonuc.foyKodu});
            // The stored summary was the old content's.
            db.execute(QStringLiteral("delete from tblfoy_hesap where foykodu = ?"),
                       {sonuc.foyKodu});
        }
        for (const Bolum& b : foyBolumleri()) {
            if (qstrcmp(b.ad, "alacakli") == 0 && !kayitliAlacakli.isEmpty())
                continue;
            satirlariYaz(db, b, satirlar.value(QLatin1String(b.ad)), sonuc.foyKodu);
        }
        db.commit();
    } catch (...) {
        db.rollback();
        throw;
    }
    return sonuc;
}

}  // namespace quv
