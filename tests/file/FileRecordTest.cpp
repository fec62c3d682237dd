#include "DbFixture.h"
#include "FileFixtures.h"
#include "engine/Variant.h"
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
    void claim(FieldValues fields) { add("tblfoy_alacak", kv({"foykodu", 1}) + fields); }
    void rent(int yil, int ay1, int ay2, int tur, int tutar) {
        claim(kv({"alacakkodu", ay1, "yil", yil, "birinciay", ay1, "ikinciay", ay2, "odemegunu",
                  ay1 == 2 ? 31 : 5, "alacakturu", tur, "tutar", tutar}));
    }
    clsFoyBilgileri& load() {
        foy_ = std::make_unique<clsFoyBilgileri>();
        EXPECT_TRUE(foy_->FoyBilgileriniYukle(1)) << errorText().toStdString();
        foy_->AlacaklariYukle();
        return *foy_;
    }
    template <typename C>
    static QStringList starts(C& c) {
        QStringList out;
        for (const auto& k : c)
            out << k.FaizBaslangicTarihi;
        return out;
    }
    void expectNoErrors() { EXPECT_EQ(errorText(), QString()); }

    std::unique_ptr<clsFoyBilgileri> foy_;
};

TEST_P(FileRecordTest, HeadDataPartiesAndNotifications) {
    test::insertFile(*db_, 1, kv({"parabirimikodu", 2}));
    rows("tblfoy_alacakli", "foykodu", {"1", "1"});
    add("tblfoy_eksahalar", kv({"foykodu", 1, "pesinharchesaplanmasin", 1}));
    // One attorney for parties 1 and 2; type 3 receives nothing.
    rows("tblfoy_sahis",
         "foysahiskodu foysahistipi vekiladisoyadi adres2 tahsilharcihesapla foykodu adres1 "
         "tumadresleregonderilsin vekiletebligatgonder muvekkiletebligatgonderilmesin vekilsoyadi",
         {"1 1 Ayşe Ankara 1 1 Bursa 1 1 0 Yılmaz", "2 2 Ayşe '' 0 1 Bursa 1 1 0 Yılmaz",
          "3 5 Mehmet '' 1 1 Bursa 1 1 0 Yılmaz", "4 3 Ali İzmir 1 1 Bursa 1 1 0 Yılmaz"});
    test::insertFile(*db_, 2);
    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(1)) << errorText().toStdString();
    EXPECT_EQ(foy.BorcluSayisi, 5);    // 2 debtors + 3 parties whose attorney is notified
    EXPECT_EQ(foy.AlacakliSayisi, 3);  // the file's creditor + 2 more
    EXPECT_EQ(foy.ParaBirimiSimgesi, "USD");
    EXPECT_FALSE(foy.BorcluTahsilHarciHesapla);  // the smallest flag of the parties
    EXPECT_TRUE(foy.IsBuFoyIcinPesinHarcHesaplanmasin);
    // 3 parties + 1 second address + 2 distinct attorneys
    EXPECT_EQ(foy.GetGonderilecekTebligatSayisi().value<qint16>(), 6);
    for (auto [kod, tarih] : {std::pair{1, "20230301"}, std::pair{2, "20230220"}})
        add("tblfoy_tebligat_iz", kv({"foykodu", 1, "tebligatkodu", kod, "sonodemetarihi", tarih}));
    EXPECT_EQ(foy.GetMinSonOdemeTarihi(), "20230220");
    // The calculation date is written for this file only.
    foy.GununTarihiniGuncelle("20240301");
    EXPECT_EQ(toInt32(db_->openRecordSet("select sum(foykodu) from tblfoy where hesaptarihi = "
                                         "'20240301'")
                          .value(0)),
              1);
    expectNoErrors();
}

TEST_P(FileRecordTest, NullsInTextDefaultColumnsAndMissingRowsFailTheLoad) {
    // The text default turns a Null into the empty text, which is no number.
    for (const char* column : {"faizorani", "tahsilatmahsupsirasi"}) {
        guard_.errors().clear();
        file({{column, QVariant(QMetaType::fromType<QString>())}});
        EXPECT_FALSE(clsFoyBilgileri().FoyBilgileriniYukle(1)) << column;
        EXPECT_EQ(errorText(),
                  "Hatanın oluştuğu yer : Hesap.clsFoyBilgileri.FoyFormundanYukle\r"
                  "Hata : 13 -> Type mismatch")
            << column;
    }
    // A file without its creditor or currency, or no file, is not found, silently.
    guard_.errors().clear();
    test::insertFile(*db_, 4, kv({"alacaklikodu", 99}));
    test::insertFile(*db_, 5, kv({"parabirimikodu", 9}));
    for (int kod : {4, 5, 404})
        EXPECT_FALSE(clsFoyBilgileri().FoyBilgileriniYukle(kod)) << kod;
    expectNoErrors();
}

