// Interest accrual of whole files: fixed rates on both year bases, rate tables with
// their tiered lines, the discount, the taxes on interest, unknown rates, later
// claims, TODA claims and alimony.

#include "MotorTestDestegi.h"
#include "calc/colKademeliFaizler.h"
#include "file/clsAlacakKalemi.h"
#include "file/colAlacaklar.h"
#include "summary/clsUYAPBakiyeleri.h"

namespace quv {
namespace {

using test::para;

class FaizHesabiTest : public test::HesapMotoruTesti {};

// Claim 10,000 from 1 January 2023 at 9 %, enforcement 1 March, closing 31 December:
// 59 days before the enforcement start, 305 days after it.
TEST_P(FaizHesabiTest, FixedRateOnA365And360DayYear) {
    struct Durum {
        int gunSayisiAyari;
        const char* islemis;
        const char* sonraki;
    } durumlar[] = {
        // 10000 / 36500 × 59 × 9 = 145.4794…  ;  10000 / 36500 × 305 × 9 = 752.0547…
        {0, "145.48", "752.05"},
        // 10000 / 36000 × 59 × 9 = 147.50     ;  10000 / 36000 × 305 × 9 = 762.50
        {1, "147.50", "762.50"},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.gunSayisiAyari);
        SetUp();
        alacakliAyarla({{QStringLiteral("faizyildakigunsayisi"), d.gunSayisiAyari}});
        dosya();
        alacak("20230101", "10000");
        hesapla();
        const clsHesapOzeti& o = ozet();
        EXPECT_EQ(o.IslemisFaiz, para(d.islemis));
        EXPECT_EQ(o.SonrakiFaiz, para(d.sonraki));
        EXPECT_EQ(o.TakipCikisi_TLKismi, para("10000") + para(d.islemis));
        EXPECT_EQ(o.HarcaEsasDeger, o.TakipCikisi_TLKismi);
        EXPECT_EQ(o.Bakiye_TL, para("10000") + para(d.islemis) + para(d.sonraki));
        clsAlacakKalemi& a = foy().Alacaklar().Item(1);
        EXPECT_EQ(a.SonIslemTarihi, QStringLiteral("20231231"));
        // The judiciary system sees only the interest before the enforcement start.
        EXPECT_EQ(a.UyapBakiyeleri().FaizBakiyesi, para(d.islemis));
        EXPECT_EQ(motor_.FaizBakiyesi_Doviz, para(d.islemis) + para(d.sonraki));
        hataYok();
    }
}

// Rate table: 12 % from 2022, 24 % from 1 February 2023, 18 % from 1 July 2023; the claim
// starts on 1 January 2023 and follows the table.
TEST_P(FaizHesabiTest, RateTableChangesAndTheTieredLines) {
    dosya(test::alanlar("faizorani=0 faizoranitablosukodu=1"));
    faizOrani(1, "20220101", 12);
    faizOrani(1, "20230201", 24);
    faizOrani(1, "20230701", 18);
    alacak("20230101", "10000");
    hesapla([](clsFoyBilgileri& f) { f.KademeliFaizBilgileriniTut = true; });
    // 0101-0201, 31 days at 12: 10000 / 36500 × 31 × 12 = 101.9178 -> 101.92
    // 0201-0301, 28 days at 24: 10000 / 36500 × 28 × 24 = 184.1095 -> 184.11
    // 0301-0701, 122 days at 24: 10000 / 36500 × 122 × 24 = 802.1917 -> 802.19
    // 0701-1231, 183 days at 18: 10000 / 36500 × 183 × 18 = 902.4657 -> 902.47
    EXPECT_EQ(ozet().IslemisFaiz_AsilAlacak, para("286.03"));   // 101.92 + 184.11
    EXPECT_EQ(ozet().SonrakiFaiz_AsilAlacak, para("1704.66"));  // 802.19 + 902.47
    EXPECT_FLOAT_EQ(ozet().TakipTarihindeFaizOrani, 24.0f);
    EXPECT_FLOAT_EQ(ozet().GuncelFaizOrani, 18.0f);
    clsAlacakKalemi& a = foy().Alacaklar().Item(1);
    EXPECT_FLOAT_EQ(a.TakipTarihindeFaizOrani, 24.0f);
    EXPECT_FLOAT_EQ(a.GununTarihindeFaizOrani, 18.0f);

    ASSERT_TRUE(a.KademeliFaizDetayiPtr());
    // "start end opened-by closed-by days rate interest after-the-start" per line.
    QStringList satirlar;
    for (const clsKademeliFaizKalemi& s : *a.KademeliFaizDetayiPtr())
        satirlar << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                        .arg(s.BaslangicTarihi, s.BitisTarihi)
                        .arg(s.BaslamaKaynak)
                        .arg(s.BitisKaynak)
                        .arg(s.Gunsayisi)
                        .arg(s.Oran)
                        .arg(s.Tutar.toDecimalString())
                        .arg(int(s.TakiptenSonra));
    EXPECT_EQ(satirlar, (QStringList{"20230101 20230201 6 1 31 12 101.9200 0",
                                     "20230201 20230301 1 17 28 24 184.1100 0",
                                     "20230301 20230701 17 1 122 24 802.1900 1",
                                     "20230701 20231231 1 21 183 18 902.4700 1"}));
    hataYok();
}

// A discount of one half halves the rate; interest carried in with the claim is
// discounted and rounded to the cent.
TEST_P(FaizHesabiTest, DiscountHalvesTheRateAndTheCarriedInterest) {
    dosya();
    alacak("20230101", "10000", {{QStringLiteral("birikmisfaiz"), QStringLiteral("100.01")}});
    hesapla([](clsFoyBilgileri& f) {
        f.FaizIndirimOrani = 0.5;
        f.KademeliFaizBilgileriniTut = true;
    });
    // carried: 100.01 × 0.5 = 50.005 -> 50.00 (a tie at the cent, half to even)
    // 59 days at 4.5: 10000 / 36500 × 59 × 4.5 = 72.7397 -> 72.74
    // 305 days at 4.5: 10000 / 36500 × 305 × 4.5 = 376.0273 -> 376.03
    EXPECT_EQ(ozet().IslemisFaiz_AsilAlacak, para("122.74"));  // 50.00 + 72.74
    EXPECT_EQ(ozet().SonrakiFaiz_AsilAlacak, para("376.03"));
    EXPECT_EQ(ozet().Bakiye_TL, para("10498.77"));  // 10000 + 122.74 + 376.03
    clsAlacakKalemi& a = foy().Alacaklar().Item(1);
    // The claim holds the discounted carried interest once, not the loaded 100.01 on top.
    EXPECT_EQ(a.IslemisFaiz, para("122.74"));
    EXPECT_EQ(a.UyapBakiyeleri().FaizBakiyesi, para("122.74"));
    // The tiered lines show the rate before the discount.
    ASSERT_TRUE(a.KademeliFaizDetayiPtr());
    EXPECT_FLOAT_EQ(a.KademeliFaizDetayiPtr()->Item(1).Oran, 9.0f);
    EXPECT_EQ(a.KademeliFaizDetayiPtr()->Item(1).Tutar, para("72.74"));
    hataYok();
}

// BSMV 5 % and VAT 20 % on the interest of an invoice file, with 200 of carried interest.
TEST_P(FaizHesabiTest, BankingTaxAndVatOnInterest) {
    dosya(test::alanlar("alacaktipi=4 bsmvorani=5"));
    alacakliAyarla(test::alanlar("faturafaizinekdvekle=1"));
    harcAyarla(test::alanlar("kdv=20"));
    alacak("20230101", "10000", {{QStringLiteral("birikmisfaiz"), 200}});
    hesapla();
    const clsHesapOzeti& o = ozet();
    // carried 200: BSMV 10.00, VAT 40.00; before: 145.48 -> BSMV 7.274 -> 7.27, VAT 29.096 -> 29.10
    EXPECT_EQ(o.IslemisFaiz_AsilAlacak, para("345.48"));
    EXPECT_EQ(o.BSMVIslemisFaiz, para("17.27"));
    EXPECT_EQ(o.KDVIslemisFaiz, para("69.10"));
    // after: 752.05 -> BSMV 37.6025 -> 37.60, VAT 150.41
    EXPECT_EQ(o.BSMVSonrakiFaiz, para("37.60"));
    EXPECT_EQ(o.KDVSonrakiFaiz, para("150.41"));
    // 10000 + 345.48 + 17.27 + 69.10
    EXPECT_EQ(o.TakipCikisi_TLKismi, para("10431.85"));
    // + 752.05 + 37.60 + 150.41
    EXPECT_EQ(o.Bakiye_TL, para("11371.91"));
    EXPECT_FLOAT_EQ(foy().FaturaFaiziKDVOrani, 20.0f);
    const clsUYAPBakiyeleri& u = foy().Alacaklar().Item(1).UyapBakiyeleri();
    EXPECT_EQ(u.FaizBakiyesi, para("345.48"));
    EXPECT_EQ(u.KDVBakiyesi, para("69.10"));
    hataYok();
}

// VAT on interest only for the claim types whose creditor switch asks for it.
TEST_P(FaizHesabiTest, VatOnInterestFollowsClaimTypeAndCreditorSwitch) {
    struct Durum {
        int alacakTipi;
        const char* anahtar;
        float oran;
    } durumlar[] = {{2, "ceksenetfaizinekdvekle", 20},
                    {1, "onornekceksenetfaizinekdvekle", 20},
                    {13, "faturafaizinekdvekle", 0},
                    {4, "ceksenetfaizinekdvekle", 0}};
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.alacakTipi);
        SetUp();
        dosya({{QStringLiteral("alacaktipi"), d.alacakTipi}});
        alacakliAyarla({{QString::fromLatin1(d.anahtar), 1}});
        harcAyarla(test::alanlar("kdv=20"));
        alacak("20230101", "10000");
        hesapla();
        EXPECT_FLOAT_EQ(foy().FaturaFaiziKDVOrani, d.oran);
        // 145.48 × 20 % = 29.096 -> 29.10
        EXPECT_EQ(ozet().KDVIslemisFaiz, d.oran > 0 ? para("29.10") : Money());
        hataYok();
    }
}

