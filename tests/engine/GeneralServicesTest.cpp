#include "engine/Collection.h"
#include "engine/NumberFormat.h"
#include "engine/RecordSet.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"
#include "file/DbFixture.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quv {
namespace {

TEST(KriterOlustur, BuildsOneConditionOrNothing) {
    // Field, operator, values, quoted, the condition.
    const std::tuple<const char*, const char*, const char*, const char*, bool, const char*>
        cases[] = {{"t1.foykodu", "=", "15", "", false, "t1.foykodu = 15"},
                   {"t1.takiptarihi", ">=", "20230101", "", true, "t1.takiptarihi >= '20230101'"},
                   {"t1.foykodu", "Arasında", "10", "20", false, "t1.foykodu between 10 and 20"},
                   {"t1.foykodu", "Arasında", "10", "", false, ""},  // between needs both values
                   {"t1.foykodu", "=", "", "", false, ""},           // no first value
                   // Typed values can never leave their literal or the condition.
                   {"t1.takiptarihi", "=", "2023' or '1'='1", "", true,
                    "t1.takiptarihi = '2023'' or ''1''=''1'"},
                   {"t1.foykodu", "=", "1 or 1=1", "", false, "t1.foykodu = '1 or 1=1'"}};
    for (const auto& [field, op, v1, v2, quote, expected] : cases)
        EXPECT_EQ(modGeneral::KriterOlustur(field, QString::fromUtf8(op), v1, v2, quote), expected)
            << field << ' ' << op << ' ' << v1;
}

TEST(NumberFormat, TurkishPatterns) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"1234.56", "#,#.00", "1.234,56"},
        {"0", "#,#.00", ",00"},
        {"999.995", "#,#.00", "1.000,00"},  // display rounding carries into a new group
        {"-0.001", "#,#0.00", "0,00"},      // no minus sign on a zero
        {"0.125", "#,#0.00", "0,13"}};      // display rounding: half away from zero
    for (const auto& [amount, pattern, expected] : cases)
        EXPECT_EQ(formatNumber(Money::parse(amount), pattern), expected)
            << amount << ' ' << pattern;
    EXPECT_EQ(formatNumber(9.5, FormatMoneyZero), "9,50");
    EXPECT_EQ(formatNumber(Money::parse("1234.5"), FormatMoney, QLocale::c()), "1,234.50");
}

TEST(NumberFormat, ReadsTypedAmounts) {
    // The text read and the amount ("-": refused).
    for (auto [text, expected] : {std::pair{"1.234,56", "1234.56"},
                                  {"18.9512", "18.9512"},
                                  {"1.234", "1234"},
                                  {"-0,5", "-0.5"},
                                  {"1,2,3", "-"},
                                  {"12a", "-"},
                                  {"1.23,4", "-"}}) {
        const auto value = parseNumber(text);
        EXPECT_EQ(value ? value->toDecimalString() : "-",
                  QString(expected) == "-" ? "-" : Money::parse(expected).toDecimalString())
            << text;
    }
}

TEST(Variant, ConversionsRaiseTheClassicErrors) {
    EXPECT_EQ(toInt16(QVariant(2.5)), 2);  // half to even
    EXPECT_EQ(toInt16(QVariant(3.5)), 4);
    EXPECT_EQ(test::errorNumber([] { toInt16(QVariant(40000)); }), ErrNo::Overflow);
    EXPECT_EQ(test::errorNumber([] { toByte(QVariant(-1)); }), ErrNo::Overflow);
    EXPECT_EQ(test::errorNumber([] { toInt32(QVariant("0-1")); }), ErrNo::TypeMismatch);
    EXPECT_TRUE(toBool(QVariant(-1)));
    EXPECT_FALSE(toBool(QVariant("0")));
}

// Integer kinds are read where they are stored: each width and sign gives its number, the
// target's bounds (6) and a Null of the kind (94) as before.
TEST(Variant, IntegerKindsGiveTheirNumberTheirBoundsAndTheirNull) {
    const std::pair<QVariant, qint64> durumlar[] = {
        // the value as a 32-bit number, or -error
        {QVariant::fromValue<short>(-7), -7},   {QVariant::fromValue<ushort>(65535), 65535},
        {QVariant::fromValue<uchar>(255), 255}, {QVariant::fromValue<uint>(4000000000u), -6},
        {QVariant(qulonglong(70000)), 70000},   {QVariant(~qulonglong(0)), -6},
        {QVariant(qlonglong(-40000)), -40000},  {QVariant(QMetaType::fromType<int>()), -94}};
    for (const auto& [v, beklenen] : durumlar) {
        const int hata = test::errorNumber([&] { toInt32(v); });
        EXPECT_EQ(hata ? -hata : toInt32(v), beklenen) << v.typeName();
    }
    EXPECT_EQ(test::errorNumber([] { toInt16(QVariant::fromValue<ushort>(40000)); }),
              ErrNo::Overflow);
    EXPECT_EQ(test::errorNumber([] { toByte(QVariant::fromValue<short>(-7)); }), ErrNo::Overflow);
    EXPECT_EQ(toByte(QVariant::fromValue<uchar>(255)), 255);
    EXPECT_EQ(toDouble(QVariant(~qulonglong(0))), 18446744073709551615.0);
    EXPECT_TRUE(toBool(QVariant::fromValue<uchar>(2)));
    // A truth value is -1 or 0 as a number.
    EXPECT_EQ(toInt16(QVariant(true)) + toInt16(QVariant(false)), -1);
    EXPECT_FALSE(toBool(QVariant(false)));
}

// The same names read out of their order in record sets whose columns stand in other orders,
// made and dropped in turn (a list may take the address of the one before): each name finds
// its own column, whose value is the name's length.
TEST(RecordSetTest, NamesFindTheirOwnColumnInEveryOrder) {
    const QString adlar[] = {QStringLiteral("dddd"), QStringLiteral("a"), QStringLiteral("ccc"),
                             QStringLiteral("bb")};
    for (int tur = 0; tur < 8; ++tur) {
        QStringList sutunlar = {"a", "bb", "ccc", "dddd"};
        std::rotate(sutunlar.begin(), sutunlar.begin() + tur % 4, sutunlar.end());
        if (tur >= 4)
            std::reverse(sutunlar.begin(), sutunlar.end());
        QVariantList satir;
        for (const QString& s : sutunlar)
            satir << s.size();
        const RecordSet rs(sutunlar, std::vector<QVariantList>{satir}, CursorType::ForwardOnly);
        for (const QString& ad : adlar) {
            EXPECT_EQ(rs.value(ad).toInt(), ad.size()) << tur;
            EXPECT_EQ(rs.value(QLatin1StringView(ad.toLatin1())).toInt(), ad.size()) << tur;
        }
    }
}

TEST(Collection, IsOneBasedKeyedAndRaisesSubscriptOutOfRange) {
    Collection<QString> c;
    c.Add("a");
    c.Add("b", "K2");
    c.Add("c");
    EXPECT_EQ(c.Item("k2"), "b");
    c.Remove("K2");
    EXPECT_EQ(c.Item(2), "c");
    for (int bad : {0, 3, -1})
        EXPECT_EQ(test::errorNumber([&] { c.Item(bad); }), ErrNo::SubscriptOutOfRange) << bad;
    c.Add("k", "dup");
    EXPECT_THROW(c.Add("k2", "DUP"), RuntimeError);
}

}  // namespace
}  // namespace quv
