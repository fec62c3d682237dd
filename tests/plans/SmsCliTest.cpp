// quvhesap sms through the built binary against a fake simple gateway, on the demo data.

#include "PlanTestDestegi.h"
#include "SahteSmsServisi.h"

#include "plans/modSMSGonderme.h"

namespace quv {
namespace {

const QByteArray kYol = "/api_http/sendsms.asp";

class SmsCliTest : public ::testing::Test {
protected:
    // The simple gateway with user "ofis" and password "gizli" in the options.
    void SetUp() override {
        db_ = test::demo(
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
            QStringLiteral(".sqlite"));
        Database::open(db_)->execute(
            QStringLiteral("update tbloptions_all set SmsServisSaglayiciId = 1, "
                           "smskullaniciadi = 'ofis', smssifresi = ? where kod = 1"),
            {modSMSGonderme::Decrypt(QStringLiteral("gizli"))});
    }
    // "sms --db DB --foy 1001 --debtor 1" and the arguments, the gateway from the environment.
    test::CliRun sms(QStringList arguman) {
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("QUV_SMS_BASIT_URL"), servis_.adres());
        return test::quvhesap(
            QStringList{QStringLiteral("sms"), QStringLiteral("--db"), db_, QStringLiteral("--foy"),
                        QStringLiteral("1001"), QStringLiteral("--debtor"), QStringLiteral("1"),
                        QStringLiteral("--number")} +
                arguman,
            ortam);
    }

    test::SahteSmsServisi servis_;
    QString db_;
};

// The plan's three instalments in the text, to the debtor by name.
TEST_F(SmsCliTest, PlanInstalmentsAreSent) {
    servis_.yanitla(kYol, {{200, "errno=0&errtext=OK"}});
    const test::CliRun run =
        sms({QStringLiteral("05324112780"), QStringLiteral("--count"), QStringLiteral("3"),
             QStringLiteral("--first"), QStringLiteral("20250131")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    ASSERT_EQ(servis_.istekler().size(), 1);
    // The debtor's name in the code page: ü FC, Ç C7; the comma is %2C.
    EXPECT_TRUE(servis_.istekler()[0].govde.contains("&text=Say%FDn+H%FCseyin+%C7elik%2C+ofis"));
    const QString metin = run.out.section(QStringLiteral("SMS metni: "), 1).section(u'\n', 0, 0);
    EXPECT_EQ(metin.count(QStringLiteral("'de ")), 3) << metin.toStdString();
    EXPECT_TRUE(metin.contains(QStringLiteral("31.01.2025'de "))) << metin.toStdString();
    EXPECT_TRUE(metin.endsWith(QStringLiteral(" TL."))) << metin.toStdString();
}

// A gateway error exits with 1; a wrong number or text choice with 2, sending nothing.
TEST_F(SmsCliTest, FailuresExitWithNonZero) {
    servis_.yanitla(kYol, {{200, "errno=30&errtext=Kredi yetersiz"}});
    test::CliRun run =
        sms({QStringLiteral("05324112780"), QStringLiteral("--text"), QStringLiteral("x")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("SMS gönderilemedi. \nKredi yetersiz")))
        << run.err.toStdString();
    const std::pair<QStringList, const char*> durumlar[] = {
        {{QStringLiteral("0532 411 27 80"), QStringLiteral("--text"), QStringLiteral("x")},
         "Geçersiz Cep Telefonu Numarası."},
        {{QStringLiteral("05324112780")}, "--text ya da plan"},
    };
    for (const auto& [arguman, hata] : durumlar) {
        run = sms(arguman);
        EXPECT_EQ(run.exitCode, 2) << hata;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(hata))) << run.err.toStdString();
    }
    EXPECT_EQ(servis_.istekler().size(), 1);
}

}  // namespace
}  // namespace quv
