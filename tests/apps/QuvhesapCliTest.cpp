#include "engine/Database.h"
#include "engine/Variant.h"
#include "formats/DemoVerisi.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <vector>

namespace quv {
namespace {

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

// Runs the binary with the command, "--db PATH" and the further arguments.
CliRun quvhesap(const char* command, const QString& db, const std::vector<const char*>& rest) {
    QStringList arguments{QString::fromLatin1(command)};
    if (!db.isEmpty())
        arguments << QStringLiteral("--db") << db;
    for (const char* a : rest)
        arguments << QString::fromUtf8(a);
    QProcess process;
    process.start(QStringLiteral(QUVHESAP_BINARY), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

int count(const QString& db, const char* sql) {
    auto connection = Database::open(db);
    RecordSet rs = connection->openRecordSet(QString::fromLatin1(sql));
    return toInt32(rs.value(0));
}

// A new database with the tables, and the demo files when asked.
QString database(const char* name, bool demo = false) {
    const QString path = test::scratchPath(QString::fromLatin1(name));
    EXPECT_EQ(quvhesap("init-db", path, {}).exitCode, 0);
    if (demo) {
        auto db = Database::open(path);
        demoVerisiniYukle(*db, QStringLiteral(QUV_DEMO_DIR));
    }
    return path;
}

TEST(QuvhesapCli, InitDbCreatesOnceAndRefusesOtherTables) {
    const QString path = test::scratchPath(QStringLiteral("cli-init.sqlite"));
    CliRun first = quvhesap("init-db", path, {});
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("Tablolar oluşturuldu")));
    CliRun second = quvhesap("init-db", path, {});
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(second.out.contains(QStringLiteral("değişiklik yapılmadı")));

    const QString other = test::scratchPath(QStringLiteral("cli-other.sqlite"));
    Database::open(other, Database::OpenMode::CreateIfMissing)
        ->execute(QStringLiteral("create table tblfoy (foykodu integer)"));
    CliRun run = quvhesap("init-db", other, {});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("hiçbir değişiklik yapılmadı")))
        << run.err.toStdString();
}

TEST(QuvhesapCli, InvalidArgumentsGiveATurkishMessageAndExitTwo) {
    const QString path = database("cli-args.sqlite", true);
    const struct {
        const char* command;
        QString db;
        std::vector<const char*> rest;
        const char* message;
    } cases[] = {
        {"notify-refresh", path, {"--foy", "abc"}, "geçerli bir föy kodu"},
        {"notify-refresh", QString(), {}, "--db seçeneği gerekli"},
        {"frobnicate", QString(), {}, "Bilinmeyen komut"},
        {"calc", path, {"--foy", "9999"}, "9999 numaralı föy bulunamadı."},
        // Values without bounds, options given twice, an output that cannot be written:
        // refused before any work, nothing printed or saved.
        {"calc", path, {"--foy", "1001", "--date", "18000101"}, "01.01.1900 ile 31.12.2099"},
        {"calc", path, {"--foy", "1001", "--foy", "1002"}, "--foy seçeneği bir kez verilebilir."},
        {"calc",
         path,
         {"--foy", "1001", "--date", "20200101", "--save"},
         "föyün en erken alacak ya da takip tarihinden (10.01.2022) önce"},
        {"plan", path, {"--foy", "1001", "--count", "601", "--first", "20250131"}, "1 ile 600"},
        {"plan",
         path,
         {"--foy", "1001", "--count", "2", "--first", "20250131", "--rate", "1001"},
         "0 ile 1000 arasında"},
        {"interest",
         QString(),
         {"--principal", "1000", "--rate", "9", "--start", "20240101", "--date", "20241231",
          "--pdf", "/yok/x.pdf"},
         "--pdf için yazılabilir bir dosya yolu girin"},
    };
    for (const auto& c : cases) {
        CliRun run = quvhesap(c.command, c.db, c.rest);
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << run.err.toStdString();
        EXPECT_EQ(run.out, QString()) << c.message;
    }
    EXPECT_EQ(count(path, "select count(*) from tblfoy_hesap"), 0);
    // A file that is not a database is left as it is, empty or not (an empty one has no
    // tables yet).
    for (const QByteArray& icerik : {QByteArray(), QByteArray("föy listesi\n")}) {
        const QString dosya = test::scratchPath(QStringLiteral("veritabani-degil.db"));
        QFile f(dosya);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(icerik);
        f.close();
        CliRun run = quvhesap("calc", dosya, {"--foy", "1"});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err.contains("bir SQLite veritabanı değil"), !icerik.isEmpty())
            << run.err.toStdString();
        EXPECT_FALSE(run.err.contains("removeDatabase"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), icerik);
    }
    CliRun missing =
        quvhesap("notify-refresh", test::scratchPath(QStringLiteral("yok.sqlite")), {});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("bulunamadı"))) << missing.err.toStdString();
}

