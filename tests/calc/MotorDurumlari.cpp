// Whole-file engine cases written as data: each file of durumlar/ holds cases, each a
// few lines over a base file, with the expected summary fields and the arithmetic
// behind them. Every case is imported as a real case file into a fresh database of each
// backend and calculated through the facade.
//
// A case: {"ad": name, "hesap": [the arithmetic], "ayarlar": {section: fields} over the
// base settings (one row each: alacakli, harclar, secenekler; a list replaces a section),
// "foy": fields over the base head, "alacaklar"/"tahsilatlar"/... rows over the defaults
// below, "beklenen": {summary field: value, "Mesaj": text, "alacaklar[i].Alan": value,
// "mahsuplar[i]": the parts of the i-th collection, "Hata": a text of the reported error}.
// "gibi": the name of an earlier case of the file whose input (not its "beklenen") this
// case changes; objects are merged field by field, lists replaced.
//
// The base: creditor 2 charges no fee and counts a 365-day year; one tariff row (from
// 2000) of zeros with a rounding unit of 1; every office option off; an attorney-fee
// scale of one bracket at 0 %. File 1 is a general claim file (type 13, form 1) in lira
// at a fixed 9 %, enforcement 1 March 2023, calculation date 31 December 2023.

#include "calc/TahsilatMahsubu.h"
#include "calc/clsKademeliFaizKalemi.h"
#include "calc/colKademeliFaizler.h"
#include "engine/clsHesapAna.h"
#include "file/DbFixture.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "formats/AyarBelgesi.h"
#include "formats/BelgeSemasi.h"
#include "formats/FoyBelgesi.h"
#include "formats/JsonSayilari.h"
#include "summary/clsHesapOzeti.h"
#include "summary/clsUYAPBakiyeleri.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

namespace quv {
namespace {

using belge::sayi;
using belge::sayiMetni;

const char* const kTemelAyarlar = R"({"format": "quvhesap-ayarlar", "version": 1,
 "paraBirimleri": [{"kod": 1, "ad": "Türk Lirası", "simge": "TL"}, {"kod": 2, "ad": "ABD Doları", "simge": "USD"}],
 "harclar": [{"tarih": "2000-01-01", "yuvarlamaDegeri": 1}],
 "secenekler": [{"kod": 1}],
 "vekaletUcretiOranlari": [{"tarih": "2000-01-01", "kod": 1, "miktar": 999999999, "oran": 0}]})";

const char* const kTemelFoy = R"({"format": "quvhesap-foy", "version": 1, "foyKodu": 1,
 "foy": {"alacakliKodu": 2, "paraBirimiKodu": 1, "takipTarihi": "2023-03-01",
         "hesapTarihi": "2023-12-31", "foyKayitTarihi": "2023-01-01", "faizOrani": 9,
         "alacakTipi": 13, "formTipi": 1, "dosyaSonucu": 1, "borcluSayisi": 1,
         "tahsilatMahsupSirasi": 1, "ihtiyatiHacizVar": 0},
 "alacakli": {"alacakliKodu": 2}})";

// What the rows of a section hold unless a case says otherwise (codes: in order).
const char* const kSatirVarsayilanlari = R"({
 "alacaklar": {"alacakKodu": 0, "birikmisFaiz": 0, "faizOrani": 0},
 "sonrakiAlacaklar": {"alacakKodu": 0, "alacakAdi": "Sonraki", "faizOrani": 0, "matrahlaraDahil": 0},
 "todalar": {"alacakKodu": 0, "faizOrani": 0},
 "sahislar": {"foySahisKodu": 0, "foySahisTipi": 1, "tahsilHarciHesapla": 1, "tumAdreslereGonderilsin": 0,
              "muvekkileTebligatGonderilmesin": 0, "vekileTebligatGonder": 0},
 "tahsilatlar": {"paraBirimiKodu": 1, "tahsilatSekli": 9},
 "masraflar": {"resmi": 1}})";

QJsonObject oku(const QByteArray& metin) {
    QString hata;
    const std::optional<QJsonDocument> belge = belge::jsonOku(metin, hata);
    EXPECT_TRUE(belge) << hata.toStdString();
    return belge ? belge->object() : QJsonObject();
}

