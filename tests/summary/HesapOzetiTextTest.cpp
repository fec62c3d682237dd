#include "summary/HesapOzetiGosterimi.h"
#include "summary/SummaryColumns.h"
#include "summary/clsHesapOzeti.h"
#include "support/TestEnvironment.h"

namespace quv {
namespace {

QString lines(const QStringList& l) {
    return l.join(QChar(13));
}

TEST(HesapOzetiText, ShowsItsEightValuesInTheTurkishFormat) {
    test::SharedStateGuard guard;
    // Every other field is non-zero too, and must not show up.
    clsHesapOzeti s = test::filledSummary(5);
    int n = 0;
    for (Money clsHesapOzeti::*alan :
         {&clsHesapOzeti::BorcAsli, &clsHesapOzeti::IslemisFaiz,
          &clsHesapOzeti::TakipOncesiDigerAlacaklar, &clsHesapOzeti::HarcaEsasDeger,
          &clsHesapOzeti::TahsilHarci_Kalan, &clsHesapOzeti::TahsilHarci_Odenen,
          &clsHesapOzeti::SonrakiAlacak, &clsHesapOzeti::SonrakiFaiz,
          &clsHesapOzeti::BakiyeGuncelTL})
        s.*alan = Money::parse(QString::number(++n) + "000.125");
    // The fee line adds the remaining and the paid fee: 5,000.125 + 6,000.125 = 11,000.25.
    EXPECT_EQ(s.ToString(),
              lines({"Borc Aslı : 1.000,13", "İşlemiş Faiz : 2.000,13", "TODA : 3.000,13",
                     "Harca Esas Deger : 4.000,13", "Tahsil Harcı : 11.000,25",
                     "Sonraki Alacak : 7.000,13", "Sonraki Faiz : 8.000,13", "Bakiye : 9.000,13"}));
}

TEST(HesapOzetiGosterimi, ShowsOnlyNonZeroFieldsInTheirGroups) {
    clsHesapOzeti ozet;
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
    int satir = 0;
    for (const HesapOzetiGrubu& g : hesapOzetiGruplari(test::filledSummary(1)))
        satir += g.satirlar.size();
    EXPECT_EQ(satir, clsHesapOzeti::Alanlar().size());
}

}  // namespace
}  // namespace quv
