#include "FileFixtures.h"
#include "engine/SharedState.h"
#include "file/FaizTablosu.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

class ClaimsTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        test::insertCreditorAndCurrencies(*db_);
    }
    void add(const QString& table, const FieldValues& fields) { db_->addRow(table, fields); }
    void rent(int yil, int ay1, int ay2, int gun, int tur, int tutar) {
        add(QStringLiteral("tblfoy_alacak"), {{QStringLiteral("foykodu"), 1},
                                              {QStringLiteral("alacakkodu"), ay1},
                                              {QStringLiteral("yil"), yil},
                                              {QStringLiteral("birinciay"), ay1},
                                              {QStringLiteral("ikinciay"), ay2},
                                              {QStringLiteral("odemegunu"), gun},
                                              {QStringLiteral("alacakturu"), tur},
                                              {QStringLiteral("tutar"), tutar}});
    }
    // Loads file 1 and its claims.
    clsFoyBilgileri& load() {
        foy_ = std::make_unique<clsFoyBilgileri>();
        EXPECT_TRUE(foy_->FoyBilgileriniYukle(1))
            << guard_.errors().messages().join(u'\n').toStdString();
        foy_->AlacaklariYukle();
        return *foy_;
    }
    QStringList starts(colAlacaklar& c) {
        QStringList out;
        for (const clsAlacakKalemi& k : c)
            out << k.FaizBaslangicTarihi;
        return out;
    }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
    std::unique_ptr<clsFoyBilgileri> foy_;
};

TEST_P(ClaimsTest, RentDueDatesStepBackToTheMonthsLastDay) {
    struct Case {
        int yil;
        const char* expected;
    } cases[] = {{2023, "20230228"}, {2024, "20240229"}};
    for (const auto& c : cases) {
        db_->execute(QStringLiteral("delete from tblfoy"));
        db_->execute(QStringLiteral("delete from tblfoy_alacak"));
        test::insertFile(*db_, 1,
                         {{QStringLiteral("alacaktipi"), 11},
                          {QStringLiteral("takiptarihi"), QStringLiteral("20250101")}});
        rent(c.yil, 2, 2, 31, 1, 1000);
        clsFoyBilgileri& foy = load();
        ASSERT_EQ(foy.Alacaklar().Count(), 1);
        EXPECT_EQ(foy.Alacaklar().Item(1).FaizBaslangicTarihi, QString::fromLatin1(c.expected));
        EXPECT_EQ(foy.Alacaklar().Item(1).AlacakAdi, QStringLiteral("Kira"));
    }
}

TEST_P(ClaimsTest, TwelveRentMonthsOrOneAcceleratedClaim) {
    // Enforcement on 15 June 2023: months due later bear interest from the enforcement date.
    test::insertFile(*db_, 1,
                     {{QStringLiteral("alacaktipi"), 11},
                      {QStringLiteral("formtipi"), 3},
                      {QStringLiteral("takiptarihi"), QStringLiteral("20230615")}});
    rent(2023, 1, 12, 5, 1, 1000);
    clsFoyBilgileri& foy = load();
    ASSERT_EQ(foy.Alacaklar().Count(), 12);
    EXPECT_EQ(foy.Alacaklar().Item(1).FaizBaslangicTarihi, QStringLiteral("20230105"));
    EXPECT_EQ(foy.Alacaklar().Item(6).FaizBaslangicTarihi, QStringLiteral("20230605"));
    EXPECT_EQ(foy.Alacaklar().Item(7).FaizBaslangicTarihi, QStringLiteral("20230615"));
    EXPECT_EQ(foy.Alacaklar().ToplamAlacak, Money::fromUnits(12000));

    // With acceleration and a rent-difference row: one claim for the total, due from the first
    // month.
    add(QStringLiteral("tblfoy_sozlesme"),
        {{QStringLiteral("foykodu"), 1}, {QStringLiteral("muacceliyetdurumu"), 2}});
    rent(2023, 3, 4, 5, 2, 250);
    clsFoyBilgileri& hizli = load();
    ASSERT_EQ(hizli.Alacaklar().Count(), 1);
    const clsAlacakKalemi& kalem = hizli.Alacaklar().Item(1);
    EXPECT_EQ(kalem.AlacakAdi, QStringLiteral("Kira ve Kira Farkı"));
    EXPECT_EQ(kalem.Tutar, Money::fromUnits(12500));  // 12 x 1,000 + 2 x 250
    EXPECT_EQ(kalem.FaizBaslangicTarihi, QStringLiteral("20230105"));
    // It has no rule of its own and follows the file's fixed rate.
    EXPECT_FLOAT_EQ(kalem.FaizOrani, 9.0f);
}

