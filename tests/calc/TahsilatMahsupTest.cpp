// Collections on whole files: the elementary offset, every offset order after and
// before the enforcement start, a dated offset-order table, employee files with the
// severance claim first and last, a foreign-currency file, surpluses.

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

// Before the enforcement start, on 1 February 2023: interest 76.44 (31 days), its BSMV
// at 5 % 3.82. Order 2 without a table goes principal first before the enforcement
// start; a table row saying 2 means the total-debt order at all times.
TEST_P(TahsilatMahsupTest, OffsetOrdersBeforeTheEnforcementStart) {
    struct Durum {
        const char* ad;
        int sira;
        int tabloSirasi;  // 0: no table
        const char* tutar;
        const char* anapara;
        const char* faizMasraf;
        const char* uyapAnapara;
        const char* uyapFaiz;
        const char* uyapBSMV;
    } durumlar[] = {
        // principal 200; then 28 days on 9800: 67.66 (BSMV 3.38)
        {"order 2", 2, 0, "200", "200", "0", "9800", "144.10", "7.20"},
        {"table 1", 4, 1, "200", "200", "0", "9800", "144.10", "7.20"},
        // interest with its tax 80.26, principal 119.74; then 28 days on 9880.26: 68.21 (3.41)
        {"table 2", 4, 2, "200", "119.74", "80.26", "9880.26", "68.21", "3.41"},
        // 50 < 80.26 splits 100 : 5 -> BSMV 50 × 5 / 105 = 2.38, interest 47.62; left
        // 28.82 and 1.44, then 28 days on 10000: 69.04 (3.45)
        {"table 2, part", 4, 2, "50", "0", "50", "10000", "97.86", "4.89"},
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.ad);
        SetUp();
        dosya({{QStringLiteral("tahsilatmahsupsirasi"), d.sira}, {QStringLiteral("bsmvorani"), 5}});
        if (d.tabloSirasi)
            mahsupSirasi("20230101", d.tabloSirasi);
        alacak("20230101", "10000");
        tahsilat("20230201", d.tutar);
        hesapla();
        const clsHesapOzeti& o = ozet();
        EXPECT_EQ(o.TakipOncesiMahsup_Anapara, para(d.anapara));
        EXPECT_EQ(o.TakipOncesiMahsup_FaizMasraf_Doviz, para(d.faizMasraf));
        const clsUYAPBakiyeleri& u = foy().Alacaklar().Item(1).UyapBakiyeleri();
        EXPECT_EQ(u.AsilAlacakBakiyesi, para(d.uyapAnapara));
        EXPECT_EQ(u.FaizBakiyesi, para(d.uyapFaiz));
        EXPECT_EQ(u.BSMVBakiyesi, para(d.uyapBSMV));
        hataYok();
    }
}

