#include "ParametreTestVerisi.h"
#include "engine/RuntimeError.h"
#include "file/DbFixture.h"
#include "parameters/clsParametreler.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

using test::M;

// A scale of four brackets: up to 1,000 at 10 %, up to 3,000 at 8 %, up to 6,000 at
// 6 %, up to 10,000 at 5 %. Full brackets charge 100, 160, 180 and 200.
class AttorneyFeeScale : public ::testing::Test {
protected:
    AttorneyFeeScale() {
        p.VekaletUcretiAraliklari = {
            {M("1000"), 10.0f}, {M("3000"), 8.0f}, {M("6000"), 6.0f}, {M("10000"), 5.0f}};
        p.TabanVekaletUcreti = M("400");
    }
    test::SharedStateGuard guard;
    clsParametreler p;
};

TEST_F(AttorneyFeeScale, BracketWalk) {
    struct Case {
        const char* tutar;
        const char* beklenen;
    };
    const Case cases[] = {
        {"1000", "100"},         // at the first bound: stops there, 1,000 × 10 %
        {"1000.05", "100.004"},  // 100 + 0.05 × 8 % = 100 + 0.004
        {"3000", "260"},         // 100 + 2,000 × 8 % = 100 + 160
        {"10000", "640"},        // 100 + 160 + 180 + 200
        // beyond the last bound the last bracket's rate goes on:
        {"10000.01", "640.0005"},  // 640 + 0.01 × 5 %
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tutar);
        EXPECT_EQ(p.KademeliVekaletUcreti(M(c.tutar)), M(c.beklenen));
    }
}

// 500 × 10 % = 50 -> raised to 400; 6,000 gives 440. An empty scale raises 9.
TEST_F(AttorneyFeeScale, MinimumFeeAndAnEmptyScale) {
    EXPECT_EQ(p.TarifeVekaletUcreti(M("500")), M("400"));
    EXPECT_EQ(p.TarifeVekaletUcreti(M("6000")), M("440"));
    EXPECT_EQ(p.TabanVekaletUcretineYukselt(M("399.9999")), M("400"));
    EXPECT_THROW(p.VekaletUcretiAraligi(5), RuntimeError);
    p.VekaletUcretiAraliklari.clear();
    EXPECT_EQ(test::errorNumber([&] { p.TarifeVekaletUcreti(M("500")); }),
              ErrNo::SubscriptOutOfRange);
}

TEST_F(AttorneyFeeScale, SmallClaims) {
    struct Case {
        const char* tavan;
        const char* ucret;
        const char* tutar;
        const char* borcAsli;
        const char* beklenen;
    };
    const Case cases[] = {
        // principal 300 within the ceiling and below the minimum 400: the fee is 300
        {"1000", "400", "300", "300", "300"},
        // principal 800 within the ceiling, not below the minimum; amount 800 not below it
        {"1000", "400", "800", "800", "400"},
        // principal exactly at the ceiling still counts as small
        {"1000", "123", "350", "1000", "400"},
        // above the ceiling: unchanged
        {"1000", "123", "350", "1000.01", "123"},
        // no ceiling: unchanged
        {"0", "400", "300", "300", "400"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.borcAsli) + " " + c.tutar);
        p.MinVekaletUcretiTavani = M(c.tavan);
        EXPECT_EQ(p.KucukAlacakVekaletUcreti(M(c.ucret), M(c.tutar), M(c.borcAsli)), M(c.beklenen));
    }
}

TEST(AttorneyFee, ThreeQuarterFeeDates) {
    clsParametreler p;
    p.DortteUcVekaletUcreti = true;
    p.DortteUcVekaletUcretiBaslamaTarihi = QStringLiteral("20231201");
    struct Case {
        const char* takip;
        const char* gunun;
        const char* sonOdeme;
        bool beklenen;
    };
    const Case cases[] = {
        {"20240105", "20240110", "20240110", true},   // calculated on the last-payment date
        {"20240105", "20240111", "20240110", false},  // the day after it
        {"20231201", "20240110", "20240110", true},   // started on the option's start date
        {"20231130", "20240110", "20240110", false},  // started before it
        {"20240105", "20240110", "", false},          // no last-payment date
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.takip) + " " + c.gunun + " " + c.sonOdeme);
        EXPECT_EQ(p.DortteUcVekaletUcretiUygulanir(QString::fromLatin1(c.takip),
                                                   QString::fromLatin1(c.gunun),
                                                   QString::fromLatin1(c.sonOdeme)),
                  c.beklenen);
    }
    // A stored Null start date reads as "0", before every date.
    p.DortteUcVekaletUcretiBaslamaTarihi = QStringLiteral("0");
    EXPECT_TRUE(p.DortteUcVekaletUcretiUygulanir(
        QStringLiteral("19990101"), QStringLiteral("20240110"), QStringLiteral("20240110")));
}

}  // namespace
}  // namespace quv