TEST_P(ClaimsTest, AlimonyInstalmentsDependOnTheRegistrationDate) {
    struct Case {
        const char* kayit;
        QStringList instalments;
    } cases[] = {
        {"20080315",
         {QStringLiteral("20230115"), QStringLiteral("20230215"), QStringLiteral("20230315")}},
        {"20080314", {QStringLiteral("20230215"), QStringLiteral("20230315")}},
    };
    for (const auto& c : cases) {
        db_->execute(QStringLiteral("delete from tblfoy"));
        db_->execute(QStringLiteral("delete from tblfoy_alacak"));
        test::insertFile(*db_, 1,
                         {{QStringLiteral("alacaktipi"), 15},
                          {QStringLiteral("foykayittarihi"), QString::fromLatin1(c.kayit)}});
        add(QStringLiteral("tblfoy_alacak"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("alacakkodu"), 1},
             {QStringLiteral("tarih"), QStringLiteral("20230115")},
             {QStringLiteral("duzenlemetarihi"), QStringLiteral("20230415")},
             {QStringLiteral("tutar"), 500},
             {QStringLiteral("alacakturu"), 4},
             {QStringLiteral("nafakafaizbaslangictarihi"), QStringLiteral("20230301")}});
        clsFoyBilgileri& foy = load();
        EXPECT_EQ(starts(foy.Alacaklar()), c.instalments) << c.kayit;
        ASSERT_GE(foy.Alacaklar().Count(), 2);
        EXPECT_EQ(foy.Alacaklar().Item(1).AlacakTuru, 4);
        EXPECT_EQ(foy.Alacaklar().Item(foy.Alacaklar().Count()).AlacakAdi,
                  QStringLiteral("15.03.2023 tarihli nafaka"));
        // The interest start given for the alimony is kept while it is later than the instalment.
        EXPECT_EQ(foy.Alacaklar().Item(1).NafakaFaizBaslangicTarihi, QStringLiteral("20230301"));
        EXPECT_EQ(foy.Alacaklar().Item(foy.Alacaklar().Count()).NafakaFaizBaslangicTarihi,
                  QStringLiteral("20230315"));
    }
}