// A table switching from principal first to total debt on 15 April: a collection on
// 10 April goes to the principal, one on 15 April (the switch sorts before it) to interest.
TEST_P(TahsilatMahsupTest, DatedOffsetOrderTable) {
    dosya(test::alanlar("tahsilatmahsupsirasi=4 hesaptarihi=20230415"));
    mahsupSirasi("20230101", 1);
    mahsupSirasi("20230415", 3);
    alacak("20230101", "10000");
    tahsilat("20230410", "100");
    tahsilat("20230415", "100");
    hesapla();
    EXPECT_EQ(ozet().TakipSonrasiMahsup_Anapara, para("100"));
    EXPECT_EQ(ozet().TakipSonrasiMahsup_FaizMasraf_Doviz, para("100"));
    EXPECT_EQ(foy().CurrentMahsupSirasi, 3);
    hataYok();
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

// A dollar file: claim 1,000 USD from 1 January with 100 USD bearing no interest; rates
// 19 at the enforcement start, 20 on 1 June, 30 at the closing. 3,000 TL is collected on
// 1 June: 3000 / 20 = 150 USD, principal first.
TEST_P(TahsilatMahsupTest, ForeignCurrencyFile) {
    dosya(test::alanlar("parabirimikodu=2"));
    kur("20230301", 2, "19");
    kur("20230601", 2, "20");
    kur("20231231", 2, "30");
    alacak("20230101", "1000", {{QStringLiteral("faizislemeyecektutar"), 100}});
    tahsilat("20230601", "3000");
    hesapla();
    const clsHesapOzeti& o = ozet();
    EXPECT_EQ(o.BorcAsli, para("1100"));
    // 1000 / 36500 × 59 × 9 = 14.5479 -> 14.55
    EXPECT_EQ(o.IslemisFaiz_AsilAlacak, para("14.55"));
    // The interest-free part is principal in dollars: 1000 + 14.55 + 100
    EXPECT_EQ(o.TakipCikisi_DovizKismi, para("1114.55"));
    EXPECT_EQ(o.HarcaEsasDeger, para("21176.45"));  // 1114.55 × 19
    EXPECT_EQ(o.TakipSonrasiToplamTahsilat_Doviz, para("150"));
    EXPECT_EQ(o.TakipSonrasiMahsup_Anapara, para("150"));
    // 1000 / 36500 × 92 × 9 = 22.6849 -> 22.68 ; 850 / 36500 × 213 × 9 = 44.6424 -> 44.64
    EXPECT_EQ(o.SonrakiFaiz_AsilAlacak, para("67.32"));
    EXPECT_EQ(o.Bakiye_Doviz, para("1031.87"));     // 850 + 100 + 14.55 + 67.32
    EXPECT_EQ(o.BakiyeGuncelTL, para("30956.10"));  // 1031.87 × 30
    // Interest totals are not formed over groups of two currencies.
    EXPECT_EQ(o.IslemisFaiz, Money());
    EXPECT_EQ(o.SonrakiFaiz, Money());
    hataYok();
}

// After the enforcement start a surplus is kept and pays later expenses first: claim 1,000
// starting on the enforcement date, 1,200 collected that day (surplus 200).
TEST_P(TahsilatMahsupTest, LaterExpensesUseUpTheSurplus) {
    struct Durum {
        const char* ikinciMasraf;  // nullptr: none
        const char* fazla;
        const char* masrafBakiyesi;
        const char* toplamMasraf;
    } durumlar[] = {
        {nullptr, "170", "0", "30"},  // 200 - 30
        {"250", "0", "80", "280"},    // 170 - 250 -> 80 left to pay
    };
    for (const Durum& d : durumlar) {
        SCOPED_TRACE(d.fazla);
        SetUp();
        dosya(test::alanlar("hesaptarihi=20230601"));
        alacak("20230301", "1000");
        tahsilat("20230301", "1200");
        masraf("20230401", "30");
        if (d.ikinciMasraf)
            masraf("20230501", d.ikinciMasraf);
        hesapla();
        EXPECT_EQ(ozet().FazlaTahsilat, para(d.fazla));
        EXPECT_EQ(ozet().ToplamMasraf, para(d.toplamMasraf));
        EXPECT_EQ(ozet().Bakiye_TL, para(d.masrafBakiyesi));
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

// Pre-enforcement other claims in the total-debt order before the start: 2,000 at 12 %
// from 1 January, 150 collected on 1 February.
TEST_P(TahsilatMahsupTest, OtherClaimsBeforeTheEnforcementStart) {
    dosya(test::alanlar("tahsilatmahsupsirasi=3"));
    alacak("20230101", "10000");
    toda("Çek Tazminatı", "2000", "20230101", 12);
    tahsilat("20230201", "150");
    hesapla();
    const clsHesapOzeti& o = ozet();
    // lira interest 2000 / 36500 × 31 × 12 = 20.38, then interest 76.44, then principal
    // of the other claim: 150 - 20.38 - 76.44 = 53.18. In a lira file both interests are
    // booked in the debt's currency: 20.38 + 76.44 = 96.82.
    EXPECT_EQ(o.TakipOncesiMahsup_FaizMasraf_TL, Money());
    EXPECT_EQ(o.TakipOncesiMahsup_FaizMasraf_Doviz, para("96.82"));
    EXPECT_EQ(o.TakipOncesiMahsup_TODA, para("53.18"));
    clsAlacakKalemi& t = foy().TODAs().Item(1);
    EXPECT_EQ(t.AsilAlacakBakiyesi, para("1946.82"));
    // 28 more days on 1946.82 at 12 % to the start: 17.9212 -> 17.92
    EXPECT_EQ(t.UyapBakiyeleri().FaizBakiyesi, para("17.92"));
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
