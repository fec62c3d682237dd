#include "MotorTestDestegi.h"
#include "calc/colHesapKalemleri.h"
#include "calc/colKademeliFaizler.h"
#include "engine/SharedState.h"
#include "engine/WindowHost.h"
#include "file/FileFixtures.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "file/colTahsilatlar.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace quv {
namespace {

using test::alanlar;
using test::para;

// Answers every exchange-rate question with one value and keeps the questions.
struct KurSoranPencere : WindowHost {
    explicit KurSoranPencere(Money c) : cevap(c) {}
    Money askExchangeRate(const QString& tarih, quint8 doviz, const QString& aciklama) override {
        sorular << tarih + u' ' + QString::number(doviz) + u' ' + aciklama;
        return cevap;
    }
    Money cevap;
    QStringList sorular;
};

// Timelines of loaded files; the engine fixture's tariffs are not read here.
class HesapKalemleriniDoldurDbTest : public test::HesapMotoruTesti {
protected:
    void add(const char* tablo, const QString& metin) { tabloSatiri(tablo, metin); }
    // A row of the file's own rate table 1/kod.
    void oran(int kod, const char* tarih, double yuzde) {
        add("tblfaizoranitablosu_detay",
            QString::asprintf("foykodu=1 faizoranitablosukodu=%d tarih=%s faizorani=%g", kod, tarih,
                              yuzde));
    }
    // A judgement offset of 250 decided on 15 November 2022 (the file needs form 4) and an
    // interim attachment requested on 1 December 2022 (it needs ihtiyatihacizvar).
    void mahsupVeIhtiyatiHaciz() {
        add("tblfoy_mahsup", "foykodu=1 mahsupmiktari=250");
        add("tblfoy_ilam", "foykodu=1 mahkemeornoter=1 karartarihi=20221115");
        add("tblfoy_ihtiyatihaciz", "foykodu=1 taleptarihi=20221201");
    }
};

TEST_P(HesapKalemleriniDoldurDbTest, EveryKindOfALoadedFileInReplayOrder) {
    test::insertFile(*db_, 1,
                     alanlar("formtipi=4 ilkhaciztarihi=20230301 ilksatistarihi=20230401 "
                             "tahsilatmahsupsirasi=4 ihtiyatihacizvar=1"));
    add("tblfoy_tahsilatmahsupsirasi", "foykodu=1 tarih=20230115 tahsilatmahsupsirasi=2");
    add("tblfoy_tahsilatmahsupsirasi", "foykodu=1 tarih=20230601 tahsilatmahsupsirasi=1");
    mahsupVeIhtiyatiHaciz();
    // Rate table 7: 20 % from 2022, 25 % from the claims' start, 30 % from June 2023.
    oran(7, "20220101", 20);
    oran(7, "20230101", 25);
    oran(7, "20230601", 30);
    // Claim 1 follows table 7, claim 2 has its own fixed rate.
    add("tblfoy_alacak",
        "foykodu=1 alacakkodu=1 tarih=20230101 tutar=1000 birikmisfaiz=0 "
        "faizorani=0 faizoranitablosukodu=7 faizoranitablosufoykodu=1");
    add("tblfoy_alacak",
        "foykodu=1 alacakkodu=2 tarih=20230101 tutar=500 birikmisfaiz=0 faizorani=12");
    add("tblfoy_sonrakialacak",
        "foykodu=1 alacakkodu=1 alacakadi=Ek tarih=20230201 tutar=300 "
        "faizorani=0 faizoranitablosukodu=7 faizoranitablosufoykodu=1");
    // TODA 1 bears no interest and gets no item, but TODA 2 is still number 2.
    add("tblfoy_toda", "foykodu=1 alacakkodu=1 ad=Faizsiz tutar=100");
    add("tblfoy_toda",
        "foykodu=1 alacakkodu=2 ad=Faizli tutar=200 faizbaslangictarihi=20221001 "
        "faizorani=0 faizoranitablosukodu=7 faizoranitablosufoykodu=1");
    tahsilat("20230301", "50", 2, 1);
    tahsilat("20230115", "75", 7, 1);
    tahsilat("20230301", "50", 7, 1);
    add("tblfoy_masraf", "foykodu=1 masraftarihi=20230301 masraftutari=40 resmi=1");
    // A stored lira "rate" that a lira file must never look at.
    kur("20230115", 1, "5");
    auto pencere = std::make_shared<KurSoranPencere>(Money::fromUnits(99));
    shared().setWindowHost(pencere);

    clsFoyBilgileri& foy = yukle();
    foy.HesapKalemleriniDoldur(QStringLiteral("20231001"));
    colHesapKalemleri& k = foy.HesapKalemleri();
    QStringList satirlar;  // "date kind ItemIndex amount rate"
    for (const clsHesapKalemi& x : k)
        satirlar << QString::asprintf("%s %d %d %g %g", qPrintable(x.Tarih), int(x.KalemTipi),
                                      x.ItemIndex, x.Tutar.toDouble(), double(x.Oran));

    // The rows of table 7 from the last change before each start; on one date rate changes
    // first, then the claims in their order; the collection of the enforcement date after
    // its start; an expense and the first seizure before the day's collections, in order.
    EXPECT_EQ(satirlar.join(u'|'),
              QStringLiteral("20220101 1 1 0 20|20220101 3 2 0 20|20221001 16 2 200 0|"
                             "20221115 10 0 250 0|20221201 14 0 0 0|20230101 1 1 0 25|"
                             "20230101 3 2 0 25|20230101 4 1 0 25|20230101 6 1 1000 0|"
                             "20230101 6 2 500 0|20230115 5 0 0 0|20230115 17 0 0 0|"
                             "20230115 19 1 75 0|20230201 18 1 300 0|20230301 11 0 40 0|"
                             "20230301 12 0 0 0|20230301 19 2 50 0|20230301 19 3 50 0|"
                             "20230401 13 0 0 0|20230601 1 1 0 30|20230601 3 2 0 30|"
                             "20230601 4 1 0 30|20230601 5 0 0 0|20231001 20 0 0 0|"
                             "20240115 21 0 0 0"))
        << hatalar().join(u'\n').toStdString();

    // A lira file: every rate 1, none looked up or asked for; the collections get
    // rate 1 written back (the loader stores none for the lira).
    const Money bir = Money::fromUnits(1);
    for (const clsHesapKalemi& kalem : k) {
        EXPECT_EQ(std::pair(kalem.Kur, kalem.AlacakKur), std::pair(bir, bir))
            << kalem.Tarih.toStdString();
        if (kalem.KalemTipi == E_KT_Tahsilat) {
            const clsTahsilatKalemi& t = foy.Tahsilatlar().Item(kalem.ItemIndex);
            EXPECT_EQ(std::pair(t.TahsilatKuru, t.BorcKuru), std::pair(bir, bir));
        }
    }
    EXPECT_TRUE(pencere->sorular.isEmpty());
    for (Money r : {foy.GununKuru, foy.TakipTarihindeKur, foy.MahsupKuru, foy.IhtiyatiHacizdeKur})
        EXPECT_EQ(r, bir);
    hataYok();
}

TEST_P(HesapKalemleriniDoldurDbTest, ForeignCurrencyRatesComeFromTheRateTable) {
    // A dollar file. Rates are stored for every date but the judgement date.
    test::insertFile(*db_, 1, alanlar("parabirimikodu=2 formtipi=4 ihtiyatihacizvar=1"));
    mahsupVeIhtiyatiHaciz();
    kur("20221201", 2, "18.6012");
    kur("20230115", 2, "18.8050");
    kur("20240115", 2, "30.1025");
    kur("20230301", 2, "18.9512");
    kur("20230301", 3, "20.1000");
    // Each collection gets its own currency's rate and the dollar's rate on its date; one
    // without a currency code keeps the rate it was loaded with (none).
    tahsilat("20230301", "40", 7, 2);
    tahsilat("20230301", "500", 7, 1);
    tahsilat("20230301", "10", 7, 3);
    tahsilat("20230301", "1", 7, 0);
    // The user types 19.25 for the missing judgement-date rate when asked (without a user
    // the rate is never made up: see the tests of KurBilgisiAl and of the facade).
    auto pencere = std::make_shared<KurSoranPencere>(para("19.25"));
    shared().setWindowHost(pencere);
    clsFoyBilgileri& foy = yukle();
    foy.HesapKalemleriniDoldur();
    colHesapKalemleri& k = foy.HesapKalemleri();
    EXPECT_EQ(foy.GununKuru, para("30.1025"));
    EXPECT_EQ(foy.TakipTarihindeKur, para("18.8050"));
    EXPECT_EQ(foy.IhtiyatiHacizdeKur, para("18.6012"));
    EXPECT_EQ(foy.MahsupKuru, para("19.25"));
    for (const clsHesapKalemi& kalem : k)
        EXPECT_TRUE(kalem.KalemTipi != E_KT_MahsupIslemi || kalem.Kur == para("19.25"));
    EXPECT_EQ(pencere->sorular,
              QStringList{QStringLiteral("20221115 2 (İlam Karar Tarihi - Mahsup İçin)")});
    hataYok();
    // "number currency rate rate-written-back debt-rate" of each collection in order
    QStringList tahsilatlar;
    for (const clsHesapKalemi& kalem : k)
        if (kalem.KalemTipi == E_KT_Tahsilat)
            tahsilatlar
                << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(kalem.ItemIndex)
                       .arg(kalem.Doviz)
                       .arg(kalem.Kur.toDecimalString(),
                            foy.Tahsilatlar().Item(kalem.ItemIndex).TahsilatKuru.toDecimalString(),
                            kalem.AlacakKur.toDecimalString());
    EXPECT_EQ(tahsilatlar,
              (QStringList{"1 2 18.9512 18.9512 18.9512", "2 1 1.0000 1.0000 18.9512",
                           "3 3 20.1000 20.1000 18.9512", "4 0 0.0000 0.0000 18.9512"}));
}

INSTANTIATE_TEST_SUITE_P(Backends, HesapKalemleriniDoldurDbTest,
                         ::testing::ValuesIn(test::availableBackends()), test::adi);

// The insertion the replay order is defined by: each item goes before the first
// item already placed whose key is strictly greater. The whole-file timeline test above
// pins the key itself (date, then the kind as a number).
TEST(HesapKalemleriSiralaTest, SameOrderAsInsertingBeforeTheFirstGreaterKey) {
    const char* tarihler[] = {"", "20221231", "20230101", "20230102", "20230115"};
    std::mt19937 rng(20240115);
    for (int tur = 0; tur < 20; ++tur) {
        colHesapKalemleri list;
        for (int i = 0; i < 150; ++i)
            // Odd rounds have no undated item: every key is eleven digits.
            list.Add(static_cast<Enum_KalemTipi>(1 + rng() % 21),
                     QString::fromLatin1(tarihler[tur % 2 + rng() % (5 - tur % 2)]), i);
        std::vector<const clsHesapKalemi*> expected;
        for (const clsHesapKalemi& x : list) {
            auto it = expected.begin();
            while (it != expected.end() && !((*it)->SiralamaSahasi() > x.SiralamaSahasi()))
                ++it;
            expected.insert(it, &x);
        }
        const colHesapKalemleri sorted = HesapKalemleriniSirala(list);
        ASSERT_EQ(sorted.Count(), list.Count());
        for (int i = 1; i <= sorted.Count(); ++i)
            ASSERT_EQ(&sorted.Item(i), expected[static_cast<std::size_t>(i - 1)])
                << "round " << tur << " position " << i;
    }
}

// The statement's descriptions of whole periods are checked with the statement
// (tests/summary); here the lines that lack a phrase on one side.
TEST(KademeliFaizKalemiTest, DefaultDescriptionWithAPhraseMissing) {
    const struct {
        Enum_KalemTipi baslama, bitis;
        const char* expected;
    } cases[] = {
        {E_KT_FaizIsleyecekTODA, E_KT_Alacak, "Faiz başlangıç tarihinden"},  // no stray blank
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

// The statement joins the periods split only by a collection that changed neither the
// principal nor the rate, and leaves out those without interest.
TEST(KademeliFaizlerTest, CollectionsThatLeftPrincipalAndRateAloneAreJoined) {
    test::SharedStateGuard guard;  // day counts use the date service
    struct Satir {
        const char *baslangic, *bitis;
        Enum_KalemTipi baslama, bitisKaynak;
        const char* asil;
        float oran;
        const char* tutar;
    };
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
        colKademeliFaizler list;
        for (const Satir& s : c.satirlar) {
            clsKademeliFaizKalemi& k =
                list.Add(QString::fromLatin1(s.baslangic), QString::fromLatin1(s.bitis),
                         para(s.tutar), s.oran, QString(), para(s.asil), 0);
            k.BaslamaKaynak = s.baslama;
            k.BitisKaynak = s.bitisKaynak;
        }
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
