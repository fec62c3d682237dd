#include "engine/Money.h"
#include "engine/RuntimeError.h"
#include "file/DbFixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace quv {
namespace {

TEST(Money, FromDoubleRoundsTheScaledValueHalfToEven) {
    const std::tuple<double, std::int64_t, const char*> cases[] = {
        {0.00005, 0, "0.00005 x 10000 = 0.5 exactly: tie, to even 0"},
        {0.00015, 1, "1.4999999999999998 in double: below the tie, 1"},
        {1.23445, 12344, "12344.5: tie, to even 12344"},
        {-1.23455, -12346, "-12345.5: tie, to even -12346"}};
    for (const auto& [amount, raw, arithmetic] : cases)
        EXPECT_EQ(Money::fromDouble(amount).raw(), raw) << arithmetic;
}

TEST(Money, FromDoubleToCentsRoundsOnceHalfToEven) {
    const std::tuple<double, std::int64_t, const char*> cases[] = {
        // through four decimals this would become the tie 0.0050 -> even (546.01: the data cases)
        {1.01 * 0.5 / 100.0, 100, "0.00505 = 0.505 cents -> 0.01"},
        {100.01 * 0.5, 500000, "50.005 = 5000.5 cents: tie, to even 50.00"},
        {-0.125, -1200, "-12.5 cents: tie, to even -0.12"}};
    for (const auto& [amount, raw, arithmetic] : cases)
        EXPECT_EQ(Money::fromDoubleToCents(amount).raw(), raw) << arithmetic;
}

TEST(Money, DivisionRoundsHalfToEvenAtEveryWidthAndSign) {
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    const struct {
        __int128 n;
        std::int64_t d, q;
    } cases[] = {
        {5, 2, 2},   {7, 2, 4},   {-5, 2, -2},  {-7, 2, -4}, {5, -2, -2},  {-7, -2, 4},
        {25, 10, 2}, {15, 10, 2}, {-25, 10, -2}, {2, 3, 1},  {-2, 3, -1},  {1, 3, 0},
        {max, 2, max / 2 + 1},              // ...903.5: a tie, 903 odd, up to 904
        {min, 2, min / 2},                  // exact
        {min, min, 1},                      // exact
        {max, min, -1},                     // -0.99...
        {__int128{1} << 62, min, 0},        // -0.5: a tie, to even 0
        {(__int128{1} << 62) * 3, min, -2}, // -1.5: a tie, to even -2
        {__int128{max} * 3, 3, max},        // a wide numerator
        {__int128{min} * 10 + 5, 10, min},  // -2^63 - 0.5 wide: a tie, to the even -2^63
    };
    for (const auto& c : cases)
        EXPECT_EQ(divideHalfEven(c.n, c.d), c.q) << static_cast<long long>(c.n) << " / " << c.d;
    EXPECT_EQ(test::errorNumber([] { divideHalfEven(min, -1); }), ErrNo::Overflow);
}

TEST(Money, RoundTo2IsHalfToEvenOnTheFixedPointValue) {
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {12350, 12400},  // 1.2350 -> 1.24 (tie, 123 is odd: up to even 124)
        {12250, 12200},  // 1.2250 -> 1.22 (tie, 122 is even)
        {50, 0},         // 0.0050 -> 0.00 (tie, to even 0)
    };
    for (const auto& [raw, expected] : cases)
        EXPECT_EQ(Money::fromRaw(raw).roundTo2().raw(), expected) << raw;
}

TEST(Money, ProductOfTwoAmountsIsExactThenHalfToEvenAtFourDecimals) {
    // 1.0001 x 1.0001 = 1.00020001 -> 1.0002 (below the tie)
    EXPECT_EQ((Money::fromRaw(10001) * Money::fromRaw(10001)).raw(), 10002);
    // 0.0005 x 0.5 = 0.00025 -> tie between 0.0002 and 0.0003: even 0.0002
    EXPECT_EQ((Money::fromRaw(5) * Money::fromRaw(5000)).raw(), 2);
    // A product whose raw intermediate overflows 64 bits but whose result fits:
    // 900,000,000,000 x 10 = 9,000,000,000,000
    Money big = Money::fromUnits(900000000000LL);
    EXPECT_EQ((big * Money::fromUnits(10)).raw(), 9000000000000LL * Money::Scale);
}

TEST(Money, ParseAndVariantReadExactDecimalTextAndKeepNullApart) {
    EXPECT_EQ(Money::parse("12,5").raw(), 125000);
    EXPECT_EQ(Money::parse("922337203685477.5807").raw(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Money::parse("0.00015").raw(), 2);  // exact tie in text: to even 2
    // Short amounts are read in 64 bits: the same values at the edges of that reading.
    for (auto [text, raw] : {std::pair{"-12.5", -125000LL},
                             {"5.", 50000LL},
                             {".5", 5000LL},
                             {"-0", 0LL},
                             {" 7 ", 70000LL},
                             {"99999999999999.9999", 999999999999999999LL},
                             {"0000000000000000000012", 120000LL},
                             {"100000000000000", 1000000000000000000LL}})
        EXPECT_EQ(Money::parse(QString::fromLatin1(text)).raw(), raw) << text;
    EXPECT_EQ(test::errorNumber([] { Money::parse("999999999999999"); }), ErrNo::Overflow);
    EXPECT_EQ(test::errorNumber([] { Money::parse("-"); }), ErrNo::TypeMismatch);
    EXPECT_EQ(Money::fromVariant(QVariant(0.1 + 0.2)).raw(), 3000);
    EXPECT_EQ(test::errorNumber([] { Money::parse("12a"); }), ErrNo::TypeMismatch);
    EXPECT_EQ(test::errorNumber([] { Money::parse("922337203685477.5808"); }), ErrNo::Overflow);
    EXPECT_EQ(
        test::errorNumber([] { Money::fromVariant(QVariant(QMetaType::fromType<double>())); }),
        ErrNo::InvalidUseOfNull);
}

TEST(Money, OverflowAndDivisionByZeroRaiseTheirErrors) {
    const Money max = Money::fromRaw(std::numeric_limits<std::int64_t>::max());
    const Money min = Money::fromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(test::errorNumber([&] { (void)(max + Money::fromRaw(1)); }), ErrNo::Overflow);
    EXPECT_EQ(test::errorNumber([&] { (void)(-min); }), ErrNo::Overflow);
    EXPECT_EQ(test::errorNumber([&] { (void)(max * Money::fromUnits(2)); }), ErrNo::Overflow);
    EXPECT_EQ(test::errorNumber([] { Money::fromDouble(1e15); }), ErrNo::Overflow);
    EXPECT_EQ(test::errorNumber([] { (void)(Money::fromUnits(1) / std::int64_t{0}); }),
              ErrNo::DivisionByZero);
}

TEST(Money, DivisionByACountIsHalfToEvenAndRateProductsGoThroughDouble) {
    // 1,000.00 / 3 = 333.3333...;  0.0015 / 2 = 0.00075 -> tie: even 0.0008
    EXPECT_EQ((Money::fromUnits(1000) / 3).raw(), 3333333);
    EXPECT_EQ((Money::fromRaw(15) / 2).raw(), 8);
    // 1,000.00 x 9 % x 31 / 365 = 7.6438356... -> 7.6438
    EXPECT_EQ(Money::fromUnits(1000).times(9.0f / 100.0 * 31.0 / 365.0).raw(), 76438);
}

}  // namespace
}  // namespace quv