TEST_P(ClaimsTest, GeneralClaimNamesAndStarts) {
    struct Case {
        int alacakTipi;
        int alacakTuru;
        const char* expected;
    } cases[] = {
        {4, 0, "Fatura"},
        {12, 0, "4111 nolu kredi kartı "},
        {28, 1, "4111 nolu kredi kartı "},
        {28, 2, "Şube"},
        {13, 0, "Şube"},
        {1, 2, "Çek"},
        {1, 1, "Senet"},
        {2, 3, "Kira"},
        {2, 4, "Kira Farkı"},
        {22, 5, "Yönetim Gideri"},
        {23, 6, "Sözleşme"},
        {1, 8, "Aidat"},
        {1, 7, "Diğer alacak"},
        {1, 11, "Trafik Sigortası Rücu"},
        {1, 12, "Kasko Rücu"},
        {1, 9, ""},
        {18, 0, "Asıl Alacak"},
    };
    for (const auto& c : cases) {
        db_->execute(QStringLiteral("delete from tblfoy"));
        db_->execute(QStringLiteral("delete from tblfoy_alacak"));
        test::insertFile(*db_, 1, {{QStringLiteral("alacaktipi"), c.alacakTipi}});
        add(QStringLiteral("tblfoy_alacak"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("alacakkodu"), 1},
             {QStringLiteral("tarih"), QStringLiteral("20230301")},
             {QStringLiteral("tutar"), 1000},
             {QStringLiteral("birikmisfaiz"), 12.5},
             {QStringLiteral("alacakturu"), c.alacakTuru},
             {QStringLiteral("kartno"), QStringLiteral("4111")},
             {QStringLiteral("bankasubesi"), QStringLiteral("Şube")},
             {QStringLiteral("digeralacakadi"), QStringLiteral("Diğer alacak")},
             {QStringLiteral("ceksenettutari"), 1200}});
        clsFoyBilgileri& foy = load();
        ASSERT_EQ(foy.Alacaklar().Count(), 1) << c.alacakTipi;
        const clsAlacakKalemi& kalem = foy.Alacaklar().Item(1);
        EXPECT_EQ(kalem.AlacakAdi, QString::fromUtf8(c.expected))
            << c.alacakTipi << '/' << c.alacakTuru;
        // Dated after the enforcement date (15 January 2023): interest from the enforcement date.
        EXPECT_EQ(kalem.FaizBaslangicTarihi, QStringLiteral("20230115"));
        EXPECT_EQ(kalem.BirikmisFaiz, Money::parse(QStringLiteral("12.5")));
    }
    // Cheque and bill totals: face amounts and amounts claimed.
    db_->execute(QStringLiteral("delete from tblfoy"));
    db_->execute(QStringLiteral("delete from tblfoy_alacak"));
    test::insertFile(*db_, 1, {{QStringLiteral("alacaktipi"), 1}});
    for (auto [kod, tur] : {std::pair{1, 2}, std::pair{2, 2}, std::pair{3, 1}})
        add(QStringLiteral("tblfoy_alacak"), {{QStringLiteral("foykodu"), 1},
                                              {QStringLiteral("alacakkodu"), kod},
                                              {QStringLiteral("tarih"), QStringLiteral("20221201")},
                                              {QStringLiteral("tutar"), 1000},
                                              {QStringLiteral("birikmisfaiz"), 0},
                                              {QStringLiteral("alacakturu"), tur},
                                              {QStringLiteral("ceksenettutari"), 1500}});
    colAlacaklar& alacaklar = load().Alacaklar();
    EXPECT_EQ(alacaklar.CekSayisi, 2);
    EXPECT_EQ(alacaklar.SenetSayisi, 1);
    EXPECT_EQ(alacaklar.CekToplami, Money::fromUnits(3000));
    EXPECT_EQ(alacaklar.TakibeKonuCekToplami, Money::fromUnits(2000));
    EXPECT_EQ(alacaklar.SenetToplami, Money::fromUnits(1500));
    EXPECT_EQ(alacaklar.ToplamAlacak, Money::fromUnits(3000));
    EXPECT_EQ(starts(alacaklar),
              (QStringList{QStringLiteral("20221201"), QStringLiteral("20221201"),
                           QStringLiteral("20221201")}));
}

