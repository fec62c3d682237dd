// The three plan computations on a working copy of a file, and the plan rows they give.

#include "PlanTestDestegi.h"

#include "file/FaizTablosu.h"
#include "file/MahsupSirasiTablosu.h"
#include "file/colAlacaklar.h"
#include "file/colTahsilatlar.h"

namespace quv {
namespace {

using test::para;
namespace M = OdemePlaniMesajlari;
using Odemeler = QList<std::pair<QString, Money>>;

class OdemePlaniHesabiTest : public test::OdemePlaniTesti {
protected:
    // The rows as "date amount commitment description"; the numbering runs from 1.
    static QStringList satirlar(const OdemePlani& plan) {
        QStringList liste;
        for (const OdemePlaniSatiri& s : plan.Satirlar) {
            EXPECT_EQ(s.Sira, liste.size() + 1);
            liste << QStringLiteral("%1 %2 %3 %4")
                         .arg(s.Tarih, s.Tutar.toDecimalString(), s.TaahKaydet, s.Aciklama)
                         .trimmed();
        }
        return liste;
    }
    // Every computation, successful or not, leaves the working copy as the file is: its
    // own collections only, its calculation date, out of wizard mode, its claim once.
    void kopyaDosyaGibi(const Odemeler& kendi = {}) {
        Odemeler liste;
        for (const clsTahsilatKalemi& t : plan_->Wizardfoy->Tahsilatlar())
            liste.append({t.Tarih, t.Tutar});
        EXPECT_EQ(liste, kendi);
        EXPECT_EQ(plan_->Wizardfoy->GununTarihi, QStringLiteral("20231231"));
        EXPECT_FALSE(plan_->Wizardfoy->Sihirbazdan);
        EXPECT_EQ(plan_->Wizardfoy->Alacaklar().Count(), 1);
    }
    OdemePlani plan() {
        std::optional<OdemePlani> p = plan_->PlanOlustur();
        EXPECT_TRUE(p);
        return p.value_or(OdemePlani{});
    }
};

// Each case has one collection of its own; none of them can give a plan. At 9 % a year
// 1,000,000 earns about 7,400 a month: instalments of 100 never close it. A later claim
// due in 2030 is only met in wizard mode, where the run goes on to the last item: three
// times the balance of the calculation date can never close it, so the halving stops
// after 200 tries.
TEST_P(OdemePlaniHesabiTest, NoPlan) {
    const struct {
        const char* tutar;
        bool faizli, sayiya, sonrakiAlacakVar;
        const char* pesinat;
        const char* taksit;
        QString mesaj;
    } durumlar[] = {
        {"1000", false, true, false, "1000", "0", M::PesinatBorcuKarsiliyor},
        {"1000", false, false, false, "1500", "100", M::PesinatBorcuKarsiliyor},
        {"1000000", true, false, false, "0", "100", M::TaksitSayisi150yiGeciyor},
        {"10000", true, true, true, "0", "0", M::PlanHesaplanamadi},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.mesaj.toStdString());
        SetUp();
        d.faizli ? faizliDosya(d.tutar) : faizsizDosya(d.tutar);
        tahsilat("20231231", "100");
        if (d.sonrakiAlacakVar)
            sonrakiAlacak("20300101", "1000000", 0);
        OdemePlaniHesabi& p = ac();
        p.Sayiya = {para(d.pesinat), QStringLiteral("20240131"), 12, 1, E_ST_Ay};
        p.Tutara = {para(d.pesinat), QStringLiteral("20240131"), para(d.taksit), 1, E_ST_Ay, false};
        EXPECT_FALSE(d.sayiya ? p.HesaplaSayiya() : p.HesaplaTutara());
        EXPECT_EQ(mesajlar().last(), d.mesaj);
        EXPECT_EQ(p.GecerliHesap, 0);
        EXPECT_TRUE(d.sayiya ? p.TaksitTutari.value_or(Money()).isZero()
                             : !p.TaksitSayisi2.value_or(0));
        kopyaDosyaGibi({{QStringLiteral("20231231"), para("100")}});
        EXPECT_FALSE(p.PlanOlustur());
        EXPECT_EQ(mesajlar().last(), M::TekrarHesapYaptirin);
        hataYok();
    }
}

// Without interest the balance is shared among the instalments, rounded half to even to
// cents; the plan's last row takes what the others leave of the target.
TEST_P(OdemePlaniHesabiTest, ByCountWithoutInterest) {
    const struct {
        const char* pesinat;
        const char* taksit;
        QStringList satirlar;
    } durumlar[] = {
        // 1,000 / 3 = 333.3333 -> 333.33; last row 1,000 - 2 x 333.33 = 333.34.
        {"0", "333.33", {"20240131 333.3300 1", "20240229 333.3300 1", "20240329 333.3400 1"}},
        // (1,000 - 100) / 3 = 300; the down payment on the calculation date, not a commitment.
        {"100",
         "300",
         {"20231231 100.0000 0 Peşinat.", "20240131 300.0000 1", "20240229 300.0000 1",
          "20240329 300.0000 1"}},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.taksit);
        SetUp();
        faizsizDosya("1000");
        OdemePlaniHesabi& p = ac();
        p.Ayarlar.FaizIsletme = true;
        p.Sayiya = {para(d.pesinat), QStringLiteral("20240131"), 3, 1, E_ST_Ay};
        ASSERT_TRUE(p.HesaplaSayiya()) << hatalar().join(u'\n').toStdString();
        EXPECT_EQ(p.GecerliHesap, 1);
        EXPECT_EQ(p.TaksitTutari, para(d.taksit));
        kopyaDosyaGibi();
        const OdemePlani pl = plan();
        EXPECT_EQ(satirlar(pl), d.satirlar);
        EXPECT_EQ(pl.Toplam, para("1000"));
        hataYok();
    }
}

