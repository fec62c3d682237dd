// The facade opens the payment-plan wizard on the demo files, as the desk application's
// "Ödeme Planı" command does, and a plan by count is computed and displayed on each.

#include "apps/quvhesap-desk/AnaPencere.h"
#include "engine/Database.h"
#include "engine/Schema.h"
#include "engine/SharedState.h"
#include "engine/SqlScript.h"
#include "engine/clsHesapAna.h"
#include "engine/ui/DataGrid.h"
#include "engine/ui/DateEdit.h"
#include "engine/ui/MoneyEdit.h"
#include "engine/ui/WidgetWindowHost.h"
#include "plans/frmOdemePlani.h"
#include "plans/frmShowPlan.h"
#include "support/TestEnvironment.h"
#include "tools/frmKurGir.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace quv {
namespace {

// Opens each window through a script instead of a user. A missing exchange rate is
// answered as a user would: 35 lira a unit, stored for the date.
class DemoPencereleri : public WidgetWindowHost {
public:
    std::function<void(frmOdemePlani&)> sihirbaz;
    QStringList gosterilen;
    int kurSorusu = 0;
    QList<OdemePlaniSatiri> planSatirlari;
    int showModal(QDialog& pencere) override {
        if (auto* kur = qobject_cast<frmKurGir*>(&pencere)) {
            ++kurSorusu;
            kur->oceKur->setText(QStringLiteral("35"));
            kur->cmdKaydet->click();
            return kur->result();
        }
        gosterilen << pencere.objectName();
        if (auto* s = qobject_cast<frmOdemePlani*>(&pencere); s && sihirbaz)
            sihirbaz(*s);
        if (auto* plan = qobject_cast<frmShowPlan*>(&pencere))
            planSatirlari = plan->Satirlar();
        return QDialog::Rejected;
    }
};

class frmOdemePlaniDemoTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        QFile veri(QStringLiteral(QUV_DEMO_DATA_SQL));
        ASSERT_TRUE(veri.open(QIODevice::ReadOnly));
        db_->beginTransaction();
        for (const QString& komut : SqlScript::statements(QString::fromUtf8(veri.readAll())))
            db_->execute(komut);
        db_->commit();
        ana_.setActiveConnection(db_);
        pencereler_ = std::make_shared<DemoPencereleri>();
        shared().setWindowHost(pencereler_);
    }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
    clsHesapAna ana_;
    std::shared_ptr<DemoPencereleri> pencereler_;
};

TEST_P(frmOdemePlaniDemoTest, EachDemoFileGetsAPlanByCount) {
    for (qint32 foy = 1001; foy <= 1012; ++foy) {
        SCOPED_TRACE(foy);
        guard_.messages().clear();
        pencereler_->gosterilen.clear();
        pencereler_->planSatirlari.clear();
        pencereler_->kurSorusu = 0;
        QString taksit;
        bool kidemSayfasi = false;
        pencereler_->sihirbaz = [&](frmOdemePlani& p) {
            EXPECT_EQ(p.AktifHesap, &ana_);
            EXPECT_TRUE(p.windowTitle().endsWith(QStringLiteral(" - Föy Kodu : %1").arg(foy)));
            EXPECT_TRUE(p.lblGuncelBakiye->text().endsWith(QStringLiteral(" TL")));
            kidemSayfasi = p.tabAyarlar->isTabVisible(p.tabAyarlar->indexOf(p.pageKidem));
            // Calculation date 31 December 2024: twelve monthly instalments from January.
            p.otrIlkTarih->setText(QStringLiteral("31.01.2025"));
            p.oceTaksitSayisi->setText(QStringLiteral("12"));
            p.cmdCalcAuto1->click();
            taksit = p.oceTaksitTutari->text();
            p.cmdOdemePlani->click();
        };
        ana_.ShowWizard(foy);
        EXPECT_EQ(guard_.errors().messages(), QStringList());
        EXPECT_EQ(guard_.messages().informations(), QStringList());
        EXPECT_FALSE(taksit.isEmpty());
        EXPECT_EQ(pencereler_->gosterilen,
                  (QStringList{QStringLiteral("frmOdemePlani"), QStringLiteral("frmShowPlan")}));
        EXPECT_EQ(pencereler_->planSatirlari.size(), 12);
        // Only the employee claim (1008) has a severance claim.
        EXPECT_EQ(kidemSayfasi, foy == 1008);
        // The dollar file asks once for the rate of each instalment date; the answer is
        // stored, so the searches do not ask again.
        EXPECT_EQ(pencereler_->kurSorusu, foy == 1009 ? 12 : 0);
    }
}

TEST_P(frmOdemePlaniDemoTest, AFileThatIsNotThereOpensNoWindow) {
    ana_.ShowWizard(999);
    EXPECT_EQ(guard_.messages().informations(),
              QStringList{QStringLiteral("999 numaralı föy bulunamadı.")});
    EXPECT_EQ(pencereler_->gosterilen, QStringList());
    EXPECT_EQ(guard_.errors().messages(), QStringList());
}

// The desk application's command on a demo database file opens the wizard for the
// chosen file.
TEST(frmOdemePlaniDesk, TheDeskCommandOpensTheWizard) {
    test::SharedStateGuard guard;
    const QString adres = test::scratchPath(QStringLiteral("plan-wizard-desk.sqlite"));
    {
        auto db = Database::open(adres, Database::OpenMode::CreateIfMissing);
        Schema::initialize(*db);
        QFile veri(QStringLiteral(QUV_DEMO_DATA_SQL));
        ASSERT_TRUE(veri.open(QIODevice::ReadOnly));
        for (const QString& komut : SqlScript::statements(QString::fromUtf8(veri.readAll())))
            db->execute(komut);
    }
    auto pencereler = std::make_shared<DemoPencereleri>();
    QString baslik;
    pencereler->sihirbaz = [&](frmOdemePlani& p) { baslik = p.windowTitle(); };
    shared().setWindowHost(pencereler);
    desk::AnaPencere ana(new QSettings(test::scratchPath(QStringLiteral("plan-wizard-desk.ini")),
                                       QSettings::IniFormat));
    ASSERT_TRUE(ana.veritabaniAc(adres));
    ASSERT_TRUE(ana.foySec(1001));
    ana.odemePlani();
    EXPECT_EQ(pencereler->gosterilen, QStringList{QStringLiteral("frmOdemePlani")});
    EXPECT_EQ(baslik, QStringLiteral("Ödeme Planı Sihirbazı - Föy Kodu : 1001"));
    EXPECT_EQ(guard.errors().messages(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Backends, frmOdemePlaniDemoTest,
                         ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) { return info.param.name.toStdString(); });

}  // namespace
}  // namespace quv
