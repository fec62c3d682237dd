// The payment-plan wizard and the bulk instalment dialog driven offscreen through their
// named controls.

#include "PlanTestDestegi.h"

#include "apps/quvhesap-desk/AnaPencere.h"
#include "engine/SharedState.h"
#include "ui/DataGrid.h"
#include "ui/DateEdit.h"
#include "ui/MoneyEdit.h"
#include "ui/WidgetWindowHost.h"
#include "file/FaizTablosu.h"
#include "plans/OdemePlaniMesajlari.h"
#include "plans/frmOdemePlani.h"
#include "plans/frmShowPlan.h"
#include "plans/frmTahsilatEklemeSihirbazi.h"
#include "tools/frmKurGir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>

#include <functional>

namespace quv {
namespace {

namespace M = OdemePlaniMesajlari;
using test::gridMetni;
using test::kontrol;
using test::para;
using test::resimKaydet;
using test::tikla;

void yaz(QWidget& pencere, const char* ad, const char* metin) {
    kontrol<QLineEdit>(pencere, ad).setText(QString::fromUtf8(metin));
}

QString metin(QWidget& pencere, const char* ad) {
    if (auto* etiket = pencere.findChild<QLabel*>(QString::fromLatin1(ad)))
        return etiket->text();
    return kontrol<QLineEdit>(pencere, ad).text();
}

bool vurgulu(QWidget& pencere, const char* ad) {
    return kontrol<QPushButton>(pencere, ad).font().bold();
}

// Runs a script on each dialog shown instead of waiting for a user. A missing exchange
// rate is answered as a user would: 35 lira a unit, stored for the date.
class SenaryoluPencereler : public WidgetWindowHost {
public:
    std::function<int(QDialog&)> senaryo;
    QStringList gosterilen;
    int kurSorusu = 0;
    int showModal(QDialog& pencere) override {
        if (auto* kur = qobject_cast<frmKurGir*>(&pencere)) {
            ++kurSorusu;
            kur->oceKur->setText(QStringLiteral("35"));
            kur->cmdKaydet->click();
            return kur->result();
        }
        gosterilen << pencere.objectName();
        return senaryo ? senaryo(pencere) : int(QDialog::Rejected);
    }
};

class frmOdemePlaniTest : public test::OdemePlaniTesti {
protected:
    std::unique_ptr<frmOdemePlani> pencereAc() {
        guard_.messages().clear();
        ana_ = std::make_unique<clsHesapAna>();
        auto pencere = std::make_unique<frmOdemePlani>();
        pencere->AktifHesap = ana_.get();
        pencere->FoyKodu = 1;
        EXPECT_TRUE(pencere->FormYukle()) << hatalar().join(u'\n').toStdString();
        pencere->show();
        return pencere;
    }

    // The host that answers the sub-dialogs: the bulk dialog gets three of 250 every two
    // months from 15 February 2024, paid by hand; the plan display is kept for a look.
    std::shared_ptr<SenaryoluPencereler> pencereler() {
        auto host = std::make_shared<SenaryoluPencereler>();
        host->senaryo = [this](QDialog& d) {
            if (auto* plan = qobject_cast<frmShowPlan*>(&d)) {
                gosterimFoyu_ = plan->FoyBilgileri.get();
                gosterimSatirlari_ = plan->Satirlar();
                return int(QDialog::Rejected);
            }
            auto* toplu = qobject_cast<frmTahsilatEklemeSihirbazi*>(&d);
            if (!toplu)
                return int(QDialog::Rejected);
            toplu->show();
            yaz(*toplu, "oceTutar", "250");
            yaz(*toplu, "oceTekrar", "3");
            yaz(*toplu, "otrTarih", "15.02.2024");
            yaz(*toplu, "ocePeriyot", "2");
            kontrol<QComboBox>(*toplu, "cboPeriyotTipi").setCurrentIndex(0);        // "Ay"
            kontrol<QComboBox>(*toplu, "cboTaksitYatirmaYeri").setCurrentIndex(1);  // "Elden"
            tikla(*toplu, "cmdKaydet");
            if (toplu->TamamaBasildi)
                resimKaydet(*toplu,
                            QStringLiteral("frmTahsilatEklemeSihirbazi-") + GetParam().name);
            return toplu->result();
        };
        shared().setWindowHost(host);
        return host;
    }

