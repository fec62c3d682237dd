// The wizard's input checks, and the bulk entry of equal instalments for the manual plan.

#include "PlanTestDestegi.h"

#include "file/clsAlacakKalemi.h"
#include "plans/TopluTahsilatGirisi.h"

namespace quv {
namespace {

using test::para;
namespace M = OdemePlaniMesajlari;
namespace D = OdemePlaniDenetimleri;

const QString kHesapTarihi = QStringLiteral("20231231");

// "message control row" of a failed check, empty for a passed one.
QString ozetle(const Denetim& d) {
    return d.gecti() ? QString() : QStringLiteral("%1 %2 %3").arg(d.Mesaj, d.Alan).arg(d.Satir);
}
QString hata(const QString& mesaj, const char* alan, int satir = 0) {
    return QStringLiteral("%1 %2 %3").arg(mesaj, QString::fromLatin1(alan)).arg(satir);
}
BellekGridi grid(std::initializer_list<QStringList> satirlar) {
    BellekGridi g;
    for (const QStringList& s : satirlar)
        g.satirEkle(s);
    return g;
}

TEST(OdemePlaniDenetimleri, RateAndOffsetGrids) {
    test::SharedStateGuard guard;
    const QString t = QStringLiteral("20230101");
    const std::pair<BellekGridi, QString> durumlar[] = {
        {grid({{"", ""}}), hata(M::FaizOraniGiriniz, "grdFaizOrani")},
        {grid({{t, "9"}}), {}},
        {grid({{t, "9"}, {"", "12"}}), hata(M::FaizBaslangicTarihiGiriniz, "grdFaizOrani", 2)},
        {grid({{t, ""}}), hata(M::FaizOraniniGiriniz, "grdFaizOrani", 1)},
    };
    for (const auto& [oranlar, beklenen] : durumlar) {
        // Only a rate of 0 asks for the grid.
        OdemePlaniAyarlari ayarlar;
        ayarlar.FaizOraniGridi = &oranlar;
        clsFoyBilgileri foy;
        EXPECT_EQ(ozetle(D::ValuesOK(ayarlar, foy)), beklenen);
        ayarlar.FaizOrani = 9;
        EXPECT_EQ(ozetle(D::ValuesOK(ayarlar, foy)), QString());
    }

    // The severance claim's grid, for employee-claim files whose claim has an amount.
    clsFoyBilgileri isci;
    isci.AlacakTipi = E_AT_53IsciAlacagi;
    isci.KidemTazminatiKalemi = std::make_shared<clsAlacakKalemi>();
    isci.KidemTazminatiKalemi->Tutar = para("5000");
    OdemePlaniAyarlari ayarlar;
    ayarlar.FaizOrani = 9;
    EXPECT_EQ(ozetle(D::ValuesOK(ayarlar, isci)),
              hata(M::KidemFaizOraniGiriniz, "grdKidemFaizOrani"));
    ayarlar.KidemFaizOrani = 9;
    EXPECT_EQ(ozetle(D::ValuesOK(ayarlar, isci)), QString());

    // Offset orders: a filled row needs a date and a chosen order.
    const BellekGridi siralar = grid({{t, "0"}, {"", ""}, {"20230601", ""}});
    ayarlar.MahsupSirasi = E_TMS_TabloKullanilmakta;
    ayarlar.MahsupSirasiGridi = &siralar;
    EXPECT_EQ(ozetle(D::ValuesOK(ayarlar, isci)),
              hata(M::MahsupSirasiSeciniz, "grdMahsupSirasi", 3));
    const BellekGridi tarihsiz = grid({{"", "1"}});
    EXPECT_EQ(ozetle(D::CheckMahsupGridi(&tarihsiz)),
              hata(M::MahsupTarihiGiriniz, "grdMahsupSirasi", 1));
}

// By count (the count, the first date) and by amount (the amount, its first date); the
// calculation date itself is refused as a first date.
TEST(OdemePlaniDenetimleri, ModeInputsAndManualRows) {
    test::SharedStateGuard guard;
    const struct {
        bool tutara;
        const char* deger;  // the count or the amount
        const char* tarih;
        QString beklenen;
    } durumlar[] = {
        {false, "0", "20240131", hata(M::TaksitSayisiniGiriniz, "oceTaksitSayisi")},
        {false, "3", "", hata(M::IlkTaksitTarihiniGiriniz, "otrIlkTarih")},
        {false, "3", "20231231", hata(M::IlkTaksitTarihiSonraOlmali1, "otrIlkTarih")},
        {false, "1", "20240101", {}},
        {true, "0", "20240131", hata(M::TaksitTutariniGiriniz, "oceTaksitTutari2")},
        {true, "100", "", hata(M::IlkTaksitTarihiniGiriniz, "otrIlkTaksitTarihi2")},
        {true, "100", "20231231", hata(M::IlkTaksitTarihiSonraOlmali2, "otrIlkTaksitTarihi2")},
        {true, "0.01", "20240101", {}},
    };
    for (const auto& d : durumlar) {
        const QString tarih = QString::fromLatin1(d.tarih);
        EXPECT_EQ(
            ozetle(d.tutara
                       ? D::CheckForAutoCalc2({Money(), tarih, para(d.deger), 1, E_ST_Ay, false},
                                              kHesapTarihi)
                       : D::CheckForAutoCalc1({Money(), tarih, qint16(atoi(d.deger)), 1, E_ST_Ay},
                                              kHesapTarihi)),
            d.beklenen)
            << d.deger << " " << d.tarih;
    }

    // The manual rows: a filled row needs a date, not before the calculation date, and an
    // amount.
    const ManuelTahsilat bos{};
    const ManuelTahsilat iyi{QStringLiteral("20240131"), para("100")};
    const std::pair<QList<ManuelTahsilat>, QString> satirDurumlari[] = {
        {{bos}, hata(M::OnceTahsilatGiriniz, "grdTahsilat")},
        {{iyi, {QString(), para("100")}}, hata(M::TahsilatTarihiGiriniz, "grdTahsilat", 2)},
        {{{QStringLiteral("20231230"), para("100")}},
         hata(M::TahsilatTarihiOnceOlamaz, "grdTahsilat", 1)},
        // On the calculation date itself a payment is allowed.
        {{{QStringLiteral("20231231"), para("100")}}, {}},
        {{iyi, bos, {QStringLiteral("20240229"), Money()}},
         hata(M::TahsilatTutariGiriniz, "grdTahsilat", 3)},
        {{iyi, bos}, {}},
    };
    for (const auto& [satirlar, beklenen] : satirDurumlari)
        EXPECT_EQ(ozetle(D::CheckTahsilatGrid({satirlar, false}, kHesapTarihi)), beklenen);
}

// A failing check stops the computation before the working copy is touched.
class OdemePlaniGirdiTest : public test::OdemePlaniTesti {};

TEST_P(OdemePlaniGirdiTest, AFailingCheckStopsTheComputation) {
    faizliDosya("10000");
    OdemePlaniHesabi& p = ac();
    p.Sayiya = {Money(), kHesapTarihi, 12, 1, E_ST_Ay};
    EXPECT_FALSE(p.HesaplaSayiya());
    EXPECT_EQ(ozetle(p.SonDenetim), hata(M::IlkTaksitTarihiSonraOlmali1, "otrIlkTarih"));
    EXPECT_EQ(mesajlar().last(), M::IlkTaksitTarihiSonraOlmali1);
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

QUV_ON_BACKENDS(OdemePlaniGirdiTest);

TEST(TopluTahsilatGirisi, ChecksTheEntriesInOrderAndStepsFromTheFirstDate) {
    test::SharedStateGuard guard;
    const struct {
        const char* tutar;
        qint16 adet;
        const char* ilk;
        qint16 periyot;
        const char* mesaj;
    } durumlar[] = {
        {"0", 3, "20240131", 1, "Lütfen taksit tutarını giriniz."},
        {"100", 0, "20240131", 1, "Lütfen taksit sayısını giriniz."},
        {"100", 100, "20240131", 1, ""},
        {"100", 101, "20240131", 1, "Taksit sayısını 100'den fazla olamaz."},
        {"100", 3, "", 1, "Lütfen ilk taksit tarihini giriniz."},
        {"100", 3, "20231231", 1, "Taksit tarihi hesap tarihinden(31.12.2023) sonra olmalıdır."},
        {"100", 3, "20240131", 0, "Lütfen periyot değerini (taksit aralıkları) giriniz."},
    };
    for (const auto& d : durumlar) {
        const TopluTahsilatGirisi giris{
            kHesapTarihi, para(d.tutar),     d.adet, QString::fromLatin1(d.ilk), d.periyot,
            E_ST_Ay,      E_TS_IcradanAlinan};
        EXPECT_EQ(giris.Denetle().Mesaj, QString::fromUtf8(d.mesaj));
    }

    // Each date counts its months from the first one: the 31st comes back after February.
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
