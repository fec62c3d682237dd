// The three plan computations on a working copy of a file, and the plan rows they give.

#include "PlanTestDestegi.h"

#include "engine/NumberFormat.h"
#include "file/FaizTablosu.h"
#include "file/MahsupSirasiTablosu.h"
#include "file/colAlacaklar.h"
#include "file/colTahsilatlar.h"
#include "plans/OdemePlaniMesajlari.h"

namespace quv {
namespace {

using test::para;
namespace M = OdemePlaniMesajlari;

class OdemePlaniHesabiTest : public test::OdemePlaniTesti {
protected:
    // The rows as "date amount commitment description" for a compact comparison.
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
    // The rows' amounts without trailing zeros, separated by spaces.
    static QString tutarlar(const OdemePlani& plan) {
        QStringList liste;
        for (const OdemePlaniSatiri& s : plan.Satirlar) {
            QString t = s.Tutar.toDecimalString();
            while (t.endsWith(u'0'))
                t.chop(1);
            if (t.endsWith(u'.'))
                t.chop(1);
            liste << t;
        }
        return liste.join(u' ');
    }
    static Money fark(Money a, Money b) { return a > b ? a - b : b - a; }
};

const Money kTolerans = para("0.1");

TEST_P(OdemePlaniHesabiTest, ADownPaymentCoveringTheBalanceGivesNoPlan) {
    for (const char* pesinat : {"1000", "1500"}) {
        for (int mod : {1, 2}) {
            SCOPED_TRACE(std::string(pesinat) + (mod == 1 ? " by count" : " by amount"));
            SetUp();
            faizsizDosya("1000");
            OdemePlaniHesabi& p = ac();
            if (mod == 1) {
                p.Sayiya = {para(pesinat), QStringLiteral("20240131"), 3, 1, E_ST_Ay};
                EXPECT_FALSE(p.HesaplaSayiya());
                EXPECT_EQ(p.TaksitTutari, Money());
            } else {
                p.Tutara = {para(pesinat), QStringLiteral("20240131"), para("100"), 1, E_ST_Ay,
                            false};
                EXPECT_FALSE(p.HesaplaTutara());
                EXPECT_EQ(p.TaksitSayisi2, qint16(0));
                EXPECT_FALSE(p.SonTaksitTutari);
            }
            EXPECT_EQ(mesajlar().last(), M::PesinatBorcuKarsiliyor);
            EXPECT_EQ(p.GecerliHesap, 0);
            EXPECT_TRUE(tahsilatlar().isEmpty());
            hataYok();
        }
    }
}

// Without interest the balance is shared among the instalments, rounded half to even to
// cents; the plan's last row takes what the others leave of the target.
TEST_P(OdemePlaniHesabiTest, ByCountWithoutInterest) {
    struct Durum {
        const char* pesinat;
        qint16 sayi;
        const char* taksit;
        QStringList satirlar;
    } durumlar[] = {
        // 1,000 / 3 = 333.3333 -> 333.33; last row 1,000 - 2 x 333.33 = 333.34.
        {"0", 3, "333.33", {"20240131 333.3300 1", "20240229 333.3300 1", "20240329 333.3400 1"}},
        // (1,000 - 100) / 3 = 300; the down payment on the calculation date, not a commitment.
        {"100",
         3,
         "300",
         {"20231231 100.0000 0 Peşinat.", "20240131 300.0000 1", "20240229 300.0000 1",
          "20240329 300.0000 1"}},
        // 1,000 / 6 = 166.6667 -> 166.67; last row 1,000 - 5 x 166.67 = 166.65.
        {"0",
         6,
         "166.67",
         {"20240131 166.6700 1", "20240229 166.6700 1", "20240329 166.6700 1",
          "20240429 166.6700 1", "20240529 166.6700 1", "20240629 166.6500 1"}},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.taksit);
        SetUp();
        faizsizDosya("1000");
        OdemePlaniHesabi& p = ac();
        p.Ayarlar.FaizIsletme = true;
        p.Sayiya = {para(d.pesinat), QStringLiteral("20240131"), d.sayi, 1, E_ST_Ay};
        ASSERT_TRUE(p.HesaplaSayiya()) << hatalar().join(u'\n').toStdString();
        EXPECT_EQ(p.GecerliHesap, 1);
        EXPECT_EQ(p.TaksitTutari, para(d.taksit));
        std::optional<OdemePlani> plan = p.PlanOlustur();
        ASSERT_TRUE(plan);
        EXPECT_EQ(satirlar(*plan), d.satirlar);
        EXPECT_EQ(plan->Toplam, para("1000"));
        EXPECT_TRUE(tahsilatlar().isEmpty());
        hataYok();
    }
}

// The count is the balance and the amount, both rounded to whole numbers, divided and
// truncated; the remainder is a row of its own or goes into the last full instalment.
TEST_P(OdemePlaniHesabiTest, ByAmountWithoutInterest) {
    struct Durum {
        const char* tutar;
        bool sonunaEkle;
        qint16 sayi;
        const char* son;
        const char* tutarlar;
    } durumlar[] = {
        // 1,000 \ 100 = 10, remainder 0: 11 instalments, the last one 0 and not listed.
        {"100", false, 11, "0", "100 100 100 100 100 100 100 100 100 100"},
        // Into the last one: 1,000 - 10 x 100 + 100 = 100 over 10 instalments.
        {"100", true, 10, "100", "100 100 100 100 100 100 100 100 100 100"},
        // 1,000 \ 300 = 3; 1,000 - 900 = 100 as a fourth instalment.
        {"300", false, 4, "100", "300 300 300 100"},
        // Into the last one: 1,000 - 900 + 300 = 400.
        {"300", true, 3, "400", "300 300 400"},
        // 333.50 rounds to 334 (half to even): 1,000 \ 334 = 2; 1,000 - 667 = 333.
        {"333.50", false, 3, "333", "333.5 333.5 333"},
        // 1,000 \ 1,500 = 0: one instalment of the balance.
        {"1500", false, 1, "1000", "1000"},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(std::string(d.tutar) + (d.sonunaEkle ? " into the last" : ""));
        SetUp();
        faizsizDosya("1000");
        OdemePlaniHesabi& p = ac();
        p.Ayarlar.FaizIsletme = true;
        p.Tutara = {Money(), QStringLiteral("20240131"), para(d.tutar), 1, E_ST_Ay, d.sonunaEkle};
        ASSERT_TRUE(p.HesaplaTutara()) << hatalar().join(u'\n').toStdString();
        EXPECT_EQ(p.GecerliHesap, 2);
        EXPECT_EQ(p.TaksitSayisi2, d.sayi);
        EXPECT_EQ(p.SonTaksitTutari, para(d.son));
        std::optional<OdemePlani> plan = p.PlanOlustur();
        ASSERT_TRUE(plan);
        EXPECT_EQ(tutarlar(*plan), QString::fromLatin1(d.tutarlar));
        // Monthly from the first date: 31 January, 29 February, 29 March ...
        EXPECT_EQ(plan->Satirlar.last().Tarih,
                  QStringList({"20240131", "20240229", "20240329", "20240429", "20240529",
                               "20240629", "20240729", "20240829", "20240929", "20241029"})
                      .at(plan->Satirlar.size() - 1));
        EXPECT_EQ(plan->Toplam, para("1000"));
        hataYok();
    }
}

// 9 % a year on 1,000,000 is about 7,400 a month: instalments of 100 never close it.
TEST_P(OdemePlaniHesabiTest, MoreThan150InstalmentsGiveNoPlan) {
    faizliDosya("1000000");
    OdemePlaniHesabi& p = ac();
    p.Tutara = {Money(), QStringLiteral("20240131"), para("100"), 1, E_ST_Ay, false};
    EXPECT_FALSE(p.HesaplaTutara());
    EXPECT_EQ(mesajlar().last(), M::TaksitSayisi150yiGeciyor);
    EXPECT_FALSE(p.TaksitSayisi2);
    EXPECT_FALSE(p.SonTaksitTutari);
    EXPECT_EQ(p.Wizardfoy->GununTarihi, QStringLiteral("20231231"));
    EXPECT_TRUE(tahsilatlar().isEmpty());
    EXPECT_FALSE(p.PlanOlustur());
    EXPECT_EQ(mesajlar().last(), M::TekrarHesapYaptirin);
    hataYok();
}

// A later claim due in 2030 is only met in wizard mode, where the run goes on to the
// last item: three times the balance of the calculation date can never close it, so
// the halving stops after 200 tries.
TEST_P(OdemePlaniHesabiTest, TheSearchForTheAmountStopsAfter200Halvings) {
    faizliDosya("10000");
    sonrakiAlacak("20300101", "1000000", 0);
    OdemePlaniHesabi& p = ac();
    p.Sayiya = {Money(), QStringLiteral("20240131"), 12, 1, E_ST_Ay};
    EXPECT_FALSE(p.HesaplaSayiya());
    EXPECT_EQ(mesajlar().last(), M::PlanHesaplanamadi);
    EXPECT_FALSE(p.TaksitTutari);
    EXPECT_EQ(p.GecerliHesap, 0);
    EXPECT_TRUE(tahsilatlar().isEmpty());
    hataYok();
}

// Every computation, successful or not, leaves the working copy with exactly the
// file's own collections.
TEST_P(OdemePlaniHesabiTest, TheWorkingCopyKeepsOnlyTheFilesOwnCollections) {
    const QList<std::pair<QString, Money>> kendi = {{QStringLiteral("20230601"), para("500")},
                                                    {QStringLiteral("20231001"), para("700")}};
    struct Durum {
        const char* ad;
        std::function<bool(OdemePlaniHesabi&)> hesapla;
        bool basarili;
    } durumlar[] = {
        {"by count",
         [](OdemePlaniHesabi& p) {
             p.Sayiya = {para("1000"), QStringLiteral("20240131"), 6, 1, E_ST_Ay};
             return p.HesaplaSayiya();
         },
         true},
        {"by count, down payment over the balance",
         [](OdemePlaniHesabi& p) {
             p.Sayiya = {para("100000"), QStringLiteral("20240131"), 6, 1, E_ST_Ay};
             return p.HesaplaSayiya();
         },
         false},
        {"by amount",
         [](OdemePlaniHesabi& p) {
             p.Tutara = {para("500"), QStringLiteral("20240131"), para("2000"), 2, E_ST_Ay, false};
             return p.HesaplaTutara();
         },
         true},
        {"by amount, over 150",
         [](OdemePlaniHesabi& p) {
             p.Tutara = {Money(), QStringLiteral("20240131"), para("1"), 1, E_ST_Yil, false};
             return p.HesaplaTutara();
         },
         false},
        {"manual",
         [](OdemePlaniHesabi& p) {
             p.Manuel.Satirlar = {{QStringLiteral("20240131"), para("3000"), E_TS_EldenYapilan},
                                  {QStringLiteral("20240301"), para("3000"), E_TS_IcradanAlinan}};
             return p.HesaplaManuel();
         },
         true},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.ad);
        SetUp();
        faizliDosya("10000");
        tahsilat("20230601", "500");
        tahsilat("20231001", "700");
        OdemePlaniHesabi& p = ac();
        EXPECT_EQ(d.hesapla(p), d.basarili);
        EXPECT_EQ(tahsilatlar(), kendi);
        EXPECT_EQ(p.Wizardfoy->GununTarihi, QStringLiteral("20231231"));
        EXPECT_FALSE(p.Wizardfoy->Sihirbazdan);
        EXPECT_EQ(p.Wizardfoy->Alacaklar().Count(), 1);
        hataYok();
    }
}

