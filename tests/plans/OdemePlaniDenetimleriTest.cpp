// The wizard's input checks, and the bulk entry of equal instalments for the manual plan.

#include "PlanTestDestegi.h"

#include "file/clsAlacakKalemi.h"
#include "plans/OdemePlaniMesajlari.h"
#include "plans/TopluTahsilatGirisi.h"

namespace quv {
namespace {

using test::para;
namespace M = OdemePlaniMesajlari;
namespace D = OdemePlaniDenetimleri;

const QString kHesapTarihi = QStringLiteral("20231231");

struct Beklenen {
    QString mesaj;  // empty: passes
    QString alan = QString();
    int satir = 0;
};

void karsilastir(const Denetim& d, const Beklenen& b) {
    EXPECT_EQ(d.Mesaj, b.mesaj);
    if (!b.mesaj.isEmpty()) {
        EXPECT_EQ(d.Alan, b.alan);
        EXPECT_EQ(d.Satir, b.satir);
    }
}

TEST(OdemePlaniDenetimleri, RateAndOffsetGrids) {
    test::SharedStateGuard guard;
    const QString faiz = QStringLiteral("grdFaizOrani");
    struct Durum {
        QList<QStringList> satirlar;
        Beklenen beklenen;
    } durumlar[] = {
        {{{QString(), QString()}}, {M::FaizOraniGiriniz, faiz}},
        {{{QStringLiteral("20230101"), QStringLiteral("9")}}, {}},
        {{{QStringLiteral("20230101"), QStringLiteral("9")}, {QString(), QStringLiteral("12")}},
         {M::FaizBaslangicTarihiGiriniz, faiz, 2}},
        {{{QStringLiteral("20230101"), QString()}}, {M::FaizOraniniGiriniz, faiz, 1}},
    };
    for (const Durum& d : durumlar) {
        BellekGridi grid;
        for (const QStringList& s : d.satirlar)
            grid.satirEkle(s);
        // Only a rate of 0 asks for the grid.
        OdemePlaniAyarlari ayarlar;
        ayarlar.FaizOraniGridi = &grid;
        clsFoyBilgileri foy;
        karsilastir(D::ValuesOK(ayarlar, foy), d.beklenen);
        ayarlar.FaizOrani = 9;
        karsilastir(D::ValuesOK(ayarlar, foy), {});
    }

    // The severance claim's grid, for employee-claim files whose claim has an amount.
    clsFoyBilgileri isci;
    isci.AlacakTipi = E_AT_53IsciAlacagi;
    isci.KidemTazminatiKalemi = std::make_shared<clsAlacakKalemi>();
    isci.KidemTazminatiKalemi->Tutar = para("5000");
    OdemePlaniAyarlari ayarlar;
    ayarlar.FaizOrani = 9;
    karsilastir(D::ValuesOK(ayarlar, isci),
                {M::KidemFaizOraniGiriniz, QStringLiteral("grdKidemFaizOrani")});
    ayarlar.KidemFaizOrani = 9;
    karsilastir(D::ValuesOK(ayarlar, isci), {});

    // Offset orders: a filled row needs a date and a chosen order.
    const QString mahsup = QStringLiteral("grdMahsupSirasi");
    BellekGridi siralar;
    siralar.satirEkle({QStringLiteral("20230101"), QStringLiteral("0")});
    siralar.satirEkle({QString(), QString()});
    siralar.satirEkle({QStringLiteral("20230601"), QString()});
    ayarlar.MahsupSirasi = E_TMS_TabloKullanilmakta;
    ayarlar.MahsupSirasiGridi = &siralar;
    karsilastir(D::ValuesOK(ayarlar, isci), {M::MahsupSirasiSeciniz, mahsup, 3});
    BellekGridi tarihsiz;
    tarihsiz.satirEkle({QString(), QStringLiteral("1")});
    karsilastir(D::CheckMahsupGridi(&tarihsiz), {M::MahsupTarihiGiriniz, mahsup, 1});
}

// By count (the count, the first date) and by amount (the amount, its first date); the
// calculation date itself is refused as a first date.
TEST(OdemePlaniDenetimleri, ModeInputs) {
    test::SharedStateGuard guard;
    const QString sayi = QStringLiteral("oceTaksitSayisi");
    const QString ilk = QStringLiteral("otrIlkTarih");
    const QString ilk2 = QStringLiteral("otrIlkTaksitTarihi2");
    struct Durum {
        bool tutara;
        const char* deger;  // the count or the amount
        const char* tarih;
        Beklenen beklenen;
    } durumlar[] = {
        {false, "0", "20240131", {M::TaksitSayisiniGiriniz, sayi}},
        {false, "3", "", {M::IlkTaksitTarihiniGiriniz, ilk}},
        {false, "3", "20231231", {M::IlkTaksitTarihiSonraOlmali1, ilk}},
        {false, "1", "20240101", {}},
        {true, "0", "20240131", {M::TaksitTutariniGiriniz, QStringLiteral("oceTaksitTutari2")}},
        {true, "100", "", {M::IlkTaksitTarihiniGiriniz, ilk2}},
        {true, "100", "20231231", {M::IlkTaksitTarihiSonraOlmali2, ilk2}},
        {true, "0.01", "20240101", {}},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(std::string(d.deger) + " " + d.tarih);
        const QString tarih = QString::fromLatin1(d.tarih);
        karsilastir(d.tutara
                        ? D::CheckForAutoCalc2({Money(), tarih, para(d.deger), 1, E_ST_Ay, false},
                                               kHesapTarihi)
                        : D::CheckForAutoCalc1(
                              {Money(), tarih, qint16(QByteArray(d.deger).toShort()), 1, E_ST_Ay},
                              kHesapTarihi),
                    d.beklenen);
    }
}

TEST(OdemePlaniDenetimleri, ManualRows) {
    test::SharedStateGuard guard;
    const QString grid = QStringLiteral("grdTahsilat");
    const ManuelTahsilat bos{};
    const ManuelTahsilat iyi{QStringLiteral("20240131"), para("100")};
    struct Durum {
        QList<ManuelTahsilat> satirlar;
        Beklenen beklenen;
    } durumlar[] = {
        {{bos}, {M::OnceTahsilatGiriniz, grid}},
        {{iyi, {QString(), para("100")}}, {M::TahsilatTarihiGiriniz, grid, 2}},
        {{{QStringLiteral("20231230"), para("100")}}, {M::TahsilatTarihiOnceOlamaz, grid, 1}},
        // On the calculation date itself a payment is allowed.
        {{{QStringLiteral("20231231"), para("100")}}, {}},
        {{iyi, bos, {QStringLiteral("20240229"), Money()}}, {M::TahsilatTutariGiriniz, grid, 3}},
        {{iyi, bos}, {}},
    };
    for (const Durum& d : durumlar)
        karsilastir(D::CheckTahsilatGrid({d.satirlar, false}, kHesapTarihi), d.beklenen);
}

// A failing check stops the computation before the working copy is touched.
class OdemePlaniGirdiTest : public test::OdemePlaniTesti {};

TEST_P(OdemePlaniGirdiTest, AFailingCheckStopsTheComputation) {
    faizliDosya("10000");
    OdemePlaniHesabi& p = ac();
    p.Sayiya = {Money(), kHesapTarihi, 12, 1, E_ST_Ay};
    EXPECT_FALSE(p.HesaplaSayiya());
    EXPECT_EQ(mesajlar().last(), M::IlkTaksitTarihiSonraOlmali1);
    EXPECT_EQ(p.SonDenetim.Alan, QStringLiteral("otrIlkTarih"));
    p.Sayiya.IlkTarih = QStringLiteral("20240131");
    p.Ayarlar.FaizIndirimi = 100.01;
    p.Ayarlar.FaizOrani = 12;
    EXPECT_FALSE(p.HesaplaSayiya());
    EXPECT_EQ(mesajlar().last(), M::FaizIndirimi100);
    // Nothing of the settings reached the working copy.
    EXPECT_EQ(p.Wizardfoy->FaizIndirimOrani, 0.0);
    EXPECT_EQ(p.Wizardfoy->FaizOrani, 9.0f);
    EXPECT_EQ(p.GecerliHesap, 0);
    // A full reduction is accepted.
    p.Ayarlar.FaizIndirimi = 100;
    EXPECT_TRUE(p.HesaplaSayiya()) << hatalar().join(u'\n').toStdString();
    EXPECT_TRUE(p.SonDenetim.gecti());
    hataYok();
}

INSTANTIATE_TEST_SUITE_P(Backends, OdemePlaniGirdiTest,
                         ::testing::ValuesIn(test::availableBackends()), test::adi);

TEST(TopluTahsilatGirisi, ChecksTheEntriesInOrder) {
    test::SharedStateGuard guard;
    const auto giris = [](const char* tutar, qint16 adet, const char* ilk, qint16 periyot) {
        return TopluTahsilatGirisi{
            kHesapTarihi, para(tutar),       adet, QString::fromLatin1(ilk), periyot,
            E_ST_Ay,      E_TS_IcradanAlinan};
    };
    struct Durum {
        TopluTahsilatGirisi giris;
        const char* mesaj;
    } durumlar[] = {
        {giris("0", 3, "20240131", 1), "Lütfen taksit tutarını giriniz."},
        {giris("100", 0, "20240131", 1), "Lütfen taksit sayısını giriniz."},
        {giris("100", 100, "20240131", 1), ""},
        {giris("100", 101, "20240131", 1), "Taksit sayısını 100'den fazla olamaz."},
        {giris("100", 3, "", 1), "Lütfen ilk taksit tarihini giriniz."},
        {giris("100", 3, "20231231", 1),
         "Taksit tarihi hesap tarihinden(31.12.2023) sonra olmalıdır."},
        {giris("100", 3, "20240131", 0), "Lütfen periyot değerini (taksit aralıkları) giriniz."},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.mesaj);
        EXPECT_EQ(d.giris.Denetle().Mesaj, QString::fromUtf8(d.mesaj));
    }
}

// Each date counts its months from the first one: the 31st comes back after February.
TEST(TopluTahsilatGirisi, RowsStepFromTheFirstDate) {
    test::SharedStateGuard guard;
    TopluTahsilatGirisi giris{kHesapTarihi, para("250"),      4, QStringLiteral("20240131"), 1,
                              E_ST_Ay,      E_TS_EldenYapilan};
    QStringList tarihler;
    for (const ManuelTahsilat& s : giris.Satirlar()) {
        EXPECT_EQ(s.Tutar, para("250"));
        EXPECT_EQ(s.TahsilatSekli, E_TS_EldenYapilan);
        tarihler << s.Tarih;
    }
    EXPECT_EQ(tarihler, (QStringList{"20240131", "20240229", "20240331", "20240430"}));
    giris.PeriyotTipi = E_ST_Gun;
    giris.Periyot = 15;
    EXPECT_EQ(giris.Satirlar().last().Tarih, QStringLiteral("20240316"));  // 31.1 + 45 days
}

}  // namespace
}  // namespace quv
