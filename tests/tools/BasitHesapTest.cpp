// The simple interest calculator: its checks and the hand-worked amounts (BasitHesap), the
// workbook and the printed statement, the window's wiring (frmBasitHesap) and the contract of
// "quvhesap interest".

#include "../parameters/ParametreTestVerisi.h"
#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "file/DbFixture.h"
#include "file/clsFoyBilgileri.h"
#include "tools/BasitHesapBelgesi.h"
#include "tools/BasitHesapExcel.h"
#include "tools/frmBasitHesap.h"
#include "ui/DataGrid.h"
#include "ui/DateEdit.h"
#include "ui/DocumentService.h"
#include "ui/MoneyEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <functional>

namespace quv {

inline void PrintTo(const BasitHesapSatiri& s, std::ostream* os) {
    *os << s.Tutar.toDecimalString().toStdString() << " " << s.Aciklama.toStdString();
}

namespace {

using Satirlar = QList<BasitHesapSatiri>;
using Alan = BasitHesap::Alan;

using test::M;

// Lines from "amount description|amount description|...".
Satirlar satirlar(const char* metin) {
    Satirlar out;
    for (const QString& s : QString::fromUtf8(metin).split(u'|'))
        out.append({Money::parse(s.section(u' ', 0, 0)), s.section(u' ', 1)});
    return out;
}

// Tariffs from 2000 (the shared test rows): application 427.60, power of attorney 87.50,
// document 7.75, first notification 85, stamp on copies 3.15, file 12.25, bar stamp 44;
// advance fee 0.5 %, collection fee 4.55 % before a seizure; rounding unit 1. File expense
// and advance fee added. Attorney fee 12 % up to 5,000, 10 % above, minimum 400. Shared rate
// tables: 7 "Yasal Faiz" 9 % from 1.1.2022 and 24 % from 1.6.2023; 3 "Avans Faizi" 15.75 %
// from 1.1.2020 (listed twice); 9 "Föye Özel" of file 5, which the calculator does not offer.
class BasitHesapTest : public test::ParametreVeritabaniTesti {
protected:
    void SetUp() override {
        ParametreVeritabaniTesti::SetUp();
        harcSatiriEkle(QStringLiteral("20000101"));
        digerUcretSatiriEkle(QStringLiteral("20000101"));
        araligiEkle(QStringLiteral("20000101"), 1, 5000, 12);
        araligiEkle(QStringLiteral("20000101"), 2, 999999999, 10);
        seceneklerEkle({{"dosyagidborcaekle", 1}, {"pesinharcborcaekle", 1}});
        for (const auto& [foy, kod, ad] : {std::tuple{0, 7, "Yasal Faiz"},
                                           {0, 3, "Avans Faizi"},
                                           {0, 3, "Avans Faizi"},
                                           {5, 9, "Föye Özel"}})
            db_->addRow("tblfaizoranitablosu", {{"foykodu", foy},
                                                {"faizoranitablosukodu", kod},
                                                {"faizoranitablosuadi", QString::fromUtf8(ad)},
                                                {"mevduatfaizoranitablosu", 0}});
        for (const auto& [foy, kod, tarih, oran] : {std::tuple{0, 7, "20220101", 9.0},
                                                    {0, 7, "20230601", 24.0},
                                                    {0, 3, "20200101", 15.75},
                                                    {5, 9, "20200101", 30.0}})
            db_->addRow("tblfaizoranitablosu_detay", {{"foykodu", foy},
                                                      {"faizoranitablosukodu", kod},
                                                      {"tarih", tarih},
                                                      {"faizorani", oran}});
        ana_.setActiveConnection(db_);
    }
    QString errorText() { return guard_.errors().messages().join(u'\n'); }
    clsHesapAna ana_;
};

// The case worked out by hand: 10,000.00 at a fixed 9 % from 1.1.2023, 500.00 bearing no
// interest, enforcement on 1.3.2023, calculated on 31.12.2023; by default a 365-day year,
// one debtor, fees on.
BasitHesap ornekHesap() {
    BasitHesap h;
    h.AsilAlacakTutari = M("10000");
    h.FaizIslemeyenAlacak = M("500");
    h.FaizOrani = 9.0f;
    h.FaizBaslangicTarihi = QStringLiteral("20230101");
    h.TakipTarihi = QStringLiteral("20230301");
    h.GununTarihi = QStringLiteral("20231231");
    return h;
}

// Interest on 10,000.00 at 9 % on a 365-day year, rounded to the cent:
//   1.1.2023 - 1.3.2023:   59 days: 10000 / 36500 * 59 * 9  = 145.4794.. -> 145.48
//   1.3.2023 - 31.12.2023: 305 days: 10000 / 36500 * 305 * 9 = 752.0547.. -> 752.05
// Enforcement (and fee base): 10,000.00 + 145.48 + 500.00 = 10,645.48.
// Initial fees: 427.60 + 87.50 + documents 7.75 * (0 notifications + 1) * 2 = 15.50
//   + file 12.25 + bar stamp 44 = 586.85 (no postage, stamp or advance fee).
// Remaining collection fee at 4.55 %: 10,645.48 * 0.0455 = 484.3693.. -> 484.37.
// Attorney fee: 5,000 * 12 % = 600 + 5,645.48 * 10 % = 564.548 -> 1,164.55.
// Balance: 10,645.48 + 586.85 + 484.37 + 1,164.55 + 752.05 = 13,633.30.
const Satirlar& ornekSatirlari() {
    static const Satirlar s = satirlar(
        "10000 Asıl Alacak|145.48 İşlemiş Faiz|500 Faiz İşlemeyen Alacak|"
        "10645.48 TAKİP ÇIKIŞI|586.85 İlk Takip Masrafları|484.37 Tahsil Harcı|"
        "1164.55 Vekalet Ücreti|752.05 Sonraki Faiz|13633.30 BAKİYE");
    return s;
}

// All 364 days accrue before a closing without enforcement, here on a 360-day year:
// 10000 / 36000 * 364 * 9 = 910.00; no fee. Balance 10,000 + 910 + 500 = 11,410.00.
Satirlar takipsizSatirlar() {
    return satirlar(
        "10000 Asıl Alacak|910 İşlemiş Faiz|500 Faiz İşlemeyen Alacak|0 TAKİP ÇIKIŞI|"
        "0 İlk Takip Masrafları|0 Tahsil Harcı|0 Vekalet Ücreti|0 Sonraki Faiz|"
        "11410 BAKİYE");
}

TEST(BasitHesapDogrulama, TheFirstBrokenRuleGivesItsMessageAndField) {
    test::SharedStateGuard guard;
    const struct {
        std::function<void(BasitHesap&)> degistir;
        Alan alan;
        const char* mesaj;
    } durumlar[] = {
        {[](BasitHesap& h) { h.AsilAlacakTutari = Money(); }, Alan::AsilAlacakTutari,
         "Lütfen asıl alacak tutarını giriniz."},
        {[](BasitHesap& h) { h.FaizOrani = 0; }, Alan::FaizOrani,
         "Lütfen faiz oranı giriniz veya bir faiz oranı tablosu seçiniz."},
        {[](BasitHesap& h) { h.FaizOraniTablosuKodu = 7; }, Alan::FaizOrani,
         "Lütfen faiz oranı veya faiz oranı tablosundan sadece birini seçiniz."},
        {[](BasitHesap& h) { h.FaizBaslangicTarihi.clear(); }, Alan::FaizBaslangicTarihi,
         "Lütfen faiz başlangıç tarihini giriniz."},
        {[](BasitHesap& h) { h.GununTarihi = QStringLiteral("20230230"); }, Alan::GununTarihi,
         "Lütfen günün tarihi için geçerli bir tarih giriniz: \"20230230\""},
        {[](BasitHesap& h) { h.GununTarihi = QStringLiteral("20230101"); }, Alan::GununTarihi,
         "Günün tarihi faiz başlangıç tarihinden sonra olmalıdır."},
        // The engine leaves a claim that starts after the enforcement out of the debt.
        {[](BasitHesap& h) { h.TakipTarihi = QStringLiteral("20221231"); }, Alan::TakipTarihi,
         "Takip tarihi faiz başlangıç tarihinden önce olamaz."},
        {[](BasitHesap& h) { h.AsilAlacakTutari = Money(), h.GununTarihi.clear(); },
         Alan::AsilAlacakTutari, "Lütfen asıl alacak tutarını giriniz."},
        {[](BasitHesap& h) { h.TakipTarihi = h.FaizBaslangicTarihi; }, Alan::Yok, ""},
    };
    for (const auto& d : durumlar) {
        BasitHesap hesap = ornekHesap();
        d.degistir(hesap);
        const BasitHesap::Dogrulama sonuc = hesap.ValuesOK();
        EXPECT_EQ(sonuc.alan, d.alan) << d.mesaj;
        EXPECT_EQ(sonuc.mesaj, QString::fromUtf8(d.mesaj));
    }
    // A run that cannot reach a database reports and says so.
    clsHesapAna ana;
    BasitHesap hesap = ornekHesap();
    EXPECT_FALSE(hesap.Hesapla(ana));
    EXPECT_FALSE(guard.errors().messages().isEmpty());
}

TEST_P(BasitHesapTest, TheLinesWorkedOutByHand) {
    auto tablo7 = [](BasitHesap& h) { h.FaizOrani = 0, h.FaizOraniTablosuKodu = 7; };
    const struct {
        const char* ad;
        std::function<void(BasitHesap&)> degistir;
        Satirlar satirlar;
    } durumlar[] = {
        {"fixed rate", [](BasitHesap&) {}, ornekSatirlari()},
        // The rate in force on 1.1.2023 (9 %) holds for the whole year: the change of
        // 1.6.2023 does not count before the next anniversary. The hand-worked case with the
        // interest periods and the fees listed one by one (documents 7.75 * (0 notifications
        // + 1) * 2 = 15.50).
        {"yearly table",
         [&](BasitHesap& h) {
             tablo7(h);
             h.YillikFaizUygula = h.FaizDetayiGoster = h.HarcDetayiGoster = true;
         },
         satirlar("10000 Asıl Alacak|"
                  "145.48 01.01.2023 - 01.03.2023 Asıl Alacağın Yıllık %9 İşlemiş Faizi|"
                  "500 Faiz İşlemeyen Alacak|10645.48 TAKİP ÇIKIŞI|427.60 Başvuru Harcı|"
                  "87.50 Vekalet Harcı|15.50 Evrak Masrafı|0 Posta Masrafı|0 Damga Pulu|"
                  "12.25 Dosya Gideri|44 Baro Pulu|0 Peşin Harç|0 MTS Harcı|484.37 Tahsil Harcı|"
                  "1164.55 Vekalet Ücreti|"
                  "752.05 01.03.2023 - 31.12.2023 Asıl Alacağın Yıllık %9 İşlemiş Faizi|"
                  "13633.30 BAKİYE")},
        // Table 7: 9 % since 1.1.2022, 24 % from 1.6.2023.
        //   1.1 - 1.3:   59 days at 9 %:  10000 / 36500 * 59 * 9   = 145.4794.. -> 145.48
        //   1.3 - 1.6:   92 days at 9 %:  10000 / 36500 * 92 * 9   = 226.8493.. -> 226.85
        //   1.6 - 31.12: 213 days at 24 %: 10000 / 36500 * 213 * 24 = 1400.5479.. -> 1400.55
        // Enforcement 10,145.48. Without the fee switch no application fee: 87.50 + 15.50
        // + 12.25 + 44 = 159.25. Collection fee 10,145.48 * 4.55 % = 461.62. Attorney fee
        // 600 + 5,145.48 * 10 % = 1,114.55. Balance 10,145.48 + 159.25 + 461.62 + 1,114.55
        // + 226.85 + 1,400.55 = 13,508.30.
        {"rate table",
         [&](BasitHesap& h) {
             tablo7(h);
             h.FaizIslemeyenAlacak = Money();
             h.HarcHesapla = false;
             h.FaizDetayiGoster = true;
         },
         satirlar("10000 Asıl Alacak|"
                  "145.48 01.01.2023 - 01.03.2023 Asıl Alacağın Yıllık %9 İşlemiş Faizi|"
                  "0 Faiz İşlemeyen Alacak|10145.48 TAKİP ÇIKIŞI|159.25 İlk Takip Masrafları|"
                  "461.62 Tahsil Harcı|1114.55 Vekalet Ücreti|"
                  "226.85 01.03.2023 - 01.06.2023 Asıl Alacağın Yıllık %9 İşlemiş Faizi|"
                  "1400.55 01.06.2023 - 31.12.2023 Asıl Alacağın Yıllık %24 İşlemiş Faizi|"
                  "13508.30 BAKİYE")},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ad);
        BasitHesap hesap = ornekHesap();
        d.degistir(hesap);
        ASSERT_TRUE(hesap.ValuesOK().gecerli()) << hesap.ValuesOK().mesaj.toStdString();
        EXPECT_TRUE(hesap.Hesapla(ana_));
        EXPECT_EQ(hesap.Satirlar, d.satirlar);
        EXPECT_EQ(errorText(), QString());
        ASSERT_TRUE(hesap.Foy);
        EXPECT_EQ(hesap.Foy->Mesaj, QString());
    }
    // The calculator stores nothing.
    RecordSet rs = db_->openRecordSet(QStringLiteral("select count(*) from tblfoy_hesap"));
    EXPECT_EQ(toInt32(rs.value(0)), 0);
    // A tariff that does not load leaves no lines: their fees would be wrong.
    db_->execute(QStringLiteral("update tblharclar set basvuruharci = null"));
    BasitHesap bozuk = ornekHesap();
    clsHesapAna yeni;  // the tariffs loaded above are kept by the first facade
    yeni.setActiveConnection(db_);
    EXPECT_FALSE(bozuk.Hesapla(yeni));
    EXPECT_TRUE(bozuk.Satirlar.isEmpty());
    EXPECT_TRUE(errorText().contains(QStringLiteral("Invalid use of Null")));
    // The shared tables are offered once each by name; table 9 belongs to a file.
    QStringList tablolar;
    for (const FaizOraniTablosuSecenegi& t : BasitHesap::FaizOraniTablolari())
        tablolar << QStringLiteral("%1 %2 %3").arg(t.FoyKodu).arg(t.Kodu).arg(t.Adi);
    EXPECT_EQ(tablolar, (QStringList{"0 3 Avans Faizi", "0 7 Yasal Faiz"}));
}

// A workbook's first sheet as "cell | cell" lines: shared texts resolved, numbers in the
// Turkish form.
QStringList sayfa(const QString& dosya) {
    auto parca = [&](const char* ad) {
        QProcess p;
        p.start(QStringLiteral("unzip"), {QStringLiteral("-p"), dosya, QString::fromLatin1(ad)});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    auto yakala = [](const QString& metin, const char* desen) {
        QStringList out;
        for (const auto& m : QRegularExpression(QString::fromLatin1(desen)).globalMatch(metin))
            out << m.captured(1);
        return out;
    };
    const QStringList metinler = yakala(parca("xl/sharedStrings.xml"), "<t[^>]*>([^<]*)</t>");
    const QRegularExpression hucre(
        QStringLiteral(R"x(<c r="\w+"(?: s="\d+")?( t="s")?><v>([^<]*)</v>)x"));
    QStringList out;
    for (const QString& satir :
         yakala(parca("xl/worksheets/sheet1.xml"), "<row [^>]*>(.*?)</row>")) {
        QStringList hucreler;
        for (const auto& m : hucre.globalMatch(satir))
            hucreler << (m.captured(1).isEmpty()
                             ? BasitHesap::TutarMetni(Money::parse(m.captured(2)))
                             : metinler.value(m.captured(2).toInt()));
        out << hucreler.join(QStringLiteral(" | "));
    }
    return out;
}

// Keeps what would be previewed instead of opening a print preview.
class KayitliBelgeler : public DocumentService {
public:
    bool yaziciVar = true;
    QList<Document> onizlenenler;
    bool hasDefaultPrinter() const override { return yaziciVar; }
    QString defaultPrinterName() const override { return QStringLiteral("Test Yazıcısı"); }
    void preview(const Document& belge, QWidget*) override { onizlenenler << belge; }
};

class frmBasitHesapTest : public BasitHesapTest {
protected:
    // The window, shown, with the inputs of the hand-worked case typed into its controls.
    std::unique_ptr<frmBasitHesap> ac() {
        auto p = std::make_unique<frmBasitHesap>();
        p->AktifHesap = &ana_;
        p->setDocumentService(belgeler_);
        p->show();
        EXPECT_EQ(p->otrGununTarihi->textDate(), QStringLiteral("20240115"));  // today
        for (const auto& [kutu, metin] : std::initializer_list<std::pair<QLineEdit*, const char*>>{
                 {p->oceAsilAlacakTutari, "10.000,00"},
                 {p->oceFaizIslemeyenAlacak, "500"},
                 {p->oceFaizOrani, "9"},
                 {p->otrFaizBaslangicTarihi, "01.01.2023"},
                 {p->otrTakipTarihi, "01.03.2023"},
                 {p->otrGununTarihi, "31.12.2023"}})
            kutu->setText(QString::fromUtf8(metin));
        return p;
    }
    QStringList mesajlar() { return guard_.messages().informations(); }
    std::shared_ptr<KayitliBelgeler> belgeler_ = std::make_shared<KayitliBelgeler>();
};

// A mistyped date is named, not read as "no enforcement"; a click from its box does not
// clear it first.
TEST_P(frmBasitHesapTest, AMistypedDateStopsTheCalculatorAndAChosenTableRuns) {
    auto p = ac();
    p->otrTakipTarihi->setText(QStringLiteral("31.04.2023"));
    p->otrTakipTarihi->setFocus();
    QApplication::setActiveWindow(p.get());
    QTest::mouseClick(p->cmdHesapla, Qt::LeftButton);
    EXPECT_EQ(mesajlar(), QStringList{"Lütfen takip tarihi için geçerli bir tarih giriniz: "
                                      "\"31.04.2023\""});
    EXPECT_EQ(p->focusWidget(), p->otrTakipTarihi);
    EXPECT_EQ(p->grdHesap->rowCount(), 0);

    // A chosen table runs and the engine's note is shown.
    guard_.messages().clear();
    p->otrTakipTarihi->setText(QStringLiteral("01.03.2023"));
    p->oceFaizOrani->clear();
    p->otrFaizBaslangicTarihi->setText(QStringLiteral("01.01.2019"));
    p->cboFaizOraniTablosu->setCurrentIndex(1);  // Avans Faizi, from 2020
    p->cmdHesapla->click();
    EXPECT_EQ(mesajlar(), QStringList{"01.01.2019 tarihli ve 10.000,00TL tutarlı alacağın faiz "
                                      "başlangıç tarihinde faiz oranı belirsizdir."});
}

TEST_P(frmBasitHesapTest, TheLinesGoToTheGridTheStatementAndTheWorkbook) {
    auto p = ac();
    p->cmdHesapla->click();
    EXPECT_EQ(mesajlar(), QStringList());
    // The lines as the user reads them; the amount at the enforcement start and the balance
    // bold.
    QStringList beklenen, grid;
    for (int i = 0; i < ornekSatirlari().size(); ++i) {
        const QString kalin = i == 3 || i == 8 ? QStringLiteral("*") : QString();
        beklenen << BasitHesap::TutarMetni(ornekSatirlari()[i].Tutar) + kalin +
                        QStringLiteral(" | ") + ornekSatirlari()[i].Aciklama + kalin;
        grid << p->grdHesap->displayText(i + 1, 0) +
                    (p->grdHesap->item(i, 0)->font().bold() ? QStringLiteral("*") : QString()) +
                    QStringLiteral(" | ") + p->grdHesap->displayText(i + 1, 1) +
                    (p->grdHesap->item(i, 1)->font().bold() ? QStringLiteral("*") : QString());
    }
    EXPECT_EQ(grid, beklenen);
    EXPECT_EQ(p->grdHesap->rowCount(), 9);

    // Printing previews the statement on the default printer (a separator before the bold
    // lines, the amounts right-aligned), or asks for one.
    p->cmdYazdir->click();
    ASSERT_EQ(belgeler_->onizlenenler.size(), 1);
    const DocumentBlock blok = belgeler_->onizlenenler.at(0).blocks.value(0);
    EXPECT_EQ(blok.columns.value(0),
              (QStringList{"10.000,00", "145,48", "500,00", "----------", "10.645,48", "586,85",
                           "484,37", "1.164,55", "752,05", "----------", "13.633,30"}));
    EXPECT_EQ(blok.columns.value(1).mid(8),
              (QStringList{"Sonraki Faiz", "-----------------", "BAKİYE"}));
    EXPECT_EQ(blok.alignments.value(0), Qt::AlignRight);
    EXPECT_TRUE(belgeler_->onizlenenler.at(0).title.startsWith("HESAP DÖKÜMÜ \r\nTarih : "));
    belgeler_->yaziciVar = false;
    p->cmdYazdir->click();
    EXPECT_EQ(belgeler_->onizlenenler.size(), 1);
    EXPECT_EQ(mesajlar(), QStringList{"Lütfen varsayılan bir yazıcı tanımlayıp tekrar deneyiniz."});

    // Two exports in the same second write two workbooks in the chosen folder.
    p->ExcelKlasoru = test::scratchPath(QStringLiteral("excel-") + GetParam().name);
    p->cmdExcel->click();
    p->cmdExcel->click();
    EXPECT_EQ(errorText(), QString());
    EXPECT_EQ(QFileInfo(p->SonExcelDosyasi).absolutePath(), QDir(p->ExcelKlasoru).absolutePath());
    EXPECT_EQ(QDir(p->ExcelKlasoru).entryList({QStringLiteral("*.xlsx")}).size(), 2);
    if (!QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty()) {
        EXPECT_EQ(sayfa(p->SonExcelDosyasi),
                  QStringList{"Tutar | Açıklama"} + beklenen.replaceInStrings("*", ""));
    }
    QString hata;
    EXPECT_FALSE(BasitHesapExcelYaz(ornekSatirlari(), test::scratchPath("yok/x.xlsx"), &hata));
    EXPECT_TRUE(hata.startsWith(QStringLiteral("Dosya yazılamadı: "))) << hata.toStdString();
}

QUV_ON_BACKENDS(BasitHesapTest);
QUV_ON_BACKENDS(frmBasitHesapTest);

// "quvhesap interest" with the arguments (blank-separated), run without a display or a
// chosen window platform, as on a server: the exit status, the output, the error output.
std::tuple<int, QString, QString> interest(const char* argumanlar, QStringList digerleri = {}) {
    QProcess p;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    for (const char* ad : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        ortam.remove(QString::fromLatin1(ad));
    p.setProcessEnvironment(ortam);
    p.start(QCoreApplication::applicationDirPath() + "/../../apps/quvhesap/quvhesap",
            QStringList{"interest"} + QString::fromUtf8(argumanlar).split(u' ') + digerleri);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// Every wrong value gets a Turkish message and exit status 2; a case as text, JSON, workbook
// and PDF.
TEST(BasitHesapCli, TheContract) {
    for (const auto& [argumanlar, mesaj] :
         std::initializer_list<std::pair<const char*, const char*>>{
             {"--rate 9", "--principal seçeneği gerekli."},
             {"--principal 1000 --start 20230101 --date 20231231 --rate yüzde",
              "--rate için 0 ile 1000 arasında"},
             // The calculator's own checks come through with their texts.
             {"--principal 1000 --start 20230101 --date 20231231",
              "Lütfen faiz oranı giriniz veya bir faiz oranı tablosu seçiniz."},
             // The tariffs and the rate tables are in the office's database.
             {"--principal 1000 --start 20230101 --date 20231231 --table 7",
              "--db seçeneği gerekli: faiz oranı tablosu"}}) {
        const auto [cikis, cikti, hata] = interest(argumanlar);
        EXPECT_EQ(cikis, 2) << argumanlar;
        EXPECT_TRUE(hata.contains(QString::fromUtf8(mesaj))) << hata.toStdString();
        EXPECT_EQ(cikti, QString());
    }
    // The case without enforcement on a 360-day year needs no database (its lines above).
    const char* ornek =
        "--principal 10.000,00 --interest-free 500 --rate 9 --start 20230101 --date 20231231 "
        "--days 360";
    const auto [cikis, metin, hata] = interest(ornek);
    ASSERT_EQ(cikis, 0) << hata.toStdString();
    // Amounts right-aligned to the widest text (the separator), then the description.
    for (const char* satir : {" 10.000,00  Asıl Alacak", "    910,00  İşlemiş Faiz",
                              "----------  -----------------", " 11.410,00  BAKİYE"})
        EXPECT_TRUE(metin.contains(QString::fromUtf8(satir))) << metin.toStdString();

    const QString xlsx = test::scratchPath("cli-basit.xlsx"),
                  pdf = test::scratchPath("cli-basit.pdf");
    const auto [jcikis, json, jhata] = interest(ornek, {"--json", "--xlsx", xlsx, "--pdf", pdf});
    ASSERT_EQ(jcikis, 0) << jhata.toStdString();
    Satirlar okunan;
    for (const QJsonValue& v : QJsonDocument::fromJson(json.toUtf8())["Satirlar"].toArray())
        okunan.append(
            {Money::fromDouble(v["Tutar"].toDouble()).roundTo2(), v["Aciklama"].toString()});
    EXPECT_EQ(okunan, takipsizSatirlar()) << json.toStdString();
    EXPECT_GT(QFileInfo(xlsx).size(), 0);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

}  // namespace
}  // namespace quv
