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
    struct Case {
        const char* text;
        bool valid;
    } cases[] = {
        {"20240229", true},                   // 2024 is a leap year
        {"20230229", false},                  // 2023 is not
        {"21000229", false},                  // divisible by 100, not by 400
        {"20000229", true},                   // divisible by 400
        {"20230231", false},                  // 31 February
        {"20231301", false},                  // month 13
        {"2023-01-15", false}, {"0", false},  // what a Null collection date reads as
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextDate::isValid(QString::fromLatin1(c.text)), c.valid) << c.text;
}

TEST(TextDate, AnInvalidTextRaisesTypeMismatchAValidOneDisplays) {
    DateService dates;
    for (const char* text : {"20230231", "abc", ""})
        EXPECT_EQ(test::errorNumber([&] { dates.toDate(text); }), ErrNo::TypeMismatch) << text;
    EXPECT_EQ(dates.display("20240305", "."), "05.03.2024");
}

TEST(GunSayisiBul, CountsCalendarDaysInEitherOrder) {
    test::SharedStateGuard guard;
    struct Case {
        const char* a;
        const char* b;
        qint32 days;
    } cases[] = {{"20230301", "20230331", 30},
                 {"20230331", "20230301", 30},
                 {"20240228", "20240301", 2},  // leap day in between
                 {"20230101", "20240101", 365},
                 {"", "20230115", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(modGeneral::GunSayisiBul(QString::fromLatin1(c.a), QString::fromLatin1(c.b)),
                  c.days)
            << c.a << " - " << c.b;
    // An invalid date is reported and counts 0.
    EXPECT_EQ(modGeneral::GunSayisiBul("20230231", "20230301"), 0);
    ASSERT_EQ(guard.errors().messages().size(), 1);
    EXPECT_EQ(guard.errors().messages().first(),
              "Hatanın oluştuğu yer : Hesap.modGenel.GunSayisiBul\rHata : 13 -> Type mismatch");
}

}  // namespace
}  // namespace quv
