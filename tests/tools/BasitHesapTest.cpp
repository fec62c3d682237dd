#include "BasitHesapVerisi.h"

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "file/clsFoyBilgileri.h"
#include "parameters/clsParametreler.h"
#include "support/TestEnvironment.h"
#include "tools/BasitHesap.h"

#include <gtest/gtest.h>

#include <functional>

namespace quv {
namespace {

using Alan = BasitHesap::Alan;

TEST(BasitHesapDogrulama, TheFirstBrokenRuleGivesItsMessageAndField) {
    test::SharedStateGuard guard;
    const struct {
        const char* durum;
        std::function<void(BasitHesap&)> degistir;
        Alan alan;
        const char* mesaj;
    } durumlar[] = {
        {"principal 0", [](BasitHesap& h) { h.AsilAlacakTutari = Money(); }, Alan::AsilAlacakTutari,
         "Lütfen asıl alacak tutarını giriniz."},
        {"principal negative",
         [](BasitHesap& h) { h.AsilAlacakTutari = Money::parse(QStringLiteral("-1")); },
         Alan::AsilAlacakTutari, "Lütfen asıl alacak tutarını giriniz."},
        {"no rate and no table", [](BasitHesap& h) { h.FaizOrani = 0; }, Alan::FaizOrani,
         "Lütfen faiz oranı giriniz veya bir faiz oranı tablosu seçiniz."},
        {"rate and table", [](BasitHesap& h) { h.FaizOraniTablosuKodu = 7; }, Alan::FaizOrani,
         "Lütfen faiz oranı veya faiz oranı tablosundan sadece birini seçiniz."},
        {"no interest start", [](BasitHesap& h) { h.FaizBaslangicTarihi.clear(); },
         Alan::FaizBaslangicTarihi, "Lütfen faiz başlangıç tarihini giriniz."},
        {"no calculation date", [](BasitHesap& h) { h.GununTarihi.clear(); }, Alan::GununTarihi,
         "Lütfen günün tarihini giriniz."},
        {"calculation date on the start",
         [](BasitHesap& h) { h.GununTarihi = QStringLiteral("20230101"); }, Alan::GununTarihi,
         "Günün tarihi faiz başlangıç tarihinden sonra olmalıdır."},
        {"calculation date before the start",
         [](BasitHesap& h) { h.GununTarihi = QStringLiteral("20221231"); }, Alan::GununTarihi,
         "Günün tarihi faiz başlangıç tarihinden sonra olmalıdır."},
        // The engine leaves a claim that starts after the enforcement out of the debt.
        {"enforcement before the interest start",
         [](BasitHesap& h) { h.TakipTarihi = QStringLiteral("20221231"); }, Alan::TakipTarihi,
         "Takip tarihi faiz başlangıç tarihinden önce olamaz."},
        {"the earlier rule wins",
         [](BasitHesap& h) {
             h.AsilAlacakTutari = Money();
             h.GununTarihi.clear();
         },
         Alan::AsilAlacakTutari, "Lütfen asıl alacak tutarını giriniz."},
        {"a table without a rate",
         [](BasitHesap& h) {
             h.FaizOrani = 0;
             h.FaizOraniTablosuKodu = 7;
         },
         Alan::Yok, ""},
        {"enforcement on the interest start",
         [](BasitHesap& h) { h.TakipTarihi = h.FaizBaslangicTarihi; }, Alan::Yok, ""},
        {"no enforcement", [](BasitHesap& h) { h.TakipTarihi.clear(); }, Alan::Yok, ""},
    };
    for (const auto& d : durumlar) {
        BasitHesap hesap = test::ornekHesap();
        d.degistir(hesap);
        const BasitHesap::Dogrulama sonuc = hesap.ValuesOK();
        EXPECT_EQ(sonuc.alan, d.alan) << d.durum;
        EXPECT_EQ(sonuc.mesaj, QString::fromUtf8(d.mesaj)) << d.durum;
        EXPECT_EQ(sonuc.gecerli(), d.alan == Alan::Yok) << d.durum;
    }
}

TEST(BasitHesapDogrulama, ARunWithoutADatabaseReportsAndSaysSo) {
    test::SharedStateGuard guard;
    clsHesapAna ana;
    BasitHesap hesap = test::ornekHesap();
    EXPECT_FALSE(hesap.Hesapla(ana));
    EXPECT_FALSE(guard.errors().messages().isEmpty());
}

class BasitHesapTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        test::basitHesapTarifeleriniEkle(*db_);
        ana_.setActiveConnection(db_);
    }

    // Runs the calculation and expects it to report nothing.
    QList<BasitHesapSatiri> hesapla(BasitHesap& hesap) {
        EXPECT_TRUE(hesap.ValuesOK().gecerli()) << hesap.ValuesOK().mesaj.toStdString();
        EXPECT_TRUE(hesap.Hesapla(ana_));
        EXPECT_EQ(guard_.errors().messages(), QStringList());
        return hesap.Satirlar;
    }

