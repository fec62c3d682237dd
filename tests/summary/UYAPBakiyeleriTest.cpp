#include "summary/clsUYAPBakiyeleri.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

// Each case: its name, then "interest BSMV KDV collection BSMV-rate KDV-rate" before and
// "result to-interest to-expenses collection-left interest BSMV KDV" after, the principal
// 1,000 untouched throughout.
const std::tuple<const char*, const char*, const char*> kCases[] = {
    // BSMV share of 52.5 × 5 / 105 = 2.50; interest gets 52.5 − 2.50 = 50.00.
    {"PartialWithBankingTax", "100 5 0 52.5 5 0", "2 50 2.5 0 50 2.5 0"},
    // 100 + 5 + 18 = 123 paid exactly: nothing left for the principal.
    {"ExactlyTheSum", "100 5 18 123 5 18", "0 100 23 0 0 0 0"},
    // 150 − 123 = 27 is left for the principal.
    {"MoreThanTheSum", "100 5 18 150 5 18", "1 100 23 27 0 0 0"},
    // Without tax rates a partial collection goes wholly to interest: 100 − 40 = 60.
    {"NoTaxRates", "100 0 0 40 0 0", "2 40 0 0 60 0 0"},
    // KDV 100 × 18 / 123 = 14.634146 -> 14.6341 -> 14.63;
    // BSMV 100 × 5 / 123 = 4.0650406 -> 4.0650 -> 4.06 (the tie after the conversion to
    // four decimals goes to the even cent); taxes 18.69, interest 100 − 18.69 = 81.31;
    // balances 200 − 81.31 = 118.69, 10 − 4.06 = 5.94, 36 − 14.63 = 21.37.
    {"BothTaxesRoundedToTheCent", "200 10 36 100 5 18", "2 81.31 18.69 0 118.69 5.94 21.37"},
    // KDV 15.09 × 20 / 120 = 2.515 -> 2.52 (half to even on the decimal amount);
    // interest 15.09 − 2.52 = 12.57; balances 100 − 12.57 = 87.43, 20 − 2.52 = 17.48.
    {"CentTieRoundsToEven", "100 0 20 15.09 0 20", "2 12.57 2.52 0 87.43 0 17.48"},
};

class UYAPMahsupTest
    : public ::testing::TestWithParam<std::tuple<const char*, const char*, const char*>> {};

TEST_P(UYAPMahsupTest, OffsetsInterestAndTaxesBeforeThePrincipal) {
    const QStringList in = QString::fromLatin1(std::get<1>(GetParam())).split(u' ');
    clsUYAPBakiyeleri b;
    b.AsilAlacakBakiyesi = Money::fromUnits(1000);
    b.FaizBakiyesi = Money::parse(in[0]);
    b.BSMVBakiyesi = Money::parse(in[1]);
    b.KDVBakiyesi = Money::parse(in[2]);
    Money tahsilat = Money::parse(in[3]);
    // The outputs start from 0 whatever the caller passes in.
    Money faize = Money::fromUnits(999), masrafa = Money::fromUnits(999);
    const qint16 sonuc = b.TahsilatiFaizVeFerilerineMahsupEt(tahsilat, faize, masrafa,
                                                             in[4].toFloat(), in[5].toFloat());
    QStringList out = {QString::number(sonuc)};
    for (Money m : {faize, masrafa, tahsilat, b.FaizBakiyesi, b.BSMVBakiyesi, b.KDVBakiyesi})
        out << m.toDecimalString();
    QStringList expected = QString::fromLatin1(std::get<2>(GetParam())).split(u' ');
    for (qsizetype i = 1; i < expected.size(); ++i)
        expected[i] = Money::parse(expected[i]).toDecimalString();
    EXPECT_EQ(out, expected);
    EXPECT_EQ(b.AsilAlacakBakiyesi, Money::fromUnits(1000));
}

INSTANTIATE_TEST_SUITE_P(Cases, UYAPMahsupTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

}  // namespace
}  // namespace quv
