#include "ParametreTestVerisi.h"

#include "file/DbFixture.h"
#include "parameters/clsParametreler.h"

namespace quv {
namespace {

using test::hataMesaji;
using test::M;

const QString k2023 = QStringLiteral("20230101");
const QString k2024 = QStringLiteral("20240101");
const QString kHaziran = QStringLiteral("20230601");
QString kNull(const char* kaynak = "HarclariYukle") {
    return hataMesaji(("clsParametreler." + std::string(kaynak)).c_str(), 94,
                      "Invalid use of Null");
}
QVariant para(const char* text) {
    return M(text).toSqlValue();
}

class ParametreYukleme : public test::ParametreVeritabaniTesti {};

TEST_P(ParametreYukleme, NullRulesAndTheDateEscaped) {
    harcSatiriEkle(k2023, {{"yuvarlamadegeri", QVariant()},
                           {"stopaj", QVariant()},
                           {"cekbankasorumlulukbedeli", QVariant()}});
    clsParametreler p;
    p.Stopaj = 1;
    p.YuvarlamaDegeri = Money();
    ASSERT_TRUE(p.HarclariYukle(kHaziran));
    // These three may be Null: the rounding unit reads 1, the others 0.
    EXPECT_EQ(p.YuvarlamaDegeri, M("1"));
    EXPECT_EQ(p.Stopaj, 0.0f);
    EXPECT_EQ(p.CekbankaSorumlulukBedeli, Money());
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
    // A quote in a date cannot end the literal early.
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("2023'; delete from tblharclar; --"), true));
    EXPECT_EQ(p.BasvuruHarci, Money());
    ASSERT_TRUE(p.HarclariYukle(kHaziran));
    EXPECT_EQ(p.BasvuruHarci, M("427.60"));
}

TEST_P(ParametreYukleme, CacheFollowsThePeriodOfTheRowAndAForcedReload) {
    harcSatiriEkle(k2023, {{"basvuruharci", para("100")}});
    harcSatiriEkle(k2024, {{"basvuruharci", para("200")}});
    clsParametreler p;
    p.KDVOrani = 18;
    // The last day of the first year: the first row, in force up to the second row's date.
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20231231")));
    // Inside the period nothing is read, unless forced.
    db_->execute(
        QStringLiteral("update tblharclar set basvuruharci = 150.5 where tarih = '20230101'"));
    ASSERT_TRUE(p.HarclariYukle(k2023));
    EXPECT_EQ(p.BasvuruHarci, M("100"));
    ASSERT_TRUE(p.HarclariYukle(kHaziran, true));
    EXPECT_EQ(p.BasvuruHarci, M("150.5"));
    // Exactly the second row's date: read again; it then serves every later date.
    ASSERT_TRUE(p.HarclariYukle(k2024));
    EXPECT_EQ(p.BasvuruHarci, M("200"));
    calisanSorgular();
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20991231")));
    EXPECT_TRUE(calisanSorgular().isEmpty());
    // Before the first row: the group is cleared and stays unloaded.
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20221231")));
    EXPECT_EQ(p.BasvuruHarci, Money());
    EXPECT_EQ(p.KDVOrani, 18.0f);  // not part of the group
    EXPECT_FALSE(p.HarclarDonemi().Yuklu());
}

// A Null in a required column (after basvuruharci) takes nothing of the row over and
// leaves no period loaded, so the next call reads again.
TEST_P(ParametreYukleme, NullInARequiredColumnFailsTheLoadAndLeavesTheGroupUnloaded) {
    harcSatiriEkle(QStringLiteral("20220101"), {{"basvuruharci", para("50")}});
    harcSatiriEkle(k2023, {{"basvuruharci", para("100")}, {"baropulu", QVariant()}});
    clsParametreler p;
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20220601")));
    EXPECT_FALSE(p.HarclariYukle(kHaziran));
    EXPECT_EQ(guard_.errors().messages(), QStringList(kNull()));
    EXPECT_EQ(p.BasvuruHarci, M("50"));
    EXPECT_FALSE(p.HarclarDonemi().Yuklu());
    db_->execute(QStringLiteral("update tblharclar set baropulu = 1 where tarih = '20230101'"));
    ASSERT_TRUE(p.HarclariYukle(kHaziran));
    EXPECT_EQ(p.BasvuruHarci, M("100"));
}

TEST_P(ParametreYukleme, TaxRateHasAPeriodOfItsOwnAndTaxesTheAttorneyFee) {
    harcSatiriEkle(k2023, {{"kdv", 18.0}});
    harcSatiriEkle(QStringLiteral("20230710"), {{"kdv", 20.0}});
    clsParametreler p;
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20230801")));
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20230709")), Money());
    p.VekaletUcretlerineKDVeklensin = true;
    // 1,000.55 × 18 / 100 = 180.099; × 20 / 100 = 200.11; before the first row none
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20230709")), M("180.099"));
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20230710")), M("200.11"));
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20221231")), Money());
    EXPECT_EQ(p.HarclarDonemi().Baslangic, QStringLiteral("20230710"));  // its own period
    db_->execute(QStringLiteral("alter table tblharclar rename to tblharclar_eski"));
    EXPECT_FALSE(p.KDVOraniYukle(k2023, true));
    EXPECT_TRUE(guard_.errors().messages().value(0).startsWith(
        QStringLiteral("Hatanın oluştuğu yer : clsParametreler.KDVOraniCek\rHata : ")));
}

