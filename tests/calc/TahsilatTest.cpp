// What the data cases (durumlar/) cannot state: a second replay of the same record, and
// the collection procedures alone.

#include "MotorTestDestegi.h"
#include "calc/clsHesapKalemi.h"
#include "file/colAlacaklar.h"
#include "summary/clsUYAPBakiyeleri.h"

namespace quv {
namespace {

using test::para;

class TahsilatTest : public test::HesapMotoruTesti {};

// A working copy is replayed again and again (the payment plan): every replay starts
// from the loaded values. Carried interest 100 with BSMV 5 % (5.00), 31 days to 1 February
// 76.44 with 3.82: 186 pays 185.26 of interest and tax, 0.74 of the principal.
TEST_P(TahsilatTest, ASecondReplayGivesTheSameSummary) {
    dosya(test::alanlar("tahsilatmahsupsirasi=3 bsmvorani=5"));
    alacak("20230101", "10000", {{QStringLiteral("birikmisfaiz"), 100}});
    tahsilat("20230201", "186");
    auto dokum = [this] {
        QStringList alanlar;
        for (const clsHesapOzeti::Alan& a : clsHesapOzeti::Alanlar())
            alanlar << (a.para ? (ozet().*a.para).toDecimalString()
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

// The rate by stage on whole files is data (durumlar/tahsilharci.json); a date before
// every tariff row and a Null rate of the row give 0.
TEST_P(TahsilatTest, CollectionFeeRateOutsideTheTariff) {
    dosya();
    hesapla();
    db_->addRow(QStringLiteral("tblharclar"),
                {{QStringLiteral("tarih"), QStringLiteral("20240101")},
                 {QStringLiteral("tahsilharcorani1"), 1.5}});
    EXPECT_FLOAT_EQ(motor_.GetTahsilHarciOrani(QStringLiteral("19991231"), E_TS_IcrayaYatan), 0.0f);
    EXPECT_FLOAT_EQ(motor_.GetTahsilHarciOrani(QStringLiteral("20240201"), E_TS_IcraSatisi), 0.0f);
    EXPECT_FLOAT_EQ(motor_.GetTahsilHarciOrani(QStringLiteral("20240201"), E_TS_IcrayaYatan), 1.5f);
    motor_.blnHacizVar = true;
    EXPECT_FLOAT_EQ(motor_.GetTahsilHarciOrani(QStringLiteral("20240201"), E_TS_IcrayaYatan), 0.0f);
    hataYok();
}

INSTANTIATE_TEST_SUITE_P(Backends, TahsilatTest, ::testing::ValuesIn(test::availableBackends()),
                         test::adi);

// 1,000 at 4.55 %: full rate 1000 × 0.0455 = 45.50, half rate 22.75; only the part of a
// collection up to the fee base of 10,000 bears the fee.
TEST(TahsilHarciHesaplaTest, ShareOfTheRateByMannerUpToTheFeeBase) {
    test::SharedStateGuard guard;
    clsHesapHelper motor;
    const char* harc[] = {"0",     "45.50", "45.50", "22.75", "22.75", "45.50", "45.50", "22.75",
                          "22.75", "22.75", "22.75", "22.75", "45.50", "22.75", "0"};
    for (int sekil = 0; sekil <= 14; ++sekil)
        EXPECT_EQ(
            motor.TahsilHarciHesapla(para("1000"), 4.55f, static_cast<Enum_TahsilatSekli>(sekil),
                                     para("100000"), Money()),
            para(harc[sekil]))
            << sekil;
    for (auto [tutar, onceki, beklenen] : {std::tuple{"2000", "9000", "45.50"},  // base 1000
                                           {"500", "10000", "0"},                // nothing left
                                           {"500", "10500", "0"},                // beyond it
                                           {"500", "9500", "22.75"}})            // up to it
        EXPECT_EQ(motor.TahsilHarciHesapla(para(tutar), 4.55f, E_TS_IcrayaYatan, para("10000"),
                                           para(onceki)),
                  para(beklenen))
            << onceki;
    EXPECT_TRUE(guard.errors().messages().isEmpty());
}

TEST(TahsilatHatalariTest, ProceduresReportWithTheirOwnSource) {
    test::SharedStateGuard guard;
    clsFoyBilgileri foy;
    clsHesapHelper motor;
    motor.ParentFoy = &foy;
    // A collection whose debt currency has no rate cannot be converted.
    clsHesapKalemi tahsilat;
    tahsilat.KalemTipi = E_KT_Tahsilat;
    tahsilat.Tarih = QStringLiteral("20230101");
    tahsilat.Tutar = para("100");
    tahsilat.AlacakKur = Money();
    motor.Handle_Tahsilat(tahsilat);
    EXPECT_EQ(foy.HesapOzeti().TakipOncesiToplamTahsilat_TL, Money());
    // Without the facade there are no parameters to read the VAT rate from.
    foy.AlacakTipi = E_AT_49Fatura;
    foy.FaturaFaizineKDVEkle = true;
    motor.Init();
    const QStringList h = guard.errors().messages();
    ASSERT_EQ(h.size(), 2) << h.join(u'\n').toStdString();
    EXPECT_TRUE(
        h[0].startsWith("Hatanın oluştuğu yer : clsHesapHelper.TahsilatiIsle\rHata : 11 -> "));
    EXPECT_TRUE(h[1].startsWith("Hatanın oluştuğu yer : clsHesapHelper.Init\r"));
}

}  // namespace
}  // namespace quv
