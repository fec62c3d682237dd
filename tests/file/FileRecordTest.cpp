#include "DbFixture.h"
#include "FileFixtures.h"
#include "file/FaizTablosu.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"

namespace quv {
namespace {

class FileRecordTest : public test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        test::insertCreditorAndCurrencies(*db_);
    }
    // Replaces file 1 (and rows of the given table).
    void file(const FieldValues& fields, const char* alsoClear = nullptr) {
        db_->execute("delete from tblfoy");
        if (alsoClear)
            db_->execute(QString("delete from ") + alsoClear);
        test::insertFile(*db_, 1, fields);
    }
};

TEST_P(FileRecordTest, HeadDataLoadsWithItsDefaults) {
    test::insertFile(*db_, 7,
                     kv({"parabirimikodu", 2, "bsmvorani", 5, "yillikkira", "12000.5",
                         "sonrakitahsilharcihesaplamasekli", 3, "ilkhaciztarihi", "20230301",
                         "icramudurlugukodu", 4}));
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
    EXPECT_EQ(foy.TakipTarihi, "20230115");
    EXPECT_EQ(foy.BorcluSayisi, 3);  // 2 debtors + 1 attorney to notify
    EXPECT_EQ(foy.AlacakliSayisi, 3);
    EXPECT_EQ(foy.ParaBirimiSimgesi, "USD");
    EXPECT_EQ(foy.TabloOran, E_TO_OranKullan);
    EXPECT_FLOAT_EQ(foy.BSMVOrani, 5.0f);
    EXPECT_EQ(foy.YillikKira, Money::parse("12000.5"));
    EXPECT_EQ(foy.KalanTahsilHarciHesaplamaSekli, 3);
    EXPECT_FALSE(foy.IHHarciHesapla);
    EXPECT_FALSE(foy.BorcluTahsilHarciHesapla);  // the smallest flag of the parties
    EXPECT_TRUE(foy.IsMTSTakibi);
    EXPECT_TRUE(foy.IsBuFoyIcinPesinHarcHesaplanmasin);
    EXPECT_EQ(foy.IkinciAdresiOlanlarinSayisi, 1);
    EXPECT_EQ(foy.IlkHacizTarihi, "20230301");
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

// The text default turns a Null into the empty text, which is no number.
TEST_P(FileRecordTest, ANullInAColumnReadWithTheTextDefaultFailsTheLoad) {
    for (const char* column : {"faizorani", "ihtiyatihacizvar", "tahsilatmahsupsirasi"}) {
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
    // With no file row the fee switches default to computing the fees.
    EXPECT_TRUE(foy.HarcHesapla);
    EXPECT_TRUE(foy.PesinHarcHesapla);
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
    for (auto [mahkemeOrNoter, expected] : {std::pair{1, "20221110"}, std::pair{3, "20221110"},
                                            std::pair{2, "20221201"}, std::pair{4, ""}}) {
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
    EXPECT_EQ(clsFoyBilgileri::Duzelt(QVariant(QString()), 2), "  ");
}

QUV_ON_BACKENDS(FileRecordTest);

}  // namespace
}  // namespace quv
