// The plan display driven offscreen through its named controls: the grid and its total,
// the debtor list and their numbers, the place of stored commitments, the save command,
// and the SMS command against a fake gateway.

#include "PlanTestDestegi.h"
#include "SahteSmsServisi.h"

#include "engine/SharedState.h"
#include "plans/SmsGonderici.h"
#include "plans/frmShowPlan.h"
#include "plans/modSMSGonderme.h"

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
    // groups, one found by research, one called without an answer) and 2 of file 1, and
    // one of file 2.
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
        add(QStringLiteral("tblfoy_arastirma"), kv({"foykodu", 1, "foysahiskodu", 1, "tel",
                                                    "05330000001", "sonuc", 5, "teloradres", 1}));
        add(QStringLiteral("tblfoy_gorusme"),
            kv({"foykodu", 1, "foysahiskodu", 1, "arananno", "05330000002", "ulasildi", 0,
                "ulasilamamanedeni", 4}));
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
    // "ID reminder content" of the agenda.
    QStringList ajanda() {
        QStringList liste;
        RecordSet rs = db_->openRecordSet(
            QStringLiteral("select ID, hatirlatmatarihi, icerik from tblajanda order by ID"));
        for (; !rs.eof(); rs.moveNext())
            liste << QStringLiteral("%1 %2 %3")
                         .arg(toInt32(rs.value(0)))
                         .arg(rs.value(1).toString(), rs.value(2).toString());
        return liste;
    }
    QStringList mesajlar() { return guard_.messages().informations(); }

    test::SahteSmsServisi servis_;
};

TEST_P(frmShowPlanTest, ShowsThePlanAndTotalsTheAmountsAsTheyAreEdited) {
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
    // A new plan replaces the rows: only the down payment, 500.00.
    pencere->PlaniGoster({{planSatiri(1, "20240115", "500", false)}, {}, {}});
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(toplam.text(), QStringLiteral("500,00"));
    EXPECT_EQ(errorText(), QString());
}

// The file's parties (ad + " " + soyad, an empty surname leaving the blank), nobody
// chosen; the chosen debtor's numbers with their icons, without the blanks they were
// stored with, none chosen.
TEST_P(frmShowPlanTest, ListsThePartiesAndTheChosenDebtorsNumbers) {
    auto pencere = ac();
    QComboBox& borclular = *pencere->cboborclu;
    QComboBox& telefonlar = *pencere->cboTelefon;
    QStringList adlar;
    for (int i = 0; i < borclular.count(); ++i)
        adlar << QStringLiteral("%1 %2")
                     .arg(borclular.itemData(i).toInt())
                     .arg(borclular.itemText(i));
    adlar.sort();
    EXPECT_EQ(adlar, (QStringList{"1 Hüseyin Çelik", "2 Aydın Yapı Ltd. Şti. "}));
    EXPECT_FALSE(pencere->SecilenBorclu());
    EXPECT_EQ(telefonlar.count(), 0);

    borclular.setCurrentIndex(borclular.findData(1));
    EXPECT_EQ(pencere->SecilenBorclu()->FoySahisKodu, 1);
    QStringList numaralar;
    for (int i = 0; i < telefonlar.count(); ++i)
        numaralar << telefonlar.itemText(i) + QStringLiteral(" %1 %2")
                                                  .arg(telefonlar.itemData(i).toInt())
                                                  .arg(!telefonlar.itemIcon(i).isNull());
    EXPECT_EQ(numaralar, (QStringList{"05330000001 3 1", "05330000002 1 1", "5321234567 2 1"}));
    EXPECT_TRUE(telefonlar.currentText().isEmpty());
    borclular.setCurrentIndex(borclular.findData(2));
    EXPECT_EQ(telefonlar.count(), 0);
    EXPECT_EQ(errorText(), QString());
}

