// Collections on whole files where the record of each offset, the severance claim or a
// second replay is looked at; the other collection cases are data (durumlar/mahsup.json).

#include "MotorTestDestegi.h"
#include "calc/clsHesapKalemi.h"
#include "engine/SharedState.h"
#include "file/clsAlacakKalemi.h"
#include "file/colAlacaklar.h"
#include "summary/clsUYAPBakiyeleri.h"

namespace quv {
namespace {

using test::para;

class TahsilatMahsupTest : public test::HesapMotoruTesti {};

// The recorded parts of a lira collection and what was left, added up.
Money parcalarToplami(const TahsilatMahsubu& m) {
    Money toplam = m.Kalan;
    for (const MahsupKismi& k : m.Kisimlar)
        toplam += k.Tutar;
    return toplam;
}

// After the enforcement start, on 1 May 2023 (also the closing date), 1,000 is collected
// against: principal 10,000; interest 145.48 + 150.41 = 295.89 (61 days after the start:
// 10000 / 36500 × 61 × 9 = 150.4109); an expense of 200 (1 April); an attorney fee of 1,000.
TEST_P(TahsilatMahsupTest, EveryOffsetOrderAfterTheEnforcementStart) {
    struct Durum {
        int sira;
        const char* anapara;       // offset against principal
        const char* faiz;          // against interest
        const char* faizMasrafTL;  // against lira expenses and attorney fee
        const char* kalanAnapara;
        const char* kalanVekalet;
    } durumlar[] = {
        {1, "1000", "0", "0", "9000", "1000"},
        // interest 295.89, expense 200, fee 1000 - 295.89 - 200 = 504.11 of 1000
        {2, "0", "295.89", "704.11", "10000", "495.89"},
        {3, "0", "295.89", "704.11", "10000", "495.89"},
        // interest 295.89, expense 200, principal 504.11 of 10000, the fee last
        {5, "504.11", "295.89", "200", "9495.89", "1000"},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.sira);
        SetUp();
        dosya({{QStringLiteral("tahsilatmahsupsirasi"), d.sira},
               {QStringLiteral("hesaptarihi"), QStringLiteral("20230501")},
               {QStringLiteral("vekaletucreti"), 1000}});
        alacak("20230101", "10000");
        masraf("20230401", "200");
        tahsilat("20230501", "1000");
        hesapla();
        const clsHesapOzeti& o = ozet();
        EXPECT_EQ(o.TakipSonrasiToplamTahsilat_TL, para("1000"));
        EXPECT_EQ(o.TakipSonrasiMahsup_Anapara, para(d.anapara));
        EXPECT_EQ(o.TakipSonrasiMahsup_FaizMasraf_Doviz, para(d.faiz));
        EXPECT_EQ(o.TakipSonrasiMahsup_FaizMasraf_TL, para(d.faizMasrafTL));
        EXPECT_EQ(motor_.AsilAlacakBakiyesi, para(d.kalanAnapara));
        EXPECT_EQ(motor_.VekaletUcretiBakiyesi, para(d.kalanVekalet));
        EXPECT_EQ(o.FazlaTahsilat, Money());
        EXPECT_EQ(o.Bakiye_TL, para("10495.89"));  // 10000 + 295.89 + 200 + 1000 - 1000
        ASSERT_EQ(foy().TahsilatMahsuplari.size(), 1);
        EXPECT_EQ(parcalarToplami(foy().TahsilatMahsuplari.first()), para("1000"));
        hataYok();
    }
}

// Employee file: claims 10,000 and severance 5,000 from 1 January at 9 %. A table gives
// the total-debt order until the enforcement start and principal first from it.
// Before: 50 on 1 February against interest (claims 76.44, severance 5000 / 36500 × 31 × 9
// = 38.22). After: 6,000 on 1 May against principal.
TEST_P(TahsilatMahsupTest, EmployeeFileWithTheSeveranceClaimFirstAndLast) {
    struct Durum {
        int kidemOnce;
        const char* kidemUyapFaiz;   // + 28 days to the start: 5000 -> 34.52
        const char* alacakUyapFaiz;  // + 28 days to the start: 10000 -> 69.04
        const char* kidemKalan;
        const char* alacakKalan;
    } durumlar[] = {
        // severance interest 38.22 first, 11.78 to the claim: 76.44 - 11.78 = 64.66
        {1, "34.52", "133.70", "0", "9000"},
        // the claim takes all 50: 26.44 left; severance keeps 38.22
        {0, "72.74", "95.48", "5000", "4000"},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.kidemOnce);
        SetUp();
        dosya({{QStringLiteral("alacaktipi"), 9},
               {QStringLiteral("kidemtazminati"), 5000},
               {QStringLiteral("kidemfaizorani"), 9},
               {QStringLiteral("kidemfaizbastarihi"), QStringLiteral("20230101")},
               {QStringLiteral("kidemtms"), d.kidemOnce},
               {QStringLiteral("tahsilatmahsupsirasi"), 4},
               {QStringLiteral("hesaptarihi"), QStringLiteral("20230501")}});
        mahsupSirasi("20230101", 3);
        mahsupSirasi("20230301", 1);
        alacak("20230101", "10000");
        tahsilat("20230201", "50");
        tahsilat("20230501", "6000");
        hesapla();
        const clsHesapOzeti& o = ozet();
        EXPECT_EQ(o.TakibeKonuKidem, para("5000"));
        EXPECT_EQ(o.IslemisFaiz_DigerIsciAlacagi, para("145.48"));
        EXPECT_EQ(o.IslemisFaiz_Kidem, para("72.74"));  // 5000 / 36500 × 59 × 9
        EXPECT_EQ(o.TakipOncesiMahsup_FaizMasraf_Doviz, para("50"));
        EXPECT_EQ(o.TakipSonrasiMahsup_Anapara, para("6000"));
        clsAlacakKalemi& kidem = *foy().KidemTazminatiKalemi;
        clsAlacakKalemi& alacak = foy().Alacaklar().Item(1);
        EXPECT_EQ(kidem.UyapBakiyeleri().FaizBakiyesi, para(d.kidemUyapFaiz));
        EXPECT_EQ(alacak.UyapBakiyeleri().FaizBakiyesi, para(d.alacakUyapFaiz));
        EXPECT_EQ(kidem.AsilAlacakBakiyesi, para(d.kidemKalan));
        EXPECT_EQ(alacak.AsilAlacakBakiyesi, para(d.alacakKalan));
        hataYok();
    }
}

