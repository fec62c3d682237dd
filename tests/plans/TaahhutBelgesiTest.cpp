// The commitment document: the debt statement and the schedule on a file whose summary
// is set by hand, the statement's total against the plan's target on a calculated
// file, the expense detail, the laid-out PDF and the plan display's commands for it.

#include "PlanTestDestegi.h"

#include "plans/TaahhutBelgesi.h"
#include "plans/TaahhutBelgesiDocument.h"
#include "plans/frmShowPlan.h"
#include "ui/DocumentService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>

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
    // Takip Çıkışı 11,839.84 = 10,000 principal + 150 interest + 7.50 BSMV + 2,000
    // compensation + 50 commission + 120 attorney fee of the attachment (100 + 20 VAT)
    // + 500 other claims (300 + 200) + 12.34 their interest - 1,000 collected before.
    // First costs 50 + 10 + 30.25 + 5 + 15 + 100 = 210.25. The schedule: 7,000.00 +
    // 6,725.09 = 13,725.09, the file's total debt.
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
        f.FaturaFaiziKDVOrani = 18;
        f.TazminatOrani = 20;
        f.KomisyonOrani = 0.5f;
        f.TaahhutTarihindeFaizTutari_AsilAlacak = para("600");
        f.TaahhutTarihindeFaizTutari_SonrakiAlacak = para("25");
        using O = clsHesapOzeti;
        for (auto [alan, tutar] : std::initializer_list<std::pair<Money O::*, const char*>>{
                 {&O::BorcAsli, "10000"},
                 {&O::IslemisFaiz_AsilAlacak, "150"},
                 {&O::BSMVIslemisFaiz, "7.50"},
                 {&O::Tazminat, "2000"},
                 {&O::Komisyon, "50"},
                 {&O::IHVekaletUcreti, "100"},
                 {&O::IHVekaletUcreti_KDV, "20"},
                 {&O::TakipOncesiDigerAlacaklar, "500"},
                 {&O::IslemisFaiz_TODA, "12.34"},
                 {&O::TakipOncesiToplamTahsilat_Doviz, "1000"},
                 {&O::TakipCikisi_TLKismi, "11839.84"},
                 {&O::BasvuruHarci, "50"},
                 {&O::VekaletHarci, "10"},
                 {&O::PostaGideri, "30.25"},
                 {&O::DosyaGideri, "5"},
                 {&O::BaroPulu, "15"},
                 {&O::PesinHarc, "100"},
                 {&O::EklenenNafaka, "400"},
                 {&O::ToplamMasraf, "180"},
                 {&O::VekaletUcreti, "1500"},
                 {&O::TahsilHarci_Odenen, "200"},
                 {&O::TahsilHarci_Kalan, "300"},
                 {&O::SonrakiFaiz, "900"},
                 {&O::BSMVSonrakiFaiz, "45"},
                 {&O::Bakiye_TL, "13725.09"}})
            f.HesapOzeti().*alan = para(tutar);
    }
    TaahhutBelgesi belge(bool masrafDetayi = false) {
        TaahhutBelgesi b(*foy_);
        b.TakipSonrasitoplamTahsilat = para("2000");
        b.MasrafDetayiniYazdir = masrafDetayi;
        b.Satirlar = {test::planSatiri(1, "20240131", "7000"),
                      test::planSatiri(2, "20240229", "6725.09")};
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

// Total: 11,839.84 + 210.25 first costs + 400 maintenance + 250 later claim + 180
// expenses + 1,500 attorney fee + 400 collection fee (200 + 300 - 100 advance fee)
// + 625 interest to the commitment (600 + 25) + 275 after it (900 - 625) + 45 BSMV
// = 15,725.09, less 2,000 collected after the start = 13,725.09. The lines above
// Takip Çıkışı are not counted again. With the expenses one by one in date and code
// order, the unofficial 25 among them, their sum replaces the expense total:
// 13,725.09 - 180 + (25 + 60 + 40) = 13,670.09.
TEST_P(TaahhutBelgesiTest, DebtStatement) {
    elleOzet();
    masrafDetayi();
    const TaahhutBelgesi b = belge();
    EXPECT_EQ(dokum(b),
              liste({"10.000,00 | -TL Borç Aslı",
                     "150,00 | -TL Asıl Alacağın Takip Tarihine Kadar İşlemiş Faizi",
                     "7,50 | -TL BSMV %5",
                     "2.000,00 | -TL Tazminat %20",
                     "50,00 | -TL Komisyon %0,5",
                     "120,00 | -TL İ. H. Vekalet Ücreti",
                     "300,00 | -TL Kira*",
                     "200,00 | -TL Aidat",
                     "12,34 | -TL (*) İşaretli Alacakların Faizi",
                     "1.000,00 | -TL Takip Öncesi Tahsilat",
                     "11.839,84 | -TL Takip Çıkışı",
                     "210,25 | -TL İlk Takip Masrafı",
                     "400,00 | -TL Eklenen Nafaka",
                     "250,00 | -TL Kira Farkı",
                     "180,00 | -TL İcra Giderleri",
                     "1.500,00 | -TL Vekalet Ücreti",
                     "400,00 | -TL Tahsil Harcı",
                     "625,00 | -TL Takip Tarihinden Taahhütte Bulunma Tarihine Kadar İşlemiş Faiz",
                     "275,00 | -TL Taahhütte Bulunma Tarihinden Taahhüt Bitimine Kadar "
                     "İşleyecek Faiz",
                     "45,00 | -TL Faizin %5 BSMV'si",
                     "2.000,00 | -TL Takip Sonrası Toplam Tahsilat",
                     "13.725,09 | -TL TOPLAM BORÇ"}));
    EXPECT_EQ(b.ToplamBorc, para("13725.09"));

    const TaahhutBelgesi detayli = belge(true);
    const QStringList satirlar = dokum(detayli);
    const qsizetype ilk = satirlar.indexOf(QStringLiteral("250,00 | -TL Kira Farkı"));
    EXPECT_EQ(satirlar.mid(ilk, 5),
              liste({"250,00 | -TL Kira Farkı", "25,00 | -TL Yol", "60,00 | -TL Haciz",
                     "40,00 | -TL Tebligat", "1.500,00 | -TL Vekalet Ücreti"}));
    EXPECT_EQ(detayli.ToplamBorc, para("13670.09"));
    hataYok();
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
    EXPECT_EQ(b.SolTutar, satirlar({"500,00 TL", "1.000,00 TL", ""}));
    EXPECT_EQ(b.SagSira, satirlar({"3", "4", ""}));
    EXPECT_EQ(b.SagTarih, satirlar({"15.04.2024", "15.05.2024", ""}));
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

// The laid-out document: each amount stands before its label, the schedule's halves
// side by side, the account statement appended when asked.
TEST_P(TaahhutBelgesiTest, Pdf) {
    elleOzet();
    const TaahhutBelgesi b = belge();
    EXPECT_EQ(taahhutBelgesiDocument(b, false, true).blocks.size(), 2);
    const QString dosya = test::scratchPath(QStringLiteral("taahhut-belgesi.pdf"));
    ASSERT_TRUE(DocumentService().writePdf(taahhutBelgesiDocument(b, true, true), dosya));
    hataYok();
    if (test::pdftotext().isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString metin = test::pdfSatirlari(dosya).join(u'\n');
    for (const char* s :
         {"TAAHHÜT BELGESİ", "Föy Kodu : 1", "10.000,00 -TL Borç Aslı",
          "11.839,84 -TL Takip Çıkışı", "2.000,00 -TL Takip Sonrası Toplam Tahsilat",
          "13.725,09 -TL TOPLAM BORÇ", "1 31.01.2024 7.000,00 TL 2 29.02.2024 6.725,09 TL",
          "Takip çıkışı (TL kısmı) 11.839,84", "Bakiye (TL) 13.725,09"})
        EXPECT_TRUE(metin.contains(QString::fromUtf8(s))) << s << "\n" << metin.toStdString();
}

// Keeps what would be previewed and whether the print command was enabled meanwhile.
class KayitliBelgeler : public DocumentService {
public:
    bool yaziciVar = true, komutAcikti = true;
    QList<Document> onizlenenler;
    QString pdfYolu;  // what the save dialog answers
    int pdfSoruldu = 0;
    bool hasDefaultPrinter() const override { return yaziciVar; }
    QString askPdfPath(QWidget*, const QString&) override {
        ++pdfSoruldu;
        return pdfYolu;
    }
    void preview(const Document& belge, QWidget* parent) override {
        onizlenenler << belge;
        auto* pencere = qobject_cast<frmShowPlan*>(parent);
        komutAcikti = !pencere || pencere->cmdPrint->isEnabled();
    }
};

// The print and PDF commands of the plan display on the hand-set file: the checks before
// them, the document with the window's options, and failures that leave them usable.
TEST_P(TaahhutBelgesiTest, CommandsOfThePlanDisplay) {
    const QString dosya = test::scratchPath(QStringLiteral("taahhut-pencere.pdf"));
    const QString yazilamaz = test::scratchPath(QStringLiteral("yok/taahhut.pdf"));
    const struct {
        bool pdf, yazici, foyVar;
        QString pdfYolu, mesaj;
    } durumlar[] = {
        {false,
         false,
         true,
         {},
         QStringLiteral("Lütfen varsayılan bir yazıcı tanımlayıp tekrar deneyiniz.")},
        {false, true, true, {}, {}},     // printed
        {true, false, true, dosya, {}},  // saved without a printer
        {true, false, true, yazilamaz, QStringLiteral("PDF dosyası yazılamadı: ") + yazilamaz},
        // Last: the error report stays with the fixture.
        {false, true, false, {}, {}},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.pdfYolu.toStdString() + d.mesaj.toStdString());
        SetUp();
        guard_.messages().clear();
        QFile::remove(dosya);
        elleOzet();
        borclu(1);
        auto belgeler = std::make_shared<KayitliBelgeler>();
        belgeler->yaziciVar = d.yazici;
        belgeler->pdfYolu = d.pdfYolu;
        frmShowPlan pencere;
        pencere.setDocumentService(belgeler);
        pencere.FoyKodu = 1;
        if (d.foyVar)
            pencere.FoyBilgileri = std::shared_ptr<clsFoyBilgileri>(foy_.get(), [](auto*) {});
        pencere.PlaniGoster({belge().Satirlar, {}, para("2000")});
        pencere.show();
        pencere.cboborclu->setCurrentIndex(0);
        pencere.chkIlkTakipMasraflarininDetayiniYazdir->setChecked(true);
        pencere.chkHesapDokumunuMetneEkle->setChecked(true);
        QPushButton* komut = d.pdf ? pencere.cmdPdf : pencere.cmdPrint;
        komut->click();

        EXPECT_EQ(mesajlar(), d.mesaj.isEmpty() ? QStringList() : QStringList{d.mesaj});
        EXPECT_TRUE(komut->isEnabled());
        EXPECT_EQ(belgeler->pdfSoruldu, d.pdf ? 1 : 0);
        EXPECT_EQ(QFile::exists(dosya), d.pdfYolu == dosya);
        const bool onizlendi = d.yazici && d.foyVar;
        ASSERT_EQ(belgeler->onizlenenler.size(), onizlendi ? 1 : 0);
        EXPECT_EQ(hatalar().join(u'\n').section(u'\r', 0, 0),
                  d.foyVar ? QString()
                           : QStringLiteral(
                                 "Hatanın oluştuğu yer : Hesap.frmShowPlan.TaahhutBelgesiYazdir"));
        if (!onizlendi)
            continue;
        EXPECT_FALSE(belgeler->komutAcikti);
        // Statement, schedule, the account statement's heading and its balances; the first
        // costs line by line.
        const Document& belge = belgeler->onizlenenler.first();
        ASSERT_EQ(belge.blocks.size(), 4);
        EXPECT_TRUE(belge.blocks[0].columns.value(1).contains(QStringLiteral("-TL Başvuru Harcı")));
        EXPECT_EQ(belge.blocks[0].columns.value(0).last(), QStringLiteral("13.725,09"));
        EXPECT_EQ(belge.blocks[1].columns.value(5), QStringList{QStringLiteral("6.725,09 TL")});
    }
}

QUV_ON_BACKENDS(TaahhutBelgesiTest);

}  // namespace
}  // namespace quv
