#include "DbFixture.h"
#include "FileFixtures.h"
#include "file/FaizTablosu.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"

namespace quv {
namespace {

class ClaimsTest : public test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        test::insertCreditorAndCurrencies(*db_);
    }
    // Replaces file 1 and its claims.
    void file(const FieldValues& fields) {
        db_->execute("delete from tblfoy");
        db_->execute("delete from tblfoy_alacak");
        test::insertFile(*db_, 1, fields);
    }
    void claim(FieldValues fields) {
        fields.prepend({"foykodu", 1});
        add("tblfoy_alacak", fields);
    }
    void rent(int yil, int ay1, int ay2, int gun, int tur, int tutar) {
        claim(kv({"alacakkodu", ay1, "yil", yil, "birinciay", ay1, "ikinciay", ay2, "odemegunu",
                  gun, "alacakturu", tur, "tutar", tutar}));
    }
    clsFoyBilgileri& load() {
        foy_ = std::make_unique<clsFoyBilgileri>();
        EXPECT_TRUE(foy_->FoyBilgileriniYukle(1)) << errorText().toStdString();
        foy_->AlacaklariYukle();
        return *foy_;
    }
    static QStringList starts(colAlacaklar& c) {
        QStringList out;
        for (const clsAlacakKalemi& k : c)
            out << k.FaizBaslangicTarihi;
        return out;
    }

    std::unique_ptr<clsFoyBilgileri> foy_;
};

TEST_P(ClaimsTest, RentDueDatesStepBackToTheMonthsLastDay) {
    for (auto [yil, expected] : {std::pair{2023, "20230228"}, std::pair{2024, "20240229"}}) {
        file(kv({"alacaktipi", 11, "takiptarihi", "20250101"}));
        rent(yil, 2, 2, 31, 1, 1000);
        clsFoyBilgileri& foy = load();
        ASSERT_EQ(foy.Alacaklar().Count(), 1);
        EXPECT_EQ(foy.Alacaklar().Item(1).FaizBaslangicTarihi, QString::fromLatin1(expected));
        EXPECT_EQ(foy.Alacaklar().Item(1).AlacakAdi, "Kira");
    }
}

TEST_P(ClaimsTest, TwelveRentMonthsOrOneAcceleratedClaim) {
    // Enforcement on 15 June 2023: months due later bear interest from the enforcement date.
    file(kv({"alacaktipi", 11, "formtipi", 3, "takiptarihi", "20230615"}));
    rent(2023, 1, 12, 5, 1, 1000);
    clsFoyBilgileri& foy = load();
    ASSERT_EQ(foy.Alacaklar().Count(), 12);
    EXPECT_EQ(foy.Alacaklar().Item(6).FaizBaslangicTarihi, "20230605");
    EXPECT_EQ(foy.Alacaklar().Item(7).FaizBaslangicTarihi, "20230615");
    EXPECT_EQ(foy.Alacaklar().ToplamAlacak, Money::fromUnits(12000));

    // With acceleration and a rent-difference row: one claim for the total, due from the first
    // month, following the file's fixed rate.
    add("tblfoy_sozlesme", kv({"foykodu", 1, "muacceliyetdurumu", 2}));
    rent(2023, 3, 4, 5, 2, 250);
    const clsAlacakKalemi& kalem = load().Alacaklar().Item(1);
    EXPECT_EQ(foy_->Alacaklar().Count(), 1);
    EXPECT_EQ(kalem.AlacakAdi, "Kira ve Kira Farkı");
    EXPECT_EQ(kalem.Tutar, Money::fromUnits(12500));  // 12 x 1,000 + 2 x 250
    EXPECT_EQ(kalem.FaizBaslangicTarihi, "20230105");
    EXPECT_FLOAT_EQ(kalem.FaizOrani, 9.0f);
}

TEST_P(ClaimsTest, AlimonyInstalmentsDependOnTheRegistrationDate) {
    const std::pair<const char*, QStringList> cases[] = {
        {"20080315", {"20230115", "20230215", "20230315"}}, {"20080314", {"20230215", "20230315"}}};
    for (const auto& [kayit, instalments] : cases) {
        file(kv({"alacaktipi", 15, "foykayittarihi", kayit}));
        claim(kv({"alacakkodu", 1, "tarih", "20230115", "duzenlemetarihi", "20230415", "tutar", 500,
                  "alacakturu", 4, "nafakafaizbaslangictarihi", "20230301"}));
        colAlacaklar& c = load().Alacaklar();
        EXPECT_EQ(starts(c), instalments) << kayit;
        ASSERT_GE(c.Count(), 2);
        EXPECT_EQ(c.Item(c.Count()).AlacakAdi, "15.03.2023 tarihli nafaka");
        // The interest start given for the alimony is kept while it is later than the instalment.
        EXPECT_EQ(c.Item(1).NafakaFaizBaslangicTarihi, "20230301");
        EXPECT_EQ(c.Item(c.Count()).NafakaFaizBaslangicTarihi, "20230315");
    }
}

