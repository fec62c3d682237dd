#include "engine/DateService.h"
#include "engine/RuntimeError.h"
#include "engine/TextDate.h"
#include "engine/modGeneral.h"
#include "file/DbFixture.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

TEST(TextDate, ValidityFollowsTheCalendar) {
    // 2024 is a leap year, 2000 is divisible by 400; 2023 is not, 2100 only by 100;
    // 31 February, month 13, another format, what a Null collection date reads as.
    for (auto [text, valid] : {std::pair{"20240229", true},
                               {"20000229", true},
                               {"20230229", false},
                               {"21000229", false},
                               {"20230231", false},
                               {"20231301", false},
                               {"2023-01-15", false},
                               {"0", false}})
        EXPECT_EQ(TextDate::isValid(text), valid) << text;
}

// The day is computed without the calendar library: it must name the library's own day, and
// the same texts must be dates, across leap rules and the edges of months and years.
TEST(TextDate, SameDaysAsTheCalendar) {
    for (int y : {1, 4, 100, 400, 1582, 1600, 1900, 2000, 2023, 2024, 2100, 9999})
        for (int m = 0; m <= 13; ++m)
            for (int d = 0; d <= 32; ++d) {
                const QString text = QStringLiteral("%1%2%3")
                                         .arg(y, 4, 10, QChar(u'0'))
                                         .arg(m, 2, 10, QChar(u'0'))
                                         .arg(d, 2, 10, QChar(u'0'));
                ASSERT_EQ(TextDate::isValid(text), QDate::isValid(y, m, d)) << text.toStdString();
                // Twice: the second time from the day numbers kept of the last texts.
                if (QDate::isValid(y, m, d)) {
                    for (int kez = 0; kez < 2; ++kez)
                        ASSERT_EQ(TextDate::toDate(text), QDate(y, m, d)) << text.toStdString();
                }
            }
}

TEST(TextDate, AnInvalidTextRaisesTypeMismatch) {
    DateService dates;
    for (const char* text : {"20230231", "abc", ""})
        EXPECT_EQ(test::errorNumber([&] { dates.toDate(text); }), ErrNo::TypeMismatch) << text;
}

TEST(GunSayisiBul, CountsCalendarDaysInEitherOrder) {
    test::SharedStateGuard guard;
    // The leap day of 2024 lies between 28 February and 1 March.
    for (auto [a, b, days] : {std::tuple{"20230301", "20230331", 30},
                              {"20230331", "20230301", 30},
                              {"20240228", "20240301", 2},
                              {"", "20230115", 0}})
        EXPECT_EQ(modGeneral::GunSayisiBul(a, b), days) << a << " - " << b;
    // An invalid date is reported and counts 0.
    EXPECT_EQ(modGeneral::GunSayisiBul("20230231", "20230301"), 0);
    ASSERT_EQ(guard.errors().messages().size(), 1);
    EXPECT_EQ(guard.errors().messages().first(),
              "Hatanın oluştuğu yer : Hesap.modGenel.GunSayisiBul\rHata : 13 -> Type mismatch");
}

}  // namespace
}  // namespace quv
