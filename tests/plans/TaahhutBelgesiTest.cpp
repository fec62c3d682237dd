// The commitment document: the debt statement and the schedule on a file whose summary
// is set by hand, the statement's total against the plan's target on a calculated
// file, the expense detail on both backends, and the laid-out PDF.

#include "PlanTestDestegi.h"

#include "ui/DocumentService.h"
#include "plans/TaahhutBelgesi.h"
#include "plans/TaahhutBelgesiDocument.h"
#include "plans/frmShowPlan.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>

namespace quv {
namespace {

using test::para;

const QString CRLF = QStringLiteral("\r\n");

// The statement's lines as "amount | label" for readable comparisons.
QStringList dokum(const TaahhutBelgesi& b) {
    const QStringList tutarlar = b.Tutarlar.split(CRLF);
    const QStringList etiketler = b.Etiketler.split(CRLF);
    QStringList liste;
    for (qsizetype i = 0; i < std::max(tutarlar.size(), etiketler.size()); ++i)
        liste << tutarlar.value(i) + QStringLiteral(" | ") + etiketler.value(i);
    return liste;
}

QStringList liste(std::initializer_list<const char*> l) {
    QStringList s;
    for (const char* x : l)
        s << QString::fromUtf8(x);
    return s;
}
QString satirlar(std::initializer_list<const char*> l) {
    return liste(l).join(CRLF);
}

// 7,000.00 + 6,725.09 = 13,725.09, the hand-set file's total debt.
QList<OdemePlaniSatiri> ikiTaksit() {
    return {test::planSatiri(1, "20240131", "7000"), test::planSatiri(2, "20240229", "6725.09")};
}

class TaahhutBelgesiTest : public test::OdemePlaniTesti {
protected:
    // A working copy whose summary is set by hand (file 1, nothing calculated):
    // Takip Çıkışı 11,839.84 = 10,000 principal + 150 interest + 7.50 BSMV + 2,000
    // compensation + 50 commission + 120 attorney fee of the attachment (100 + 20 VAT)
    // + 500 other claims (300 + 200) + 12.34 their interest - 1,000 collected before.
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
        clsHesapOzeti& o = f.HesapOzeti();
        // First costs 50 + 10 + 30.25 + 5 + 15 + 100 = 210.25.
        o.BorcAsli = para("10000");
        o.IslemisFaiz_AsilAlacak = para("150");
        o.BSMVIslemisFaiz = para("7.50");
        o.Tazminat = para("2000");
        o.Komisyon = para("50");
        o.IHVekaletUcreti = para("100");
        o.IHVekaletUcreti_KDV = para("20");
        o.TakipOncesiDigerAlacaklar = para("500");
        o.IslemisFaiz_TODA = para("12.34");
        o.TakipOncesiToplamTahsilat_Doviz = para("1000");
        o.TakipCikisi_TLKismi = para("11839.84");
        o.BasvuruHarci = para("50");
        o.VekaletHarci = para("10");
        o.PostaGideri = para("30.25");
        o.DosyaGideri = para("5");
        o.BaroPulu = para("15");
        o.PesinHarc = para("100");
        o.EklenenNafaka = para("400");
        o.ToplamMasraf = para("180");
        o.VekaletUcreti = para("1500");
        o.TahsilHarci_Odenen = para("200");
        o.TahsilHarci_Kalan = para("300");
        o.SonrakiFaiz = para("900");
        o.BSMVSonrakiFaiz = para("45");
    }

    TaahhutBelgesi belge(bool ilkMasrafDetayli = false, const char* sonraTahsilat = "2000") {
        TaahhutBelgesi b(*foy_);
        b.TakipSonrasitoplamTahsilat = para(sonraTahsilat);
        b.IlkTakipMasraflariDetayli = ilkMasrafDetayli;
        b.BorcDokumunuOlustur();
        return b;
    }

