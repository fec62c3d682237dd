// The plan display's SMS controls offscreen: availability, the debtor's numbers with
// their icons, and the send command against a fake gateway.

#include "SahteSmsServisi.h"

#include "engine/Database.h"
#include "engine/SharedState.h"
#include "plans/SmsGonderici.h"
#include "plans/frmShowPlan.h"
#include "plans/modSMSGonderme.h"
#include "support/TestEnvironment.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace quv {
namespace {

using Yanit = test::SahteSmsServisi::Yanit;
const QChar CR(13);
const QByteArray kYol = "/api_http/sendsms.asp";

OdemePlaniSatiri satir(qint16 sira, const char* tarih, const char* tutar, const char* kaydet) {
    return {sira, QString::fromLatin1(tarih), Money::parse(QString::fromLatin1(tutar)),
            QString::fromLatin1(kaydet), QString()};
}

class frmShowPlanSmsTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        db_->addRow(QStringLiteral("tbloptions_all"),
                    {{QStringLiteral("kod"), 1},
                     {QStringLiteral("SmsServisSaglayiciId"), 1},
                     {QStringLiteral("smskullaniciadi"), QStringLiteral("ofis")},
                     {QStringLiteral("smssifresi"), modSMSGonderme::Decrypt(QStringLiteral("s"))}});
        db_->addRow(QStringLiteral("tblfoy_sahis"),
                    {{QStringLiteral("foykodu"), 1},
                     {QStringLiteral("foysahiskodu"), 1},
                     {QStringLiteral("ad"), QStringLiteral("Ali")},
                     {QStringLiteral("soyad"), QStringLiteral("Öz")},
                     {QStringLiteral("ceptel"), QStringLiteral("5321234567")}});
        db_->addRow(QStringLiteral("tblfoy_sahis"),
                    {{QStringLiteral("foykodu"), 1},
                     {QStringLiteral("foysahiskodu"), 2},
                     {QStringLiteral("ad"), QStringLiteral("Can")}});
        db_->addRow(QStringLiteral("tblfoy_arastirma"),
                    {{QStringLiteral("foykodu"), 1},
                     {QStringLiteral("foysahiskodu"), 1},
                     {QStringLiteral("tel"), QStringLiteral("05330000001")},
                     {QStringLiteral("sonuc"), 5},
                     {QStringLiteral("teloradres"), 1}});
        db_->addRow(QStringLiteral("tblfoy_gorusme"),
                    {{QStringLiteral("foykodu"), 1},
                     {QStringLiteral("foysahiskodu"), 1},
                     {QStringLiteral("arananno"), QStringLiteral("05330000002")},
                     {QStringLiteral("ulasildi"), 0},
                     {QStringLiteral("ulasilamamanedeni"), 4}});
    }

    // File 1 with a down payment of 100.00 and two instalments of 250.00.
    std::unique_ptr<frmShowPlan> ac() {
        auto pencere = std::make_unique<frmShowPlan>();
        pencere->FoyKodu = 1;
        OdemePlani plan;
        plan.Satirlar = {satir(1, "20240115", "100", "0"), satir(2, "20240215", "250", "1"),
                         satir(3, "20240315", "250", "1")};
        pencere->PlaniGoster(plan);
        pencere->show();
        pencere->Sms()->BasitAdres = servis_.adres();
        return pencere;
    }
    void borcluSec(frmShowPlan& pencere, int sira) { pencere.cboborclu->setCurrentIndex(sira); }
    QStringList mesajlar() { return guard_.messages().informations(); }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
    test::SahteSmsServisi servis_;
};

TEST_P(frmShowPlanSmsTest, IncompleteSettingsDisableTheControls) {
    {
        auto pencere = ac();
        EXPECT_TRUE(pencere->cboTelefon->isEnabled());
        EXPECT_TRUE(pencere->cmdSmsGonder->isEnabled());
    }
    db_->execute(QStringLiteral("update tbloptions_all set smssifresi = ''"));
    auto pencere = ac();
    EXPECT_FALSE(pencere->cboTelefon->isEnabled());
    EXPECT_FALSE(pencere->cmdSmsGonder->isEnabled());
}

TEST_P(frmShowPlanSmsTest, TheChosenDebtorsNumbersWithTheirIcons) {
    auto pencere = ac();
    QComboBox& liste = *pencere->cboTelefon;
    EXPECT_EQ(liste.count(), 0);
    borcluSec(*pencere, 0);
    ASSERT_EQ(liste.count(), 3);
    const std::pair<const char*, int> beklenen[] = {
        {"05330000001", 3}, {"05330000002", 1}, {"5321234567", 2}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(liste.itemText(i), QString::fromLatin1(beklenen[i].first));
        EXPECT_EQ(liste.itemData(i).toInt(), beklenen[i].second);
        EXPECT_FALSE(liste.itemIcon(i).isNull());
    }
    EXPECT_TRUE(liste.currentText().isEmpty());
    borcluSec(*pencere, 1);
    EXPECT_EQ(liste.count(), 0);

    borcluSec(*pencere, 0);
    liste.setCurrentIndex(2);
    pencere->resize(760, 560);
    const QString resim =
        QDir(QCoreApplication::applicationDirPath())
            .absoluteFilePath(
                QStringLiteral("frmShowPlan-sms-%1.png").arg(test::backendName(GetParam())));
    EXPECT_TRUE(pencere->grab().save(resim));
}

TEST_P(frmShowPlanSmsTest, SendsThePlanToTheChosenNumber) {
    servis_.yanitla(kYol, {{200, "errno=0&errtext=OK"}});
    auto pencere = ac();
    borcluSec(*pencere, 0);
    pencere->cboTelefon->setCurrentIndex(2);
    pencere->cmdSmsGonder->click();
    ASSERT_EQ(servis_.istekler().size(), 1);
    // "Sayın Ali Öz, ... aşağıdadır. 15.01.2024'de 100,00 TL, 15.02.2024'de 250,00 TL,
    // 15.03.2024'de 250,00 TL." in form encoding (' is %27, the comma %2C, Ö D6).
    const QByteArray govde = servis_.istekler()[0].govde;
    EXPECT_TRUE(govde.startsWith("user=ofis&password=s&gsm=05321234567&text=Say%FDn+Ali+%D6z%2C+"))
        << govde.toStdString();
    EXPECT_TRUE(
        govde.endsWith("15%2E01%2E2024%27de+100%2C00+TL%2C+15%2E02%2E2024%27de+250%2C00+"
                       "TL%2C+15%2E03%2E2024%27de+250%2C00+TL%2E"))
        << govde.toStdString();
    EXPECT_EQ(mesajlar(), QStringList{QStringLiteral("SMS gönderildi. ") + CR + "OK"});
    EXPECT_TRUE(pencere->cmdSmsGonder->isEnabled());
}

TEST_P(frmShowPlanSmsTest, TheButtonWaitsDisabledForTheAnswer) {
    servis_.yanitla(kYol, {{200, "", "text/plain", true}});
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

INSTANTIATE_TEST_SUITE_P(Backends, frmShowPlanSmsTest,
                         ::testing::ValuesIn(test::availableBackends()), [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
