#include "ParametreTestVerisi.h"

#include "parameters/clsParametreler.h"

namespace quv {
namespace {

using test::hataMesaji;
using test::M;

const QString k2023 = QStringLiteral("20230101");
const QString k2024 = QStringLiteral("20240101");

QVariant para(const char* text) {
    return M(text).toSqlValue();
}

class HarclarYukleme : public test::ParametreVeritabaniTesti {};

TEST_P(HarclarYukleme, EveryColumnGoesToItsProperty) {
    harcSatiriEkle(k2023);
    clsParametreler p;
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20230601")));
    EXPECT_EQ(p.BasvuruHarci, M("427.60"));
    EXPECT_EQ(p.VekaletHarci, M("87.50"));
    EXPECT_EQ(p.PesinHarcOrani, 0.5f);
    EXPECT_EQ(p.TahsilHarciOrani1, 4.55f);
    EXPECT_EQ(p.TahsilHarciOrani2, 2.27f);
    EXPECT_EQ(p.TahsilHarciOrani3, 9.1f);
    EXPECT_EQ(p.MaastaTahsilHarciOrani, 1.5f);
    EXPECT_EQ(p.CezaeviHarciOrani, 2.0f);
    EXPECT_EQ(p.FeragatHarciOrani1, 3.1f);
    EXPECT_EQ(p.FeragatHarciOrani2, 3.2f);
    EXPECT_EQ(p.FeragatHarciOrani3, 3.3f);
    EXPECT_EQ(p.TahliyeHarciOrani1, 1.1f);
    EXPECT_EQ(p.TahliyeHarciOrani2, 1.2f);
    EXPECT_EQ(p.MenkulTeslimHarciOrani1, 1.3f);
    EXPECT_EQ(p.MenkulTeslimHarciOrani2, 1.4f);
    EXPECT_EQ(p.SulhKararHarci, M("269.85"));
    EXPECT_EQ(p.AHKararHarci, M("615.40"));
    EXPECT_EQ(p.YerineGetirmeHarci, M("61.50"));
    EXPECT_EQ(p.MaktuCezaeviHarci, M("35.90"));
    EXPECT_EQ(p.IhtiyatiHacizOrani, 0.75f);
    EXPECT_EQ(p.DosyaGideri, M("12.25"));
    EXPECT_EQ(p.EvrakGideri, M("7.75"));
    EXPECT_EQ(p.SuretDamgaPulu, M("3.15"));
    EXPECT_EQ(p.PostaPulu, M("85"));
    EXPECT_EQ(p.PostaPulu_MTS, M("95"));
    EXPECT_EQ(p.KefaletHarciOrani, 0.25f);
    EXPECT_EQ(p.KKDFOrani, 15.0f);
    EXPECT_EQ(p.BaroPulu, M("44"));
    EXPECT_EQ(p.YuvarlamaDegeri, M("1"));
    EXPECT_EQ(p.Stopaj, 10.0f);
    EXPECT_EQ(p.SSDF, 0.15f);
    EXPECT_EQ(p.CekbankaSorumlulukBedeli, M("2150"));
    EXPECT_EQ(p.MTSHarciOrani, 0.6f);
    // The tax rate is a group of its own.
    EXPECT_EQ(p.KDVOrani, 0.0f);
    EXPECT_EQ(p.HarclarDonemi().Baslangic, k2023);
    EXPECT_EQ(p.HarclarDonemi().Bitis, QStringLiteral("99991231"));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(HarclarYukleme, NullRulesOfTheLaterColumns) {
    harcSatiriEkle(k2023, {{"yuvarlamadegeri", QVariant()},
                           {"stopaj", QVariant()},
                           {"ssdf", QVariant()},
                           {"kdv", QVariant()},
                           {"cekbankasorumlulukbedeli", QVariant()},
                           {"mtsharciorani", QVariant()}});
    clsParametreler p;
    p.Stopaj = 1;
    p.SSDF = 1;
    p.MTSHarciOrani = 1;
    p.KDVOrani = 1;
    p.CekbankaSorumlulukBedeli = M("1");
    ASSERT_TRUE(p.HarclariYukle(k2023));
    EXPECT_EQ(p.YuvarlamaDegeri, M("1"));
    EXPECT_EQ(p.Stopaj, 0.0f);
    EXPECT_EQ(p.SSDF, 0.0f);
    EXPECT_EQ(p.MTSHarciOrani, 0.0f);
    EXPECT_EQ(p.CekbankaSorumlulukBedeli, Money());
    ASSERT_TRUE(p.KDVOraniYukle(k2023));
    EXPECT_EQ(p.KDVOrani, 0.0f);
    // A Null rounding unit of 1 rounds the advance fee to whole lira:
    // 10,040 × 0.5 / 100 = 50.20 -> 50
    p.PesinHarcEklensin = true;
    EXPECT_EQ(p.PesinHarcHesapla(M("10040"), QStringLiteral("20230601")), M("50"));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(HarclarYukleme, CacheFollowsThePeriodOfTheRow) {
    harcSatiriEkle(k2023, {{"basvuruharci", para("100")}});
    harcSatiriEkle(k2024, {{"basvuruharci", para("200")}});
    clsParametreler p;
    p.KDVOrani = 18;

    // The last day of the first year: the first row, in force up to the second row's date.
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20231231")));
    EXPECT_EQ(calisanSorgular().size(), 2);  // the row and the end-date search
    EXPECT_EQ(p.BasvuruHarci, M("100"));
    EXPECT_EQ(p.HarclarDonemi().Baslangic, k2023);
    EXPECT_EQ(p.HarclarDonemi().Bitis, k2024);

    // Inside the period nothing is read, even with a changed property.
    p.BasvuruHarci = M("1");
    ASSERT_TRUE(p.HarclariYukle(k2023));
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20230615")));
    EXPECT_TRUE(calisanSorgular().isEmpty());
    EXPECT_EQ(p.BasvuruHarci, M("1"));

    // Exactly the second row's date: read again.
    ASSERT_TRUE(p.HarclariYukle(k2024));
    EXPECT_EQ(calisanSorgular().size(), 2);
    EXPECT_EQ(p.BasvuruHarci, M("200"));
    EXPECT_EQ(p.HarclarDonemi().Bitis, QStringLiteral("99991231"));

    // The latest row serves every later date.
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20991231")));
    EXPECT_TRUE(calisanSorgular().isEmpty());

    // Before the first row: the group is cleared and stays unloaded.
    p.YuvarlamaDegeri = M("5");
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20221231")));
    EXPECT_EQ(calisanSorgular().size(), 1);
    EXPECT_EQ(p.BasvuruHarci, Money());
    EXPECT_EQ(p.AHKararHarci, Money());
    EXPECT_EQ(p.PesinHarcOrani, 0.0f);
    EXPECT_EQ(p.YuvarlamaDegeri, M("1"));
    EXPECT_EQ(p.KDVOrani, 18.0f);  // not part of the group
    EXPECT_FALSE(p.HarclarDonemi().Yuklu());
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20221231")));
    EXPECT_EQ(calisanSorgular().size(), 1);
}

TEST_P(HarclarYukleme, ForcedReloadReadsInsideThePeriod) {
    harcSatiriEkle(k2023, {{"basvuruharci", para("100")}});
    clsParametreler p;
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20230601")));
    db_->execute(QStringLiteral("update tblharclar set basvuruharci = 150.5"));
    calisanSorgular();
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20230601")));
    EXPECT_TRUE(calisanSorgular().isEmpty());
    EXPECT_EQ(p.BasvuruHarci, M("100"));
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20230601"), true));
    EXPECT_EQ(calisanSorgular().size(), 2);
    EXPECT_EQ(p.BasvuruHarci, M("150.5"));
}

TEST_P(HarclarYukleme, NullInARequiredColumnFailsTheLoadAndLeavesTheGroupUnloaded) {
    const char* zorunlu[] = {
        "basvuruharci",
        "vekaletnameharci",
        "pesinharcorani",
        "tahsilharcorani1",
        "tahsilharcorani2",
        "tahsilharcorani3",
        "maasdatahsilharciorani",
        "cezaeviharciorani",
        "feragatharciorani1",
        "feragatharciorani2",
        "feragatharciorani3",
        "tahliyeharcorani1",
        "tahliyeharcorani2",
        "menkulteslimharciorani1",
        "menkulteslimharciorani2",
        "sulhkararharci",
        "ahkararharci",
        "yerinegetirmeharci",
        "maktucezaeviharci",
        "ihtiyatihaciz",
        "dosyagideri",
        "evrakgideri",
        "suretdamgapulu",
        "ilktebligatgideri",
        "ilktebligatgideri_mts",
        "kefaletharciorani",
        "kkdforani",
        "baropulu",
    };
    harcSatiriEkle(QStringLiteral("20220101"), {{"basvuruharci", para("50")}});
    harcSatiriEkle(k2023, {{"basvuruharci", para("100")}});
    const QString hata = hataMesaji("clsParametreler.HarclariYukle", 94, "Invalid use of Null");
    for (const char* kolon : zorunlu) {
        SCOPED_TRACE(kolon);
        clsParametreler p;
        // The earlier year's row is loaded and its period is [20220101, 20230101).
        ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20220601")));
        ASSERT_EQ(p.BasvuruHarci, M("50"));

        db_->execute(QStringLiteral("update tblharclar set ") + QString::fromLatin1(kolon) +
                     QStringLiteral(" = NULL where tarih = '20230101'"));
        guard_.errors().clear();
        EXPECT_FALSE(p.HarclariYukle(QStringLiteral("20230601")));
        EXPECT_EQ(guard_.errors().messages(), QStringList(hata));
        guard_.errors().clear();
        // Nothing of the failed row was taken over, and no period is kept.
        EXPECT_EQ(p.BasvuruHarci, M("50"));
        EXPECT_EQ(p.AHKararHarci, M("615.40"));
        EXPECT_FALSE(p.HarclarDonemi().Yuklu());
        calisanSorgular();
        // Not even the earlier period counts as loaded any more.
        ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20220601")));
        EXPECT_EQ(calisanSorgular().size(), 2);

        // The row mended, the next call without forcing reads it.
        db_->execute(QStringLiteral("update tblharclar set ") + QString::fromLatin1(kolon) +
                     QStringLiteral(" = 1 where tarih = '20230101'"));
        calisanSorgular();
        ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20230601")));
        EXPECT_EQ(calisanSorgular().size(), 2);
        EXPECT_EQ(p.HarclarDonemi().Baslangic, k2023);
        EXPECT_TRUE(guard_.errors().messages().isEmpty());
        // The mended row stays as it is; the next column starts from a full row.
        db_->execute(QStringLiteral("delete from tblharclar where tarih = '20230101'"));
        harcSatiriEkle(k2023, {{"basvuruharci", para("100")}});
    }
}

TEST_P(HarclarYukleme, TaxRateHasAPeriodOfItsOwn) {
    harcSatiriEkle(k2023, {{"kdv", 18.0}});
    harcSatiriEkle(QStringLiteral("20230710"), {{"kdv", 20.0}});
    clsParametreler p;
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("20230801")));
    calisanSorgular();
    ASSERT_TRUE(p.KDVOraniYukle(QStringLiteral("20230709")));
    EXPECT_EQ(calisanSorgular().size(), 2);
    EXPECT_EQ(p.KDVOrani, 18.0f);
    EXPECT_EQ(p.KDVBaslangicTarihi, k2023);
    EXPECT_EQ(p.KDVBitisTarihi, QStringLiteral("20230710"));
    ASSERT_TRUE(p.KDVOraniYukle(k2023));
    EXPECT_TRUE(calisanSorgular().isEmpty());
    ASSERT_TRUE(p.KDVOraniYukle(QStringLiteral("20230710")));
    EXPECT_EQ(p.KDVOrani, 20.0f);
    ASSERT_TRUE(p.KDVOraniYukle(QStringLiteral("20230709"), true));
    EXPECT_EQ(p.KDVOrani, 18.0f);
    // Before the first row: 0 and unloaded.
    ASSERT_TRUE(p.KDVOraniYukle(QStringLiteral("20221231")));
    EXPECT_EQ(p.KDVOrani, 0.0f);
    EXPECT_TRUE(p.KDVBaslangicTarihi.isEmpty());
    // The fee group kept its own period throughout.
    EXPECT_EQ(p.HarclarDonemi().Baslangic, QStringLiteral("20230710"));
}

TEST_P(HarclarYukleme, TaxOnAnAttorneyFee) {
    harcSatiriEkle(k2023, {{"kdv", 18.0}});
    harcSatiriEkle(QStringLiteral("20230710"), {{"kdv", 20.0}});
    clsParametreler p;
    calisanSorgular();
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20230709")), Money());
    EXPECT_TRUE(calisanSorgular().isEmpty());  // option off: the rate is not even read

    p.VekaletUcretlerineKDVeklensin = true;
    // 1,000.55 × 18 / 100 = 180.099
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20230709")), M("180.099"));
    // 1,000.55 × 20 / 100 = 200.11
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20230710")), M("200.11"));
    // 3,217.33 × 20 / 100 = 643.466
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("3217.33"), QStringLiteral("20240101")), M("643.466"));
    // No rate before the first row.
    EXPECT_EQ(p.VekaletUcretiKDVHesapla(M("1000.55"), QStringLiteral("20221231")), Money());
}