    // A plan by count on the file without interest: 3 instalments from 31 January 2024.
    static void sayiyaGir(QWidget& p) {
        kontrol<QCheckBox>(p, "chkFaizIsletme").setChecked(true);
        yaz(p, "otrIlkTarih", "31.01.2024");
        yaz(p, "oceTaksitSayisi", "3");
    }

    const clsFoyBilgileri* gosterimFoyu_ = nullptr;
    QList<OdemePlaniSatiri> gosterimSatirlari_;
};

TEST_P(frmOdemePlaniTest, OpensWithTheSettingsOfTheFile) {
    // A fixed 9 % and the principal first.
    faizliDosya("10000");
    auto p = pencereAc();
    EXPECT_EQ(metin(*p, "lblGununTarihi"), QStringLiteral("31.12.2023"));
    // 10,000 x 9 % x 305 days (1 March to 31 December) / 365 = 752.05 of interest.
    EXPECT_EQ(metin(*p, "lblGuncelBakiye"), QStringLiteral("10.752,05 TL"));
    EXPECT_EQ(metin(*p, "oceFaizOrani"), QStringLiteral("9,0000"));
    EXPECT_EQ(kontrol<QComboBox>(*p, "cboTMS").currentText(), QStringLiteral("Önce Borç Aslından"));
    EXPECT_FALSE(kontrol<DataGrid>(*p, "grdMahsupSirasi").isEnabled());
    auto& ayarlar = kontrol<QTabWidget>(*p, "tabAyarlar");
    EXPECT_FALSE(ayarlar.isTabVisible(ayarlar.indexOf(p->pageKidem)));

    // A rate table and a dated offset table; order 2 is not one of the grid's two
    // choices and is listed with its name.
    SetUp();
    faizliDosya("10000");
    db_->execute(QStringLiteral(
        "update tblfoy set faizorani = 0, faizoranitablosukodu = 1, tahsilatmahsupsirasi = 4"));
    faizOrani(1, "20230101", 12);
    faizOrani(1, "20230701", 28.875);
    mahsupSirasi("20230101", 3);
    mahsupSirasi("20230601", 2);
    p = pencereAc();
    EXPECT_EQ(gridMetni(kontrol<DataGrid>(*p, "grdFaizOrani")),
              (QStringList{"01.01.2023 | 12,0000", "01.07.2023 | 28,8750"}));
    EXPECT_EQ(kontrol<QComboBox>(*p, "cboTMS").currentText(), QStringLiteral("Tablo Kullan"));
    EXPECT_EQ(gridMetni(kontrol<DataGrid>(*p, "grdMahsupSirasi")),
              (QStringList{"01.01.2023 | Toplam Borçtan (BK100)",
                           "01.06.2023 | Toplam Borçtan (Takipten Önce Uygulama)"}));
    // The plan takes the table's rates as the file stores them.
    sayiyaGir(*p);
    tikla(*p, "cmdCalcAuto1");
    EXPECT_EQ(p->Wizardfoy()->FaizTablosu().FaizOranlari(2).Oran, 28.875f);
    hataYok();
}

// Without interest the balance of 1,000 is shared out or paid off as entered; a plan
// opens the display with the working copy and its rows.
TEST_P(frmOdemePlaniTest, ComputesInEachModeAndShowsTheOutputs) {
    const struct {
        std::function<void(QWidget&)> gir;
        const char* dugme;
        std::vector<std::pair<const char*, const char*>> sonuclar;
        qsizetype planSatiri;
    } durumlar[] = {
        // (1,000 - 100) / 7 = 128.5714 -> 128.57; the down payment and seven rows.
        {[](QWidget& p) {
             yaz(p, "ocePesinat", "100");
             yaz(p, "otrIlkTarih", "31.01.2024");
             yaz(p, "oceTaksitSayisi", "7");
         },
         "cmdCalcAuto1",
         {{"oceTaksitTutari", "128,57"}},
         8},
        // 1,000 \ 300 = 3, and 1,000 - 900 = 100 as a fourth instalment.
        {[](QWidget& p) {
             yaz(p, "otrIlkTaksitTarihi2", "31.01.2024");
             yaz(p, "oceTaksitTutari2", "300");
         },
         "cmdCalcAuto2",
         {{"oceTaksitSayisi2", "4"}, {"oceSonTaksitTutari", "100,00"}},
         4},
        // 1,000 - (300 + 200) = 500.
        {[](QWidget& p) {
             auto& g = kontrol<DataGrid>(p, "grdTahsilat");
             g.appendRow({QString(), QStringLiteral("20240131"), QStringLiteral("300")});
             g.appendRow({QString(), QStringLiteral("20240229"), QStringLiteral("200")});
         },
         "cmdCalcManuel",
         {{"lblToplamOdenen", "500,00"}, {"lblBakiye", "500,00"}},
         2},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.dugme);
        SetUp();
        faizsizDosya("1000");
        auto host = pencereler();
        auto p = pencereAc();
        kontrol<QCheckBox>(*p, "chkFaizIsletme").setChecked(true);
        d.gir(*p);
        tikla(*p, d.dugme);
        EXPECT_EQ(mesajlar(), QStringList());
        for (const auto& [ad, deger] : d.sonuclar)
            EXPECT_EQ(metin(*p, ad), QString::fromUtf8(deger)) << ad;
        for (const char* dugme : {"cmdCalcAuto1", "cmdCalcAuto2", "cmdCalcManuel"})
            EXPECT_EQ(vurgulu(*p, dugme), std::string(dugme) == d.dugme) << dugme;
        if (std::string(d.dugme) == "cmdCalcAuto1") {
            p->resize(1100, 620);
            resimKaydet(*p, QStringLiteral("frmOdemePlani-") + GetParam().name);
        }
        tikla(*p, "cmdOdemePlani");
        EXPECT_EQ(host->gosterilen, QStringList{QStringLiteral("frmShowPlan")});
        EXPECT_EQ(gosterimFoyu_, p->Wizardfoy().get());
        EXPECT_EQ(gosterimSatirlari_.size(), d.planSatiri);
        hataYok();
    }
}

// The balance shown follows the recalculation with the plan's rate, the file's 28.875 %
// as stored: 10,000 x 28.875 % x 305 / 365 = 2,412.84 of interest (28.88 %: 2,413.26).
TEST_P(frmOdemePlaniTest, TheBalanceShownFollowsThePlansRate) {
    faizliDosya("10000");
    db_->execute(QStringLiteral("update tblfoy set faizorani = 28.875"));
    auto p = pencereAc();
    EXPECT_EQ(metin(*p, "oceFaizOrani"), QStringLiteral("28,8750"));
    sayiyaGir(*p);
    tikla(*p, "cmdCalcAuto1");
    EXPECT_EQ(metin(*p, "lblGuncelBakiye"), QStringLiteral("12.412,84 TL"));
    hataYok();
}

// A failed check shows its message once, moves the focus to the grid's cell on another
// settings page, and computes nothing.
TEST_P(frmOdemePlaniTest, AFailedCheckFocusesTheInput) {
    faizsizDosya("1000");
    auto p = pencereAc();
    sayiyaGir(*p);
    yaz(*p, "oceFaizOrani", "0");
    kontrol<DataGrid>(*p, "grdFaizOrani").appendRow({QStringLiteral("20230101")});
    kontrol<QTabWidget>(*p, "tabAyarlar").setCurrentIndex(3);
    tikla(*p, "cmdCalcAuto1");
    EXPECT_EQ(mesajlar(), QStringList{M::FaizOraniniGiriniz});
    auto* grid = qobject_cast<DataGrid*>(p->focusWidget());
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->objectName(), QStringLiteral("grdFaizOrani"));
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_FALSE(vurgulu(*p, "cmdCalcAuto1"));
    EXPECT_EQ(metin(*p, "oceTaksitTutari"), QString());
    hataYok();
}

