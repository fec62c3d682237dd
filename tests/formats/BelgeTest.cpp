// Case files and settings documents that must be refused: each problem is named with
// its place, and nothing at all is written. A document imported under another code or
// over an existing file.

#include "file/DbFixture.h"
#include "formats/AyarBelgesi.h"
#include "formats/FoyBelgesi.h"
#include "formats/JsonSayilari.h"
#include "formats/JsonSemasi.h"

#include <QFile>
#include <QJsonArray>

namespace quv {
namespace {

QByteArray demoBelgesi(const char* ad) {
    QFile dosya(QStringLiteral(QUV_DEMO_DIR "/") + QLatin1String(ad));
    EXPECT_TRUE(dosya.open(QIODevice::ReadOnly)) << ad;
    return dosya.readAll();
}

class BelgeTest : public test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        ASSERT_EQ(AyarBelgesi::iceAktar(*db_, demoBelgesi("settings.json")), QStringList());
    }
    int sayi(const char* sql) {
        RecordSet rs = db_->openRecordSet(QString::fromLatin1(sql));
        return rs.value(0).toInt();
    }
};

TEST_P(BelgeTest, ABadCaseFileIsRefusedWholeWithEveryPlaceNamed) {
    // File 1004 (invoices) with one fault written into its text.
    const QByteArray foy = demoBelgesi("cases/1004.json");
    struct Durum {
        QByteArray eski, yeni;
        QStringList sorunlar;
    } durumlar[] = {
        {"\"format\": \"quvhesap-foy\",", "\"format\": \"quvhesap-foy\",,",
         {"JSON sözdizimi hatası (satır 45, "}},
        {"\"formTipi\": 1,", "\"formTipi\": \"1\",", {"$.foy.formTipi: bir tam sayı olmalı"}},
        {"\"alacakTipi\": 4,", "\"alacakTipi\": 29,",
         {"$.foy.alacakTipi: 1 ile 28 arasında bir değer olmalı (29 tanımlı değil)"}},
        {"\"tutar\": 64800", "\"tutar\": 64800.00005",
         {"$.alacaklar[0].tutar: en çok dört ondalıklı bir tutar olmalı (64800.00005)"}},
        {"\"takipTarihi\": \"2023-", "\"takipTarihi\": \"2023-02-30\", \"x\": \"",
         {"$.foy.takipTarihi: takvimde olmayan bir gün (\"2023-02-30\")", "$.foy.x: bilinmeyen alan"}},
        {"\"paraBirimiKodu\": 1,", "\"paraBirimiKodu\": 9,",
         {"$.foy.paraBirimiKodu: 9 kodlu para birimi veritabanında yok"}},
        {"\"faizOraniTablosuKodu\": 903,", "\"faizOraniTablosuKodu\": 77,",
         {"$.foy.faizOraniTablosuKodu: 77 kodlu faiz tablosu (föy 0) yok"}},
        {"\"version\": 1", "\"version\": 2", {"$.version: bu sürüm yalnızca 1. sürümü okur"}},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.yeni.toStdString());
        ASSERT_TRUE(foy.contains(d.eski));
        QByteArray metin = foy;
        metin.replace(metin.indexOf(d.eski), d.eski.size(), d.yeni);
        const QStringList sorunlar = FoyBelgesi::iceAktar(*db_, metin).sorunlar;
        ASSERT_EQ(sorunlar.size(), d.sorunlar.size()) << sorunlar.join(u'\n').toStdString();
        for (qsizetype i = 0; i < sorunlar.size(); ++i)
            EXPECT_TRUE(sorunlar[i].startsWith(d.sorunlar[i])) << sorunlar[i].toStdString();
        EXPECT_EQ(sayi("select count(*) from tblfoy") + sayi("select count(*) from tblfoy_alacak") +
                      sayi("select count(*) from tblalacakli"),
                  0);
    }
}

