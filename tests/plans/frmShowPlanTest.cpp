// The plan display driven offscreen through its named controls: the grid and its total,
// the debtor list and their numbers, the place of stored commitments, the save command,
// and the SMS command against a fake gateway.

#include "PlanTestDestegi.h"
#include "SahteSmsServisi.h"

#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "ui/DataGrid.h"
#include "plans/OdemePlaniMesajlari.h"
#include "plans/SmsGonderici.h"
#include "plans/frmShowPlan.h"
#include "plans/modSMSGonderme.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimer>

namespace quv {
namespace {

namespace M = OdemePlaniMesajlari;
using test::gridMetni;
using test::kontrol;
using test::planSatiri;
using test::taahhutler;
using test::tikla;
const QChar CR(13);

constexpr int kTarih = 1;
constexpr int kTutar = 2;
constexpr int kTaahKaydet = 3;

// A down payment of 500.00 and three instalments:
// 500.00 + 1,234.50 + 1,234.50 + 1,234.49 = 4,203.49.
OdemePlani ornekPlan() {
    OdemePlani plan;
    plan.Satirlar = {planSatiri(1, "20240115", "500", false), planSatiri(2, "20240215", "1234.50"),
                     planSatiri(3, "20240315", "1234.50"), planSatiri(4, "20240415", "1234.49")};
    plan.Toplam = test::para("4203.49");
    return plan;
}

class frmShowPlanTest : public test::DbFixture {
protected:
    // The simple SMS gateway with password "s"; debtors 1 (a mobile number, one found by
    // research, one called without an answer) and 2 of file 1, and one of file 2.
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
        add(QStringLiteral("tblfoy_sahis"),
            kv({"foykodu", 2, "foysahiskodu", 3, "ad", "Başka", "soyad", "Dosya"}));
        add(QStringLiteral("tblfoy_arastirma"), kv({"foykodu", 1, "foysahiskodu", 1, "tel",
                                                    "05330000001", "sonuc", 5, "teloradres", 1}));
        add(QStringLiteral("tblfoy_gorusme"),
            kv({"foykodu", 1, "foysahiskodu", 1, "arananno", "05330000002", "ulasildi", 0,
                "ulasilamamanedeni", 4}));
    }