// No rate in force when a claim starts: the calculation goes on and the file's message
// names each claim.
TEST_P(FaizHesabiTest, UnknownRateAtAClaimStartIsReported) {
    dosya(test::alanlar("faizorani=0"));
    alacak("20230101", "10000");
    toda("Çek", "2000", "20230101", 0);
    sonrakiAlacak("20230401", "1234.5", 0);
    hesapla();
    EXPECT_EQ(foy().Mesaj,
              QStringLiteral("01.01.2023 tarihli ve 10.000,00TL tutarlı alacağın faiz başlangıç "
                             "tarihinde faiz oranı belirsizdir.\r\n"
                             "01.01.2023 tarihli ve 2.000,00TL tutarlı alacağın('Çek') faiz "
                             "başlangıç tarihinde faiz oranı belirsizdir.\r\n"
                             "01.04.2023 tarihli ve 1.234,50TL tutarlı alacağın (Sonraki) faiz "
                             "başlangıç tarihinde faiz oranı belirsizdir.\r\n"));
    EXPECT_EQ(ozet().IslemisFaiz, Money());
    hataYok();
}

// Later claims: 1,000 from 1 April at 12 % (part of the fee base) and 500 dated before
// the enforcement start, which therefore starts on it and inherits the file's 9 %.
TEST_P(FaizHesabiTest, LaterClaimsStartAfterTheEnforcement) {
    dosya();
    alacak("20230101", "10000");
    sonrakiAlacak("20230401", "1000", 12, true);
    sonrakiAlacak("20230201", "500", 0);
    hesapla();
    const clsHesapOzeti& o = ozet();
    EXPECT_EQ(o.SonrakiAlacak, para("1500"));
    // 1000 / 36500 × 274 × 12 = 90.0821 -> 90.08 ; 500 / 36500 × 305 × 9 = 37.6027 -> 37.60
    EXPECT_EQ(o.SonrakiFaiz_SonrakiAlacak, para("127.68"));
    EXPECT_EQ(o.SonrakiFaiz, para("879.73"));  // 752.05 + 127.68
    // Later claims are not part of the enforcement amount.
    EXPECT_EQ(o.TakipCikisi_TLKismi, para("10145.48"));
    // 10000 + 145.48 + 752.05 + 1500 + 127.68
    EXPECT_EQ(o.Bakiye_TL, para("12525.21"));
    EXPECT_EQ(foy().SonrakiAlacaklar().Item(2).SonIslemTarihi, QStringLiteral("20231231"));
    hataYok();
}

