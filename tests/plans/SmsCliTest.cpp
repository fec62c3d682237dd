// quvhesap sms through the built binary against a fake simple gateway, on the demo data:
// the plan options make the text, the exit status tells a sent, failed or refused run.

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
    const struct {
        const char* numara;
        QStringList arguman;
        const char* yanit;
        int cikis;
        const char* metin;  // in the output, or the error output of a failed run
    } durumlar[] = {
        // The plan's instalments from 31 January 2025, to debtor 1 of file 1001.
        {"05324112780",
         {"--count", "3", "--first", "20250131"},
         "errno=0&errtext=OK",
         0,
         "31.01.2025'de "},
        {"05324112780",
         {"--text", "x"},
         "errno=30&errtext=Kredi yetersiz",
         1,
         "SMS gönderilemedi. \nKredi yetersiz"},
        {"0532 411 27 80", {"--text", "x"}, "", 2, "Geçersiz Cep Telefonu Numarası."},
        {"05324112780", {}, "", 2, "--text ya da plan"},
    };
    for (const auto& d : durumlar) {
        servis.yanitla("/api_http/sendsms.asp", {{200, d.yanit}});
        const qsizetype once = servis.istekler.size();
        const test::CliRun run =
            test::quvhesap(QStringList{"sms", "--db", db, "--foy", "1001", "--debtor", "1",
                                       "--number", QString::fromUtf8(d.numara)} +
                               d.arguman,
                           ortam);
        EXPECT_EQ(run.exitCode, d.cikis) << d.metin;
        EXPECT_TRUE((d.cikis ? run.err : run.out).contains(QString::fromUtf8(d.metin)))
            << run.out.toStdString() << run.err.toStdString();
        // A refused run sends nothing.
        ASSERT_EQ(servis.istekler.size(), once + (d.cikis < 2 ? 1 : 0));
        // The debtor's name from the file in the code page: ı FD, ü FC, Ç C7; "," %2C.
        EXPECT_EQ(servis.istekler.last().govde.contains("&text=Say%FDn+H%FCseyin+%C7elik%2C+"),
                  d.cikis == 0);
    }
}

}  // namespace
}  // namespace quv
