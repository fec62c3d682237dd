// Interest with the wizard's discount, which no stored column holds (the other interest
// cases are data: durumlar/faiz.json).

#include "MotorTestDestegi.h"
#include "calc/colKademeliFaizler.h"
#include "file/clsAlacakKalemi.h"
#include "file/colAlacaklar.h"
#include "summary/clsUYAPBakiyeleri.h"

namespace quv {
namespace {

using test::para;

class FaizHesabiTest : public test::HesapMotoruTesti {};

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

INSTANTIATE_TEST_SUITE_P(Backends, FaizHesabiTest, ::testing::ValuesIn(test::availableBackends()),
                         test::adi);

}  // namespace
}  // namespace quv