// TODA: 2,000 bearing 12 % from 1 January and 300 without interest.
TEST_P(FaizHesabiTest, PreEnforcementOtherClaims) {
    dosya();
    alacak("20230101", "10000");
    toda("Çek Tazminatı", "2000", "20230101", 12);
    toda("Protesto", "300", "", 0);
    hesapla();
    const clsHesapOzeti& o = ozet();
    EXPECT_EQ(o.TakipOncesiDigerAlacaklar, para("2300"));
    // 2000 / 36500 × 59 × 12 = 38.7945 -> 38.79 ; 2000 / 36500 × 305 × 12 = 200.5479 -> 200.55
    EXPECT_EQ(o.IslemisFaiz_TODA, para("38.79"));
    EXPECT_EQ(o.SonrakiFaiz_TODA, para("200.55"));
    // 10000 + 145.48 + 300 (interest-free TODA as a lira expense) + 2000 + 38.79
    EXPECT_EQ(o.TakipCikisi_TLKismi, para("12484.27"));
    EXPECT_EQ(o.Bakiye_TL, para("13436.87"));  // + 752.05 + 200.55
    EXPECT_EQ(foy().TODAs().Item(1).UyapBakiyeleri().FaizBakiyesi, para("38.79"));
    hataYok();
}

TEST_P(FaizHesabiTest, WithoutClaimsTheEnforcementRateComesFromTheOtherClaims) {
    dosya();
    toda("Çek Tazminatı", "2000", "20230101", 12);
    hesapla();
    EXPECT_FLOAT_EQ(ozet().TakipTarihindeFaizOrani, 12.0f);
    hataYok();
}