// A plan is only shown for the inputs it was computed from.
TEST_P(frmOdemePlaniTest, AChangedInputAsksForANewComputation) {
    const struct {
        const char* ad;
        std::function<void(QWidget&)> degistir;
    } durumlar[] = {
        {"oceTaksitSayisi", [](QWidget& p) { yaz(p, "oceTaksitSayisi", "4"); }},
        {"chkFaizIsletme",
         [](QWidget& p) { kontrol<QCheckBox>(p, "chkFaizIsletme").setChecked(false); }},
        {"grdTahsilat",
         [](QWidget& p) {
             kontrol<DataGrid>(p, "grdTahsilat").appendRow({QString(), QStringLiteral("20240131")});
         }},
    };
    for (const auto& d : durumlar) {
        SCOPED_TRACE(d.ad);
        SetUp();
        faizsizDosya("1000");
        auto host = pencereler();
        auto p = pencereAc();
        sayiyaGir(*p);
        tikla(*p, "cmdCalcAuto1");
        ASSERT_TRUE(vurgulu(*p, "cmdCalcAuto1"));
        d.degistir(*p);
        EXPECT_FALSE(vurgulu(*p, "cmdCalcAuto1"));
        tikla(*p, "cmdOdemePlani");
        EXPECT_EQ(mesajlar(), QStringList{M::TekrarHesapYaptirin});
        EXPECT_EQ(host->gosterilen, QStringList());
        hataYok();
    }
}

