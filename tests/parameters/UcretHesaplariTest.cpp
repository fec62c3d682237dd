#include "ParametreTestVerisi.h"
#include "engine/ErrorReporter.h"
#include "engine/RuntimeError.h"
#include "parameters/clsParametreler.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

using test::M;

TEST(FeeRounding, RoundsToTheUnitHalfToEven) {
    struct Case {
        const char* deger;
        const char* birim;
        const char* yuvarla;
        const char* yukariya;
    };
    // Yuvarla: D / R to a whole number half to even, times R.
    // YukariyaYuvarla: the same on D + 0.4 × R.
    const Case cases[] = {
        {"2.5", "1", "2", "3"},                // 2.5 -> 2 (even); 2.9 -> 3
        {"-2.5", "1", "-2", "-2"},             // -2.5 -> -2; -2.1 -> -2
        {"12.345", "0.01", "12.34", "12.35"},  // 1234.5 -> 1234; 1234.9 -> 1235
        {"12.5", "5", "10", "15"},             // 2.5 -> 2 -> 10; (12.5 + 2) / 5 = 2.9 -> 3 -> 15
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deger);
        EXPECT_EQ(clsParametreler::Yuvarla(M(c.deger), M(c.birim)), M(c.yuvarla));
        EXPECT_EQ(clsParametreler::YukariyaYuvarla(M(c.deger), M(c.birim)), M(c.yukariya));
    }
}

class AdvanceFee : public ::testing::Test {
protected:
    AdvanceFee() {
        p.PesinHarcEklensin = true;
        p.PesinHarcOrani = 0.5f;  // exact in binary
        p.YuvarlamaDegeri = M("1");
    }
    test::SharedStateGuard guard;
    clsParametreler p;
};

TEST_F(AdvanceFee, RoundsUpBefore17January2023AndToNearestFromIt) {
    struct Case {
        const char* matrah;
        const char* tarih;
        const char* birim;
        const char* beklenen;
    };
    const Case cases[] = {
        // 10040 × 0.5 / 100 = 50.20
        {"10040", "20230117", "1", "50"},  // to nearest: 50.20 -> 50
        {"10040", "20230116", "1", "51"},  // upwards: 50.20 + 0.40 = 50.60 -> 51
        {"10040", "", "1", "51"},          // no date sorts before every date
        // 10020 × 0.5 / 100 = 50.10; upwards 50.10 + 0.40 = 50.50 -> 50 (even)
        {"10020", "20230116", "1", "50"},
        // 12345.60 × 0.5 / 100 = 61.728; 6172.8 -> 6173; (61.728 + 0.004) / 0.01 -> 6173
        {"12345.60", "20230117", "0.01", "61.73"},
        {"12345.60", "20221231", "0.01", "61.73"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.matrah) + " " + c.tarih);
        p.YuvarlamaDegeri = M(c.birim);
        EXPECT_EQ(p.PesinHarcHesapla(M(c.matrah), QString::fromLatin1(c.tarih)), M(c.beklenen));
    }
    EXPECT_TRUE(guard.errors().messages().isEmpty());
}

TEST_F(AdvanceFee, OffGivesZeroAndAZeroUnitIsReported) {
    p.PesinHarcEklensin = false;
    EXPECT_EQ(p.PesinHarcHesapla(M("10040"), QStringLiteral("20230117")), Money());
    p.PesinHarcEklensin = true;
    p.YuvarlamaDegeri = Money();
    EXPECT_EQ(p.PesinHarcHesapla(M("10040"), QStringLiteral("20230116")), Money());
    EXPECT_EQ(guard.errors().messages(),
              QStringList(errorMessage(QStringLiteral("Hesap.clsParametreler.PesinHarcHesapla"), 11,
                                       QStringLiteral("Division by zero"))));
}

TEST(AttachmentCost, DecisionFeeByJurisdictionFileExpenseAndNotifications) {
    test::SharedStateGuard guard;
    clsParametreler p;
    p.SulhKararHarci = M("100.50");
    p.AHKararHarci = M("200.75");
    p.DosyaGideri = M("10");
    p.EvrakGideri = M("5.25");
    p.PostaPulu = M("30");
    struct Case {
        Enum_MahkemeGorevi gorev;
        qint16 borcluSayisi;
        bool harc;
        bool dosyaGideri;
        bool tebligGideri;
        const char* beklenen;
    };
    const Case cases[] = {
        // 100.50 + 10 + (5.25 + 30) × 3 = 100.50 + 10 + 105.75 = 216.25
        {E_MG_SulhHukuk, 3, true, true, true, "216.25"},
        // 200.75 + 10 + 105.75 = 316.50
        {E_MG_AsliyeTicaret, 3, true, true, true, "316.50"},
        // notifications only: (5.25 + 30) × 2 = 70.50
        {E_MG_Is, 2, false, false, true, "70.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.gorev));
        p.IHDosyaGideriEklensin = c.dosyaGideri;
        p.IHTebligGideriEklensin = c.tebligGideri;
        EXPECT_EQ(p.IhtiyatiHacizGideriHesapla(c.gorev, c.borcluSayisi, c.harc), M(c.beklenen));
    }
    // The fee is charged unless the caller says otherwise.
    p.IHDosyaGideriEklensin = false;
    p.IHTebligGideriEklensin = false;
    EXPECT_EQ(p.IhtiyatiHacizGideriHesapla(E_MG_SulhHukuk, 1), M("100.50"));
    EXPECT_TRUE(guard.errors().messages().isEmpty());
}

}  // namespace
}  // namespace quv