TEST_P(ClaimsTest, ClaimsInheritTheFilesRuleUnlessTheyHaveTheirOwn) {
    add(QStringLiteral("tblfaizoranitablosu_detay"),
        {{QStringLiteral("foykodu"), 0},
         {QStringLiteral("faizoranitablosukodu"), 3},
         {QStringLiteral("tarih"), QStringLiteral("20200101")},
         {QStringLiteral("faizorani"), 9}});
    add(QStringLiteral("tblfaizoranitablosu_detay"),
        {{QStringLiteral("foykodu"), 0},
         {QStringLiteral("faizoranitablosukodu"), 3},
         {QStringLiteral("tarih"), QStringLiteral("20230601")},
         {QStringLiteral("faizorani"), 24}});
    auto claim = [&](int kod, double oran) {
        add(QStringLiteral("tblfoy_alacak"), {{QStringLiteral("foykodu"), 1},
                                              {QStringLiteral("alacakkodu"), kod},
                                              {QStringLiteral("tarih"), QStringLiteral("20221201")},
                                              {QStringLiteral("tutar"), 1000},
                                              {QStringLiteral("birikmisfaiz"), 0},
                                              {QStringLiteral("faizorani"), oran}});
    };
    claim(1, 0);
    claim(2, 15);
    test::insertFile(
        *db_, 1, {{QStringLiteral("faizorani"), 0}, {QStringLiteral("faizoranitablosukodu"), 3}});
    colAlacaklar& tablolu = load().Alacaklar();
    EXPECT_EQ(tablolu.Item(1).FaizOraniTablosuKodu, 3);
    EXPECT_EQ(tablolu.Item(1).FaizOraniTablosu().Sayi(), foy_->FaizTablosu().Sayi());
    EXPECT_FLOAT_EQ(tablolu.Item(2).FaizOrani, 15.0f);  // its own fixed rate stays
    EXPECT_EQ(tablolu.Item(2).FaizOraniTablosu().Sayi(), 0);
    EXPECT_FALSE(tablolu.KalemeOzelFaizYok());

    db_->execute(QStringLiteral("update tblfoy set faizorani = 12"));
    colAlacaklar& sabit = load().Alacaklar();
    EXPECT_FLOAT_EQ(sabit.Item(1).FaizOrani, 12.0f);
    EXPECT_EQ(sabit.Item(1).FaizOraniTablosuKodu, 0);
}

TEST_P(ClaimsTest, LaterClaimsAndTodaStartsAgainstTheEnforcementDate) {
    test::insertFile(*db_, 1);
    auto later = [&](int kod, const char* tarih, int matrah) {
        add(QStringLiteral("tblfoy_sonrakialacak"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("alacakkodu"), kod},
             {QStringLiteral("alacakadi"), QStringLiteral("Ek %1").arg(kod)},
             {QStringLiteral("tarih"), QString::fromLatin1(tarih)},
             {QStringLiteral("tutar"), 100 * kod},
             {QStringLiteral("matrahlaradahil"), matrah}});
    };
    later(1, "20230101", 1);  // before the enforcement date
    later(2, "20230201", 0);
    later(3, "", 1);
    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
    foy.SonrakiAlacaklariYukle();
    EXPECT_EQ(starts(foy.SonrakiAlacaklar()),
              (QStringList{QStringLiteral("20230115"), QStringLiteral("20230115"),
                           QStringLiteral("20230201")}));
    EXPECT_EQ(foy.SonrakiAlacaklar().MatrahaDahilOlanSonrakiAlacakToplami,
              Money::fromUnits(400));  // 100 + 300
    EXPECT_EQ(foy.SonrakiAlacaklar().ToplamAlacak, Money::fromUnits(600));

    foy.SonrakiAlacaklariTODAOlarakYukle();
    EXPECT_EQ(starts(foy.TODAs()),
              (QStringList{QString(), QStringLiteral("20230101"), QStringLiteral("20230115")}));
    EXPECT_EQ(foy.TODAs().FaizIsleyecekTODAToplami, Money::fromUnits(300));
    EXPECT_EQ(foy.TODAs().FaizsizTODAlarinToplami, Money::fromUnits(300));

    auto toda = [&](int kod, const char* baslangic, int tutar) {
        add(QStringLiteral("tblfoy_toda"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("alacakkodu"), kod},
             {QStringLiteral("ad"), QStringLiteral("T%1").arg(kod)},
             {QStringLiteral("faizbaslangictarihi"), QString::fromLatin1(baslangic)},
             {QStringLiteral("tutar"), tutar}});
    };
    toda(1, "20221001", 100);
    toda(2, "20230301", 200);
    toda(3, "", 300);
    toda(4, "20221001", 0);  // no amount: not read
    foy.TODALariYukle();
    EXPECT_EQ(starts(foy.TODAs()),
              (QStringList{QStringLiteral("20221001"), QStringLiteral("20230115"), QString()}));
    EXPECT_EQ(foy.TODAs().FaizIsleyecekTODAToplami, Money::fromUnits(100));
    EXPECT_EQ(foy.TODAs().TakipTarFaizIsleyecekTODATop, Money::fromUnits(200));
    EXPECT_EQ(foy.TODAs().FaizsizTODAlarinToplami, Money::fromUnits(300));
    EXPECT_EQ(foy.TODAs().ToplamAlacak, Money::fromUnits(600));
}

