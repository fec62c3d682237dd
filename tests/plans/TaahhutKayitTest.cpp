// Commitments and agenda entries saved from a plan: numbering, stored values, numbers
// taken by another user meanwhile, and failures counted.

#include "engine/Database.h"
#include "engine/Schema.h"
#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "plans/OdemePlaniMesajlari.h"
#include "plans/TaahhutKayit.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <tuple>

namespace quv {
namespace {

namespace M = OdemePlaniMesajlari;
namespace T = TaahhutKayit;

Money para(const char* text) {
    return Money::parse(QString::fromLatin1(text));
}

OdemePlaniSatiri satir(qint16 sira, const char* tarih, const char* tutar, bool taahhut = true) {
    return {sira, QString::fromLatin1(tarih), para(tutar),
            taahhut ? QStringLiteral("1") : QStringLiteral("0"), taahhut ? QString() : M::Pesinat};
}

class TaahhutKayitTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        url_ = GetParam().create(
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        db_ = Database::open(url_, Database::OpenMode::CreateIfMissing);
        Schema::initialize(*db_);
        shared().setConnection(db_);
        shared().ActiveUserName = QStringLiteral("ayşe");
    }

    // A commitment stored before: 10.00 due on 1 January 2024 at the office.
    static FieldValues taahhutSatiri(qint32 foy, qint32 kod, qint32 sahis) {
        return {{QStringLiteral("foykodu"), foy},
                {QStringLiteral("taahhutkodu"), kod},
                {QStringLiteral("foysahiskodu"), sahis},
                {QStringLiteral("taahhuttarihi"), QStringLiteral("20240101")},
                {QStringLiteral("taahhutmiktari"), 10},
                {QStringLiteral("odenenmiktar"), 0},
                {QStringLiteral("taahutdurumu"), 1},
                {QStringLiteral("parabirimikodu"), 1}};
    }
    void mevcutTaahhut(qint32 foy, qint32 kod, qint32 sahis = 1) {
        db_->addRow(QStringLiteral("tblfoy_taahhut"), taahhutSatiri(foy, kod, sahis));
    }
    void mevcutAjanda(qint32 id) {
        db_->addRow(QStringLiteral("tblajanda"),
                    {{QStringLiteral("ID"), id}, {QStringLiteral("foykodu"), 9}});
    }
    // "code sahis date amount paid place currency acceptance" of file 1's commitments.
    QStringList taahhutler(qint32 foy = 1) {
        QStringList liste;
        RecordSet rs = db_->openRecordSet(
            QStringLiteral("select taahhutkodu, foysahiskodu, taahhuttarihi, taahhutmiktari, "
                           "odenenmiktar, taahutdurumu, parabirimikodu, kabultarihi, "
                           "kabultebligtarihi from tblfoy_taahhut where foykodu = ? "
                           "order by taahhutkodu"),
            CursorType::ForwardOnly, {foy});
        for (; !rs.eof(); rs.moveNext())
            liste << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 [%8][%9]")
                         .arg(toInt32(rs.value(0)))
                         .arg(toInt32(rs.value(1)))
                         .arg(rs.value(2).toString(),
                              Money::fromVariant(rs.value(3)).toDecimalString(),
                              Money::fromVariant(rs.value(4)).toDecimalString())
                         .arg(toInt32(rs.value(5)))
                         .arg(toInt32(rs.value(6)))
                         .arg(rs.value(7).toString(), rs.value(8).toString());
        return liste;
    }
    QStringList ajanda() {
        QStringList liste;
        RecordSet rs = db_->openRecordSet(
            QStringLiteral("select ID, kayittarihi, foykodu, kaydeden, muhatap, hatirlatmatarihi, "
                           "icerik, hatirlatmayadevamet from tblajanda where foykodu = 1 "
                           "order by ID"));
        for (; !rs.eof(); rs.moveNext()) {
            QStringList alanlar;
            for (int i = 0; i < 8; ++i)
                alanlar << rs.value(i).toString();
            liste << alanlar.join(u'|');
        }
        return liste;
    }
    QStringList hatalar() { return guard_.errors().messages(); }