// A check that stops the save (or the document) shows its message, asks nothing, writes
// nothing and puts the focus where the value is missing.
TEST_P(frmShowPlanTest, ACheckThatStopsTheSaveFocusesTheMissingValue) {
    const struct {
        const char* komut;
        const char* borclu;  // null: nobody chosen
        int satir, sutun;    // the cell edited and focused (row from 1), row 0 for none
        const char* metin;
        QString mesaj;
    } durumlar[] = {
        {"cmdTaahhud", nullptr, 0, 0, "", M::TaahhutYapanSahsiSeciniz},
        {"cmdPrint", nullptr, 0, 0, "", M::TaahhutYapanSahsiSeciniz},
        // 31 February is no date: the grid keeps the text, the save asks for a date.
        {"cmdTaahhud", "Hüseyin Çelik", 3, kTarih, "31.02.2024", M::TaahhutTarihiGiriniz},
        {"cmdTaahhud", "Hüseyin Çelik", 4, kTutar, "", M::TaahhutMiktariGiriniz},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.mesaj.toStdString());
        guard_.messages().clear();
        auto pencere = ac(d.borclu);
        DataGrid& grid = *pencere->grdPlan;
        if (d.satir)
            grid.setCellText(d.satir, d.sutun, QString::fromUtf8(d.metin));
        test::tikla(*pencere, d.komut);
        EXPECT_EQ(mesajlar(), QStringList{d.mesaj});
        EXPECT_TRUE(guard_.messages().questions().isEmpty());
        ASSERT_NE(pencere->focusWidget(), nullptr);
        EXPECT_EQ(pencere->focusWidget()->objectName(), d.satir ? "grdPlan" : "cboborclu");
        EXPECT_EQ(grid.currentRow(), d.satir ? d.satir - 1 : grid.currentRow());
        EXPECT_EQ(grid.currentColumn(), d.satir ? d.sutun : grid.currentColumn());
        EXPECT_TRUE(test::kontrol<QPushButton>(*pencere, d.komut).isEnabled());
    }
    EXPECT_TRUE(test::taahhutler(*db_).isEmpty());
    EXPECT_TRUE(ajanda().isEmpty());
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
    EXPECT_EQ(test::taahhutler(*db_).mid(1),
              (QStringList{"2 2 20240215 1234.5000 0.0000 0 1", "3 2 20240315 1234.5000 0.0000 0 1",
                           "4 2 20240415 1234.4900 0.0000 0 1"}));
    EXPECT_TRUE(ajanda().isEmpty());

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
    EXPECT_EQ(ajanda(), (QStringList{"1 20240215 Aydın Yapı Ltd. Şti.  taahhüdü. 1.234,50.-TL",
                                     "2 20240320 Aydın Yapı Ltd. Şti.  taahhüdü. 1.000,00.-TL"}));
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
    pencere->cboTelefon->setCurrentIndex(2);
    pencere->cmdSmsGonder->click();
    ASSERT_EQ(servis_.istekler.size(), 1);
    const QByteArray govde = servis_.istekler[0].govde;
    EXPECT_TRUE(govde.startsWith("user=ofis&password=s&gsm=05321234567&text=Say%FDn+H%FCseyin+"))
        << govde.toStdString();
    EXPECT_TRUE(govde.endsWith("15%2E04%2E2024%27de+1%2E234%2C49+TL%2E")) << govde.toStdString();
    EXPECT_EQ(mesajlar(), QStringList{QStringLiteral("SMS gönderildi. \rOK")});

    pencere->Sms()->ZamanAsimiMs = 300;
    bool beklerkenAcik = true;
    QTimer::singleShot(50, [&] { beklerkenAcik = pencere->cmdSmsGonder->isEnabled(); });
    pencere->cmdSmsGonder->click();
    EXPECT_FALSE(beklerkenAcik);
    EXPECT_TRUE(pencere->cmdSmsGonder->isEnabled());
    EXPECT_EQ(mesajlar().last(), QStringLiteral("SMS gönderilemedi. \rSMS servisi yanıt vermedi."));
}

QUV_ON_BACKENDS(frmShowPlanTest);

}  // namespace
}  // namespace quv