    // Expense types and three expenses of file 1 (codes in entry order): an unofficial
    // 25 and an official 60 on 1 May, an official 40 on 1 June.
    void masrafDetayi() {
        for (const auto& [kod, ad] :
             {std::pair{1, "Tebligat"}, std::pair{2, "Yol"}, std::pair{3, "Haciz"}})
            db_->addRow(QStringLiteral("tblmasrafturu"),
                        kv({"kod", kod, "ad", QString::fromUtf8(ad)}));
        for (const auto& [kod, tarih, tutar, resmi, tur] :
             {std::tuple{3, "20230601", 40, 1, 1}, std::tuple{1, "20230501", 25, 0, 2},
              std::tuple{2, "20230501", 60, 1, 3}})
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
// Takip Çıkışı are not counted again.
TEST_P(TaahhutBelgesiTest, DebtStatement) {
    elleOzet();
    TaahhutBelgesi b = belge();
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
    EXPECT_FALSE(b.Etiketler.endsWith(CRLF));
    hataYok();
}

// The expenses one by one in date and code order, the unofficial 25 among them. Their sum replaces
// the expense total: 13,725.09 - 180 + (25 + 60 + 40) = 13,670.09.
TEST_P(TaahhutBelgesiTest, ExpenseDetail) {
    elleOzet();
    masrafDetayi();
    TaahhutBelgesi b(*foy_);
    b.TakipSonrasitoplamTahsilat = para("2000");
    b.MasrafDetayiniYazdir = true;
    b.BorcDokumunuOlustur();
    hataYok();
    const QStringList satirlar = dokum(b);
    const qsizetype ilk = satirlar.indexOf(QStringLiteral("250,00 | -TL Kira Farkı"));
    ASSERT_GE(ilk, 0) << b.Etiketler.toStdString();
    EXPECT_EQ(satirlar.mid(ilk, 5),
              liste({"250,00 | -TL Kira Farkı", "25,00 | -TL Yol", "60,00 | -TL Haciz",
                     "40,00 | -TL Tebligat", "1.500,00 | -TL Vekalet Ücreti"}));
    EXPECT_EQ(b.ToplamBorc, para("13670.09"));
}

// Rows without a date or an amount are left out; the left half takes the extra row of
// an odd count; the numbers run on into the right half.
TEST_P(TaahhutBelgesiTest, Schedule) {
    dosya();
    clsFoyBilgileri foy;
    TaahhutBelgesi b(foy);
    const auto satir = [](const char* tarih, const char* tutar) {
        return test::planSatiri(0, tarih, tutar);
    };
    b.Satirlar = {satir("20240115", "500"), satir("20240215", "1000"),   satir("", "1000"),
                  satir("20240315", "0"),   satir("20240415", "1234.5"), satir("20240515", "0.5")};
    b.TaksitleriOlustur();
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
    hataYok();
}

// A file with interest before and after the start, fees, an expense, a later claim and
// a collection after the start: the statement's total is what the plan's rows add up
// to, with the first costs and the expenses in one line or line by line.
TEST_P(TaahhutBelgesiTest, TotalDebtIsThePlansTarget) {
    harcAyarla({{QStringLiteral("basvuruharci"), 427.60},
                {QStringLiteral("vekaletnameharci"), 87.50},
                {QStringLiteral("pesinharcorani"), 0.5},
                {QStringLiteral("evrakgideri"), 7.75},
                {QStringLiteral("ilktebligatgideri"), 85},
                {QStringLiteral("dosyagideri"), 12.25},
                {QStringLiteral("baropulu"), 44},
                {QStringLiteral("tahsilharcorani1"), 4.55}});
    secenekAyarla(
        {{QStringLiteral("dosyagidborcaekle"), 1}, {QStringLiteral("pesinharcborcaekle"), 1}});
    alacakliAyarla({{QStringLiteral("harchesapla"), 1},
                    {QStringLiteral("vekaletharcihesapla"), 1},
                    {QStringLiteral("pesinharchesapla"), 1},
                    {QStringLiteral("tahsilharcihesapla"), 1}});
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
        SCOPED_TRACE(detay);
        TaahhutBelgesi b(*p.Wizardfoy);
        b.Satirlar = plan->Satirlar;
        b.TakipSonrasitoplamTahsilat = plan->TakipSonrasiToplamTahsilat;
        b.IlkTakipMasraflariDetayli = detay & 1;
        // All expenses are loaded by the working copy, so all are listed.
        b.MasrafDetayiniYazdir = detay & 2;
        b.Olustur();
        EXPECT_EQ(b.ToplamBorc, hedef) << b.Etiketler.toStdString();
        EXPECT_TRUE(b.Etiketler.contains(QStringLiteral("-TL Takip Sonrası Toplam Tahsilat")));
        EXPECT_TRUE(b.SolSira.startsWith(QStringLiteral("1\r\n")));
    }
    hataYok();
}

// The laid-out document: each amount stands before its label, the schedule's halves
// side by side, the account statement appended when asked.
TEST_P(TaahhutBelgesiTest, Pdf) {
    elleOzet();
    foy_->HesapOzeti().Bakiye_TL = para("13725.09");
    TaahhutBelgesi b(*foy_);
    b.TakipSonrasitoplamTahsilat = para("2000");
    b.Satirlar = ikiTaksit();
    b.Olustur();
    hataYok();
    // Without the account statement only the statement and the schedule.
    EXPECT_EQ(taahhutBelgesiDocument(b, false, true).blocks.size(), 2);
    const Document detayli = taahhutBelgesiDocument(b, true, true);

    if (!test::pdftotextVar())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString dosya =
        QCoreApplication::applicationDirPath() +
        QStringLiteral("/taahhut-belgesi-%1.pdf").arg(test::backendName(GetParam()));
    ASSERT_TRUE(DocumentService().writePdf(detayli, dosya));
    const QStringList satirlar = test::pdfSatirlari(dosya);
    for (const char* s :
         {"TAAHHÜT BELGESİ", "Föy Kodu : 1", "10.000,00 -TL Borç Aslı",
          "11.839,84 -TL Takip Çıkışı", "2.000,00 -TL Takip Sonrası Toplam Tahsilat",
          "13.725,09 -TL TOPLAM BORÇ", "1 31.01.2024 7.000,00 TL 2 29.02.2024 6.725,09 TL",
          "Takip çıkışı (TL kısmı) 11.839,84", "Bakiye (TL) 13.725,09"})
        EXPECT_TRUE(std::any_of(satirlar.begin(), satirlar.end(),
                                [&](const QString& l) { return l.contains(QString::fromUtf8(s)); }))
            << s << "\n"
            << satirlar.join(u'\n').toStdString();
}

// Keeps what would be previewed and whether the print command was enabled meanwhile.
class KayitliBelgeler : public DocumentService {
public:
    bool yaziciVar = true;
    QList<Document> onizlenenler;
    bool komutAcikti = true;
    // What the save dialog answers and how often it was asked.
    QString pdfYolu;
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
    const QString klasor = QCoreApplication::applicationDirPath();
    const QString dosya =
        klasor + QStringLiteral("/taahhut-pencere-%1.pdf").arg(test::backendName(GetParam()));
    const QString yazilamaz = klasor + QStringLiteral("/yok/taahhut.pdf");
    const struct {
        const char* ad;
        bool pdf;
        bool yazici;
        bool foyVar;
        QString pdfYolu;
        QString mesaj;
        int onizleme;
    } durumlar[] = {
        {"no printer",
         false,
         false,
         true,
         {},
         QStringLiteral("Lütfen varsayılan bir yazıcı tanımlayıp tekrar deneyiniz."),
         0},
        {"printed", false, true, true, {}, {}, 1},
        {"pdf saved without a printer", true, false, true, dosya, {}, 0},
        {"pdf not writable", true, false, true, yazilamaz,
         QStringLiteral("PDF dosyası yazılamadı: ") + yazilamaz, 0},
        // Last: the error report stays with the fixture.
        {"no working copy: an error", false, true, false, {}, {}, 0},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ad);
        SetUp();
        guard_.messages().clear();
        QFile::remove(dosya);
        elleOzet();
        borclu(1);
        foy_->HesapOzeti().Bakiye_TL = para("13725.09");
        auto belgeler = std::make_shared<KayitliBelgeler>();
        belgeler->yaziciVar = d.yazici;
        belgeler->pdfYolu = d.pdfYolu;
        frmShowPlan pencere;
        pencere.setDocumentService(belgeler);
        pencere.FoyKodu = 1;
        if (d.foyVar)
            pencere.FoyBilgileri = std::shared_ptr<clsFoyBilgileri>(foy_.get(), [](auto*) {});
        OdemePlani plan;
        plan.Satirlar = ikiTaksit();
        plan.TakipSonrasiToplamTahsilat = para("2000");
        pencere.PlaniGoster(plan);
        pencere.show();
        pencere.cboborclu->setCurrentIndex(0);
        pencere.chkIlkTakipMasraflarininDetayiniYazdir->setChecked(true);
        pencere.chkHesapDokumunuMetneEkle->setChecked(true);
        QPushButton* komut = d.pdf ? pencere.cmdPdf : pencere.cmdPrint;
        komut->click();

