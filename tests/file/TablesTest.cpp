#include "DbFixture.h"
#include "engine/ErrorReporter.h"
#include "engine/Variant.h"
#include "file/FaizTablosu.h"
#include "file/FieldReads.h"
#include "file/GridSource.h"
#include "file/MahsupSirasiTablosu.h"

#include <string>
#include <vector>

namespace quv {
namespace {

// A grid held in memory, cells as "date/value" rows separated by "|"; the drop-down list of
// column 1 has entry 0 "Önce Borç Aslından" (order 1) and 1 "Toplam Borçtan (BK100)" (order 3).
class MemoryGrid : public GridSource {
public:
    explicit MemoryGrid(const QString& cells) {
        for (const QString& row : cells.split(u'|'))
            rows_.push_back(row.split(u'/'));
    }
    int rowCount() const override { return static_cast<int>(rows_.size()); }
    QString cellText(int row, int column) const override {
        return rows_.at(static_cast<std::size_t>(row - 1)).value(column);
    }
    QVariant listItemData(int column, int index) const override {
        if (column != 1 || index < 0 || index > 1)
            throw RuntimeError::subscriptOutOfRange();
        return index == 0 ? 1 : 3;
    }

private:
    std::vector<QStringList> rows_;
};

// Rows as "date rate" / "date order" texts joined by "|", for readable comparisons.
QString satirlar(const clsFaizTablosu& t) {
    QStringList out;
    for (int i = 1; i <= t.Sayi(); ++i)
        out << t.FaizOranlari(i).Tarih + u' ' + QString::number(double(t.FaizOranlari(i).Oran));
    return out.join(u'|');
}
QString satirlar(const clsMahsupSirasiTablosu& t) {
    QStringList out;
    for (int i = 1; i <= t.Sayi(); ++i)
        out << t.MahsupSiralari(i).Tarih + u' ' + QString::number(t.MahsupSiralari(i).MahsupSirasi);
    return out.join(u'|');
}

class FaizTablosuTest : public test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        // Shared table 3 (9 / 12.5 / 15.75 from January / April / July 2023) and file 77's own;
        // table 4 to be replaced; deposit-rate tables 5 (shared and file 77's); table 20 with a
        // Null rate; table 11 flagged neither 0 nor 1.
        rows("tblfaizoranitablosu_detay", "foykodu faizoranitablosukodu tarih faizorani",
             {"0 3 20230101 9", "0 3 20230701 15.75", "0 3 20230401 12.5", "77 3 20230901 35",
              "77 3 20230301 30", "0 4 20230201 50", "0 5 20040101 10", "0 5 20060601 8.5",
              "0 5 20070310 7.25", "77 5 20050101 20", "0 20 20230101 5", "0 20 20230301 -",
              "0 20 20230401 7"});
        rows("tblfaizoranitablosu", "foykodu faizoranitablosukodu mevduatfaizoranitablosu",
             {"0 3 0", "77 3 -", "0 5 1", "77 5 1", "0 11 2"});
    }
    // A table holding rows of another load, to show that a load replaces them.
    static clsFaizTablosu dolu() {
        clsFaizTablosu t;
        t.OranlariDBdenYukle(0, 4);
        return t;
    }
};

TEST_P(FaizTablosuTest, StartsWithTheRateInForceAndListsLaterChanges) {
    const QString hepsi = "20230101 9|20230401 12.5|20230701 15.75";
    for (const auto& [foy, kod, baslama, beklenen] :
         std::vector<std::tuple<qint32, qint32, const char*, QString>>{
             {0, 3, "", hepsi},
             {0, 3, "20230515", "20230401 12.5|20230701 15.75"},  // between changes
             {0, 3, "20230401", hepsi},  // on a change: the last change strictly before
             {0, 3, "20221231", hepsi},  // before every change
             {77, 3, "20230515", "20230301 30|20230901 35"},  // the file's own table
             {0, 9, "20230515", ""}}) {
        SCOPED_TRACE(std::to_string(foy) + "/" + std::to_string(kod) + " " + baslama);
        clsFaizTablosu dogrudan = dolu();
        EXPECT_TRUE(dogrudan.OranlariDBdenYukle(foy, kod, QString::fromLatin1(baslama)));
        EXPECT_EQ(satirlar(dogrudan), beklenen);
        // Tables not marked as deposit-rate tables (flag 0, Null or no row) load the same way.
        clsFaizTablosu yukle = dolu();
        EXPECT_TRUE(yukle.Yukle(foy, kod, QString::fromLatin1(baslama), "20240115", true));
        EXPECT_EQ(satirlar(yukle), beklenen);
    }
    EXPECT_EQ(errorText(), QString());
}