// Every column of the row 0 unless given (a Null switch reads as 0 as well, but a Null
// amount of the tariff fails the load, as it should).
QJsonObject sifirla(QJsonObject satir, const belge::Bolum& bolum) {
    for (const belge::Alan& alan : bolum.alanlar)
        if (!satir.contains(QLatin1String(alan.ad)) && alan.tur != belge::AlanTuru::Metin &&
            alan.tur != belge::AlanTuru::Tarih)
            satir.insert(QLatin1String(alan.ad), sayi(QStringLiteral("0")));
    return satir;
}

const belge::Bolum& bolum(const QList<belge::Bolum>& bolumler, const QString& ad) {
    for (const belge::Bolum& b : bolumler)
        if (QLatin1String(b.ad) == ad)
            return b;
    ADD_FAILURE() << "no section " << ad.toStdString();
    return bolumler.first();
}

// The object's fields over those of the base object, objects within merged alike.
QJsonObject ustune(QJsonObject temel, const QJsonObject& degisen) {
    for (auto it = degisen.begin(); it != degisen.end(); ++it)
        temel.insert(it.key(),
                     it.value().isObject() && temel.value(it.key()).isObject()
                         ? QJsonValue(ustune(temel.value(it.key()).toObject(), it->toObject()))
                         : QJsonValue(it.value()));
    return temel;
}

QByteArray ayarlar(const QJsonObject& durum) {
    QJsonObject belge = oku(kTemelAyarlar);
    const QJsonObject degisen = durum.value("ayarlar").toObject();
    for (const char* tekSatir : {"harclar", "secenekler"}) {
        QJsonArray satirlar = belge.value(tekSatir).toArray();
        const QJsonObject satir =
            ustune(satirlar.first().toObject(), degisen.value(tekSatir).toObject());
        satirlar.replace(0, sifirla(satir, bolum(belge::ayarBolumleri(), tekSatir)));
        belge.insert(tekSatir, satirlar);
    }
    for (auto it = degisen.begin(); it != degisen.end(); ++it)
        if (it.value().isArray())
            belge.insert(it.key(), it.value());
    return belge::jsonYaz(belge);
}

QByteArray foy(const QJsonObject& durum) {
    QJsonObject belge = oku(kTemelFoy);
    belge.insert("foy", ustune(belge.value("foy").toObject(), durum.value("foy").toObject()));
    belge.insert("alacakli",
                 sifirla(ustune(belge.value("alacakli").toObject(),
                                durum.value("ayarlar").toObject().value("alacakli").toObject()),
                         bolum(belge::foyBolumleri(), "alacakli")));
    for (const belge::Bolum& b : belge::foyBolumleri()) {
        const QJsonValue satirlar = durum.value(QLatin1String(b.ad));
        if (b.tekNesne || !satirlar.isArray())
            continue;
        QJsonArray dizi = satirlar.toArray();
        const QJsonObject varsayilan =
            oku(kSatirVarsayilanlari).value(QLatin1String(b.ad)).toObject();
        for (qsizetype i = 0; i < dizi.size(); ++i) {
            QJsonObject satir = ustune(varsayilan, dizi[i].toObject());
            // Rows are numbered in order unless a case gives the code.
            for (const char* kod : {"alacakKodu", "foySahisKodu"})
                if (varsayilan.contains(QLatin1String(kod)) &&
                    !dizi[i].toObject().contains(QLatin1String(kod)))
                    satir.insert(QLatin1String(kod), sayi(QString::number(i + 1)));
            dizi.replace(i, satir);
        }
        belge.insert(QLatin1String(b.ad), dizi);
    }
    return belge::jsonYaz(belge);
}

// "kayit": values the wizard sets on the file's record before the replay, and the
// debtor's commitment date ("taahhutTarihi").
void kayitAyarla(clsFoyBilgileri& f, const QJsonObject& kayit) {
    const std::pair<const char*, bool*> bayraklar[] = {
        {"Sihirbazdan", &f.Sihirbazdan},
        {"KarsiliksizCekTazminatiniSifirla", &f.KarsiliksizCekTazminatiniSifirla},
        {"VekaletUcretiIlkMasrafSabitle", &f.VekaletUcretiIlkMasrafSabitle}};
    const std::pair<const char*, Money*> sabitler[] = {
        {"Sabit_HarcaEsasDeger", &f.Sabit_HarcaEsasDeger},
        {"Sabit_PesinHarc", &f.Sabit_PesinHarc},
        {"Sabit_VekaletUcreti", &f.Sabit_VekaletUcreti},
        {"Sabit_IlkGider", &f.Sabit_IlkGider}};
    for (auto it = kayit.begin(); it != kayit.end(); ++it) {
        const QString sayi = sayiMetni(it.value()).value_or(QString());
        for (const auto& [ad, bayrak] : bayraklar)
            if (it.key() == QLatin1String(ad))
                *bayrak = sayi.toInt() != 0;
        for (const auto& [ad, sabit] : sabitler)
            if (it.key() == QLatin1String(ad))
                *sabit = Money::parse(sayi);
        if (it.key() == QLatin1String("FaizIndirimOrani"))
            f.FaizIndirimOrani = sayi.toDouble();
        if (it.key() == QLatin1String("SihirbazinEkledigiIlkTahsilatNo"))
            f.SihirbazinEkledigiIlkTahsilatNo = qint16(sayi.toInt());
    }
}

