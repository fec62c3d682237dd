#include "summary/SummaryColumns.h"
#include "summary/clsHesapOzeti.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

const QChar CR(13);

TEST(HesapOzetiText, AZeroSummaryShowsOnlyTheDecimalSeparatorAndTwoZeros) {
    test::SharedStateGuard guard;
    clsHesapOzeti s;
    EXPECT_EQ(s.ToString(),
              QStringLiteral("Borc Aslı : ,00") + CR + QStringLiteral("İşlemiş Faiz : ,00") + CR +
                  QStringLiteral("TODA : ,00") + CR + QStringLiteral("Harca Esas Deger : ,00") +
                  CR + QStringLiteral("Tahsil Harcı : ,00") + CR +
                  QStringLiteral("Sonraki Alacak : ,00") + CR +
                  QStringLiteral("Sonraki Faiz : ,00") + CR + QStringLiteral("Bakiye : ,00"));
}

TEST(HesapOzetiText, AFilledSummaryShowsItsEightValuesInTheTurkishFormat) {
    test::SharedStateGuard guard;
    // Every other field is non-zero too, and must not show up.
    clsHesapOzeti s = test::filledSummary(5);
    s.BorcAsli = Money::parse(QStringLiteral("1234567.891"));
    s.IslemisFaiz = Money::parse(QStringLiteral("0.5"));
    s.TakipOncesiDigerAlacaklar = Money::parse(QStringLiteral("1000"));
    s.HarcaEsasDeger = Money::parse(QStringLiteral("-2500.255"));
    s.TahsilHarci_Kalan = Money::parse(QStringLiteral("100.125"));
    s.TahsilHarci_Odenen = Money::parse(QStringLiteral("50.5"));
    s.SonrakiAlacak = Money::parse(QStringLiteral("999.995"));
    s.SonrakiFaiz = Money::parse(QStringLiteral("12.3449"));
    s.BakiyeGuncelTL = Money::parse(QStringLiteral("98765.4321"));
    // The display rounds half away from zero: -2500.255 -> -2.500,26; the fee line is
    // 100.125 + 50.5 = 150.625 -> 150,63; 999.995 -> 1.000,00; 12.3449 -> 12,34.
    EXPECT_EQ(s.ToString(), QStringLiteral("Borc Aslı : 1.234.567,89") + CR +
                                QStringLiteral("İşlemiş Faiz : ,50") + CR +
                                QStringLiteral("TODA : 1.000,00") + CR +
                                QStringLiteral("Harca Esas Deger : -2.500,26") + CR +
                                QStringLiteral("Tahsil Harcı : 150,63") + CR +
                                QStringLiteral("Sonraki Alacak : 1.000,00") + CR +
                                QStringLiteral("Sonraki Faiz : 12,34") + CR +
                                QStringLiteral("Bakiye : 98.765,43"));
}

TEST(HesapOzetiText, ClearClassZeroesEveryField) {
    test::SharedStateGuard guard;
    clsHesapOzeti s = test::filledSummary(3);
    s.ClearClass();
    for (const auto& c : test::kSummaryColumns) {
        if (c.money)
            EXPECT_TRUE((s.*c.money).isZero()) << c.column;
        else
            EXPECT_EQ(s.*c.rate, 0.0f) << c.column;
    }
    EXPECT_TRUE(guard.errors().messages().isEmpty());
}

}  // namespace
}  // namespace quv
