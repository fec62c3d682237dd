#include "TopluGuncellemeTestVerisi.h"
#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "file/clsFoyBilgileri.h"
#include "summary/clsHesapOzeti.h"
#include "tools/TopluFoyGuncelleyici.h"

#include <gtest/gtest.h>

namespace quv::test {
namespace {

const QString Arasinda = QStringLiteral("Arasında");

// --- Query building --------------------------------------------------------

TEST(TopluGuncellemeSorgusu, BuildsTheFileListAndTheDateMoveFromTheCriteria) {
    struct Case {
        const char* ad;
        TopluGuncellemeKriterleri k;
        const char* where;
    };
    auto k = [](auto degistir) {
        TopluGuncellemeKriterleri c;
        degistir(c);
        return c;
    };
    const Case cases[] = {
        {"no criteria", k([](auto&) {}), ""},
        {"file code equal", k([](auto& c) { c.FoyKodu1 = QStringLiteral("5"); }),
         "where (t1.foykodu = 5)"},
        {"file code in its plain decimal form", k([](auto& c) {
             c.FoyKoduOp = QStringLiteral(">");
             c.FoyKodu1 = QStringLiteral(" 007 ");
         }),
         "where (t1.foykodu > 7)"},
        {"second value ignored without Arasında", k([](auto& c) {
             c.FoyKodu1 = QStringLiteral("5");
             c.FoyKodu2 = QStringLiteral("9");
         }),
         "where (t1.foykodu = 5)"},
        {"file code between", k([](auto& c) {
             c.FoyKoduOp = QStringLiteral("Arasında");
             c.FoyKodu1 = QStringLiteral("3");
             c.FoyKodu2 = QStringLiteral("7");
         }),
         "where (t1.foykodu between 3 and 7)"},
        {"between with one value is dropped", k([](auto& c) {
             c.FoyKoduOp = QStringLiteral("Arasında");
             c.FoyKodu1 = QStringLiteral("3");
         }),
         ""},
        {"enforcement date quoted", k([](auto& c) {
             c.TakipTarihiOp = QStringLiteral(">=");
             c.TakipTarihi1 = QStringLiteral("20230101");
         }),
         "where (t1.takiptarihi >= '20230101')"},
        {"enforcement date between", k([](auto& c) {
             c.TakipTarihiOp = QStringLiteral("Arasında");
             c.TakipTarihi1 = QStringLiteral("20230101");
             c.TakipTarihi2 = QStringLiteral("20231231");
         }),
         "where (t1.takiptarihi between '20230101' and '20231231')"},
        {"outcome and attorney", k([](auto& c) {
             c.DosyaSonucu = 11;
             c.AvukatKodu = 2;
         }),
         "where (t1.dosyasonucu = 11) and (t1.avukatkodu = 2)"},
        {"all four in their order", k([](auto& c) {
             c.FoyKoduOp = QStringLiteral("<=");
             c.FoyKodu1 = QStringLiteral("9");
             c.TakipTarihiOp = QStringLiteral("<");
             c.TakipTarihi1 = QStringLiteral("20240101");
             c.DosyaSonucu = 1;
             c.AvukatKodu = 3;
         }),
         "where (t1.foykodu <= 9) and (t1.takiptarihi < '20240101') and (t1.dosyasonucu = 1) "
         "and (t1.avukatkodu = 3)"},
    };
    clsHesapAna hesap;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ad);
        TopluFoyGuncelleyici calisan(hesap);
        calisan.Kriterler = c.k;
        calisan.Kriterler.HesapTarihi = QStringLiteral("20240301");
        const QString where = QString::fromUtf8(c.where);
        EXPECT_EQ(calisan.SorguOlustur(), where);
        const QString ara = where.isEmpty() ? QString() : u' ' + where;
        EXPECT_EQ(calisan.FoyListesiSorgusu(), QStringLiteral("select t1.foykodu from tblfoy t1 ") +
                                                   ara + QStringLiteral(" order by t1.foykodu"));
        EXPECT_EQ(calisan.TarihTasimaSorgusu(),
                  QStringLiteral("update tblfoy  set hesaptarihi = '20240301' ") +
                      QString(ara).remove(QStringLiteral("t1.")));
    }
}