// With interest the found instalments, stored as the file's collections and calculated
// on the last instalment's date, leave at most 0.1 either way; the rows add up to what
// was paid within the same tolerance.
TEST_P(OdemePlaniHesabiTest, InterestBearingPlansByCountClose) {
    struct Durum {
        const char* pesinat;
        qint16 sayi;
        qint16 periyot;
        Enum_SureTipi birim;
        qint16 mahsupSirasi;
    } durumlar[] = {
        {"1000", 12, 1, E_ST_Ay, E_TMS_BorcAslindan},
        {"0", 5, 45, E_ST_Gun, E_TMS_ToplamBorctan_TakiptenOnceUygula},
        {"2500", 3, 1, E_ST_Yil, E_TMS_ToplamBorctan_EnSonVekaletUcreti},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.sayi);
        SetUp();
        faizliDosya("10000");
        // The file's own order, so that the check below applies the same one.
        db_->execute(QStringLiteral("update tblfoy set tahsilatmahsupsirasi = ?"),
                     {d.mahsupSirasi});
        OdemePlaniHesabi& p = ac();
        EXPECT_EQ(p.Ayarlar.MahsupSirasi, d.mahsupSirasi);
        p.Sayiya = {para(d.pesinat), QStringLiteral("20240131"), d.sayi, d.periyot, d.birim};
        ASSERT_TRUE(p.HesaplaSayiya()) << hatalar().join(u'\n').toStdString();
        const Money G = *p.TaksitTutari;
        std::optional<OdemePlani> plan = p.PlanOlustur();
        ASSERT_TRUE(plan);
        ASSERT_EQ(plan->Satirlar.size(), d.sayi + (para(d.pesinat) > Money() ? 1 : 0));
        // The plan's instalments as the file's own collections.
        if (para(d.pesinat) > Money())
            tahsilat("20231231", d.pesinat, E_TS_IcradanAlinan);
        QString sonTarih;
        for (const OdemePlaniSatiri& s : plan->Satirlar)
            if (s.taahhutEdilecek()) {
                tahsilat(s.Tarih.toLatin1().constData(), G.toDecimalString().toLatin1().constData(),
                         E_TS_IcradanAlinan);
                sonTarih = s.Tarih;
            }
        const auto [bakiye, fazla] = bakiyeVeFazla(sonTarih);
        EXPECT_LE(bakiye, kTolerans);
        EXPECT_LE(fazla, kTolerans);
        EXPECT_LE(fark(plan->Toplam, para(d.pesinat) + G * d.sayi), kTolerans);
        hataYok();
    }
}