// What the run gave for a field a case names, as text: a summary field, the file's
// message, the number of claims, or a field of one claim ("todalar[1].Uyap.FaizBakiyesi";
// "Kademeler": its tiered lines, one a line).
QString gercek(const QString& alan, clsFoyBilgileri& f) {
    if (alan == QLatin1String("Mesaj"))
        return f.Mesaj;
    if (alan == QLatin1String("alacaklar.Sayi"))
        return Money::fromUnits(f.Alacaklar().Count()).toDecimalString();
    const std::pair<const char*, Money> kayittakiler[] = {
        {"IlkSihirbazTahsilatinaKadarFaiz", f.IlkSihirbazTahsilatinaKadarFaiz},
        {"TaahhutTarihindeFaizTutari_AsilAlacak", f.TaahhutTarihindeFaizTutari_AsilAlacak},
        {"TaahhutTarihindeFaizTutari_TODA", f.TaahhutTarihindeFaizTutari_TODA},
        {"TaahhutTarihindeFaizTutari_SonrakiAlacak", f.TaahhutTarihindeFaizTutari_SonrakiAlacak}};
    for (const auto& [ad, tutar] : kayittakiler)
        if (alan == QLatin1String(ad))
            return tutar.toDecimalString();
    const QString liste = alan.section(u'[', 0, 0);
    const int no = alan.section(u'[', 1).section(u']', 0, 0).toInt();
    if (liste == QLatin1String("mahsuplar")) {
        // "part amount" a line in the order the collection reached them, then what was left
        const TahsilatMahsubu m = f.TahsilatMahsuplari.value(no - 1);
        QStringList satirlar;
        for (const MahsupKismi& k : m.Kisimlar)
            satirlar << mahsupBileseniAdi(k.Bilesen) + u' ' +
                            QString::number(k.Tutar.toDouble(), 'f', 2);
        if (!m.Kalan.isZero())
            satirlar << QStringLiteral("kalan ") + QString::number(m.Kalan.toDouble(), 'f', 2);
        return satirlar.join(u'\n');
    }
    if (alan.contains(u'[')) {
        colAlacaklar& kalemler = liste == QLatin1String("todalar")            ? f.TODAs()
                                 : liste == QLatin1String("sonrakiAlacaklar") ? f.SonrakiAlacaklar()
                                                                              : f.Alacaklar();
        // "kidem[1]": the severance claim of an employee file
        if (liste == QLatin1String("kidem") && !f.KidemTazminatiKalemi)
            return QStringLiteral("kıdem kalemi yok");
        clsAlacakKalemi& a =
            liste == QLatin1String("kidem") ? *f.KidemTazminatiKalemi : kalemler.Item(no);
        const QString ad = alan.section(u'.', 1);
        const clsUYAPBakiyeleri& u = a.UyapBakiyeleri();
        const std::pair<const char*, Money> tutarlar[] = {
            {"IslemisFaiz", a.IslemisFaiz},
            {"AsilAlacakBakiyesi", a.AsilAlacakBakiyesi},
            {"SonrakiFaiz", a.SonrakiFaiz},
            {"Uyap.AsilAlacakBakiyesi", u.AsilAlacakBakiyesi},
            {"Uyap.FaizBakiyesi", u.FaizBakiyesi},
            {"Uyap.BSMVBakiyesi", u.BSMVBakiyesi},
            {"Uyap.KDVBakiyesi", u.KDVBakiyesi}};
        for (const auto& [tutarAdi, tutar] : tutarlar)
            if (ad == QLatin1String(tutarAdi))
                return tutar.toDecimalString();
        if (ad == QLatin1String("SonIslemTarihi"))
            return a.SonIslemTarihi;
        if (ad == QLatin1String("Kademeler")) {
            // "start end opened-by closed-by days rate interest after-the-start"
            QStringList satirlar;
            if (a.KademeliFaizDetayiPtr())
                for (const clsKademeliFaizKalemi& k : *a.KademeliFaizDetayiPtr())
                    satirlar << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                                    .arg(k.BaslangicTarihi, k.BitisTarihi)
                                    .arg(k.BaslamaKaynak)
                                    .arg(k.BitisKaynak)
                                    .arg(k.Gunsayisi)
                                    .arg(k.Oran)
                                    .arg(k.Tutar.toDecimalString())
                                    .arg(int(k.TakiptenSonra));
            return satirlar.join(u'\n');
        }
    }
    for (const clsHesapOzeti::Alan& a : clsHesapOzeti::Alanlar())
        if (a.ad == alan)
            return a.para ? (f.HesapOzeti().*a.para).toDecimalString()
                          : QString::number(f.HesapOzeti().*a.oran);
    ADD_FAILURE() << "unknown field " << alan.toStdString();
    return QString();
}