        EXPECT_EQ(guard_.messages().informations(),
                  d.mesaj.isEmpty() ? QStringList() : QStringList{d.mesaj});
        EXPECT_TRUE(komut->isEnabled());
        EXPECT_EQ(belgeler->pdfSoruldu, d.pdf ? 1 : 0);
        EXPECT_EQ(QFile::exists(dosya), d.pdfYolu == dosya);
        ASSERT_EQ(belgeler->onizlenenler.size(), d.onizleme);
        if (!d.foyVar) {
            ASSERT_EQ(hatalar().size(), 1);
            EXPECT_TRUE(hatalar().first().startsWith(
                QStringLiteral("Hatanın oluştuğu yer : Hesap.frmShowPlan.TaahhutBelgesiYazdir")))
                << hatalar().first().toStdString();
        } else {
            hataYok();
        }
        if (!d.onizleme)
            continue;
        EXPECT_FALSE(belgeler->komutAcikti);
        const Document& belge = belgeler->onizlenenler.first();
        // Statement, schedule, the account statement's heading and its balances.
        ASSERT_EQ(belge.blocks.size(), 4);
        const QStringList etiketler = belge.blocks[0].columns.value(1);
        EXPECT_TRUE(etiketler.contains(QStringLiteral("-TL Başvuru Harcı")));
        EXPECT_EQ(etiketler.last(), QStringLiteral("-TL TOPLAM BORÇ"));
        EXPECT_EQ(belge.blocks[0].columns.value(0).last(), QStringLiteral("13.725,09"));
        EXPECT_EQ(belge.blocks[1].columns.value(5), QStringList{QStringLiteral("6.725,09 TL")});
    }
}

QUV_ON_BACKENDS(TaahhutBelgesiTest);

}  // namespace
}  // namespace quv