// Alimony of 500 a month from 15 January, closing 15 June: instalments on 15 January and
// 15 February (before the enforcement start) and 15 March, April and May (added after it).
// Interest starts on the alimony interest-start date, 1 February, or on a later instalment.
TEST_P(FaizHesabiTest, AlimonyAddedAfterTheEnforcementStart) {
    for (int faizli : {1, 0}) {
        SCOPED_TRACE(faizli);
        SetUp();
        secenekAyarla({{QStringLiteral("nafakayafaiz"), faizli}});
        dosya(test::alanlar("alacaktipi=15 formtipi=4 hesaptarihi=20230615"));
        alacak("20230115", "500",
               {{QStringLiteral("nafakafaizbaslangictarihi"), QStringLiteral("20230201")}});
        hesapla([](clsFoyBilgileri& f) { f.KademeliFaizBilgileriniTut = true; });
        ASSERT_EQ(foy().Alacaklar().Count(), 5);
        const clsHesapOzeti& o = ozet();
        EXPECT_EQ(o.BorcAsli, para("1000"));
        EXPECT_EQ(o.EklenenNafaka, para("1500"));
        if (faizli) {
            // 500 / 36500 × 28 × 9 = 3.4520 -> 3.45 (from 1 Feb) ; × 14 days = 1.7260 -> 1.73
            EXPECT_EQ(o.IslemisFaiz_AsilAlacak, para("5.18"));
            // to 15 June: 106 days twice 13.07, 92 days 11.34, 61 days 7.52, 31 days 3.82
            EXPECT_EQ(o.SonrakiFaiz_AsilAlacak, para("48.82"));
            EXPECT_EQ(o.Bakiye_TL, para("2554.00"));
            ASSERT_TRUE(foy().Alacaklar().Item(1).KademeliFaizDetayiPtr());
        } else {
            EXPECT_EQ(o.IslemisFaiz_AsilAlacak, Money());
            EXPECT_EQ(o.SonrakiFaiz_AsilAlacak, Money());
            EXPECT_EQ(o.Bakiye_TL, para("2500"));
            // No tiered lines, but the processing date still moves on.
            const auto detay = foy().Alacaklar().Item(1).KademeliFaizDetayiPtr();
            EXPECT_TRUE(!detay || detay->Count() == 0);
        }
        EXPECT_EQ(foy().Alacaklar().Item(1).SonIslemTarihi, QStringLiteral("20230615"));
        hataYok();
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, FaizHesabiTest, ::testing::ValuesIn(test::availableBackends()),
                         test::adi);

}  // namespace
}  // namespace quv