TEST_P(OdemePlaniHesabiTest, InterestBearingPlansByAmountClose) {
    for (bool sonunaEkle : {false, true}) {
        for (const char* tutar : {"1000", "3333.33"}) {
            SCOPED_TRACE(std::string(tutar) + (sonunaEkle ? " into the last" : ""));
            SetUp();
            faizliDosya("10000");
            OdemePlaniHesabi& p = ac();
            p.Tutara = {para("500"), QStringLiteral("20240131"), para(tutar), 1, E_ST_Ay,
                        sonunaEkle};
            ASSERT_TRUE(p.HesaplaTutara()) << hatalar().join(u'\n').toStdString();
            const qint16 n = *p.TaksitSayisi2;
            const Money son = *p.SonTaksitTutari;
            std::optional<OdemePlani> plan = p.PlanOlustur();
            ASSERT_TRUE(plan);
            // The down payment, n - 1 instalments of the amount and the last one.
            ASSERT_EQ(plan->Satirlar.size(), n + 1);
            tahsilat("20231231", "500", E_TS_IcradanAlinan);
            for (int i = 1; i <= n; ++i) {
                const OdemePlaniSatiri& s = plan->Satirlar[i];
                EXPECT_EQ(s.Tutar, i < n ? para(tutar) : plan->Satirlar.last().Tutar);
                const Money odenen = i < n ? para(tutar) : son;
                tahsilat(s.Tarih.toLatin1().constData(),
                         odenen.toDecimalString().toLatin1().constData(), E_TS_IcradanAlinan);
            }
            const auto [bakiye, fazla] = bakiyeVeFazla(plan->Satirlar.last().Tarih);
            EXPECT_LE(bakiye, kTolerans);
            EXPECT_LE(fazla, kTolerans);
            EXPECT_LE(fark(plan->Satirlar.last().Tutar, son), kTolerans);
            hataYok();
        }
    }
}

