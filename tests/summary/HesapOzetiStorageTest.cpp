#include "engine/Variant.h"
#include "file/DbFixture.h"
#include "summary/SummaryColumns.h"
#include "summary/clsHesapOzeti.h"

namespace quv {
namespace {

using test::expectSameFields;
using test::filledSummary;

// The stored row, column by column, as the summary it should hold.
void expectStoredRow(RecordSet rs, const clsHesapOzeti& expected, const QString& renamed = {}) {
    ASSERT_FALSE(rs.eof());
    for (const clsHesapOzeti::Alan& a : clsHesapOzeti::Alanlar()) {
        QString column = a.sutun == renamed ? renamed + "_eski" : a.sutun;
        if (a.para)
            EXPECT_EQ(Money::fromVariant(rs.value(column)), expected.*a.para)
                << a.sutun.toStdString();
        else
            EXPECT_EQ(toRate(rs.value(column)), expected.*a.oran) << a.sutun.toStdString();
    }
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
}

class HesapOzetiStorageTest : public test::DbFixture {
protected:
    RecordSet row(qint32 foyKodu, const QString& table = "tblfoy_hesap") {
        return db_->openRecordSet("select * from " + table +
                                  " where foykodu = " + QString::number(foyKodu));
    }
};

TEST_P(HesapOzetiStorageTest, SavingTwiceLeavesOneRowNullsAndNoRowLoadAsZero) {
    clsHesapOzeti first = filledSummary(1);
    // The widest amount the host's decimal columns keep exactly on every backend.
    first.BakiyeGuncelTL = Money::parse("-12345678901.2345");
    ASSERT_TRUE(first.Kaydet(41));
    ASSERT_TRUE(filledSummary(2).Kaydet(41));
    expectStoredRow(row(41), filledSummary(2));  // one row, the second values
    db_->execute(
        "insert into tblfoy_hesap (foykodu, borcasli, guncelfaizorani) values (43, 1500.25, 24)");
    clsHesapOzeti expected;
    expected.BorcAsli = Money::parse("1500.25");
    expected.GuncelFaizOrani = 24;
    // Each load replaces every field: values of an earlier load must not survive.
    for (auto [foyKodu, ozet] :
         {std::pair{41, filledSummary(2)}, {43, expected}, {44, clsHesapOzeti()}}) {
        clsHesapOzeti loaded = filledSummary(3);
        ASSERT_TRUE(loaded.Yukle(foyKodu));
        expectSameFields(loaded, ozet);
    }
    EXPECT_EQ(errorText(), QString());
}

TEST_P(HesapOzetiStorageTest, AFailedSaveOrLoadIsReportedAndKeepsTheStoredRow) {
    // A table that the save cannot write: its name, the column renamed (if any), and the
    // word that the driver's message names.
    const struct {
        const char *name, *breakSql, *tableAfter, *renamed, *named;
    } cases[] = {
        {"ColumnMissing", "ALTER TABLE tblfoy_hesap RENAME COLUMN baropulu TO baropulu_eski",
         "tblfoy_hesap", "baropulu", "baropulu"},
        {"TableMissing", "ALTER TABLE tblfoy_hesap RENAME TO tblfoy_hesap_eski",
         "tblfoy_hesap_eski", "", "tblfoy_hesap"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        db_ = test::freshDatabase(GetParam(), QString("broken") + c.name);
        clsHesapOzeti first = filledSummary(1);
        ASSERT_TRUE(first.Kaydet(41));
        db_->execute(c.breakSql);
        guard_.errors().clear();

        EXPECT_FALSE(filledSummary(2).Kaydet(41));
        clsHesapOzeti loaded = filledSummary(3);
        EXPECT_FALSE(loaded.Yukle(41));
        expectSameFields(loaded, clsHesapOzeti());

        const QStringList& m = guard_.errors().messages();
        ASSERT_EQ(m.size(), 2) << errorText().toStdString();
        EXPECT_TRUE(m[0].startsWith("Hatanın oluştuğu yer : Hesap.clsHesapOzeti.Kaydet\rHata : "
                                    "-2147217900 -> ") &&
                    m[0].contains(c.named));
        EXPECT_TRUE(m[1].startsWith("Hatanın oluştuğu yer : Hesap.clsHesapOzeti.Yukle\rHata : ") &&
                    m[1].contains(c.named));
        expectStoredRow(row(41, c.tableAfter), first, c.renamed);
    }
}

QUV_ON_BACKENDS(HesapOzetiStorageTest);

}  // namespace
}  // namespace quv
