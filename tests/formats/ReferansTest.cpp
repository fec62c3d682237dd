// The shipped official rate tables: a document that must be refused names each problem's
// place; an update only adds what is missing and leaves the office's rows alone; a
// calculation dated past a table's checked date is warned about.

#include "file/DbFixture.h"
#include "formats/AyarBelgesi.h"
#include "formats/ReferansBelgesi.h"
#include "formats/ReferansTablolari.h"

namespace quv {
namespace {

const char* const kBelge = R"J({"format": "quvhesap-referans", "version": 1,
 "kaynaklar": [{"ad": "a", "adres": "https://a"}],
 "tablolar": [{"kod": 901, "ad": "Yasal Faiz (3095/1)", "denetimTarihi": "2026-12-31",
  "oranlar": [{"tarih": "2006-01-01", "oran": 9, "dayanak": "d", "kaynaklar": ["a"], "guven": "C2"},
              {"tarih": "2024-06-01", "oran": 24, "dayanak": "d", "kaynaklar": ["a"], "guven": "C2"}]}]})J";

TEST(ReferansBelgesi, ABadDocumentNamesEveryPlace) {
    const struct {
        const char *eski, *yeni, *sorun;
    } durumlar[] = {
        {"\"version\": 1", "\"version\": 2",
         "Belge bir \"quvhesap-referans\" belgesi (sürüm 1) değil."},
        {"\"oran\": 24", "\"oran\": -1",
         "tablolar[0].oranlar[1].oran: 0 ile 1000 arasında bir sayı olmalı"},
        {"2024-06-01", "2005-06-01",
         "tablolar[0].oranlar[1].tarih: bir önceki oranın tarihinden sonra olmalı"},
        {"2024-06-01", "2024-02-30",
         "tablolar[0].oranlar[1].tarih: YYYY-AA-GG biçiminde, takvimde olan bir tarih olmalı"},
        {"\"guven\": \"C2\"}]", "\"guven\": \"C3\"}]",
         "tablolar[0].oranlar[1].guven: C2, C1, D ya da U olmalı"},
        {"\"kaynaklar\": [\"a\"], \"guven\": \"C2\"}]",
         "\"kaynaklar\": [\"b\"], \"guven\": \"C2\"}]",
         "tablolar[0].oranlar[1].kaynaklar: kaynaklar listesinde olmayan bir kaynak (\"b\")"},
    };
    for (const auto& d : durumlar) {
        QStringList sorunlar;
        const QByteArray metin = QByteArray(kBelge).replace(d.eski, d.yeni);
        EXPECT_FALSE(ReferansBelgesi::oku(metin, sorunlar)) << d.sorun;
        EXPECT_EQ(sorunlar, QStringList(QString::fromUtf8(d.sorun)));
    }
}

class ReferansTest : public test::DbFixture {
protected:
    int sayi(const QString& sql) {
        RecordSet rs = db_->openRecordSet(sql);
        return rs.value(0).toInt();
    }
    QStringList uyarilar(qint32 kod, const char* tarih) {
        return ReferansTablolari::uyarilar(*db_, {kod}, QString::fromLatin1(tarih));
    }
};

TEST_P(ReferansTest, AnUpdateAddsOnlyWhatIsMissingAndLeavesTheOfficesRowsAlone) {
    // 7 tables: 10 + 11 legal rates, 23 half-yearly commercial rates, 34 Central Bank
    // change dates in each of three tables, 14 years of the late-payment rate.
    ReferansTablolari::Ekleme ilk = ReferansTablolari::ekle(*db_, ReferansBelgesi::gomulu());
    EXPECT_EQ(ilk.tablo, 7);
    EXPECT_EQ(ilk.oran, 160);
    EXPECT_EQ(sayi("select count(*) from tblfaizoranitablosu_detay where foykodu = 0"), 160);

    // The office corrects a rate, deletes one, adds its own and gives code 907 to a table
    // of its own.
    db_->execute(
        "update tblfaizoranitablosu_detay set faizorani = 25 where faizoranitablosukodu = 901 and "
        "tarih = '20240601'");
    db_->execute(
        "delete from tblfaizoranitablosu_detay where faizoranitablosukodu = 905 and tarih = "
        "'20251220'");
    add("tblfaizoranitablosu_detay",
        kv({"foykodu", 0, "faizoranitablosukodu", 901, "tarih", "20260201", "faizorani", 30}));
    db_->execute("delete from tblfaizoranitablosu_detay where faizoranitablosukodu = 907");
    db_->execute(
        "update tblfaizoranitablosu set faizoranitablosuadi = 'Büro Tablosu' where "
        "faizoranitablosukodu = 907");

    const ReferansTablolari::Ekleme ikinci =
        ReferansTablolari::ekle(*db_, ReferansBelgesi::gomulu());
    EXPECT_EQ(ikinci.satirlar,
              (QStringList{"905 \"TCMB Avans Faizi\": 20.12.2025 tarihli %39,75 eklendi.",
                           "907 \"TTK 1530 Temerrüt Faizi\": bu kod büroda \"Büro Tablosu\" "
                           "tablosunun; dokunulmadı."}));
    EXPECT_EQ(sayi("select faizorani from tblfaizoranitablosu_detay where faizoranitablosukodu = "
                   "901 and tarih = '20240601'"),
              25);
    EXPECT_EQ(
        sayi("select count(*) from tblfaizoranitablosu_detay where faizoranitablosukodu = 901"),
        11);
    EXPECT_EQ(
        sayi("select count(*) from tblfaizoranitablosu_detay where faizoranitablosukodu = 907"), 0);
    EXPECT_EQ(ReferansTablolari::ekle(*db_, ReferansBelgesi::gomulu()).satirlar.size(),
              1);  // 907 again
}

