// quvhesap batch through the built program, on the demo database.

#include "engine/Database.h"
#include "engine/RecordSet.h"
#include "engine/Schema.h"
#include "engine/Variant.h"
#include "formats/DemoVerisi.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

namespace quv {
namespace {

QString programYolu() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../../apps/quvhesap/quvhesap");
}

struct Calisma {
    int cikis;
    QString out;
    QString err;
};

// Runs "quvhesap batch --db <yol>" with the arguments given in a text, then the others.
Calisma batch(const QString& yol, const char* argumanlar, const QStringList& digerleri = {}) {
    QProcess process;
    process.start(programYolu(), QStringList{QStringLiteral("batch"), QStringLiteral("--db"), yol} +
                                     QString::fromUtf8(argumanlar).split(u' ', Qt::SkipEmptyParts) +
                                     digerleri);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A new SQLite demo database: twelve files 1001 to 1012, calculated up to 20241231.
QString demoVeritabani(const QString& ad) {
    const QString yol = test::scratchPath(ad + QStringLiteral(".sqlite"));
    QFile::remove(yol);
    auto db = Database::open(yol, Database::OpenMode::CreateIfMissing);
    Schema::initialize(*db);
    demoVerisiniYukle(*db, QStringLiteral(QUV_DEMO_DIR));
    return yol;
}

QList<qint32> kodlar(const QString& yol, const char* sql) {
    auto db = Database::open(yol);
    QList<qint32> out;
    for (RecordSet rs = db->openRecordSet(QString::fromLatin1(sql)); !rs.eof(); rs.moveNext())
        out << toInt32(rs.value(0));
    return out;
}

TEST(TopluGuncellemeCliTest, RecalculatesTheMatchingDemoFilesWithProgress) {
    const QString yol = demoVeritabani(QStringLiteral("cli-batch-demo"));
    const Calisma c = batch(yol, "--foy-op arasinda --foy 1001 --foy 1010 --hesap --tebligat");
    EXPECT_EQ(c.cikis, 0) << c.err.toStdString();
    EXPECT_EQ(c.out, QStringLiteral("Kriterlere uygun föylerin güncelleme işlemi tamamlandı.\n"));
    // Without a terminal one progress line per file.
    EXPECT_TRUE(c.err.contains(QStringLiteral("% 10  1 / 10 Föy Kodu : 1001\n")))
        << c.err.toStdString();
    EXPECT_TRUE(c.err.contains(QStringLiteral("%100  10 / 10 Föy Kodu : 1010\n")));
    EXPECT_EQ(kodlar(yol, "select foykodu from tblfoy_hesap order by foykodu"),
              (QList<qint32>{1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010}));

    const Calisma bos = batch(yol, "--hesap --sonuc", {QStringLiteral("Rehin Açığı Belgesi")});
    EXPECT_EQ(bos.cikis, 0) << bos.err.toStdString();
    EXPECT_EQ(bos.out, QStringLiteral("Kriterlere uygun föy bulunamadı.\n"));
}

TEST(TopluGuncellemeCliTest, InvalidArgumentsExitTwoBeforeTheDatabaseIsOpened) {
    // The database does not exist: every case must be refused before it is needed.
    const QString yok = test::scratchPath(QStringLiteral("cli-batch-yok.sqlite"));
    const struct {
        const char* argumanlar;
        const char* mesaj;
    } cases[] = {
        {"",
         "Lütfen hesap veya tebligat bilgileri güncelleme seçeneklerinden en az birini seçiniz."},
        {"--hesap --foy-op Arasında --foy 1", "iki değer ister"},
        {"--hesap --sonuc 99", "--sonuc için geçerli bir dosya sonucu"},
        {"--hesap --bogus", "Geçersiz argüman"},
    };
    for (const auto& c : cases) {
        const Calisma r = batch(yok, c.argumanlar);
        EXPECT_EQ(r.cikis, 2) << c.argumanlar << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.mesaj)))
            << c.argumanlar << ": " << r.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(yok));
}

TEST(TopluGuncellemeCliTest, CtrlCStopsAfterTheCurrentFile) {
    const QString yol = demoVeritabani(QStringLiteral("cli-batch-sigint"));
    {
        // Forty copies of the demo files: the interrupt comes long before the end.
        auto db = Database::open(yol);
        for (int kat = 1; kat <= 40; ++kat)
            for (const QString& t : {QStringLiteral("tblfoy"), QStringLiteral("tblfoy_alacak")}) {
                db->execute(QStringLiteral("create temp table kopya as select * from ") + t +
                            QStringLiteral(" where foykodu between 1001 and 1012"));
                db->execute(
                    QStringLiteral("update kopya set foykodu = foykodu + %1").arg(kat * 10000));
                db->execute(QStringLiteral("insert into ") + t +
                            QStringLiteral(" select * from kopya"));
                db->execute(QStringLiteral("drop table kopya"));
            }
    }
    const int toplam = kodlar(yol, "select count(*) from tblfoy").value(0);
    ASSERT_EQ(toplam, 492);

    QProcess process;
    process.start(programYolu(), {QStringLiteral("batch"), QStringLiteral("--db"), yol,
                                  QStringLiteral("--hesap")});
    ASSERT_TRUE(process.waitForStarted());
    // The progress comes on standard error; the interrupt follows the first file.
    process.setReadChannel(QProcess::StandardError);
    QByteArray hata;
    while (!hata.contains("Föy Kodu") && process.waitForReadyRead(30000))
        hata += process.readAllStandardError();
    ASSERT_TRUE(hata.contains("Föy Kodu"));
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    const QList<qint32> ozetler = kodlar(yol, "select foykodu from tblfoy_hesap order by foykodu");
    ASSERT_FALSE(ozetler.isEmpty());
    ASSERT_LT(ozetler.size(), toplam);
    // The files are taken in code order, so the last stored summary is the last file reached.
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()),
              QStringLiteral("Güncelleme işlemi durduruldu.\nKritere uygun %1 föyden %2 tanesi "
                             "güncellenemedi\n%3 nolu föye kadar güncellendi.\n")
                  .arg(toplam)
                  .arg(toplam - ozetler.size())
                  .arg(ozetler.last()));
}

}  // namespace
}  // namespace quv