class MotorDurumlari : public test::DbFixture {};

TEST_P(MotorDurumlari, EveryCaseGivesItsHandDerivedSummary) {
    const QDir klasor(QStringLiteral(QUV_ENGINE_CASES));
    const QStringList dosyalar = klasor.entryList({"*.json"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(dosyalar.isEmpty());
    for (const QString& ad : dosyalar) {
        QFile dosya(klasor.filePath(ad));
        ASSERT_TRUE(dosya.open(QIODevice::ReadOnly));
        const QJsonArray durumlar = oku(dosya.readAll()).value("durumlar").toArray();
        QHash<QString, QJsonObject> oncekiler;
        for (const QJsonValue& d : durumlar) {
            QJsonObject durum = d.toObject();
            if (durum.contains("gibi")) {
                QJsonObject temel = oncekiler.value(durum.value("gibi").toString());
                EXPECT_FALSE(temel.isEmpty())
                    << "no earlier case " << durum.value("gibi").toString().toStdString();
                temel.remove("beklenen");
                durum = ustune(temel, durum);
            }
            oncekiler.insert(durum.value("ad").toString(), durum);
            SCOPED_TRACE((ad + u':' + durum.value("ad").toString()).toStdString());
            SetUp();
            ASSERT_EQ(AyarBelgesi::iceAktar(*db_, ayarlar(durum)), QStringList());
            ASSERT_EQ(FoyBelgesi::iceAktar(*db_, foy(durum)).sorunlar, QStringList());
            clsHesapAna hesap;
            hesap.setActiveConnection(db_);
            guard_.errors().clear();
            // With record values the file is loaded first, then they are set and it is replayed.
            const QJsonObject kayit = durum.value("kayit").toObject();
            std::shared_ptr<clsFoyBilgileri> f =
                hesap.TariheGoreHesapla(1, QString(), false, kayit.isEmpty(), true);
            ASSERT_TRUE(f) << guard_.errors().messages().join(u'\n').toStdString();
            if (!kayit.isEmpty()) {
                kayitAyarla(*f, kayit);
                hesap.IlgiliHesabiCagir(*f, kayit.value("taahhutTarihi").toString());
            }
            QJsonObject bek = durum.value("beklenen").toObject();
            // "Hata": a text the first reported error holds; without it no error.
            const QString hata = bek.take("Hata").toString();
            if (hata.isEmpty())
                EXPECT_EQ(guard_.errors().messages(), QStringList());
            else
                EXPECT_TRUE(guard_.errors().messages().value(0).contains(hata))
                    << guard_.errors().messages().join(u'\n').toStdString();
            for (auto it = bek.begin(); it != bek.end(); ++it) {
                const QString deger = gercek(it.key(), *f);
                const std::optional<QString> sayiM = sayiMetni(it.value());
                if (it.value().isArray()) {
                    QStringList satirlar;
                    for (const QJsonValue& satir : it.value().toArray())
                        satirlar << satir.toString();
                    EXPECT_EQ(deger, satirlar.join(u'\n')) << it.key().toStdString();
                } else if (!sayiM)
                    EXPECT_EQ(deger, it.value().toString()) << it.key().toStdString();
                else  // amounts and rates alike to four places
                    EXPECT_EQ(Money::parse(deger).toDecimalString(),
                              Money::parse(*sayiM).toDecimalString())
                        << it.key().toStdString();
            }
        }
    }
}

QUV_ON_BACKENDS(MotorDurumlari);

}  // namespace
}  // namespace quv
