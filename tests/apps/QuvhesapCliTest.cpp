#include "engine/Database.h"
#include "engine/Variant.h"
#include "support/TestEnvironment.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace quv {
namespace {

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

CliRun quvhesap(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUVHESAP_BINARY), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(QuvhesapCli, InitDbCreatesOnceAndThenChangesNothing) {
    QString path = test::scratchPath(QStringLiteral("cli-init.sqlite"));
    CliRun first = quvhesap({QStringLiteral("init-db"), QStringLiteral("--db"), path});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("Tablolar oluşturuldu")))
        << first.out.toStdString();
    CliRun second = quvhesap({QStringLiteral("init-db"), QStringLiteral("--db"), path});
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(second.out.contains(QStringLiteral("değişiklik yapılmadı")))
        << second.out.toStdString();
}

TEST(QuvhesapCli, RefusesADatabaseWithOtherTables) {
    QString path = test::scratchPath(QStringLiteral("cli-other.sqlite"));
    {
        auto db = Database::open(path, Database::OpenMode::CreateIfMissing);
        db->execute(QStringLiteral("create table tblfoy (foykodu integer)"));
    }
    CliRun run = quvhesap({QStringLiteral("init-db"), QStringLiteral("--db"), path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("hiçbir değişiklik yapılmadı")))
        << run.err.toStdString();
    auto db = Database::open(path);
    EXPECT_EQ(db->tables(), QStringList{QStringLiteral("tblfoy")});
}

TEST(QuvhesapCli, InvalidArgumentsGiveATurkishMessageAndExitTwo) {
    QString path = test::scratchPath(QStringLiteral("cli-args.sqlite"));
    quvhesap({QStringLiteral("init-db"), QStringLiteral("--db"), path});
    struct Case {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{QStringLiteral("notify-refresh"), QStringLiteral("--db"), path, QStringLiteral("--foy"),
          QStringLiteral("abc")},
         "geçerli bir föy kodu"},
        {{QStringLiteral("notify-refresh"), QStringLiteral("--db"), path, QStringLiteral("--foy"),
          QStringLiteral("0")},
         "geçerli bir föy kodu"},
        {{QStringLiteral("notify-refresh")}, "--db seçeneği gerekli"},
        {{QStringLiteral("notify-refresh"), QStringLiteral("--db"), path,
          QStringLiteral("--bogus")},
         "Geçersiz argüman"},
        {{QStringLiteral("frobnicate")}, "Bilinmeyen komut"},
    };
    for (const auto& c : cases) {
        CliRun run = quvhesap(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
    }
    CliRun missing = quvhesap({QStringLiteral("notify-refresh"), QStringLiteral("--db"),
                               test::scratchPath(QStringLiteral("yok.sqlite"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("bulunamadı"))) << missing.err.toStdString();
}

TEST(QuvhesapCli, NotifyRefreshRebuildsOneFileOrAll) {
    QString path = test::scratchPath(QStringLiteral("cli-notify.sqlite"));
    quvhesap({QStringLiteral("init-db"), QStringLiteral("--db"), path});
    {
        auto db = Database::open(path);
        for (int foy : {1, 2}) {
            db->addRow(QStringLiteral("tblfoy"), {{QStringLiteral("foykodu"), foy}});
            db->addRow(QStringLiteral("tblfoy_sahis"),
                       {{QStringLiteral("foykodu"), foy}, {QStringLiteral("foysahiskodu"), 1}});
            db->addRow(QStringLiteral("tblfoy_tebligat"),
                       {{QStringLiteral("foykodu"), foy},
                        {QStringLiteral("foysahiskodu"), 1},
                        {QStringLiteral("tebligatkodu"), 1},
                        {QStringLiteral("tebligtarihi"), QStringLiteral("20230101")},
                        {QStringLiteral("tebligatdurumu"), foy == 1 ? 5 : 8}});
        }
    }
    CliRun one = quvhesap({QStringLiteral("notify-refresh"), QStringLiteral("--db"), path,
                           QStringLiteral("--foy"), QStringLiteral("2")});
    EXPECT_EQ(one.exitCode, 0) << one.err.toStdString();
    auto statusOf = [&](int foy) {
        auto db = Database::open(path);
        RecordSet rs =
            db->openRecordSet(QStringLiteral("select tebligatdurumu from tblfoy where foykodu = ?"),
                              CursorType::ForwardOnly, {foy});
        return isNull(rs.value(0)) ? -1 : toInt32(rs.value(0));
    };
    EXPECT_EQ(statusOf(1), -1);
    EXPECT_EQ(statusOf(2), 2);
    CliRun all = quvhesap({QStringLiteral("notify-refresh"), QStringLiteral("--db"), path});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    EXPECT_TRUE(all.out.contains(QStringLiteral("2 föyün"))) << all.out.toStdString();
    EXPECT_EQ(statusOf(1), 1);
}

}  // namespace
}  // namespace quv
