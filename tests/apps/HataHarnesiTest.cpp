// The fault harness: copies of the demo database, each with one stored value spoiled (a
// Null, an empty or malformed date, a huge or negative number, a long text, a deleted or
// doubled row), and a saving calculation of a file run on it by the command line. However
// bad the data, the run ends by itself with status 0, 1 or 2, and a run that reported an
// error leaves the stored summaries exactly as they were.
//
// A short pass with a fixed seed runs with the tests; `make fuzz SECONDS=N` runs a random
// one for N seconds (QUV_FUZZ_SECONDS, QUV_FUZZ_SEED) and names the seed of any failure.

#include "engine/Database.h"
#include "engine/Schema.h"
#include "engine/SharedState.h"
#include "engine/clsHesapAna.h"
#include "formats/DemoVerisi.h"
#include "support/TestEnvironment.h"
#include "tools/TopluFoyGuncelleyici.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace quv {
namespace {

const QStringList kTablolar = {"tblfoy",
                               "tblfoy_alacak",
                               "tblfoy_tahsilat",
                               "tblfoy_masraf",
                               "tblfoy_sahis",
                               "tblfoy_toda",
                               "tblfoy_sonrakialacak",
                               "tblfoy_ihtiyatihaciz",
                               "tblharclar",
                               "tblvekaletucretioranlari",
                               "tbldigervekaletucretleri",
                               "tblfaizoranitablosu_detay",
                               "tblkur",
                               "tblalacakli",
                               "tbloptions_all",
                               "tblfoy_tahsilatmahsupsirasi"};

const QStringList kDegerler = {"",         "abc",  "99999999", "00000000",    " 20230115",
                               "20231345", "1e15", "-1",       "-99999999999"};

// Every stored summary as text, a line per file.
QString ozetler(Database& db) {
    QStringList satirlar;
    for (RecordSet rs =
             db.openRecordSet(QStringLiteral("select * from tblfoy_hesap order by foykodu"));
         !rs.eof(); rs.moveNext()) {
        QStringList alanlar;
        for (int i = 0; i < rs.fieldCount(); ++i)
            alanlar << rs.value(i).toString();
        satirlar << alanlar.join(u'|');
    }
    return satirlar.join(u'\n');
}

// The demo database with every file calculated and saved once.
QString temel() {
    const QString yol = test::scratchPath(QStringLiteral("harnes-temel.sqlite"));
    QFile::remove(yol);
    {
        auto db = Database::open(yol, Database::OpenMode::CreateIfMissing);
        Schema::initialize(*db);
        demoVerisiniYukle(*db, QStringLiteral(QUV_DEMO_DIR));
        test::SharedStateGuard guard;
        shared().setConnection(db);
        clsHesapAna hesap;
        hesap.setActiveConnection(db);
        TopluFoyGuncelleyici g(hesap);
        g.Kriterler.HesapBilgileriniGunle = true;
        g.Calistir();
    }
    shared().reset();
    return yol;
}

// One spoiled copy and its run; empty when the invariants hold, else what broke.
QString dene(const QString& temelYol, QRandomGenerator& rastgele, int sira) {
    const QString yol = test::scratchPath(QStringLiteral("harnes-%1.sqlite").arg(sira % 4));
    QFile::remove(yol);
    QFile::remove(yol + "-wal");
    QFile::remove(yol + "-shm");
    if (!QFile::copy(temelYol, yol))
        return QStringLiteral("kopya yapılamadı");
    QString bozma;
    qint32 foy = 1001 + static_cast<qint32>(rastgele.bounded(12));
    QString once;
    {
        auto db = Database::open(yol);
        const QString tablo = kTablolar.at(rastgele.bounded(kTablolar.size()));
        const QStringList sutunlar = Schema::expected().value(tablo);
        RecordSet rs = db->openRecordSet(QStringLiteral("select rowid from ") + tablo);
        QList<qint64> satirlar;
        for (; !rs.eof(); rs.moveNext())
            satirlar << rs.value(0).toLongLong();
        if (satirlar.isEmpty() || sutunlar.isEmpty())
            return QString();
        const qint64 satir = satirlar.at(rastgele.bounded(satirlar.size()));
        const int tur = static_cast<int>(rastgele.bounded(kDegerler.size() + 4));
        const QString sutun = sutunlar.at(rastgele.bounded(sutunlar.size()));
        QString sql;
        QVariantList deger;
        if (tur < kDegerler.size()) {
            sql = QStringLiteral("update %1 set %2 = ? where rowid = %3")
                      .arg(tablo, sutun)
                      .arg(satir);
            deger << kDegerler.at(tur);
        } else if (tur == kDegerler.size()) {
            sql = QStringLiteral("update %1 set %2 = null where rowid = %3")
                      .arg(tablo, sutun)
                      .arg(satir);
        } else if (tur == kDegerler.size() + 1) {
            sql = QStringLiteral("update %1 set %2 = ? where rowid = %3")
                      .arg(tablo, sutun)
                      .arg(satir);
            deger << QString(20000, u'ş');
        } else if (tur == kDegerler.size() + 2) {
            sql = QStringLiteral("delete from %1 where rowid = %2").arg(tablo).arg(satir);
        } else {
            sql = QStringLiteral("insert into %1 select * from %1 where rowid = %2")
                      .arg(tablo)
                      .arg(satir);
        }
        if (sutunlar.contains(QStringLiteral("foykodu"))) {
            RecordSet f = db->openRecordSet(
                QStringLiteral("select foykodu from %1 where rowid = %2").arg(tablo).arg(satir));
            if (!f.eof() && f.value(0).toInt() >= 1001 && f.value(0).toInt() <= 1012)
                foy = f.value(0).toInt();
        }
        bozma = sql + (deger.isEmpty()
                           ? QString()
                           : QStringLiteral(" [%1]").arg(deger.first().toString().left(20)));
        try {
            db->execute(sql, deger);
        } catch (const RuntimeError&) {
            return QString();  // the database itself refused the spoiling
        }
        once = ozetler(*db);
    }
    QProcess p;
    p.start(QStringLiteral(QUVHESAP_BINARY),
            {"calc", "--db", yol, "--foy", QString::number(foy), "--save"});
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return QStringLiteral("takıldı: föy %1, %2").arg(foy).arg(bozma);
    }
    const QString hata = QString::fromUtf8(p.readAllStandardError()).left(300);
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() < 0 || p.exitCode() > 2)
        return QStringLiteral("çöktü (%1): föy %2, %3: %4")
            .arg(p.exitCode())
            .arg(foy)
            .arg(bozma, hata);
    if (p.exitCode() != 0) {
        auto db = Database::open(yol);
        if (ozetler(*db) != once)
            return QStringLiteral("hatalı çalıştırma özeti değiştirdi: föy %1, %2: %3")
                .arg(foy)
                .arg(bozma, hata);
    }
    shared().reset();
    return QString();
}