    // The interest lines only (with the detail on).
    static QList<BasitHesapSatiri> faizSatirlari(const QList<BasitHesapSatiri>& satirlar) {
        QList<BasitHesapSatiri> out;
        for (const BasitHesapSatiri& s : satirlar)
            if (s.Aciklama.endsWith(QStringLiteral("İşlemiş Faizi")))
                out.append(s);
        return out;
    }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
    clsHesapAna ana_;
};

TEST_P(BasitHesapTest, AFixedRateCaseGivesTheLinesWorkedOutByHand) {
    BasitHesap hesap = test::ornekHesap();
    EXPECT_EQ(hesapla(hesap), test::ornekSatirlari());
    ASSERT_TRUE(hesap.Foy);
    EXPECT_TRUE(hesap.Foy->Mesaj.isEmpty());
    // The 365-day choice reaches the parameter set as well.
    EXPECT_EQ(ana_.Parametreler().FaizYildakiGunSayisi, 2);
}

TEST_P(BasitHesapTest, TheCalculationStoresNothing) {
    BasitHesap hesap = test::ornekHesap();
    hesapla(hesap);
    RecordSet rs = db_->openRecordSet(QStringLiteral("select count(*) from tblfoy_hesap"));
    EXPECT_EQ(toInt32(rs.value(0)), 0);
}

TEST_P(BasitHesapTest, DetailSwitchesListRatePeriodsAndEachFee) {
    BasitHesap hesap = test::ornekHesap();
    hesap.FaizDetayiGoster = true;
    hesap.HarcDetayiGoster = true;
    // The amounts of the hand-worked case, the interest and fee totals split up.
    EXPECT_EQ(hesapla(hesap), test::satirlar({{"10000", "Asıl Alacak"},
                                              {"145.48",
                                               "01.01.2023 - 01.03.2023 Asıl Alacağın Yıllık %9 "
                                               "İşlemiş Faizi"},
                                              {"500", "Faiz İşlemeyen Alacak"},
                                              {"10645.48", "TAKİP ÇIKIŞI"},
                                              {"427.60", "Başvuru Harcı"},
                                              {"87.50", "Vekalet Harcı"},
                                              // 7.75 * (0 notifications + 1) * 2
                                              {"15.50", "Evrak Masrafı"},
                                              {"0", "Posta Masrafı"},
                                              {"0", "Damga Pulu"},
                                              {"12.25", "Dosya Gideri"},
                                              {"44", "Baro Pulu"},
                                              {"0", "Peşin Harç"},
                                              {"0", "MTS Harcı"},
                                              {"484.37", "Tahsil Harcı"},
                                              {"1164.55", "Vekalet Ücreti"},
                                              {"752.05",
                                               "01.03.2023 - 31.12.2023 Asıl Alacağın Yıllık %9 "
                                               "İşlemiş Faizi"},
                                              {"13633.30", "BAKİYE"}}));
}

TEST_P(BasitHesapTest, ARateTableChangesTheRateWhereItChanges) {
    BasitHesap hesap = test::ornekHesap();
    hesap.FaizOrani = 0;
    hesap.FaizOraniTablosuKodu = 7;
    hesap.FaizIslemeyenAlacak = Money();
    hesap.HarcHesapla = false;
    hesap.FaizDetayiGoster = true;
    // Table 7: 9 % in force since 1.1.2022, 24 % from 1.6.2023.
    //   1.1 - 1.3:   59 days at 9 %:  10000 / 36500 * 59 * 9   = 145.4794.. -> 145.48
    //   1.3 - 1.6:   92 days at 9 %:  10000 / 36500 * 92 * 9   = 226.8493.. -> 226.85
    //   1.6 - 31.12: 213 days at 24 %: 10000 / 36500 * 213 * 24 = 1400.5479.. -> 1400.55
    // Enforcement: 10,000.00 + 145.48 = 10,145.48. Without the fee switch no application
    // fee: 87.50 + 15.50 + 12.25 + 44 = 159.25. Collection fee 10,145.48 * 4.55 % =
    // 461.6193.. -> 461.62. Attorney fee 600 + 5,145.48 * 10 % = 1,114.548 -> 1,114.55.
    // Balance 10,145.48 + 159.25 + 461.62 + 1,114.55 + 226.85 + 1,400.55 = 13,508.30.
    EXPECT_EQ(hesapla(hesap), test::satirlar({{"10000", "Asıl Alacak"},
                                              {"145.48",
                                               "01.01.2023 - 01.03.2023 Asıl Alacağın Yıllık %9 "
                                               "İşlemiş Faizi"},
                                              {"0", "Faiz İşlemeyen Alacak"},
                                              {"10145.48", "TAKİP ÇIKIŞI"},
                                              {"159.25", "İlk Takip Masrafları"},
                                              {"461.62", "Tahsil Harcı"},
                                              {"1114.55", "Vekalet Ücreti"},
                                              {"226.85",
                                               "01.03.2023 - 01.06.2023 Asıl Alacağın Yıllık %9 "
                                               "İşlemiş Faizi"},
                                              {"1400.55",
                                               "01.06.2023 - 31.12.2023 Asıl Alacağın Yıllık %24 "
                                               "İşlemiş Faizi"},
                                              {"13508.30", "BAKİYE"}}));
}