TEST_P(OdemePlaniHesabiTest, ManualPlanShowsTheBalanceLeft) {
    faizliDosya("10000");
    OdemePlaniHesabi& p = ac();
    p.Manuel.Satirlar = {{QStringLiteral("20240131"), para("5000"), E_TS_IcradanAlinan},
                         {QString(), Money(), E_TS_IcradanAlinan},  // the grid's empty row
                         {QStringLiteral("20240229"), para("4000"), E_TS_EldenYapilan}};
    ASSERT_TRUE(p.HesaplaManuel());
    EXPECT_EQ(p.ToplamOdenen, para("9000"));
    ASSERT_TRUE(p.KalanBakiye);
    const Money kalan = *p.KalanBakiye;
    EXPECT_GT(kalan, para("1000"));
    EXPECT_EQ(p.BakiyeMetni, formatNumber(kalan, FormatMoneyZero));
    std::optional<OdemePlani> plan = p.PlanOlustur();
    ASSERT_TRUE(plan);
    EXPECT_EQ(satirlar(*plan), (QStringList{"20240131 5000.0000 1", "20240229 4000.0000 1"}));

    // The balance into the last row: paying it on that day closes the file.
    p.Manuel.KalanBakiyeyiSonTaksideEkle = true;
    ASSERT_TRUE(p.HesaplaManuel());
    EXPECT_EQ(p.Manuel.Satirlar.last().Tutar, para("4000") + kalan);
    EXPECT_TRUE(p.BakiyeMetni.isEmpty());
    ASSERT_TRUE(p.HesaplaManuel());
    EXPECT_EQ(p.Manuel.Satirlar.last().Tutar, para("4000") + kalan);

    // An overpayment shows with a minus sign.
    p.Manuel.KalanBakiyeyiSonTaksideEkle = false;
    p.Manuel.Satirlar = {{QStringLiteral("20240131"), para("20000"), E_TS_IcradanAlinan}};
    ASSERT_TRUE(p.HesaplaManuel());
    ASSERT_TRUE(p.KalanBakiye);
    EXPECT_LT(*p.KalanBakiye, Money());
    EXPECT_EQ(p.BakiyeMetni, QStringLiteral("-") + formatNumber(-*p.KalanBakiye, FormatMoneyZero));
    hataYok();
}