// Before the enforcement start a surplus is only reported.
TEST_P(TahsilatMahsupTest, SurplusBeforeTheEnforcementStartIsAMessage) {
    dosya();
    alacak("20230101", "100");
    tahsilat("20230201", "500");
    hesapla();
    // principal 100, interest 100 / 36500 × 31 × 9 = 0.76, 399.24 left over
    EXPECT_EQ(ozet().TakipOncesiMahsup_Anapara, para("100"));
    EXPECT_EQ(ozet().TakipOncesiMahsup_FaizMasraf_Doviz, para("0.76"));
    EXPECT_EQ(foy().Mesaj, QStringLiteral("\r01.02.2023 tarihinde tahsilat fazlası var."));
    EXPECT_EQ(ozet().FazlaTahsilat, Money());
    // The record keeps the parts and the 399.24 left: 100 + 0.76 + 399.24 = 500.
    const TahsilatMahsubu& m = foy().TahsilatMahsuplari.value(0);
    ASSERT_EQ(m.Kisimlar.size(), 2);
    EXPECT_EQ(m.Kisimlar[0].Bilesen, MahsupBileseni::Anapara);
    EXPECT_EQ(m.Kisimlar[1].Tutar, para("0.76"));
    EXPECT_EQ(parcalarToplami(m), para("500"));
    EXPECT_EQ(ozet().Bakiye_TL, Money());
    hataYok();
}

// A working copy is replayed again and again (the payment plan): every replay starts
// from the loaded values. Carried interest 100 with BSMV 5 % (5.00), 31 days to 1 February
// 76.44 with 3.82: 186 pays 185.26 of interest and tax, 0.74 of the principal.
TEST_P(TahsilatMahsupTest, ASecondReplayGivesTheSameSummary) {
    dosya(test::alanlar("tahsilatmahsupsirasi=3 bsmvorani=5"));
    alacak("20230101", "10000", {{QStringLiteral("birikmisfaiz"), 100}});
    tahsilat("20230201", "186");
    auto dokum = [this] {
        QStringList alanlar;
        for (const clsHesapOzeti::Alan& a : clsHesapOzeti::Alanlar())
            alanlar << a.ad + u'=' +
                           (a.para ? (ozet().*a.para).toDecimalString()
                                   : QString::number(ozet().*a.oran));
        const clsUYAPBakiyeleri& u = foy().Alacaklar().Item(1).UyapBakiyeleri();
        for (Money m : {u.AsilAlacakBakiyesi, u.FaizBakiyesi, u.BSMVBakiyesi, u.KDVBakiyesi})
            alanlar << m.toDecimalString();
        return alanlar;
    };
    hesapla();
    EXPECT_EQ(ozet().TakipOncesiMahsup_Anapara, para("0.74"));
    const QStringList ilk = dokum();
    motor_ = clsHesapHelper();
    motor_.ParentFoy = &foy();
    motor_.ParentHesap = ana_.get();
    motor_.Init();
    motor_.TumKalemleriIsle();
    EXPECT_EQ(dokum(), ilk);
    hataYok();
}

TEST(TahsilatHatalariTest, ProceduresReportWithTheirOwnSource) {
    test::SharedStateGuard guard;
    clsFoyBilgileri foy;
    clsHesapHelper motor;
    motor.ParentFoy = &foy;
    auto kaynak = [&](int i) { return guard.errors().messages().value(i).section(u'\r', 0, 0); };

    // A collection whose debt currency has no rate cannot be converted.
    clsHesapKalemi tahsilat;
    tahsilat.KalemTipi = E_KT_Tahsilat;
    tahsilat.Tarih = QStringLiteral("20230101");
    tahsilat.Tutar = para("100");
    tahsilat.AlacakKur = Money();
    motor.Handle_Tahsilat(tahsilat);
    ASSERT_EQ(guard.errors().messages().size(), 1);
    EXPECT_EQ(kaynak(0), QStringLiteral("Hatanın oluştuğu yer : clsHesapHelper.TahsilatiIsle"));
    EXPECT_TRUE(guard.errors().messages().value(0).contains(QStringLiteral("Hata : 11 -> ")));
    EXPECT_EQ(foy.HesapOzeti().TakipOncesiToplamTahsilat_TL, Money());

    // Without the facade there are no parameters to read the VAT rate from.
    foy.AlacakTipi = E_AT_49Fatura;
    foy.FaturaFaizineKDVEkle = true;
    motor.Init();
    ASSERT_EQ(guard.errors().messages().size(), 2);
    EXPECT_EQ(kaynak(1), QStringLiteral("Hatanın oluştuğu yer : clsHesapHelper.Init"));
}

INSTANTIATE_TEST_SUITE_P(Backends, TahsilatMahsupTest,
                         ::testing::ValuesIn(test::availableBackends()), test::adi);

}  // namespace
}  // namespace quv