TEST_P(FileRecordTest, ClassificationDrivesTheAncillaryLoads) {
    add("tblfoy_sozlesme",
        kv({"foykodu", 1, "muacceliyetdurumu", 2, "tahliyevekaletucretiekle", 1}));
    rows("tblfoy_mahsup", "foykodu mahsupmiktari", {"1 100", "1 50"});
    const struct {
        const char* name;
        FieldValues file;
        int mahkemeOrNoter;  // of the judgement row
        bool kidem, isci, muacceliyet;
        const char* mahsupTarihi;  // the court's 20221110 or the notary's 20221201
        qint64 toplamMahsup;
    } cases[] = {{"0 fee manner", kv({"sonrakitahsilharcihesaplamasekli", 0}), 1, 0, 0, 0, "", 0},
                 {"type 26 has a severance claim", kv({"alacaktipi", 26}), 1, 1, 0, 0, "", 0},
                 {"type 9 is an employee claim", kv({"alacaktipi", 9}), 1, 1, 1, 0, "", 0},
                 {"form 5: contract, offsets", kv({"formtipi", 5}), 1, 0, 0, 1, "20221110", 150},
                 // form 4 (judgement) loads the offsets, not the contract
                 {"form 4, a notary", kv({"formtipi", 4}), 2, 0, 0, 0, "20221201", 150},
                 {"form 4, another kind", kv({"formtipi", 4}), 4, 0, 0, 0, "", 150}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        file(c.file, "tblfoy_ilam");
        add("tblfoy_ilam", kv({"foykodu", 1, "mahkemeornoter", c.mahkemeOrNoter, "karartarihi",
                               "20221110", "notertarihi", "20221201"}));
        clsFoyBilgileri foy;
        ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
        EXPECT_EQ(foy.KalanTahsilHarciHesaplamaSekli, 1);  // none (Null) or 0 given reads as 1
        EXPECT_EQ(foy.KidemTazminatiKalemi ? foy.KidemTazminatiKalemi->AlacakAdi : "-",
                  c.kidem ? "Kıdem Tazminatı" : "-");
        EXPECT_EQ(foy.IsciAlacagimi(), c.isci);
        EXPECT_EQ(foy.Muacceliyet, c.muacceliyet);
        EXPECT_EQ(foy.TahliyeVekaletUcretiEkle, c.muacceliyet);
        EXPECT_EQ(foy.MahsupTarihi, QString::fromLatin1(c.mahsupTarihi));
        EXPECT_EQ(foy.ToplamMahsup, Money::fromUnits(c.toplamMahsup));  // 100 + 50
    }
    // A precautionary attachment requested on the enforcement date (15 January) or later.
    for (auto [talep, durum] : {std::pair{"20230115", true}, std::pair{"20230114", false}}) {
        file(kv({"ihtiyatihacizvar", 1}), "tblfoy_ihtiyatihaciz");
        add("tblfoy_ihtiyatihaciz", kv({"foykodu", 1, "taleptarihi", talep, "durusmali", 1}));
        clsFoyBilgileri foy;
        ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
        EXPECT_EQ(foy.IhtiyatiHacizDurumu, durum) << talep;
        EXPECT_TRUE(foy.IHDurusmali);
    }
}