TEST_P(ReferansTest, ASettingsImportKeepsTheShippedTablesItDoesNotHold) {
    ReferansTablolari::ekle(*db_, ReferansBelgesi::gomulu());
    const QByteArray ayarlar = R"J({"format": "quvhesap-ayarlar", "version": 1,
      "faizTablolari": [{"faizOraniTablosuKodu": 1, "faizOraniTablosuAdi": "Büro", "mevduatFaizOraniTablosu": 0},
                        {"faizOraniTablosuKodu": 903, "faizOraniTablosuAdi": "Ticari Temerrüt Faizi (3095/2, altı aylık)", "mevduatFaizOraniTablosu": 0}],
      "faizOranlari": [{"faizOraniTablosuKodu": 903, "tarih": "2020-01-01", "faizOrani": 13.75}]})J";
    ASSERT_EQ(AyarBelgesi::iceAktar(*db_, ayarlar), QStringList());
    EXPECT_EQ(sayi("select count(*) from tblfaizoranitablosu where foykodu = 0"), 8);
    // The document's own rows of 903 replace the shipped ones; 901 is whole.
    EXPECT_EQ(
        sayi("select count(*) from tblfaizoranitablosu_detay where faizoranitablosukodu = 903"), 1);
    EXPECT_EQ(
        sayi("select count(*) from tblfaizoranitablosu_detay where faizoranitablosukodu = 901"),
        10);
}

TEST_P(ReferansTest, ACalculationPastTheCheckedDateIsWarnedAbout) {
    ReferansTablolari::ekle(*db_, ReferansBelgesi::gomulu());
    // The legal rate was checked up to 31.01.2026; from 01.09.2026 the warning names the
    // annulment for non-contractual debts.
    EXPECT_EQ(uyarilar(901, "20260131"), QStringList());
    ASSERT_EQ(uyarilar(901, "20260201").size(), 1);
    EXPECT_TRUE(uyarilar(901, "20260201")[0].startsWith(
        "\"Yasal Faiz (3095/1)\" tablosunun oranları 31.01.2026 tarihine kadar denetlendi; "
        "01.02.2026 tarihli hesapta"));
    EXPECT_FALSE(uyarilar(901, "20260831")[0].contains("Anayasa Mahkemesi"));
    EXPECT_TRUE(uyarilar(902, "20260901")[0].contains("01.09.2026'dan geçerli olmak üzere iptal"));
    // The half-yearly commercial rate is fixed up to 30.06.2026; an office table is never
    // warned about.
    EXPECT_EQ(uyarilar(903, "20260630"), QStringList());
    EXPECT_EQ(uyarilar(903, "20260701").size(), 1);
    EXPECT_EQ(uyarilar(1, "20991231"), QStringList());
    // A newer document moves the checked date.
    QStringList sorunlar;
    ReferansTablolari::ekle(*db_, *ReferansBelgesi::oku(kBelge, sorunlar));
    EXPECT_EQ(uyarilar(901, "20261231"), QStringList());
    EXPECT_EQ(uyarilar(901, "20270101").size(), 1);
    // The same code under another name is the office's table.
    db_->execute(
        "update tblfaizoranitablosu set faizoranitablosuadi = 'Büro' where faizoranitablosukodu = "
        "901");
    EXPECT_EQ(uyarilar(901, "20270101"), QStringList());

    // A file names the shared tables of its head and of its claims; a file's own table
    // (file code other than 0) is not one of them.
    add("tblfoy", kv({"foykodu", 7, "faizoranitablosufoykodu", 0, "faizoranitablosukodu", 903}));
    add("tblfoy_alacak",
        kv({"foykodu", 7, "faizoranitablosufoykodu", 0, "faizoranitablosukodu", 901}));
    add("tblfoy_alacak",
        kv({"foykodu", 7, "faizoranitablosufoykodu", 7, "faizoranitablosukodu", 905}));
    QList<qint32> kodlar = ReferansTablolari::foyunTablolari(*db_, 7);
    std::sort(kodlar.begin(), kodlar.end());
    EXPECT_EQ(kodlar, (QList<qint32>{901, 903}));
}

QUV_ON_BACKENDS(ReferansTest);

}  // namespace
}  // namespace quv
