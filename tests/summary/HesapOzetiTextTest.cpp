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
    // A zero shows only the decimal separator and two zeros.
    EXPECT_EQ(clsHesapOzeti().ToString(),
              lines({"Borc Aslı : ,00", "İşlemiş Faiz : ,00", "TODA : ,00",
                     "Harca Esas Deger : ,00", "Tahsil Harcı : ,00", "Sonraki Alacak : ,00",
                     "Sonraki Faiz : ,00", "Bakiye : ,00"}));
    // Every other field is non-zero too, and must not show up.
    clsHesapOzeti s = test::filledSummary(5);
    s.BorcAsli = Money::parse("1234567.891");
    s.IslemisFaiz = Money::parse("0.5");
    s.TakipOncesiDigerAlacaklar = Money::parse("1000");
    s.HarcaEsasDeger = Money::parse("-2500.255");
    s.TahsilHarci_Kalan = Money::parse("100.125");
    s.TahsilHarci_Odenen = Money::parse("50.5");
    s.SonrakiAlacak = Money::parse("999.995");
    s.SonrakiFaiz = Money::parse("12.3449");
    s.BakiyeGuncelTL = Money::parse("98765.4321");
    // The display rounds half away from zero: -2500.255 -> -2.500,26; the fee line is
    // 100.125 + 50.5 = 150.625 -> 150,63; 999.995 -> 1.000,00; 12.3449 -> 12,34.
    EXPECT_EQ(s.ToString(),
              lines({"Borc Aslı : 1.234.567,89", "İşlemiş Faiz : ,50", "TODA : 1.000,00",
                     "Harca Esas Deger : -2.500,26", "Tahsil Harcı : 150,63",
                     "Sonraki Alacak : 1.000,00", "Sonraki Faiz : 12,34", "Bakiye : 98.765,43"}));
}

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
    int satir = 0;
    for (const HesapOzetiGrubu& g : hesapOzetiGruplari(test::filledSummary(1)))
        satir += g.satirlar.size();
    EXPECT_EQ(satir, clsHesapOzeti::Alanlar().size());
}

}  // namespace
}  // namespace quv