TEST_P(FileRecordTest, RentMonthsAndAcceleratedRent) {
    // Due on the 31st: the month's last day, 29 February in a leap year.
    for (auto [yil, expected] : {std::pair{2023, "20230228"}, std::pair{2024, "20240229"}}) {
        file(kv({"alacaktipi", 11, "takiptarihi", "20250101"}));
        rent(yil, 2, 2, 1, 1000);
        EXPECT_EQ(starts(load().Alacaklar()), QStringList{QString::fromLatin1(expected)});
    }
    // Enforcement on 15 June 2023: months due later bear interest from the enforcement date.
    file(kv({"alacaktipi", 11, "formtipi", 3, "takiptarihi", "20230615"}));
    rent(2023, 1, 12, 1, 1000);
    clsFoyBilgileri& foy = load();
    ASSERT_EQ(foy.Alacaklar().Count(), 12);
    EXPECT_EQ(foy.Alacaklar().Item(6).FaizBaslangicTarihi, "20230605");
    EXPECT_EQ(foy.Alacaklar().Item(7).FaizBaslangicTarihi, "20230615");
    // With acceleration and a rent-difference row: one claim for the total, due from the first
    // month, following the file's fixed rate.
    add("tblfoy_sozlesme", kv({"foykodu", 1, "muacceliyetdurumu", 2}));
    rent(2023, 3, 4, 2, 250);
    ASSERT_EQ(load().Alacaklar().Count(), 1);
    const clsAlacakKalemi& kalem = foy_->Alacaklar().Item(1);
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
        ASSERT_EQ(starts(c), instalments) << kayit;
        EXPECT_EQ(c.Item(c.Count()).AlacakAdi, "15.03.2023 tarihli nafaka");
    }
}

TEST_P(FileRecordTest, GeneralClaimNamesAndStarts) {
    // A representative of each way the name is made: fixed by type, by kind, from a column.
    for (auto [tipi, turu, expected] : {std::tuple{4, 0, "Fatura"},
                                        {12, 0, "4111 nolu kredi kartı "},
                                        {28, 2, "Şube"},
                                        {1, 2, "Çek"},
                                        {1, 7, "Diğer"},
                                        {1, 9, ""},
                                        {18, 0, "Asıl Alacak"}}) {
        file(kv({"alacaktipi", tipi}));
        claim(kv({"alacakkodu", 1, "tarih", "20230301", "tutar", 1000, "birikmisfaiz", 12.5,
                  "alacakturu", turu, "kartno", "4111", "bankasubesi", "Şube", "digeralacakadi",
                  "Diğer", "ceksenettutari", 1200}));
        ASSERT_EQ(load().Alacaklar().Count(), 1) << tipi;
        const clsAlacakKalemi& kalem = foy_->Alacaklar().Item(1);
        EXPECT_EQ(kalem.AlacakAdi, QString::fromUtf8(expected)) << tipi << '/' << turu;
        // Dated after the enforcement date (15 January 2023): interest from the enforcement date.
        EXPECT_EQ(kalem.FaizBaslangicTarihi, "20230115");
        EXPECT_EQ(kalem.BirikmisFaiz, Money::parse("12.5"));
    }
}

TEST_P(FileRecordTest, ClaimsInheritTheFilesRuleUnlessTheyHaveTheirOwn) {
    rows("tblfaizoranitablosu_detay", "foykodu faizoranitablosukodu tarih faizorani",
         {"0 3 20200101 9", "0 3 20230601 24"});
    rows("tblfoy_alacak", "foykodu alacakkodu faizorani tarih tutar birikmisfaiz",
         {"1 1 0 20221201 1000 0", "1 2 15 20221201 1000 0"});
    test::insertFile(*db_, 1, kv({"faizorani", 0, "faizoranitablosukodu", 3}));
    colAlacaklar& tablolu = load().Alacaklar();
    EXPECT_FLOAT_EQ(tablolu.Item(2).FaizOrani, 15.0f);  // its own fixed rate stays
    EXPECT_EQ(tablolu.Item(2).FaizOraniTablosu().Sayi(), 0);
    EXPECT_FALSE(tablolu.KalemeOzelFaizYok());
    db_->execute("update tblfoy set faizorani = 12");
    EXPECT_FLOAT_EQ(load().Alacaklar().Item(1).FaizOrani, 12.0f);
    EXPECT_FALSE(foy_->HasFaizTablosu());
}

