#include "DbFixture.h"
#include "TableTestSupport.h"
#include "engine/ErrorReporter.h"
#include "engine/SharedState.h"
#include "file/FaizTablosu.h"

namespace quv {
namespace {

using test::Satirlar;
using test::satirlar;

class FaizTablosuTest : public test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        // Shared table 3 with changes on 1 January, 1 April and 1 July 2023; file 77
        // has its own table under the same code.
        oran(0, 3, "20230101", 9);
        oran(0, 3, "20230701", 15.75);
        oran(0, 3, "20230401", 12.5);
        oran(77, 3, "20230901", 35);
        oran(77, 3, "20230301", 30);
        oran(0, 4, "20230201", 50);
        baslik(0, 3, 0);
        baslik(77, 3, QVariant());
        // Deposit-rate tables: shared table 5 and file 77's own table 5.
        oran(0, 5, "20040101", 10);
        oran(0, 5, "20060601", 8.5);
        oran(0, 5, "20070310", 7.25);
        oran(77, 5, "20050101", 20);
        baslik(0, 5, 1);
        baslik(77, 5, 1);
    }

    void oran(qint32 foy, qint32 kod, const char* tarih, const QVariant& faizorani) {
        add("tblfaizoranitablosu_detay", kv({"foykodu", foy, "faizoranitablosukodu", kod, "tarih",
                                             tarih, "faizorani", faizorani}));
    }
    void baslik(qint32 foy, qint32 kod, const QVariant& mevduat) {
        add("tblfaizoranitablosu",
            kv({"foykodu", foy, "faizoranitablosukodu", kod, "mevduatfaizoranitablosu", mevduat}));
    }
    // A table holding rows of another load, to show that a load replaces them.
    static clsFaizTablosu dolu() {
        clsFaizTablosu t;
        t.OranlariDBdenYukle(0, 4);
        return t;
    }
};

struct BaslangicCase {
    qint32 foy;
    qint32 kod;
    const char* baslama;
    Satirlar beklenen;
};

TEST_P(FaizTablosuTest, StartsWithTheRateInForceAndListsLaterChanges) {
    const std::vector<BaslangicCase> cases = {
        // No start: every change.
        {0, 3, "", {"20230101 9", "20230401 12.5", "20230701 15.75"}},
        // Between changes: the April rate is in force on 15 May.
        {0, 3, "20230515", {"20230401 12.5", "20230701 15.75"}},
        // On a change: the last change strictly before 1 April is 1 January.
        {0, 3, "20230401", {"20230101 9", "20230401 12.5", "20230701 15.75"}},
        // Before every change: nothing precedes the start, so every row.
        {0, 3, "20221231", {"20230101 9", "20230401 12.5", "20230701 15.75"}},
        // After the last change: only the rate in force.
        {0, 3, "20240101", {"20230701 15.75"}},
        // The file's own table under the same code.
        {77, 3, "20230515", {"20230301 30", "20230901 35"}},
        // A table without rows is empty, and no error.
        {0, 9, "20230515", {}}};
    for (const BaslangicCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.foy) + "/" + std::to_string(c.kod) + " " + c.baslama);
        clsFaizTablosu dogrudan = dolu();
        EXPECT_TRUE(dogrudan.OranlariDBdenYukle(c.foy, c.kod, QString::fromLatin1(c.baslama)));
        EXPECT_EQ(satirlar(dogrudan), c.beklenen);
        // Tables not marked as deposit-rate tables (flag 0, Null or no row) load the
        // same way when deposit-rate tables are taken into account.
        clsFaizTablosu yukle = dolu();
        EXPECT_TRUE(yukle.Yukle(c.foy, c.kod, QString::fromLatin1(c.baslama), "20240115", true));
        EXPECT_EQ(satirlar(yukle), c.beklenen);
    }
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

struct MevduatCase {
    bool yillik;  // YillikOranlariYukle on the shared table instead of Yukle
    qint32 foy;
    qint32 kod;
    const char* baslangic;
    const char* bitis;
    Satirlar beklenen;
};

