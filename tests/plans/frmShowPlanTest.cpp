// The plan display driven offscreen through its named controls: the grid and its total,
// the debtor list and their numbers, the place of stored commitments, the save, print and
// PDF commands, and the SMS command against a fake gateway.

#include "PlanTestDestegi.h"
#include "SahteSmsServisi.h"

#include "engine/SharedState.h"
#include "plans/SmsGonderici.h"
#include "plans/frmShowPlan.h"
#include "plans/modSMSGonderme.h"
#include "ui/DocumentService.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

namespace quv {
namespace {

namespace M = OdemePlaniMesajlari;
using test::planSatiri;
constexpr int kTarih = 1, kTutar = 2, kTaahKaydet = 3;
const QByteArray kYol = "/api_http/sendsms.asp";

class frmShowPlanTest : public test::DbFixture {
protected:
    // The simple SMS gateway with password "s"; debtors 1 (a mobile number written in
    // groups) and 2 of file 1, and one of file 2.
    void SetUp() override {
        DbFixture::SetUp();
        shared().ActiveUserName = QStringLiteral("ayşe");
        add(QStringLiteral("tbloptions_all"),
            kv({"kod", 1, "SmsServisSaglayiciId", 1, "smskullaniciadi", "ofis", "smssifresi",
                modSMSGonderme::Decrypt(QStringLiteral("s"))}));
        add(QStringLiteral("tblfoy_sahis"), kv({"foykodu", 1, "foysahiskodu", 1, "ad", "Hüseyin",
                                                "soyad", "Çelik", "ceptel", "532 123 45 67"}));
        add(QStringLiteral("tblfoy_sahis"),
            kv({"foykodu", 1, "foysahiskodu", 2, "ad", "Aydın Yapı Ltd. Şti."}));
        add(QStringLiteral("tblfoy_sahis"), kv({"foykodu", 2, "foysahiskodu", 3, "ad", "Başka"}));
    }
    // The window on file 1 with a down payment of 500.00 and three instalments, shown as
    // the opener shows it: 500.00 + 1,234.50 + 1,234.50 + 1,234.49 = 4,203.49.
    std::unique_ptr<frmShowPlan> ac(const char* borclu = nullptr) {
        auto pencere = std::make_unique<frmShowPlan>();
        pencere->FoyKodu = 1;
        pencere->PlaniGoster(
            {{planSatiri(1, "20240115", "500", false), planSatiri(2, "20240215", "1234.50"),
              planSatiri(3, "20240315", "1234.50"), planSatiri(4, "20240415", "1234.49")},
             test::para("4203.49"),
             {}});
        pencere->show();
        pencere->Sms()->BasitAdres = servis_.adres();
        if (borclu)
            pencere->cboborclu->setCurrentIndex(
                pencere->cboborclu->findText(QString::fromUtf8(borclu)));
        return pencere;
    }
    QStringList mesajlar() { return guard_.messages().informations(); }