TEST(TopluGuncellemeSorgusu, RefusesTypedValuesThatAreNotNumbersOrDates) {
    const QString foyMesaji =
        QStringLiteral("Lütfen föy kodu için geçerli bir tam sayı giriniz: \"%1\"");
    const QString takipMesaji =
        QStringLiteral("Lütfen takip tarihi için geçerli bir tarih giriniz: \"%1\"");
    const struct {
        QString foyOp, foy1, foy2, takipOp, takip1, takip2, hesapTarihi;
        bool hesap, tebligat;
        QString mesaj;
    } cases[] = {
        // The choice of work is checked first.
        {"=", "abc", "", "=", "", "", "", false, false, TopluFoyGuncelleyici::SecenekMesaji()},
        {"=", "", "", "=", "", "", "", true, false, QString()},
        {"=", "", "", "=", "", "", "", false, true, QString()},
        {"=", "12a", "", "=", "", "", "", true, false, foyMesaji.arg(QStringLiteral("12a"))},
        {"=", "1) or (1=1", "", "=", "", "", "", true, false,
         foyMesaji.arg(QStringLiteral("1) or (1=1"))},
        {"=", "2147483648", "", "=", "", "", "", true, false,
         foyMesaji.arg(QStringLiteral("2147483648"))},
        {"=", "12,5", "", "=", "", "", "", true, false, foyMesaji.arg(QStringLiteral("12,5"))},
        {"Arasında", "1", "x", "=", "", "", "", true, false, foyMesaji.arg(QStringLiteral("x"))},
        // A hidden second box does not count.
        {"=", "1", "x", "=", "", "", "", true, false, QString()},
        {"=", "-2147483648", "", "=", "", "", "", true, false, QString()},
        {"=", "", "", ">", "20230231", "", "", true, false,
         takipMesaji.arg(QStringLiteral("20230231"))},
        {"=", "", "", ">", "2023-01-01", "", "", true, false,
         takipMesaji.arg(QStringLiteral("2023-01-01"))},
        {"=", "", "", "Arasında", "20230101", "20231", "", true, false,
         takipMesaji.arg(QStringLiteral("20231"))},
        {"=", "", "", "=", "20230101' or '1'='1", "", "", true, false,
         takipMesaji.arg(QStringLiteral("20230101' or '1'='1"))},
        {"=", "", "", "=", "", "", "20241301", true, false,
         QStringLiteral("Lütfen hesap tarihi için geçerli bir tarih giriniz: \"20241301\"")},
        {"LIKE", "", "", "=", "", "", "", true, false,
         QStringLiteral("Geçersiz karşılaştırma işleci: \"LIKE\". Seçenekler: =, >, <, >=, <=, "
                        "Arasında")},
        {"Arasında", "1", "10", "Arasında", "20230101", "20231231", "20240229", true, true,
         QString()},
    };
    clsHesapAna hesap;
    for (const auto& c : cases) {
        TopluFoyGuncelleyici calisan(hesap);
        TopluGuncellemeKriterleri& k = calisan.Kriterler;
        k.FoyKoduOp = c.foyOp;
        k.FoyKodu1 = c.foy1;
        k.FoyKodu2 = c.foy2;
        k.TakipTarihiOp = c.takipOp;
        k.TakipTarihi1 = c.takip1;
        k.TakipTarihi2 = c.takip2;
        k.HesapTarihi = c.hesapTarihi;
        k.HesapBilgileriniGunle = c.hesap;
        k.TebligatBilgileriniTazele = c.tebligat;
        EXPECT_EQ(calisan.Dogrula(), c.mesaj) << c.foy1.toStdString() << c.takip1.toStdString();
    }
}