TEST(HataHarnesi, SpoiledDataNeverCrashesHangsOrSavesAFailedRun) {
    bool ok = false;
    const int saniye = qEnvironmentVariableIntValue("QUV_FUZZ_SECONDS", &ok);
    const bool uzun = ok && saniye > 0;
    const quint32 tohum = qEnvironmentVariableIsSet("QUV_FUZZ_SEED")
                              ? qEnvironmentVariable("QUV_FUZZ_SEED").toUInt()
                          : uzun ? QRandomGenerator::global()->generate()
                                 : 20261206u;
    const QString temelYol = temel();
    QRandomGenerator rastgele(tohum);
    QElapsedTimer saat;
    saat.start();
    int calisma = 0;
    int hatali = 0;
    for (int sira = 0; uzun ? saat.elapsed() < saniye * 1000LL : sira < 100; ++sira) {
        const QString sorun = dene(temelYol, rastgele, sira);
        ++calisma;
        if (!sorun.isEmpty()) {
            ++hatali;
            ADD_FAILURE() << "tohum " << tohum << ", deneme " << sira << ": "
                          << sorun.toStdString();
        }
    }
    std::printf("Hata harnesi: tohum %u, %d çalıştırma, %d sorun\n", tohum, calisma, hatali);
}

}  // namespace
}  // namespace quv
