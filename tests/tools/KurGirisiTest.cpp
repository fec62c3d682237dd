#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "support/TestEnvironment.h"
#include "tools/KurGirisi.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

class KurGirisiTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        db_->addRow(QStringLiteral("tblparabirimi"),
                    {{QStringLiteral("kod"), 2},
                     {QStringLiteral("ad"), QStringLiteral("ABD Doları")},
                     {QStringLiteral("simge"), QStringLiteral("USD")}});
    }
    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
};

TEST_P(KurGirisiTest, RequestTextsForKnownAndUnknownCurrencies) {
    KurGirisi bilinen;
    bilinen.Tarih = QStringLiteral("20230115");
    bilinen.Doviz = 2;
    bilinen.InfoLabeliniYukle();
    EXPECT_EQ(
        bilinen.lblInfo,
        QStringLiteral("1 ABD Doları (USD)' nin 15.01.2023 tarihindeki TL karşılığını giriniz."));
    EXPECT_EQ(bilinen.lblSimge, QStringLiteral("1 USD = "));
    KurGirisi bilinmeyen;
    bilinmeyen.Tarih = QStringLiteral("20230115");
    bilinmeyen.Doviz = 7;
    bilinmeyen.InfoLabeliniYukle();
    EXPECT_EQ(bilinmeyen.lblInfo, QStringLiteral("1 'Tanımlanmamış Parabirimi' (7)' nin 15.01.2023 "
                                                 "tarihindeki TL karşılığını giriniz."));
    EXPECT_EQ(bilinmeyen.lblSimge, QStringLiteral("1 XX = "));
}

TEST_P(KurGirisiTest, SavingReplacesTheRateOfTheDayAndCancelGivesOne) {
    KurGirisi giris;
    giris.Tarih = QStringLiteral("20230115");
    giris.Doviz = 2;
    EXPECT_EQ(giris.Kaydet(Money()), KurGirisi::Sonuc::DegerYok);
    EXPECT_EQ(giris.Kaydet(Money::fromUnits(-3)), KurGirisi::Sonuc::DegerYok);
    EXPECT_EQ(giris.Kaydet(Money::parse(QStringLiteral("18.75"))), KurGirisi::Sonuc::Kaydedildi);
    EXPECT_EQ(giris.Kaydet(Money::parse(QStringLiteral("18.8123"))), KurGirisi::Sonuc::Kaydedildi);
    EXPECT_EQ(giris.TLTutar, Money::parse(QStringLiteral("18.8123")));
    RecordSet rs = db_->openRecordSet(
        QStringLiteral(
            "select tltutar from tblkur where tarih = '20230115' and parabirimikodu = 2"),
        CursorType::Static);
    EXPECT_EQ(rs.recordCount(), 1);
    EXPECT_EQ(Money::fromVariant(rs.value(0)), Money::parse(QStringLiteral("18.8123")));
    KurGirisi iptal;
    iptal.Iptal();
    EXPECT_EQ(iptal.TLTutar, Money::fromUnits(1));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(KurGirisiTest, AFailedSaveKeepsTheEntryOpen) {
    db_->execute(QStringLiteral("drop table tblkur"));
    KurGirisi giris;
    giris.Tarih = QStringLiteral("20230115");
    giris.Doviz = 2;
    EXPECT_EQ(giris.Kaydet(Money::fromUnits(18)), KurGirisi::Sonuc::KayitHatasi);
    EXPECT_EQ(giris.TLTutar, Money::fromUnits(1));
    ASSERT_EQ(guard_.errors().messages().size(), 1);
    EXPECT_TRUE(guard_.errors().messages().first().startsWith(
        QStringLiteral("Hatanın oluştuğu yer : Hesap.frmKurGir.KurKaydet\rHata : ")));
}

INSTANTIATE_TEST_SUITE_P(Backends, KurGirisiTest, ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