TEST_P(ClaimsTest, GeneralClaimNamesAndStarts) {
    // A representative of each way the name is made: fixed by type, by kind, from a column.
    struct Case {
        int alacakTipi, alacakTuru;
        const char* expected;
    } cases[] = {{4, 0, "Fatura"},
                 {12, 0, "4111 nolu kredi kartı "},
                 {28, 1, "4111 nolu kredi kartı "},
                 {28, 2, "Şube"},
                 {13, 0, "Şube"},
                 {1, 2, "Çek"},
                 {1, 1, "Senet"},
                 {2, 3, "Kira"},
                 {1, 7, "Diğer alacak"},
                 {1, 11, "Trafik Sigortası Rücu"},
                 {1, 9, ""},
                 {18, 0, "Asıl Alacak"}};
    for (const auto& c : cases) {
        file(kv({"alacaktipi", c.alacakTipi}));
        claim(kv({"alacakkodu", 1, "tarih", "20230301", "tutar", 1000, "birikmisfaiz", 12.5,
                  "alacakturu", c.alacakTuru, "kartno", "4111", "bankasubesi", "Şube",
                  "digeralacakadi", "Diğer alacak", "ceksenettutari", 1200}));
        clsFoyBilgileri& foy = load();
        ASSERT_EQ(foy.Alacaklar().Count(), 1) << c.alacakTipi;
        const clsAlacakKalemi& kalem = foy.Alacaklar().Item(1);
        EXPECT_EQ(kalem.AlacakAdi, QString::fromUtf8(c.expected))
            << c.alacakTipi << '/' << c.alacakTuru;
        // Dated after the enforcement date (15 January 2023): interest from the enforcement date.
        EXPECT_EQ(kalem.FaizBaslangicTarihi, "20230115");
        EXPECT_EQ(kalem.BirikmisFaiz, Money::parse("12.5"));
    }
    // Cheque and bill totals: face amounts and amounts claimed.
    file(kv({"alacaktipi", 1}));
    for (auto [kod, tur] : {std::pair{1, 2}, std::pair{2, 2}, std::pair{3, 1}})
        claim(kv({"alacakkodu", kod, "tarih", "20221201", "tutar", 1000, "birikmisfaiz", 0,
                  "alacakturu", tur, "ceksenettutari", 1500}));
    colAlacaklar& alacaklar = load().Alacaklar();
    EXPECT_EQ(alacaklar.CekSayisi, 2);
    EXPECT_EQ(alacaklar.SenetSayisi, 1);
    EXPECT_EQ(alacaklar.CekToplami, Money::fromUnits(3000));
    EXPECT_EQ(alacaklar.TakibeKonuCekToplami, Money::fromUnits(2000));
    EXPECT_EQ(alacaklar.SenetToplami, Money::fromUnits(1500));
    EXPECT_EQ(alacaklar.ToplamAlacak, Money::fromUnits(3000));
    EXPECT_EQ(starts(alacaklar), (QStringList{"20221201", "20221201", "20221201"}));
}

TEST_P(ClaimsTest, ClaimsInheritTheFilesRuleUnlessTheyHaveTheirOwn) {
    for (auto [tarih, oran] : {std::pair{"20200101", 9}, std::pair{"20230601", 24}})
        add("tblfaizoranitablosu_detay",
            kv({"foykodu", 0, "faizoranitablosukodu", 3, "tarih", tarih, "faizorani", oran}));
    for (auto [kod, oran] : {std::pair{1, 0}, std::pair{2, 15}})
        claim(kv({"alacakkodu", kod, "tarih", "20221201", "tutar", 1000, "birikmisfaiz", 0,
                  "faizorani", oran}));
    test::insertFile(*db_, 1, kv({"faizorani", 0, "faizoranitablosukodu", 3}));
    colAlacaklar& tablolu = load().Alacaklar();
    EXPECT_EQ(foy_->TabloOran, E_TO_TabloKullan);
    // The rate in force on the first claim date and the change.
    EXPECT_EQ(foy_->FaizTablosu().Sayi(), 2);
    EXPECT_EQ(tablolu.Item(1).FaizOraniTablosuKodu, 3);
    EXPECT_EQ(tablolu.Item(1).FaizOraniTablosu().Sayi(), foy_->FaizTablosu().Sayi());
    EXPECT_FLOAT_EQ(tablolu.Item(2).FaizOrani, 15.0f);  // its own fixed rate stays
    EXPECT_EQ(tablolu.Item(2).FaizOraniTablosu().Sayi(), 0);
    EXPECT_FALSE(tablolu.KalemeOzelFaizYok());

    db_->execute("update tblfoy set faizorani = 12");
    colAlacaklar& sabit = load().Alacaklar();
    EXPECT_FLOAT_EQ(sabit.Item(1).FaizOrani, 12.0f);
    EXPECT_EQ(sabit.Item(1).FaizOraniTablosuKodu, 0);
    EXPECT_EQ(foy_->TabloOran, E_TO_OranKullan);
    EXPECT_FALSE(foy_->HasFaizTablosu());
}

