#include "engine/SharedState.h"
#include "file/colMasraflar.h"
#include "file/colTahsilatlar.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

class CollectionsExpensesTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    }
    void add(const QString& table, const FieldValues& fields) { db_->addRow(table, fields); }
    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
};

TEST_P(CollectionsExpensesTest, CollectionsCarryTheRatesOfTheirDate) {
    add(QStringLiteral("tblkur"), {{QStringLiteral("tarih"), QStringLiteral("20230301")},
                                   {QStringLiteral("parabirimikodu"), 2},
                                   {QStringLiteral("tltutar"), QStringLiteral("18.9512")}});
    add(QStringLiteral("tblkur"), {{QStringLiteral("tarih"), QStringLiteral("20230301")},
                                   {QStringLiteral("parabirimikodu"), 3},
                                   {QStringLiteral("tltutar"), QStringLiteral("20.1")}});
    auto tahsilat = [&](const char* tarih, int doviz, const char* tutar, int sekil) {
        add(QStringLiteral("tblfoy_tahsilat"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("tahsilattarihi"), QString::fromLatin1(tarih)},
             {QStringLiteral("tahsilatmiktari"), QString::fromLatin1(tutar)},
             {QStringLiteral("parabirimikodu"), doviz},
             {QStringLiteral("tahsilatsekli"), sekil}});
    };
    tahsilat("20230401", 2, "50", 7);      // no rates stored on that day
    tahsilat("20230301", 3, "100.25", 1);  // euro paid against a dollar debt
    tahsilat("20230301", 1, "10", 2);
    colTahsilatlar c;
    c.Add(7, 1, Money(), Money(), Money::fromUnits(5), QStringLiteral("20230101"));
    c.Yukle(1, 2);
    ASSERT_EQ(c.Count(), 4);  // a load appends
    const clsTahsilatKalemi& euro = c.Item(2);
    EXPECT_EQ(euro.Tarih, QStringLiteral("20230301"));
    EXPECT_EQ(euro.Tutar, Money::parse(QStringLiteral("100.25")));
    EXPECT_EQ(euro.TahsilatKuru, Money::parse(QStringLiteral("20.1")));
    EXPECT_EQ(euro.BorcKuru, Money::parse(QStringLiteral("18.9512")));
    EXPECT_EQ(euro.TahsilatSekli, 1);
    EXPECT_EQ(c.Item(3).TahsilatKuru, Money());  // lira has no stored rate
    EXPECT_EQ(c.Item(4).Tarih, QStringLiteral("20230401"));
    EXPECT_EQ(c.Item(4).TahsilatKuru, Money());
    EXPECT_EQ(c.Item(4).BorcKuru, Money());
    c.BelliTarihtenSonrakileriCikar(QStringLiteral("20230301"));
    EXPECT_EQ(c.Count(), 1);
    EXPECT_TRUE(guard_.errors().messages().isEmpty())
        << guard_.errors().messages().join(u'\n').toStdString();
}

TEST_P(CollectionsExpensesTest, ExpensesSplitAtTheEnforcementDate) {
    auto masraf = [&](const char* tarih, const char* tutar, int resmi) {
        add(QStringLiteral("tblfoy_masraf"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("masraftarihi"), QString::fromLatin1(tarih)},
             {QStringLiteral("masraftutari"), QString::fromLatin1(tutar)},
             {QStringLiteral("resmi"), resmi}});
    };
    masraf("20230115", "100.10", 1);
    masraf("20230115", "50", 0);
    masraf("20230116", "25.5", 1);
    masraf("20230116", "4.5", 1);
    struct Case {
        const char* takip;
        bool resmi;
        Money oncesi;
        int kalem;
        Money toplam;
    } cases[] = {
        {"20230115", false, Money::parse(QStringLiteral("150.10")), 1,
         Money::parse(QStringLiteral("180.10"))},
        {"20230115", true, Money::parse(QStringLiteral("100.10")), 1,
         Money::parse(QStringLiteral("130.10"))},
        {"", false, Money(), 2, Money::parse(QStringLiteral("180.10"))},
    };
    colMasraflar m;
    for (const auto& c : cases) {
        m.Yukle(1, QString::fromLatin1(c.takip), c.resmi);  // each load replaces the last
        EXPECT_EQ(m.TakipOncesiMasrafToplami, c.oncesi) << c.takip << c.resmi;
        EXPECT_EQ(m.Count(), c.kalem) << c.takip << c.resmi;
        EXPECT_EQ(m.ToplamMasraf, c.toplam) << c.takip << c.resmi;
    }
    EXPECT_EQ(m.Item(2).FaizBaslangicTarihi, QStringLiteral("20230116"));
    EXPECT_EQ(m.Item(2).Tutar, Money::fromUnits(30));  // 25.5 + 4.5 summed per day
}

INSTANTIATE_TEST_SUITE_P(Backends, CollectionsExpensesTest,
                         ::testing::ValuesIn(test::availableBackends()), [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
