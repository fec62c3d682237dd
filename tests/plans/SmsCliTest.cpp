// quvhesap sms through the built binary against a fake simple gateway, on the demo data.

#include "SahteSmsServisi.h"

#include "engine/Database.h"
#include "engine/Schema.h"
#include "engine/SqlScript.h"
#include "plans/modSMSGonderme.h"
#include "support/TestEnvironment.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

namespace quv {
namespace {

using Yanit = test::SahteSmsServisi::Yanit;

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

class SmsCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        db_ = test::scratchPath(
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
            QStringLiteral(".sqlite"));
        QFile::remove(db_);
        auto db = Database::open(db_, Database::OpenMode::CreateIfMissing);
        Schema::initialize(*db);
        QFile dosya(QStringLiteral(QUV_DEMO_DATA_SQL));
        ASSERT_TRUE(dosya.open(QIODevice::ReadOnly));
        db->beginTransaction();
        for (const QString& komut : SqlScript::statements(QString::fromUtf8(dosya.readAll())))
            db->execute(komut);
        db->commit();
        db->execute(QStringLiteral("update tbloptions_all set SmsServisSaglayiciId = 1, "
                                   "smskullaniciadi = 'ofis', smssifresi = ? where kod = 1"),
                    {modSMSGonderme::Decrypt(QStringLiteral("gizli"))});
    }

    // Runs the binary while this process keeps serving the fake gateway.
    CliRun sms(const QStringList& arguman) {
        QProcess islem;
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("QUV_SMS_BASIT_URL"), servis_.adres());
        islem.setProcessEnvironment(ortam);
        QEventLoop dongu;
        QObject::connect(&islem, &QProcess::finished, &dongu, &QEventLoop::quit);
        QObject::connect(&islem, &QProcess::errorOccurred, &dongu, &QEventLoop::quit);
        QTimer::singleShot(120000, &dongu, &QEventLoop::quit);
        islem.start(
            QStringLiteral(QUVHESAP_BINARY),
            QStringList{QStringLiteral("sms"), QStringLiteral("--db"), db_, QStringLiteral("--foy"),
                        QStringLiteral("1001"), QStringLiteral("--debtor"), QStringLiteral("1")} +
                arguman);
        dongu.exec();
        return {islem.exitStatus() == QProcess::NormalExit ? islem.exitCode() : -1,
                QString::fromUtf8(islem.readAllStandardOutput()),
                QString::fromUtf8(islem.readAllStandardError())};
    }

    const QByteArray yol_ = "/api_http/sendsms.asp";
    test::SahteSmsServisi servis_;
    QString db_;
};

TEST_F(SmsCliTest, TextIsSent) {
    servis_.yanitla(yol_, {{200, "errno=0&errtext=OK&message_id=5"}});
    const CliRun run = sms({QStringLiteral("--number"), QStringLiteral("5324112780"),
                            QStringLiteral("--text"), QStringLiteral("Ödeme günü yarın")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(servis_.istekler().size(), 1);
    EXPECT_EQ(servis_.istekler()[0].govde,
              QByteArray("user=ofis&password=gizli&gsm=05324112780&text=%D6deme+g%FCn%FC+yar%FDn"));
    EXPECT_TRUE(run.out.contains(QStringLiteral("SMS gönderildi. \nOK"))) << run.out.toStdString();
}

TEST_F(SmsCliTest, PlanInstalmentsAreSent) {
    servis_.yanitla(yol_, {{200, "errno=0&errtext=OK"}});
    const CliRun run =
        sms({QStringLiteral("--number"), QStringLiteral("05324112780"), QStringLiteral("--count"),
             QStringLiteral("3"), QStringLiteral("--first"), QStringLiteral("20250131")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    ASSERT_EQ(servis_.istekler().size(), 1);
    // The debtor's name in the code page: ü FC, Ç C7; the comma is %2C.
    EXPECT_TRUE(servis_.istekler()[0].govde.contains("&text=Say%FDn+H%FCseyin+%C7elik%2C+ofis"));
    const QString metin = run.out.section(QStringLiteral("SMS metni: "), 1).section(u'\n', 0, 0);
    EXPECT_EQ(metin.count(QStringLiteral("'de ")), 3) << metin.toStdString();
    EXPECT_TRUE(metin.contains(QStringLiteral("31.01.2025'de "))) << metin.toStdString();
    EXPECT_TRUE(metin.endsWith(QStringLiteral(" TL."))) << metin.toStdString();
}

TEST_F(SmsCliTest, FailuresExitWithNonZero) {
    servis_.yanitla(yol_, {{200, "errno=30&errtext=Kredi yetersiz"}});
    CliRun run = sms({QStringLiteral("--number"), QStringLiteral("05324112780"),
                      QStringLiteral("--text"), QStringLiteral("x")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("SMS gönderilemedi. \nKredi yetersiz")))
        << run.err.toStdString();

    struct Durum {
        QStringList arguman;
        const char* hata;
    } durumlar[] = {
        {{QStringLiteral("--number"), QStringLiteral("0532 411 27 80"), QStringLiteral("--text"),
          QStringLiteral("x")},
         "Geçersiz Cep Telefonu Numarası."},
        {{QStringLiteral("--number"), QStringLiteral("05324112780")}, "--text ya da plan"},
        {{QStringLiteral("--number"), QStringLiteral("05324112780"), QStringLiteral("--text"),
          QStringLiteral("x"), QStringLiteral("--count"), QStringLiteral("3")},
         "--text ya da plan"},
    };
    for (const Durum& d : durumlar) {
        run = sms(d.arguman);
        EXPECT_EQ(run.exitCode, 2) << d.hata;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(d.hata))) << run.err.toStdString();
    }
    EXPECT_EQ(servis_.istekler().size(), 1);
}

}  // namespace
}  // namespace quv