    test::SahteSmsServisi servis_;
};

// The rows and their total as they are edited; the file's parties (ad + " " + soyad, an
// empty surname leaving the blank), nobody chosen; the chosen debtor's numbers with their
// icons, without the blanks they were stored with, none chosen; a new plan replaces the
// rows.
TEST_P(frmShowPlanTest, ShowsThePlanThePartiesAndTheChosenDebtorsNumbers) {
    auto pencere = ac();
    DataGrid& grid = *pencere->grdPlan;
    auto& toplam = test::kontrol<QLabel>(*pencere, "lblToplamOdeme");
    EXPECT_EQ(test::gridMetni(grid), (QStringList{"1 | 15.01.2024 | 500,00 | Hayır | Peşinat.",
                                                  "2 | 15.02.2024 | 1.234,50 | Evet | ",
                                                  "3 | 15.03.2024 | 1.234,50 | Evet | ",
                                                  "4 | 15.04.2024 | 1.234,49 | Evet | "}));
    EXPECT_EQ(toplam.text(), QStringLiteral("4.203,49"));
    // 4,203.49 - 1,234.50 + 1,000.00 = 3,968.99.
    grid.setCellText(3, kTutar, QStringLiteral("1.000,00"));
    EXPECT_EQ(toplam.text(), QStringLiteral("3.968,99"));

    QComboBox& borclular = *pencere->cboborclu;
    QComboBox& telefonlar = *pencere->cboTelefon;
    QStringList adlar;
    for (int i = 0; i < borclular.count(); ++i)
        adlar << QString::number(borclular.itemData(i).toInt()) + u' ' + borclular.itemText(i);
    adlar.sort();
    EXPECT_EQ(adlar, (QStringList{"1 Hüseyin Çelik", "2 Aydın Yapı Ltd. Şti. "}));
    EXPECT_FALSE(pencere->SecilenBorclu());
    EXPECT_EQ(telefonlar.count(), 0);
    borclular.setCurrentIndex(borclular.findData(1));
    EXPECT_EQ(pencere->SecilenBorclu()->FoySahisKodu, 1);
    ASSERT_EQ(telefonlar.count(), 1);
    EXPECT_EQ(telefonlar.itemText(0) + u' ' + QString::number(telefonlar.itemData(0).toInt()),
              QStringLiteral("5321234567 2"));  // the party's own number: open
    EXPECT_FALSE(telefonlar.itemIcon(0).isNull());
    EXPECT_TRUE(telefonlar.currentText().isEmpty());
    borclular.setCurrentIndex(borclular.findData(2));
    EXPECT_EQ(telefonlar.count(), 0);

    pencere->PlaniGoster({{planSatiri(1, "20240115", "500", false)}, {}, {}});
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(toplam.text(), QStringLiteral("500,00"));
    EXPECT_EQ(errorText(), QString());
}

// A check that stops the save or the document shows its message, asks nothing, writes
// nothing and puts the focus where the value is missing: 31 February is no date, the
// grid keeps the text and the save asks for a date.
TEST_P(frmShowPlanTest, ACheckThatStopsTheSaveFocusesTheMissingValue) {
    auto pencere = ac();
    test::tikla(*pencere, "cmdPrint");
    EXPECT_EQ(mesajlar(), QStringList{M::TaahhutYapanSahsiSeciniz});
    EXPECT_EQ(pencere->focusWidget(), pencere->cboborclu);
    pencere = ac("Hüseyin Çelik");
    DataGrid& grid = *pencere->grdPlan;
    grid.setCellText(3, kTarih, QStringLiteral("31.02.2024"));
    test::tikla(*pencere, "cmdTaahhud");
    EXPECT_EQ(mesajlar().last(), M::TaahhutTarihiGiriniz);
    EXPECT_EQ(pencere->focusWidget(), &grid);
    EXPECT_EQ(std::make_pair(grid.currentRow(), grid.currentColumn()), std::make_pair(2, kTarih));
    EXPECT_TRUE(pencere->cmdTaahhud->isEnabled());
    EXPECT_TRUE(guard_.messages().questions().isEmpty());
    EXPECT_TRUE(test::taahhutler(*db_).isEmpty());
    EXPECT_TRUE(test::ajanda(*db_).isEmpty());
    EXPECT_EQ(errorText(), QString());
}

// The grid's rows as they stand, at the place the box says (the stored commitments'
// place to begin with), with agenda entries when the user says so.
TEST_P(frmShowPlanTest, SavesTheGridsRowsAsCommitmentsWithAgendaEntriesWhenAsked) {
    add(QStringLiteral("tblfoy_taahhut"),
        kv({"foykodu", 1, "taahhutkodu", 1, "foysahiskodu", 2, "taahutdurumu", 0}));
    auto pencere = ac("Aydın Yapı Ltd. Şti. ");
    EXPECT_FALSE(pencere->chkTaahhutlerIcrada->isChecked());
    guard_.messages().queueAnswer(false);
    test::tikla(*pencere, "cmdTaahhud");
    EXPECT_EQ(guard_.messages().questions(), QStringList{M::AjandayaKaydedilsinMi});
    EXPECT_EQ(mesajlar(), QStringList{M::TaahhutlerKaydedildi});
    EXPECT_EQ(test::taahhutler(*db_).value(3),
              QStringLiteral("4 2 20240415 1234.4900 0.0000 0 1"));  // the place stored before
    EXPECT_TRUE(test::ajanda(*db_).isEmpty());

    // Row 3 corrected and row 4 left out by the user, at the office, with the agenda.
    DataGrid& grid = *pencere->grdPlan;
    grid.setCellText(3, kTarih, QStringLiteral("20.03.2024"));
    grid.setCellText(3, kTutar, QStringLiteral("1.000,00"));
    grid.setCellText(4, kTaahKaydet, QStringLiteral("0"));
    pencere->chkTaahhutlerIcrada->setChecked(true);
    guard_.messages().queueAnswer(true);
    test::tikla(*pencere, "cmdTaahhud");
    EXPECT_EQ(mesajlar().last(), M::TaahhutlerKaydedildi);
    EXPECT_EQ(test::taahhutler(*db_).mid(4), (QStringList{"5 2 20240215 1234.5000 0.0000 1 1",
                                                          "6 2 20240320 1000.0000 0.0000 1 1"}));
    EXPECT_EQ(test::ajanda(*db_),
              (QStringList{
                  "1|20240115|1|ayşe||20240215|Aydın Yapı Ltd. Şti.  taahhüdü. 1.234,50.-TL|1",
                  "2|20240115|1|ayşe||20240320|Aydın Yapı Ltd. Şti.  taahhüdü. 1.000,00.-TL|1"}));
    EXPECT_TRUE(pencere->cmdTaahhud->isEnabled());
    EXPECT_EQ(errorText(), QString());
}

// Incomplete settings disable the SMS controls. The plan goes to the chosen debtor's
// chosen number; one request in flight: the button waits disabled until the answer or
// the time limit.
TEST_P(frmShowPlanTest, SendsThePlanBySms) {
    db_->execute(QStringLiteral("update tbloptions_all set smssifresi = ''"));
    auto pencere = ac();
    EXPECT_FALSE(pencere->cboTelefon->isEnabled());
    EXPECT_FALSE(pencere->cmdSmsGonder->isEnabled());
    db_->execute(QStringLiteral("update tbloptions_all set smssifresi = ?"),
                 {modSMSGonderme::Decrypt(QStringLiteral("s"))});
    servis_.yanitla(kYol, {{200, "errno=0&errtext=OK"}, {200, "", true}});
    pencere = ac("Hüseyin Çelik");
    EXPECT_TRUE(pencere->cboTelefon->isEnabled());
    pencere->cboTelefon->setCurrentIndex(0);
    pencere->cmdSmsGonder->click();
    ASSERT_EQ(servis_.istekler.size(), 1);
    const QByteArray govde = servis_.istekler[0].govde;
    EXPECT_TRUE(govde.startsWith("user=ofis&password=s&gsm=05321234567&text=Say%FDn+H%FCseyin+"))
        << govde.toStdString();
    EXPECT_EQ(mesajlar(), QStringList{QStringLiteral("SMS gönderildi. \rOK")});

    pencere->Sms()->ZamanAsimiMs = 300;
    bool beklerkenAcik = true;
    QTimer::singleShot(50, [&] { beklerkenAcik = pencere->cmdSmsGonder->isEnabled(); });
    pencere->cmdSmsGonder->click();
    EXPECT_FALSE(beklerkenAcik);
    EXPECT_TRUE(pencere->cmdSmsGonder->isEnabled());
    EXPECT_EQ(mesajlar().last(), QStringLiteral("SMS gönderilemedi. \rSMS servisi yanıt vermedi."));
}

// Keeps what would be previewed and whether the print command was enabled meanwhile.
class KayitliBelgeler : public DocumentService {
public:
    bool yaziciVar = true, komutAcikti = true;
    QList<Document> onizlenenler;
    QString pdfYolu;  // what the save dialog answers
    bool hasDefaultPrinter() const override { return yaziciVar; }
    QString askPdfPath(QWidget*, const QString&) override { return pdfYolu; }
    void preview(const Document& belge, QWidget* parent) override {
        onizlenenler << belge;
        komutAcikti = static_cast<frmShowPlan*>(parent)->cmdPrint->isEnabled();
    }
};

// The print and PDF commands with the window's options (the first costs line by line,
// the account statement appended); a failure says why and leaves the command usable.
TEST_P(frmShowPlanTest, PrintsAndSavesTheCommitmentDocument) {
    const QString dosya = test::scratchPath(QStringLiteral("taahhut-pencere.pdf"));
    const QString yazilamaz = test::scratchPath(QStringLiteral("yok/taahhut.pdf"));
    const struct {
        const char* komut;
        bool yazici;
        QString pdfYolu, mesaj;
    } durumlar[] = {
        {"cmdPrint",
         false,
         {},
         QStringLiteral("Lütfen varsayılan bir yazıcı tanımlayıp tekrar deneyiniz.")},
        {"cmdPrint", true, {}, {}},
        {"cmdPdf", false, dosya, {}},
        {"cmdPdf", false, yazilamaz, QStringLiteral("PDF dosyası yazılamadı: ") + yazilamaz},
    };
    auto foy = std::make_shared<clsFoyBilgileri>();
    foy->HesapOzeti().BasvuruHarci = test::para("50");
    foy->HesapOzeti().Bakiye_TL = test::para("4203.49");
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.komut + d.mesaj.toStdString());
        guard_.messages().clear();
        QFile::remove(dosya);
        auto belgeler = std::make_shared<KayitliBelgeler>();
        belgeler->yaziciVar = d.yazici;
        belgeler->pdfYolu = d.pdfYolu;
        auto pencere = ac("Hüseyin Çelik");
        pencere->setDocumentService(belgeler);
        pencere->FoyBilgileri = foy;
        pencere->chkIlkTakipMasraflarininDetayiniYazdir->setChecked(true);
        pencere->chkHesapDokumunuMetneEkle->setChecked(true);
        test::tikla(*pencere, d.komut);
        EXPECT_EQ(mesajlar(), d.mesaj.isEmpty() ? QStringList() : QStringList{d.mesaj});
        EXPECT_TRUE(test::kontrol<QPushButton>(*pencere, d.komut).isEnabled());
        EXPECT_EQ(QFile::exists(dosya), d.pdfYolu == dosya);
        ASSERT_EQ(belgeler->onizlenenler.size(), d.yazici ? 1 : 0);
        if (!d.yazici)
            continue;
        EXPECT_FALSE(belgeler->komutAcikti);
        // Statement, schedule, the account statement's heading and its balances.
        const Document& belge = belgeler->onizlenenler.first();
        ASSERT_EQ(belge.blocks.size(), 4);
        EXPECT_TRUE(belge.blocks[0].columns.value(1).contains(QStringLiteral("-TL Başvuru Harcı")));
        EXPECT_EQ(belge.blocks[1].columns.value(5), (QStringList{"1.234,50 TL", "1.234,49 TL"}));
    }
    EXPECT_EQ(errorText(), QString());
}

QUV_ON_BACKENDS(frmShowPlanTest);

}  // namespace
}  // namespace quv
