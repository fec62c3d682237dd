#include "DbFixture.h"
#include "engine/ErrorReporter.h"
#include "file/FaizTablosu.h"
#include "file/GridSource.h"
#include "file/MahsupSirasiTablosu.h"

#include <map>
#include <string>
#include <vector>

namespace quv {
namespace {

// A grid held in memory: data rows of cell texts and the drop-down lists of columns.
class MemoryGrid : public GridSource {
public:
    explicit MemoryGrid(std::vector<QStringList> rows, std::map<int, QVariantList> lists = {})
        : rows_(std::move(rows)), lists_(std::move(lists)) {}
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    QString cellText(int row, int column) const override {
        return rows_.at(static_cast<std::size_t>(row - 1)).value(column);
    }
    QVariant listItemData(int column, int index) const override {
        auto list = lists_.find(column);
        if (list == lists_.end() || index < 0 || index >= list->second.size())
            throw RuntimeError::subscriptOutOfRange();
        return list->second.at(index);
    }

private:
    std::vector<QStringList> rows_;
    std::map<int, QVariantList> lists_;
};

MemoryGrid izgara(std::vector<QStringList> rows, std::map<int, QVariantList> lists = {}) {
    return MemoryGrid(std::move(rows), std::move(lists));
}

using Satirlar = std::vector<std::string>;

// Rows as "date rate" / "date order" texts, for readable comparisons.
Satirlar satirlar(const clsFaizTablosu& tablo) {
    Satirlar out;
    for (int i = 1; i <= tablo.Sayi(); ++i)
        out.push_back((tablo.FaizOranlari(i).Tarih + u' ' +
                       QString::number(double(tablo.FaizOranlari(i).Oran)))
                          .toStdString());
    return out;
}

Satirlar satirlar(const clsMahsupSirasiTablosu& tablo) {
    Satirlar out;
    for (int i = 1; i <= tablo.Sayi(); ++i)
        out.push_back((tablo.MahsupSiralari(i).Tarih + u' ' +
                       QString::number(tablo.MahsupSiralari(i).MahsupSirasi))
                          .toStdString());
    return out;
}

class FaizTablosuTest : public test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        // Shared table 3 (9 / 12.5 / 15.75 from January / April / July 2023); file 77's own;
        // deposit-rate tables 5 (shared and file 77's).
        for (const auto& [foy, kod, tarih, faiz] :
             std::vector<std::tuple<int, int, const char*, double>>{{0, 3, "20230101", 9},
                                                                    {0, 3, "20230701", 15.75},
                                                                    {0, 3, "20230401", 12.5},
                                                                    {77, 3, "20230901", 35},
                                                                    {77, 3, "20230301", 30},
                                                                    {0, 4, "20230201", 50},
                                                                    {0, 5, "20040101", 10},
                                                                    {0, 5, "20060601", 8.5},
                                                                    {0, 5, "20070310", 7.25},
                                                                    {77, 5, "20050101", 20}})
            oran(foy, kod, tarih, faiz);
        baslik(0, 3, 0);
        baslik(77, 3, QVariant());
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

TEST_P(FaizTablosuTest, StartsWithTheRateInForceAndListsLaterChanges) {
    const Satirlar hepsi = {"20230101 9", "20230401 12.5", "20230701 15.75"};
    const std::vector<std::tuple<qint32, qint32, const char*, Satirlar>> cases = {
        {0, 3, "", hepsi},
        {0, 3, "20230515", {"20230401 12.5", "20230701 15.75"}},  // between changes
        {0, 3, "20230401", hepsi},  // on a change: the last change strictly before
        {0, 3, "20221231", hepsi},  // before every change
        {77, 3, "20230515", {"20230301 30", "20230901 35"}},  // the file's own table
        {0, 9, "20230515", {}}};
    for (const auto& [foy, kod, baslama, beklenen] : cases) {
        SCOPED_TRACE(std::to_string(foy) + "/" + std::to_string(kod) + " " + baslama);
        clsFaizTablosu dogrudan = dolu();
        EXPECT_TRUE(dogrudan.OranlariDBdenYukle(foy, kod, QString::fromLatin1(baslama)));
        EXPECT_EQ(satirlar(dogrudan), beklenen);
        // Tables not marked as deposit-rate tables (flag 0, Null or no row) load the same way.
        clsFaizTablosu yukle = dolu();
        EXPECT_TRUE(yukle.Yukle(foy, kod, QString::fromLatin1(baslama), "20240115", true));
        EXPECT_EQ(satirlar(yukle), beklenen);
    }
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(FaizTablosuTest, DepositRateTablesHoldOneRowPerAnniversary) {
    // Shared table 5: 10 from 2004-01-01, 8.5 from 2006-06-01, 7.25 from 2007-03-10.
    const std::vector<std::tuple<bool, qint32, const char*, const char*, Satirlar>> cases = {
        // 2006-03-10 still has the 2004 rate; 2007-03-10 takes the change of that very day.
        {false, 0, "20050310", "20080309", {"20050310 10", "20060310 10", "20070310 7.25"}},
        // 2003 has no change on or before its anniversary: no row. The end is inclusive.
        {false, 0, "20030310", "20050310", {"20040310 10", "20050310 10"}},
        // From 29 February: 28 February in common years.
        {false,
         0,
         "20040229",
         "20080301",
         {"20040229 10", "20050228 10", "20060228 10", "20070228 8.5", "20080229 7.25"}},
        // No end: up to today (15 January 2024), inclusive.
        {false, 0, "20220115", "", {"20220115 7.25", "20230115 7.25", "20240115 7.25"}},
        {false, 77, "20050310", "20070310", {"20050310 20", "20060310 20", "20070310 20"}},
        // YillikOranlariYukle: the shared table by code alone, never a file's table.
        {true, 0, "20050310", "20070310", {"20050310 10", "20060310 10", "20070310 7.25"}}};
    for (const auto& [yillik, foy, baslangic, bitis, beklenen] : cases) {
        SCOPED_TRACE(std::to_string(foy) + " " + baslangic + "-" + bitis);
        clsFaizTablosu t = dolu();
        if (yillik)
            t.YillikOranlariYukle(baslangic, bitis, 5);
        else
            EXPECT_TRUE(t.Yukle(foy, 5, baslangic, bitis, true));
        EXPECT_EQ(satirlar(t), beklenen);
    }
    // Not taken into account, a deposit-rate table loads as dated changes; only flag 1 counts.
    clsFaizTablosu t;
    EXPECT_TRUE(t.Yukle(0, 5, "20060310", "20080309"));
    EXPECT_EQ(satirlar(t), (Satirlar{"20040101 10", "20060601 8.5", "20070310 7.25"}));
    baslik(0, 11, 2);
    EXPECT_FALSE(clsFaizTablosu().MevduatFaiziTablosumu(0, 11));
    EXPECT_FALSE(clsFaizTablosu().MevduatFaiziTablosumu(78, 5));  // no row for that file
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(FaizTablosuTest, ANullRowStopsTheLoadWithTheRowsReadSoFar) {
    oran(0, 20, "20230101", 5);
    oran(0, 20, "20230301", QVariant());
    oran(0, 20, "20230401", 7);
    clsFaizTablosu t;
    EXPECT_FALSE(t.OranlariDBdenYukle(0, 20));
    EXPECT_EQ(satirlar(t), (Satirlar{"20230101 5"}));
    for (auto [foy, tarih, sira] :
         {std::tuple{5, "20230601", 3}, std::tuple{5, "20230101", 1}, std::tuple{6, "20230301", 2}})
        add("tblfoy_tahsilatmahsupsirasi",
            kv({"foykodu", foy, "tarih", tarih, "tahsilatmahsupsirasi", sira}));
    // Offset orders in date order; each load replaces the rows of the previous one.
    clsMahsupSirasiTablosu m;
    EXPECT_TRUE(m.DBdenYukle(5));
    EXPECT_TRUE(m.DBdenYukle(6));
    EXPECT_EQ(satirlar(m), (Satirlar{"20230301 2"}));
    add("tblfoy_tahsilatmahsupsirasi",
        kv({"foykodu", 5, "tarih", "20230801", "tahsilatmahsupsirasi", QVariant()}));
    EXPECT_FALSE(m.DBdenYukle(5));
    EXPECT_EQ(satirlar(m), (Satirlar{"20230101 1", "20230601 3"}));
    const QString null = RuntimeError::invalidUseOfNull().description();
    EXPECT_EQ(guard_.errors().messages(),
              (QStringList{errorMessage("Hesap.clsFaizTablosu.OranlariDBdenYukle", 94, null),
                           errorMessage("Hesap.clsMahsupsirasiTablosu.DBdenYukle", 94, null)}));
}

TEST_P(FaizTablosuTest, LoadErrors) {
    // The deposit-rate load passes its errors to the caller...
    clsFaizTablosu t = dolu();
    EXPECT_EQ(test::errorNumber([&] { t.Yukle(0, 5, "20230230", QString(), true); }),
              ErrNo::TypeMismatch);
    // ...the plain load reports them and leaves the table empty.
    db_->execute("drop table tblfaizoranitablosu_detay");
    EXPECT_FALSE(t.OranlariDBdenYukle(0, 3, "20230515"));
    EXPECT_EQ(t.Sayi(), 0);
    ASSERT_EQ(guard_.errors().messages().size(), 1);
    EXPECT_TRUE(guard_.errors().messages().first().startsWith(
        "Hatanın oluştuğu yer : Hesap.clsFaizTablosu.OranlariDBdenYukle\rHata : " +
        QString::number(ErrNo::Database) + " -> "));
    for (int n : {0, 1})
        EXPECT_EQ(test::errorNumber([&] { t.FaizOranlari(n); }), ErrNo::SubscriptOutOfRange);
}

QUV_ON_BACKENDS(FaizTablosuTest);

const QString kFaizKaynak = "Hesap.clsFaizTablosu.GriddenYukle";
const QString kMahsupKaynak = "Hesap.clsMahsupSiraTablosu.GriddenYukle";

// The report of a grid load: none, or error 9 or 13 with its source.
QStringList hatalar(const QString& kaynak, long no) {
    if (no == 0)
        return {};
    const RuntimeError e = no == ErrNo::SubscriptOutOfRange ? RuntimeError::subscriptOutOfRange()
                                                            : RuntimeError::typeMismatch();
    return {errorMessage(kaynak, e.number(), e.description())};
}

struct GridCase {
    const char* ad;
    std::vector<QStringList> hucreler;
    Satirlar beklenen;
    long hataNo;  // 0: no error
};

TEST(GridTables, RateGridRowsInGridOrder) {
    const std::vector<GridCase> cases = {
        {"dates and rates, decimal comma or point",
         {{"20230401", "12,5"}, {"20230101", "9"}, {"20230701", "15.75"}},
         {"20230401 12.5", "20230101 9", "20230701 15.75"},
         0},
        {"blank rows are passed over",
         {{"20230101", "9"}, {"", ""}, {"20230401", "12"}, {" ", ""}},
         {"20230101 9", "20230401 12"},
         0},
        {"rate without date", {{"20230101", "9"}, {"", "12"}}, {"20230101 9"}, 13},
        {"date without rate", {{"20230101", ""}}, {}, 13},
        {"no calendar day", {{"20230230", "9"}}, {}, 13},
        {"rate not a number", {{"20230101", "9"}, {"20230401", "abc"}}, {"20230101 9"}, 13}};
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.ad);
        test::SharedStateGuard guard;
        clsFaizTablosu t;
        t.GriddenYukle(izgara({{"19990101", "1"}}));
        EXPECT_EQ(t.GriddenYukle(izgara(c.hucreler)), c.hataNo == 0);
        EXPECT_EQ(satirlar(t), c.beklenen);
        EXPECT_EQ(guard.errors().messages(), hatalar(kFaizKaynak, c.hataNo));
    }
}

TEST(GridTables, OffsetOrderGridTakesTheItemDataOfTheChosenEntry) {
    // The list of column 1: entry 0 "Önce Borç Aslından" (1), entry 1 "Toplam Borçtan (BK100)" (3).
    const std::map<int, QVariantList> liste = {{1, {1, 3}}};
    const std::vector<GridCase> cases = {
        {"chosen entries", {{"20230101", "0"}, {"20230601", "1"}}, {"20230101 1", "20230601 3"}, 0},
        {"blank rows are passed over", {{"", ""}, {"20230601", "1"}, {"", ""}}, {"20230601 3"}, 0},
        {"entry outside the list", {{"20230101", "0"}, {"20230601", "2"}}, {"20230101 1"}, 9},
        {"order without date", {{"", "1"}}, {}, 13}};
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.ad);
        test::SharedStateGuard guard;
        clsMahsupSirasiTablosu t;
        t.GriddenYukle(izgara({{"19990101", "0"}}, liste));
        EXPECT_EQ(t.GriddenYukle(izgara(c.hucreler, liste)), c.hataNo == 0);
        EXPECT_EQ(satirlar(t), c.beklenen);
        EXPECT_EQ(guard.errors().messages(), hatalar(kMahsupKaynak, c.hataNo));
    }
}

TEST(GridTables, CopyTakesEveryRowOfANonEmptySource) {
    test::SharedStateGuard guard;
    clsFaizTablosu kaynak;
    kaynak.GriddenYukle(izgara({{"20230101", "9"}, {"20230401", "12,5"}}));
    clsFaizTablosu hedef;
    hedef.GriddenYukle(izgara({{"20200101", "1"}, {"20210101", "2"}, {"20220101", "3"}}));
    EXPECT_TRUE(hedef.TablodanKopyala(kaynak));
    EXPECT_TRUE(hedef.TablodanKopyala(hedef));             // onto itself
    EXPECT_TRUE(hedef.TablodanKopyala(clsFaizTablosu()));  // an empty source changes nothing
    EXPECT_FALSE(hedef.TablodanKopyala(nullptr));          // no source is reported
    EXPECT_EQ(satirlar(hedef), (Satirlar{"20230101 9", "20230401 12.5"}));
    ASSERT_EQ(guard.errors().messages().size(), 1);
    EXPECT_TRUE(guard.errors().messages().first().startsWith(QStringLiteral(
        "Hatanın oluştuğu yer : Hesap.clsFaizTablosu.TablodanKopyala\rHata : 91 -> ")));
}

}  // namespace
}  // namespace quv