TEST_P(ParametreYukleme, WholeSetWithTheOptionsIsCachedPerPeriodAndGoesOnPastAFailedGroup) {
    harcSatiriEkle(k2023);
    digerUcretSatiriEkle(k2023);
    araligiEkle(k2023, 1, para("99999999"), 10.0);
    // Any non-zero number is true; a Null count reads 0, a Null date the text "0".
    seceneklerEkle({{"pesinharcborcaekle", -1}});
    clsParametreler p;
    ASSERT_TRUE(p.TumParametreleriYukle(kHaziran));
    EXPECT_TRUE(p.PesinHarcEklensin);
    EXPECT_EQ(p.FaizYildakiGunSayisi, 0);
    EXPECT_EQ(p.DortteUcVekaletUcretiBaslamaTarihi, QStringLiteral("0"));
    calisanSorgular();
    ASSERT_TRUE(p.TumParametreleriYukle(QStringLiteral("20231231")));
    EXPECT_EQ(calisanSorgular().size(), 1);  // only the options
    db_->execute(QStringLiteral("update tblharclar set dosyagideri = NULL"));
    clsParametreler q;
    EXPECT_FALSE(q.TumParametreleriYukle(kHaziran));
    EXPECT_EQ(guard_.errors().messages(), QStringList(kNull()));
    EXPECT_TRUE(q.PesinHarcEklensin);
    EXPECT_TRUE(q.VekaletUcretleriDonemi().Yuklu());
}

TEST_P(ParametreYukleme, AttachmentFeeColumnsByHearingAndANullInOneOfThem) {
    digerUcretSatiriEkle(k2023, {{"ustdeger", QVariant()}});
    clsParametreler p;
    p.IHAltOran = 3;
    EXPECT_FALSE(p.IHVekaletUcretleriniYukle(k2023));
    EXPECT_EQ(guard_.errors().messages(), QStringList(kNull("IHVekaletUcretleriniYukle")));
    EXPECT_EQ(p.IHAltOran, 3.0f);
    EXPECT_FALSE(p.IHVekaletUcretleriDonemi().Yuklu());
    // The hearing columns are complete, so a load with the hearing flag succeeds.
    EXPECT_TRUE(p.IHVekaletUcretleriniYukle(k2023, false, true));
}

// Inserted out of order, the brackets follow kod; a Null in the five amounts reads 0, a
// Null in the scale fails the load and keeps the earlier scale whole.
TEST_P(ParametreYukleme, ScaleInKodOrderWithItsPeriodAndANullInIt) {
    araligiEkle(QStringLiteral("20220101"), 1, para("99999999"), 7.0);
    araligiEkle(k2023, 2, para("99999999"), 8.0);
    araligiEkle(k2023, 1, para("1000"), 10.0);
    araligiEkle(k2024, 1, para("99999999"), 9.0);
    araligiEkle(k2024, 2, QVariant(), 8.0);
    digerUcretSatiriEkle(k2023, {{"minvekaletucreti", QVariant()}});
    clsParametreler p;
    ASSERT_TRUE(p.VekaletUcretleriniYukle(QStringLiteral("20231231")));
    ASSERT_EQ(p.VekaletUcretiAralikSayisi(), 2);
    EXPECT_EQ(p.VekaletUcretiAraligi(1).Deger, M("1000"));
    EXPECT_EQ(p.VekaletUcretiAraligi(2).Oran, 8.0f);
    EXPECT_TRUE(guard_.errors().messages().isEmpty());

    EXPECT_FALSE(p.VekaletUcretleriniYukle(k2024));
    EXPECT_EQ(guard_.errors().messages(), QStringList(kNull("VekaletUcretleriniYukle")));
    ASSERT_EQ(p.VekaletUcretiAralikSayisi(), 2);
    EXPECT_EQ(p.VekaletUcretiAraligi(1).Oran, 10.0f);
    EXPECT_FALSE(p.VekaletUcretleriDonemi().Yuklu());
    db_->execute(
        QStringLiteral("update tblvekaletucretioranlari set miktar = 1 where miktar is null"));
    ASSERT_TRUE(p.VekaletUcretleriniYukle(k2024));
    EXPECT_EQ(p.VekaletUcretiAraligi(1).Oran, 9.0f);
    // An empty scale stays unloaded.
    ASSERT_TRUE(p.VekaletUcretleriniYukle(QStringLiteral("20211231")));
    EXPECT_EQ(p.VekaletUcretiAralikSayisi(), 0);
    EXPECT_FALSE(p.VekaletUcretleriDonemi().Yuklu());
}

QUV_ON_BACKENDS(ParametreYukleme);

}  // namespace
}  // namespace quv
