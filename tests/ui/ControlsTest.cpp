#include "engine/ComboItemData.h"
#include "ui/ComboItems.h"
#include "ui/DateEdit.h"
#include "support/TestEnvironment.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace quv {
namespace {

TEST(DateEditTest, MayBeEmptyHoldsATextDateAndTakesOnlyDigitsAndSeparators) {
    test::SharedStateGuard guard;
    DateEdit box;
    QSignalSpy changes(&box, &DateEdit::textDateChanged);
    box.setTextDate(QStringLiteral("20240229"));
    EXPECT_EQ(box.text(), QStringLiteral("29.02.2024"));
    // A text date of no calendar day empties the box rather than showing a date it
    // does not hold.
    box.setTextDate(QStringLiteral("20230229"));
    EXPECT_EQ(box.textDate(), QString());
    EXPECT_EQ(box.text(), QString());
    EXPECT_EQ(changes.count(), 2);
    QTest::keyClicks(&box, QStringLiteral("1a5.01.2024x"));
    EXPECT_EQ(box.text(), QStringLiteral("15.01.2024"));
    EXPECT_EQ(box.textDate(), QStringLiteral("20240115"));
}

TEST(DateEditTest, ReadsTypedDates) {
    const struct {
        const char* typed;
        const char* date;
    } cases[] = {
        {"5.1.2024", "20240105"}, {"15/01/2024", "20240115"},
        {"15012024", "20240115"},  // eight digits, day first
        {"20240115", "20240115"},  // no day 20 of month 24: read as a text date
        {"31.02.2024", ""},       {"2024.01.15", ""},
        {"15.01.24", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateEdit::readText(QString::fromLatin1(c.typed)), QString::fromLatin1(c.date))
            << c.typed;
}

TEST(ComboItemsTest, SelectsByItemData) {
    test::SharedStateGuard guard;
    QComboBox liste;
    addComboItems(liste, {{QStringLiteral("Önce Borç Aslından"), 1},
                          {QStringLiteral("Toplam Borçtan (Vekalet Ücreti Sonda)"), 5},
                          {QStringLiteral("Tablo Kullan"), 4}});
    EXPECT_EQ(modGeneral::g_fnFindMatchingItemDataOfCbo(liste, 5), 1);
    EXPECT_TRUE(selectComboItemData(liste, 4));
    EXPECT_EQ(currentComboItemData(liste), 4);
    // No entry carries 3: the choice stays.
    EXPECT_FALSE(selectComboItemData(liste, 3));
    EXPECT_EQ(liste.currentIndex(), 2);
    liste.addItem(QStringLiteral("Tümü"));  // an entry without a code
    liste.setCurrentIndex(3);
    EXPECT_EQ(currentComboItemData(liste), -1);
    liste.setCurrentIndex(-1);
    EXPECT_EQ(currentComboItemData(liste, 0), 0);
}

}  // namespace
}  // namespace quv