    test::SharedStateGuard guard_;
    QString url_;
    std::shared_ptr<Database> db_;
    const Borclu borclu_{2, QStringLiteral("Ali O'Brien")};
};

TEST_P(TaahhutKayitTest, NumbersFollowTheFilesLargestAndRowsKeepTheirValues) {
    for (int kod = 1; kod <= 4; ++kod)
        mevcutTaahhut(1, kod);
    for (int kod = 1; kod <= 9; ++kod)
        mevcutTaahhut(2, kod);
    const QList<OdemePlaniSatiri> plan = {
        satir(1, "20240115", "500", false), satir(2, "20240215", "1234.5"),
        satir(3, "20240315", "1234.5"), satir(4, "20240415", "1234.4999")};
    const TaahhutKayitSonucu sonuc = T::TaahhutleriKaydet(1, borclu_, plan, false, true);
    EXPECT_EQ(sonuc.Kaydedilen, 3);
    EXPECT_EQ(sonuc.Mesaj(), QStringLiteral("Taahhütler kaydedildi."));
    // The down payment is not a commitment; the others get 5, 6 and 7.
    const QStringList kayitli = taahhutler();
    ASSERT_EQ(kayitli.size(), 7);
    EXPECT_EQ(kayitli.mid(4), (QStringList{"5 2 20240215 1234.5000 0.0000 1 1 [][]",
                                           "6 2 20240315 1234.5000 0.0000 1 1 [][]",
                                           "7 2 20240415 1234.4999 0.0000 1 1 [][]"}));
    EXPECT_EQ(taahhutler(2).size(), 9);
    EXPECT_TRUE(ajanda().isEmpty());
    EXPECT_TRUE(hatalar().isEmpty()) << hatalar().join(u'\n').toStdString();

    // Made outside the office: place 0; the next save goes on from 8.
    T::TaahhutleriKaydet(1, borclu_, {satir(1, "20240515", "10")}, false, false);
    EXPECT_EQ(taahhutler().last(), QStringLiteral("8 2 20240515 10.0000 0.0000 0 1 [][]"));
}

TEST_P(TaahhutKayitTest, AgendaEntriesFollowTheLargestIdOrStartAtOne) {
    const QList<OdemePlaniSatiri> plan = {satir(1, "20240215", "1234.5"),
                                          satir(2, "20240315", "99.999")};
    TaahhutKayitSonucu sonuc = T::TaahhutleriKaydet(1, borclu_, plan, true, false);
    EXPECT_EQ(sonuc.AjandaKaydedilen, 2);
    // The debtor's name is stored as typed (bound, never spliced); the amount as "#,#.00".
    EXPECT_EQ(ajanda(),
              (QStringList{"1|20240115|1|ayşe||20240215|Ali O'Brien taahhüdü. 1.234,50.-TL|1",
                           "2|20240115|1|ayşe||20240315|Ali O'Brien taahhüdü. 100,00.-TL|1"}));
    mevcutAjanda(40);
    T::TaahhutleriKaydet(1, borclu_, {satir(1, "20240415", "0.5")}, true, false);
    EXPECT_EQ(ajanda().last(),
              QStringLiteral("41|20240115|1|ayşe||20240415|Ali O'Brien taahhüdü. ,50.-TL|1"));
    EXPECT_TRUE(hatalar().isEmpty()) << hatalar().join(u'\n').toStdString();
}

// Another user stores a commitment and an agenda entry between our read of the largest
// number and our insert: the key refuses ours, we take the next number, nothing is lost.
TEST_P(TaahhutKayitTest, ANumberTakenMeanwhileIsSkipped) {
    mevcutTaahhut(1, 4);
    auto digerKullanici = Database::open(url_);
    bool taahhutAlindi = false;
    bool ajandaAlindi = false;
    db_->setStatementRecorder([&](const QString& sql, const QVariantList&, bool) {
        if (!taahhutAlindi && sql.startsWith(QStringLiteral("INSERT INTO tblfoy_taahhut"))) {
            taahhutAlindi = true;
            digerKullanici->addRow(QStringLiteral("tblfoy_taahhut"), taahhutSatiri(1, 5, 7));
        }
        if (!ajandaAlindi && sql.startsWith(QStringLiteral("INSERT INTO tblajanda"))) {
            ajandaAlindi = true;
            digerKullanici->addRow(QStringLiteral("tblajanda"),
                                   {{QStringLiteral("ID"), 1},
                                    {QStringLiteral("foykodu"), 1},
                                    {QStringLiteral("icerik"), QStringLiteral("diğer")}});
        }
    });
    const TaahhutKayitSonucu sonuc = T::TaahhutleriKaydet(
        1, borclu_, {satir(1, "20240215", "100"), satir(2, "20240315", "200")}, true, false);
    db_->setStatementRecorder({});
    EXPECT_TRUE(sonuc.tamam());
    EXPECT_TRUE(hatalar().isEmpty()) << hatalar().join(u'\n').toStdString();
    const QStringList kayitli = taahhutler();
    ASSERT_EQ(kayitli.size(), 4);
    EXPECT_TRUE(kayitli[1].startsWith(QStringLiteral("5 7 "))) << kayitli[1].toStdString();
    EXPECT_EQ(kayitli[2], QStringLiteral("6 2 20240215 100.0000 0.0000 0 1 [][]"));
    EXPECT_EQ(kayitli[3], QStringLiteral("7 2 20240315 200.0000 0.0000 0 1 [][]"));
    const QStringList girisler = ajanda();
    ASSERT_EQ(girisler.size(), 3);
    EXPECT_TRUE(girisler[0].contains(QStringLiteral("|diğer|"))) << girisler[0].toStdString();
    EXPECT_TRUE(girisler[1].startsWith(QStringLiteral("2|")));
    EXPECT_TRUE(girisler[2].startsWith(QStringLiteral("3|")));
}

// A row the database refuses for another reason is reported and counted; the others are
// still stored, and their numbers leave no gap.
TEST_P(TaahhutKayitTest, AFailedRowIsReportedAndCounted) {
    db_->execute(QStringLiteral("DROP TABLE tblfoy_taahhut"));
    db_->execute(QStringLiteral(
        "CREATE TABLE tblfoy_taahhut (foykodu INTEGER NOT NULL, taahhutkodu INTEGER NOT NULL, "
        "foysahiskodu INTEGER, taahhuttarihi TEXT, taahhutmiktari NUMERIC(19,4) "
        "CHECK (taahhutmiktari <> 666), kabultarihi TEXT, kabultebligtarihi TEXT, "
        "odenenmiktar NUMERIC(19,4), taahutdurumu INTEGER, parabirimikodu INTEGER, "
        "PRIMARY KEY (foykodu, taahhutkodu))"));
    const TaahhutKayitSonucu sonuc = T::TaahhutleriKaydet(
        1, borclu_,
        {satir(1, "20240215", "100"), satir(2, "20240315", "666"), satir(3, "20240415", "200")},
        true, false);
    EXPECT_EQ(sonuc.Istenen, 3);
    EXPECT_EQ(sonuc.Kaydedilen, 2);
    EXPECT_EQ(sonuc.AjandaKaydedilen, 2);
    EXPECT_EQ(sonuc.Mesaj(), QStringLiteral("3 taahhüdün 2 tanesi kaydedildi; kaydedilemeyenler "
                                            "için hata iletilerine bakınız."));
    ASSERT_EQ(hatalar().size(), 1);
    EXPECT_TRUE(hatalar().first().startsWith(
        QStringLiteral("Hatanın oluştuğu yer : frmShowPlan.TaahhutKaydet\rHata : ")));
    EXPECT_EQ(taahhutler(), (QStringList{"1 2 20240215 100.0000 0.0000 0 1 [][]",
                                         "2 2 20240415 200.0000 0.0000 0 1 [][]"}));

    // Without an agenda table every commitment is stored and the agenda is counted apart.
    db_->execute(QStringLiteral("DROP TABLE tblajanda"));
    const TaahhutKayitSonucu ajandasiz = T::TaahhutleriKaydet(
        1, borclu_, {satir(1, "20240515", "1"), satir(2, "20240615", "2")}, true, false);
    EXPECT_EQ(ajandasiz.Kaydedilen, 2);
    EXPECT_EQ(ajandasiz.AjandaKaydedilen, 0);
    EXPECT_EQ(ajandasiz.Mesaj(), QStringLiteral("Taahhütler kaydedildi; 2 ajanda kaydının 0 "
                                                "tanesi kaydedildi, kaydedilemeyenler için hata "
                                                "iletilerine bakınız."));
    EXPECT_EQ(hatalar().size(), 3);
}

TEST_P(TaahhutKayitTest, TheSaveCommandChecksAsksAndTells) {
    ScriptedMessageService& mesajlar = guard_.messages();
    const QList<OdemePlaniSatiri> plan = {satir(1, "20240115", "500", false),
                                          satir(2, "20240215", "100")};
    EXPECT_FALSE(T::TaahhutKomutu(1, std::nullopt, plan, false));
    EXPECT_EQ(mesajlar.informations().last(), M::TaahhutYapanSahsiSeciniz);
    for (bool tarihsiz : {true, false}) {
        QList<OdemePlaniSatiri> eksik = plan;
        if (tarihsiz)
            eksik[1].Tarih.clear();
        else
            eksik[1].Tutar = Money();
        EXPECT_FALSE(T::TaahhutKomutu(1, borclu_, eksik, false));
        EXPECT_EQ(mesajlar.informations().last(),
                  tarihsiz ? M::TaahhutTarihiGiriniz : M::TaahhutMiktariGiriniz);
    }
    EXPECT_TRUE(mesajlar.questions().isEmpty());
    EXPECT_TRUE(taahhutler().isEmpty());

    // "No" to the agenda question: only the commitments.
    mesajlar.queueAnswer(false);
    ASSERT_TRUE(T::TaahhutKomutu(1, borclu_, plan, true));
    EXPECT_EQ(mesajlar.questions().last(), M::AjandayaKaydedilsinMi);
    EXPECT_EQ(mesajlar.informations().last(), M::TaahhutlerKaydedildi);
    EXPECT_EQ(taahhutler().size(), 1);
    EXPECT_TRUE(ajanda().isEmpty());
    mesajlar.queueAnswer(true);
    ASSERT_TRUE(T::TaahhutKomutu(1, borclu_, plan, true));
    EXPECT_EQ(taahhutler().size(), 2);
    EXPECT_EQ(ajanda().size(), 1);

    // A plan of only the down payment stores nothing and still says so.
    mesajlar.queueAnswer(true);
    auto sonuc = T::TaahhutKomutu(1, borclu_, {plan[0]}, true);
    ASSERT_TRUE(sonuc);
    EXPECT_EQ(sonuc->Istenen, 0);
    EXPECT_EQ(mesajlar.informations().last(), M::TaahhutlerKaydedildi);
    EXPECT_EQ(taahhutler().size(), 2);
    EXPECT_TRUE(hatalar().isEmpty()) << hatalar().join(u'\n').toStdString();
}

TEST_P(TaahhutKayitTest, DebtorListAndTheStoredPlace) {
    for (auto [foy, kod, ad, soyad] :
         {std::tuple{1, 1, "Hüseyin", "Çelik"}, std::tuple{1, 2, "Aydın Yapı Ltd. Şti.", ""},
          std::tuple{2, 1, "Başka", ""}}) {
        FieldValues alanlar = {{QStringLiteral("foykodu"), foy},
                               {QStringLiteral("foysahiskodu"), kod},
                               {QStringLiteral("ad"), QString::fromUtf8(ad)}};
        if (*soyad)
            alanlar.append({QStringLiteral("soyad"), QString::fromUtf8(soyad)});
        db_->addRow(QStringLiteral("tblfoy_sahis"), alanlar);
    }
    QStringList adlar;
    for (const Borclu& b : T::BorclulariYukle(1))
        adlar << QStringLiteral("%1 %2").arg(b.FoySahisKodu).arg(b.Ad);
    adlar.sort();
    EXPECT_EQ(adlar, (QStringList{"1 Hüseyin Çelik", "2 Aydın Yapı Ltd. Şti. "}));

    EXPECT_FALSE(T::KayitliTaahhutDurumu(1));
    db_->addRow(QStringLiteral("tblfoy_taahhut"),
                {{QStringLiteral("foykodu"), 1}, {QStringLiteral("taahhutkodu"), 1}});
    EXPECT_FALSE(T::KayitliTaahhutDurumu(1));  // the place is not known
    db_->execute(QStringLiteral("update tblfoy_taahhut set taahutdurumu = 1"));
    EXPECT_EQ(T::KayitliTaahhutDurumu(1), true);
    db_->execute(QStringLiteral("update tblfoy_taahhut set taahutdurumu = 0"));
    EXPECT_EQ(T::KayitliTaahhutDurumu(1), false);
    EXPECT_TRUE(hatalar().isEmpty()) << hatalar().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Backends, TaahhutKayitTest, ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
