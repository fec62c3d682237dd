// The commitment document: the debt statement and the schedule on a file whose summary
// is set by hand, the statement's total against the plan's target on a calculated
// file, the expense detail and the laid-out PDF.

#include "PlanTestDestegi.h"

#include "plans/TaahhutBelgesi.h"
#include "plans/TaahhutBelgesiDocument.h"
#include "ui/DocumentService.h"

namespace quv {
namespace {

using test::para;

const QString CRLF = QStringLiteral("\r\n");

QStringList liste(std::initializer_list<const char*> l) {
    QStringList s;
    for (const char* x : l)
        s << QString::fromUtf8(x);
    return s;
}

class TaahhutBelgesiTest : public test::OdemePlaniTesti {
protected:
    // A working copy whose summary is set by hand (file 1, nothing calculated):
    // Takip Çıkışı 10,689.84 = 10,000 principal + 7.50 BSMV + 50 commission + 120
    // attorney fee of the attachment (100 + 20 VAT) + 500 other claims (300 + 200) +
    // 12.34 their interest. First costs 50 + 30.25 + 100 = 180.25. The schedule:
    // 7,000.00 + 3,645.09 = 10,645.09, the file's total debt.
    void elleOzet() {
        dosya();
        toda("Kira", "300", "20230101", 9);
        toda("Aidat", "200", "", 0);
        // Later claims in code order: the first one is zero and is left out.
        db_->addRow(QStringLiteral("tblfoy_sonrakialacak"),
                    kv({"foykodu", 1, "alacakkodu", 2, "alacakadi", "Kira Farkı", "tutar", 250}));
        db_->addRow(QStringLiteral("tblfoy_sonrakialacak"),
                    kv({"foykodu", 1, "alacakkodu", 1, "alacakadi", "Aidat Borcu", "tutar", 0}));
        foy_ = std::make_unique<clsFoyBilgileri>();
        clsFoyBilgileri& f = *foy_;
        f.FoyKodu = 1;
        f.BSMVOrani = 5;
        f.KomisyonOrani = 0.5f;
        f.TaahhutTarihindeFaizTutari_AsilAlacak = para("600");
        f.TaahhutTarihindeFaizTutari_SonrakiAlacak = para("25");
        using O = clsHesapOzeti;
        for (auto [alan, tutar] : std::initializer_list<std::pair<Money O::*, const char*>>{
                 {&O::BorcAsli, "10000"},
                 {&O::BSMVIslemisFaiz, "7.50"},
                 {&O::Komisyon, "50"},
                 {&O::IHVekaletUcreti, "100"},
                 {&O::IHVekaletUcreti_KDV, "20"},
                 {&O::TakipOncesiDigerAlacaklar, "500"},
                 {&O::IslemisFaiz_TODA, "12.34"},
                 {&O::TakipCikisi_TLKismi, "10689.84"},
                 {&O::BasvuruHarci, "50"},
                 {&O::PostaGideri, "30.25"},
                 {&O::PesinHarc, "100"},
                 {&O::ToplamMasraf, "180"},
                 {&O::TahsilHarci_Odenen, "200"},
                 {&O::TahsilHarci_Kalan, "300"},
                 {&O::SonrakiFaiz, "900"},
                 {&O::BSMVSonrakiFaiz, "45"},
                 {&O::Bakiye_TL, "10645.09"}})
            f.HesapOzeti().*alan = para(tutar);
    }
    TaahhutBelgesi belge(bool masrafDetayi = false) {
        TaahhutBelgesi b(*foy_);
        b.TakipSonrasitoplamTahsilat = para("2000");
        b.MasrafDetayiniYazdir = masrafDetayi;
        b.Satirlar = {test::planSatiri(1, "20240131", "7000"),
                      test::planSatiri(2, "20240229", "3645.09")};
        b.Olustur();
        return b;
    }
    // The statement's lines as "amount | label".
    static QStringList dokum(const TaahhutBelgesi& b) {
        const QStringList tutarlar = b.Tutarlar.split(CRLF), etiketler = b.Etiketler.split(CRLF);
        QStringList liste;
        for (qsizetype i = 0; i < std::max(tutarlar.size(), etiketler.size()); ++i)
            liste << tutarlar.value(i) + QStringLiteral(" | ") + etiketler.value(i);
        return liste;
    }
    // Expense types and three expenses of file 1 (codes in entry order): an unofficial
    // 25 and an official 60 on 1 May, an official 40 on 1 June.
    void masrafDetayi() {
        for (const auto& [kod, ad] : {std::pair{1, "Tebligat"}, {2, "Yol"}, {3, "Haciz"}})
            db_->addRow(QStringLiteral("tblmasrafturu"), kv({"kod", kod, "ad", ad}));
        for (const auto& [kod, tarih, tutar, resmi, tur] : {std::tuple{3, "20230601", 40, 1, 1},
                                                            {1, "20230501", 25, 0, 2},
                                                            {2, "20230501", 60, 1, 3}})
            db_->addRow(QStringLiteral("tblfoy_masraf"),
                        kv({"foykodu", 1, "masrafkodu", kod, "masraftarihi", tarih, "masraftutari",
                            tutar, "resmi", resmi, "masrafturukodu", tur}));
    }
};

// Zero and negative amounts give no line; a line break inside a label would split the
// columns and is taken out.
TEST(TaahhutBelgesiAddToList, OneLinePerPositiveAmount) {
    QString etiketler, tutarlar;
    Money toplam = para("1");
    for (auto [tutar, etiket] : {std::pair{"0", "Sıfır"},
                                 {"-5", "Eksi"},
                                 {"1234.5", "  Birinci\r\nSatır "},
                                 {"0.25", "İkinci"}})
        TaahhutBelgesi::AddToList(etiketler, tutarlar, para(tutar), QString::fromUtf8(etiket),
                                  toplam);
    EXPECT_EQ(etiketler, QStringLiteral("-TL BirinciSatır\r\n-TL İkinci"));
    EXPECT_EQ(tutarlar, QStringLiteral("1.234,50\r\n,25"));
    EXPECT_EQ(toplam, para("1235.75"));  // 1 + 1234.50 + 0.25
}

// Total: 10,689.84 + 180.25 first costs + 250 later claim + 180 expenses + 400
// collection fee (200 + 300 - 100 advance fee) + 625 interest to the commitment (600 +
// 25) + 275 after it (900 - 625) + 45 BSMV = 12,645.09, less 2,000 collected after the
// start = 10,645.09. The lines above Takip Çıkışı are not counted again. With the
// expenses one by one in date and code order, the unofficial 25 among them, their sum
// replaces the expense total: 10,645.09 - 180 + (25 + 60 + 40) = 10,590.09.
TEST_P(TaahhutBelgesiTest, DebtStatementAndPdf) {
    elleOzet();
    masrafDetayi();
    const TaahhutBelgesi b = belge();
    EXPECT_EQ(
        dokum(b),
        liste({"10.000,00 | -TL Borç Aslı", "7,50 | -TL BSMV %5", "50,00 | -TL Komisyon %0,5",
               "120,00 | -TL İ. H. Vekalet Ücreti", "300,00 | -TL Kira*", "200,00 | -TL Aidat",
               "12,34 | -TL (*) İşaretli Alacakların Faizi", "10.689,84 | -TL Takip Çıkışı",
               "180,25 | -TL İlk Takip Masrafı", "250,00 | -TL Kira Farkı",
               "180,00 | -TL İcra Giderleri", "400,00 | -TL Tahsil Harcı",
               "625,00 | -TL Takip Tarihinden Taahhütte Bulunma Tarihine Kadar İşlemiş Faiz",
               "275,00 | -TL Taahhütte Bulunma Tarihinden Taahhüt Bitimine Kadar "
               "İşleyecek Faiz",
               "45,00 | -TL Faizin %5 BSMV'si", "2.000,00 | -TL Takip Sonrası Toplam Tahsilat",
               "10.645,09 | -TL TOPLAM BORÇ"}));
    EXPECT_EQ(b.ToplamBorc, para("10645.09"));

    const TaahhutBelgesi detayli = belge(true);
    const QStringList ayrintili = dokum(detayli);
    const qsizetype ilk = ayrintili.indexOf(QStringLiteral("250,00 | -TL Kira Farkı"));
    EXPECT_EQ(ayrintili.mid(ilk, 5),
              liste({"250,00 | -TL Kira Farkı", "25,00 | -TL Yol", "60,00 | -TL Haciz",
                     "40,00 | -TL Tebligat", "400,00 | -TL Tahsil Harcı"}));
    EXPECT_EQ(detayli.ToplamBorc, para("10590.09"));

    // The laid-out document: each amount stands before its label, the schedule's halves
    // side by side, the account statement appended when asked.
    EXPECT_EQ(taahhutBelgesiDocument(b, false, true).blocks.size(), 2);
    const QString dosya = test::scratchPath(QStringLiteral("taahhut-belgesi.pdf"));
    ASSERT_TRUE(DocumentService().writePdf(taahhutBelgesiDocument(b, true, true), dosya));
    hataYok();
    if (test::pdftotext().isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString metin = test::pdfSatirlari(dosya).join(u'\n');
    for (const char* s :
         {"TAAHHÜT BELGESİ", "Föy Kodu : 1", "10.000,00 -TL Borç Aslı", "10.645,09 -TL TOPLAM BORÇ",
          "1 31.01.2024 7.000,00 TL 2 29.02.2024 3.645,09 TL", "Takip çıkışı (TL kısmı) 10.689,84",
          "Bakiye (TL) 10.645,09"})
        EXPECT_TRUE(metin.contains(QString::fromUtf8(s))) << s << "\n" << metin.toStdString();
}

// Rows without a date or an amount are left out; the left half takes the extra row of
// an odd count; the numbers run on into the right half.
TEST_P(TaahhutBelgesiTest, Schedule) {
    clsFoyBilgileri foy;
    TaahhutBelgesi b(foy);
    for (auto [tarih, tutar] : {std::pair{"20240115", "500"},
                                {"20240215", "1000"},
                                {"", "1000"},
                                {"20240315", "0"},
                                {"20240415", "1234.5"},
                                {"20240515", "0.5"}})
        b.Satirlar << test::planSatiri(0, tarih, tutar);
    b.TaksitleriOlustur();
    const auto satirlar = [](std::initializer_list<const char*> l) { return liste(l).join(CRLF); };
    EXPECT_EQ(b.SolSira, satirlar({"1", "2", ""}));
    EXPECT_EQ(b.SolTarih, satirlar({"15.01.2024", "15.02.2024", ""}));
    EXPECT_EQ(b.SagSira, satirlar({"3", "4", ""}));
    EXPECT_EQ(b.SagTutar, satirlar({"1.234,50 TL", "0,50 TL", ""}));
    b.Satirlar.removeLast();
    b.TaksitleriOlustur();
    EXPECT_EQ(b.SolSira, satirlar({"1", "2", ""}));
    EXPECT_EQ(b.SagSira, satirlar({"3", ""}));
}

// A file with interest before and after the start, fees, an expense, a later claim and
// a collection after the start: the statement's total is what the plan's rows add up
// to, with the first costs and the expenses in one line or line by line.
TEST_P(TaahhutBelgesiTest, TotalDebtIsThePlansTarget) {
    harcAyarla(test::alanlar(QStringLiteral(
        "basvuruharci=427.60 vekaletnameharci=87.50 pesinharcorani=0.5 evrakgideri=7.75 "
        "ilktebligatgideri=85 dosyagideri=12.25 baropulu=44 tahsilharcorani1=4.55")));
    secenekAyarla(test::alanlar(QStringLiteral("dosyagidborcaekle=1 pesinharcborcaekle=1")));
    alacakliAyarla(test::alanlar(QStringLiteral(
        "harchesapla=1 vekaletharcihesapla=1 pesinharchesapla=1 tahsilharcihesapla=1")));
    dosya({{QStringLiteral("bsmvorani"), 5}});
    borclu(1);
    alacak("20230101", "10000");
    sonrakiAlacak("20230601", "500", 9);
    masrafDetayi();
    tahsilat("20230701", "1000", 1);
    OdemePlaniHesabi& p = ac();
    p.Sayiya = {para("1000"), QStringLiteral("20240131"), 6, 1, E_ST_Ay};
    ASSERT_TRUE(p.HesaplaSayiya()) << hatalar().join(u'\n').toStdString();
    std::optional<OdemePlani> plan = p.PlanOlustur();
    ASSERT_TRUE(plan);
    const clsHesapOzeti& o = p.Wizardfoy->HesapOzeti();
    for (Money terim : {plan->TakipSonrasiToplamTahsilat, o.IslemisFaiz_AsilAlacak, o.SonrakiFaiz,
                        o.BasvuruHarci, o.TahsilHarci_Odenen})
        ASSERT_GT(terim, Money());
    const Money hedef =
        OdemePlaniHesabi::HedefToplamiBul(*p.Wizardfoy, plan->TakipSonrasiToplamTahsilat);
    EXPECT_EQ(plan->Toplam, hedef);
    for (int detay = 0; detay < 4; ++detay) {
        TaahhutBelgesi b(*p.Wizardfoy);
        b.Satirlar = plan->Satirlar;
        b.TakipSonrasitoplamTahsilat = plan->TakipSonrasiToplamTahsilat;
        b.IlkTakipMasraflariDetayli = detay & 1;
        b.MasrafDetayiniYazdir = detay & 2;  // the working copy loads every expense
        b.Olustur();
        EXPECT_EQ(b.ToplamBorc, hedef) << detay << b.Etiketler.toStdString();
    }
    hataYok();
}

QUV_ON_BACKENDS(TaahhutBelgesiTest);

}  // namespace
}  // namespace quv
