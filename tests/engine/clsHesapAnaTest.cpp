#include "../file/FileFixtures.h"
#include "../parameters/ParametreTestVerisi.h"
#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "file/DbFixture.h"
#include "file/clsFoyBilgileri.h"
#include "summary/clsHesapOzeti.h"

namespace quv::test {
namespace {

// A lira file (1) with one claim of 10,000 from 1 December 2022, enforcement on
// 15 January 2023, calculation date 15 January 2024, and the tariffs of 2020.
class FacadeTest : public ParametreVeritabaniTesti {
protected:
    void SetUp() override {
        ParametreVeritabaniTesti::SetUp();
        harcSatiriEkle("20200101");
        digerUcretSatiriEkle("20200101");
        araligiEkle("20200101", 1, 1000000000, 16);
        seceneklerEkle({});
        insertCreditorAndCurrencies(*db_);
        insertFile(*db_, 1);
        db_->addRow("tblfoy_alacak", kv({"foykodu", 1, "alacakkodu", 1, "tarih", "20221201",
                                         "tutar", 10000, "birikmisfaiz", 0}));
        hesap_ = std::make_unique<clsHesapAna>();
        hesap_->setActiveConnection(db_);
    }
    QString storedDate() {
        RecordSet rs = db_->openRecordSet("select hesaptarihi from tblfoy where foykodu = 1");
        return rs.value(0).toString();
    }
    // The stored principal of the file's summary, or -1 without a row.
    qint64 storedPrincipal() {
        RecordSet rs = db_->openRecordSet("select borcasli from tblfoy_hesap where foykodu = 1");
        return rs.eof() ? -1 : Money::fromVariant(rs.value(0)).raw() / Money::Scale;
    }
    void storeSummary(int borcAsli) {
        db_->addRow("tblfoy_hesap", kv({"foykodu", 1, "borcasli", borcAsli}));
    }
    std::unique_ptr<clsHesapAna> hesap_;
};

TEST_P(FacadeTest, OnlySaveWritesTheDateAndTheSummary) {
    auto foy = hesap_->TariheGoreHesapla(1, "20240301", false);
    ASSERT_TRUE(foy) << guard_.errors().messages().join(u'\n').toStdString();
    EXPECT_EQ(foy->HesapOzeti().BorcAsli, Money::fromUnits(10000));
    EXPECT_EQ(storedDate(), "20240115");
    EXPECT_EQ(storedPrincipal(), -1);
    ASSERT_TRUE(hesap_->TariheGoreHesapla(1, "20240301", true));
    EXPECT_EQ(storedDate(), "20240301");
    EXPECT_EQ(storedPrincipal(), 10000);
    // An empty date calculates at the stored calculation date.
    auto again = hesap_->TariheGoreHesapla(1, QString(), false);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->GununTarihi, "20240301");
    // A file that does not exist gives none.
    EXPECT_EQ(hesap_->TariheGoreHesapla(404), nullptr);
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(FacadeTest, WithoutRunTheStoredSummaryComesBack) {
    storeSummary(777);
    auto foy = hesap_->TariheGoreHesapla(1, "20240301", false, false);
    ASSERT_TRUE(foy);
    EXPECT_EQ(foy->HesapOzeti().BorcAsli, Money::fromUnits(777));
    EXPECT_EQ(storedDate(), "20240115");
    EXPECT_EQ(storedPrincipal(), 777);
}

// A run whose loading reported an error keeps the summary stored before.
TEST_P(FacadeTest, AFailedLoadDoesNotReplaceTheStoredSummary) {
    storeSummary(777);
    db_->addRow("tblfoy_alacak", kv({"foykodu", 1, "alacakkodu", 2, "tarih", "20221201", "tutar",
                                     QVariant(QMetaType::fromType<double>()), "birikmisfaiz", 0}));
    auto foy = hesap_->TariheGoreHesapla(1, QString(), true);
    EXPECT_FALSE(guard_.errors().messages().isEmpty());
    EXPECT_EQ(storedPrincipal(), 777);
    hesap_->TopluFoyGuncelle(1);
    EXPECT_EQ(storedPrincipal(), 777);
    // Once the row is mended the next run stores its result.
    db_->execute("update tblfoy_alacak set tutar = 500 where alacakkodu = 2");
    hesap_->TopluFoyGuncelle(1);
    EXPECT_EQ(storedPrincipal(), 10500);
}

TEST_P(FacadeTest, AMissingExchangeRateIsNeverInvented) {
    storeSummary(777);
    db_->execute("update tblfoy set parabirimikodu = 2 where foykodu = 1");
    auto foy = hesap_->TariheGoreHesapla(1, QString(), true);
    ASSERT_FALSE(guard_.errors().messages().isEmpty());
    EXPECT_TRUE(guard_.errors().messages().first().contains("Hesap.modGenel.KurBilgisiAl"));
    EXPECT_EQ(storedPrincipal(), 777);
}

TEST_P(FacadeTest, BaslaWorksOnTheCurrentFile) {
    hesap_->Basla(1);
    EXPECT_EQ(hesap_->AktifFoy().FoyKodu, 1);
    EXPECT_EQ(hesap_->AktifFoy().HesapOzeti().BorcAsli, Money::fromUnits(10000));
    EXPECT_EQ(storedPrincipal(), 10000);  // a new file record is to be saved
}

TEST_P(FacadeTest, DenialCompensationSampleStartsToday) {
    QString tarih;
    auto foy = hesap_->InkarTazminati45OrnekIcinSonrakiAlacaklar(1, tarih);
    EXPECT_EQ(tarih, "20240115");  // the fixed today of the tests
    ASSERT_TRUE(foy);
    EXPECT_EQ(foy->FormTipi, 4);
    EXPECT_EQ(foy->HesapOzeti().Tazminat, Money());
    EXPECT_EQ(storedPrincipal(), -1);
}

INSTANTIATE_TEST_SUITE_P(Backends, FacadeTest, ::testing::ValuesIn(availableBackends()),
                         [](const auto& info) { return backendName(info.param).toStdString(); });

}  // namespace
}  // namespace quv::test
