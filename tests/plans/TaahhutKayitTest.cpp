// Commitments and agenda entries saved from a plan: numbering, stored values, numbers
// taken by another user meanwhile, and failures counted.

#include "PlanTestDestegi.h"

#include "engine/SharedState.h"
#include "plans/TaahhutKayit.h"

namespace quv {
namespace {

using test::planSatiri;

class TaahhutKayitTest : public test::DbFixture {
protected:
    // A database of its own URL, so that a second connection can play another user.
    void SetUp() override {
        url_ = GetParam().create(
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        db_ = Database::open(url_, Database::OpenMode::CreateIfMissing);
        Schema::initialize(*db_);
        shared().setConnection(db_);
        shared().ActiveUserName = QStringLiteral("ayşe");
    }
    // A commitment stored before: 10.00 due on 1 January 2024 at the office.
    static FieldValues taahhut(qint32 foy, qint32 kod, qint32 sahis = 1) {
        return kv({"foykodu", foy, "taahhutkodu", kod, "foysahiskodu", sahis, "taahhuttarihi",
                   "20240101", "taahhutmiktari", 10, "odenenmiktar", 0, "taahutdurumu", 1,
                   "parabirimikodu", 1});
    }
    TaahhutKayitSonucu kaydet(const QList<OdemePlaniSatiri>& plan, bool icrada = false) {
        return TaahhutKayit::TaahhutleriKaydet(1, {2, QStringLiteral("Ali O'Brien")}, plan, true,
                                               icrada);
    }
    QStringList taahhutler(qint32 foy = 1) { return test::taahhutler(*db_, foy); }
    QStringList ajanda() { return test::ajanda(*db_); }
    QStringList hatalar() { return guard_.errors().messages(); }

    QString url_;
};

TEST_P(TaahhutKayitTest, NumbersFollowTheLargestAndRowsKeepTheirValues) {
    for (int kod = 1; kod <= 9; ++kod) {
        add(QStringLiteral("tblfoy_taahhut"), taahhut(2, kod));
        if (kod <= 4)
            add(QStringLiteral("tblfoy_taahhut"), taahhut(1, kod));
    }
    const TaahhutKayitSonucu sonuc =
        kaydet({planSatiri(1, "20240115", "500", false), planSatiri(2, "20240215", "1234.5"),
                planSatiri(3, "20240315", "99.999"), planSatiri(4, "20240415", "1234.4999")},
               true);
    EXPECT_EQ(sonuc.Kaydedilen, 3);
    EXPECT_EQ(sonuc.Mesaj(), QStringLiteral("Taahhütler kaydedildi."));
    // The down payment is not a commitment; the others get 5, 6 and 7 at the office.
    EXPECT_EQ(taahhutler().mid(4),
              (QStringList{"5 2 20240215 1234.5000 0.0000 1 1", "6 2 20240315 99.9990 0.0000 1 1",
                           "7 2 20240415 1234.4999 0.0000 1 1"}));
    EXPECT_EQ(taahhutler(2).size(), 9);
    // An empty agenda starts at ID 1. The debtor's name is stored as typed (bound, never
    // spliced); the amount as "#,#.00".
    EXPECT_EQ(sonuc.AjandaKaydedilen, 3);
    EXPECT_EQ(ajanda().mid(0, 2),
              (QStringList{"1|20240115|1|ayşe||20240215|Ali O'Brien taahhüdü. 1.234,50.-TL|1",
                           "2|20240115|1|ayşe||20240315|Ali O'Brien taahhüdü. 100,00.-TL|1"}));

    // Made outside the office: place 0; the numbers go on from the largest (8, ID 41).
    add(QStringLiteral("tblajanda"), kv({"ID", 40, "foykodu", 9}));
    kaydet({planSatiri(1, "20240515", "0.5")});
    EXPECT_EQ(taahhutler().last(), QStringLiteral("8 2 20240515 0.5000 0.0000 0 1"));
    EXPECT_EQ(ajanda().last(),
              QStringLiteral("41|20240115|1|ayşe||20240515|Ali O'Brien taahhüdü. ,50.-TL|1"));
    EXPECT_EQ(hatalar(), QStringList());
}

// Another user stores a commitment and an agenda entry between our read of the largest
// number and our insert: the key refuses ours, we take the next number, nothing is lost.
TEST_P(TaahhutKayitTest, ANumberTakenMeanwhileIsSkipped) {
    add(QStringLiteral("tblfoy_taahhut"), taahhut(1, 4));
    auto digerKullanici = Database::open(url_);
    bool taahhutAlindi = false, ajandaAlindi = false;
    db_->setStatementRecorder([&](const QString& sql, const QVariantList&, bool) {
        if (!taahhutAlindi && sql.startsWith(QStringLiteral("INSERT INTO tblfoy_taahhut"))) {
            taahhutAlindi = true;
            digerKullanici->addRow(QStringLiteral("tblfoy_taahhut"), taahhut(1, 5, 7));
        }
        if (!ajandaAlindi && sql.startsWith(QStringLiteral("INSERT INTO tblajanda"))) {
            ajandaAlindi = true;
            digerKullanici->addRow(QStringLiteral("tblajanda"),
                                   kv({"ID", 1, "foykodu", 1, "icerik", "diğer"}));
        }
    });
    const TaahhutKayitSonucu sonuc =
        kaydet({planSatiri(1, "20240215", "100"), planSatiri(2, "20240315", "200")});
    db_->setStatementRecorder({});
    EXPECT_TRUE(sonuc.tamam());
    EXPECT_EQ(hatalar(), QStringList());
    const QStringList kayitli = taahhutler();
    ASSERT_EQ(kayitli.size(), 4);
    EXPECT_TRUE(kayitli[1].startsWith(QStringLiteral("5 7 "))) << kayitli[1].toStdString();
    EXPECT_EQ(kayitli.mid(2), (QStringList{"6 2 20240215 100.0000 0.0000 0 1",
                                           "7 2 20240315 200.0000 0.0000 0 1"}));
    const QStringList girisler = ajanda();
    ASSERT_EQ(girisler.size(), 3);
    EXPECT_TRUE(girisler[0].contains(QStringLiteral("|diğer|"))) << girisler[0].toStdString();
    EXPECT_TRUE(girisler[1].startsWith(QStringLiteral("2|")));
    EXPECT_TRUE(girisler[2].startsWith(QStringLiteral("3|")));
}

// A row the database refuses for another reason is reported and counted, and
// "Taahhütler kaydedildi." is not said; the others are stored without a gap.
TEST_P(TaahhutKayitTest, AFailedRowIsReportedAndCounted) {
    db_->execute(QStringLiteral("DROP TABLE tblfoy_taahhut"));
    db_->execute(QStringLiteral(
        "CREATE TABLE tblfoy_taahhut (foykodu INTEGER NOT NULL, taahhutkodu INTEGER NOT NULL, "
        "foysahiskodu INTEGER, taahhuttarihi TEXT, taahhutmiktari NUMERIC(19,4) "
        "CHECK (taahhutmiktari <> 666), kabultarihi TEXT, kabultebligtarihi TEXT, "
        "odenenmiktar NUMERIC(19,4), taahutdurumu INTEGER, parabirimikodu INTEGER, "
        "PRIMARY KEY (foykodu, taahhutkodu))"));
    const TaahhutKayitSonucu sonuc =
        kaydet({planSatiri(1, "20240215", "100"), planSatiri(2, "20240315", "666"),
                planSatiri(3, "20240415", "200")});
    EXPECT_EQ(sonuc.Istenen, 3);
    EXPECT_EQ(sonuc.Kaydedilen, 2);
    EXPECT_EQ(sonuc.AjandaKaydedilen, 2);
    EXPECT_EQ(sonuc.Mesaj(), QStringLiteral("3 taahhüdün 2 tanesi kaydedildi; kaydedilemeyenler "
                                            "için hata iletilerine bakınız."));
    ASSERT_EQ(hatalar().size(), 1);
    EXPECT_TRUE(hatalar().first().startsWith(
        QStringLiteral("Hatanın oluştuğu yer : frmShowPlan.TaahhutKaydet\rHata : ")));
    EXPECT_EQ(taahhutler(), (QStringList{"1 2 20240215 100.0000 0.0000 0 1",
                                         "2 2 20240415 200.0000 0.0000 0 1"}));

    // Without an agenda table every commitment is stored and the agenda is counted apart.
    db_->execute(QStringLiteral("DROP TABLE tblajanda"));
    const TaahhutKayitSonucu ajandasiz =
        kaydet({planSatiri(1, "20240515", "1"), planSatiri(2, "20240615", "2")});
    EXPECT_EQ(ajandasiz.Kaydedilen, 2);
    EXPECT_EQ(ajandasiz.Mesaj(), QStringLiteral("Taahhütler kaydedildi; 2 ajanda kaydının 0 "
                                                "tanesi kaydedildi, kaydedilemeyenler için hata "
                                                "iletilerine bakınız."));
    EXPECT_EQ(hatalar().size(), 3);
}

QUV_ON_BACKENDS(TaahhutKayitTest);

}  // namespace
}  // namespace quv