TEST(QuvhesapCli, NotifyRefreshRebuildsOneFileOrAll) {
    const QString path = database("cli-notify.sqlite");
    for (const char* sql :
         {"insert into tblfoy (foykodu) values (1), (2)",
          "insert into tblfoy_sahis (foykodu, foysahiskodu) values (1, 1), (2, 1)",
          "insert into tblfoy_tebligat (foykodu, foysahiskodu, tebligatkodu, tebligtarihi, "
          "tebligatdurumu) values (1, 1, 1, '20230101', 5), (2, 1, 1, '20230101', 8)"})
        Database::open(path)->execute(QString::fromLatin1(sql));
    // The status values themselves are checked on the notification tracking.
    const char* durumlu = "select count(*) from tblfoy where tebligatdurumu is not null";
    CliRun one = quvhesap("notify-refresh", path, {"--foy", "2"});
    EXPECT_EQ(one.exitCode, 0) << one.err.toStdString();
    EXPECT_EQ(count(path, "select count(*) from tblfoy where foykodu = 2 and tebligatdurumu = 2"),
              1);
    EXPECT_EQ(count(path, durumlu), 1);
    CliRun all = quvhesap("notify-refresh", path, {});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    EXPECT_TRUE(all.out.contains(QStringLiteral("2 föyün"))) << all.out.toStdString();
    EXPECT_EQ(count(path, durumlu), 2);
}