TEST_P(HarclarYukleme, OptionsRow) {
    clsParametreler p;
    p.PesinHarcEklensin = true;
    p.FaizYildakiGunSayisi = 2;
    p.DortteUcVekaletUcretiBaslamaTarihi = QStringLiteral("20200101");
    // No row: everything cleared.
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

    // Stored flags: any non-zero number is true.
    db_->execute(QStringLiteral(
        "update tbloptions_all set dosyagidborcaekle = 1, pesinharcborcaekle = -1, "
        "ihdosyagidekle = 1, ihtebliggidekle = 1, cekesuretdpekle = 1, nafakayafaiz = 1, "
        "vekucretekdvekle = 1, faizyildakigunsayisi = 2, senetekomisyonhesapla = 1, "
        "dortteucvekaletucretiuygula = 1, dortteucvekaletucretiuygulamabaslamatarihi = "
        "'20231201', TodalariVekaletUcretiBorcAslinaDahilEt = 1"));
    ASSERT_TRUE(p.HesapAyrintilariniYukle());
    EXPECT_TRUE(p.DosyaGideriEklensin);
    EXPECT_TRUE(p.PesinHarcEklensin);
    EXPECT_TRUE(p.IHDosyaGideriEklensin);
    EXPECT_TRUE(p.IHTebligGideriEklensin);
    EXPECT_TRUE(p.CekeSuretDPEklensin);
    EXPECT_TRUE(p.NafakayaFaizHesaplansin);
    EXPECT_TRUE(p.VekaletUcretlerineKDVeklensin);
    EXPECT_EQ(p.FaizYildakiGunSayisi, 2);
    EXPECT_TRUE(p.SeneteKomisyonHesapla);
    EXPECT_TRUE(p.DortteUcVekaletUcreti);
    EXPECT_EQ(p.DortteUcVekaletUcretiBaslamaTarihi, QStringLiteral("20231201"));
    EXPECT_TRUE(p.TodalariVekaletUcretiBorcAslinaDahilEt);

    // Options are not dated: every call reads.
    calisanSorgular();
    ASSERT_TRUE(p.HesapAyrintilariniYukle());
    ASSERT_TRUE(p.HesapAyrintilariniYukle());
    EXPECT_EQ(calisanSorgular().size(), 2);
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(HarclarYukleme, WholeSetIsCachedPerPeriod) {
    harcSatiriEkle(k2023);
    digerUcretSatiriEkle(k2023);
    araligiEkle(k2023, 1, para("100000"), 16.0);
    araligiEkle(k2023, 2, para("99999999"), 10.0);
    seceneklerEkle({{"pesinharcborcaekle", 1}});
    clsParametreler p;
    ASSERT_TRUE(p.TumParametreleriYukle(QStringLiteral("20230601")));
    // fees 2, attachment fees 2, options 1, scale 2 and its five amounts 1
    EXPECT_EQ(calisanSorgular().size(), 8);
    EXPECT_TRUE(p.PesinHarcEklensin);
    EXPECT_EQ(p.IHAltOran, 10.0f);  // the columns without a hearing
    EXPECT_EQ(p.VekaletUcretiAralikSayisi(), 2);

    ASSERT_TRUE(p.TumParametreleriYukle(QStringLiteral("20231231")));
    EXPECT_EQ(calisanSorgular().size(), 1);  // only the options
    ASSERT_TRUE(p.TumParametreleriYukle(QStringLiteral("20231231"), true));
    EXPECT_EQ(calisanSorgular().size(), 8);
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(HarclarYukleme, WholeSetGoesOnPastAFailedGroup) {
    harcSatiriEkle(k2023, {{"dosyagideri", QVariant()}});
    digerUcretSatiriEkle(k2023);
    araligiEkle(k2023, 1, para("99999999"), 10.0);
    seceneklerEkle({{"pesinharcborcaekle", 1}});
    clsParametreler p;
    EXPECT_FALSE(p.TumParametreleriYukle(QStringLiteral("20230601")));
    EXPECT_EQ(guard_.errors().messages(),
              QStringList(hataMesaji("clsParametreler.HarclariYukle", 94, "Invalid use of Null")));
    EXPECT_FALSE(p.HarclarDonemi().Yuklu());
    EXPECT_TRUE(p.IHVekaletUcretleriDonemi().Yuklu());
    EXPECT_TRUE(p.PesinHarcEklensin);
    EXPECT_TRUE(p.VekaletUcretleriDonemi().Yuklu());
}

TEST_P(HarclarYukleme, StatementsRunAsWritten) {
    harcSatiriEkle(k2023);
    digerUcretSatiriEkle(k2023);
    araligiEkle(k2023, 1, para("99999999"), 10.0);
    clsParametreler p;
    const QString tarih = QStringLiteral("20230601");
    const QString bitis = QStringLiteral(
        " select a.tarih from %1 as a  where a.tarih = (select "
        "min (b.tarih)  from %1 b where b.tarih > '20230101');");
    ASSERT_TRUE(p.HarclariYukle(tarih));
    EXPECT_EQ(calisanSorgular(),
              QStringList({uyarlanmis(QStringLiteral(
                               " select a.* from tblharclar as a  where a.tarih = (select max "
                               "(b.tarih)  from tblharclar b where b.tarih <= '20230601');")),
                           uyarlanmis(bitis.arg(QStringLiteral("tblharclar")))}));
    ASSERT_TRUE(p.KDVOraniYukle(tarih));
    EXPECT_EQ(calisanSorgular(),
              QStringList({uyarlanmis(QStringLiteral(
                               " select a.tarih, a.kdv from tblharclar as a  where a.tarih = "
                               "(select max (b.tarih)  from tblharclar b where b.tarih <= "
                               "'20230601');")),
                           uyarlanmis(bitis.arg(QStringLiteral("tblharclar")))}));
    ASSERT_TRUE(p.IHVekaletUcretleriniYukle(tarih));
    EXPECT_EQ(calisanSorgular(),
              QStringList({uyarlanmis(QStringLiteral(
                               " select a.* from tbldigervekaletucretleri as a  where a.tarih = "
                               "(select max (b.tarih)  from tbldigervekaletucretleri b where "
                               "b.tarih <= '20230601' ); ")),
                           uyarlanmis(bitis.arg(QStringLiteral("tbldigervekaletucretleri")))}));
    ASSERT_TRUE(p.VekaletUcretleriniYukle(tarih));
    EXPECT_EQ(
        calisanSorgular(),
        QStringList({uyarlanmis(QStringLiteral(
                         "select miktar, oran, tarih   from tblvekaletucretioranlari as a  where "
                         "a.tarih = (select max (b.tarih)  from tblvekaletucretioranlari b  where "
                         "b.tarih <= '20230601' ) order by kod asc; ")),
                     uyarlanmis(bitis.arg(QStringLiteral("tblvekaletucretioranlari"))),
                     uyarlanmis(QStringLiteral(
                         " select a.minvekaletucreti, a.konusuparaolmayanvekucr, "
                         "a.minvekaletucretitavani, a.icracezavekaletucreti, "
                         "a.tahliyevekaletucreti  from tbldigervekaletucretleri as a  where "
                         "a.tarih = (select max (b.tarih)  from tbldigervekaletucretleri b  where "
                         "b.tarih <= '20230601' ); "))}));
    ASSERT_TRUE(p.HesapAyrintilariniYukle());
    EXPECT_EQ(calisanSorgular(),
              QStringList(uyarlanmis(QStringLiteral(" select *  from tbloptions_all "))));
    // A quote in a date cannot end the literal early.
    ASSERT_TRUE(p.HarclariYukle(QStringLiteral("2023'; delete from tblharclar; --"), true));
    EXPECT_EQ(p.BasvuruHarci, Money());
    ASSERT_TRUE(p.HarclariYukle(tarih));
    EXPECT_EQ(p.BasvuruHarci, M("427.60"));
}

INSTANTIATE_TEST_SUITE_P(Backends, HarclarYukleme, ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
