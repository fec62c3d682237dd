// What the wizard changes at the enforcement start and at the closing, and the
// commitment date (the cases without the wizard are data: durumlar/takip.json).

#include "MotorTestDestegi.h"
#include "file/colAlacaklar.h"

namespace quv {
namespace {

using test::para;

class TakipKapanisTest : public test::HesapMotoruTesti {
protected:
    // A cheque (face 1,500, claimed 1,000) and a bill (face 800, claimed 600) of a
    // cheque file; they start on the enforcement date.
    void cekVeSenet() {
        alacak("20300101", "1000",
               {{QStringLiteral("alacakturu"), 2}, {QStringLiteral("ceksenettutari"), 1500}});
        alacak("20300101", "600",
               {{QStringLiteral("alacakturu"), 1}, {QStringLiteral("ceksenettutari"), 800}});
    }
};

// The wizard may set the bounced-cheque compensation to nothing; the commission stays:
// 1000 × 0.3 % = 3.00.
TEST_P(TakipKapanisTest, ChequeCompensationSetToNothingByTheWizard) {
    dosya(test::alanlar("alacaktipi=1 takiptarihi=20160101 hesaptarihi=20160101 "
                        "cekkarsiliksiztazminatorani=10 komisyonorani=0.3"));
    cekVeSenet();
    hesapla([](clsFoyBilgileri& f) { f.KarsiliksizCekTazminatiniSifirla = true; });
    EXPECT_EQ(ozet().KarsiliksizCekTazminati, Money());
    EXPECT_EQ(ozet().Komisyon, para("3.00"));
    EXPECT_EQ(motor_.MasrafBakiyesi_Doviz, para("3.00"));
    hataYok();
}

// In wizard mode with fixed fees the file's fixed values replace the computation.
TEST_P(TakipKapanisTest, FixedFeesOfTheWizard) {
    harcAyarla(test::alanlar("basvuruharci=427.60"));
    alacakliAyarla(test::alanlar("harchesapla=1"));
    dosya();
    alacak("20230101", "10000");
    hesapla([](clsFoyBilgileri& f) {
        f.Sihirbazdan = true;
        f.VekaletUcretiIlkMasrafSabitle = true;
        f.Sabit_HarcaEsasDeger = para("12000");
        f.Sabit_PesinHarc = para("60");
        f.Sabit_VekaletUcreti = para("1500");
        f.Sabit_IlkGider = para("300");
    });
    const clsHesapOzeti& o = ozet();
    EXPECT_TRUE(motor_.blnFaizIndirimiMasEtkilemez);
    EXPECT_EQ(o.HarcaEsasDeger, para("12000"));
    EXPECT_EQ(o.PesinHarc, para("60"));
    EXPECT_EQ(o.VekaletUcreti, para("1500"));
    EXPECT_EQ(motor_.MasrafBakiyesi_TL, para("300"));
    // 10000 + 145.48 + 752.05 + 300 + 1500
    EXPECT_EQ(o.Bakiye_TL, para("12697.53"));
    hataYok();
}

// A planned collection of 100 on 31 January 2024, after the calculation date: only the
// wizard replays it and closes at its date.
TEST_P(TakipKapanisTest, WizardReplaysBeyondTheCalculationDate) {
    struct Durum {
        bool sihirbaz;
        const char* sonrakiFaiz;
        const char* tahsilat;
        const char* bakiye;
    } durumlar[] = {
        // 305 days: 752.05
        {false, "752.05", "0", "10897.53"},
        // 336 days to the collection: 10000 / 36500 × 336 × 9 = 828.4931 -> 828.49;
        // 9900 + 145.48 + 828.49
        {true, "828.49", "100", "10873.97"},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.sihirbaz);
        SetUp();
        dosya();
        alacak("20230101", "10000");
        tahsilat("20240131", "100");
        const bool sihirbaz = d.sihirbaz;
        hesapla([sihirbaz](clsFoyBilgileri& f) {
            f.Sihirbazdan = sihirbaz;
            f.SihirbazinEkledigiIlkTahsilatNo = 1;
        });
        EXPECT_EQ(ozet().SonrakiFaiz_AsilAlacak, para(d.sonrakiFaiz));
        EXPECT_EQ(ozet().TakipSonrasiToplamTahsilat_TL, para(d.tahsilat));
        EXPECT_EQ(ozet().Bakiye_TL, para(d.bakiye));
        EXPECT_EQ(foy().IlkSihirbazTahsilatinaKadarFaiz, d.sihirbaz ? para("828.49") : Money());
        hataYok();
    }
}

// Without a calculation date there is no closing, except in wizard mode, which closes at
// the last item (here the enforcement start).
TEST_P(TakipKapanisTest, NoCalculationDateNoClosing) {
    for (bool sihirbaz : {false, true}) {
        SCOPED_TRACE(sihirbaz);
        SetUp();
        dosya({{QStringLiteral("hesaptarihi"), QString()}});
        alacak("20230101", "10000");
        hesapla([sihirbaz](clsFoyBilgileri& f) { f.Sihirbazdan = sihirbaz; });
        EXPECT_EQ(motor_.AsilAlacakBakiyesi, para("10000"));
        EXPECT_EQ(ozet().Bakiye_TL, sihirbaz ? para("10145.48") : Money());
        hataYok();
    }
}

// The commitment date records the interest after the enforcement start reached on it.
TEST_P(TakipKapanisTest, CommitmentDateRecordsTheInterestReached) {
    dosya();
    alacak("20230101", "10000");
    toda("Çek Tazminatı", "2000", "20230101", 12);
    sonrakiAlacak("20230401", "1000", 12);
    taahhutTarihi_ = QStringLiteral("20230601");
    hesapla();
    // 92 days: 10000 / 36500 × 92 × 9 = 226.8493 -> 226.85 ; 2000 at 12 % = 60.4931 -> 60.49
    // later claim, 61 days: 1000 / 36500 × 61 × 12 = 20.0547 -> 20.05
    EXPECT_EQ(foy().TaahhutTarihindeFaizTutari_AsilAlacak, para("226.85"));
    EXPECT_EQ(foy().TaahhutTarihindeFaizTutari_TODA, para("60.49"));
    EXPECT_EQ(foy().TaahhutTarihindeFaizTutari_SonrakiAlacak, para("20.05"));
    hataYok();
}

INSTANTIATE_TEST_SUITE_P(Backends, TakipKapanisTest, ::testing::ValuesIn(test::availableBackends()),
                         test::adi);

}  // namespace
}  // namespace quv