TEST(QuvhesapCli, CalcPrintsTheSummaryAsJsonAndSavesOnlyOnRequest) {
    const QString path = database("cli-calc.sqlite", true);
    CliRun run = quvhesap("calc", path, {"--foy", "1001", "--json", "--tiered"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(json.value(QStringLiteral("FoyKodu")).toInt(), 1001);
    EXPECT_EQ(json.value(QStringLiteral("HesapOzeti")).toObject().size(), 69);
    EXPECT_TRUE(json.value(QStringLiteral("Hatalar")).toArray().isEmpty());
    EXPECT_TRUE(json.value(QStringLiteral("Uyarilar")).isArray());
    QJsonArray alacaklar = json.value(QStringLiteral("Alacaklar")).toArray();
    ASSERT_FALSE(alacaklar.isEmpty());
    // 1001's claim starts on 10 January 2022; a collection on 1 March closes its first line.
    EXPECT_EQ(alacaklar.first()[QStringLiteral("KademeliFaizDetayi")][0][QStringLiteral("Aciklama")]
                  .toString(),
              QStringLiteral("Faiz başlangıç tarihinden tahsilat tarihine kadar."));
    // Amounts are written from the fixed-point value: at most four decimals, no binary noise.
    static const QRegularExpression amount(
        QStringLiteral("\"BakiyeGuncelTL\":-?\\d+(\\.\\d{1,4})?[,}]"));
    EXPECT_TRUE(amount.match(run.out).hasMatch()) << run.out.left(400).toStdString();
    EXPECT_EQ(count(path, "select count(*) from tblfoy_hesap"), 0);

    // The readable form with --save stores the summary.
    CliRun saved = quvhesap("calc", path, {"--foy", "1001", "--save"});
    EXPECT_EQ(saved.exitCode, 0) << saved.err.toStdString();
    EXPECT_TRUE(saved.out.contains(QStringLiteral("Güncel bakiye (TL)")));
    EXPECT_EQ(count(path, "select count(*) from tblfoy_hesap where foykodu = 1001"), 1);
}

// A new database holds the shipped tables: the legal rate of 2024 is 9 % up to 31 May and
// 24 % from 1 June; a date past the table's checked date is warned about; an update adds
// only a missing row.
TEST(QuvhesapCli, TheShippedLegalRateTable) {
    const QString path = test::scratchPath(QStringLiteral("cli-resmi.sqlite"));
    EXPECT_TRUE(
        quvhesap("init-db", path, {}).out.contains("Resmî faiz tabloları yüklendi: 7 tablo"));
    auto faiz = [&](const char* tarih) {
        CliRun run = quvhesap("interest", path,
                              {"--principal", "10000", "--table", "901", "--start", "20240101",
                               "--date", tarih, "--json"});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return QJsonDocument::fromJson(run.out.toUtf8()).object();
    };
    // 10000 × 9 % × 152/365 = 374.79 (1 January – 1 June) and 10000 × 24 % × 213/365 =
    // 1400.55 (1 June – 31 December): 1775.34.
    const QJsonObject y2024 = faiz("20241231");
    EXPECT_EQ(y2024["Satirlar"][1]["Tutar"].toDouble(), 1775.34);
    EXPECT_EQ(y2024["Uyarilar"].toArray().size(), 0);
    EXPECT_TRUE(faiz("20261206")["Uyarilar"][0].toString().contains("Anayasa Mahkemesi"));

    CliRun bos = quvhesap("reference", "", {"update", "--db", path.toUtf8().constData()});
    EXPECT_TRUE(bos.out.contains("Eksik satır yok")) << bos.out.toStdString();
    Database::open(path)->execute(
        QStringLiteral("delete from tblfaizoranitablosu_detay where faizoranitablosukodu = 901 and "
                       "tarih = '20240601'"));
    CliRun run = quvhesap("reference", "", {"update", "--db", path.toUtf8().constData()});
    EXPECT_EQ(run.out,
              QStringLiteral("901 \"Yasal Faiz (3095/1)\": 01.06.2024 tarihli %24,00 eklendi.\n"
                             "0 tablo, 1 oran eklendi (programla gelen tablolar).\n"));
}

// The statement's PDF, a missing file and a path that cannot be written; nothing saved.
TEST(QuvhesapCli, StatementWritesThePdf) {
    const QString path = database("cli-statement.sqlite", true);
    const QString pdf = test::scratchPath(QStringLiteral("cli-hesap-dokumu.pdf"));
    const QByteArray yaz = pdf.toUtf8();
    const struct {
        const char* foy;
        const char* dosya;
        int cikis;
    } durumlar[] = {{"1001", yaz.constData(), 0},
                    {"9999", yaz.constData(), 2},
                    {"1001", "/yok/klasor/dokum.pdf", 2}};
    for (const auto& d : durumlar) {
        QFile::remove(pdf);
        CliRun run = quvhesap("statement", path, {"--foy", d.foy, "--pdf", d.dosya});
        EXPECT_EQ(run.exitCode, d.cikis) << d.foy << d.dosya << run.err.toStdString();
        EXPECT_EQ(QFileInfo(pdf).size() > 0, d.cikis == 0) << d.foy << d.dosya;
    }
    EXPECT_EQ(count(path, "select count(*) from tblfoy_hesap"), 0);
}

// A missing exchange rate with nobody at a terminal: reported, never invented, nothing saved.
// The path of a new user: an empty database, the demo settings and one case file, and
// the file calculates as on the demo database. A refused document exits 2 with every
// problem and its place, and writes nothing.
TEST(QuvhesapCli, SettingsAndCaseFilesMakeANewDatabaseCalculable) {
    const QString demo = database("cli-demo.sqlite", true);
    const QString yeni = database("cli-new.sqlite");
    const char* ayarlar = QUV_DEMO_DIR "/settings.json";
    const char* foy = QUV_DEMO_DIR "/cases/1004.json";
    const QByteArray yol = yeni.toUtf8();
    const char* db = yol.constData();
    const CliRun bos = quvhesap("calc", yeni, {"--foy", "1004"});
    EXPECT_EQ(bos.exitCode, 1);
    EXPECT_TRUE(bos.err.contains("harç tarifesi yok")) << bos.err.toStdString();
    EXPECT_EQ(quvhesap("settings", "", {"import", "--db", db, ayarlar}).exitCode, 0);
    EXPECT_EQ(quvhesap("case", "", {"import", "--db", db, foy}).exitCode, 0);
    const CliRun once = quvhesap("calc", demo, {"--foy", "1004", "--json"});
    const CliRun sonra = quvhesap("calc", yeni, {"--foy", "1004", "--json"});
    EXPECT_EQ(once.exitCode, 0) << once.err.toStdString();
    EXPECT_EQ(sonra.out, once.out);

    const CliRun tekrar = quvhesap("case", "", {"import", "--db", db, foy});
    EXPECT_EQ(tekrar.exitCode, 2);
    EXPECT_TRUE(tekrar.err.contains("$.foyKodu: 1004 kodlu föy zaten var"))
        << tekrar.err.toStdString();
    const CliRun disari = quvhesap("case", "", {"export", "--db", db, "--foy", "1004"});
    QFile kaynak(QString::fromLatin1(foy));
    ASSERT_TRUE(kaynak.open(QIODevice::ReadOnly));
    EXPECT_EQ(disari.out, QString::fromUtf8(kaynak.readAll()));
}

TEST(QuvhesapCli, AMissingRateFailsTheRunAndSavesNothing) {
    const QString path = database("cli-rate.sqlite", true);
    Database::open(path)->execute(QStringLiteral("delete from tblkur where parabirimikodu = 2"));
    CliRun rate = quvhesap("calc", path, {"--foy", "1009", "--save", "--json"});
    EXPECT_EQ(rate.exitCode, 1);
    const QJsonArray hatalar = QJsonDocument::fromJson(rate.out.toUtf8())
                                   .object()
                                   .value(QStringLiteral("Hatalar"))
                                   .toArray();
    EXPECT_FALSE(hatalar.isEmpty()) << rate.out.toStdString();
    EXPECT_EQ(count(path, "select count(*) from tblfoy_hesap where foykodu = 1009"), 0);
}

}  // namespace
}  // namespace quv