// Without interest the count is the balance and the amount, both rounded to whole
// numbers, divided and truncated; the remainder is a row of its own or goes into the last
// full instalment. With interest (10 % on 1,000 from 31 December 2023) the last
// instalment is the balance the search stopped at, from the recalculation on the date of
// the last full instalment: 1,000 x 10 % x 30 / 365 = 8.2191 -> 8.22 up to 30 January,
// 408.22 left after 600; its own date, a month later, adds no interest.
TEST_P(OdemePlaniHesabiTest, ByAmount) {
    const struct {
        const char* tutar;
        bool sonunaEkle;
        double faiz;  // 0: no interest during the plan
        qint16 sayi;
        const char* son;
        QStringList sonSatirlar;  // the last two rows
    } durumlar[] = {
        // 1,000 \ 100 = 10, remainder 0: 11 instalments, the last one 0 and not listed.
        {"100", false, 0, 11, "0", {"20240929 100.0000 1", "20241029 100.0000 1"}},
        // 1,000 \ 300 = 3; 1,000 - 900 = 100 as a fourth instalment.
        {"300", false, 0, 4, "100", {"20240329 300.0000 1", "20240429 100.0000 1"}},
        // Into the last one: 1,000 - 900 + 300 = 400.
        {"300", true, 0, 3, "400", {"20240229 300.0000 1", "20240329 400.0000 1"}},
        {"600", false, 10, 2, "408.22", {"20240130 600.0000 1", "20240229 408.2200 1"}},
        {"600", true, 10, 1, "1008.22", {"20240130 1008.2200 1"}},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(std::string(d.tutar) + (d.sonunaEkle ? " into the last" : ""));
        SetUp();
        faizsizDosya("1000");
        OdemePlaniHesabi& p = ac();
        p.Ayarlar.FaizIsletme = d.faiz == 0;
        if (d.faiz > 0)
            p.Ayarlar.FaizOrani = d.faiz;
        p.Tutara = {Money(), QStringLiteral("20240130"), para(d.tutar), 1, E_ST_Ay, d.sonunaEkle};
        ASSERT_TRUE(p.HesaplaTutara()) << hatalar().join(u'\n').toStdString();
        EXPECT_EQ(p.GecerliHesap, 2);
        EXPECT_EQ(p.TaksitSayisi2, d.sayi);
        EXPECT_EQ(p.SonTaksitTutari, para(d.son));
        kopyaDosyaGibi();
        const OdemePlani pl = plan();
        EXPECT_EQ(satirlar(pl).mid(std::max<qsizetype>(pl.Satirlar.size() - 2, 0)), d.sonSatirlar);
        EXPECT_EQ(pl.Toplam, para(d.faiz == 0 ? "1000" : "1008.22"));
        hataYok();
    }
}