TEST_P(FileRecordTest, LaterClaimsAndTodaStartsAgainstTheEnforcementDate) {
    test::insertFile(*db_, 1);  // enforcement 20230115
    rows("tblfoy_sonrakialacak", "foykodu alacakkodu tarih tutar matrahlaradahil",
         {"1 1 20230101 100 1", "1 2 20230201 200 0", "1 3 '' 300 1"});
    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
    foy.SonrakiAlacaklariYukle();
    EXPECT_EQ(starts(foy.SonrakiAlacaklar()), (QStringList{"20230115", "20230115", "20230201"}));
    EXPECT_EQ(foy.SonrakiAlacaklar().MatrahaDahilOlanSonrakiAlacakToplami,
              Money::fromUnits(400));  // 100 + 300
    foy.SonrakiAlacaklariTODAOlarakYukle();
    EXPECT_EQ(starts(foy.TODAs()), (QStringList{QString(), "20230101", "20230115"}));
    EXPECT_EQ(foy.TODAs().FaizsizTODAlarinToplami, Money::fromUnits(300));

    // The last has no amount: it is not read. (Starts before the enforcement and without
    // interest: the data cases.)
    rows("tblfoy_toda", "foykodu alacakkodu faizbaslangictarihi tutar",
         {"1 2 20230301 200", "1 4 20221001 0"});
    foy.TODALariYukle();
    EXPECT_EQ(starts(foy.TODAs()), QStringList{"20230115"});
    EXPECT_EQ(foy.TODAs().TakipTarFaizIsleyecekTODATop, Money::fromUnits(200));
}

// A reload replaces the claims; a Null amount stops the load with its source.
TEST_P(FileRecordTest, ReloadingReplacesTheClaimsANullAmountStopsTheLoad) {
    test::insertFile(*db_, 1);
    rows("tblfoy_alacak", "foykodu alacakkodu tarih tutar birikmisfaiz", {"1 1 20221201 1000 0"});
    rows("tblfoy_sonrakialacak", "foykodu alacakkodu tarih tutar", {"1 1 20230201 50"});
    rows("tblfoy_toda", "foykodu alacakkodu tutar", {"1 1 70"});
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

    db_->execute("delete from tblfoy_alacak");
    rows("tblfoy_alacak", "foykodu alacakkodu tarih tutar birikmisfaiz", {"1 2 20221201 - 0"});
    EXPECT_EQ(load().Alacaklar().Count(), 0);
    EXPECT_EQ(errorText(),
              "Hatanın oluştuğu yer : colAlacaklar.BorcYukleGenel\rHata : 94 -> "
              "Invalid use of Null");
}

TEST_P(FileRecordTest, CollectionsCarryTheRatesOfTheirDate) {
    rows("tblkur", "tarih parabirimikodu tltutar", {"20230301 2 18.9512", "20230301 3 20.1"});
    // Euro paid against a dollar debt, lira, and dollars on a day without stored rates.
    rows("tblfoy_tahsilat", "foykodu tahsilattarihi parabirimikodu tahsilatmiktari tahsilatsekli",
         {"1 20230401 2 50 7", "1 20230301 3 100.25 1", "1 20230301 1 10 2"});
    colTahsilatlar c;
    c.Add(7, 1, Money(), Money(), Money::fromUnits(5), "20230101");
    c.Yukle(1, 2);
    ASSERT_EQ(c.Count(), 3);  // a load replaces what was there
    EXPECT_EQ(c.Item(1).TahsilatKuru, Money::parse("20.1"));
    EXPECT_EQ(c.Item(1).BorcKuru, Money::parse("18.9512"));
    EXPECT_EQ(c.Item(3).TahsilatKuru, Money());
    expectNoErrors();
}

TEST_P(FileRecordTest, ExpensesSplitAtTheEnforcementDate) {
    rows("tblfoy_masraf", "foykodu masraftarihi masraftutari resmi",
         {"1 20230115 100.10 1", "1 20230115 50 0", "1 20230116 25.5 1", "1 20230116 4.5 1"});
    // enforcement date, official ones only, before it, items, total (100.10 + 50 + 25.5 + 4.5)
    colMasraflar m;
    for (auto [takip, resmi, oncesi, kalem, toplam] :
         {std::tuple{"20230115", false, "150.10", 1, "180.10"},
          {"20230115", true, "100.10", 1, "130.10"},
          {"", false, "0", 2, "180.10"}}) {
        m.Yukle(1, QString::fromLatin1(takip), resmi);  // each load replaces the last
        EXPECT_EQ(m.TakipOncesiMasrafToplami, Money::parse(oncesi)) << takip << resmi;
        EXPECT_EQ(m.Count(), kalem) << takip << resmi;
        EXPECT_EQ(m.ToplamMasraf, Money::parse(toplam)) << takip << resmi;
    }
    EXPECT_EQ(m.Item(2).FaizBaslangicTarihi, "20230116");
    EXPECT_EQ(m.Item(2).Tutar, Money::fromUnits(30));  // 25.5 + 4.5 summed per day
}

QUV_ON_BACKENDS(FileRecordTest);

}  // namespace
}  // namespace quv
