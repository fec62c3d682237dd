#include "FileFixtures.h"
#include "engine/SharedState.h"
#include "file/FaizTablosu.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "summary/clsHesapOzeti.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

class FileRecordTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        test::insertCreditorAndCurrencies(*db_);
    }
    void add(const QString& table, const FieldValues& fields) { db_->addRow(table, fields); }
    QVariant null() const { return QVariant(QMetaType::fromType<QString>()); }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
};

TEST_P(FileRecordTest, HeadDataLoadsWithItsDefaults) {
    test::insertFile(*db_, 7,
                     {{QStringLiteral("parabirimikodu"), 2},
                      {QStringLiteral("bsmvorani"), 5},
                      {QStringLiteral("yillikkira"), QStringLiteral("12000.5")},
                      {QStringLiteral("sonrakitahsilharcihesaplamasekli"), 3},
                      {QStringLiteral("ilkhaciztarihi"), QStringLiteral("20230301")},
                      {QStringLiteral("icramudurlugukodu"), 4}});
    add(QStringLiteral("tblicramudurlugu"),
        {{QStringLiteral("kod"), 4}, {QStringLiteral("ismts"), 1}});
    add(QStringLiteral("tblfoy_alacakli"), {{QStringLiteral("foykodu"), 7}});
    add(QStringLiteral("tblfoy_alacakli"), {{QStringLiteral("foykodu"), 7}});
    // One party whose attorney receives notifications, with a second address; debtors bear the fee
    // only if all do.
    add(QStringLiteral("tblfoy_sahis"), {{QStringLiteral("foykodu"), 7},
                                         {QStringLiteral("foysahiskodu"), 1},
                                         {QStringLiteral("foysahistipi"), 1},
                                         {QStringLiteral("vekiletebligatgonder"), 1},
                                         {QStringLiteral("muvekkiletebligatgonderilmesin"), 0},
                                         {QStringLiteral("tumadresleregonderilsin"), 1},
                                         {QStringLiteral("adres2"), QStringLiteral(" Ankara ")},
                                         {QStringLiteral("tahsilharcihesapla"), 1}});
    add(QStringLiteral("tblfoy_sahis"), {{QStringLiteral("foykodu"), 7},
                                         {QStringLiteral("foysahiskodu"), 2},
                                         {QStringLiteral("foysahistipi"), 2},
                                         {QStringLiteral("tahsilharcihesapla"), 0}});
    add(QStringLiteral("tblfoy_eksahalar"),
        {{QStringLiteral("foykodu"), 7}, {QStringLiteral("pesinharchesaplanmasin"), 1}});

    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(7)) << guard_.errors().messages().join(u'\n').toStdString();
    EXPECT_EQ(foy.FoyKodu, 7);
    EXPECT_EQ(foy.TakipTarihi, QStringLiteral("20230115"));
    EXPECT_EQ(foy.GununTarihi, QStringLiteral("20240115"));
    EXPECT_EQ(foy.BorcluSayisi, 3);  // 2 debtors + 1 attorney to notify
    EXPECT_EQ(foy.AlacakliSayisi, 3);
    EXPECT_EQ(foy.ParaBirimiKodu, 2);
    EXPECT_EQ(foy.ParaBirimiSimgesi, QStringLiteral("USD"));
    EXPECT_FLOAT_EQ(foy.FaizOrani, 9.0f);
    EXPECT_EQ(foy.TabloOran, E_TO_OranKullan);
    EXPECT_FALSE(foy.HasFaizTablosu());
    EXPECT_FLOAT_EQ(foy.BSMVOrani, 5.0f);
    EXPECT_EQ(foy.YillikKira, Money::parse(QStringLiteral("12000.5")));
    EXPECT_EQ(foy.KalanTahsilHarciHesaplamaSekli, 3);
    EXPECT_EQ(foy.FaizYildakiGunSayisi, 1);
    EXPECT_TRUE(foy.HarcHesapla);
    EXPECT_FALSE(foy.IHHarciHesapla);
    EXPECT_FALSE(foy.BorcluTahsilHarciHesapla);  // the smallest flag of the parties
    EXPECT_TRUE(foy.FaturaFaizineKDVEkle);
    EXPECT_TRUE(foy.IsMTSTakibi);
    EXPECT_TRUE(foy.IsBuFoyIcinPesinHarcHesaplanmasin);
    EXPECT_FALSE(foy.IsBuFoyIcinIlkTebligatGideriEklenmesin);
    EXPECT_EQ(foy.IkinciAdresiOlanlarinSayisi, 1);
    EXPECT_EQ(foy.IlkHacizTarihi, QStringLiteral("20230301"));
    EXPECT_EQ(foy.MahsupSirasi, 1);
    EXPECT_FALSE(foy.KidemTazminatiKalemi);
    EXPECT_TRUE(foy.Kaydedilecek);
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

