// The statement of a hand-derived calculation and its document (its PDF: DocumentService's tests).

#include "../calc/MotorTestDestegi.h"

#include "summary/HesapDokumu.h"
#include "summary/HesapDokumuBelgesi.h"
#include "ui/DocumentService.h"

namespace quv {
namespace {

class HesapDokumuTest : public test::HesapMotoruTesti {};

// 10,000 from 1 January 2023 at 9 % (365-day year), enforcement 1 March, total-debt
// order; an expense of 200 on 1 February, 1,000 collected on 1 May, stated as of
// 31 December 2023.
TEST_P(HesapDokumuTest, ClaimLinesCollectionPartsAndHead) {
    dosya({{QStringLiteral("tahsilatmahsupsirasi"), 3}, {QStringLiteral("avukatkodu"), 3}});
    alacak("20230101", "10000");
    tabloSatiri("tblmasrafturu", "kod=4 ad=Tebligat");
    tabloSatiri(
        "tblfoy_masraf",
        "foykodu=1 masrafkodu=1 masraftarihi=20230201 masraftutari=200 resmi=1 masrafturukodu=4");
    tahsilat("20230501", "1000");
    tabloSatiri("tblfoy_sahis", "foykodu=1 foysahiskodu=1 foysahistipi=1 ad=Ayşe soyad=Kaya");
    // A guarantor (another party type) is not named as a debtor.
    tabloSatiri("tblfoy_sahis", "foykodu=1 foysahiskodu=2 foysahistipi=2 ad=Ali soyad=Kefil");
    tabloSatiri("tblavukat", "avukatkodu=3 ad=Can soyad=Demir");
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
    QStringList satirlar;
    for (const HesapDokumu::FaizSatiri& s : a.FaizSatirlari)
        satirlar << QStringList{s.Baslangic,  s.Bitis, s.Gun,     s.Oran,
                                s.AsilAlacak, s.Tutar, s.Aciklama}
                        .join(u'|');
    EXPECT_EQ(
        satirlar,
        (QStringList{
            // 10000 / 36500 × 59 × 9 = 145.479
            "01.01.2023|01.03.2023|59|9,00|10.000,00|145,48|Faiz başlangıç tarihinden "
            "takip tarihine kadar.",
            // 10000 / 36500 × 61 × 9 = 150.411
            "01.03.2023|01.05.2023|61|9,00|10.000,00|150,41|Takip tarihinden tahsilat "
            "tarihine kadar.",
            // the collection paid 504.11 of the principal: 9495.89 / 36500 × 244 × 9 = 571.314
            "01.05.2023|31.12.2023|244|9,00|9.495,89|571,31|Tahsilat tarihinden hesap "
            "tarihine kadar."}));
    EXPECT_EQ(a.FaizToplami, QStringLiteral("867,20"));  // 145.48 + 150.41 + 571.31

    // Interest first (145.48 + 150.41), the expense, the rest to the principal.
    ASSERT_EQ(d->Tahsilatlar.size(), 1);
    EXPECT_EQ(d->Tahsilatlar.first().Kisimlar,
              (QList<HesapDokumu::Satir>{
                  {"Faiz", "295,89"}, {"Harç ve masraflar", "200,00"}, {"Asıl alacak", "504,11"}}));
    ASSERT_EQ(d->Masraflar.size(), 1);  // its kind: in the document
    // Nothing is stored by a statement.
    EXPECT_TRUE(db_->openRecordSet(QStringLiteral("select * from tblfoy_hesap")).eof());

    // The printed document carries the head, the lines and the collections; the guarantor
    // is named nowhere as a debtor.
    const Document belge = hesapDokumuBelgesi(*d);
    QString metin = belge.title;
    for (const DocumentBlock& b : belge.blocks)
        for (const QStringList& sutun : b.columns)
            metin += u'\n' + b.heading + u'\n' + sutun.join(u'\n');
    for (const char* s : {"HESAP DÖKÜMÜ", "Ayşe Kaya", "571,31", "504,11", "Tebligat"})
        EXPECT_TRUE(metin.contains(QString::fromUtf8(s))) << s;
    EXPECT_FALSE(metin.contains(QStringLiteral("Kefil")));
}

INSTANTIATE_TEST_SUITE_P(Backends, HesapDokumuTest, ::testing::ValuesIn(test::availableBackends()),
                         test::adi);

}  // namespace
}  // namespace quv
