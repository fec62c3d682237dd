// The enforcement start (compensations, commission, fees, attorney fee), the interim
// attachment, the commitment date and the closing, in and out of wizard mode.

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

// Bounced-cheque compensation 10 % and commission 0.3 %, on both sides of their
// cut-over dates: all cheques (bills) before, those of the enforcement from the date on.
TEST_P(TakipKapanisTest, ChequeCompensationAndCommissionAroundTheirCutOverDates) {
    struct Durum {
        const char* takip;
        bool senetKomisyonu;
        bool sifirla;
        const char* cekTazminati;
        const char* komisyon;
    } durumlar[] = {
        {"20101204", false, false, "150", "4.50"},  // 1500 × 10 % ; 1500 × 0.3 %
        {"20101205", false, false, "100", "4.50"},  // 1000 × 10 %
        {"20140804", true, false, "100", "6.90"},   // 4.50 + bills 800 × 0.3 % = 2.40
        {"20140805", true, false, "100", "5.40"},   // 1000 × 0.3 % = 3.00 + 2.40
        {"20160101", true, false, "100", "4.80"},   // 3.00 + 600 × 0.3 % = 1.80
        {"20160101", false, false, "100", "3.00"},  // no commission on bills
        {"20160101", false, true, "0", "3.00"},     // compensation set to nothing
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.takip);
        SetUp();
        secenekAyarla({{QStringLiteral("senetekomisyonhesapla"), d.senetKomisyonu ? 1 : 0}});
        dosya({{QStringLiteral("alacaktipi"), 1},
               {QStringLiteral("takiptarihi"), QString::fromLatin1(d.takip)},
               {QStringLiteral("hesaptarihi"), QString::fromLatin1(d.takip)},
               {QStringLiteral("cekkarsiliksiztazminatorani"), 10},
               {QStringLiteral("komisyonorani"), 0.3}});
        cekVeSenet();
        const bool sifirla = d.sifirla;
        hesapla([sifirla](clsFoyBilgileri& f) { f.KarsiliksizCekTazminatiniSifirla = sifirla; });
        EXPECT_EQ(ozet().KarsiliksizCekTazminati, para(d.cekTazminati));
        EXPECT_EQ(ozet().Komisyon, para(d.komisyon));
        EXPECT_EQ(motor_.MasrafBakiyesi_Doviz, para(d.cekTazminati) + para(d.komisyon));
        EXPECT_EQ(ozet().TakipCikisi_TLKismi, para("1600") + motor_.MasrafBakiyesi_Doviz);
        hataYok();
    }
}

// Stamp duty on the copies: (cheques + bills, or bills only) × (debtors + 1) × 3.15.
TEST_P(TakipKapanisTest, StampDutyOnCopies) {
    for (int cekeDe : {1, 0}) {
        SCOPED_TRACE(cekeDe);
        SetUp();
        harcAyarla(test::alanlar("suretdamgapulu=3.15"));
        secenekAyarla({{QStringLiteral("cekesuretdpekle"), cekeDe}});
        dosya(test::alanlar("alacaktipi=1 borclusayisi=2"));
        cekVeSenet();
        hesapla();
        // 2 × 3 × 3.15 = 18.90 ; 1 × 3 × 3.15 = 9.45
        EXPECT_EQ(ozet().DamgaPuluGideri, para(cekeDe ? "18.90" : "9.45"));
        hataYok();
    }
}

// Compensation of 20 % on the principal of the enforcement, for contract and invoice files.
TEST_P(TakipKapanisTest, CompensationOnThePrincipal) {
    for (int tip : {2, 4, 13}) {
        SCOPED_TRACE(tip);
        SetUp();
        dosya({{QStringLiteral("alacaktipi"), tip},
               {QStringLiteral("tazminatorani"), 4.55},
               {QStringLiteral("hesaptarihi"), QStringLiteral("20230301")}});
        alacak("20230301", "12000.11");
        hesapla();
        // 12000.11 × 4.55 (a single: 4.55000019…) / 100 = 546.00502… -> 546.01 straight to
        // the cent (through four decimals first it would be the tie 546.0050 -> 546.00)
        const Money tazminat = tip == 13 ? Money() : para("546.01");
        EXPECT_EQ(ozet().Tazminat, tazminat);
        EXPECT_EQ(motor_.MasrafBakiyesi_Doviz, tazminat);
        EXPECT_EQ(ozet().Bakiye_TL, para("12000.11") + tazminat);
        hataYok();
    }
}

