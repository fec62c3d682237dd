#include "summary/HesapOzetiGosterimi.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

TEST(HesapOzetiGosterimi, ShowsOnlyNonZeroFieldsInTheirGroups) {
    clsHesapOzeti ozet;
    EXPECT_TRUE(hesapOzetiGruplari(ozet).isEmpty());
    EXPECT_EQ(hesapOzetiMetni(ozet), "Hesap özetinde tutar yok.");
    ozet.BorcAsli = Money::parse("12500");
    ozet.VekaletUcreti = Money::parse("1900.5");
    ozet.GuncelFaizOrani = 24.0f;
    ozet.BakiyeGuncelTL = Money::parse("-3.2");
    QList<HesapOzetiGrubu> gruplar = hesapOzetiGruplari(ozet);
    ASSERT_EQ(gruplar.size(), 4);
    EXPECT_EQ(gruplar[0].baslik, "Asıl alacak");
    EXPECT_EQ(gruplar[0].satirlar,
              (QList<std::pair<QString, QString>>{{"Borç aslı", "12.500,00"}}));
    EXPECT_EQ(gruplar[1].satirlar.first().second, "24,00");
    EXPECT_EQ(gruplar[2].satirlar.first(),
              (std::pair<QString, QString>{"Vekalet ücreti", "1.900,50"}));
    EXPECT_EQ(gruplar[3].satirlar.first().second, "-3,20");
    // Every field of the summary has a caption.
    clsHesapOzeti dolu;
    for (const clsHesapOzeti::Alan& alan : clsHesapOzeti::Alanlar()) {
        if (alan.para)
            dolu.*alan.para = Money::fromUnits(1);
        else
            dolu.*alan.oran = 1.0f;
    }
    int satir = 0;
    for (const HesapOzetiGrubu& g : hesapOzetiGruplari(dolu))
        satir += g.satirlar.size();
    EXPECT_EQ(satir, clsHesapOzeti::Alanlar().size());
}

}  // namespace
}  // namespace quv
