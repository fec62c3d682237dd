#include "TopluGuncellemeTestVerisi.h"
#include "engine/RecordSet.h"
#include "engine/Variant.h"
#include "file/clsFoyBilgileri.h"
#include "summary/clsHesapOzeti.h"
#include "tools/TopluFoyGuncelleyici.h"

#include <gtest/gtest.h>

// The criteria of each case name only the fields it sets; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quv::test {
namespace {

using K = TopluGuncellemeKriterleri;
using Durum = TopluGuncellemeSonucu::Durum;

TEST(TopluGuncellemeSorgusu, BuildsTheFileListAndTheDateMoveFromTheCriteria) {
    const struct {
        K k;
        const char* where;
    } cases[] = {
        {{}, ""},
        // A typed code in its plain decimal form.
        {{.FoyKoduOp = ">", .FoyKodu1 = " 007 "}, "where (t1.foykodu > 7)"},
        // The second value counts only with "Arasında", which needs both.
        {{.FoyKodu1 = "5", .FoyKodu2 = "9"}, "where (t1.foykodu = 5)"},
        {{.FoyKoduOp = "Arasında", .FoyKodu1 = "3", .FoyKodu2 = "7"},
         "where (t1.foykodu between 3 and 7)"},
        {{.FoyKoduOp = "Arasında", .FoyKodu1 = "3"}, ""},
        {{.TakipTarihiOp = "Arasında", .TakipTarihi1 = "20230101", .TakipTarihi2 = "20231231"},
         "where (t1.takiptarihi between '20230101' and '20231231')"},
        {{.FoyKoduOp = "<=",
          .FoyKodu1 = "9",
          .TakipTarihiOp = "<",
          .TakipTarihi1 = "20240101",
          .DosyaSonucu = 1,
          .AvukatKodu = 3},
         "where (t1.foykodu <= 9) and (t1.takiptarihi < '20240101') and (t1.dosyasonucu = 1) "
         "and (t1.avukatkodu = 3)"},
    };
    clsHesapAna hesap;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        TopluFoyGuncelleyici calisan(hesap);
        calisan.Kriterler = c.k;
        calisan.Kriterler.HesapTarihi = QStringLiteral("20240301");
        EXPECT_EQ(calisan.SorguOlustur(), QString::fromUtf8(c.where));
    }
    // The criteria go into the file list and into the date move without the alias.
    TopluFoyGuncelleyici calisan(hesap);
    calisan.Kriterler = {.FoyKodu1 = "5", .HesapTarihi = "20240301"};
    EXPECT_EQ(calisan.FoyListesiSorgusu(),
              "select t1.foykodu from tblfoy t1  where (t1.foykodu = 5) order by t1.foykodu");
    EXPECT_EQ(calisan.TarihTasimaSorgusu(),
              "update tblfoy  set hesaptarihi = '20240301'  where (foykodu = 5)");
}

