// The fee rules of the tariff on set values, without a database.

#include "ParametreTestVerisi.h"
#include "engine/ErrorReporter.h"
#include "file/DbFixture.h"
#include "parameters/clsParametreler.h"

namespace quv {
namespace {

using test::M;

// Yuvarla: D / R to a whole number half to even, times R; YukariyaYuvarla: on D + 0.4 × R.
TEST(FeeRounding, RoundsToTheUnitHalfToEven) {
    for (auto [deger, birim, yuvarla, yukariya] :
         {std::tuple{"2.5", "1", "2", "3"},      // 2.5 -> 2 (even); 2.9 -> 3
          {"-2.5", "1", "-2", "-2"},             // -2.5 -> -2; -2.1 -> -2
          {"12.345", "0.01", "12.34", "12.35"},  // 1234.5 -> 1234; 1234.9 -> 1235
          {"12.5", "5", "10", "15"}}) {          // 2.5 -> 2 -> 10; (12.5 + 2) / 5 = 2.9 -> 15
        EXPECT_EQ(clsParametreler::Yuvarla(M(deger), M(birim)), M(yuvarla)) << deger;
        EXPECT_EQ(clsParametreler::YukariyaYuvarla(M(deger), M(birim)), M(yukariya)) << deger;
    }
}

// 10,040 × 0.5 / 100 = 50.20: to the nearest 50, upwards 50.20 + 0.40 = 50.60 -> 51;
// 10,020 × 0.5 / 100 = 50.10: upwards 50.50 -> 50 (even); no date sorts before every date.
TEST(AdvanceFee, RoundsUpBefore17January2023AndToNearestFromIt) {
    test::SharedStateGuard guard;
    clsParametreler p;
    p.PesinHarcEklensin = true;
    p.PesinHarcOrani = 0.5f;  // exact in binary
    for (auto [matrah, tarih, beklenen] : {std::tuple{"10040", "20230117", "50"},
                                           {"10040", "20230116", "51"},
                                           {"10040", "", "51"},
                                           {"10020", "20230116", "50"}})
        EXPECT_EQ(p.PesinHarcHesapla(M(matrah), QString::fromLatin1(tarih)), M(beklenen))
            << matrah << ' ' << tarih;
    // 12,345.60 × 0.5 / 100 = 61.728; upwards (61.728 + 0.004) / 0.01 = 6173.2 -> 61.73
    p.YuvarlamaDegeri = M("0.01");
    EXPECT_EQ(p.PesinHarcHesapla(M("12345.60"), QStringLiteral("20221231")), M("61.73"));
    EXPECT_TRUE(guard.errors().messages().isEmpty());
    p.YuvarlamaDegeri = Money();
    EXPECT_EQ(p.PesinHarcHesapla(M("10040"), QStringLiteral("20230116")), Money());
    p.PesinHarcEklensin = false;  // no fee, so nothing divided
    EXPECT_EQ(p.PesinHarcHesapla(M("10040"), QStringLiteral("20230117")), Money());
    EXPECT_EQ(guard.errors().messages(),
              QStringList(errorMessage(QStringLiteral("Hesap.clsParametreler.PesinHarcHesapla"), 11,
                                       QStringLiteral("Division by zero"))));
}

TEST(AttachmentCost, DecisionFeeByJurisdictionFileExpenseAndNotifications) {
    clsParametreler p;
    p.SulhKararHarci = M("100.50");
    p.AHKararHarci = M("200.75");
    p.DosyaGideri = M("10");
    p.EvrakGideri = M("5.25");
    p.PostaPulu = M("30");
    p.IHTebligGideriEklensin = true;
    for (auto [gorev, borclu, harc, ekler, beklenen] :
         {// 100.50 + 10 + (5.25 + 30) × 3 = 100.50 + 10 + 105.75 = 216.25
          std::tuple{E_MG_SulhHukuk, 3, true, true, "216.25"},
          {E_MG_AsliyeTicaret, 3, true, true, "316.50"},  // 200.75 + 10 + 105.75
          {E_MG_Is, 2, false, false, "70.50"}}) {         // notifications only: 35.25 × 2
        p.IHDosyaGideriEklensin = ekler;
        EXPECT_EQ(p.IhtiyatiHacizGideriHesapla(gorev, qint16(borclu), harc), M(beklenen)) << gorev;
    }
}

// A scale of four brackets: up to 1,000 at 10 %, up to 3,000 at 8 %, up to 6,000 at 6 %,
// up to 10,000 at 5 %; full brackets charge 100, 160, 180 and 200. Minimum fee 400.
class AttorneyFeeScale : public ::testing::Test {
protected:
    AttorneyFeeScale() {
        p.VekaletUcretiAraliklari = {
            {M("1000"), 10.0f}, {M("3000"), 8.0f}, {M("6000"), 6.0f}, {M("10000"), 5.0f}};
        p.TabanVekaletUcreti = M("400");
    }
    clsParametreler p;
};

TEST_F(AttorneyFeeScale, BracketWalkAndMinimum) {
    for (auto [tutar, beklenen] :
         {std::pair{"1000", "100"},   // at the first bound: 1,000 × 10 %
          {"1000.05", "100.004"},     // 100 + 0.05 × 8 %
          {"3000", "260"},            // 100 + 2,000 × 8 %
          {"10000", "640"},           // 100 + 160 + 180 + 200
          {"10000.01", "640.0005"}})  // the last rate goes on: + 0.01 × 5 %
        EXPECT_EQ(p.KademeliVekaletUcreti(M(tutar)), M(beklenen)) << tutar;
    EXPECT_EQ(p.TarifeVekaletUcreti(M("500")), M("400"));   // 50 raised to the minimum
    EXPECT_EQ(p.TarifeVekaletUcreti(M("6000")), M("440"));  // 100 + 160 + 180
}

TEST_F(AttorneyFeeScale, SmallClaims) {
    for (auto [tavan, ucret, tutar, borcAsli, beklenen] :
         {std::tuple{"1000", "400", "300", "300", "300"},  // within the ceiling, below the minimum
          {"1000", "123", "350", "1000", "400"},           // exactly at the ceiling: still small
          {"1000", "123", "350", "1000.01", "123"},        // above it: unchanged
          {"0", "400", "300", "300", "400"}}) {            // no ceiling: unchanged
        p.MinVekaletUcretiTavani = M(tavan);
        EXPECT_EQ(p.KucukAlacakVekaletUcreti(M(ucret), M(tutar), M(borcAsli)), M(beklenen))
            << borcAsli << ' ' << tutar;
    }
}

// A stored Null start date reads as "0", before every date.
TEST(AttorneyFee, ThreeQuarterFeeDates) {
    clsParametreler p;
    p.DortteUcVekaletUcreti = true;
    using L = QLatin1String;
    for (auto [baslama, takip, gunun, sonOdeme, beklenen] :
         {std::tuple{"20231201", "20240105", "20240110", "20240110", true},  // on the last day
          {"20231201", "20240105", "20240111", "20240110", false},           // the day after it
          {"20231201", "20231201", "20240110", "20240110", true},            // started on the start
          {"20231201", "20231130", "20240110", "20240110", false},           // started before it
          {"20231201", "20240105", "20240110", "", false},                   // no last-payment date
          {"0", "19990101", "20240110", "20240110", true}}) {
        p.DortteUcVekaletUcretiBaslamaTarihi = L(baslama);
        EXPECT_EQ(p.DortteUcVekaletUcretiUygulanir(L(takip), L(gunun), L(sonOdeme)), beklenen)
            << baslama << ' ' << takip << ' ' << gunun << ' ' << sonOdeme;
    }
}

}  // namespace
}  // namespace quv