    // The window on file 1 with the plan, shown as the opener shows it.
    std::unique_ptr<frmShowPlan> ac(const OdemePlani& plan = ornekPlan()) {
        auto pencere = std::make_unique<frmShowPlan>();
        pencere->FoyKodu = 1;
        pencere->PlaniGoster(plan);
        pencere->show();
        pencere->Sms()->BasitAdres = servis_.adres();
        return pencere;
    }
    void borcluSec(frmShowPlan& pencere, const char* ad) {
        const int secilen = pencere.cboborclu->findText(QString::fromUtf8(ad));
        ASSERT_GE(secilen, 0) << ad;
        pencere.cboborclu->setCurrentIndex(secilen);
    }
    void mevcutTaahhut(qint32 kod, const QVariant& yer) {
        add(QStringLiteral("tblfoy_taahhut"),
            kv({"foykodu", 1, "taahhutkodu", kod, "foysahiskodu", 2, "taahutdurumu", yer}));
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
    void hataYok() { EXPECT_EQ(errorText(), QString()); }

    test::SahteSmsServisi servis_;
};

TEST_P(frmShowPlanTest, ShowsThePlanAndTotalsTheAmountsAsTheyAreEdited) {
    auto pencere = ac();
    DataGrid& grid = *pencere->grdPlan;
    auto& toplam = kontrol<QLabel>(*pencere, "lblToplamOdeme");
    EXPECT_EQ(gridMetni(grid), (QStringList{"1 | 15.01.2024 | 500,00 | Hayır | Peşinat.",
                                            "2 | 15.02.2024 | 1.234,50 | Evet | ",
                                            "3 | 15.03.2024 | 1.234,50 | Evet | ",
                                            "4 | 15.04.2024 | 1.234,49 | Evet | "}));
    EXPECT_EQ(toplam.text(), QStringLiteral("4.203,49"));

    // 4,203.49 - 1,234.50 + 1,000.00 = 3,968.99.
    grid.setCellText(3, kTutar, QStringLiteral("1.000,00"));
    EXPECT_EQ(toplam.text(), QStringLiteral("3.968,99"));

    // A new plan replaces the rows: only the down payment, 500.00.
    pencere->PlaniGoster({{planSatiri(1, "20240115", "500", false)}, {}, {}, false});
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(toplam.text(), QStringLiteral("500,00"));

    hataYok();
}

// The file's parties (ad + " " + soyad, an empty surname leaving the blank), nobody
// chosen; the chosen debtor's numbers with their icons.
TEST_P(frmShowPlanTest, ListsThePartiesAndTheChosenDebtorsNumbers) {
    auto pencere = ac();
    QStringList adlar;
    for (int i = 0; i < pencere->cboborclu->count(); ++i)
        adlar << QStringLiteral("%1 %2")
                     .arg(pencere->cboborclu->itemData(i).toInt())
                     .arg(pencere->cboborclu->itemText(i));
    adlar.sort();
    EXPECT_EQ(adlar, (QStringList{"1 Hüseyin Çelik", "2 Aydın Yapı Ltd. Şti. "}));
    EXPECT_FALSE(pencere->SecilenBorclu());
    QComboBox& telefonlar = *pencere->cboTelefon;
    EXPECT_EQ(telefonlar.count(), 0);

    borcluSec(*pencere, "Hüseyin Çelik");
    ASSERT_TRUE(pencere->SecilenBorclu());
    EXPECT_EQ(pencere->SecilenBorclu()->FoySahisKodu, 1);
    // Research confirmed (icon 3), a call not answered (1), the party's record (2),
    // offered without the blanks it was stored with.
    const std::pair<const char*, int> beklenen[] = {
        {"05330000001", 3}, {"05330000002", 1}, {"5321234567", 2}};
    ASSERT_EQ(telefonlar.count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(telefonlar.itemText(i), QString::fromLatin1(beklenen[i].first));
        EXPECT_EQ(telefonlar.itemData(i).toInt(), beklenen[i].second);
        EXPECT_FALSE(telefonlar.itemIcon(i).isNull());
    }
    EXPECT_TRUE(telefonlar.currentText().isEmpty());
    telefonlar.setCurrentIndex(2);
    pencere->resize(760, 560);
    test::resimKaydet(*pencere, QStringLiteral("frmShowPlan-") + GetParam().name);

    borcluSec(*pencere, "Aydın Yapı Ltd. Şti. ");
    EXPECT_EQ(telefonlar.count(), 0);
    hataYok();
}

// A check that stops the save (or the document) shows its message, asks nothing, writes
// nothing and puts the focus where the value is missing.
TEST_P(frmShowPlanTest, ACheckThatStopsTheSaveFocusesTheMissingValue) {
    struct Durum {
        const char* komut;
        const char* borclu;  // null: nobody chosen
        int satir;           // the row edited and focused (from 1), 0 for none
        int sutun;
        const char* metin;
        QString mesaj;
        const char* odak;
    };
    for (const Durum& d : {
             Durum{"cmdTaahhud", nullptr, 0, 0, "", M::TaahhutYapanSahsiSeciniz, "cboborclu"},
             Durum{"cmdPrint", nullptr, 0, 0, "", M::TaahhutYapanSahsiSeciniz, "cboborclu"},
             // 31 February is no date: the grid keeps the text, the save asks for a date.
             Durum{"cmdTaahhud", "Hüseyin Çelik", 3, kTarih, "31.02.2024", M::TaahhutTarihiGiriniz,
                   "grdPlan"},
             Durum{"cmdTaahhud", "Hüseyin Çelik", 4, kTutar, "", M::TaahhutMiktariGiriniz,
                   "grdPlan"},
         }) {
        SCOPED_TRACE(d.mesaj.toStdString());
        guard_.messages().clear();
        auto pencere = ac();
        if (d.borclu)
            borcluSec(*pencere, d.borclu);
        DataGrid& grid = *pencere->grdPlan;
        if (d.satir)
            grid.setCellText(d.satir, d.sutun, QString::fromUtf8(d.metin));
        tikla(*pencere, d.komut);
        EXPECT_EQ(mesajlar(), QStringList{d.mesaj});
        EXPECT_TRUE(guard_.messages().questions().isEmpty());
        ASSERT_NE(pencere->focusWidget(), nullptr);
        EXPECT_EQ(pencere->focusWidget()->objectName(), QString::fromLatin1(d.odak));
        if (d.satir) {
            EXPECT_EQ(grid.currentRow(), d.satir - 1);
            EXPECT_EQ(grid.currentColumn(), d.sutun);
        }
        EXPECT_TRUE(kontrol<QPushButton>(*pencere, d.komut).isEnabled());
    }
    EXPECT_TRUE(taahhutler(*db_).isEmpty());
    EXPECT_TRUE(ajanda().isEmpty());
    hataYok();
}

TEST_P(frmShowPlanTest, SavesTheGridsRowsAsCommitmentsWithAgendaEntriesWhenAsked) {
    for (int kod = 1; kod <= 4; ++kod)
        mevcutTaahhut(kod, 0);
    auto pencere = ac();
    ScriptedMessageService& sorular = guard_.messages();
    EXPECT_FALSE(pencere->chkTaahhutlerIcrada->isChecked());  // the stored ones: outside
    borcluSec(*pencere, "Aydın Yapı Ltd. Şti. ");

    // "No" to the agenda: the three instalments become 5, 6 and 7, the down payment none.
    sorular.queueAnswer(false);
    tikla(*pencere, "cmdTaahhud");
    EXPECT_EQ(sorular.questions(), QStringList{M::AjandayaKaydedilsinMi});
    EXPECT_EQ(mesajlar(), QStringList{M::TaahhutlerKaydedildi});
    EXPECT_EQ(taahhutler(*db_).mid(4),
              (QStringList{"5 2 20240215 1234.5000 0.0000 0 1", "6 2 20240315 1234.5000 0.0000 0 1",
                           "7 2 20240415 1234.4900 0.0000 0 1"}));
    EXPECT_TRUE(ajanda().isEmpty());

    // "Yes", at the office, after the user corrected row 3 and left row 4 out: the grid's
    // values are stored, the agenda starts at ID 1.
    DataGrid& grid = *pencere->grdPlan;
    grid.setCellText(3, kTarih, QStringLiteral("20.03.2024"));
    grid.setCellText(3, kTutar, QStringLiteral("1.000,00"));
    grid.setCellText(4, kTaahKaydet, QStringLiteral("0"));
    pencere->chkTaahhutlerIcrada->setChecked(true);
    sorular.queueAnswer(true);
    tikla(*pencere, "cmdTaahhud");
    EXPECT_EQ(mesajlar().last(), M::TaahhutlerKaydedildi);
    EXPECT_EQ(taahhutler(*db_).mid(7), (QStringList{"8 2 20240215 1234.5000 0.0000 1 1",
                                                    "9 2 20240320 1000.0000 0.0000 1 1"}));
    EXPECT_EQ(ajanda(), (QStringList{"1 20240215 Aydın Yapı Ltd. Şti.  taahhüdü. 1.234,50.-TL",
                                     "2 20240320 Aydın Yapı Ltd. Şti.  taahhüdü. 1.000,00.-TL"}));
    EXPECT_TRUE(pencere->cmdTaahhud->isEnabled());
    hataYok();
}

TEST_P(frmShowPlanTest, IncompleteSmsSettingsDisableTheControls) {
    for (bool tam : {true, false}) {
        if (!tam)
            db_->execute(QStringLiteral("update tbloptions_all set smssifresi = ''"));
        auto pencere = ac();
        EXPECT_EQ(pencere->cboTelefon->isEnabled(), tam);
        EXPECT_EQ(pencere->cmdSmsGonder->isEnabled(), tam);
    }
}

TEST_P(frmShowPlanTest, SendsThePlanToTheChosenNumber) {
    servis_.yanitla("/api_http/sendsms.asp", {{200, "errno=0&errtext=OK"}});
    auto pencere = ac();
    borcluSec(*pencere, "Hüseyin Çelik");
    pencere->cboTelefon->setCurrentIndex(2);
    pencere->cmdSmsGonder->click();
    ASSERT_EQ(servis_.istekler().size(), 1);
    // The chosen debtor's name and number (with its 0) and the plan's last row.
    const QByteArray govde = servis_.istekler()[0].govde;
    EXPECT_TRUE(
        govde.startsWith("user=ofis&password=s&gsm=05321234567&text=Say%FDn+H%FCseyin+%C7elik%2C+"))
        << govde.toStdString();
    EXPECT_TRUE(govde.endsWith("15%2E04%2E2024%27de+1%2E234%2C49+TL%2E")) << govde.toStdString();
    EXPECT_EQ(mesajlar(), QStringList{QStringLiteral("SMS gönderildi. ") + CR + "OK"});
    EXPECT_TRUE(pencere->cmdSmsGonder->isEnabled());
}

// One request in flight: the button waits disabled until the time limit ends it.
TEST_P(frmShowPlanTest, TheSmsButtonWaitsDisabledForTheAnswer) {
    servis_.yanitla("/api_http/sendsms.asp", {{200, "", "text/plain", true}});
    auto pencere = ac();
    pencere->Sms()->ZamanAsimiMs = 300;
    pencere->cboTelefon->setEditText(QStringLiteral("05321234567"));
    bool beklerkenAcik = true;
    QTimer::singleShot(50, [&] { beklerkenAcik = pencere->cmdSmsGonder->isEnabled(); });
    pencere->cmdSmsGonder->click();
    EXPECT_FALSE(beklerkenAcik);
    EXPECT_TRUE(pencere->cmdSmsGonder->isEnabled());
    EXPECT_EQ(mesajlar(), QStringList{QStringLiteral("SMS gönderilemedi. ") + CR +
                                      "SMS servisi yanıt vermedi."});
}

QUV_ON_BACKENDS(frmShowPlanTest);

}  // namespace
}  // namespace quv
