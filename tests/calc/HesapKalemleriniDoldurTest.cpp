#include "calc/colHesapKalemleri.h"
#include "engine/SharedState.h"
#include "engine/WindowHost.h"
#include "file/FileFixtures.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "file/colTahsilatlar.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

Money para(const char* text) {
    return Money::parse(QString::fromLatin1(text));
}

// Answers every exchange-rate question with one value and keeps the questions.
class KurSoranPencere : public WindowHost {
public:
    explicit KurSoranPencere(Money cevap) : cevap_(cevap) {}
    Money askExchangeRate(const QString& tarih, quint8 doviz, const QString& aciklama) override {
        sorular << tarih + u' ' + QString::number(doviz) + u' ' + aciklama;
        return cevap_;
    }
    QStringList sorular;

private:
    Money cevap_;
};

class HesapKalemleriniDoldurDbTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        test::insertCreditorAndCurrencies(*db_);
    }
    void add(const QString& table, const FieldValues& fields) { db_->addRow(table, fields); }
    void oran(int kod, const char* tarih, double yuzde) {
        add(QStringLiteral("tblfaizoranitablosu_detay"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("faizoranitablosukodu"), kod},
             {QStringLiteral("tarih"), QString::fromLatin1(tarih)},
             {QStringLiteral("faizorani"), yuzde}});
    }
    void kur(const char* tarih, int doviz, const char* tutar) {
        add(QStringLiteral("tblkur"), {{QStringLiteral("tarih"), QString::fromLatin1(tarih)},
                                       {QStringLiteral("parabirimikodu"), doviz},
                                       {QStringLiteral("tltutar"), QString::fromLatin1(tutar)}});
    }
    void tahsilat(const char* tarih, int doviz, const char* tutar, int sekil = 7) {
        add(QStringLiteral("tblfoy_tahsilat"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("tahsilattarihi"), QString::fromLatin1(tarih)},
             {QStringLiteral("tahsilatmiktari"), QString::fromLatin1(tutar)},
             {QStringLiteral("parabirimikodu"), doviz},
             {QStringLiteral("tahsilatsekli"), sekil}});
    }
    // A judgement offset of 250 decided on 15 November 2022 (the file needs form 4).
    void mahsup() {
        add(QStringLiteral("tblfoy_mahsup"),
            {{QStringLiteral("foykodu"), 1}, {QStringLiteral("mahsupmiktari"), 250}});
        add(QStringLiteral("tblfoy_ilam"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("mahkemeornoter"), 1},
             {QStringLiteral("karartarihi"), QStringLiteral("20221115")}});
    }
    // An interim attachment requested on 1 December 2022 (the file needs ihtiyatihacizvar).
    void ihtiyatiHaciz() {
        add(QStringLiteral("tblfoy_ihtiyatihaciz"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("taleptarihi"), QStringLiteral("20221201")}});
    }
    // Loads file 1 as a calculation run does.
    clsFoyBilgileri& load() {
        foy_ = std::make_unique<clsFoyBilgileri>();
        EXPECT_TRUE(foy_->FoyBilgileriniYukle(1)) << hatalar();
        foy_->AlacaklariYukle();
        foy_->SonrakiAlacaklariYukle();
        foy_->MasraflariYukle();
        foy_->TahsilatlariYukle();
        foy_->TODALariYukle();
        return *foy_;
    }
    std::string hatalar() { return guard_.errors().messages().join(u'\n').toStdString(); }

    // The timeline as "date kind ItemIndex amount rate" lines.
    static QStringList satirlar(colHesapKalemleri& kalemler) {
        QStringList out;
        for (const clsHesapKalemi& k : kalemler)
            out << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(k.Tarih)
                       .arg(k.KalemTipi)
                       .arg(k.ItemIndex)
                       .arg(k.Tutar.toDouble())
                       .arg(k.Oran);
        return out;
    }
    static const clsHesapKalemi* bul(colHesapKalemleri& kalemler, Enum_KalemTipi tip) {
        for (const clsHesapKalemi& k : kalemler)
            if (k.KalemTipi == tip)
                return &k;
        return nullptr;
    }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
    std::unique_ptr<clsFoyBilgileri> foy_;
};

