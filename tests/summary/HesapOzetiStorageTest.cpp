#include "engine/Database.h"
#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "summary/SummaryColumns.h"
#include "summary/clsHesapOzeti.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

using test::kSummaryColumns;

QString columnOf(const test::SummaryColumn& c) {
    return QString::fromLatin1(c.column);
}

// Every field of `actual` equals the one of `expected`, to the last of four decimals.
void expectSameFields(const clsHesapOzeti& actual, const clsHesapOzeti& expected) {
    for (const auto& c : kSummaryColumns) {
        if (c.money)
            EXPECT_EQ(actual.*c.money, expected.*c.money)
                << c.column << ": " << (actual.*c.money).toDecimalString().toStdString()
                << " instead of " << (expected.*c.money).toDecimalString().toStdString();
        else
            EXPECT_EQ(actual.*c.rate, expected.*c.rate) << c.column;
    }
}

// The stored row, column by column, as the summary it should hold.
void expectStoredRow(const RecordSet& rs, const clsHesapOzeti& expected,
                     const QString& renamedColumn = QString(), const QString& newName = QString()) {
    ASSERT_FALSE(rs.eof());
    for (const auto& c : kSummaryColumns) {
        QString column = columnOf(c);
        if (column == renamedColumn)
            column = newName;
        if (c.money)
            EXPECT_EQ(Money::fromVariant(rs.value(column)), expected.*c.money) << c.column;
        else
            EXPECT_EQ(toRate(rs.value(column)), expected.*c.rate) << c.column;
    }
}

class HesapOzetiStorageTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    }
    RecordSet row(qint32 foyKodu, const QString& table = QStringLiteral("tblfoy_hesap")) {
        return db_->openRecordSet(QStringLiteral("select * from ") + table +
                                  QStringLiteral(" where foykodu = ") + QString::number(foyKodu));
    }
    int rowCount(const QString& where) {
        RecordSet rs =
            db_->openRecordSet(QStringLiteral("select count(*) from tblfoy_hesap") + where);
        return toInt32(rs.value(0));
    }
    void expectNoErrors() {
        EXPECT_TRUE(guard_.errors().messages().isEmpty())
            << guard_.errors().messages().join(u'\n').toStdString();
    }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
};

TEST_P(HesapOzetiStorageTest, TheTableHoldsTheKeyAndOneColumnPerField) {
    QStringList expected = {QStringLiteral("foykodu")};
    for (const auto& c : kSummaryColumns)
        expected << columnOf(c).toLower();
    QStringList actual;
    for (const QString& name : db_->columns(QStringLiteral("tblfoy_hesap")))
        actual << name.toLower();
    expected.sort();
    actual.sort();
    EXPECT_EQ(actual, expected);
}

TEST_P(HesapOzetiStorageTest, EveryFieldIsStoredInItsColumnAndReadBackExactly) {
    clsHesapOzeti saved = test::filledSummary(1);
    // The widest amount the host's decimal columns keep exactly on every backend.
    saved.BakiyeGuncelTL = Money::parse(QStringLiteral("-12345678901.2345"));
    ASSERT_TRUE(saved.Kaydet(41));
    expectNoErrors();

    expectStoredRow(row(41), saved);

    clsHesapOzeti loaded;
    ASSERT_TRUE(loaded.Yukle(41));
    expectSameFields(loaded, saved);
    expectNoErrors();
}

TEST_P(HesapOzetiStorageTest, SavingTwiceLeavesOneRowWithTheSecondValues) {
    ASSERT_TRUE(test::filledSummary(1).Kaydet(41));
    ASSERT_TRUE(test::filledSummary(7).Kaydet(42));
    ASSERT_TRUE(test::filledSummary(2).Kaydet(41));
    expectNoErrors();
    EXPECT_EQ(rowCount(QStringLiteral(" where foykodu = 41")), 1);
    EXPECT_EQ(rowCount(QString()), 2);

    clsHesapOzeti loaded;
    ASSERT_TRUE(loaded.Yukle(41));
    expectSameFields(loaded, test::filledSummary(2));
    ASSERT_TRUE(loaded.Yukle(42));
    expectSameFields(loaded, test::filledSummary(7));
}

TEST_P(HesapOzetiStorageTest, NullColumnsLoadAsZero) {
    db_->execute(
        QStringLiteral("insert into tblfoy_hesap (foykodu, borcasli, guncelfaizorani) "
                       "values (43, 1500.25, 24)"));
    clsHesapOzeti expected;
    expected.BorcAsli = Money::parse(QStringLiteral("1500.25"));
    expected.GuncelFaizOrani = 24;

    // Values of an earlier load must not survive in the Null columns.
    clsHesapOzeti loaded = test::filledSummary(3);
    ASSERT_TRUE(loaded.Yukle(43));
    expectSameFields(loaded, expected);
    expectNoErrors();
}