// The text default turns a Null into the empty text, which is no number.
TEST_P(FileRecordTest, ANullInAColumnReadWithTheTextDefaultFailsTheLoad) {
    for (const char* column : {"faizorani", "ihtiyatihacizvar", "tahsilatmahsupsirasi"}) {
        guard_.errors().clear();
        db_->execute(QStringLiteral("delete from tblfoy"));
        test::insertFile(*db_, 3, {{QString::fromLatin1(column), null()}});
        clsFoyBilgileri foy;
        EXPECT_FALSE(foy.FoyBilgileriniYukle(3)) << column;
        ASSERT_EQ(guard_.errors().messages().size(), 1) << column;
        EXPECT_EQ(
            guard_.errors().messages().first(),
            QStringLiteral("Hatanın oluştuğu yer : Hesap.clsFoyBilgileri.FoyFormundanYukle\rHata : "
                           "13 -> Type mismatch"))
            << column;
    }
}

TEST_P(FileRecordTest, AFileWithoutItsCreditorOrCurrencyIsNotFoundSilently) {
    test::insertFile(*db_, 4, {{QStringLiteral("alacaklikodu"), 99}});
    test::insertFile(*db_, 5, {{QStringLiteral("parabirimikodu"), 9}});
    clsFoyBilgileri foy;
    EXPECT_FALSE(foy.FoyBilgileriniYukle(4));
    EXPECT_FALSE(foy.FoyBilgileriniYukle(5));
    EXPECT_FALSE(foy.FoyBilgileriniYukle(404));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
    // With no file row the fee switches default to computing the fees.
    EXPECT_TRUE(foy.HarcHesapla);
    EXPECT_TRUE(foy.PesinHarcHesapla);
    EXPECT_EQ(foy.FoyKodu, 0);
}

TEST_P(FileRecordTest, RateRuleTableOrFixedRate) {
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
    add(QStringLiteral("tblfoy_alacak"), {{QStringLiteral("foykodu"), 1},
                                          {QStringLiteral("alacakkodu"), 1},
                                          {QStringLiteral("tarih"), QStringLiteral("20221201")},
                                          {QStringLiteral("tutar"), 1000},
                                          {QStringLiteral("birikmisfaiz"), 0}});
    test::insertFile(*db_, 1,
                     {{QStringLiteral("faizorani"), 0},
                      {QStringLiteral("faizoranitablosukodu"), 3},
                      {QStringLiteral("faizoranitablosufoykodu"), 0}});
    test::insertFile(
        *db_, 2, {{QStringLiteral("faizorani"), 2.5}, {QStringLiteral("faizoranitablosukodu"), 3}});
    clsFoyBilgileri tablolu;
    ASSERT_TRUE(tablolu.FoyBilgileriniYukle(1));
    EXPECT_EQ(tablolu.TabloOran, E_TO_TabloKullan);
    EXPECT_EQ(tablolu.FaizOraniTablosuKodu, 3);
    ASSERT_TRUE(tablolu.HasFaizTablosu());
    EXPECT_EQ(tablolu.FaizTablosu().Sayi(),
              2);  // the rate in force on the first claim date and the change
    clsFoyBilgileri sabit;
    ASSERT_TRUE(sabit.FoyBilgileriniYukle(2));
    EXPECT_EQ(sabit.TabloOran, E_TO_OranKullan);
    EXPECT_FALSE(sabit.HasFaizTablosu());
    EXPECT_EQ(sabit.FaizOraniTablosuKodu, 0);
}

