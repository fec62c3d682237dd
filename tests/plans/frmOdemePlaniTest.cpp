// The payment-plan wizard and the bulk instalment dialog driven offscreen through their
// named controls.

#include "PlanTestDestegi.h"

#include "engine/SharedState.h"
#include "file/FaizTablosu.h"
#include "plans/frmOdemePlani.h"
#include "plans/frmShowPlan.h"
#include "plans/frmTahsilatEklemeSihirbazi.h"
#include "tools/frmKurGir.h"
#include "ui/DateEdit.h"
#include "ui/MoneyEdit.h"
#include "ui/WidgetWindowHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>

#include <functional>

namespace quv {
namespace {

namespace M = OdemePlaniMesajlari;
using test::gridMetni;
using test::kontrol;
using test::tikla;

void yaz(QWidget& pencere, const char* ad, const char* metin) {
    kontrol<QLineEdit>(pencere, ad).setText(QString::fromUtf8(metin));
}
QString metin(QWidget& pencere, const char* ad) {
    if (auto* etiket = pencere.findChild<QLabel*>(QString::fromLatin1(ad)))
        return etiket->text();
    return kontrol<QLineEdit>(pencere, ad).text();
}
// The compute commands in bold: the one whose plan stands.
QString vurgulu(QWidget& pencere) {
    for (const char* ad : {"cmdCalcAuto1", "cmdCalcAuto2", "cmdCalcManuel"})
        if (kontrol<QPushButton>(pencere, ad).font().bold())
            return QString::fromLatin1(ad);
    return {};
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
    // The wizard on file 1; the bulk dialog gets three of 250 every two months from 15
    // February 2024, paid by hand; the plan display's working copy and rows are kept.
    std::unique_ptr<frmOdemePlani> pencereAc() {
        guard_.messages().clear();
        host_ = std::make_shared<SenaryoluPencereler>();
        host_->senaryo = [this](QDialog& d) {
            if (auto* plan = qobject_cast<frmShowPlan*>(&d)) {
                gosterim_ = {plan->FoyBilgileri.get(), plan->Satirlar().size()};
            } else if (auto* toplu = qobject_cast<frmTahsilatEklemeSihirbazi*>(&d)) {
                toplu->show();
                yaz(*toplu, "oceTutar", "250");
                yaz(*toplu, "oceTekrar", "3");
                yaz(*toplu, "otrTarih", "15.02.2024");
                yaz(*toplu, "ocePeriyot", "2");
                kontrol<QComboBox>(*toplu, "cboPeriyotTipi").setCurrentIndex(0);        // "Ay"
                kontrol<QComboBox>(*toplu, "cboTaksitYatirmaYeri").setCurrentIndex(1);  // "Elden"
                tikla(*toplu, "cmdKaydet");
                return toplu->result();
            }
            return int(QDialog::Rejected);
        };
        shared().setWindowHost(host_);
        ana_ = std::make_unique<clsHesapAna>();
        auto pencere = std::make_unique<frmOdemePlani>();
        pencere->AktifHesap = ana_.get();
        pencere->FoyKodu = 1;
        EXPECT_TRUE(pencere->FormYukle()) << hatalar().join(u'\n').toStdString();
        pencere->show();
        return pencere;
    }
    // A plan by count: 3 instalments from 31 January 2024.
    static void sayiyaHesapla(QWidget& p) {
        yaz(p, "otrIlkTarih", "31.01.2024");
        yaz(p, "oceTaksitSayisi", "3");
        tikla(p, "cmdCalcAuto1");
    }

    std::shared_ptr<SenaryoluPencereler> host_;
    std::pair<const clsFoyBilgileri*, qsizetype> gosterim_{};
};

// The file's fixed rate is kept to four decimals, also by the recalculation after a
// computation: 10,000 x 28.875 % x 305 days (1 March to 31 December) / 365 = 2,412.84 of
// interest (28.88 % would give 2,413.26). A rate table and a dated offset table fill the
// grids; order 2 is not one of the grid's two choices and is listed with its name.
TEST_P(frmOdemePlaniTest, OpensWithTheFilesSettingsAndKeepsTheRates) {
    faizliDosya("10000");
    db_->execute(QStringLiteral("update tblfoy set faizorani = 28.875"));
    auto p = pencereAc();
    EXPECT_EQ(metin(*p, "lblGununTarihi"), QStringLiteral("31.12.2023"));
    EXPECT_EQ(metin(*p, "oceFaizOrani"), QStringLiteral("28,8750"));
    EXPECT_EQ(metin(*p, "lblGuncelBakiye"), QStringLiteral("12.412,84 TL"));
    EXPECT_EQ(kontrol<QComboBox>(*p, "cboTMS").currentText(), QStringLiteral("Önce Borç Aslından"));
    EXPECT_FALSE(kontrol<DataGrid>(*p, "grdMahsupSirasi").isEnabled());
    kontrol<QCheckBox>(*p, "chkFaizIsletme").setChecked(true);
    sayiyaHesapla(*p);
    EXPECT_EQ(metin(*p, "lblGuncelBakiye"), QStringLiteral("12.412,84 TL"));

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
    sayiyaHesapla(*p);
    EXPECT_EQ(p->Wizardfoy()->FaizTablosu().FaizOranlari(2).Oran, 28.875f);
    hataYok();
}

// Without interest the balance of 1,000 is shared out or paid off as entered; the
// command of the standing plan is in bold, and the display opens with the working copy
// and that plan's rows; a plan is only shown for the inputs it was computed from.
TEST_P(frmOdemePlaniTest, ComputesInEachModeAndShowsThePlan) {
    faizsizDosya("1000");
    auto p = pencereAc();
    kontrol<QCheckBox>(*p, "chkFaizIsletme").setChecked(true);
    const auto goster = [&](const char* dugme, qsizetype satir) {
        EXPECT_EQ(mesajlar(), QStringList());
        EXPECT_EQ(vurgulu(*p), QString::fromLatin1(dugme));
        tikla(*p, "cmdOdemePlani");
        EXPECT_EQ(host_->gosterilen.last(), QStringLiteral("frmShowPlan"));
        EXPECT_EQ(gosterim_.first, p->Wizardfoy().get());
        EXPECT_EQ(gosterim_.second, satir) << dugme;
    };
    // (1,000 - 100) / 7 = 128.5714 -> 128.57; the down payment and seven rows.
    yaz(*p, "ocePesinat", "100");
    yaz(*p, "otrIlkTarih", "31.01.2024");
    yaz(*p, "oceTaksitSayisi", "7");
    tikla(*p, "cmdCalcAuto1");
    EXPECT_EQ(metin(*p, "oceTaksitTutari"), QStringLiteral("128,57"));
    goster("cmdCalcAuto1", 8);
    // 1,000 \ 300 = 3, and 1,000 - 900 = 100 as a fourth instalment.
    yaz(*p, "otrIlkTaksitTarihi2", "31.01.2024");
    yaz(*p, "oceTaksitTutari2", "300");
    tikla(*p, "cmdCalcAuto2");
    EXPECT_EQ(metin(*p, "oceTaksitSayisi2"), QStringLiteral("4"));
    EXPECT_EQ(metin(*p, "oceSonTaksitTutari"), QStringLiteral("100,00"));
    goster("cmdCalcAuto2", 4);
    // The bulk dialog's three of 250 every two months after the row already there, in
    // the empty entry row first; the numbering runs on. 1,000 - (500 + 3 x 250) = -250.
    auto& g = kontrol<DataGrid>(*p, "grdTahsilat");
    g.appendRow({QString(), QStringLiteral("20240131"), QStringLiteral("500")});
    tikla(*p, "cmdTopluTahsilatGirme");
    EXPECT_EQ(gridMetni(g),
              (QStringList{"1 | 31.01.2024 | 500,00 | İcrada", "2 | 15.02.2024 | 250,00 | Elden",
                           "3 | 15.04.2024 | 250,00 | Elden", "4 | 15.06.2024 | 250,00 | Elden"}));
    EXPECT_EQ(g.rowCount(), 5);
    tikla(*p, "cmdCalcManuel");
    EXPECT_EQ(metin(*p, "lblToplamOdenen"), QStringLiteral("1.250,00"));
    EXPECT_EQ(metin(*p, "lblBakiye"), QStringLiteral("-250,00"));
    goster("cmdCalcManuel", 4);
    EXPECT_EQ(host_->gosterilen.count(QStringLiteral("frmTahsilatEklemeSihirbazi")), 1);

    // A changed setting on another page asks for a new computation before a display.
    kontrol<QCheckBox>(*p, "chkFaizIsletme").toggle();
    EXPECT_EQ(vurgulu(*p), QString());
    tikla(*p, "cmdOdemePlani");
    EXPECT_EQ(mesajlar(), QStringList{M::TekrarHesapYaptirin});
    EXPECT_EQ(host_->gosterilen.size(), 4);

    // A failed check shows its message, moves the focus to the grid's cell on another
    // settings page, and computes nothing.
    yaz(*p, "oceFaizOrani", "0");
    kontrol<DataGrid>(*p, "grdFaizOrani").appendRow({QStringLiteral("20230101")});
    kontrol<QTabWidget>(*p, "tabAyarlar").setCurrentIndex(3);
    sayiyaHesapla(*p);
    EXPECT_EQ(mesajlar().last(), M::FaizOraniniGiriniz);
    auto* grid = qobject_cast<DataGrid*>(p->focusWidget());
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->objectName(), QStringLiteral("grdFaizOrani"));
    EXPECT_EQ(std::make_pair(grid->currentRow(), grid->currentColumn()), std::make_pair(0, 1));
    EXPECT_EQ(vurgulu(*p), QString());
    hataYok();
}

QUV_ON_BACKENDS(frmOdemePlaniTest);

// The wizard on each demo file (as the desk's command opens it), where a plan by count is
// computed and displayed; a file that is not there opens no window. File 1001's plan
// saved from the display and by the command line: the same rows in cents, adding up to
// the plan's target.
TEST(frmOdemePlaniDemo, TheWizardOnEachDemoFile) {
    test::SharedStateGuard guard;
    const QString adres = test::demo(QStringLiteral("plan-wizard-desk.sqlite"));
    auto pencereler = std::make_shared<SenaryoluPencereler>();
    shared().setWindowHost(pencereler);
    clsHesapAna hesap;
    hesap.setActiveConnection(Database::open(adres));
    Money hedef;
    for (qint32 foy = 1001; foy <= 1012; ++foy) {
        SCOPED_TRACE(foy);
        guard.messages().clear();
        pencereler->gosterilen.clear();
        pencereler->kurSorusu = 0;
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
            } else if (auto* p = qobject_cast<frmOdemePlani*>(&d)) {
                EXPECT_EQ(p->windowTitle(),
                          QStringLiteral("Ödeme Planı Sihirbazı - Föy Kodu : %1").arg(foy));
                kidemSayfasi = p->tabAyarlar->isTabVisible(p->tabAyarlar->indexOf(p->pageKidem));
                // Calculation date 31 December 2024: twelve monthly instalments from January.
                p->otrIlkTarih->setText(QStringLiteral("31.01.2025"));
                p->oceTaksitSayisi->setText(QStringLiteral("12"));
                p->cmdCalcAuto1->click();
                p->cmdOdemePlani->click();
            }
            return int(QDialog::Rejected);
        };
        hesap.ShowWizard(foy);
        EXPECT_EQ(guard.errors().messages(), QStringList());
        EXPECT_EQ(guard.messages().informations(),
                  foy == 1001 ? QStringList{M::TaahhutlerKaydedildi} : QStringList());
        EXPECT_EQ(pencereler->gosterilen, (QStringList{"frmOdemePlani", "frmShowPlan"}));
        EXPECT_EQ(planSatiri, 12);
        // Only the employee claim (1008) has a severance claim.
        EXPECT_EQ(kidemSayfasi, foy == 1008);
        // The dollar file asks once for the rate of each instalment date; the answer is
        // stored, so the searches do not ask again.
        EXPECT_EQ(pencereler->kurSorusu, foy == 1009 ? 12 : 0);
    }
    pencereler->gosterilen.clear();
    hesap.ShowWizard(999);
    EXPECT_EQ(guard.messages().informations().last(),
              QStringLiteral("999 numaralı föy bulunamadı."));
    EXPECT_EQ(pencereler->gosterilen, QStringList());

    const test::CliRun run =
        test::quvhesap({"plan", "--db", adres, "--foy", "1001", "--count", "12", "--first",
                        "20250131", "--save-commitments", "--debtor", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList kayitli = test::taahhutler(*Database::open(adres), 1001);
    ASSERT_EQ(kayitli.size(), 24);
    Money toplam;
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(kayitli[i].section(u' ', 1), kayitli[i + 12].section(u' ', 1));
        const Money tutar = Money::parse(kayitli[i].section(u' ', 3, 3));
        EXPECT_EQ(tutar, tutar.roundTo2());
        toplam += tutar;
    }
    EXPECT_EQ(toplam, hedef);
}

}  // namespace
}  // namespace quv
