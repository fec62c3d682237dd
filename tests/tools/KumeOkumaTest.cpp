// A bulk update that reads a block of files at once, in one process or in two workers,
// stores exactly what the same update stores when every file reads its own rows: the demo
// files and 24 varied copies of each (other amounts, rates, calculation dates and file
// codes), on every backend.

#include "engine/Schema.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "file/DbFixture.h"
#include "formats/DemoVerisi.h"
#include "tools/KumeOkuyucu.h"
#include "tools/TopluFoyGuncelleyici.h"

#include <QCoreApplication>
#include <QProcess>

namespace quv {
namespace {

class KumeOkumaTest : public test::DbFixture {
protected:
    // Every stored summary, a line per file, every column as text.
    QStringList ozetler() {
        QStringList satirlar;
        RecordSet rs =
            db_->openRecordSet(QStringLiteral("select * from tblfoy_hesap order by foykodu"));
        for (; !rs.eof(); rs.moveNext()) {
            QStringList alanlar;
            for (int i = 0; i < rs.fieldCount(); ++i)
                alanlar << rs.fieldNames()[i] + u'=' + rs.value(i).toString();
            satirlar << alanlar.join(u' ');
        }
        return satirlar;
    }
    TopluGuncellemeSonucu guncelle(bool kume) {
        db_->execute(QStringLiteral("delete from tblfoy_hesap"));
        clsHesapAna hesap;
        hesap.setActiveConnection(db_);
        TopluFoyGuncelleyici g(hesap);
        g.Kriterler.HesapBilgileriniGunle = true;
        g.KumeHalindeOku = kume;
        g.BlokBuyuklugu = 64;
        g.OndenOku = true;
        g.ArkadaYaz = true;
        return g.Calistir();
    }
};

TEST_P(KumeOkumaTest, StoresWhatTheFileByFileUpdateStores) {
    demoVerisiniYukle(*db_, QStringLiteral(QUV_DEMO_DIR));
    // Copy k of file 1001 is file 1001 + 100 k: every row of the file's own tables, its
    // amounts times (1 + k / 10), its rate k points higher, its calculation date k * 11
    // days earlier than 31.12.2024 for odd k.
    for (int k = 1; k <= 24; ++k) {
        for (const auto& [tablo, sutunlar] : Schema::expected().asKeyValueRange()) {
            if (!sutunlar.contains(QStringLiteral("foykodu")))
                continue;
            QStringList secilen;
            for (const QString& s : sutunlar)
                secilen << (s == QLatin1String("foykodu")
                                ? QStringLiteral("foykodu + %1").arg(100 * k)
                                : s);
            db_->execute(
                QStringLiteral(
                    "insert into %1 (%2) select %3 from %1 where foykodu between 1001 and 1012")
                    .arg(tablo, sutunlar.join(u','), secilen.join(u',')));
        }
        const QString kopya = QStringLiteral(" where foykodu between %1 and %2")
                                  .arg(1001 + 100 * k)
                                  .arg(1012 + 100 * k);
        db_->execute(
            QStringLiteral("update tblfoy_alacak set tutar = tutar * %1").arg(1 + k / 10.0) +
            kopya);
        db_->execute(
            QStringLiteral("update tblfoy_tahsilat set tahsilatmiktari = tahsilatmiktari * %1")
                .arg(1 + k / 20.0) +
            kopya);
        db_->execute(QStringLiteral("update tblfoy set faizorani = faizorani + %1").arg(k) + kopya);
        if (k % 2)
            db_->execute(
                QStringLiteral("update tblfoy set hesaptarihi = '%1'")
                    .arg(
                        QDate(2024, 12, 31).addDays(-11 * k).toString(QStringLiteral("yyyyMMdd"))) +
                kopya);
    }
    const TopluGuncellemeSonucu tekTek = guncelle(false);
    ASSERT_EQ(tekTek.Sayi, 300);
    const QStringList beklenen = ozetler();
    const QStringList hatalar = guard_.errors().messages();
    guard_.errors().clear();

    const TopluGuncellemeSonucu kume = guncelle(true);
    EXPECT_EQ(kume.Guncellenen, 300);
    EXPECT_EQ(guard_.errors().messages(), hatalar);
    const QStringList bulunan = ozetler();
    ASSERT_EQ(bulunan.size(), beklenen.size());
    for (qsizetype i = 0; i < beklenen.size(); ++i)
        EXPECT_EQ(bulunan[i], beklenen[i]);
    // The blocks answered most reads: a few statements per block, not dozens per file.
    EXPECT_GT(kume.BlokOkumalari, 300 * 20);
    EXPECT_LT(kume.BlokSorgulari, 5 * 30);
    // From the second block on, the reads were made ahead on a second connection.
    EXPECT_GT(kume.OndenOkunanSorgular, 4 * 10);
    // Every block but the last (5 blocks of 64 or fewer) was written behind.
    EXPECT_EQ(kume.ArkadaYazilanBloklar, 4);

    // The same by the command line with two workers, each on its own connection.
    db_->execute(QStringLiteral("delete from tblfoy_hesap"));
    QProcess p;
    p.start(QCoreApplication::applicationDirPath() + "/../../apps/quvhesap/quvhesap",
            {"batch", "--db", db_->url().redacted(), "--hesap", "--jobs", "2"});
    ASSERT_TRUE(p.waitForFinished(300000));
    EXPECT_EQ(ozetler(), beklenen) << p.readAllStandardError().left(2000).toStdString();
}

// Rows read ahead for the next block are not used when the block before wrote to a shared
// table they read (its write not committed while they were read); otherwise they are.
TEST_P(KumeOkumaTest, ReadsMadeAheadMissNoWriteToASharedTable) {
    for (int foy : {7001, 7002, 7003})
        add(QStringLiteral("tblfoy_hesap"), kv({"foykodu", foy}));
    KumeOkuyucu okuyucu(*db_);
    auto kurSayisi = [&](int foy) {
        okuyucu.foyBasliyor(foy);
        return toInt32(db_->openRecordSet(QStringLiteral("select (select count(*) from tblkur) "
                                                         "as n from tblfoy_hesap where foykodu = %1")
                                              .arg(foy))
                           .value(0));
    };
    okuyucu.blokBaslat({7001});
    EXPECT_EQ(kurSayisi(7001), 0);
    db_->beginTransaction();
    db_->execute(QStringLiteral(
        "insert into tblkur (tarih, parabirimikodu, tltutar) values ('20240102', 2, 30)"));
    okuyucu.sonrakiBlok({7002});
    okuyucu.blokBaslat({7002});
    db_->commit();
    EXPECT_EQ(kurSayisi(7002), 1);
    EXPECT_EQ(okuyucu.ondenOkunan(), 0);
    okuyucu.sonrakiBlok({7003});
    okuyucu.blokBaslat({7003});
    EXPECT_EQ(kurSayisi(7003), 1);
    EXPECT_EQ(okuyucu.ondenOkunan(), 1);
}

// A file's read that repeats the one the file before made at the same place, but for the
// file code, is answered as that one was; one naming another file, one that differs after
// the code, or a shared read after a write to its table is not.
TEST_P(KumeOkumaTest, AReadLikeTheFileBeforesIsAnsweredOnlyWhenItIsTheSame) {
    for (int foy : {99, 100, 101, 102})
        add(QStringLiteral("tblfoy_hesap"), kv({"foykodu", foy, "borcasli", 2 * foy}));
    const QString a = QStringLiteral("select borcasli from tblfoy_hesap where foykodu = %1");
    const QString kur = QStringLiteral("select count(*) from tblkur");
    const QString buyuk = a + QStringLiteral(" and borcasli > 150");
    const QString kucuk = a + QStringLiteral(" and borcasli < 150");
    const struct {
        int foy;
        QList<std::pair<QString, QString>> okumalar;  // the read and its value ("-": no row)
        bool sonraKurYaz = false;
    } foyler[] = {
        {99, {{a.arg(99), "198"}, {kur, "0"}, {buyuk.arg(99), "198"}}},
        // A longer code: the same reads.
        {100, {{a.arg(100), "200"}, {kur, "0"}, {buyuk.arg(100), "200"}}},
        // The file before's very text names that file; "<" where the file before had ">".
        {101, {{a.arg(100), "200"}, {kur, "0"}, {kucuk.arg(101), "-"}}, true},
        {102, {{a.arg(102), "204"}, {kur, "1"}}},
    };
    KumeOkuyucu okuyucu(*db_);
    okuyucu.blokBaslat({99, 100, 101, 102});
    for (const auto& d : foyler) {
        okuyucu.foyBasliyor(d.foy);
        for (const auto& [metin, beklenen] : d.okumalar) {
            const RecordSet rs = db_->openRecordSet(metin);
            EXPECT_EQ(rs.eof() ? QStringLiteral("-") : QString::number(rs.value(0).toDouble()),
                      beklenen)
                << d.foy << ": " << metin.toStdString();
        }
        if (d.sonraKurYaz)
            db_->execute(QStringLiteral(
                "insert into tblkur (tarih, parabirimikodu, tltutar) values ('20240102', 2, 30)"));
    }
}

// A file's summary is kept for the block's end: a read of its table writes it first, and
// kept rows handed over and sent in a transaction that did not commit can be sent again. A read limited to a
// number of rows is limited for each file, not for the block.
TEST_P(KumeOkumaTest, KeptRowsAreReadAndResentAndLimitsHoldForEachFile) {
    KumeOkuyucu okuyucu(*db_);
    okuyucu.YazmalariBiriktir = true;
    okuyucu.blokBaslat({7001, 7002});
    auto tut = [&](int foy) {
        okuyucu.foyBasliyor(foy);
        db_->upsertRow(QStringLiteral("tblfoy_hesap"), {QStringLiteral("foykodu")},
                       {{QStringLiteral("foykodu"), foy}, {QStringLiteral("borcasli"), 12.5}});
    };
    tut(7002);
    const BlokYazimi::Is is = okuyucu.bekleyenleriAl();
    EXPECT_FALSE(okuyucu.bekleyenVar());
    for (bool kaydet : {false, true}) {
        db_->beginTransaction();
        EXPECT_TRUE(okuyucu.gonder(is.satirlar).isEmpty());
        kaydet ? db_->commit() : db_->rollback();
    }
    EXPECT_EQ(toInt32(db_->openRecordSet(QStringLiteral("select count(*) from tblfoy_hesap"))
                          .value(0)),
              1);
    tut(7001);
    ASSERT_TRUE(okuyucu.bekleyenVar());
    const RecordSet rs = db_->openRecordSet(
        QStringLiteral("select borcasli from TBLFOY_HESAP where foykodu = 7001"));
    ASSERT_FALSE(rs.eof());
    EXPECT_EQ(rs.value(0).toDouble(), 12.5);
    EXPECT_FALSE(okuyucu.bekleyenVar());

    // A read limited to its first row gets the file's own first row, not the block's.
    for (int foy : {7001, 7002})
        db_->execute(QStringLiteral("insert into tblfoy_sonrakialacak (foykodu, alacakkodu) "
                                    "values (%1, %1)").arg(foy));
    okuyucu.foyBasliyor(7002);
    const RecordSet ilk = db_->openRecordSet(QStringLiteral(
        "select TOP 1 alacakkodu from tblfoy_sonrakialacak where foykodu = 7002 order by tarih"));
    ASSERT_FALSE(ilk.eof());
    EXPECT_EQ(ilk.value(0).toInt(), 7002);
}

QUV_ON_BACKENDS(KumeOkumaTest);

}  // namespace
}  // namespace quv