// Typed values are checked before any of them reaches a statement.
TEST(TopluGuncellemeSorgusu, RefusesTypedValuesThatAreNotNumbersOrDates) {
    const QString foy = QStringLiteral("Lütfen föy kodu için geçerli bir tam sayı giriniz: \"%1\"");
    const struct {
        K k;
        QString mesaj;
    } cases[] = {
        // The choice of work is checked first.
        {{.FoyKodu1 = "abc"}, TopluFoyGuncelleyici::SecenekMesaji()},
        {{.TebligatBilgileriniTazele = true}, QString()},
        {{.FoyKodu1 = "1) or (1=1", .HesapBilgileriniGunle = true}, foy.arg("1) or (1=1")},
        {{.FoyKodu1 = "2147483648", .HesapBilgileriniGunle = true}, foy.arg("2147483648")},
        {{.FoyKoduOp = "Arasında", .FoyKodu1 = "1", .FoyKodu2 = "x", .HesapBilgileriniGunle = true},
         foy.arg("x")},
        // A hidden second box does not count.
        {{.FoyKodu1 = "1", .FoyKodu2 = "x", .HesapBilgileriniGunle = true}, QString()},
        {{.TakipTarihi1 = "20230101' or '1'='1", .HesapBilgileriniGunle = true},
         "Lütfen takip tarihi için geçerli bir tarih giriniz: \"20230101' or '1'='1\""},
        {{.HesapTarihi = "20241301", .HesapBilgileriniGunle = true},
         QStringLiteral("Lütfen hesap tarihi için geçerli bir tarih giriniz: \"20241301\"")},
        {{.FoyKoduOp = "LIKE", .HesapBilgileriniGunle = true},
         QStringLiteral("Geçersiz karşılaştırma işleci: \"LIKE\". Seçenekler: =, >, <, >=, <=, "
                        "Arasında")},
    };
    clsHesapAna hesap;
    for (const auto& c : cases) {
        TopluFoyGuncelleyici calisan(hesap);
        calisan.Kriterler = c.k;
        EXPECT_EQ(calisan.Dogrula(), c.mesaj)
            << c.k.FoyKodu1.toStdString() << c.k.TakipTarihi1.toStdString();
    }
    // Stopped before the first file: no file to name.
    EXPECT_EQ(TopluFoyGuncelleyici::DurdurulduMesaji(4, 0, 0),
              QStringLiteral("Güncelleme işlemi durduruldu.\rKritere uygun 4 föyden 4 tanesi "
                             "güncellenemedi"));
}

class TopluFoyGuncelleyiciTest : public TopluGuncellemeTesti {
protected:
    TopluGuncellemeSonucu calistir(K k) {
        TopluFoyGuncelleyici c(*hesap_);
        c.Kriterler = std::move(k);
        return c.Calistir();
    }
    std::string hatalar() { return guard_.errors().messages().join(u'\n').toStdString(); }
};

TEST_P(TopluFoyGuncelleyiciTest, TheNewDateGoesToTheMatchingFilesBeforeTheirRecalculation) {
    const TopluGuncellemeSonucu sonuc = calistir({.FoyKoduOp = "Arasında",
                                                  .FoyKodu1 = "2",
                                                  .FoyKodu2 = "4",
                                                  .HesapTarihi = "20240214",
                                                  .HesapBilgileriniGunle = true});
    EXPECT_EQ(sonuc.durum, Durum::Tamamlandi);
    EXPECT_EQ(sonuc.Mesaj,
              QStringLiteral("Kriterlere uygun föylerin güncelleme işlemi tamamlandı."));
    EXPECT_EQ(sonuc.Sayi, 3);
    for (qint32 foy = 1; foy <= 10; ++foy)
        EXPECT_EQ(hesapTarihi(foy),
                  foy >= 2 && foy <= 4 ? QStringLiteral("20240214") : QStringLiteral("20240115"))
            << foy;
    EXPECT_EQ(ozetiOlanlar(), (QList<qint32>{2, 3, 4}));

    // File 3 was calculated at the new date: 30 more days (15 January to 14 February
    // 2024) of 9 % on 3,000 over a 360-day year: 3,000 x 0.09 x 30 / 360 = 22.50.
    RecordSet rs = db_->openRecordSet(
        QStringLiteral("select sonrakifaiz from tblfoy_hesap where foykodu = 3"));
    auto eski = hesap_->TariheGoreHesapla(3, QStringLiteral("20240115"), false);
    ASSERT_TRUE(eski);
    EXPECT_EQ(Money::fromVariant(rs.value(0)) - eski->HesapOzeti().SonrakiFaiz, M("22.50"));
    EXPECT_TRUE(guard_.errors().messages().isEmpty()) << hatalar();
}

// "Arasında" with one value drops the criterion; without a new date nothing is moved.
TEST_P(TopluFoyGuncelleyiciTest, BetweenWithOneValueSelectsEveryFileAndMovesNoDate) {
    const TopluGuncellemeSonucu sonuc =
        calistir({.FoyKoduOp = "Arasında", .FoyKodu1 = "4", .HesapBilgileriniGunle = true});
    EXPECT_EQ(sonuc.Sayi, 10);
    EXPECT_EQ(sonuc.SonFoyKodu, 10);
    EXPECT_EQ(ozetiOlanlar().size(), 10);
    for (const QString& sql : calisanSorgular())
        EXPECT_FALSE(sql.contains(QStringLiteral("set hesaptarihi"))) << sql.toStdString();
    EXPECT_EQ(hesapTarihi(6), QStringLiteral("20240115"));
}