TEST_P(FaizTablosuTest, DepositRateTablesHoldOneRowPerAnniversary) {
    // Shared table 5: 10 from 2004-01-01, 8.5 from 2006-06-01, 7.25 from 2007-03-10.
    for (const auto& [yillik, foy, baslangic, bitis, beklenen] :
         std::vector<std::tuple<bool, qint32, const char*, const char*, QString>>{
             // 2006-03-10 still has the 2004 rate; 2007-03-10 takes the change of that very day.
             {false, 0, "20050310", "20080309", "20050310 10|20060310 10|20070310 7.25"},
             // 2003 has no change on or before its anniversary: no row. The end is inclusive.
             {false, 0, "20030310", "20050310", "20040310 10|20050310 10"},
             // From 29 February: 28 February in common years.
             {false, 0, "20040229", "20080301",
              "20040229 10|20050228 10|20060228 10|20070228 8.5|20080229 7.25"},
             // No end: up to today (15 January 2024), inclusive.
             {false, 0, "20220115", "", "20220115 7.25|20230115 7.25|20240115 7.25"},
             {false, 77, "20050310", "20070310", "20050310 20|20060310 20|20070310 20"},
             // YillikOranlariYukle: the shared table by code alone, never a file's table.
             {true, 0, "20050310", "20070310", "20050310 10|20060310 10|20070310 7.25"}}) {
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
    EXPECT_EQ(satirlar(t), "20040101 10|20060601 8.5|20070310 7.25");
    EXPECT_FALSE(clsFaizTablosu().MevduatFaiziTablosumu(0, 11));
    EXPECT_EQ(errorText(), QString());
}

TEST_P(FaizTablosuTest, ANullRowStopsTheLoadWithTheRowsReadSoFar) {
    clsFaizTablosu t;
    EXPECT_FALSE(t.OranlariDBdenYukle(0, 20));
    EXPECT_EQ(satirlar(t), "20230101 5");
    // Offset orders in date order; each load replaces the rows of the previous one.
    rows("tblfoy_tahsilatmahsupsirasi", "foykodu tarih tahsilatmahsupsirasi",
         {"5 20230601 3", "5 20230101 1", "6 20230301 2", "7 20230801 -"});
    clsMahsupSirasiTablosu m;
    EXPECT_TRUE(m.DBdenYukle(5));
    EXPECT_TRUE(m.DBdenYukle(6));
    EXPECT_EQ(satirlar(m), "20230301 2");
    EXPECT_TRUE(m.DBdenYukle(5));
    EXPECT_EQ(satirlar(m), "20230101 1|20230601 3");
    EXPECT_FALSE(m.DBdenYukle(7));
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
    EXPECT_TRUE(errorText().startsWith(
        "Hatanın oluştuğu yer : Hesap.clsFaizTablosu.OranlariDBdenYukle\rHata : " +
        QString::number(ErrNo::Database) + " -> "));
    EXPECT_EQ(guard_.errors().messages().size(), 1);
    EXPECT_EQ(test::errorNumber([&] { t.FaizOranlari(1); }), ErrNo::SubscriptOutOfRange);
}

QUV_ON_BACKENDS(FaizTablosuTest);

// A grid load replaces the rows held before and stops at the first bad row with error 9
// (an entry outside the list) or 13 (a bad date or number), keeping the rows read so far.
TEST(GridTables, RateAndOffsetOrderGrids) {
    // Name, an offset-order grid, its cells, the rows loaded, the error number.
    const std::tuple<const char*, bool, QString, QString, long> cases[] = {
        {"decimal comma or point", false, "20230401/12,5|20230101/9|20230701/15.75",
         "20230401 12.5|20230101 9|20230701 15.75", 0},
        {"blank rows", false, "20230101/9|/|20230401/12| /", "20230101 9|20230401 12", 0},
        {"rate without date", false, "20230101/9|/12", "20230101 9", 13},
        {"no calendar day", false, "20230230/9", "", 13},
        {"rate not a number", false, "20230101/9|20230401/abc", "20230101 9", 13},
        {"blank offset rows", true, "/|20230601/1|/", "20230601 3", 0},
        {"entry outside the list", true, "20230101/0|20230601/2", "20230101 1", 9},
        {"order without date", true, "/1", "", 13}};
    for (const auto& [ad, mahsup, hucreler, beklenen, hataNo] : cases) {
        SCOPED_TRACE(ad);
        test::SharedStateGuard guard;
        clsFaizTablosu faiz;
        clsMahsupSirasiTablosu sira;
        faiz.GriddenYukle(MemoryGrid("19990101/1"));
        sira.GriddenYukle(MemoryGrid("19990101/0"));
        EXPECT_EQ(mahsup ? sira.GriddenYukle(MemoryGrid(hucreler))
                         : faiz.GriddenYukle(MemoryGrid(hucreler)),
                  hataNo == 0);
        EXPECT_EQ(mahsup ? satirlar(sira) : satirlar(faiz), beklenen);
        const RuntimeError e =
            hataNo == 9 ? RuntimeError::subscriptOutOfRange() : RuntimeError::typeMismatch();
        const QString kaynak = mahsup ? "Hesap.clsMahsupSiraTablosu.GriddenYukle"
                                      : "Hesap.clsFaizTablosu.GriddenYukle";
        EXPECT_EQ(guard.errors().messages(),
                  hataNo ? QStringList{errorMessage(kaynak, e.number(), e.description())}
                         : QStringList());
    }
}

TEST(GridTables, CopyTakesEveryRowOfANonEmptySource) {
    test::SharedStateGuard guard;
    clsFaizTablosu kaynak;
    kaynak.GriddenYukle(MemoryGrid("20230101/9|20230401/12,5"));
    clsFaizTablosu hedef;
    hedef.GriddenYukle(MemoryGrid("20200101/1|20210101/2|20220101/3"));
    EXPECT_TRUE(hedef.TablodanKopyala(kaynak));
    EXPECT_TRUE(hedef.TablodanKopyala(hedef));             // onto itself
    EXPECT_TRUE(hedef.TablodanKopyala(clsFaizTablosu()));  // an empty source changes nothing
    EXPECT_FALSE(hedef.TablodanKopyala(nullptr));          // no source is reported
    EXPECT_EQ(satirlar(hedef), "20230101 9|20230401 12.5");
    ASSERT_EQ(guard.errors().messages().size(), 1);
    EXPECT_TRUE(guard.errors().messages().first().startsWith(QStringLiteral(
        "Hatanın oluştuğu yer : Hesap.clsFaizTablosu.TablodanKopyala\rHata : 91 -> ")));
}

// The "0"-prefixed reads take integers and digit-led texts without writing the prefixed
// text: each gives what reading that text gives, value or run-time error.
TEST(FieldReadsTest, ZeroPrefixedReadsGiveWhatTheirTextGives) {
    using namespace FieldReads;
    auto sonuc = [](auto oku) -> QString {
        try {
            return QVariant::fromValue(oku()).toString();
        } catch (const RuntimeError& e) {
            return QStringLiteral("hata %1").arg(e.number());
        }
    };
    const QVariant degerler[] = {QVariant(), QVariant(0), QVariant(qlonglong(12)), QVariant(-1),
                                 QVariant(70000), QVariant(qlonglong(1) << 40),
                                 QVariant(qulonglong(3)), QVariant(~qulonglong(0)),
                                 QVariant(QStringLiteral("12.50")), QVariant(QStringLiteral("-3")),
                                 QVariant(QStringLiteral("7 ")), QVariant(2.5), QVariant(true),
                                 // digits alone, as PostgreSQL gives counts: within and over
                                 // the 16-bit, 32-bit and 18-digit bounds
                                 QVariant(QStringLiteral("007")), QVariant(QStringLiteral("70000")),
                                 QVariant(QStringLiteral("123456789012345678")),
                                 QVariant(QStringLiteral("1234567890123456789"))};
    for (const QVariant& v : degerler) {
        const QString metin = zeroPrefixed(v);
        EXPECT_EQ(sonuc([&] { return zeroPrefixedInt16(v); }),
                  sonuc([&] { return toInt16(metin); }))
            << v.toString().toStdString();
        EXPECT_EQ(sonuc([&] { return zeroPrefixedInt32(v); }),
                  sonuc([&] { return toInt32(metin); }));
        EXPECT_EQ(sonuc([&] { return zeroPrefixedByte(v); }), sonuc([&] { return toByte(metin); }));
        EXPECT_EQ(sonuc([&] { return zeroPrefixedMoney(v).toDecimalString(); }),
                  sonuc([&] { return Money::fromVariant(metin).toDecimalString(); }));
    }
    // The number is the longest run of digits with one point at the start of "0" and the
    // text: a sign or a second point ends it.
    for (const auto& [metin, beklenen] : {std::pair{"12.50", 12.5},
                                          {"-3", 0.0},
                                          {"7 ", 7.0},
                                          {"3.5.1", 3.5},
                                          {".5", 0.5},
                                          {"007", 7.0},
                                          {"1234567890123456789", 1234567890123456789.0}})
        EXPECT_EQ(zeroPrefixedNumber(QString::fromLatin1(metin)), beklenen) << metin;
    EXPECT_EQ(zeroPrefixedNumber(QVariant()) + zeroPrefixedNumber(-1), 0.0);
    EXPECT_EQ(zeroPrefixedNumber(2.5) + zeroPrefixedNumber(qlonglong(12)), 14.5);
}

}  // namespace
}  // namespace quv