TEST(TopluGuncellemeSorgusu, StopMessageNamesTheLastFileOnlyWhenOneWasReached) {
    EXPECT_EQ(TopluFoyGuncelleyici::DurdurulduMesaji(10, 3, 1003),
              QStringLiteral("Güncelleme işlemi durduruldu.\rKritere uygun 10 föyden 7 tanesi "
                             "güncellenemedi\r1003 nolu föye kadar güncellendi."));
    // Stopped before the first file: no file to name.
    EXPECT_EQ(TopluFoyGuncelleyici::DurdurulduMesaji(4, 0, 0),
              QStringLiteral("Güncelleme işlemi durduruldu.\rKritere uygun 4 föyden 4 tanesi "
                             "güncellenemedi"));
}

// --- Runs over a database --------------------------------------------------

class TopluFoyGuncelleyiciTest : public TopluGuncellemeTesti {
protected:
    TopluFoyGuncelleyici calisan() {
        TopluFoyGuncelleyici c(*hesap_);
        c.Kriterler.HesapBilgileriniGunle = true;
        return c;
    }
    QString hatalar() { return guard_.errors().messages().join(u'\n'); }
};

TEST_P(TopluFoyGuncelleyiciTest, StoppedAfterTheThirdOfTenFiles) {
    TopluFoyGuncelleyici c = calisan();
    QList<int> basladi;
    QStringList ilerleme;
    c.Basladi = [&](int sayi) { basladi << sayi; };
    c.FoyBasliyor = [&](int sira, int sayi, qint32 foy) {
        ilerleme << TopluFoyGuncelleyici::IlerlemeMetni(sira, sayi, foy);
    };
    c.FoyBitti = [&](int sira, int, qint32) {
        if (sira == 3)
            c.Durdur();
    };
    const TopluGuncellemeSonucu sonuc = c.Calistir();
    EXPECT_EQ(sonuc.durum, TopluGuncellemeSonucu::Durum::Durduruldu);
    EXPECT_EQ(sonuc.Mesaj,
              QStringLiteral("Güncelleme işlemi durduruldu.\rKritere uygun 10 föyden "
                             "7 tanesi güncellenemedi\r3 nolu föye kadar güncellendi."));
    EXPECT_EQ(basladi, QList<int>{10});
    EXPECT_EQ(ilerleme,
              (QStringList{"1 / 10 Föy Kodu : 1", "2 / 10 Föy Kodu : 2", "3 / 10 Föy Kodu : 3"}));
    EXPECT_FALSE(c.Calisiyor());
    // Each file is committed on its own: the first three are recalculated, the rest untouched.
    EXPECT_EQ(saklananAnaparalar(), (QMap<qint32, qint64>{{1, 1000}, {2, 2000}, {3, 3000}}));
    EXPECT_EQ(sonuc.HataSayisi, 0u) << hatalar().toStdString();

    // Run again to the end: every file, in code order.
    TopluFoyGuncelleyici tekrar = calisan();
    const TopluGuncellemeSonucu tamam = tekrar.Calistir();
    EXPECT_EQ(tamam.durum, TopluGuncellemeSonucu::Durum::Tamamlandi);
    EXPECT_EQ(tamam.Mesaj,
              QStringLiteral("Kriterlere uygun föylerin güncelleme işlemi tamamlandı."));
    EXPECT_EQ(tamam.Guncellenen, 10);
    EXPECT_EQ(tamam.SonFoyKodu, 10);
    EXPECT_EQ(ozetiOlanlar(), (QList<qint32>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(guard_.errors().messages().isEmpty()) << hatalar().toStdString();
}

TEST_P(TopluFoyGuncelleyiciTest, TheNewDateGoesToTheMatchingFilesBeforeTheirRecalculation) {
    TopluFoyGuncelleyici c = calisan();
    c.Kriterler.FoyKoduOp = Arasinda;
    c.Kriterler.FoyKodu1 = QStringLiteral("2");
    c.Kriterler.FoyKodu2 = QStringLiteral("4");
    c.Kriterler.HesapTarihi = QStringLiteral("20240214");
    const TopluGuncellemeSonucu sonuc = c.Calistir();
    EXPECT_EQ(sonuc.durum, TopluGuncellemeSonucu::Durum::Tamamlandi);
    EXPECT_EQ(sonuc.Sayi, 3);
    EXPECT_TRUE(calisanSorgular().contains(uyarlanmis(QStringLiteral(
        "update tblfoy  set hesaptarihi = '20240214'  where (foykodu between 2 and 4)"))));
    for (qint32 foy = 1; foy <= 10; ++foy)
        EXPECT_EQ(hesapTarihi(foy),
                  foy >= 2 && foy <= 4 ? QStringLiteral("20240214") : QStringLiteral("20240115"))
            << foy;
    EXPECT_EQ(ozetiOlanlar(), (QList<qint32>{2, 3, 4}));

    // File 3 was calculated at the new date: 30 more days (15 January to 14 February
    // 2024) of 9 % on its principal of 3,000 over a 360-day year:
    // 3,000 x 0.09 x 30 / 360 = 22.50 more interest after the enforcement start.
    RecordSet rs = db_->openRecordSet(
        QStringLiteral("select sonrakifaiz from tblfoy_hesap where foykodu = 3"));
    const Money yeni = Money::fromVariant(rs.value(0));
    auto eski = hesap_->TariheGoreHesapla(3, QStringLiteral("20240115"), false);
    ASSERT_TRUE(eski);
    EXPECT_EQ(yeni - eski->HesapOzeti().SonrakiFaiz, M("22.50"));
    EXPECT_TRUE(guard_.errors().messages().isEmpty()) << hatalar().toStdString();
}

TEST_P(TopluFoyGuncelleyiciTest, WithoutANewDateNoFileIsMoved) {
    TopluFoyGuncelleyici c = calisan();
    c.Kriterler.FoyKodu1 = QStringLiteral("6");
    EXPECT_EQ(c.Calistir().durum, TopluGuncellemeSonucu::Durum::Tamamlandi);
    for (const QString& sql : calisanSorgular())
        EXPECT_FALSE(sql.contains(QStringLiteral("set hesaptarihi"))) << sql.toStdString();
    EXPECT_EQ(hesapTarihi(6), QStringLiteral("20240115"));
    EXPECT_EQ(ozetiOlanlar(), QList<qint32>{6});
}

TEST_P(TopluFoyGuncelleyiciTest, BetweenWithOneValueSelectsEveryFile) {
    TopluFoyGuncelleyici c = calisan();
    c.Kriterler.FoyKoduOp = Arasinda;
    c.Kriterler.FoyKodu1 = QStringLiteral("4");
    const TopluGuncellemeSonucu sonuc = c.Calistir();
    EXPECT_EQ(sonuc.Sayi, 10);
    EXPECT_EQ(ozetiOlanlar().size(), 10);
}

TEST_P(TopluFoyGuncelleyiciTest, OutcomeAndAttorneySelectOnlyTheirFiles) {
    // Outcomes around 11 and attorneys around 2, so an off-by-one shows.
    db_->execute(QStringLiteral("update tblfoy set dosyasonucu = 11 where foykodu in (4, 7)"));
    db_->execute(QStringLiteral("update tblfoy set dosyasonucu = 10 where foykodu = 5"));
    db_->execute(QStringLiteral("update tblfoy set dosyasonucu = 12 where foykodu = 6"));
    db_->execute(QStringLiteral("update tblfoy set avukatkodu = 2 where foykodu in (1, 7)"));
    db_->execute(QStringLiteral("update tblfoy set avukatkodu = 3 where foykodu = 4"));
    TopluFoyGuncelleyici c = calisan();
    c.Kriterler.DosyaSonucu = 11;
    EXPECT_EQ(c.Calistir().Sayi, 2);
    EXPECT_EQ(ozetiOlanlar(), (QList<qint32>{4, 7}));
    db_->execute(QStringLiteral("delete from tblfoy_hesap"));
    c.Kriterler.AvukatKodu = 2;
    EXPECT_EQ(c.Calistir().Sayi, 1);
    EXPECT_EQ(ozetiOlanlar(), QList<qint32>{7});
    c.Kriterler.AvukatKodu = 1;
    EXPECT_EQ(c.Calistir().durum, TopluGuncellemeSonucu::Durum::FoyYok);
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
    TopluFoyGuncelleyici c(*hesap_);
    c.Kriterler.TebligatBilgileriniTazele = true;
    c.Kriterler.FoyKoduOp = QStringLiteral("<=");
    c.Kriterler.FoyKodu1 = QStringLiteral("3");
    const TopluGuncellemeSonucu sonuc = c.Calistir();
    EXPECT_EQ(sonuc.durum, TopluGuncellemeSonucu::Durum::Tamamlandi);
    EXPECT_EQ(sonuc.Guncellenen, 3);
    EXPECT_EQ(sonuc.HataSayisi, 1u);
    ASSERT_EQ(guard_.errors().messages().size(), 1) << hatalar().toStdString();
    EXPECT_EQ(guard_.errors().messages().first(),
              hataMesaji("Hesap.modGenel.FoyTebligatDurumuGuncelle", 94, "Invalid use of Null"));
    EXPECT_EQ(tebligatDurumu(1), 1);
    EXPECT_EQ(tebligatDurumu(2), -1);
    EXPECT_EQ(tebligatDurumu(3), 2);
    // The tracking rows of every file were rebuilt, the failing file's too.
    RecordSet rs = db_->openRecordSet(
        QStringLiteral("select foykodu from tblfoy_tebligat_iz order by foykodu"));
    QList<qint32> izler;
    for (; !rs.eof(); rs.moveNext())
        izler << toInt32(rs.value(0));
    EXPECT_EQ(izler, (QList<qint32>{1, 2, 3}));
    // Only the notifications were asked for: nothing was recalculated.
    EXPECT_TRUE(ozetiOlanlar().isEmpty());
}

TEST_P(TopluFoyGuncelleyiciTest, InvalidCriteriaTouchNothing) {
    TopluFoyGuncelleyici c = calisan();
    c.Kriterler.FoyKodu1 = QStringLiteral("1; delete from tblfoy");
    c.Kriterler.HesapTarihi = QStringLiteral("20240214");
    bool cagrildi = false;
    c.Basladi = [&](int) { cagrildi = true; };
    const TopluGuncellemeSonucu sonuc = c.Calistir();
    EXPECT_EQ(sonuc.durum, TopluGuncellemeSonucu::Durum::Gecersiz);
    EXPECT_FALSE(sonuc.Mesaj.isEmpty());
    EXPECT_FALSE(cagrildi);
    EXPECT_TRUE(calisanSorgular().isEmpty());
}

TEST_P(TopluFoyGuncelleyiciTest, AFileListThatCannotBeReadEndsTheRunWithItsReport) {
    db_->execute(QStringLiteral("alter table tblfoy rename to tblfoy_eski"));
    TopluFoyGuncelleyici c = calisan();
    const TopluGuncellemeSonucu sonuc = c.Calistir();
    EXPECT_EQ(sonuc.durum, TopluGuncellemeSonucu::Durum::Hata);
    EXPECT_TRUE(sonuc.Mesaj.isEmpty());
    EXPECT_FALSE(c.Calisiyor());
    ASSERT_EQ(guard_.errors().messages().size(), 1);
    EXPECT_TRUE(guard_.errors().messages().first().startsWith(
        QStringLiteral("Hatanın oluştuğu yer : Hesap.frmTopluFoyGunle.cmdGuncel_Click\rHata : ")));
}

INSTANTIATE_TEST_SUITE_P(Backends, TopluFoyGuncelleyiciTest,
                         ::testing::ValuesIn(availableBackends()),
                         [](const auto& info) { return backendName(info.param).toStdString(); });

}  // namespace
}  // namespace quv::test