TEST_P(FileRecordTest, ClassificationDrivesTheAncillaryLoads) {
    struct Case {
        const char* name;
        FieldValues file;
        qint16 kalanSekli;
        bool kidem;
        bool isciAlacagimi;
        bool muacceliyet;
        const char* mahsupTarihi;
        Money toplamMahsup;
    } cases[] = {
        {"Null manner reads as 1",
         {{QStringLiteral("sonrakitahsilharcihesaplamasekli"), QVariant()}},
         1,
         false,
         false,
         false,
         "",
         Money()},
        {"0 manner reads as 1",
         {{QStringLiteral("sonrakitahsilharcihesaplamasekli"), 0}},
         1,
         false,
         false,
         false,
         "",
         Money()},
        {"type 26 gets the severance claim",
         {{QStringLiteral("alacaktipi"), 26}},
         1,
         true,
         false,
         false,
         "",
         Money()},
        {"type 9 is an employee claim",
         {{QStringLiteral("alacaktipi"), 9}},
         1,
         true,
         true,
         false,
         "",
         Money()},
        {"form 5 loads contract and offset",
         {{QStringLiteral("formtipi"), 5}},
         1,
         false,
         false,
         true,
         "20221110",
         Money::fromUnits(150)},
        {"form 1 clears them",
         {{QStringLiteral("formtipi"), 1}},
         1,
         false,
         false,
         false,
         "",
         Money()},
    };
    add(QStringLiteral("tblfoy_sozlesme"), {{QStringLiteral("foykodu"), 1},
                                            {QStringLiteral("muacceliyetdurumu"), 2},
                                            {QStringLiteral("tahliyevekaletucretiekle"), 1}});
    add(QStringLiteral("tblfoy_mahsup"),
        {{QStringLiteral("foykodu"), 1}, {QStringLiteral("mahsupmiktari"), 100}});
    add(QStringLiteral("tblfoy_mahsup"),
        {{QStringLiteral("foykodu"), 1}, {QStringLiteral("mahsupmiktari"), 50}});
    add(QStringLiteral("tblfoy_ilam"),
        {{QStringLiteral("foykodu"), 1},
         {QStringLiteral("mahkemeornoter"), 1},
         {QStringLiteral("karartarihi"), QStringLiteral("20221110")}});
    for (const auto& c : cases) {
        db_->execute(QStringLiteral("delete from tblfoy"));
        test::insertFile(*db_, 1, c.file);
        clsFoyBilgileri foy;
        ASSERT_TRUE(foy.FoyBilgileriniYukle(1)) << c.name;
        EXPECT_EQ(foy.KalanTahsilHarciHesaplamaSekli, c.kalanSekli) << c.name;
        EXPECT_EQ(foy.KidemTazminatiKalemi != nullptr, c.kidem) << c.name;
        if (foy.KidemTazminatiKalemi) {
            EXPECT_EQ(foy.KidemTazminatiKalemi->AlacakAdi, QStringLiteral("Kıdem Tazminatı"));
        }
        EXPECT_EQ(foy.IsciAlacagimi(), c.isciAlacagimi) << c.name;
        EXPECT_EQ(foy.Muacceliyet, c.muacceliyet) << c.name;
        EXPECT_EQ(foy.TahliyeVekaletUcretiEkle, c.muacceliyet) << c.name;
        EXPECT_EQ(foy.MahsupTarihi, QString::fromLatin1(c.mahsupTarihi)) << c.name;
        EXPECT_EQ(foy.ToplamMahsup, c.toplamMahsup) << c.name;
    }
}

