#include "DbFixture.h"
#include "engine/SharedState.h"
#include "file/colMasraflar.h"
#include "file/colTahsilatlar.h"

namespace quv {
namespace {

using CollectionsExpensesTest = test::DbFixture;

TEST_P(CollectionsExpensesTest, CollectionsCarryTheRatesOfTheirDate) {
    add("tblkur", kv({"tarih", "20230301", "parabirimikodu", 2, "tltutar", "18.9512"}));
    add("tblkur", kv({"tarih", "20230301", "parabirimikodu", 3, "tltutar", "20.1"}));
    auto tahsilat = [&](const char* tarih, int doviz, const char* tutar, int sekil) {
        add("tblfoy_tahsilat", kv({"foykodu", 1, "tahsilattarihi", tarih, "tahsilatmiktari", tutar,
                                   "parabirimikodu", doviz, "tahsilatsekli", sekil}));
    };
    tahsilat("20230401", 2, "50", 7);      // no rates stored on that day
    tahsilat("20230301", 3, "100.25", 1);  // euro paid against a dollar debt
    tahsilat("20230301", 1, "10", 2);
    colTahsilatlar c;
    c.Add(7, 1, Money(), Money(), Money::fromUnits(5), "20230101");
    c.Yukle(1, 2);
    ASSERT_EQ(c.Count(), 4);  // a load appends
    const clsTahsilatKalemi& euro = c.Item(2);
    EXPECT_EQ(euro.Tutar, Money::parse("100.25"));
    EXPECT_EQ(euro.TahsilatKuru, Money::parse("20.1"));
    EXPECT_EQ(euro.BorcKuru, Money::parse("18.9512"));
    EXPECT_EQ(c.Item(3).TahsilatKuru, Money());  // lira has no stored rate
    EXPECT_EQ(c.Item(4).TahsilatKuru, Money());
    EXPECT_EQ(c.Item(4).BorcKuru, Money());
    c.BelliTarihtenSonrakileriCikar("20230301");
    EXPECT_EQ(c.Count(), 1);
    EXPECT_TRUE(guard_.errors().messages().isEmpty()) << errorText().toStdString();
}

TEST_P(CollectionsExpensesTest, ExpensesSplitAtTheEnforcementDate) {
    auto masraf = [&](const char* tarih, const char* tutar, int resmi) {
        add("tblfoy_masraf",
            kv({"foykodu", 1, "masraftarihi", tarih, "masraftutari", tutar, "resmi", resmi}));
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
    } cases[] = {{"20230115", false, Money::parse("150.10"), 1, Money::parse("180.10")},
                 {"20230115", true, Money::parse("100.10"), 1, Money::parse("130.10")},
                 {"", false, Money(), 2, Money::parse("180.10")}};
    colMasraflar m;
    for (const auto& c : cases) {
        m.Yukle(1, QString::fromLatin1(c.takip), c.resmi);  // each load replaces the last
        EXPECT_EQ(m.TakipOncesiMasrafToplami, c.oncesi) << c.takip << c.resmi;
        EXPECT_EQ(m.Count(), c.kalem) << c.takip << c.resmi;
        EXPECT_EQ(m.ToplamMasraf, c.toplam) << c.takip << c.resmi;
    }
    EXPECT_EQ(m.Item(2).FaizBaslangicTarihi, "20230116");
    EXPECT_EQ(m.Item(2).Tutar, Money::fromUnits(30));  // 25.5 + 4.5 summed per day
}

QUV_ON_BACKENDS(CollectionsExpensesTest);

}  // namespace
}  // namespace quv
