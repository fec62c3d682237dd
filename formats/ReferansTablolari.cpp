#include "formats/ReferansTablolari.h"

#include "engine/RuntimeError.h"
#include "engine/TextDate.h"
#include "engine/Variant.h"

#include <QMap>

namespace quv::ReferansTablolari {

namespace {

// The program's own record of the date up to which each shipped table was checked; the
// host tables have no column for it.
const QString kDenetim = QStringLiteral("tblfaizoranitablosu_denetim");

bool denetimTablosuVar(const Database& db) {
    return db.tables().contains(kDenetim, Qt::CaseInsensitive);
}

QString gosterim(const QString& tarih) {
    return TextDate::toDate(tarih).toString(QStringLiteral("dd.MM.yyyy"));
}

QString oranMetni(double oran) {
    return QString::number(oran, 'f', 2).replace(u'.', u',');
}

// The stored name of a shared table head; none when the code has no head.
std::optional<QString> basAdi(Database& db, qint32 kod) {
    RecordSet rs = db.openRecordSet(
        QStringLiteral("select faizoranitablosuadi from tblfaizoranitablosu where foykodu = 0 "
                       "and faizoranitablosukodu = ?"),
        CursorType::ForwardOnly, {kod});
    if (rs.eof())
        return std::nullopt;
    return isNull(rs.value(0)) ? QString() : toText(rs.value(0));
}

void denetimKaydet(Database& db, const ReferansTablosu& t) {
    RecordSet rs = db.openRecordSet(QStringLiteral("select denetimtarihi from ") + kDenetim +
                                        QStringLiteral(" where faizoranitablosukodu = ?"),
                                    CursorType::ForwardOnly, {t.kod});
    if (rs.eof())
        db.addRow(kDenetim, {{QStringLiteral("faizoranitablosukodu"), t.kod},
                             {QStringLiteral("faizoranitablosuadi"), t.ad},
                             {QStringLiteral("denetimtarihi"), t.denetimTarihi}});
    else if (toText(rs.value(0)) < t.denetimTarihi)
        db.execute(QStringLiteral("update ") + kDenetim +
                       QStringLiteral(" set denetimtarihi = ? where faizoranitablosukodu = ?"),
                   {t.denetimTarihi, t.kod});
}

void tabloEkle(Database& db, const ReferansTablosu& t, bool denetimVar, Ekleme& sonuc) {
    const std::optional<QString> ad = basAdi(db, t.kod);
    const QString baslik = QStringLiteral("%1 \"%2\"").arg(t.kod).arg(t.ad);
    if (ad && *ad != t.ad) {
        sonuc.satirlar
            << QStringLiteral("%1: bu kod büroda \"%2\" tablosunun; dokunulmadı.").arg(baslik, *ad);
        return;
    }
    if (!ad) {
        db.addRow(QStringLiteral("tblfaizoranitablosu"),
                  {{QStringLiteral("foykodu"), 0},
                   {QStringLiteral("faizoranitablosukodu"), t.kod},
                   {QStringLiteral("faizoranitablosuadi"), t.ad},
                   {QStringLiteral("mevduatfaizoranitablosu"), 0}});
        ++sonuc.tablo;
        sonuc.satirlar << baslik + QStringLiteral(": tablo eklendi.");
    }
    QMap<QString, QVariant> kayitli;
    RecordSet rs = db.openRecordSet(
        QStringLiteral("select tarih, faizorani from tblfaizoranitablosu_detay where foykodu = 0 "
                       "and faizoranitablosukodu = ?"),
        CursorType::ForwardOnly, {t.kod});
    for (; !rs.eof(); rs.moveNext())
        kayitli.insert(toText(rs.value(0)), rs.value(1));
    for (const ReferansOrani& o : t.oranlar) {
        if (kayitli.contains(o.tarih))
            continue;
        db.addRow(QStringLiteral("tblfaizoranitablosu_detay"),
                  {{QStringLiteral("foykodu"), 0},
                   {QStringLiteral("faizoranitablosukodu"), t.kod},
                   {QStringLiteral("tarih"), o.tarih},
                   {QStringLiteral("faizorani"), o.oran}});
        ++sonuc.oran;
        sonuc.satirlar << QStringLiteral("%1: %2 tarihli %%3 eklendi.")
                              .arg(baslik, gosterim(o.tarih), oranMetni(o.oran));
    }
    if (denetimVar)
        denetimKaydet(db, t);
}

struct Denetim {
    QString ad;
    QString tarih;
};

// The checked date and name of every table the program ships or the database recorded;
// the later date wins.
QMap<qint32, Denetim> denetimler(Database& db) {
    QMap<qint32, Denetim> sonuc;
    for (const ReferansTablosu& t : ReferansBelgesi::gomulu().tablolar)
        sonuc.insert(t.kod, {t.ad, t.denetimTarihi});
    if (!denetimTablosuVar(db))
        return sonuc;
    RecordSet rs = db.openRecordSet(
        QStringLiteral("select faizoranitablosukodu, faizoranitablosuadi, denetimtarihi from ") +
        kDenetim);
    for (; !rs.eof(); rs.moveNext()) {
        const qint32 kod = toInt32(rs.value(0));
        const Denetim d{toText(rs.value(1)), toText(rs.value(2))};
        if (!sonuc.contains(kod) || sonuc[kod].tarih < d.tarih)
            sonuc.insert(kod, d);
    }
    return sonuc;
}

}  // namespace

Ekleme ekleIslemIcinde(Database& db, const ReferansBelgesi& belge) {
    Ekleme sonuc;
    const bool denetimVar = denetimTablosuVar(db) || db.backend() != Backend::ODBC;
    if (!denetimTablosuVar(db) && denetimVar)
        db.execute(QStringLiteral("create table ") + kDenetim +
                   QStringLiteral(" (faizoranitablosukodu integer primary key, "
                                  "faizoranitablosuadi text, denetimtarihi text)"));
    for (const ReferansTablosu& t : belge.tablolar)
        tabloEkle(db, t, denetimVar, sonuc);
    return sonuc;
}

Ekleme ekle(Database& db, const ReferansBelgesi& belge) {
    db.beginTransaction();
    try {
        Ekleme sonuc = ekleIslemIcinde(db, belge);
        db.commit();
        return sonuc;
    } catch (...) {
        db.rollback();
        throw;
    }
}

QList<qint32> foyunTablolari(Database& db, qint32 foyKodu) {
    QList<qint32> kodlar;
    RecordSet rs = db.openRecordSet(
        QStringLiteral(
            "select faizoranitablosukodu from tblfoy where foykodu = ? and "
            "faizoranitablosufoykodu = 0 union select kidemfaizoranitablosukodu from tblfoy "
            "where foykodu = ? and kidemfaizoranitablosufoykodu = 0 union select "
            "faizoranitablosukodu from tblfoy_alacak where foykodu = ? and "
            "faizoranitablosufoykodu = 0 union select faizoranitablosukodu from "
            "tblfoy_sonrakialacak where foykodu = ? and faizoranitablosufoykodu = 0 union select "
            "faizoranitablosukodu from tblfoy_toda where foykodu = ? and "
            "faizoranitablosufoykodu = 0"),
        CursorType::ForwardOnly, {foyKodu, foyKodu, foyKodu, foyKodu, foyKodu});
    for (; !rs.eof(); rs.moveNext())
        if (!isNull(rs.value(0)))
            kodlar << toInt32(rs.value(0));
    return kodlar;
}

QStringList uyarilar(Database& db, const QList<qint32>& kodlar, const QString& hesapTarihi) {
    QStringList sonuc;
    if (!TextDate::isValid(hesapTarihi))
        return sonuc;
    const QMap<qint32, Denetim> denetim = denetimler(db);
    for (const auto& [kod, d] : denetim.asKeyValueRange()) {
        // Only a table the database holds under the shipped name is the shipped table.
        if (!kodlar.contains(kod) || d.tarih >= hesapTarihi || basAdi(db, kod) != d.ad)
            continue;
        QString metin = QStringLiteral(
                            "\"%1\" tablosunun oranları %2 tarihine kadar denetlendi; %3 tarihli "
                            "hesapta sonraki değişiklikler eksik olabilir (güncel oranlar için: "
                            "quvhesap reference update).")
                            .arg(d.ad, gosterim(d.tarih), gosterim(hesapTarihi));
        if (const ReferansTablosu* t = ReferansBelgesi::gomulu().tablo(kod))
            for (const ReferansNotu& n : t->notlar)
                if (n.tarihten <= hesapTarihi)
                    metin += u' ' + n.metin;
        sonuc << metin;
    }
    return sonuc;
}

}  // namespace quv::ReferansTablolari