TEST_P(TopluFoyGuncelleyiciTest, AFailingStatusUpdateIsReportedAndTheRunGoesOn) {
    tebligatEkle(1, 5);  // class 1
    tebligatEkle(2, 8);
    tebligatEkle(3, 8);  // class 2
    // A notification of file 2 without its party: the status cannot be worked out.
    db_->addRow(QStringLiteral("tblfoy_tebligat"),
                {{QStringLiteral("foykodu"), 2},
                 {QStringLiteral("tebligatkodu"), 2},
                 {QStringLiteral("tebligtarihi"), QStringLiteral("20230401")},
                 {QStringLiteral("tebligatdurumu"), 5}});
    const TopluGuncellemeSonucu sonuc =
        calistir({.FoyKoduOp = "<=", .FoyKodu1 = "3", .TebligatBilgileriniTazele = true});
    EXPECT_EQ(sonuc.durum, Durum::Tamamlandi);
    EXPECT_EQ(sonuc.Guncellenen, 3);
    EXPECT_EQ(sonuc.HataSayisi, 1u);
    EXPECT_EQ(guard_.errors().messages(),
              QStringList{hataMesaji("Hesap.modGenel.FoyTebligatDurumuGuncelle", 94,
                                     "Invalid use of Null")});
    EXPECT_EQ(tebligatDurumu(1), 1);
    EXPECT_EQ(tebligatDurumu(2), -1);
    EXPECT_EQ(tebligatDurumu(3), 2);
    // The tracking rows of every file were rebuilt, the failing file's too.
    QList<qint32> izler;
    for (RecordSet rs = db_->openRecordSet(
             QStringLiteral("select foykodu from tblfoy_tebligat_iz order by foykodu"));
         !rs.eof(); rs.moveNext())
        izler << toInt32(rs.value(0));
    EXPECT_EQ(izler, (QList<qint32>{1, 2, 3}));
    // Only the notifications were asked for: nothing was recalculated.
    EXPECT_TRUE(ozetiOlanlar().isEmpty());
}

TEST_P(TopluFoyGuncelleyiciTest, InvalidCriteriaTouchNothing) {
    TopluFoyGuncelleyici c(*hesap_);
    c.Kriterler = {.FoyKodu1 = "1; delete from tblfoy",
                   .HesapTarihi = "20240214",
                   .HesapBilgileriniGunle = true};
    bool cagrildi = false;
    c.Basladi = [&](int) { cagrildi = true; };
    EXPECT_EQ(c.Calistir().durum, Durum::Gecersiz);
    EXPECT_FALSE(cagrildi);
    EXPECT_TRUE(calisanSorgular().isEmpty());
}

TEST_P(TopluFoyGuncelleyiciTest, AFileListThatCannotBeReadEndsTheRunWithItsReport) {
    db_->execute(QStringLiteral("alter table tblfoy rename to tblfoy_eski"));
    const TopluGuncellemeSonucu sonuc = calistir({.HesapBilgileriniGunle = true});
    EXPECT_EQ(sonuc.durum, Durum::Hata);
    EXPECT_TRUE(sonuc.Mesaj.isEmpty());
    ASSERT_EQ(guard_.errors().messages().size(), 1);
    EXPECT_TRUE(guard_.errors().messages().first().startsWith(
        QStringLiteral("Hatanın oluştuğu yer : Hesap.frmTopluFoyGunle.cmdGuncel_Click\rHata : ")));
}

INSTANTIATE_TEST_SUITE_P(Backends, TopluFoyGuncelleyiciTest,
                         ::testing::ValuesIn(availableBackends()),
                         [](const auto& info) { return backendName(info.param).toStdString(); });

}  // namespace
}  // namespace quv::test
