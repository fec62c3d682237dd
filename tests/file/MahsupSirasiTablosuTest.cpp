#include "DbFixture.h"
#include "TableTestSupport.h"
#include "engine/ErrorReporter.h"
#include "engine/SharedState.h"
#include "file/MahsupSirasiTablosu.h"

namespace quv {
namespace {

using test::Satirlar;
using test::satirlar;

class MahsupSirasiTablosuTest : public test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        sira(5, "20230601", 3);
        sira(5, "20231001", 5);
        sira(5, "20230101", 1);
        sira(6, "20230301", 2);
    }
    void sira(qint32 foy, const char* tarih, const QVariant& mahsup) {
        add("tblfoy_tahsilatmahsupsirasi",
            kv({"foykodu", foy, "tarih", tarih, "tahsilatmahsupsirasi", mahsup}));
    }
};

TEST_P(MahsupSirasiTablosuTest, LoadsTheFilesOrdersInDateOrder) {
    const std::vector<std::pair<qint32, Satirlar>> cases = {
        {5, {"20230101 1", "20230601 3", "20231001 5"}}, {6, {"20230301 2"}}, {7, {}}};
    clsMahsupSirasiTablosu t;
    for (const auto& [foy, beklenen] : cases) {
        // The same object each time: every load replaces the rows of the previous one.
        EXPECT_TRUE(t.DBdenYukle(foy));
        EXPECT_EQ(satirlar(t), beklenen) << foy;
    }
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(MahsupSirasiTablosuTest, ARowWithoutOrderStopsTheLoadWithTheRowsReadSoFar) {
    sira(5, "20230801", QVariant());
    clsMahsupSirasiTablosu t;
    EXPECT_FALSE(t.DBdenYukle(5));
    EXPECT_EQ(satirlar(t), (Satirlar{"20230101 1", "20230601 3"}));
    EXPECT_EQ(guard_.errors().messages(),
              QStringList{errorMessage("Hesap.clsMahsupsirasiTablosu.DBdenYukle", 94,
                                       RuntimeError::invalidUseOfNull().description())});
}

TEST_P(MahsupSirasiTablosuTest, DatabaseErrorsAreReportedWithTheSourceText) {
    clsMahsupSirasiTablosu t;
    t.DBdenYukle(5);
    db_->execute("drop table tblfoy_tahsilatmahsupsirasi");
    EXPECT_FALSE(t.DBdenYukle(5));
    EXPECT_EQ(t.Sayi(), 0);
    ASSERT_EQ(guard_.errors().messages().size(), 1);
    EXPECT_TRUE(guard_.errors().messages().first().startsWith(
        "Hatanın oluştuğu yer : Hesap.clsMahsupsirasiTablosu.DBdenYukle\rHata : " +
        QString::number(ErrNo::Database) + " -> "));
}

TEST_P(MahsupSirasiTablosuTest, RowNumbersOutsideTheTableRaiseError9) {
    clsMahsupSirasiTablosu t;
    t.DBdenYukle(5);
    for (int n : {-1, 0, 4})
        EXPECT_EQ(test::errorNumber([&] { t.MahsupSiralari(n); }), ErrNo::SubscriptOutOfRange) << n;
    EXPECT_EQ(t.MahsupSiralari(3),
              (E_MahsupsirasiTablosu{"20231001", E_TMS_ToplamBorctan_EnSonVekaletUcreti}));
}

QUV_ON_BACKENDS(MahsupSirasiTablosuTest);

}  // namespace
}  // namespace quv
