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

// The insertion the replay order is defined by: each item goes before the first
// item already placed whose key is strictly greater. The whole-file timeline test pins
// the key itself (date, then the kind as a number).
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

}  // namespace
}  // namespace quv