TEST_P(HesapKalemleriniDoldurDbTest, EveryKindOfALoadedFileInReplayOrder) {
    test::insertFile(*db_, 1,
                     {{QStringLiteral("formtipi"), 4},
                      {QStringLiteral("ilkhaciztarihi"), QStringLiteral("20230301")},
                      {QStringLiteral("ilksatistarihi"), QStringLiteral("20230401")},
                      {QStringLiteral("tahsilatmahsupsirasi"), 4},
                      {QStringLiteral("ihtiyatihacizvar"), 1}});
    add(QStringLiteral("tblfoy_tahsilatmahsupsirasi"),
        {{QStringLiteral("foykodu"), 1},
         {QStringLiteral("tarih"), QStringLiteral("20230115")},
         {QStringLiteral("tahsilatmahsupsirasi"), 2}});
    add(QStringLiteral("tblfoy_tahsilatmahsupsirasi"),
        {{QStringLiteral("foykodu"), 1},
         {QStringLiteral("tarih"), QStringLiteral("20230601")},
         {QStringLiteral("tahsilatmahsupsirasi"), 1}});
    ihtiyatiHaciz();
    mahsup();
    // Rate table 7: 20 % from 2022, 25 % from the claims' start, 30 % from June 2023.
    oran(7, "20220101", 20);
    oran(7, "20230101", 25);
    oran(7, "20230601", 30);
    // Claim 1 follows table 7, claim 2 has its own fixed rate.
    add(QStringLiteral("tblfoy_alacak"), {{QStringLiteral("foykodu"), 1},
                                          {QStringLiteral("alacakkodu"), 1},
                                          {QStringLiteral("tarih"), QStringLiteral("20230101")},
                                          {QStringLiteral("tutar"), 1000},
                                          {QStringLiteral("birikmisfaiz"), 0},
                                          {QStringLiteral("faizorani"), 0},
                                          {QStringLiteral("faizoranitablosukodu"), 7},
                                          {QStringLiteral("faizoranitablosufoykodu"), 1}});
    add(QStringLiteral("tblfoy_alacak"), {{QStringLiteral("foykodu"), 1},
                                          {QStringLiteral("alacakkodu"), 2},
                                          {QStringLiteral("tarih"), QStringLiteral("20230101")},
                                          {QStringLiteral("tutar"), 500},
                                          {QStringLiteral("birikmisfaiz"), 0},
                                          {QStringLiteral("faizorani"), 12}});
    add(QStringLiteral("tblfoy_sonrakialacak"),
        {{QStringLiteral("foykodu"), 1},
         {QStringLiteral("alacakkodu"), 1},
         {QStringLiteral("alacakadi"), QStringLiteral("Ek")},
         {QStringLiteral("tarih"), QStringLiteral("20230201")},
         {QStringLiteral("tutar"), 300},
         {QStringLiteral("faizorani"), 0},
         {QStringLiteral("faizoranitablosukodu"), 7},
         {QStringLiteral("faizoranitablosufoykodu"), 1}});
    // TODA 1 bears no interest and gets no item, but TODA 2 is still number 2.
    add(QStringLiteral("tblfoy_toda"), {{QStringLiteral("foykodu"), 1},
                                        {QStringLiteral("alacakkodu"), 1},
                                        {QStringLiteral("ad"), QStringLiteral("Faizsiz")},
                                        {QStringLiteral("tutar"), 100}});
    add(QStringLiteral("tblfoy_toda"),
        {{QStringLiteral("foykodu"), 1},
         {QStringLiteral("alacakkodu"), 2},
         {QStringLiteral("ad"), QStringLiteral("Faizli")},
         {QStringLiteral("tutar"), 200},
         {QStringLiteral("faizbaslangictarihi"), QStringLiteral("20221001")},
         {QStringLiteral("faizorani"), 0},
         {QStringLiteral("faizoranitablosukodu"), 7},
         {QStringLiteral("faizoranitablosufoykodu"), 1}});
    tahsilat("20230301", 1, "50", 2);
    tahsilat("20230115", 1, "75");
    tahsilat("20230301", 1, "50");
    add(QStringLiteral("tblfoy_masraf"),
        {{QStringLiteral("foykodu"), 1},
         {QStringLiteral("masraftarihi"), QStringLiteral("20230301")},
         {QStringLiteral("masraftutari"), 40},
         {QStringLiteral("resmi"), 1}});
    // A stored lira "rate" that a lira file must never look at.
    kur("20230115", 1, "5");
    auto pencere = std::make_shared<KurSoranPencere>(Money::fromUnits(99));
    shared().setWindowHost(pencere);

    clsFoyBilgileri& foy = load();
    foy.HesapKalemleriniDoldur(QStringLiteral("20231001"));
    colHesapKalemleri& k = foy.HesapKalemleri();

    EXPECT_EQ(satirlar(k), (QStringList{
                               // The rows of table 7 from the last change before each start.
                               QStringLiteral("20220101 1 1 0 20"),
                               QStringLiteral("20220101 3 2 0 20"),
                               QStringLiteral("20221001 16 2 200 0"),
                               QStringLiteral("20221115 10 0 250 0"),
                               QStringLiteral("20221201 14 0 0 0"),
                               // Rate changes first, then the claims in their order.
                               QStringLiteral("20230101 1 1 0 25"),
                               QStringLiteral("20230101 3 2 0 25"),
                               QStringLiteral("20230101 4 1 0 25"),
                               QStringLiteral("20230101 6 1 1000 0"),
                               QStringLiteral("20230101 6 2 500 0"),
                               // The collection of the enforcement date after its start.
                               QStringLiteral("20230115 5 0 0 0"),
                               QStringLiteral("20230115 17 0 0 0"),
                               QStringLiteral("20230115 19 1 75 0"),
                               QStringLiteral("20230201 18 1 300 0"),
                               // Expense, first seizure, then the day's collections in order.
                               QStringLiteral("20230301 11 0 40 0"),
                               QStringLiteral("20230301 12 0 0 0"),
                               QStringLiteral("20230301 19 2 50 0"),
                               QStringLiteral("20230301 19 3 50 0"),
                               QStringLiteral("20230401 13 0 0 0"),
                               QStringLiteral("20230601 1 1 0 30"),
                               QStringLiteral("20230601 3 2 0 30"),
                               QStringLiteral("20230601 4 1 0 30"),
                               QStringLiteral("20230601 5 0 0 0"),
                               QStringLiteral("20231001 20 0 0 0"),
                               QStringLiteral("20240115 21 0 0 0"),
                           }))
        << hatalar();
    EXPECT_EQ(k.Item(11).MahsupSirasi, E_TMS_ToplamBorctan_TakiptenOnceUygulama);
    EXPECT_EQ(k.Item(23).MahsupSirasi, E_TMS_BorcAslindan);

    // A lira file: every rate 1, none looked up or asked for; the collections get
    // rate 1 written back (the loader stores none for the lira).
    for (const clsHesapKalemi& kalem : k) {
        EXPECT_EQ(kalem.Kur, Money::fromUnits(1)) << kalem.SiralamaSahasi().toStdString();
        EXPECT_EQ(kalem.AlacakKur, Money::fromUnits(1)) << kalem.SiralamaSahasi().toStdString();
        if (kalem.KalemTipi == E_KT_Tahsilat) {
            const clsTahsilatKalemi& t = foy.Tahsilatlar().Item(kalem.ItemIndex);
            EXPECT_EQ(kalem.TahsilatSekli, t.TahsilatSekli);
            EXPECT_EQ(t.TahsilatKuru, Money::fromUnits(1));
            EXPECT_EQ(t.BorcKuru, Money::fromUnits(1));
        }
    }
    EXPECT_TRUE(pencere->sorular.isEmpty());
    for (Money r : {foy.GununKuru, foy.TakipTarihindeKur, foy.MahsupKuru, foy.IhtiyatiHacizdeKur})
        EXPECT_EQ(r, Money::fromUnits(1));
    EXPECT_TRUE(guard_.errors().messages().isEmpty()) << hatalar();

    // A rebuild replaces the timeline: without a commitment date there is no item for one.
    const int count = k.Count();
    foy.HesapKalemleriniDoldur();
    EXPECT_EQ(foy.HesapKalemleri().Count(), count - 1);
    EXPECT_EQ(bul(foy.HesapKalemleri(), E_KT_TaahhutteBulunmaTarihi), nullptr);
}