TEST_P(frmOdemePlaniTest, TheBulkDialogAppendsItsInstalments) {
    faizsizDosya("1000");
    auto host = pencereler();
    auto p = pencereAc();
    auto& g = kontrol<DataGrid>(*p, "grdTahsilat");
    g.appendRow({QString(), QStringLiteral("20240131"), QStringLiteral("500")});
    tikla(*p, "cmdTopluTahsilatGirme");
    EXPECT_EQ(host->gosterilen, QStringList{QStringLiteral("frmTahsilatEklemeSihirbazi")});
    // Three of 250 every two months after the row already there, in the empty entry row
    // first; the numbering runs on.
    EXPECT_EQ(gridMetni(g),
              (QStringList{"1 | 31.01.2024 | 500,00 | İcrada", "2 | 15.02.2024 | 250,00 | Elden",
                           "3 | 15.04.2024 | 250,00 | Elden", "4 | 15.06.2024 | 250,00 | Elden"}));
    EXPECT_EQ(g.rowCount(), 5);
    // 500 + 3 x 250 = 1,250 paid.
    kontrol<QCheckBox>(*p, "chkFaizIsletme").setChecked(true);
    tikla(*p, "cmdCalcManuel");
    EXPECT_EQ(metin(*p, "lblToplamOdenen"), QStringLiteral("1.250,00"));
    hataYok();
}

QUV_ON_BACKENDS(frmOdemePlaniTest);