TEST_P(BasitHesapTest, AYearlyTableKeepsTheRateOfTheAnniversary) {
    BasitHesap hesap = test::ornekHesap();
    hesap.FaizOrani = 0;
    hesap.FaizOraniTablosuKodu = 7;
    hesap.YillikFaizUygula = true;
    hesap.FaizDetayiGoster = true;
    // The rate in force on 1.1.2023 (9 %) holds for the whole year: the change of
    // 1.6.2023 does not count before the next anniversary. Same amounts as the fixed 9 %.
    EXPECT_EQ(faizSatirlari(hesapla(hesap)),
              test::satirlar({{"145.48",
                               "01.01.2023 - 01.03.2023 Asıl Alacağın Yıllık %9 "
                               "İşlemiş Faizi"},
                              {"752.05",
                               "01.03.2023 - 31.12.2023 Asıl Alacağın Yıllık %9 "
                               "İşlemiş Faizi"}}));
}

TEST_P(BasitHesapTest, A360DayYearDividesBy36000) {
    BasitHesap hesap = test::ornekHesap();
    hesap.YildakiGunSayisi = 1;
    const QList<BasitHesapSatiri> satirlar = hesapla(hesap);
    ASSERT_EQ(satirlar.size(), 9);
    // 10000 / 36000 * 59 * 9 = 147.50; 10000 / 36000 * 305 * 9 = 762.50.
    EXPECT_EQ(satirlar.at(1), test::satirlar({{"147.50", "İşlemiş Faiz"}}).at(0));
    EXPECT_EQ(satirlar.at(7), test::satirlar({{"762.50", "Sonraki Faiz"}}).at(0));
    EXPECT_EQ(ana_.Parametreler().FaizYildakiGunSayisi, 1);
}

TEST_P(BasitHesapTest, WithoutEnforcementAllInterestIsAccruedAndNoFeeIsCharged) {
    BasitHesap hesap = test::ornekHesap();
    hesap.TakipTarihi.clear();
    // 1.1.2023 - 31.12.2023: 364 days: 10000 / 36500 * 364 * 9 = 897.5342.. -> 897.53.
    // The interest-free claim joins the balance at the closing:
    // 10,000.00 + 897.53 + 500.00 = 11,397.53.
    EXPECT_EQ(hesapla(hesap), test::satirlar({{"10000", "Asıl Alacak"},
                                              {"897.53", "İşlemiş Faiz"},
                                              {"500", "Faiz İşlemeyen Alacak"},
                                              {"0", "TAKİP ÇIKIŞI"},
                                              {"0", "İlk Takip Masrafları"},
                                              {"0", "Tahsil Harcı"},
                                              {"0", "Vekalet Ücreti"},
                                              {"0", "Sonraki Faiz"},
                                              {"11397.53", "BAKİYE"}}));
}

TEST_P(BasitHesapTest, ATableWithoutARateAtTheStartLeavesANote) {
    BasitHesap hesap = test::ornekHesap();
    hesap.FaizOrani = 0;
    hesap.FaizOraniTablosuKodu = 3;
    hesap.FaizBaslangicTarihi = QStringLiteral("20190101");
    hesapla(hesap);
    ASSERT_TRUE(hesap.Foy);
    EXPECT_EQ(hesap.Foy->Mesaj,
              QStringLiteral("01.01.2019 tarihli ve 10.000,00TL tutarlı alacağın faiz başlangıç "
                             "tarihinde faiz oranı belirsizdir.\r\n"));
}

TEST_P(BasitHesapTest, TheRateTableListHoldsTheSharedTablesByName) {
    const QList<FaizOraniTablosuSecenegi> tablolar = BasitHesap::FaizOraniTablolari();
    ASSERT_EQ(tablolar.size(), 2);
    EXPECT_EQ(tablolar.at(0).Adi, QStringLiteral("Avans Faizi"));
    EXPECT_EQ(tablolar.at(0).Kodu, 3);
    EXPECT_EQ(tablolar.at(1).Adi, QStringLiteral("Yasal Faiz"));
    EXPECT_EQ(tablolar.at(1).Kodu, 7);
    for (const FaizOraniTablosuSecenegi& t : tablolar)
        EXPECT_EQ(t.FoyKodu, 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, BasitHesapTest, ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) { return info.param.name.toStdString(); });

}  // namespace
}  // namespace quv
