#include "ParametreTestVerisi.h"
#include "file/DbFixture.h"
#include "file/clsFoyBilgileri.h"
#include "parameters/clsParametreler.h"
#include "summary/clsHesapOzeti.h"

namespace quv::test {
namespace {

// From 2020: 16 % up to 10,000, 15 % up to 30,000, 14 % up to 60,000, 11 % above; minimum
// 400, no money subject 600, small-claim ceiling 1,000, eviction 800; 1 USD = 30 lira.
class DosyaVekaletUcretiTest : public ParametreVeritabaniTesti {
protected:
    void SetUp() override {
        ParametreVeritabaniTesti::SetUp();
        digerUcretSatiriEkle(QStringLiteral("20200101"));
        for (auto [kod, miktar, oran] :
             {std::tuple{1, 10000, 16}, {2, 30000, 15}, {3, 60000, 14}, {4, 1000000000, 11}})
            araligiEkle(QStringLiteral("20200101"), kod, miktar, oran);
        harcSatiriEkle(QStringLiteral("20200101"));
        db_->addRow("tblkur", kv({"tarih", "20240115", "parabirimikodu", 2, "tltutar", 30}));
    }
    std::unique_ptr<clsFoyBilgileri> dosya(qint16 alacakTipi, const char* harcaEsas,
                                           const char* borcAsli) {
        auto foy = std::make_unique<clsFoyBilgileri>();
        foy->FoyKodu = 1;
        foy->AlacakTipi = alacakTipi;
        foy->ParaBirimiKodu = 1;
        foy->TakipTarihi = QStringLiteral("20230115");
        foy->GununTarihi = QStringLiteral("20240115");
        foy->HesapOzeti().HarcaEsasDeger = M(harcaEsas);
        foy->HesapOzeti().BorcAsli = M(borcAsli);
        return foy;
    }
};

TEST_P(DosyaVekaletUcretiTest, FeeByMethodAndClaimType) {
    using Ayar = std::function<void(clsFoyBilgileri&)>;
    const std::tuple<const char*, qint16, const char*, const char*, Ayar, const char*> cases[] = {
        // 10,000 x 16 % = 1,600; (25,000 - 10,000) x 15 % = 2,250; 1,600 + 2,250 = 3,850
        {"tariff", E_AT_49Kredi, "25000", "25000", {}, "3850"},
        {"fixed fee", E_AT_163CekSenet, "25000", "25000",
         [](clsFoyBilgileri& f) { f.MaktuVekaletUcreti = M("5000"); }, "5000"},
        {"contractual 10 % of 25,000", E_AT_49CekSenetSozlesme, "25000", "25000",
         [](clsFoyBilgileri& f) { f.SozlesmeVekaletUcretiOrani = 10; }, "2500"},
        {"no money subject", E_AT_55CocukTeslimi, "25000", "25000", {}, "600"},
        {"act: at least the fixed amount", E_AT_53IsinYapilmasi, "1000", "5000", {}, "600"},
        {"act: the tariff above it", E_AT_53IsinYapilmasi, "25000", "25000", {}, "3850"},
        {"eviction fee added: 3,850 + 800", E_AT_49Kredi, "25000", "25000",
         [](clsFoyBilgileri& f) { f.TahliyeVekaletUcretiEkle = true; }, "4650"},
        // annual rent 12,000: 1,600 + 2,000 x 15 % = 1,900
        {"rent on the annual rent", E_AT_51Kira, "25000", "25000",
         [](clsFoyBilgileri& f) {
             f.VekaletUcretiniYillikKiraUzerindenHesapla = true;
             f.YillikKira = M("12000");
         },
         "1900"},
        // base 100 + 1,000 USD x 30 = 30,100: 1,600 + 3,000 + 100 x 14 % = 4,614
        {"foreign currency", E_AT_49Kredi, "0", "1000",
         [](clsFoyBilgileri& f) {
             f.ParaBirimiKodu = 2;
             f.HesapOzeti().TakipCikisi_TLKismi = M("100");
             f.HesapOzeti().TakipCikisi_DovizKismi = M("1000");
         },
         "4614"},
    };
    for (const auto& [ad, tip, harcaEsas, borcAsli, ayar, ucret] : cases) {
        clsParametreler p;
        auto foy = dosya(tip, harcaEsas, borcAsli);
        if (ayar)
            ayar(*foy);
        p.VekaletUcretiHesapla(*foy);
        EXPECT_EQ(foy->HesapOzeti().VekaletUcreti, M(ucret)) << ad;
    }
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

// On the last-payment date (its rules are checked on the fee rules): (1,600 + 10 × 15 %) ×
// 0.75 = 1,201.125 -> 1,201.12, tax × 20 % = 240.225 -> 240.22; to the even cent, not up.
TEST_P(DosyaVekaletUcretiTest, ThreeQuarterFeeAndValueAddedTax) {
    db_->addRow("tblfoy_tebligat_iz",
                kv({"foykodu", 1, "tebligatkodu", 1, "sonodemetarihi", "20240115"}));
    clsParametreler p;
    p.DortteUcVekaletUcreti = true;
    p.DortteUcVekaletUcretiBaslamaTarihi = QStringLiteral("20230101");
    p.VekaletUcretlerineKDVeklensin = true;
    auto foy = dosya(E_AT_49Kredi, "10010", "10010");
    p.VekaletUcretiHesapla(*foy);
    EXPECT_EQ(foy->HesapOzeti().VekaletUcreti, M("1201.12"));
    EXPECT_EQ(foy->HesapOzeti().VekaletUcreti_KDV, M("240.22"));
}

// A small claim on 300 alone; with them 300 + 500 = 800: under the ceiling, not the minimum.
TEST_P(DosyaVekaletUcretiTest, PreEnforcementClaimsCountOnlyWhenTheOfficeSaysSo) {
    clsParametreler p;
    auto foy = dosya(E_AT_49Kredi, "300", "300");
    for (bool dahil : {false, true}) {
        p.TodalariVekaletUcretiBorcAslinaDahilEt = dahil;
        Money toda = M("500");
        p.VekaletUcretiHesapla(*foy, toda);
        EXPECT_EQ(toda, dahil ? M("500") : Money());
        EXPECT_EQ(foy->HesapOzeti().VekaletUcreti, M(dahil ? "400" : "300"));
    }
}

// Tax 20 %. 15,000 without a hearing reaches the bound 10,000: upper fee 1,500; with a
// hearing the bound is 20,000: 15,000 × 15 % = 2,250, and exactly 20,000 gives its upper 3,000.
TEST_P(DosyaVekaletUcretiTest, PrecautionaryAttachmentFee) {
    for (auto [durusmali, borc, ucret, kdv] : {std::tuple{false, "15000", "1500", "300"},
                                               {true, "15000", "2250", "450"},
                                               {true, "20000", "3000", "600"}}) {
        clsParametreler p;
        p.VekaletUcretlerineKDVeklensin = true;
        auto foy = dosya(E_AT_49Kredi, "0", "0");
        foy->IhtiyatiHacizTarihi = QStringLiteral("20230101");
        foy->IHDurusmali = durusmali;
        foy->HesapOzeti().IhtiyatiHacizdeBorcAsli_TL = M(borc);
        p.IHVekaletUcretiHesapla(*foy);
        EXPECT_EQ(foy->HesapOzeti().IHVekaletUcreti, M(ucret)) << borc << durusmali;
        EXPECT_EQ(foy->HesapOzeti().IHVekaletUcreti_KDV, M(kdv)) << borc << durusmali;
    }
}

TEST_P(DosyaVekaletUcretiTest, AnErrorIsReportedWithTheSourceText) {
    db_->execute(QStringLiteral("delete from tblvekaletucretioranlari"));
    clsParametreler p;
    p.VekaletUcretiHesapla(*dosya(E_AT_49Kredi, "25000", "25000"));
    EXPECT_EQ(guard_.errors().messages(),
              QStringList(
                  hataMesaji("clsParametreler.VekaletUcretiHesapla", 9, "Subscript out of range")));
}

QUV_ON_BACKENDS(DosyaVekaletUcretiTest);

}  // namespace
}  // namespace quv::test