// Without interest the payments come off the balance of the calculation date:
// 1,000 - (300 + 200) = 500.
TEST_P(OdemePlaniHesabiTest, ManualPlanWithoutInterest) {
    faizsizDosya("1000");
    OdemePlaniHesabi& p = ac();
    p.Ayarlar.FaizIsletme = true;
    p.Manuel.Satirlar = {{QStringLiteral("20240131"), para("300"), E_TS_IcradanAlinan},
                         {QStringLiteral("20240229"), para("200"), E_TS_IcradanAlinan}};
    ASSERT_TRUE(p.HesaplaManuel());
    EXPECT_EQ(p.BakiyeMetni, QStringLiteral("500,00"));
    EXPECT_EQ(p.ToplamOdenen, para("500"));
    hataYok();
}

TEST_P(OdemePlaniHesabiTest, APlanNeedsAComputationForTheCurrentInputs) {
    faizsizDosya("1000");
    OdemePlaniHesabi& p = ac();
    EXPECT_FALSE(p.PlanOlustur());
    EXPECT_EQ(mesajlar().last(), M::TekrarHesapYaptirin);
    p.Ayarlar.FaizIsletme = true;
    p.Sayiya = {Money(), QStringLiteral("20240131"), 4, 1, E_ST_Ay};
    ASSERT_TRUE(p.HesaplaSayiya());
    EXPECT_TRUE(p.PlanOlustur());
    // Changing the count forgets the computation.
    p.Sayiya.TaksitSayisi = 5;
    p.ResetGecerliHesap();
    EXPECT_FALSE(p.PlanOlustur());
    EXPECT_EQ(mesajlar().last(), M::TekrarHesapYaptirin);
    hataYok();
}