TEST_P(FileRecordTest, JudgementDateAndPrecautionarySeizure) {
    struct Case {
        int mahkemeOrNoter;
        const char* expected;
    } dates[] = {{1, "20221110"}, {3, "20221110"}, {2, "20221201"}, {4, ""}};
    for (const auto& c : dates) {
        db_->execute(QStringLiteral("delete from tblfoy"));
        db_->execute(QStringLiteral("delete from tblfoy_ilam"));
        test::insertFile(*db_, 1, {{QStringLiteral("formtipi"), 4}});
        add(QStringLiteral("tblfoy_ilam"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("mahkemeornoter"), c.mahkemeOrNoter},
             {QStringLiteral("karartarihi"), QStringLiteral("20221110")},
             {QStringLiteral("notertarihi"), QStringLiteral("20221201")}});
        clsFoyBilgileri foy;
        ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
        EXPECT_EQ(foy.MahsupTarihi, QString::fromLatin1(c.expected)) << c.mahkemeOrNoter;
    }
    add(QStringLiteral("tblmahkeme"),
        {{QStringLiteral("mahkemekodu"), 8}, {QStringLiteral("mahkemegorevikodu"), 3}});
    for (auto [talep, durum] : {std::pair{"20230115", true}, std::pair{"20230114", false}}) {
        db_->execute(QStringLiteral("delete from tblfoy"));
        db_->execute(QStringLiteral("delete from tblfoy_ihtiyatihaciz"));
        test::insertFile(*db_, 1, {{QStringLiteral("ihtiyatihacizvar"), 1}});
        add(QStringLiteral("tblfoy_ihtiyatihaciz"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("taleptarihi"), QString::fromLatin1(talep)},
             {QStringLiteral("durusmali"), 1},
             {QStringLiteral("mahkemekodu"), 8}});
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
        add(QStringLiteral("tblfoy_sahis"),
            {{QStringLiteral("foykodu"), 1},
             {QStringLiteral("foysahiskodu"), kod},
             {QStringLiteral("foysahistipi"), tip},
             {QStringLiteral("muvekkiletebligatgonderilmesin"), 0},
             {QStringLiteral("tumadresleregonderilsin"), 1},
             {QStringLiteral("adres1"), QStringLiteral("İstanbul")},
             {QStringLiteral("adres2"), QString::fromUtf8(adres2)},
             {QStringLiteral("vekiletebligatgonder"), 1},
             {QStringLiteral("vekiladisoyadi"), QString::fromUtf8(vekilAd)},
             {QStringLiteral("vekilsoyadi"), QStringLiteral("Yılmaz")}});
    };
    party(1, 1, "Ayşe", "Ankara");
    party(2, 2, "Ayşe", "");  // the same attorney counts once
    party(3, 5, "Mehmet", "");
    party(4, 3, "Ali", "İzmir");  // type 3 receives nothing
    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
    // 3 parties + 1 second address + 2 distinct attorneys
    EXPECT_EQ(foy.GetGonderilecekTebligatSayisi().value<qint16>(), 6);
    add(QStringLiteral("tblfoy_tebligat_iz"),
        {{QStringLiteral("foykodu"), 1},
         {QStringLiteral("tebligatkodu"), 1},
         {QStringLiteral("sonodemetarihi"), QStringLiteral("20230301")}});
    add(QStringLiteral("tblfoy_tebligat_iz"),
        {{QStringLiteral("foykodu"), 1},
         {QStringLiteral("tebligatkodu"), 2},
         {QStringLiteral("sonodemetarihi"), QStringLiteral("20230220")}});
    EXPECT_EQ(foy.GetMinSonOdemeTarihi(), QStringLiteral("20230220"));
    EXPECT_EQ(foy.GetMinAlacakTarihi(1), QString());
    EXPECT_TRUE(guard_.errors().messages().isEmpty())
        << guard_.errors().messages().join(u'\n').toStdString();
}

TEST_P(FileRecordTest, CalculationDateIsWrittenForThisFileOnly) {
    test::insertFile(*db_, 1);
    test::insertFile(*db_, 2);
    clsFoyBilgileri foy;
    ASSERT_TRUE(foy.FoyBilgileriniYukle(1));
    foy.GununTarihiniGuncelle(QStringLiteral("20240301"));
    EXPECT_EQ(foy.GununTarihi, QStringLiteral("20240301"));
    RecordSet rs = db_->openRecordSet(
        QStringLiteral("select foykodu, hesaptarihi from tblfoy order by foykodu"));
    EXPECT_EQ(rs.value(1).toString(), QStringLiteral("20240301"));
    rs.moveNext();
    EXPECT_EQ(rs.value(1).toString(), QStringLiteral("20240115"));
}

TEST(FileRecord, DuzeltRightAligns) {
    EXPECT_EQ(clsFoyBilgileri::Duzelt(QVariant(12), 5), QStringLiteral("   12"));
    EXPECT_EQ(clsFoyBilgileri::Duzelt(QVariant(QStringLiteral("abcdef")), 3),
              QStringLiteral("abcdef"));
    EXPECT_EQ(clsFoyBilgileri::Duzelt(QVariant(QString()), 2), QStringLiteral("  "));
}

INSTANTIATE_TEST_SUITE_P(Backends, FileRecordTest, ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