TEST_P(ClaimsTest, LaterClaimsAndTodaStartsAgainstTheEnforcementDate) {
    test::insertFile(*db_, 1);
    auto later = [&](int kod, const char* tarih, int matrah) {
        add("tblfoy_sonrakialacak",
            kv({"foykodu", 1, "alacakkodu", kod, "alacakadi", QString("Ek %1").arg(kod), "tarih",
                tarih, "tutar", 100 * kod, "matrahlaradahil", matrah}));
    };
    later(1, "20230101", 1);  // before the enforcement date
    later(2, "20230201", 0);
    later(3, "", 1);
    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
    foy.SonrakiAlacaklariYukle();
    EXPECT_EQ(starts(foy.SonrakiAlacaklar()), (QStringList{"20230115", "20230115", "20230201"}));
    EXPECT_EQ(foy.SonrakiAlacaklar().MatrahaDahilOlanSonrakiAlacakToplami,
              Money::fromUnits(400));  // 100 + 300
    EXPECT_EQ(foy.SonrakiAlacaklar().ToplamAlacak, Money::fromUnits(600));

    foy.SonrakiAlacaklariTODAOlarakYukle();
    EXPECT_EQ(starts(foy.TODAs()), (QStringList{QString(), "20230101", "20230115"}));
    EXPECT_EQ(foy.TODAs().FaizIsleyecekTODAToplami, Money::fromUnits(300));
    EXPECT_EQ(foy.TODAs().FaizsizTODAlarinToplami, Money::fromUnits(300));

    auto toda = [&](int kod, const char* baslangic, int tutar) {
        add("tblfoy_toda", kv({"foykodu", 1, "alacakkodu", kod, "ad", QString("T%1").arg(kod),
                               "faizbaslangictarihi", baslangic, "tutar", tutar}));
    };
    toda(1, "20221001", 100);
    toda(2, "20230301", 200);
    toda(3, "", 300);
    toda(4, "20221001", 0);  // no amount: not read
    foy.TODALariYukle();
    EXPECT_EQ(starts(foy.TODAs()), (QStringList{"20221001", "20230115", QString()}));
    EXPECT_EQ(foy.TODAs().FaizIsleyecekTODAToplami, Money::fromUnits(100));
    EXPECT_EQ(foy.TODAs().TakipTarFaizIsleyecekTODATop, Money::fromUnits(200));
    EXPECT_EQ(foy.TODAs().FaizsizTODAlarinToplami, Money::fromUnits(300));
    EXPECT_EQ(foy.TODAs().ToplamAlacak, Money::fromUnits(600));
}

TEST_P(ClaimsTest, ReloadingReplacesTheClaims) {
    test::insertFile(*db_, 1);
    claim(kv({"alacakkodu", 1, "tarih", "20221201", "tutar", 1000, "birikmisfaiz", 0}));
    add("tblfoy_sonrakialacak",
        kv({"foykodu", 1, "alacakkodu", 1, "tarih", "20230201", "tutar", 50}));
    add("tblfoy_toda", kv({"foykodu", 1, "alacakkodu", 1, "tutar", 70}));
    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
    for (int i = 0; i < 2; ++i) {
        foy.AlacaklariYukle();
        foy.SonrakiAlacaklariYukle();
        foy.TODALariYukle();
    }
    EXPECT_EQ(foy.Alacaklar().ToplamAlacak, Money::fromUnits(1000));
    EXPECT_EQ(foy.SonrakiAlacaklar().Count(), 1);
    EXPECT_EQ(foy.TODAs().ToplamAlacak, Money::fromUnits(70));
}

TEST_P(ClaimsTest, ANullAmountStopsTheLoadWithItsSource) {
    test::insertFile(*db_, 1);
    claim(kv({"alacakkodu", 1, "tarih", "20221201", "tutar",
              QVariant(QMetaType::fromType<double>()), "birikmisfaiz", 0}));
    EXPECT_EQ(load().Alacaklar().Count(), 0);
    EXPECT_EQ(guard_.errors().messages(),
              QStringList{"Hatanın oluştuğu yer : colAlacaklar.BorcYukleGenel\rHata : 94 -> "
                          "Invalid use of Null"});
}

TEST(Claims, LookupsOverTheClaims) {
    colAlacaklar c;
    EXPECT_TRUE(c.KalemeOzelFaizYok());
    c.Add(5, "a", Money::fromUnits(1), QString(), Money(), 0, 0, 0, Money()).GecerliFaizOrani =
        -3.0f;
    c.Add(7, "b", Money::fromUnits(1), QString(), Money(), 0, 0, 0, Money());
    c.Add(5, "c", Money::fromUnits(1), QString(), Money(), 0, 0, 0, Money());
    EXPECT_FLOAT_EQ(c.GetMaxGecerliFaizOrani(), 0.0f);  // never below 0
    EXPECT_EQ(c.GetAlacakKalemiByAlacakKodu(5)->AlacakAdi, "a");
    EXPECT_EQ(c.GetAlacakKalemiByAlacakKodu(9), nullptr);
}

QUV_ON_BACKENDS(ClaimsTest);

}  // namespace
}  // namespace quv