TEST_P(HesapKalemleriniDoldurDbTest, SeveranceClaimOfEmployeeClaimFiles) {
    oran(7, "20220101", 20);
    oran(7, "20221001", 24);
    const QStringList kidemli{QStringLiteral("20220101 2 0 0 20"),
                              QStringLiteral("20221001 2 0 0 24"),
                              QStringLiteral("20221001 9 0 5000 0")};
    struct Case {
        int alacakTipi;
        int kidem;
        QStringList expected;
    } cases[] = {
        {9, 5000, kidemli},
        {27, 5000, kidemli},
        {9, 0, {}},  // no severance amount: no item and no rate changes
    };
    for (const auto& c : cases) {
        db_->execute(QStringLiteral("delete from tblfoy"));
        test::insertFile(*db_, 1,
                         {{QStringLiteral("alacaktipi"), c.alacakTipi},
                          {QStringLiteral("takiptarihi"), QString()},
                          {QStringLiteral("hesaptarihi"), QString()},
                          {QStringLiteral("kidemtazminati"), c.kidem},
                          {QStringLiteral("kidemfaizorani"), 0},
                          {QStringLiteral("kidemfaizoranitablosukodu"), 7},
                          {QStringLiteral("kidemfaizoranitablosufoykodu"), 1},
                          {QStringLiteral("kidemfaizbastarihi"), QStringLiteral("20221001")}});
        clsFoyBilgileri& foy = load();
        foy.HesapKalemleriniDoldur();
        EXPECT_EQ(satirlar(foy.HesapKalemleri()), c.expected) << c.alacakTipi << ' ' << c.kidem;
    }
    EXPECT_TRUE(guard_.errors().messages().isEmpty()) << hatalar();
}

