#include "ParametreTestVerisi.h"

#include "parameters/clsParametreler.h"

namespace quv {
namespace {

using test::hataMesaji;
using test::M;

const QString k2023 = QStringLiteral("20230101");
const QString k2024 = QStringLiteral("20240101");
const QString kHaziran = QStringLiteral("20230601");

QVariant para(const char* text) {
    return M(text).toSqlValue();
}

class HarclarYukleme : public test::ParametreVeritabaniTesti {};

TEST_P(HarclarYukleme, ColumnsWithOtherNamesAndTheRowsPeriod) {
    harcSatiriEkle(k2023);
    clsParametreler p;
    ASSERT_TRUE(p.HarclariYukle(kHaziran));
    EXPECT_EQ(p.VekaletHarci, M("87.50"));
    EXPECT_EQ(p.IhtiyatiHacizOrani, 0.75f);
    EXPECT_EQ(p.PostaPulu, M("85"));
    EXPECT_EQ(p.PostaPulu_MTS, M("95"));
    EXPECT_EQ(p.MTSHarciOrani, 0.6f);
    EXPECT_EQ(p.KDVOrani, 0.0f);  // the tax rate is a group of its own
    EXPECT_EQ(p.HarclarDonemi().Baslangic, k2023);
    EXPECT_EQ(p.HarclarDonemi().Bitis, QStringLiteral("99991231"));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(HarclarYukleme, NullRulesOfTheLaterColumns) {
    harcSatiriEkle(k2023, {{"yuvarlamadegeri", QVariant()},
                           {"stopaj", QVariant()},
                           {"kdv", QVariant()},
                           {"cekbankasorumlulukbedeli", QVariant()}});
    clsParametreler p;
    p.Stopaj = 1;
    p.KDVOrani = 1;
    p.CekbankaSorumlulukBedeli = M("1");
    ASSERT_TRUE(p.HarclariYukle(k2023));
    EXPECT_EQ(p.YuvarlamaDegeri, M("1"));
    EXPECT_EQ(p.Stopaj, 0.0f);
    EXPECT_EQ(p.CekbankaSorumlulukBedeli, Money());
    ASSERT_TRUE(p.KDVOraniYukle(k2023));
    EXPECT_EQ(p.KDVOrani, 0.0f);
    // A Null rounding unit of 1 rounds the advance fee to whole lira:
    // 10,040 × 0.5 / 100 = 50.20 -> 50
    p.PesinHarcEklensin = true;
    EXPECT_EQ(p.PesinHarcHesapla(M("10040"), kHaziran), M("50"));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(HarclarYukleme, CacheFollowsThePeriodOfTheRowAndAForcedReload) {
    harcSatiriEkle(k2023, {{"basvuruharci", para("100")}});
    harcSatiriEkle(k2024, {{"basvuruharci", para("200")}});
    clsParametreler p;
    p.KDVOrani = 18;

    // The last day of the first year: the first row, in force up to the second row's date.
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20231231")));
    EXPECT_EQ(calisanSorgular().size(), 2);  // the row and the end-date search
    EXPECT_EQ(p.HarclarDonemi().Bitis, k2024);

    // Inside the period nothing is read, unless forced.
    db_->execute(QStringLiteral("update tblharclar set basvuruharci = 150.5 where tarih = '") +
                 k2023 + QStringLiteral("'"));
    calisanSorgular();
    ASSERT_TRUE(p.HarclariYukle(k2023));
    EXPECT_TRUE(calisanSorgular().isEmpty());
    EXPECT_EQ(p.BasvuruHarci, M("100"));
    ASSERT_TRUE(p.HarclariYukle(kHaziran, true));
    EXPECT_EQ(calisanSorgular().size(), 2);
    EXPECT_EQ(p.BasvuruHarci, M("150.5"));

    // Exactly the second row's date: read again; it then serves every later date.
    ASSERT_TRUE(p.HarclariYukle(k2024));
    EXPECT_EQ(p.BasvuruHarci, M("200"));
    calisanSorgular();
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20991231")));
    EXPECT_TRUE(calisanSorgular().isEmpty());

    // Before the first row: the group is cleared and stays unloaded.
    p.YuvarlamaDegeri = M("5");
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20221231")));
    EXPECT_EQ(p.BasvuruHarci, Money());
    EXPECT_EQ(p.PesinHarcOrani, 0.0f);
    EXPECT_EQ(p.YuvarlamaDegeri, M("1"));
    EXPECT_EQ(p.KDVOrani, 18.0f);  // not part of the group
    EXPECT_FALSE(p.HarclarDonemi().Yuklu());
    calisanSorgular();
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20221231")));
    EXPECT_EQ(calisanSorgular().size(), 1);
}

// The half-loaded group: a Null in a required column takes nothing of the row over and
// leaves no period loaded, so the next call reads again.
TEST_P(HarclarYukleme, NullInARequiredColumnFailsTheLoadAndLeavesTheGroupUnloaded) {
    harcSatiriEkle(QStringLiteral("20220101"), {{"basvuruharci", para("50")}});
    const QString hata = hataMesaji("clsParametreler.HarclariYukle", 94, "Invalid use of Null");
    for (const char* kolon :
         {"basvuruharci", "tahsilharcorani3", "ilktebligatgideri_mts", "baropulu"}) {
        SCOPED_TRACE(kolon);
        db_->execute(QStringLiteral("delete from tblharclar where tarih = '20230101'"));
        harcSatiriEkle(k2023, {{"basvuruharci", para("100")}, {kolon, QVariant()}});
        clsParametreler p;
        ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20220601")));
        guard_.errors().clear();
        EXPECT_FALSE(p.HarclariYukle(kHaziran));
        EXPECT_EQ(guard_.errors().messages(), QStringList(hata));
        guard_.errors().clear();
        EXPECT_EQ(p.BasvuruHarci, M("50"));
        EXPECT_FALSE(p.HarclarDonemi().Yuklu());
        calisanSorgular();
        ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20220601")));
        EXPECT_EQ(calisanSorgular().size(), 2);

        // The row mended, the next call without forcing reads it.
        db_->execute(QStringLiteral("update tblharclar set ") + QString::fromLatin1(kolon) +
                     QStringLiteral(" = 1 where tarih = '20230101'"));
        ASSERT_TRUE(p.HarclariYukle(kHaziran));
        EXPECT_EQ(p.HarclarDonemi().Baslangic, k2023);
        EXPECT_TRUE(guard_.errors().messages().isEmpty());
    }
}

TEST_P(HarclarYukleme, TaxRateHasAPeriodOfItsOwnAndTaxesTheAttorneyFee) {
    harcSatiriEkle(k2023, {{"kdv", 18.0}});
    harcSatiriEkle(QStringLiteral("20230710"), {{"kdv", 20.0}});
    clsParametreler p;
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20230801")));
    calisanSorgular();
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20230709")), Money());
    EXPECT_TRUE(calisanSorgular().isEmpty());  // option off: the rate is not even read

    p.VekaletUcretlerineKDVeklensin = true;
    // 1,000.55 × 18 / 100 = 180.099
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20230709")), M("180.099"));
    EXPECT_EQ(calisanSorgular().size(), 2);
    EXPECT_EQ(p.KDVBitisTarihi, QStringLiteral("20230710"));
    ASSERT_TRUE(p.KDVOraniYukle(k2023));
    EXPECT_TRUE(calisanSorgular().isEmpty());
    // 1,000.55 × 20 / 100 = 200.11
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20230710")), M("200.11"));
    ASSERT_TRUE(p.KDVOraniYukle(QStringLiteral("20230709"), true));
    EXPECT_EQ(p.KDVOrani, 18.0f);
    // Before the first row: no rate, unloaded.
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20221231")), Money());
    EXPECT_TRUE(p.KDVBaslangicTarihi.isEmpty());
    // The fee group kept its own period throughout.
    EXPECT_EQ(p.HarclarDonemi().Baslangic, QStringLiteral("20230710"));
}

TEST_P(HarclarYukleme, OptionsRow) {
    clsParametreler p;
    p.PesinHarcEklensin = true;
    p.DortteUcVekaletUcretiBaslamaTarihi = QStringLiteral("20200101");
    // No row: everything cleared, one day-count.
    ASSERT_TRUE(p.HesapAyrintilariniYukle());
    EXPECT_FALSE(p.PesinHarcEklensin);
    EXPECT_EQ(p.FaizYildakiGunSayisi, 1);
    EXPECT_TRUE(p.DortteUcVekaletUcretiBaslamaTarihi.isEmpty());

    // Every column Null: false, 0 and the text "0".
    seceneklerEkle({});
    p.VekaletUcretlerineKDVeklensin = true;
    ASSERT_TRUE(p.HesapAyrintilariniYukle());
    EXPECT_FALSE(p.VekaletUcretlerineKDVeklensin);
    EXPECT_EQ(p.FaizYildakiGunSayisi, 0);
    EXPECT_EQ(p.DortteUcVekaletUcretiBaslamaTarihi, QStringLiteral("0"));

    // Any non-zero number is true; options are not dated, so every call reads.
    db_->execute(QStringLiteral(
        "update tbloptions_all set pesinharcborcaekle = -1, vekucretekdvekle = 1, "
        "faizyildakigunsayisi = 2, dortteucvekaletucretiuygulamabaslamatarihi = '20231201'"));
    calisanSorgular();
    ASSERT_TRUE(p.HesapAyrintilariniYukle());
    ASSERT_TRUE(p.HesapAyrintilariniYukle());
    EXPECT_EQ(calisanSorgular().size(), 2);
    EXPECT_TRUE(p.PesinHarcEklensin);
    EXPECT_TRUE(p.VekaletUcretlerineKDVeklensin);
    EXPECT_EQ(p.FaizYildakiGunSayisi, 2);
    EXPECT_EQ(p.DortteUcVekaletUcretiBaslamaTarihi, QStringLiteral("20231201"));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(HarclarYukleme, WholeSetIsCachedPerPeriodAndGoesOnPastAFailedGroup) {
    harcSatiriEkle(k2023);
    digerUcretSatiriEkle(k2023);
    araligiEkle(k2023, 1, para("100000"), 16.0);
    araligiEkle(k2023, 2, para("99999999"), 10.0);
    seceneklerEkle({{"pesinharcborcaekle", 1}});
    clsParametreler p;
    ASSERT_TRUE(p.TumParametreleriYukle(kHaziran));
    // fees 2, attachment fees 2, options 1, scale 2 and its five amounts 1
    EXPECT_EQ(calisanSorgular().size(), 8);
    EXPECT_EQ(p.IHAltOran, 10.0f);  // the columns without a hearing
    ASSERT_TRUE(p.TumParametreleriYukle(QStringLiteral("20231231")));
    EXPECT_EQ(calisanSorgular().size(), 1);  // only the options
    ASSERT_TRUE(p.TumParametreleriYukle(QStringLiteral("20231231"), true));
    EXPECT_EQ(calisanSorgular().size(), 8);

    db_->execute(QStringLiteral("update tblharclar set dosyagideri = NULL"));
    clsParametreler q;
    EXPECT_FALSE(q.TumParametreleriYukle(kHaziran));
    EXPECT_EQ(guard_.errors().messages(),
              QStringList(hataMesaji("clsParametreler.HarclariYukle", 94, "Invalid use of Null")));
    EXPECT_FALSE(q.HarclarDonemi().Yuklu());
    EXPECT_TRUE(q.IHVekaletUcretleriDonemi().Yuklu());
    EXPECT_TRUE(q.PesinHarcEklensin);
    EXPECT_TRUE(q.VekaletUcretleriDonemi().Yuklu());
}

TEST_P(HarclarYukleme, StatementAsWrittenWithTheDateEscaped) {
    harcSatiriEkle(k2023);
    clsParametreler p;
    ASSERT_TRUE(p.HarclariYukle(kHaziran));
    EXPECT_EQ(calisanSorgular(),
              QStringList({uyarlanmis(QStringLiteral(
                               " select a.* from tblharclar as a  where a.tarih = (select max "
                               "(b.tarih)  from tblharclar b where b.tarih <= '20230601');")),
                           uyarlanmis(QStringLiteral(
                               " select a.tarih from tblharclar as a  where a.tarih = (select "
                               "min (b.tarih)  from tblharclar b where b.tarih > '20230101');"))}));
    // A quote in a date cannot end the literal early.
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("2023'; delete from tblharclar; --"), true));
    EXPECT_EQ(p.BasvuruHarci, Money());
    ASSERT_TRUE(p.HarclariYukle(kHaziran));
    EXPECT_EQ(p.BasvuruHarci, M("427.60"));
}

INSTANTIATE_TEST_SUITE_P(Backends, HarclarYukleme, ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
