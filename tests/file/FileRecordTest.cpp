#include "DbFixture.h"
#include "FileFixtures.h"
#include "file/FaizTablosu.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "file/colMasraflar.h"
#include "file/colTahsilatlar.h"

namespace quv {
namespace {

class FileRecordTest : public test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        test::insertCreditorAndCurrencies(*db_);
    }
    // Replaces file 1 and the rows of another table (its claims by default).
    void file(const FieldValues& fields, const char* alsoClear = "tblfoy_alacak") {
        db_->execute("delete from tblfoy");
        db_->execute(QString("delete from ") + alsoClear);
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

TEST_P(FileRecordTest, HeadDataLoadsWithItsDefaults) {
    test::insertFile(*db_, 7, kv({"parabirimikodu", 2, "icramudurlugukodu", 4}));
    add("tblicramudurlugu", kv({"kod", 4, "ismts", 1}));
    add("tblfoy_alacakli", kv({"foykodu", 7}));
    add("tblfoy_alacakli", kv({"foykodu", 7}));
    // One party whose attorney receives notifications, with a second address; debtors bear the fee
    // only if all do.
    add("tblfoy_sahis",
        kv({"foykodu", 7, "foysahiskodu", 1, "foysahistipi", 1, "vekiletebligatgonder", 1,
            "muvekkiletebligatgonderilmesin", 0, "tumadresleregonderilsin", 1, "adres2", " Ankara ",
            "tahsilharcihesapla", 1}));
    add("tblfoy_sahis",
        kv({"foykodu", 7, "foysahiskodu", 2, "foysahistipi", 2, "tahsilharcihesapla", 0}));
    add("tblfoy_eksahalar", kv({"foykodu", 7, "pesinharchesaplanmasin", 1}));

    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(7)) << errorText().toStdString();
    EXPECT_EQ(foy.BorcluSayisi, 3);  // 2 debtors + 1 attorney to notify
    EXPECT_EQ(foy.AlacakliSayisi, 3);
    EXPECT_EQ(foy.ParaBirimiSimgesi, "USD");
    EXPECT_FALSE(foy.IHHarciHesapla);
    EXPECT_FALSE(foy.BorcluTahsilHarciHesapla);  // the smallest flag of the parties
    EXPECT_TRUE(foy.IsMTSTakibi);
    EXPECT_TRUE(foy.IsBuFoyIcinPesinHarcHesaplanmasin);
    EXPECT_EQ(foy.IkinciAdresiOlanlarinSayisi, 1);
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

// The text default turns a Null into the empty text, which is no number.
TEST_P(FileRecordTest, ANullInAColumnReadWithTheTextDefaultFailsTheLoad) {
    for (const char* column : {"faizorani", "tahsilatmahsupsirasi"}) {
        guard_.errors().clear();
        file({{column, QVariant(QMetaType::fromType<QString>())}});
        EXPECT_FALSE(clsFoyBilgileri().FoyBilgileriniYukle(1)) << column;
        EXPECT_EQ(guard_.errors().messages(),
                  QStringList{"Hatanın oluştuğu yer : Hesap.clsFoyBilgileri.FoyFormundanYukle\r"
                              "Hata : 13 -> Type mismatch"})
            << column;
    }
}

TEST_P(FileRecordTest, AFileWithoutItsCreditorOrCurrencyIsNotFoundSilently) {
    test::insertFile(*db_, 4, kv({"alacaklikodu", 99}));
    test::insertFile(*db_, 5, kv({"parabirimikodu", 9}));
    clsFoyBilgileri foy;
    EXPECT_FALSE(foy.FoyBilgileriniYukle(4));
    EXPECT_FALSE(foy.FoyBilgileriniYukle(5));
    EXPECT_FALSE(foy.FoyBilgileriniYukle(404));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(FileRecordTest, ClassificationDrivesTheAncillaryLoads) {
    struct Case {
        const char* name;
        FieldValues file;
        bool kidem, isciAlacagimi, muacceliyet;
        const char* mahsupTarihi;
        Money toplamMahsup;
    } cases[] = {
        {"Null manner reads as 1", kv({"sonrakitahsilharcihesaplamasekli", QVariant()}), false,
         false, false, "", Money()},
        {"0 manner reads as 1", kv({"sonrakitahsilharcihesaplamasekli", 0}), false, false, false,
         "", Money()},
        {"type 26 gets the severance claim", kv({"alacaktipi", 26}), true, false, false, "",
         Money()},
        {"type 9 is an employee claim", kv({"alacaktipi", 9}), true, true, false, "", Money()},
        {"form 5 loads contract and offset", kv({"formtipi", 5}), false, false, true, "20221110",
         Money::fromUnits(150)}};
    add("tblfoy_sozlesme",
        kv({"foykodu", 1, "muacceliyetdurumu", 2, "tahliyevekaletucretiekle", 1}));
    add("tblfoy_mahsup", kv({"foykodu", 1, "mahsupmiktari", 100}));
    add("tblfoy_mahsup", kv({"foykodu", 1, "mahsupmiktari", 50}));
    add("tblfoy_ilam", kv({"foykodu", 1, "mahkemeornoter", 1, "karartarihi", "20221110"}));
    for (const auto& c : cases) {
        file(c.file);
        clsFoyBilgileri foy;
        ASSERT_TRUE(foy.FoyBilgileriniYukle(1)) << c.name;
        EXPECT_EQ(foy.KalanTahsilHarciHesaplamaSekli, 1) << c.name;
        EXPECT_EQ(foy.KidemTazminatiKalemi != nullptr, c.kidem) << c.name;
        if (foy.KidemTazminatiKalemi) {
            EXPECT_EQ(foy.KidemTazminatiKalemi->AlacakAdi, "Kıdem Tazminatı");
        }
        EXPECT_EQ(foy.IsciAlacagimi(), c.isciAlacagimi) << c.name;
        EXPECT_EQ(foy.Muacceliyet, c.muacceliyet) << c.name;
        EXPECT_EQ(foy.TahliyeVekaletUcretiEkle, c.muacceliyet) << c.name;
        EXPECT_EQ(foy.MahsupTarihi, QString::fromLatin1(c.mahsupTarihi)) << c.name;
        EXPECT_EQ(foy.ToplamMahsup, c.toplamMahsup) << c.name;
    }
}

TEST_P(FileRecordTest, JudgementDateAndPrecautionarySeizure) {
    // A court's or a notary's decision date, none for other kinds.
    for (auto [mahkemeOrNoter, expected] :
         {std::pair{1, "20221110"}, std::pair{2, "20221201"}, std::pair{4, ""}}) {
        file(kv({"formtipi", 4}), "tblfoy_ilam");
        add("tblfoy_ilam", kv({"foykodu", 1, "mahkemeornoter", mahkemeOrNoter, "karartarihi",
                               "20221110", "notertarihi", "20221201"}));
        clsFoyBilgileri foy;
        ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
        EXPECT_EQ(foy.MahsupTarihi, QString::fromLatin1(expected)) << mahkemeOrNoter;
    }
    add("tblmahkeme", kv({"mahkemekodu", 8, "mahkemegorevikodu", 3}));
    for (auto [talep, durum] : {std::pair{"20230115", true}, std::pair{"20230114", false}}) {
        file(kv({"ihtiyatihacizvar", 1}), "tblfoy_ihtiyatihaciz");
        add("tblfoy_ihtiyatihaciz",
            kv({"foykodu", 1, "taleptarihi", talep, "durusmali", 1, "mahkemekodu", 8}));
        clsFoyBilgileri foy;
        ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
        EXPECT_EQ(foy.IhtiyatiHacizDurumu, durum) << talep;
        EXPECT_EQ(foy.IHMahkemeGorevi, 3);
        EXPECT_TRUE(foy.IHDurusmali);
    }
}

TEST_P(FileRecordTest, NotificationCountsAndDates) {
    test::insertFile(*db_, 1);
    auto party = [&](int kod, int tip, const char* vekilAd, const char* adres2) {
        FieldValues f = kv({"foykodu", 1, "foysahiskodu", kod, "foysahistipi", tip});
        f += kv({"adres1", "İstanbul", "adres2", adres2, "tumadresleregonderilsin", 1});
        f += kv({"vekiletebligatgonder", 1, "muvekkiletebligatgonderilmesin", 0});
        add("tblfoy_sahis", f + kv({"vekiladisoyadi", vekilAd, "vekilsoyadi", "Yılmaz"}));
    };
    party(1, 1, "Ayşe", "Ankara");
    party(2, 2, "Ayşe", "");  // the same attorney counts once
    party(3, 5, "Mehmet", "");
    party(4, 3, "Ali", "İzmir");  // type 3 receives nothing
    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
    // 3 parties + 1 second address + 2 distinct attorneys
    EXPECT_EQ(foy.GetGonderilecekTebligatSayisi().value<qint16>(), 6);
    for (auto [kod, tarih] : {std::pair{1, "20230301"}, std::pair{2, "20230220"}})
        add("tblfoy_tebligat_iz", kv({"foykodu", 1, "tebligatkodu", kod, "sonodemetarihi", tarih}));
    EXPECT_EQ(foy.GetMinSonOdemeTarihi(), "20230220");
    EXPECT_EQ(foy.GetMinAlacakTarihi(1), QString());
    EXPECT_TRUE(guard_.errors().messages().isEmpty()) << errorText().toStdString();
}

TEST_P(FileRecordTest, CalculationDateIsWrittenForThisFileOnly) {
    test::insertFile(*db_, 1);
    test::insertFile(*db_, 2);
    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
    foy.GununTarihiniGuncelle("20240301");
    RecordSet rs = db_->openRecordSet("select hesaptarihi from tblfoy order by foykodu");
    EXPECT_EQ(rs.value(0).toString(), "20240301");
    rs.moveNext();
    EXPECT_EQ(rs.value(0).toString(), "20240115");
}

TEST(FileRecord, DuzeltRightAligns) {
    EXPECT_EQ(clsFoyBilgileri::Duzelt(QVariant(12), 5), "   12");
    EXPECT_EQ(clsFoyBilgileri::Duzelt(QVariant("abcdef"), 3), "abcdef");
}

TEST_P(FileRecordTest, RentDueDatesStepBackToTheMonthsLastDay) {
    for (auto [yil, expected] : {std::pair{2023, "20230228"}, std::pair{2024, "20240229"}}) {
        file(kv({"alacaktipi", 11, "takiptarihi", "20250101"}));
        rent(yil, 2, 2, 31, 1, 1000);
        clsFoyBilgileri& foy = load();
        EXPECT_EQ(starts(foy.Alacaklar()), QStringList{QString::fromLatin1(expected)});
    }
}

TEST_P(FileRecordTest, TwelveRentMonthsOrOneAcceleratedClaim) {
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

TEST_P(FileRecordTest, AlimonyInstalmentsDependOnTheRegistrationDate) {
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

TEST_P(FileRecordTest, GeneralClaimNamesAndStarts) {
    // A representative of each way the name is made: fixed by type, by kind, from a column.
    struct Case {
        int alacakTipi, alacakTuru;
        const char* expected;
    } cases[] = {{4, 0, "Fatura"},       {12, 0, "4111 nolu kredi kartı "},
                 {28, 2, "Şube"},        {1, 2, "Çek"},
                 {1, 7, "Diğer alacak"}, {1, 9, ""},
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
    EXPECT_EQ(alacaklar.SenetSayisi, 1);
    EXPECT_EQ(alacaklar.CekToplami, Money::fromUnits(3000));  // 2 x 1,500
    EXPECT_EQ(alacaklar.TakibeKonuCekToplami, Money::fromUnits(2000));
    EXPECT_EQ(alacaklar.SenetToplami, Money::fromUnits(1500));
    EXPECT_EQ(alacaklar.ToplamAlacak, Money::fromUnits(3000));
}

TEST_P(FileRecordTest, ClaimsInheritTheFilesRuleUnlessTheyHaveTheirOwn) {
    for (auto [tarih, oran] : {std::pair{"20200101", 9}, std::pair{"20230601", 24}})
        add("tblfaizoranitablosu_detay",
            kv({"foykodu", 0, "faizoranitablosukodu", 3, "tarih", tarih, "faizorani", oran}));
    for (auto [kod, oran] : {std::pair{1, 0}, std::pair{2, 15}})
        claim(kv({"alacakkodu", kod, "tarih", "20221201", "tutar", 1000, "birikmisfaiz", 0,
                  "faizorani", oran}));
    test::insertFile(*db_, 1, kv({"faizorani", 0, "faizoranitablosukodu", 3}));
    colAlacaklar& tablolu = load().Alacaklar();
    // A copy of the file's table: the rate in force on the first claim date and the change.
    EXPECT_EQ(tablolu.Item(1).FaizOraniTablosu().Sayi(), 2);
    EXPECT_FLOAT_EQ(tablolu.Item(2).FaizOrani, 15.0f);  // its own fixed rate stays
    EXPECT_EQ(tablolu.Item(2).FaizOraniTablosu().Sayi(), 0);
    EXPECT_FALSE(tablolu.KalemeOzelFaizYok());

    db_->execute("update tblfoy set faizorani = 12");
    colAlacaklar& sabit = load().Alacaklar();
    EXPECT_FLOAT_EQ(sabit.Item(1).FaizOrani, 12.0f);
    EXPECT_FALSE(foy_->HasFaizTablosu());
}

TEST_P(FileRecordTest, LaterClaimsAndTodaStartsAgainstTheEnforcementDate) {
    test::insertFile(*db_, 1);  // enforcement 20230115
    for (auto [kod, tarih, matrah] :
         {std::tuple{1, "20230101", 1}, std::tuple{2, "20230201", 0}, std::tuple{3, "", 1}})
        add("tblfoy_sonrakialacak", kv({"foykodu", 1, "alacakkodu", kod, "tarih", tarih, "tutar",
                                        100 * kod, "matrahlaradahil", matrah}));
    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
    foy.SonrakiAlacaklariYukle();
    EXPECT_EQ(starts(foy.SonrakiAlacaklar()), (QStringList{"20230115", "20230115", "20230201"}));
    EXPECT_EQ(foy.SonrakiAlacaklar().MatrahaDahilOlanSonrakiAlacakToplami,
              Money::fromUnits(400));  // 100 + 300
    foy.SonrakiAlacaklariTODAOlarakYukle();
    EXPECT_EQ(starts(foy.TODAs()), (QStringList{QString(), "20230101", "20230115"}));
    EXPECT_EQ(foy.TODAs().FaizsizTODAlarinToplami, Money::fromUnits(300));

    for (auto [kod, baslangic, tutar] :
         {std::tuple{1, "20221001", 100}, std::tuple{2, "20230301", 200}, std::tuple{3, "", 300},
          std::tuple{4, "20221001", 0}})  // no amount: not read
        add("tblfoy_toda", kv({"foykodu", 1, "alacakkodu", kod, "faizbaslangictarihi", baslangic,
                               "tutar", tutar}));
    foy.TODALariYukle();
    EXPECT_EQ(starts(foy.TODAs()), (QStringList{"20221001", "20230115", QString()}));
    EXPECT_EQ(foy.TODAs().FaizIsleyecekTODAToplami, Money::fromUnits(100));
    EXPECT_EQ(foy.TODAs().TakipTarFaizIsleyecekTODATop, Money::fromUnits(200));
    EXPECT_EQ(foy.TODAs().FaizsizTODAlarinToplami, Money::fromUnits(300));
}

TEST_P(FileRecordTest, ReloadingReplacesTheClaims) {
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

TEST_P(FileRecordTest, ANullAmountStopsTheLoadWithItsSource) {
    test::insertFile(*db_, 1);
    claim(kv({"alacakkodu", 1, "tarih", "20221201", "tutar",
              QVariant(QMetaType::fromType<double>()), "birikmisfaiz", 0}));
    EXPECT_EQ(load().Alacaklar().Count(), 0);
    EXPECT_EQ(guard_.errors().messages(),
              QStringList{"Hatanın oluştuğu yer : colAlacaklar.BorcYukleGenel\rHata : 94 -> "
                          "Invalid use of Null"});
}

TEST_P(FileRecordTest, CollectionsCarryTheRatesOfTheirDate) {
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
    ASSERT_EQ(c.Count(), 3);  // a load replaces what was there
    const clsTahsilatKalemi& euro = c.Item(1);
    EXPECT_EQ(euro.Tutar, Money::parse("100.25"));
    EXPECT_EQ(euro.TahsilatKuru, Money::parse("20.1"));
    EXPECT_EQ(euro.BorcKuru, Money::parse("18.9512"));
    EXPECT_EQ(c.Item(3).TahsilatKuru, Money());  // no rates stored on that day
    c.BelliTarihtenSonrakileriCikar("20230401");
    EXPECT_EQ(c.Count(), 2);
    EXPECT_TRUE(guard_.errors().messages().isEmpty()) << errorText().toStdString();
}

TEST_P(FileRecordTest, ExpensesSplitAtTheEnforcementDate) {
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

QUV_ON_BACKENDS(FileRecordTest);

}  // namespace
}  // namespace quv
