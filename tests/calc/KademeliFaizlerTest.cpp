#include "calc/colKademeliFaizler.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <vector>

namespace quv {
namespace {

Money para(const char* text) {
    return Money::parse(QString::fromLatin1(text));
}

TEST(KademeliFaizKalemiTest, DefaultDescriptionFromTheOpeningAndClosingEvents) {
    struct Case {
        Enum_KalemTipi baslama;
        Enum_KalemTipi bitis;
        const char* expected;
    } cases[] = {
        {E_KT_Alacak, E_KT_TakipTarihi, "Faiz başlangıç tarihinden takip tarihine kadar."},
        {E_KT_TakipTarihi, E_KT_Tahsilat, "Takip tarihinden tahsilat tarihine kadar."},
        // A phrase missing on one side leaves no stray blank.
        {E_KT_FaizIsleyecekTODA, E_KT_Alacak, "Faiz başlangıç tarihinden"},
        {E_KT_GununTarihi, E_KT_TODAFaizOraniDegisikligi, "faiz oranı değişiklik tarihine kadar."},
        {Enum_KalemTipi{}, Enum_KalemTipi{}, ""},  // a line nobody has opened or closed
    };
    for (const auto& c : cases) {
        clsKademeliFaizKalemi k;
        k.BaslamaKaynak = c.baslama;
        k.BitisKaynak = c.bitis;
        EXPECT_EQ(k.DefaultAciklama(), QString::fromUtf8(c.expected))
            << c.baslama << ' ' << c.bitis;
    }
}

struct Satir {
    const char* baslangic;
    const char* bitis;
    Enum_KalemTipi baslama;
    Enum_KalemTipi bitisKaynak;
    const char* asil;
    float oran;
    const char* tutar;
};

colKademeliFaizler liste(const std::vector<Satir>& satirlar) {
    colKademeliFaizler list;
    for (const Satir& s : satirlar) {
        clsKademeliFaizKalemi& k =
            list.Add(QString::fromLatin1(s.baslangic), QString::fromLatin1(s.bitis), para(s.tutar),
                     s.oran, QString(), para(s.asil), 0);
        k.BaslamaKaynak = s.baslama;
        k.BitisKaynak = s.bitisKaynak;
    }
    return list;
}

TEST(KademeliFaizlerTest, InterestUpToTheEnforcementStart) {
    struct Case {
        const char* name;
        std::vector<Satir> satirlar;
        Money expected;
    } cases[] = {
        {"up to and including the line closed by the enforcement start",
         {{"20230101", "20230110", E_KT_Alacak, E_KT_Tahsilat, "1000", 9, "2.47"},
          {"20230110", "20230115", E_KT_Tahsilat, E_KT_TakipTarihi, "900", 9, "1.11"},
          {"20230115", "20240115", E_KT_TakipTarihi, E_KT_GununTarihi, "900", 9, "81.00"}},
         para("3.58")},  // 2.47 + 1.11
        {"only the first line closed by the enforcement start counts",
         {{"20230101", "20230115", E_KT_Alacak, E_KT_TakipTarihi, "1000", 9, "3.45"},
          {"20230115", "20230116", E_KT_TakipTarihi, E_KT_TakipTarihi, "1000", 9, "0.25"}},
         para("3.45")},
        {"no line ends at the enforcement start",
         {{"20230101", "20230115", E_KT_Alacak, E_KT_Tahsilat, "1000", 9, "3.45"}},
         Money()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(liste(c.satirlar).TakipTarihineKadarOlanToplam(), c.expected) << c.name;
}

TEST(KademeliFaizlerTest, CollectionsThatLeftPrincipalAndRateAloneAreJoined) {
    test::SharedStateGuard guard;  // day counts use the date service
    struct Case {
        const char* name;
        std::vector<Satir> satirlar;
        QStringList expected;  // "start-end closed-by days interest"; the start only if joined
    } cases[] = {
        {"a chain of collections paying only interest becomes one period",
         {{"20230101", "20230201", E_KT_Alacak, E_KT_Tahsilat, "1000", 9, "7.64"},
          {"20230201", "20230301", E_KT_Tahsilat, E_KT_Tahsilat, "1000", 9, "6.90"},
          {"20230301", "20230401", E_KT_Tahsilat, E_KT_GununTarihi, "1000", 9, "7.64"}},
         // 31 + 28 + 31 = 90 days; 7.64 + 6.90 + 7.64 = 22.18
         {"20230101-20230401 21 90 22.18"}},
        {"a collection that paid principal stays a boundary",
         {{"20230101", "20230201", E_KT_Alacak, E_KT_Tahsilat, "1000", 9, "7.64"},
          {"20230201", "20230301", E_KT_Tahsilat, E_KT_GununTarihi, "800", 9, "5.52"}},
         {"-20230201 19 0 7.64", "-20230301 21 0 5.52"}},
        {"a rate change on the collection date stays a boundary",
         {{"20230101", "20230201", E_KT_Alacak, E_KT_Tahsilat, "1000", 9, "7.64"},
          {"20230201", "20230301", E_KT_Tahsilat, E_KT_GununTarihi, "1000", 12, "9.21"}},
         {"-20230201 19 0 7.64", "-20230301 21 0 9.21"}},
        {"the next period opened by another event",
         {{"20230101", "20230201", E_KT_Alacak, E_KT_Tahsilat, "1000", 9, "7.64"},
          {"20230201", "20230301", E_KT_FaizOraniDegisikligi, E_KT_GununTarihi, "1000", 9, "6.90"}},
         {"-20230201 19 0 7.64", "-20230301 21 0 6.9"}},
        {"joining comes before dropping the periods without interest",
         {{"20230101", "20230101", E_KT_Alacak, E_KT_Tahsilat, "1000", 9, "0"},
          {"20230101", "20230201", E_KT_Tahsilat, E_KT_Tahsilat, "1000", 9, "7.64"},
          {"20230201", "20230202", E_KT_Tahsilat, E_KT_TakipTarihi, "500", 9, "0"},
          {"20230202", "20230301", E_KT_TakipTarihi, E_KT_GununTarihi, "500", 9, "-1"}},
         // 20230101 to 20230201: 31 days, 0 + 7.64
         {"20230101-20230201 19 31 7.64"}},
    };
    for (auto& c : cases) {
        colKademeliFaizler list = liste(c.satirlar);
        list.TahsilatKalemleriniBirlestir();
        QStringList satirlar;
        for (const clsKademeliFaizKalemi& k : list)
            satirlar << QStringLiteral("%1-%2 %3 %4 %5")
                            .arg(k.Gunsayisi > 0 ? k.BaslangicTarihi : QString(), k.BitisTarihi)
                            .arg(k.BitisKaynak)
                            .arg(k.Gunsayisi)
                            .arg(k.Tutar.toDouble());
        EXPECT_EQ(satirlar, c.expected) << c.name;
    }
    EXPECT_TRUE(guard.errors().messages().isEmpty());
}

}  // namespace
}  // namespace quv