// Fees at the enforcement start on a fee base of 10,145.48 (principal and interest), two
// debtors to be notified.
TEST_P(TakipKapanisTest, FeesComputedAtTheEnforcementStart) {
    struct Durum {
        int formTipi;
        const char* pesinHarc;
        const char* masraf;
    } durumlar[] = {
        // advance fee 10145.48 × 0.5 % = 50.7274, rounded to the unit: 51
        // 51 + 87.50 + 427.60 + 44 + 12.25 + 170 + 46.50
        {1, "51", "838.85"},
        // a judgment-based file pays no advance fee
        {4, "0", "787.85"},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.formTipi);
        SetUp();
        harcAyarla(
            test::alanlar("basvuruharci=427.60 vekaletnameharci=87.50 pesinharcorani=0.5 "
                          "evrakgideri=7.75 ilktebligatgideri=85 dosyagideri=12.25 baropulu=44"));
        secenekAyarla(
            {{QStringLiteral("dosyagidborcaekle"), 1}, {QStringLiteral("pesinharcborcaekle"), 1}});
        alacakliAyarla(test::alanlar("harchesapla=1 vekaletharcihesapla=1 pesinharchesapla=1"));
        dosya({{QStringLiteral("formtipi"), d.formTipi}});
        borclu(1);
        borclu(2);
        alacak("20230101", "10000");
        hesapla();
        const clsHesapOzeti& o = ozet();
        EXPECT_EQ(o.BasvuruHarci, para("427.60"));
        EXPECT_EQ(o.VekaletHarci, para("87.50"));
        EXPECT_EQ(o.PesinHarc, para(d.pesinHarc));
        EXPECT_EQ(o.EvrakGideri, para("46.50"));  // (2 notifications + 1) × 2 × 7.75
        EXPECT_EQ(o.PostaGideri, para("170"));    // 2 × 85
        EXPECT_EQ(motor_.MasrafBakiyesi_TL, para(d.masraf));
        EXPECT_EQ(o.Bakiye_TL, para("10897.53") + para(d.masraf));  // 10000 + 145.48 + 752.05
        hataYok();
    }
}

// An invoice file followed in the central system pays its own fee, at least the
// application fee, instead of the application and advance fees.
TEST_P(TakipKapanisTest, CentralSystemFileFee) {
    for (double oran : {5.0, 0.6}) {
        SCOPED_TRACE(oran);
        SetUp();
        tabloSatiri("tblicramudurlugu", "kod=5 ismts=1");
        harcAyarla({{QStringLiteral("basvuruharci"), 427.60},
                    {QStringLiteral("mtsharciorani"), oran},
                    {QStringLiteral("pesinharcorani"), 0.5},
                    {QStringLiteral("ilktebligatgideri"), 85},
                    {QStringLiteral("ilktebligatgideri_mts"), 95}});
        secenekAyarla(test::alanlar("pesinharcborcaekle=1"));
        alacakliAyarla(test::alanlar("harchesapla=1 mtsharcihesapla=1 pesinharchesapla=1"));
        dosya(test::alanlar("alacaktipi=4 icramudurlugukodu=5"));
        borclu(1);
        alacak("20230101", "10000");
        hesapla();
        const clsHesapOzeti& o = ozet();
        // 10145.48 × 5 % = 507.274 -> 507.27 ; × 0.6 % = 60.87, raised to 427.60
        EXPECT_EQ(o.MTSHarci, para(oran > 1 ? "507.27" : "427.60"));
        EXPECT_EQ(o.BasvuruHarci, Money());
        EXPECT_EQ(o.PostaGideri, para("95"));
        EXPECT_EQ(motor_.MasrafBakiyesi_TL, o.MTSHarci + para("95"));
        hataYok();
    }
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

// Interim attachment on 1 February 2023 by a civil court of peace: principal 5,000 at
// the attachment, attorney fee 10 % below 10,000, decision fee 269.85.
TEST_P(TakipKapanisTest, InterimAttachmentCosts) {
    harcAyarla(test::alanlar("sulhkararharci=269.85"));
    tabloSatiri("tbldigervekaletucretleri",
                "tarih=20000101 durusmaaltoran=15 altoran=10 durusmaihtiyatideger=20000 "
                "ihtiyatideger=10000 durusmaustdeger=3000 ustdeger=1500");
    tabloSatiri("tblmahkeme", "mahkemekodu=7 mahkemegorevikodu=2");
    tabloSatiri("tblfoy_ihtiyatihaciz",
                "foykodu=1 taleptarihi=20230201 durusmali=0 giderhesapla=1 "
                "vekaletucretihesapla=1 mahkemekodu=7");
    alacakliAyarla(test::alanlar("ihharcihesapla=1"));
    dosya(test::alanlar("ihtiyatihacizvar=1"));
    alacak("20230101", "5000");
    hesapla();
    const clsHesapOzeti& o = ozet();
    EXPECT_EQ(o.IhtiyatiHacizdeBorcAsli, para("5000"));
    EXPECT_EQ(o.IHVekaletUcreti, para("500"));  // 5000 × 10 %
    EXPECT_EQ(o.IHGideri, para("269.85"));
    EXPECT_EQ(motor_.MasrafBakiyesi_TL, para("769.85"));
    hataYok();
}

INSTANTIATE_TEST_SUITE_P(Backends, TakipKapanisTest, ::testing::ValuesIn(test::availableBackends()),
                         test::adi);

}  // namespace
}  // namespace quv
