#include "BasitHesapVerisi.h"

#include "engine/RecordSet.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "file/clsFoyBilgileri.h"
#include "parameters/clsParametreler.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <functional>

namespace quv {
namespace {

using Alan = BasitHesap::Alan;

TEST(BasitHesapDogrulama, TheFirstBrokenRuleGivesItsMessageAndField) {
    test::SharedStateGuard guard;
    const struct {
        std::function<void(BasitHesap&)> degistir;
        Alan alan;
        const char* mesaj;
    } durumlar[] = {
        {[](BasitHesap& h) { h.AsilAlacakTutari = Money(); }, Alan::AsilAlacakTutari,
         "Lütfen asıl alacak tutarını giriniz."},
        {[](BasitHesap& h) { h.FaizOrani = 0; }, Alan::FaizOrani,
         "Lütfen faiz oranı giriniz veya bir faiz oranı tablosu seçiniz."},
        {[](BasitHesap& h) { h.FaizOraniTablosuKodu = 7; }, Alan::FaizOrani,
         "Lütfen faiz oranı veya faiz oranı tablosundan sadece birini seçiniz."},
        {[](BasitHesap& h) { h.FaizBaslangicTarihi.clear(); }, Alan::FaizBaslangicTarihi,
         "Lütfen faiz başlangıç tarihini giriniz."},
        {[](BasitHesap& h) { h.GununTarihi = QStringLiteral("20230230"); }, Alan::GununTarihi,
         "Lütfen günün tarihi için geçerli bir tarih giriniz: \"20230230\""},
        {[](BasitHesap& h) { h.GununTarihi = QStringLiteral("20230101"); }, Alan::GununTarihi,
         "Günün tarihi faiz başlangıç tarihinden sonra olmalıdır."},
        // The engine leaves a claim that starts after the enforcement out of the debt.
        {[](BasitHesap& h) { h.TakipTarihi = QStringLiteral("20221231"); }, Alan::TakipTarihi,
         "Takip tarihi faiz başlangıç tarihinden önce olamaz."},
        {[](BasitHesap& h) {
             h.AsilAlacakTutari = Money();
             h.GununTarihi.clear();
         },
         Alan::AsilAlacakTutari, "Lütfen asıl alacak tutarını giriniz."},
        {[](BasitHesap& h) { h.TakipTarihi = h.FaizBaslangicTarihi; }, Alan::Yok, ""},
    };
    int i = 0;
    for (const auto& d : durumlar) {
        BasitHesap hesap = test::ornekHesap();
        d.degistir(hesap);
        const BasitHesap::Dogrulama sonuc = hesap.ValuesOK();
        EXPECT_EQ(sonuc.alan, d.alan) << i;
        EXPECT_EQ(sonuc.mesaj, QString::fromUtf8(d.mesaj)) << i++;
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

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
    clsHesapAna ana_;
};

TEST_P(BasitHesapTest, TheLinesWorkedOutByHand) {
    auto tablo7 = [](BasitHesap& h) {
        h.FaizOrani = 0;
        h.FaizOraniTablosuKodu = 7;
    };
    const struct {
        const char* ad;
        std::function<void(BasitHesap&)> degistir;
        QList<BasitHesapSatiri> satirlar;
    } durumlar[] = {
        {"fixed rate", [](BasitHesap&) {}, test::ornekSatirlari()},
        // The rate in force on 1.1.2023 (9 %) holds for the whole year: the change of
        // 1.6.2023 does not count before the next anniversary. The hand-worked case with the
        // interest periods and the fees listed one by one.
        {"yearly table",
         [&](BasitHesap& h) {
             tablo7(h);
             h.YillikFaizUygula = h.FaizDetayiGoster = h.HarcDetayiGoster = true;
         },
         test::satirlar(
             {{"10000", "Asıl Alacak"},
              {"145.48", "01.01.2023 - 01.03.2023 Asıl Alacağın Yıllık %9 İşlemiş Faizi"},
              {"500", "Faiz İşlemeyen Alacak"},
              {"10645.48", "TAKİP ÇIKIŞI"},
              {"427.60", "Başvuru Harcı"},
              {"87.50", "Vekalet Harcı"},
              {"15.50", "Evrak Masrafı"},  // 7.75 * (0 notifications + 1) * 2
              {"0", "Posta Masrafı"},
              {"0", "Damga Pulu"},
              {"12.25", "Dosya Gideri"},
              {"44", "Baro Pulu"},
              {"0", "Peşin Harç"},
              {"0", "MTS Harcı"},
              {"484.37", "Tahsil Harcı"},
              {"1164.55", "Vekalet Ücreti"},
              {"752.05", "01.03.2023 - 31.12.2023 Asıl Alacağın Yıllık %9 İşlemiş Faizi"},
              {"13633.30", "BAKİYE"}})},
        // Table 7: 9 % since 1.1.2022, 24 % from 1.6.2023.
        //   1.1 - 1.3:   59 days at 9 %:  10000 / 36500 * 59 * 9   = 145.4794.. -> 145.48
        //   1.3 - 1.6:   92 days at 9 %:  10000 / 36500 * 92 * 9   = 226.8493.. -> 226.85
        //   1.6 - 31.12: 213 days at 24 %: 10000 / 36500 * 213 * 24 = 1400.5479.. -> 1400.55
        // Enforcement 10,145.48. Without the fee switch no application fee: 87.50 + 15.50
        // + 12.25 + 44 = 159.25. Collection fee 10,145.48 * 4.55 % = 461.62. Attorney fee
        // 600 + 5,145.48 * 10 % = 1,114.55. Balance 10,145.48 + 159.25 + 461.62 + 1,114.55
        // + 226.85 + 1,400.55 = 13,508.30.
        {"rate table",
         [&](BasitHesap& h) {
             tablo7(h);
             h.FaizIslemeyenAlacak = Money();
             h.HarcHesapla = false;
             h.FaizDetayiGoster = true;
         },
         test::satirlar(
             {{"10000", "Asıl Alacak"},
              {"145.48", "01.01.2023 - 01.03.2023 Asıl Alacağın Yıllık %9 İşlemiş Faizi"},
              {"0", "Faiz İşlemeyen Alacak"},
              {"10145.48", "TAKİP ÇIKIŞI"},
              {"159.25", "İlk Takip Masrafları"},
              {"461.62", "Tahsil Harcı"},
              {"1114.55", "Vekalet Ücreti"},
              {"226.85", "01.03.2023 - 01.06.2023 Asıl Alacağın Yıllık %9 İşlemiş Faizi"},
              {"1400.55", "01.06.2023 - 31.12.2023 Asıl Alacağın Yıllık %24 İşlemiş Faizi"},
              {"13508.30", "BAKİYE"}})},
        // All 364 days accrue before a closing without enforcement, here on a 360-day year:
        // 10000 / 36000 * 364 * 9 = 910.00; no fee. Balance 10,000 + 910 + 500 = 11,410.00.
        {"no enforcement, 360-day year",
         [](BasitHesap& h) {
             h.TakipTarihi.clear();
             h.YildakiGunSayisi = 1;
         },
         test::satirlar({{"10000", "Asıl Alacak"},
                         {"910", "İşlemiş Faiz"},
                         {"500", "Faiz İşlemeyen Alacak"},
                         {"0", "TAKİP ÇIKIŞI"},
                         {"0", "İlk Takip Masrafları"},
                         {"0", "Tahsil Harcı"},
                         {"0", "Vekalet Ücreti"},
                         {"0", "Sonraki Faiz"},
                         {"11410", "BAKİYE"}})},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ad);
        BasitHesap hesap = test::ornekHesap();
        d.degistir(hesap);
        ASSERT_TRUE(hesap.ValuesOK().gecerli()) << hesap.ValuesOK().mesaj.toStdString();
        EXPECT_TRUE(hesap.Hesapla(ana_));
        EXPECT_EQ(hesap.Satirlar, d.satirlar);
        EXPECT_EQ(guard_.errors().messages(), QStringList());
        ASSERT_TRUE(hesap.Foy);
        EXPECT_TRUE(hesap.Foy->Mesaj.isEmpty());
        // The year choice reaches the parameter set as well.
        EXPECT_EQ(ana_.Parametreler().FaizYildakiGunSayisi, hesap.YildakiGunSayisi);
    }
    // The calculator stores nothing.
    RecordSet rs = db_->openRecordSet(QStringLiteral("select count(*) from tblfoy_hesap"));
    EXPECT_EQ(toInt32(rs.value(0)), 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, BasitHesapTest, ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) { return info.param.name.toStdString(); });

}  // namespace
}  // namespace quv