TEST_P(FaizTablosuTest, DepositRateTablesHoldOneRowPerAnniversary) {
    // Shared table 5: 10 from 2004-01-01, 8.5 from 2006-06-01, 7.25 from 2007-03-10.
    const std::vector<MevduatCase> cases = {
        // 2006-03-10 still has the 2004 rate; 2007-03-10 takes the change of that very day.
        {false, 0, 5, "20050310", "20080309", {"20050310 10", "20060310 10", "20070310 7.25"}},
        // 2003 has no change on or before its anniversary: no row. The end is inclusive.
        {false, 0, 5, "20030310", "20050310", {"20040310 10", "20050310 10"}},
        // A start on 29 February: 28 February in common years, 29 February in leap years.
        {false,
         0,
         5,
         "20040229",
         "20090301",
         {"20040229 10", "20050228 10", "20060228 10", "20070228 8.5", "20080229 7.25",
          "20090228 7.25"}},
        // No end: up to today (15 January 2024), inclusive.
        {false,
         0,
         5,
         "20200115",
         "",
         {"20200115 7.25", "20210115 7.25", "20220115 7.25", "20230115 7.25", "20240115 7.25"}},
        {false, 0, 5, "20100101", "20091231", {}},
        // The file's own deposit-rate table.
        {false, 77, 5, "20050310", "20070310", {"20050310 20", "20060310 20", "20070310 20"}},
        // The shared table by code alone, never a file's table of the same code.
        {true, 0, 5, "20050310", "20070310", {"20050310 10", "20060310 10", "20070310 7.25"}},
        {true, 0, 5, "", "20070310", {}}};
    for (const MevduatCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.foy) + "/" + std::to_string(c.kod) + " " + c.baslangic + "-" +
                     c.bitis);
        clsFaizTablosu t = dolu();
        const QString baslangic = QString::fromLatin1(c.baslangic);
        const QString bitis = QString::fromLatin1(c.bitis);
        if (c.yillik)
            t.YillikOranlariYukle(baslangic, bitis, c.kod);
        else
            EXPECT_TRUE(t.Yukle(c.foy, c.kod, baslangic, bitis, true));
        EXPECT_EQ(satirlar(t), c.beklenen);
    }
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(FaizTablosuTest, DepositRateFlagIsOneExactly) {
    // Not taken into account, a deposit-rate table loads as dated changes.
    clsFaizTablosu t;
    EXPECT_TRUE(t.Yukle(0, 5, "20060310", "20080309"));
    EXPECT_EQ(satirlar(t), (Satirlar{"20040101 10", "20060601 8.5", "20070310 7.25"}));
    qint32 kod = 11;
    for (const auto& [flag, beklenen] : std::vector<std::pair<QVariant, bool>>{
             {1, true}, {0, false}, {QVariant(), false}, {2, false}}) {
        baslik(0, kod, flag);
        EXPECT_EQ(clsFaizTablosu().MevduatFaiziTablosumu(0, kod), beklenen) << kod;
        // The same code under another file has no row.
        EXPECT_FALSE(clsFaizTablosu().MevduatFaiziTablosumu(78, kod++));
    }
}

TEST_P(FaizTablosuTest, ARowWithoutRateStopsTheLoadWithTheRowsReadSoFar) {
    oran(0, 20, "20230101", 5);
    oran(0, 20, "20230201", 6);
    oran(0, 20, "20230301", QVariant());
    oran(0, 20, "20230401", 7);
    clsFaizTablosu t;
    EXPECT_FALSE(t.OranlariDBdenYukle(0, 20));
    EXPECT_EQ(satirlar(t), (Satirlar{"20230101 5", "20230201 6"}));
    EXPECT_EQ(guard_.errors().messages(),
              QStringList{errorMessage("Hesap.clsFaizTablosu.OranlariDBdenYukle", 94,
                                       RuntimeError::invalidUseOfNull().description())});
}

TEST_P(FaizTablosuTest, DatabaseErrorsAreReportedWithTheSourceText) {
    clsFaizTablosu t = dolu();
    db_->execute("drop table tblfaizoranitablosu_detay");
    for (const char* baslama : {"", "20230515"}) {
        EXPECT_FALSE(t.OranlariDBdenYukle(0, 3, QString::fromLatin1(baslama)));
        EXPECT_EQ(t.Sayi(), 0);
    }
    ASSERT_EQ(guard_.errors().messages().size(), 2);
    for (const QString& m : guard_.errors().messages())
        EXPECT_TRUE(
            m.startsWith("Hatanın oluştuğu yer : Hesap.clsFaizTablosu.OranlariDBdenYukle\r"
                         "Hata : " +
                         QString::number(ErrNo::Database) + " -> "))
            << m.toStdString();
}

TEST_P(FaizTablosuTest, DepositRateLoadErrorsReachTheCaller) {
    clsFaizTablosu t;
    EXPECT_EQ(test::errorNumber([&] { t.Yukle(0, 5, "20230230", QString(), true); }),
              ErrNo::TypeMismatch);
    db_->execute("drop table tblfaizoranitablosu_detay");
    EXPECT_THROW(t.YillikOranlariYukle("20230101", QString(), 5), RuntimeError);
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(FaizTablosuTest, RowNumbersOutsideTheTableRaiseError9) {
    clsFaizTablosu t;
    t.OranlariDBdenYukle(0, 3);
    ASSERT_EQ(t.Sayi(), 3);
    for (int n : {-1, 0, 4, 32768})
        EXPECT_EQ(test::errorNumber([&] { t.FaizOranlari(n); }), ErrNo::SubscriptOutOfRange) << n;
    EXPECT_EQ(t.FaizOranlari(3), (E_FaizTablosu{"20230701", 15.75f}));
    t.Temizle();
    EXPECT_THROW(t.FaizOranlari(1), RuntimeError);
}

QUV_ON_BACKENDS(FaizTablosuTest);

}  // namespace
}  // namespace quv