// The desk application's command opens the wizard on each demo file, where a plan by
// count is computed and displayed; a file that is not there opens no window. File 1001's
// plan saved from the display and by the command line: the same rows in cents, adding up
// to the plan's target.
TEST(frmOdemePlaniDemo, TheDeskCommandOpensTheWizardOnEachDemoFile) {
    test::SharedStateGuard guard;
    const QString adres = test::demo(QStringLiteral("plan-wizard-desk.sqlite"));
    auto pencereler = std::make_shared<SenaryoluPencereler>();
    shared().setWindowHost(pencereler);
    desk::AnaPencere ana(new QSettings(test::scratchPath(QStringLiteral("plan-wizard-desk.ini")),
                                       QSettings::IniFormat));
    ASSERT_TRUE(ana.veritabaniAc(adres));
    Money hedef;
    for (qint32 foy = 1001; foy <= 1012; ++foy) {
        SCOPED_TRACE(foy);
        guard.messages().clear();
        pencereler->gosterilen.clear();
        pencereler->kurSorusu = 0;
        QString taksit;
        bool kidemSayfasi = false;
        qsizetype planSatiri = 0;
        pencereler->senaryo = [&](QDialog& d) {
            if (auto* plan = qobject_cast<frmShowPlan*>(&d)) {
                planSatiri = plan->Satirlar().size();
                if (foy == 1001) {
                    hedef = OdemePlaniHesabi::HedefToplamiBul(*plan->FoyBilgileri,
                                                              plan->TakipSonrasitoplamTahsilat);
                    plan->FormYukle();
                    plan->cboborclu->setCurrentIndex(plan->cboborclu->findData(2));
                    guard.messages().queueAnswer(false);
                    plan->cmdTaahhud->click();
                }
            }
            auto* p = qobject_cast<frmOdemePlani*>(&d);
            if (!p)
                return int(QDialog::Rejected);
            EXPECT_EQ(p->windowTitle(),
                      QStringLiteral("Ödeme Planı Sihirbazı - Föy Kodu : %1").arg(foy));
            kidemSayfasi = p->tabAyarlar->isTabVisible(p->tabAyarlar->indexOf(p->pageKidem));
            // Calculation date 31 December 2024: twelve monthly instalments from January.
            p->otrIlkTarih->setText(QStringLiteral("31.01.2025"));
            p->oceTaksitSayisi->setText(QStringLiteral("12"));
            p->cmdCalcAuto1->click();
            taksit = p->oceTaksitTutari->text();
            p->cmdOdemePlani->click();
            return int(QDialog::Rejected);
        };
        ASSERT_TRUE(ana.foySec(foy));
        ana.odemePlani();
        EXPECT_EQ(guard.errors().messages(), QStringList());
        EXPECT_EQ(guard.messages().informations(),
                  foy == 1001 ? QStringList{M::TaahhutlerKaydedildi} : QStringList());
        EXPECT_FALSE(taksit.isEmpty());
        EXPECT_EQ(pencereler->gosterilen,
                  (QStringList{QStringLiteral("frmOdemePlani"), QStringLiteral("frmShowPlan")}));
        EXPECT_EQ(planSatiri, 12);
        // Only the employee claim (1008) has a severance claim.
        EXPECT_EQ(kidemSayfasi, foy == 1008);
        // The dollar file asks once for the rate of each instalment date; the answer is
        // stored, so the searches do not ask again.
        EXPECT_EQ(pencereler->kurSorusu, foy == 1009 ? 12 : 0);
    }

    const test::CliRun run =
        test::quvhesap({"plan", "--db", adres, "--foy", "1001", "--count", "12", "--first",
                        "20250131", "--save-commitments", "--debtor", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList kayitli = test::taahhutler(*Database::open(adres), 1001);
    ASSERT_EQ(kayitli.size(), 24);
    Money toplam;
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(kayitli[i].section(u' ', 1), kayitli[i + 12].section(u' ', 1));
        const Money tutar = para(kayitli[i].section(u' ', 3, 3).toLatin1().constData());
        EXPECT_EQ(tutar, tutar.roundTo2());
        toplam += tutar;
    }
    EXPECT_EQ(toplam, hedef);

    pencereler->gosterilen.clear();
    clsHesapAna hesap;
    hesap.setActiveConnection(Database::open(adres));
    hesap.ShowWizard(999);
    EXPECT_EQ(guard.messages().informations(),
              QStringList{QStringLiteral("999 numaralı föy bulunamadı.")});
    EXPECT_EQ(pencereler->gosterilen, QStringList());
}

}  // namespace
}  // namespace quv
