// quvhesap sms through the built binary against a fake simple gateway, on the demo data:
// the plan options make the text, the exit status tells a sent (0), failed (1) or refused
// (2) run.

#include "PlanTestDestegi.h"
#include "SahteSmsServisi.h"

#include "plans/modSMSGonderme.h"

namespace quv {
namespace {

TEST(SmsCli, SendsAndFailures) {
    // The simple gateway with user "ofis" and password "gizli" in the options.
    const QString db = test::demo(QStringLiteral("sms-cli.sqlite"));
    Database::open(db)->execute(QStringLiteral("update tbloptions_all set SmsServisSaglayiciId = "
                                               "1, smskullaniciadi = 'ofis', smssifresi = ? "
                                               "where kod = 1"),
                                {modSMSGonderme::Decrypt(QStringLiteral("gizli"))});
    test::SahteSmsServisi servis;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.insert(QStringLiteral("QUV_SMS_BASIT_URL"), servis.adres());
    // Debtor 1 of file 1001.
    const auto gonder = [&](const QStringList& arguman, const QByteArray& yanit) {
        servis.yanitla("/api_http/sendsms.asp", {{200, yanit}});
        return test::quvhesap(QStringList{"sms", "--db", db, "--foy", "1001", "--debtor", "1",
                                          "--number", "05324112780"} +
                                  arguman,
                              ortam);
    };
    // The plan's instalments from 31 January 2025, after the debtor's name from the file
    // in the code page: ı FD, ü FC, Ç C7; "," %2C.
    test::CliRun run = gonder({"--count", "3", "--first", "20250131"}, "errno=0&errtext=OK");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("31.01.2025'de "))) << run.out.toStdString();
    ASSERT_EQ(servis.istekler.size(), 1);
    EXPECT_TRUE(servis.istekler[0].govde.contains("&text=Say%FDn+H%FCseyin+%C7elik%2C+"));

    run = gonder({"--text", "x"}, "errno=30&errtext=Kredi yetersiz");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("SMS gönderilemedi. \nKredi yetersiz")))
        << run.err.toStdString();

    // Neither a text nor a plan: refused, nothing sent.
    run = gonder({}, {});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--text ya da plan"))) << run.err.toStdString();
    EXPECT_EQ(servis.istekler.size(), 2);
}

}  // namespace
}  // namespace quv