TEST_P(HesapKalemleriniDoldurDbTest, AlimonyInstalmentsAfterTheEnforcementStartKeepAccruing) {
    // Monthly 500 from 15 January 2023 (the enforcement date) until 15 April 2023; the
    // alimony bears interest from 1 March 2023, and later instalments from their due date.
    test::insertFile(*db_, 1, {{QStringLiteral("alacaktipi"), 15}});
    add(QStringLiteral("tblfoy_alacak"),
        {{QStringLiteral("foykodu"), 1},
         {QStringLiteral("alacakkodu"), 1},
         {QStringLiteral("tarih"), QStringLiteral("20230115")},
         {QStringLiteral("duzenlemetarihi"), QStringLiteral("20230415")},
         {QStringLiteral("tutar"), 500},
         {QStringLiteral("alacakturu"), 4},
         {QStringLiteral("nafakafaizbaslangictarihi"), QStringLiteral("20230301")}});
    clsFoyBilgileri& foy = load();
    foy.HesapKalemleriniDoldur();
    EXPECT_EQ(satirlar(foy.HesapKalemleri()),
              (QStringList{
                  // Due on the enforcement date itself: still an ordinary claim.
                  QStringLiteral("20230115 6 1 500 0"),
                  QStringLiteral("20230115 17 0 0 0"),
                  QStringLiteral("20230215 7 2 500 0"),
                  QStringLiteral("20230301 8 1 0 0"),
                  QStringLiteral("20230301 8 2 0 0"),
                  QStringLiteral("20230315 7 3 500 0"),
                  QStringLiteral("20230315 8 3 0 0"),
                  QStringLiteral("20240115 21 0 0 0"),
              }))
        << hatalar();
}

