#include "TableTestSupport.h"
#include "engine/ErrorReporter.h"
#include "file/FaizTablosu.h"
#include "file/MahsupSirasiTablosu.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

using test::izgara;
using test::Satirlar;
using test::satirlar;

const QString kFaizKaynak = "Hesap.clsFaizTablosu.GriddenYukle";
const QString kMahsupKaynak = "Hesap.clsMahsupSiraTablosu.GriddenYukle";

QString hata(const QString& kaynak, const RuntimeError& e) {
    return errorMessage(kaynak, e.number(), e.description());
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
        {"no rows", {}, {}, 0},
        {"rate without date", {{"20230101", "9"}, {"", "12"}}, {"20230101 9"}, 13},
        {"date without rate", {{"20230101", ""}}, {}, 13},
        {"date not in eight digits", {{"01.04.2023", "9"}}, {}, 13},
        {"no calendar day", {{"20230230", "9"}}, {}, 13},
        {"rate not a number", {{"20230101", "9"}, {"20230401", "abc"}}, {"20230101 9"}, 13}};
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.ad);
        test::SharedStateGuard guard;
        clsFaizTablosu t;
        t.GriddenYukle(izgara({{"19990101", "1"}}));
        EXPECT_EQ(t.GriddenYukle(izgara(c.hucreler)), c.hataNo == 0);
        EXPECT_EQ(satirlar(t), c.beklenen);
        if (c.hataNo == 0)
            EXPECT_TRUE(guard.errors().messages().isEmpty());
        else
            EXPECT_EQ(guard.errors().messages(),
                      QStringList{hata(kFaizKaynak, RuntimeError::typeMismatch())});
    }
}

TEST(GridTables, OffsetOrderGridTakesTheItemDataOfTheChosenEntry) {
    // The list of column 1: entry 0 "Önce Borç Aslından" (1), entry 1 "Toplam Borçtan (BK100)" (3).
    const std::map<int, QVariantList> liste = {{1, {1, 3}}};
    const std::vector<GridCase> cases = {
        {"chosen entries", {{"20230101", "0"}, {"20230601", "1"}}, {"20230101 1", "20230601 3"}, 0},
        {"blank rows are passed over", {{"", ""}, {"20230601", "1"}, {"", ""}}, {"20230601 3"}, 0},
        {"entry outside the list", {{"20230101", "0"}, {"20230601", "2"}}, {"20230101 1"}, 9},
        {"date without order", {{"20230101", ""}}, {}, 13},
        {"order without date", {{"", "1"}}, {}, 13}};
    for (const GridCase& c : cases) {
        SCOPED_TRACE(c.ad);
        test::SharedStateGuard guard;
        clsMahsupSirasiTablosu t;
        t.GriddenYukle(izgara({{"19990101", "0"}}, liste));
        EXPECT_EQ(t.GriddenYukle(izgara(c.hucreler, liste)), c.hataNo == 0);
        EXPECT_EQ(satirlar(t), c.beklenen);
        const RuntimeError beklenen = c.hataNo == ErrNo::SubscriptOutOfRange
                                          ? RuntimeError::subscriptOutOfRange()
                                          : RuntimeError::typeMismatch();
        if (c.hataNo == 0)
            EXPECT_TRUE(guard.errors().messages().isEmpty());
        else
            EXPECT_EQ(guard.errors().messages(), QStringList{hata(kMahsupKaynak, beklenen)});
    }
}

TEST(GridTables, CopyTakesEveryRowOfANonEmptySource) {
    test::SharedStateGuard guard;
    clsFaizTablosu kaynak;
    kaynak.GriddenYukle(izgara({{"20230101", "9"}, {"20230401", "12,5"}}));
    clsFaizTablosu hedef;
    hedef.GriddenYukle(izgara({{"20200101", "1"}, {"20210101", "2"}, {"20220101", "3"}}));

    EXPECT_TRUE(hedef.TablodanKopyala(kaynak));
    EXPECT_EQ(satirlar(hedef), (Satirlar{"20230101 9", "20230401 12.5"}));
    EXPECT_TRUE(hedef.TablodanKopyala(hedef));
    EXPECT_EQ(satirlar(hedef), (Satirlar{"20230101 9", "20230401 12.5"}));

    // A source without rows leaves the target as it was.
    EXPECT_TRUE(hedef.TablodanKopyala(clsFaizTablosu()));
    EXPECT_EQ(satirlar(hedef), (Satirlar{"20230101 9", "20230401 12.5"}));
    EXPECT_TRUE(guard.errors().messages().isEmpty());

    // No source at all is reported.
    EXPECT_FALSE(hedef.TablodanKopyala(nullptr));
    EXPECT_EQ(satirlar(hedef), (Satirlar{"20230101 9", "20230401 12.5"}));
    ASSERT_EQ(guard.errors().messages().size(), 1);
    EXPECT_TRUE(guard.errors().messages().first().startsWith(QStringLiteral(
        "Hatanın oluştuğu yer : Hesap.clsFaizTablosu.TablodanKopyala\rHata : 91 -> ")));
}

}  // namespace
}  // namespace quv