TEST_P(ClaimsTest, ReloadingReplacesTheClaims) {
    test::insertFile(*db_, 1);
    add(QStringLiteral("tblfoy_alacak"), {{QStringLiteral("foykodu"), 1},
                                          {QStringLiteral("alacakkodu"), 1},
                                          {QStringLiteral("tarih"), QStringLiteral("20221201")},
                                          {QStringLiteral("tutar"), 1000},
                                          {QStringLiteral("birikmisfaiz"), 0}});
    add(QStringLiteral("tblfoy_sonrakialacak"),
        {{QStringLiteral("foykodu"), 1},
         {QStringLiteral("alacakkodu"), 1},
         {QStringLiteral("tarih"), QStringLiteral("20230201")},
         {QStringLiteral("tutar"), 50}});
    add(QStringLiteral("tblfoy_toda"), {{QStringLiteral("foykodu"), 1},
                                        {QStringLiteral("alacakkodu"), 1},
                                        {QStringLiteral("tutar"), 70}});
    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
    for (int i = 0; i < 2; ++i) {
        foy.AlacaklariYukle();
        foy.SonrakiAlacaklariYukle();
        foy.TODALariYukle();
    }
    EXPECT_EQ(foy.Alacaklar().Count(), 1);
    EXPECT_EQ(foy.Alacaklar().ToplamAlacak, Money::fromUnits(1000));
    EXPECT_EQ(foy.SonrakiAlacaklar().Count(), 1);
    EXPECT_EQ(foy.TODAs().Count(), 1);
    EXPECT_EQ(foy.TODAs().ToplamAlacak, Money::fromUnits(70));
}

TEST_P(ClaimsTest, ANullAmountStopsTheLoadWithItsSource) {
    test::insertFile(*db_, 1);
    add(QStringLiteral("tblfoy_alacak"),
        {{QStringLiteral("foykodu"), 1},
         {QStringLiteral("alacakkodu"), 1},
         {QStringLiteral("tarih"), QStringLiteral("20221201")},
         {QStringLiteral("tutar"), QVariant(QMetaType::fromType<double>())},
         {QStringLiteral("birikmisfaiz"), 0}});
    clsFoyBilgileri& foy = load();
    EXPECT_EQ(foy.Alacaklar().Count(), 0);
    ASSERT_EQ(guard_.errors().messages().size(), 1);
    EXPECT_EQ(guard_.errors().messages().first(),
              QStringLiteral("Hatanın oluştuğu yer : colAlacaklar.BorcYukleGenel\rHata : 94 -> "
                             "Invalid use of Null"));
}

TEST_P(ClaimsTest, LookupsOverTheClaims) {
    colAlacaklar c;
    EXPECT_TRUE(c.KalemeOzelFaizYok());
    EXPECT_FLOAT_EQ(c.GetMaxGecerliFaizOrani(), 0.0f);
    c.Add(5, QStringLiteral("a"), Money::fromUnits(1), QString(), Money(), 0, 0, 0, Money())
        .GecerliFaizOrani = -3.0f;
    c.Add(7, QStringLiteral("b"), Money::fromUnits(1), QString(), Money(), 0, 0, 0, Money());
    c.Add(5, QStringLiteral("c"), Money::fromUnits(1), QString(), Money(), 0, 0, 0, Money());
    EXPECT_FLOAT_EQ(c.GetMaxGecerliFaizOrani(), 0.0f);  // never below 0
    EXPECT_EQ(c.GetAlacakKalemiByAlacakKodu(5)->AlacakAdi, QStringLiteral("a"));
    EXPECT_EQ(c.GetAlacakKalemiByAlacakKodu(9), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Backends, ClaimsTest, ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
