#include "calc/colHesapKalemleri.h"
#include "engine/RuntimeError.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "file/colMasraflar.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace quv {
namespace {

// The items' ItemIndex values in list order.
std::vector<int> etiketler(const colHesapKalemleri& list) {
    std::vector<int> out;
    for (const clsHesapKalemi& k : list)
        out.push_back(k.ItemIndex);
    return out;
}

TEST(HesapKalemleriTest, InsertAndRemoveByKind) {
    colHesapKalemleri list;
    const Enum_KalemTipi tipler[] = {E_KT_Tahsilat, E_KT_Alacak, E_KT_Tahsilat, E_KT_Tahsilat,
                                     E_KT_GununTarihi};
    int n = 0;
    for (Enum_KalemTipi t : tipler)
        list.Add(t, QStringLiteral("20230101"), ++n);
    auto yeni = [](int etiket) {
        auto k = std::make_shared<clsHesapKalemi>();
        k->ItemIndex = etiket;
        return k;
    };
    list.AddKalem(yeni(10), 1);  // before the first
    list.AddKalem(yeni(11));     // appended
    list.AddKalem(yeni(12), 3);  // before the old second item
    EXPECT_EQ(etiketler(list), (std::vector<int>{10, 1, 12, 2, 3, 4, 5, 11}));
    EXPECT_THROW(list.AddKalem(yeni(13), 10), RuntimeError);  // past Count + 1

    list.RemoveByKalemTipi(E_KT_Tahsilat);  // 1, 3 and 4, neighbours included
    EXPECT_EQ(etiketler(list), (std::vector<int>{10, 12, 2, 5, 11}));
}

// Builds a list from (date, kind) pairs tagged 1, 2, ... in ItemIndex.
colHesapKalemleri liste(std::initializer_list<std::pair<const char*, Enum_KalemTipi>> items) {
    colHesapKalemleri list;
    int n = 0;
    for (const auto& [tarih, tip] : items)
        list.Add(tip, QString::fromLatin1(tarih), ++n);
    return list;
}

TEST(HesapKalemleriSiralaTest, OneDateRunsInAscendingKindAndEqualKeysKeepTheirOrder) {
    struct Case {
        const char* name;
        colHesapKalemleri input;
        std::vector<int> expected;
    } cases[] = {
        {"rate change before the claim it belongs to",
         liste({{"20230101", E_KT_Alacak}, {"20230101", E_KT_FaizOraniDegisikligi}}),
         {2, 1}},
        {"collection on the enforcement date after the enforcement start",
         liste({{"20230115", E_KT_Tahsilat}, {"20230115", E_KT_TakipTarihi}}),
         {2, 1}},
        {"equal keys keep the insertion order",
         liste({{"20230301", E_KT_Tahsilat},
                {"20230101", E_KT_FaizOraniDegisikligi},
                {"20230301", E_KT_Tahsilat},
                {"20230101", E_KT_FaizOraniDegisikligi},
                {"20230301", E_KT_Tahsilat}}),
         {2, 4, 1, 3, 5}},
        {"undated items first, by kind",
         liste({{"20230101", E_KT_FaizOraniDegisikligi},
                {"", E_KT_Masraf},
                {"", E_KT_Alacak},
                {"", E_KT_Alacak}}),
         {3, 4, 2, 1}},
        {"kinds compare as numbers",
         liste({{"20230101", E_KT_Masraf}, {"20230101", E_KT_Alacak}}),
         {2, 1}},
        {"dates before kinds",
         liste({{"20230102", E_KT_FaizOraniDegisikligi}, {"20230101", E_KT_GununTarihi}}),
         {2, 1}},
        {"empty list", colHesapKalemleri(), {}},
    };
    for (auto& c : cases)
        EXPECT_EQ(etiketler(HesapKalemleriniSirala(c.input)), c.expected) << c.name;
}

// The insertion the replay order is defined by: each item goes before the first
// item already placed whose key is strictly greater.
std::vector<const clsHesapKalemi*> araya(const colHesapKalemleri& list) {
    std::vector<const clsHesapKalemi*> out;
    for (const clsHesapKalemi& x : list) {
        auto it = out.begin();
        while (it != out.end() && !((*it)->SiralamaSahasi() > x.SiralamaSahasi()))
            ++it;
        out.insert(it, &x);
    }
    return out;
}

TEST(HesapKalemleriSiralaTest, SameOrderAsInsertingBeforeTheFirstGreaterKey) {
    const char* tarihler[] = {"", "20221231", "20230101", "20230102", "20230115"};
    std::mt19937 rng(20240115);
    for (int tur = 0; tur < 20; ++tur) {
        colHesapKalemleri list;
        for (int i = 0; i < 150; ++i)
            list.Add(static_cast<Enum_KalemTipi>(1 + rng() % 21),
                     QString::fromLatin1(tarihler[rng() % 5]), i);
        const auto expected = araya(list);
        const colHesapKalemleri sorted = HesapKalemleriniSirala(list);
        ASSERT_EQ(sorted.Count(), list.Count());
        for (int i = 1; i <= sorted.Count(); ++i)
            ASSERT_EQ(&sorted.Item(i), expected[static_cast<std::size_t>(i - 1)])
                << "round " << tur << " position " << i;
    }
}

TEST(HesapKalemleriniDoldurTest, FileWithoutDatesGetsOnlyItsClaimsAndExpenses) {
    test::SharedStateGuard guard;
    clsFoyBilgileri foy;
    foy.ParaBirimiKodu = 1;
    foy.MahsupSirasi = E_TMS_ToplamBorctan_TakiptenOnceUygula;
    foy.Alacaklar().Add(1, QStringLiteral("Asıl"), Money::fromUnits(100), QString(), Money(), 9.0f,
                        0, 0, Money());
    foy.Masraflar().Add(QStringLiteral("20230105"), Money::fromUnits(7));
    foy.HesapKalemleriniDoldur();

    ASSERT_EQ(foy.HesapKalemleri().Count(), 2);
    EXPECT_EQ(foy.HesapKalemleri().Item(1).KalemTipi, E_KT_Alacak);  // undated: first
    EXPECT_EQ(foy.HesapKalemleri().Item(2).Tutar, Money::fromUnits(7));
    // Without an offset-order table the file's own order is the current one.
    EXPECT_EQ(foy.CurrentMahsupSirasi, E_TMS_ToplamBorctan_TakiptenOnceUygula);
    EXPECT_TRUE(guard.errors().messages().isEmpty());
}

}  // namespace
}  // namespace quv
