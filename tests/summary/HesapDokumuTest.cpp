// The account statement from a real calculation: a small file whose values are derived
// by hand, and the PDF of demo file 1001 written next to the test binary.

#include "../calc/MotorTestDestegi.h"

#include "formats/DemoVerisi.h"
#include "summary/HesapDokumu.h"
#include "summary/HesapDokumuBelgesi.h"
#include "ui/DocumentService.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace quv {
namespace {

class HesapDokumuTest : public test::HesapMotoruTesti {};

// 10,000 from 1 January 2023 at 9 % (365-day year), enforcement 1 March, total-debt
// order; an expense of 200 on 1 February, 1,000 collected on 1 May, stated as of
// 31 December 2023.
TEST_P(HesapDokumuTest, ClaimLinesCollectionPartsAndHead) {
    dosya({{QStringLiteral("tahsilatmahsupsirasi"), 3}, {QStringLiteral("avukatkodu"), 3}});
    alacak("20230101", "10000");
    tabloSatiri("tblmasrafturu", QStringLiteral("kod=4 ad=Tebligat"));
    tabloSatiri("tblfoy_masraf", QStringLiteral("foykodu=1 masrafkodu=1 masraftarihi=20230201 "
                                                "masraftutari=200 resmi=1 masrafturukodu=4"));
    tahsilat("20230501", "1000");
    tabloSatiri("tblfoy_sahis", QStringLiteral("foykodu=1 foysahiskodu=1 foysahistipi=1 ad=Ayşe "
                                               "soyad=Kaya"));
    // A guarantor (another party type) is not named as a debtor.
    tabloSatiri("tblfoy_sahis", QStringLiteral("foykodu=1 foysahiskodu=2 foysahistipi=2 ad=Ali "
                                               "soyad=Kefil"));
    tabloSatiri("tblavukat", QStringLiteral("avukatkodu=3 ad=Can soyad=Demir"));
    clsHesapAna hesap;
    const std::optional<HesapDokumu> d = hesapDokumuHesapla(hesap, 1, QStringLiteral("20231231"));
    hataYok();
    ASSERT_TRUE(d);

    for (const char* s : {"Borçlu=Ayşe Kaya", "Alacaklı Vekili=Av. Can Demir",
                          "Takip Tarihi=01.03.2023", "Hesap Tarihi=31.12.2023"}) {
        const QString satir = QString::fromUtf8(s);
        EXPECT_TRUE(d->Kunye.contains({satir.section(u'=', 0, 0), satir.section(u'=', 1)})) << s;
    }
    ASSERT_EQ(d->Alacaklar.size(), 1);
    const HesapDokumu::Alacak& a = d->Alacaklar.first();
    const struct {
        const char *bas, *bit, *gun, *anapara, *faiz, *aciklama;
    } satirlar[] = {
        // 10000 / 36500 × 59 × 9 = 145.479
        {"01.01.2023", "01.03.2023", "59", "10.000,00", "145,48",
         "Faiz başlangıç tarihinden takip tarihine kadar."},
        // 10000 / 36500 × 61 × 9 = 150.411
        {"01.03.2023", "01.05.2023", "61", "10.000,00", "150,41",
         "Takip tarihinden tahsilat tarihine kadar."},
        // after the collection paid 504.11 of the principal: 9495.89 / 36500 × 244 × 9 = 571.314
        {"01.05.2023", "31.12.2023", "244", "9.495,89", "571,31",
         "Tahsilat tarihinden hesap tarihine kadar."},
    };
    ASSERT_EQ(a.FaizSatirlari.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const HesapDokumu::FaizSatiri& s = a.FaizSatirlari[i];
        EXPECT_EQ(
            QStringList({s.Baslangic, s.Bitis, s.Gun, s.Oran, s.AsilAlacak, s.Tutar, s.Aciklama})
                .join(u'|'),
            QStringList({satirlar[i].bas, satirlar[i].bit, satirlar[i].gun, "9,00",
                         satirlar[i].anapara, satirlar[i].faiz,
                         QString::fromUtf8(satirlar[i].aciklama)})
                .join(u'|'));
    }
    EXPECT_EQ(a.FaizToplami, QStringLiteral("867,20"));  // 145.48 + 150.41 + 571.31

    // Interest first (145.48 + 150.41), the expense, the rest to the principal.
    ASSERT_EQ(d->Tahsilatlar.size(), 1);
    EXPECT_EQ(d->Tahsilatlar.first().Tutar, QStringLiteral("1.000,00"));
    EXPECT_EQ(
        d->Tahsilatlar.first().Kisimlar,
        (QList<HesapDokumu::Satir>{{QStringLiteral("Faiz"), QStringLiteral("295,89")},
                                   {QStringLiteral("Harç ve masraflar"), QStringLiteral("200,00")},
                                   {QStringLiteral("Asıl alacak"), QStringLiteral("504,11")}}));
    ASSERT_EQ(d->Masraflar.size(), 1);
    EXPECT_EQ(d->Masraflar.first().Tur, QStringLiteral("Tebligat"));
    // Nothing is stored by a statement.
    EXPECT_TRUE(db_->openRecordSet(QStringLiteral("select * from tblfoy_hesap")).eof());
}

TEST_P(HesapDokumuTest, PdfOfDemoFile1001) {
    db_ = test::freshDatabase(GetParam(), QStringLiteral("hesap_dokumu_demo"));
    demoVerisiniYukle(*db_, QStringLiteral(QUV_DEMO_DIR));
    clsHesapAna hesap;
    const std::optional<HesapDokumu> d = hesapDokumuHesapla(hesap, 1001);
    hataYok();
    ASSERT_TRUE(d);
    const QString dosya = QCoreApplication::applicationDirPath() +
                          QStringLiteral("/hesap-dokumu-1001-%1.pdf").arg(GetParam().name);
    ASSERT_TRUE(DocumentService().writePdf(hesapDokumuBelgesi(*d), dosya));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QProcess p;
    p.start(pdftotext, {dosya, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(60000));
    const QString metin = QString::fromUtf8(p.readAllStandardOutput()).simplified();
    for (const char* s : {"HESAP DÖKÜMÜ", "Hüseyin Çelik", "Tahsilatlar"})
        EXPECT_TRUE(metin.contains(QString::fromUtf8(s))) << s;
    // Fatma Çelik is the guarantor of file 1001, not a debtor.
    EXPECT_FALSE(metin.contains(QStringLiteral("Fatma")));
}

INSTANTIATE_TEST_SUITE_P(Backends, HesapDokumuTest, ::testing::ValuesIn(test::availableBackends()),
                         test::adi);

}  // namespace
}  // namespace quv
