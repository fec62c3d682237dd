#include "engine/Database.h"
#include "engine/Variant.h"
#include "support/TestEnvironment.h"

#include "engine/SqlScript.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

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

namespace quv {
namespace {

// A demo database: the schema and the sample files.
QString demoDatabase(const QString& name) {
    QString path = test::scratchPath(name);
    quvhesap({QStringLiteral("init-db"), QStringLiteral("--db"), path});
    auto db = Database::open(path);
    QFile file(QStringLiteral(QUV_DEMO_DATA_SQL));
    file.open(QIODevice::ReadOnly);
    db->beginTransaction();
    for (const QString& statement : SqlScript::statements(QString::fromUtf8(file.readAll())))
        db->execute(statement);
    db->commit();
    return path;
}

TEST(QuvhesapCli, CalcPrintsTheSummaryAsJson) {
    const QString path = demoDatabase(QStringLiteral("cli-calc.sqlite"));
    CliRun run =
        quvhesap({QStringLiteral("calc"), QStringLiteral("--db"), path, QStringLiteral("--foy"),
                  QStringLiteral("1001"), QStringLiteral("--json"), QStringLiteral("--tiered")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonParseError error;
    QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    EXPECT_EQ(json.value(QStringLiteral("FoyKodu")).toInt(), 1001);
    EXPECT_EQ(json.value(QStringLiteral("HesapOzeti")).toObject().size(), 69);
    EXPECT_TRUE(json.value(QStringLiteral("Hatalar")).toArray().isEmpty());
    QJsonArray alacaklar = json.value(QStringLiteral("Alacaklar")).toArray();
    ASSERT_FALSE(alacaklar.isEmpty());
    for (const char* key :
         {"AlacakAdi", "Tutar", "FaizBaslangicTarihi", "IslemisFaiz", "SonrakiFaiz",
          "AsilAlacakBakiyesi", "GecerliFaizOrani", "KademeliFaizDetayi"})
        EXPECT_TRUE(alacaklar.first().toObject().contains(QString::fromLatin1(key))) << key;
    // Amounts are written from the fixed-point value: at most four decimals, no binary noise.
    static const QRegularExpression amount(
        QStringLiteral("\"BakiyeGuncelTL\":-?\\d+(\\.\\d{1,4})?[,}]"));
    EXPECT_TRUE(amount.match(run.out).hasMatch()) << run.out.left(400).toStdString();
    // Without --save nothing is stored.
    auto db = Database::open(path);
    RecordSet rs = db->openRecordSet(QStringLiteral("select count(*) from tblfoy_hesap"));
    EXPECT_EQ(toInt32(rs.value(0)), 0);
}

TEST(QuvhesapCli, CalcExitStatuses) {
    const QString path = demoDatabase(QStringLiteral("cli-status.sqlite"));
    CliRun missing = quvhesap({QStringLiteral("calc"), QStringLiteral("--db"), path,
                               QStringLiteral("--foy"), QStringLiteral("9999")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("9999 numaralı föy bulunamadı.")))
        << missing.err.toStdString();
    CliRun badDate =
        quvhesap({QStringLiteral("calc"), QStringLiteral("--db"), path, QStringLiteral("--foy"),
                  QStringLiteral("1001"), QStringLiteral("--date"), QStringLiteral("20230231")});
    EXPECT_EQ(badDate.exitCode, 2);
    EXPECT_TRUE(badDate.err.contains(QStringLiteral("geçerli bir tarih")))
        << badDate.err.toStdString();
    // A missing exchange rate with nobody at a terminal: reported, never invented, nothing saved.
    {
        auto db = Database::open(path);
        db->execute(QStringLiteral("delete from tblkur where parabirimikodu = 2"));
    }
    CliRun rate =
        quvhesap({QStringLiteral("calc"), QStringLiteral("--db"), path, QStringLiteral("--foy"),
                  QStringLiteral("1009"), QStringLiteral("--save"), QStringLiteral("--json")});
    EXPECT_EQ(rate.exitCode, 1);
    QJsonObject json = QJsonDocument::fromJson(rate.out.toUtf8()).object();
    ASSERT_FALSE(json.value(QStringLiteral("Hatalar")).toArray().isEmpty())
        << rate.out.toStdString();
    EXPECT_TRUE(json.value(QStringLiteral("Hatalar"))
                    .toArray()
                    .first()
                    .toString()
                    .contains(QStringLiteral("2 kodlu")));
    auto db = Database::open(path);
    RecordSet rs =
        db->openRecordSet(QStringLiteral("select count(*) from tblfoy_hesap where foykodu = 1009"));
    EXPECT_EQ(toInt32(rs.value(0)), 0);
    // The readable form with --save stores the summary.
    CliRun saved =
        quvhesap({QStringLiteral("calc"), QStringLiteral("--db"), path, QStringLiteral("--foy"),
                  QStringLiteral("1001"), QStringLiteral("--save")});
    EXPECT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_TRUE(saved.out.contains(QStringLiteral("Güncel bakiye (TL)")))
        << saved.out.toStdString();
    RecordSet stored =
        db->openRecordSet(QStringLiteral("select count(*) from tblfoy_hesap where foykodu = 1001"));
    EXPECT_EQ(toInt32(stored.value(0)), 1);
}

}  // namespace
}  // namespace quv
