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

class VekaletUcretleriYukleme : public test::ParametreVeritabaniTesti {};

TEST_P(VekaletUcretleriYukleme, AttachmentFeeColumnsByHearing) {
    digerUcretSatiriEkle(k2023);
    digerUcretSatiriEkle(k2024, {{"altoran", 11.0}, {"durusmaaltoran", 16.0}});
    clsParametreler p;
    ASSERT_TRUE(p.IHVekaletUcretleriniYukle(QStringLiteral("20230601")));
    EXPECT_EQ(p.IHAltOran, 10.0f);
    EXPECT_EQ(p.IHDeger, M("10000"));
    EXPECT_EQ(p.IHUstDeger, M("1500"));
    EXPECT_EQ(p.IHVekaletUcretleriDonemi().Bitis, k2024);

    // Inside the period without forcing, a different hearing flag keeps the values.
    calisanSorgular();
    ASSERT_TRUE(p.IHVekaletUcretleriniYukle(QStringLiteral("20231231"), false, true));
    EXPECT_TRUE(calisanSorgular().isEmpty());
    EXPECT_EQ(p.IHAltOran, 10.0f);
    // Forced, the hearing columns.
    ASSERT_TRUE(p.IHVekaletUcretleriniYukle(QStringLiteral("20231231"), true, true));
    EXPECT_EQ(p.IHAltOran, 15.0f);
    EXPECT_EQ(p.IHDeger, M("20000"));
    EXPECT_EQ(p.IHUstDeger, M("3000"));
    ASSERT_TRUE(p.IHVekaletUcretleriniYukle(k2024, false, true));
    EXPECT_EQ(p.IHAltOran, 16.0f);

    // Before the first row: cleared.
    ASSERT_TRUE(p.IHVekaletUcretleriniYukle(QStringLiteral("20221231")));
    EXPECT_EQ(p.IHAltOran, 0.0f);
    EXPECT_EQ(p.IHDeger, Money());
    EXPECT_FALSE(p.IHVekaletUcretleriDonemi().Yuklu());
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(VekaletUcretleriYukleme, NullAttachmentFeeFailsOnlyTheColumnsItNeeds) {
    digerUcretSatiriEkle(k2023, {{"ustdeger", QVariant()}});
    clsParametreler p;
    p.IHAltOran = 3;
    EXPECT_FALSE(p.IHVekaletUcretleriniYukle(k2023));
    EXPECT_EQ(guard_.errors().messages(),
              QStringList(hataMesaji("clsParametreler.IHVekaletUcretleriniYukle", 94,
                                     "Invalid use of Null")));
    EXPECT_EQ(p.IHAltOran, 3.0f);
    EXPECT_FALSE(p.IHVekaletUcretleriDonemi().Yuklu());
    // The hearing columns are complete, so a load with the hearing flag succeeds.
    guard_.errors().clear();
    EXPECT_TRUE(p.IHVekaletUcretleriniYukle(k2023, false, true));
    EXPECT_EQ(p.IHUstDeger, M("3000"));
}

TEST_P(VekaletUcretleriYukleme, ScaleInKodOrderWithItsPeriod) {
    // Inserted out of order: the brackets follow kod.
    araligiEkle(k2023, 3, para("99999999"), 6.0);
    araligiEkle(k2023, 1, para("1000"), 10.0);
    araligiEkle(k2023, 2, para("3000"), 8.0);
    araligiEkle(k2024, 1, para("2000"), 12.0);
    araligiEkle(k2024, 2, para("99999999"), 9.0);
    digerUcretSatiriEkle(k2023);
    clsParametreler p;
    ASSERT_TRUE(p.VekaletUcretleriniYukle(QStringLiteral("20231231")));
    ASSERT_EQ(p.VekaletUcretiAralikSayisi(), 3);
    EXPECT_EQ(p.VekaletUcretiAraligi(1).Deger, M("1000"));
    EXPECT_EQ(p.VekaletUcretiAraligi(2).Oran, 8.0f);
    EXPECT_EQ(p.VekaletUcretiAraligi(3).Deger, M("99999999"));
    EXPECT_EQ(p.VekaletUcretleriDonemi().Bitis, k2024);
    EXPECT_EQ(p.TabanVekaletUcreti, M("400"));
    EXPECT_EQ(p.TahliyeVekaletUcreti, M("800"));

    calisanSorgular();
    ASSERT_TRUE(p.VekaletUcretleriniYukle(k2023));
    EXPECT_TRUE(calisanSorgular().isEmpty());

    // The next date's scale; no newer row of the five amounts, so they stay.
    ASSERT_TRUE(p.VekaletUcretleriniYukle(k2024));
    EXPECT_EQ(calisanSorgular().size(), 3);
    ASSERT_EQ(p.VekaletUcretiAralikSayisi(), 2);
    EXPECT_EQ(p.VekaletUcretiAraligi(1).Deger, M("2000"));
    EXPECT_EQ(p.VekaletUcretleriDonemi().Bitis, QStringLiteral("99991231"));
    EXPECT_EQ(p.TabanVekaletUcreti, M("400"));
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

TEST_P(VekaletUcretleriYukleme, FiveAmountsNullReadAsZeroAndAnEmptyScaleStaysUnloaded) {
    digerUcretSatiriEkle(k2023, {{"minvekaletucreti", QVariant()}});
    clsParametreler p;
    p.VekaletUcretiAraliklari = {{M("5"), 1.0f}};
    p.TabanVekaletUcreti = M("1");
    ASSERT_TRUE(p.VekaletUcretleriniYukle(QStringLiteral("20220601")));
    EXPECT_EQ(p.TabanVekaletUcreti, M("1"));  // no row of the five amounts yet
    ASSERT_TRUE(p.VekaletUcretleriniYukle(QStringLiteral("20230601")));
    EXPECT_EQ(p.TabanVekaletUcreti, Money());
    EXPECT_EQ(p.TahliyeVekaletUcreti, M("800"));
    EXPECT_EQ(p.VekaletUcretiAralikSayisi(), 0);
    EXPECT_FALSE(p.VekaletUcretleriDonemi().Yuklu());
    calisanSorgular();
    ASSERT_TRUE(p.VekaletUcretleriniYukle(QStringLiteral("20230601")));
    EXPECT_EQ(calisanSorgular().size(), 2);
    EXPECT_TRUE(guard_.errors().messages().isEmpty());
}

// The half-loaded group: the earlier scale stays whole and the group is not loaded.
TEST_P(VekaletUcretleriYukleme, NullInTheScaleFailsTheLoad) {
    araligiEkle(QStringLiteral("20220101"), 1, para("99999999"), 7.0);
    araligiEkle(k2023, 1, para("1000"), 10.0);
    araligiEkle(k2023, 2, QVariant(), 8.0);
    digerUcretSatiriEkle(k2023);
    clsParametreler p;
    ASSERT_TRUE(p.VekaletUcretleriniYukle(QStringLiteral("20220601")));
    EXPECT_FALSE(p.VekaletUcretleriniYukle(QStringLiteral("20230601")));
    EXPECT_EQ(guard_.errors().messages(),
              QStringList(hataMesaji("clsParametreler.VekaletUcretleriniYukle", 94,
                                     "Invalid use of Null")));
    ASSERT_EQ(p.VekaletUcretiAralikSayisi(), 1);
    EXPECT_EQ(p.VekaletUcretiAraligi(1).Oran, 7.0f);
    EXPECT_FALSE(p.VekaletUcretleriDonemi().Yuklu());

    db_->execute(QStringLiteral(
        "update tblvekaletucretioranlari set miktar = 99999999 where miktar is null"));
    guard_.errors().clear();
    ASSERT_TRUE(p.VekaletUcretleriniYukle(QStringLiteral("20230601")));
    EXPECT_EQ(p.VekaletUcretiAralikSayisi(), 2);
}

INSTANTIATE_TEST_SUITE_P(Backends, VekaletUcretleriYukleme,
                         ::testing::ValuesIn(test::availableBackends()), [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