// With interest the found instalment, stored as the file's collections and calculated on
// the last instalment's date, leaves at most 0.1 either way; the rows are that amount in
// cents, the last one taking what the others leave of the target.
TEST_P(OdemePlaniHesabiTest, InterestBearingPlansByCountClose) {
    const struct {
        const char* pesinat;
        qint16 sayi, periyot;
        Enum_SureTipi birim;
        qint16 mahsupSirasi;
    } durumlar[] = {
        {"1000", 12, 1, E_ST_Ay, E_TMS_BorcAslindan},
        {"0", 5, 45, E_ST_Gun, E_TMS_ToplamBorctan_TakiptenOnceUygula},
        {"2500", 3, 1, E_ST_Yil, E_TMS_ToplamBorctan_EnSonVekaletUcreti},
    };
    const Money tolerans = para("0.1");
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.sayi);
        SetUp();
        faizliDosya("10000");
        tahsilat("20230601", "500");
        // The file's own order, so that the check below applies the same one.
        db_->execute(QStringLiteral("update tblfoy set tahsilatmahsupsirasi = ?"),
                     {d.mahsupSirasi});
        OdemePlaniHesabi& p = ac();
        EXPECT_EQ(p.Ayarlar.MahsupSirasi, d.mahsupSirasi);
        p.Sayiya = {para(d.pesinat), QStringLiteral("20240131"), d.sayi, d.periyot, d.birim};
        ASSERT_TRUE(p.HesaplaSayiya()) << hatalar().join(u'\n').toStdString();
        kopyaDosyaGibi({{QStringLiteral("20230601"), para("500")}});
        const Money G = *p.TaksitTutari;
        const OdemePlani pl = plan();
        ASSERT_EQ(pl.Satirlar.size(), d.sayi + (para(d.pesinat) > Money() ? 1 : 0));
        EXPECT_EQ(pl.Toplam,
                  OdemePlaniHesabi::HedefToplamiBul(*p.Wizardfoy, pl.TakipSonrasiToplamTahsilat));
        Money toplam;
        for (const OdemePlaniSatiri& s : pl.Satirlar) {
            EXPECT_EQ(s.Tutar, s.Tutar.roundTo2());
            if (s.taahhutEdilecek() && &s != &pl.Satirlar.last()) {
                EXPECT_EQ(s.Tutar, G.roundTo2());
            }
            toplam += s.Tutar;
            tahsilat(s.Tarih.toLatin1().constData(),
                     (s.taahhutEdilecek() ? G : s.Tutar).toDecimalString().toLatin1().constData(),
                     E_TS_IcradanAlinan);
        }
        EXPECT_EQ(toplam, pl.Toplam);
        clsHesapAna hesap;
        std::shared_ptr<clsFoyBilgileri> foy =
            hesap.TariheGoreHesapla(1, pl.Satirlar.last().Tarih, false);
        ASSERT_TRUE(foy);
        EXPECT_LE(foy->HesapOzeti().Bakiye_TL, tolerans);
        EXPECT_LE(foy->HesapOzeti().FazlaTahsilat, tolerans);
        hataYok();
    }
}