TEST_P(HesapOzetiStorageTest, AFileWithoutARowLoadsAllZero) {
    ASSERT_TRUE(test::filledSummary(1).Kaydet(41));
    clsHesapOzeti loaded = test::filledSummary(3);
    ASSERT_TRUE(loaded.Yukle(44));
    expectSameFields(loaded, clsHesapOzeti());
    expectNoErrors();
}

// A table that the save cannot write: the statement that breaks it, where the first
// row then is, and a word the driver's message names.
struct BrokenTable {
    const char* name;
    const char* breakSql;
    const char* tableAfter;
    const char* renamedColumn;
    const char* newColumnName;
    const char* named;
};

const BrokenTable kBrokenTables[] = {
    {"ColumnMissing", "ALTER TABLE tblfoy_hesap RENAME COLUMN baropulu TO baropulu_eski",
     "tblfoy_hesap", "baropulu", "baropulu_eski", "baropulu"},
    {"TableMissing", "ALTER TABLE tblfoy_hesap RENAME TO tblfoy_hesap_eski", "tblfoy_hesap_eski",
     "", "", "tblfoy_hesap"},
};

class HesapOzetiBrokenTableTest
    : public ::testing::TestWithParam<std::tuple<test::Backend, BrokenTable>> {
protected:
    void SetUp() override {
        const auto& info = *::testing::UnitTest::GetInstance()->current_test_info();
        db_ = test::freshDatabase(std::get<0>(GetParam()), QString::fromLatin1(info.name()));
        broken_ = std::get<1>(GetParam());
    }
    void expectOneReport(const QString& source) {
        const QStringList& messages = guard_.errors().messages();
        ASSERT_EQ(messages.size(), 1) << messages.join(u'\n').toStdString();
        QStringList lines = messages.first().split(QChar(13));
        ASSERT_EQ(lines.size(), 2) << messages.first().toStdString();
        EXPECT_EQ(lines[0], QStringLiteral("Hatanın oluştuğu yer : ") + source);
        EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Hata : "))) << lines[1].toStdString();
        EXPECT_TRUE(lines[1].contains(QString::fromLatin1(broken_.named)))
            << lines[1].toStdString();
    }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
    BrokenTable broken_{};
};

TEST_P(HesapOzetiBrokenTableTest, AFailingSaveIsReportedAndKeepsTheStoredRow) {
    clsHesapOzeti first = test::filledSummary(1);
    ASSERT_TRUE(first.Kaydet(41));
    db_->execute(QString::fromLatin1(broken_.breakSql));

    EXPECT_FALSE(test::filledSummary(2).Kaydet(41));
    expectOneReport(QStringLiteral("Hesap.clsHesapOzeti.Kaydet"));
    EXPECT_TRUE(
        guard_.errors().messages().first().contains(QStringLiteral("\rHata : -2147217900 -> ")));

    RecordSet rs = db_->openRecordSet(QStringLiteral("select * from ") +
                                      QString::fromLatin1(broken_.tableAfter) +
                                      QStringLiteral(" where foykodu = 41"));
    expectStoredRow(rs, first, QString::fromLatin1(broken_.renamedColumn),
                    QString::fromLatin1(broken_.newColumnName));
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
}

TEST_P(HesapOzetiBrokenTableTest, AFailingLoadIsReportedAndLeavesTheSummaryAllZero) {
    ASSERT_TRUE(test::filledSummary(1).Kaydet(41));
    db_->execute(QString::fromLatin1(broken_.breakSql));

    clsHesapOzeti loaded = test::filledSummary(3);
    EXPECT_FALSE(loaded.Yukle(41));
    expectOneReport(QStringLiteral("Hesap.clsHesapOzeti.Yukle"));
    expectSameFields(loaded, clsHesapOzeti());
}

INSTANTIATE_TEST_SUITE_P(Backends, HesapOzetiStorageTest,
                         ::testing::ValuesIn(test::availableBackends()), [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

INSTANTIATE_TEST_SUITE_P(Backends, HesapOzetiBrokenTableTest,
                         ::testing::Combine(::testing::ValuesIn(test::availableBackends()),
                                            ::testing::ValuesIn(kBrokenTables)),
                         [](const auto& info) {
                             return test::backendName(std::get<0>(info.param)).toStdString() + "_" +
                                    std::get<1>(info.param).name;
                         });

}  // namespace
}  // namespace quv