TEST_P(BelgeTest, AnExistingFileIsReplacedOnlyWhenAskedAndAnotherCodeKeepsItsOwnTables) {
    // File 1012 given a rate table of its own; imported as 2012 it refers to its copy.
    QByteArray foy = demoBelgesi("cases/1012.json");
    foy.replace("\"faizOraniTablosuFoyKodu\": 0,\n        \"faizOraniTablosuKodu\": 4,",
                "\"faizOraniTablosuFoyKodu\": 1012, \"faizOraniTablosuKodu\": 5,");
    foy.replace("\"foy\": {", "\"faizTablolari\": [{\"faizOraniTablosuKodu\": 5}], \"faizOranlari\": "
                            "[{\"faizOraniTablosuKodu\": 5, \"tarih\": \"2020-01-01\", \"faizOrani\": 40}],"
                            " \"foy\": {");
    ASSERT_EQ(FoyBelgesi::iceAktar(*db_, foy).sorunlar, QStringList());
    EXPECT_EQ(FoyBelgesi::iceAktar(*db_, foy).sorunlar,
              QStringList("$.foyKodu: 1012 kodlu föy zaten var (üzerine yazmak için --replace)"));
    const int alacaklar = sayi("select count(*) from tblfoy_alacak where foykodu = 1012");
    ASSERT_EQ(FoyBelgesi::iceAktar(*db_, foy, std::nullopt, true).sorunlar, QStringList());
    EXPECT_EQ(sayi("select count(*) from tblfoy_alacak where foykodu = 1012"), alacaklar);
    ASSERT_EQ(FoyBelgesi::iceAktar(*db_, foy, 2012).foyKodu, 2012);
    EXPECT_EQ(sayi("select count(*) from tblfaizoranitablosu where foykodu = 2012"),
              sayi("select count(*) from tblfaizoranitablosu where foykodu = 1012"));
    EXPECT_EQ(sayi("select count(*) from tblfoy where foykodu = 2012 and "
                   "faizoranitablosufoykodu = 2012"),
              1);
}

TEST_P(BelgeTest, SettingsKeepTheStoredPasswordsAndRefuseARateInAMissingCurrency) {
    db_->execute("update tbloptions_all set smssifresi = 'gizli' where kod = 1");
    QByteArray ayarlar = demoBelgesi("settings.json");
    ASSERT_FALSE(ayarlar.contains("smsSifresi"));
    ASSERT_EQ(AyarBelgesi::iceAktar(*db_, ayarlar), QStringList());
    EXPECT_EQ(sayi("select count(*) from tbloptions_all where smssifresi = 'gizli'"), 1);
    const QJsonObject secenekler =
        AyarBelgesi::disaAktar(*db_, true).value("secenekler").toArray().first().toObject();
    EXPECT_EQ(secenekler.value("smsSifresi").toString(), "gizli");

    const int kurlar = sayi("select count(*) from tblkur");
    ayarlar.replace("\"paraBirimiKodu\": 2,", "\"paraBirimiKodu\": 7,");
    const QStringList sorunlar = AyarBelgesi::iceAktar(*db_, ayarlar);
    ASSERT_FALSE(sorunlar.isEmpty());
    EXPECT_TRUE(sorunlar.first().endsWith(": 7 kodlu para birimi yok"))
        << sorunlar.first().toStdString();
    EXPECT_EQ(sayi("select count(*) from tblkur"), kurlar);
}

// The published schemas are the ones the program makes from its section lists.
TEST(BelgeSemalari, TheDocumentedSchemasAreCurrent) {
    for (const auto& [ad, sema] : {std::pair{"case-format", belge::foySemasi()},
                                   std::pair{"settings-format", belge::ayarSemasi()}}) {
        QFile dosya(QStringLiteral(QUV_DEMO_DIR "/../../docs/%1.schema.json").arg(QLatin1String(ad)));
        ASSERT_TRUE(dosya.open(QIODevice::ReadOnly)) << ad;
        EXPECT_EQ(dosya.readAll(), belge::jsonYaz(sema)) << ad << ": quvhesap case/settings schema";
    }
}

QUV_ON_BACKENDS(BelgeTest);

}  // namespace
}  // namespace quv