// A manual plan shows the balance its rows leave; an error inside a computation is
// reported with the computation's source and stops it.
TEST_P(OdemePlaniHesabiTest, ManualPlanAndAnErrorInsideAComputation) {
    faizliDosya("10000");
    tahsilat("20230601", "500");
    OdemePlaniHesabi& p = ac();
    p.Manuel.Satirlar = {{QStringLiteral("20240131"), para("5000"), E_TS_IcradanAlinan},
                         {QString(), Money(), E_TS_IcradanAlinan},  // the grid's empty row
                         {QStringLiteral("20240229"), para("4000"), E_TS_EldenYapilan}};
    ASSERT_TRUE(p.HesaplaManuel());
    const Odemeler kendi{{QStringLiteral("20230601"), para("500")}};
    kopyaDosyaGibi(kendi);
    EXPECT_EQ(p.ToplamOdenen, para("9000"));
    const Money kalan = p.KalanBakiye.value_or(Money());
    EXPECT_GT(kalan, para("500"));
    EXPECT_EQ(satirlar(plan()), (QStringList{"20240131 5000.0000 1", "20240229 4000.0000 1"}));
    // The balance into the last row, once only however often it is computed.
    p.Manuel.KalanBakiyeyiSonTaksideEkle = true;
    ASSERT_TRUE(p.HesaplaManuel());
    ASSERT_TRUE(p.HesaplaManuel());
    EXPECT_EQ(p.Manuel.Satirlar.last().Tutar, para("4000") + kalan);
    EXPECT_TRUE(p.BakiyeMetni().isEmpty());
    hataYok();

    p.Sayiya = {Money(), QStringLiteral("20240231"), 3, 1, E_ST_Ay};  // no such day
    EXPECT_FALSE(p.HesaplaSayiya());
    ASSERT_EQ(hatalar().size(), 1);
    EXPECT_TRUE(hatalar().first().startsWith(
        QStringLiteral("Hatanın oluştuğu yer : frmOdemePlani.OtomatikHesap1\rHata : 13 -> ")))
        << hatalar().first().toStdString();
    EXPECT_EQ(p.GecerliHesap, 0);
    kopyaDosyaGibi(kendi);
}

// The wizard's settings reach the working copy; reloading does not repeat the claims.
TEST_P(OdemePlaniHesabiTest, TheSettingsReachTheWorkingCopy) {
    faizliDosya("10000");
    OdemePlaniHesabi& p = ac();
    BellekGridi oranlar, mahsup;
    oranlar.satirEkle({QStringLiteral("20230101"), QStringLiteral("12")});
    oranlar.satirEkle({QStringLiteral("20230701"), QStringLiteral("24")});
    mahsup.satirEkle({QStringLiteral("20230101"), QStringLiteral("1")});
    mahsup.listeAyarla(1, {1, 3});
    p.Ayarlar.FaizOrani = 0;
    p.Ayarlar.FaizOraniGridi = &oranlar;
    p.Ayarlar.FaizIndirimi = 50;
    p.Ayarlar.MahsupSirasi = E_TMS_TabloKullanilmakta;
    p.Ayarlar.MahsupSirasiGridi = &mahsup;
    ASSERT_TRUE(p.WizardFoyeDegerleriAta());
    ASSERT_TRUE(p.WizardFoyeDegerleriAta());
    clsFoyBilgileri& foy = *p.Wizardfoy;
    EXPECT_EQ(foy.TabloOran, E_TO_TabloKullan);
    EXPECT_EQ(foy.FaizIndirimOrani, 0.5);
    ASSERT_EQ(foy.MahsupSirasiTablosu().Sayi(), 1);
    EXPECT_EQ(foy.MahsupSirasiTablosu().MahsupSiralari(1).MahsupSirasi,
              E_TMS_ToplamBorctan_TakiptenOnceUygula);
    ASSERT_EQ(foy.Alacaklar().Count(), 1);
    // The claim follows the file's new rule: the two dated rates.
    ASSERT_EQ(foy.Alacaklar().Item(1).FaizOraniTablosu().Sayi(), 2);
    EXPECT_EQ(foy.Alacaklar().Item(1).FaizOraniTablosu().FaizOranlari(2).Oran, 24.0f);
    hataYok();
}

QUV_ON_BACKENDS(OdemePlaniHesabiTest);

}  // namespace
}  // namespace quv
