#include "ui/MoneyEdit.h"
#include "support/TestEnvironment.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace quv {
namespace {

Money m(const char* decimal) {
    return Money::parse(QString::fromLatin1(decimal));
}

struct ReadCase {
    const char* typed;
    int decimals;
    std::optional<const char*> value;  // nothing: not a number
};

TEST(MoneyEditTest, ReadsTypedAmounts) {
    const ReadCase cases[] = {
        // The number rules are the number format's; these rows are what the box adds.
        {",5", 2, "0.5"},
        {"-1,5", 2, "-1.5"},
        // More decimals than the box shows round half away from zero: 1234.565 -> 1234.57.
        {"1.234,565", 2, "1234.57"},
        {"2,5", 0, "3"},
        {"", 2, std::nullopt},
        {"12a", 2, std::nullopt},
    };
    for (const ReadCase& c : cases) {
        std::optional<Money> read = MoneyEdit::readText(QString::fromUtf8(c.typed), c.decimals);
        if (c.value) {
            ASSERT_TRUE(read.has_value()) << c.typed;
            EXPECT_EQ(*read, m(*c.value)) << c.typed;
        } else {
            EXPECT_FALSE(read.has_value()) << c.typed;
        }
    }
}

TEST(MoneyEditTest, TakesOnlyDigitsAndSeparatorsFromTheKeyboard) {
    test::SharedStateGuard guard;
    const struct {
        const char* keys;
        int decimals;
        bool negative;
        const char* text;
        const char* value;
    } cases[] = {
        {"12a,5b", 2, false, "12,5", "12.5"},
        {"-5", 2, false, "5", "5"},
        {"-5", 2, true, "-5", "-5"},
        {"1,234", 2, false, "1,23", "1.23"},  // a third decimal is refused
        {"1,5", 0, false, "15", "15"},        // a count has no decimal comma
        {"123456789012345", 2, false, "12345678901234", "12345678901234"},
    };
    for (const auto& c : cases) {
        MoneyEdit box;
        box.setDecimals(c.decimals);
        box.setAllowNegative(c.negative);
        QTest::keyClicks(&box, QString::fromUtf8(c.keys));
        EXPECT_EQ(box.text(), QString::fromUtf8(c.text)) << c.keys;
        EXPECT_EQ(box.value(), m(c.value)) << c.keys;
    }
}

TEST(MoneyEditTest, ShowsWhatItHoldsAndSignalsChanges) {
    MoneyEdit box;
    QSignalSpy changes(&box, &MoneyEdit::valueChanged);
    box.setValue(m("1234.5"));
    EXPECT_EQ(box.text(), QStringLiteral("1.234,50"));
    // 1.005 shows as 1,01 and reads back as the 1.01 shown.
    box.setValue(m("1.005"));
    EXPECT_EQ(box.text(), QStringLiteral("1,01"));
    EXPECT_EQ(box.value(), m("1.01"));
    box.setText(QStringLiteral("1,010"));  // same value, no signal
    EXPECT_EQ(changes.count(), 2);
    box.setDecimals(0);
    EXPECT_EQ(box.text(), QStringLiteral("1"));
}

}  // namespace
}  // namespace quv