TEST_P(HesapKalemleriniDoldurDbTest, ForeignCurrencyRatesComeFromTheRateTable) {
    // A dollar file. Rates are stored for every date but the judgement date.
    test::insertFile(*db_, 1,
                     {{QStringLiteral("parabirimikodu"), 2},
                      {QStringLiteral("formtipi"), 4},
                      {QStringLiteral("ihtiyatihacizvar"), 1}});
    ihtiyatiHaciz();
    mahsup();
    kur("20221201", 2, "18.6012");
    kur("20230115", 2, "18.8050");
    kur("20240115", 2, "30.1025");
    kur("20230301", 2, "18.9512");
    kur("20230301", 3, "20.1000");
    tahsilat("20230301", 2, "40");   // dollars against a dollar debt
    tahsilat("20230301", 1, "500");  // lira
    tahsilat("20230301", 3, "10");   // euro
    tahsilat("20230301", 0, "1");    // no currency code: its rates stay as loaded
    struct Case {
        const char* name;
        bool kullaniciVar;
        Money mahsupKuru;
    } cases[] = {
        // The user types 19.25 for the missing rate when asked.
        {"user answers", true, para("19.25")},
        // Nobody to ask: the missing rate is reported and stays 0, never made up.
        {"no user", false, Money()},
    };
    for (const auto& c : cases) {
        guard_.errors().clear();
        auto pencere = std::make_shared<KurSoranPencere>(para("19.25"));
        if (c.kullaniciVar)
            shared().setWindowHost(pencere);
        else
            shared().setWindowHost(std::make_shared<NoUserWindowHost>());
        clsFoyBilgileri& foy = load();
        foy.HesapKalemleriniDoldur();
        colHesapKalemleri& k = foy.HesapKalemleri();

        EXPECT_EQ(foy.GununKuru, para("30.1025")) << c.name;
        EXPECT_EQ(foy.TakipTarihindeKur, para("18.8050")) << c.name;
        EXPECT_EQ(foy.IhtiyatiHacizdeKur, para("18.6012")) << c.name;
        EXPECT_EQ(foy.MahsupKuru, c.mahsupKuru) << c.name;
        EXPECT_EQ(bul(k, E_KT_MahsupIslemi)->Kur, c.mahsupKuru) << c.name;
        if (c.kullaniciVar) {
            EXPECT_EQ(pencere->sorular,
                      QStringList{QStringLiteral("20221115 2 (İlam Karar Tarihi - Mahsup İçin)")});
            EXPECT_TRUE(guard_.errors().messages().isEmpty()) << hatalar();
        } else {
            ASSERT_EQ(guard_.errors().messages().size(), 1) << hatalar();
            EXPECT_TRUE(guard_.errors().messages().first().startsWith(
                QStringLiteral("Hatanın oluştuğu yer : Hesap.modGenel.KurBilgisiAl\r")))
                << hatalar();
            EXPECT_TRUE(guard_.errors().messages().first().contains(QStringLiteral("20221115")));
        }

        // Collections: their own currency's rate and the dollar's rate on their date.
        struct Beklenen {
            quint8 doviz;
            Money kur;
            Money borcKuru;
        } beklenen[] = {
            {2, para("18.9512"), para("18.9512")},
            {1, Money::fromUnits(1), para("18.9512")},
            {3, para("20.1"), para("18.9512")},
            {0, Money(), para("18.9512")},
        };
        ASSERT_EQ(foy.Tahsilatlar().Count(), 4);
        int i = 0;
        for (const clsHesapKalemi& kalem : k) {
            if (kalem.KalemTipi != E_KT_Tahsilat)
                continue;
            const clsTahsilatKalemi& t = foy.Tahsilatlar().Item(kalem.ItemIndex);
            // The collections share one date, so the loader may return them in any order.
            const Beklenen* b = nullptr;
            for (const auto& x : beklenen)
                if (x.doviz == t.ParaBirimi)
                    b = &x;
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(kalem.ItemIndex, ++i) << c.name;
            EXPECT_EQ(kalem.Doviz, b->doviz) << c.name;
            EXPECT_EQ(kalem.Kur, b->kur) << c.name << ' ' << int(b->doviz);
            EXPECT_EQ(t.TahsilatKuru, b->kur) << c.name << ' ' << int(b->doviz);
            EXPECT_EQ(kalem.AlacakKur, b->borcKuru) << c.name << ' ' << int(b->doviz);
        }
        EXPECT_EQ(i, 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, HesapKalemleriniDoldurDbTest,
                         ::testing::ValuesIn(test::availableBackends()), [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
