// Collection fee: the computation by manner and fee base, the rate by stage and the
// advance-fee set-off (the remaining fee at the closing is data: durumlar/tahsilharci.json).

#include "MotorTestDestegi.h"

namespace quv {
namespace {

using test::para;

class TahsilHarciTest : public test::HesapMotoruTesti {};

// 1,000 at 4.55 %: full rate 1000 × 0.0455 = 45.50, half rate 22.75.
TEST(TahsilHarciHesaplaTest, ShareOfTheRateByMannerUpToTheFeeBase) {
    test::SharedStateGuard guard;
    clsHesapHelper motor;
    const Money tam = para("45.50");
    const Money yarim = para("22.75");
    const struct {
        int sekil;
        Money harc;
    } sekiller[] = {{0, Money()}, {1, tam},    {2, tam},   {3, yarim},  {4, yarim},
                    {5, tam},     {6, tam},    {7, yarim}, {8, yarim},  {9, yarim},
                    {10, yarim},  {11, yarim}, {12, tam},  {13, yarim}, {14, Money()}};
    for (const auto& d : sekiller) {
        SCOPED_TRACE(d.sekil);
        EXPECT_EQ(
            motor.TahsilHarciHesapla(para("1000"), 4.55f, static_cast<Enum_TahsilatSekli>(d.sekil),
                                     para("100000"), Money()),
            d.harc);
    }
    // Only the part of a collection up to the fee base of 10,000 bears the fee.
    const struct {
        const char* tutar;
        const char* onceki;
        const char* harc;
    } durumlar[] = {
        {"2000", "9000", "45.50"},  // base 1000 × 4.55 %
        {"500", "10000", "0"},      // nothing left of the base
        {"500", "10500", "0"},      // already beyond it
        {"500", "9500", "22.75"},   // exactly up to it
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.onceki);
        EXPECT_EQ(motor.TahsilHarciHesapla(para(d.tutar), 4.55f, E_TS_IcrayaYatan, para("10000"),
                                           para(d.onceki)),
                  para(d.harc));
    }
    EXPECT_TRUE(guard.errors().messages().isEmpty());
}

// Rates 4.55 % before the first seizure (15 April), 2.27 % after it, 9.1 % on sale
// proceeds; fee base 100,000 (a claim starting on the enforcement date).
TEST_P(TahsilHarciTest, RateByStageOfTheEnforcement) {
    harcAyarla(test::alanlar("tahsilharcorani1=4.55 tahsilharcorani2=2.27 tahsilharcorani3=9.1"));
    alacakliAyarla(test::alanlar("tahsilharcihesapla=1"));
    dosya(test::alanlar("ilkhaciztarihi=20230415"));
    alacak("20230301", "100000");
    tahsilat("20230401", "1000", 2);   // before the seizure: 1000 × 4.55 % = 45.50
    tahsilat("20230410", "1000", 12);  // sale, before the seizure: 1000 × 9.1 % = 91.00
    tahsilat("20230501", "1000", 2);   // after it: 1000 × 2.27 % = 22.70
    tahsilat("20230601", "1000", 12);  // sale: 91.00
    tahsilat("20230701", "1000", 7);   // by hand: 1000 × 2.27 % / 2 = 11.35
    hesapla();
    EXPECT_EQ(ozet().HarcaEsasDeger, para("100000"));
    EXPECT_EQ(ozet().TahsilHarci_Odenen, para("261.55"));
    // Without an advance fee every collection fee is a lira expense.
    EXPECT_EQ(motor_.MasrafBakiyesi_TL, para("261.55"));
    EXPECT_EQ(motor_.tmpTahsilHarci, para("11.35"));
    // No debtor bears the fee: no remaining fee.
    EXPECT_EQ(ozet().TahsilHarci_Kalan, Money());
    EXPECT_TRUE(motor_.blnHacizVar);

    // A date before every tariff row, and a row whose rate is Null, give 0.
    db_->addRow(QStringLiteral("tblharclar"),
                {{QStringLiteral("tarih"), QStringLiteral("20240101")},
                 {QStringLiteral("tahsilharcorani1"), 1.5}});
    EXPECT_FLOAT_EQ(motor_.GetTahsilHarciOrani(QStringLiteral("19991231"), E_TS_IcrayaYatan), 0.0f);
    EXPECT_FLOAT_EQ(motor_.GetTahsilHarciOrani(QStringLiteral("20240201"), E_TS_IcrayaYatan), 0.0f);
    EXPECT_FLOAT_EQ(motor_.GetTahsilHarciOrani(QStringLiteral("20240201"), E_TS_IcraSatisi), 0.0f);
    motor_.blnHacizVar = false;
    EXPECT_FLOAT_EQ(motor_.GetTahsilHarciOrani(QStringLiteral("20240201"), E_TS_IcrayaYatan), 1.5f);
    hataYok();
}

// Advance fee 1 % of 10,000 = 100; collection fees at 4 %: 2000 -> 80, 1250 -> 50,
// 500 -> 20. The first 80 and 20 of the 50 use up the advance fee; 30 and 20 are expenses.
TEST_P(TahsilHarciTest, AdvanceFeeIsUsedUpFirst) {
    harcAyarla(test::alanlar("tahsilharcorani1=4 pesinharcorani=1"));
    secenekAyarla(test::alanlar("pesinharcborcaekle=1"));
    alacakliAyarla(
        {{QStringLiteral("tahsilharcihesapla"), 1}, {QStringLiteral("pesinharchesapla"), 1}});
    dosya(test::alanlar("hesaptarihi=20230601"));
    alacak("20230301", "10000");
    tahsilat("20230401", "2000", 2);
    tahsilat("20230415", "1250", 2);
    tahsilat("20230501", "500", 2);
    hesapla();
    EXPECT_EQ(ozet().PesinHarc, para("100"));
    EXPECT_EQ(ozet().TahsilHarci_Odenen, para("150"));  // 80 + 50 + 20
    EXPECT_EQ(motor_.tmpTahsilHarci_PesinHarcaMahsupEdilen, para("100"));
    // the advance fee itself 100, then 80 + 50 - 100 = 30, then 20
    EXPECT_EQ(motor_.MasrafBakiyesi_TL, para("150"));
    hataYok();
}

INSTANTIATE_TEST_SUITE_P(Backends, TahsilHarciTest, ::testing::ValuesIn(test::availableBackends()),
                         test::adi);

}  // namespace
}  // namespace quv