// An error inside a computation is reported with the computation's source and stops it.
TEST_P(OdemePlaniHesabiTest, AnErrorInsideTheComputationIsReported) {
    faizliDosya("10000");
    OdemePlaniHesabi& p = ac();
    p.Sayiya = {Money(), QStringLiteral("20240231"), 3, 1, E_ST_Ay};  // no such day
    EXPECT_FALSE(p.HesaplaSayiya());
    ASSERT_EQ(hatalar().size(), 1);
    EXPECT_TRUE(hatalar().first().startsWith(
        QStringLiteral("Hatanın oluştuğu yer : frmOdemePlani.OtomatikHesap1")))
        << hatalar().first().toStdString();
    EXPECT_TRUE(hatalar().first().contains(QStringLiteral("Hata : 13 -> ")));
    EXPECT_EQ(p.GecerliHesap, 0);
    EXPECT_TRUE(tahsilatlar().isEmpty());
}

// The wizard's settings reach the working copy; reloading does not repeat the claims.
TEST_P(OdemePlaniHesabiTest, TheSettingsReachTheWorkingCopy) {
    faizliDosya("10000");
    OdemePlaniHesabi& p = ac();
    BellekGridi oranlar;
    oranlar.satirEkle({QStringLiteral("20230101"), QStringLiteral("12")});
    oranlar.satirEkle({QStringLiteral("20230701"), QStringLiteral("24")});
    BellekGridi mahsup;
    mahsup.satirEkle({QStringLiteral("20230101"), QStringLiteral("1")});
    mahsup.listeAyarla(1, {1, 3});
    p.Ayarlar.FaizOrani = 0;
    p.Ayarlar.FaizOraniGridi = &oranlar;
    p.Ayarlar.FaizIndirimi = 50;
    p.Ayarlar.MahsupSirasi = E_TMS_TabloKullanilmakta;
    p.Ayarlar.MahsupSirasiGridi = &mahsup;
    p.Ayarlar.KarsiliksizCekTazminatiniSifirla = true;
    ASSERT_TRUE(p.WizardFoyeDegerleriAta());
    ASSERT_TRUE(p.WizardFoyeDegerleriAta());
    clsFoyBilgileri& foy = *p.Wizardfoy;
    EXPECT_EQ(foy.TabloOran, E_TO_TabloKullan);
    EXPECT_EQ(foy.FaizOrani, 0.0f);
    EXPECT_EQ(foy.FaizIndirimOrani, 0.5);
    EXPECT_TRUE(foy.KarsiliksizCekTazminatiniSifirla);
    EXPECT_FALSE(foy.VekaletUcretiIlkMasrafSabitle);
    EXPECT_EQ(foy.MahsupSirasi, E_TMS_TabloKullanilmakta);
    ASSERT_EQ(foy.MahsupSirasiTablosu().Sayi(), 1);
    EXPECT_EQ(foy.MahsupSirasiTablosu().MahsupSiralari(1).MahsupSirasi,
              E_TMS_ToplamBorctan_TakiptenOnceUygula);
    ASSERT_EQ(foy.Alacaklar().Count(), 1);
    // The claim follows the file's new rule: the two dated rates.
    ASSERT_EQ(foy.Alacaklar().Item(1).FaizOraniTablosu().Sayi(), 2);
    EXPECT_EQ(foy.Alacaklar().Item(1).FaizOraniTablosu().FaizOranlari(2).Oran, 24.0f);

    // A fixed rate again, and the fees fixed at today's values of the real file.
    p.Ayarlar.FaizOrani = 18;
    p.Ayarlar.VekaletUcretiSabitle = true;
    ASSERT_TRUE(p.WizardFoyeDegerleriAta());
    EXPECT_EQ(foy.TabloOran, E_TO_OranKullan);
    EXPECT_EQ(foy.Alacaklar().Item(1).FaizOrani, 18.0f);
    EXPECT_TRUE(foy.VekaletUcretiIlkMasrafSabitle);
    hataYok();
}

INSTANTIATE_TEST_SUITE_P(Backends, OdemePlaniHesabiTest,
                         ::testing::ValuesIn(test::availableBackends()), test::adi);

}  // namespace
}  // namespace quv
