// The bulk update: its criteria and run (TopluFoyGuncelleyici), its window's wiring
// (frmTopluFoyGunle) and the contract of "quvhesap batch".

#include "../file/FileFixtures.h"
#include "../parameters/ParametreTestVerisi.h"
#include "engine/RecordSet.h"
#include "engine/Schema.h"
#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "file/DbFixture.h"
#include "file/clsFoyBilgileri.h"
#include "formats/DemoVerisi.h"
#include "summary/clsHesapOzeti.h"
#include "tools/BlokDagitici.h"
#include "tools/TopluCalismaKaydi.h"
#include "tools/TopluFoyGuncelleyici.h"
#include "tools/frmTopluFoyGunle.h"
#include "ui/DateEdit.h"
#include "ui/MoneyEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QThread>
#include <QUrl>

#include <csignal>

// The criteria of each case name only the fields it sets; the rest keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quv::test {
namespace {

using K = TopluGuncellemeKriterleri;
using Durum = TopluGuncellemeSonucu::Durum;
using Kodlar = QList<qint32>;

// Ten lira files, codes 1 to 10, each with one claim of (code x 1,000) TL from
// 1 December 2022, fixed 9 % a year, enforcement on 15 January 2023 and calculation
// date 15 January 2024, with the tariffs of 2020; attorneys 1 to 3.
Kodlar kodlar(Database& db, const char* sql) {
    Kodlar out;
    for (RecordSet rs = db.openRecordSet(QString::fromLatin1(sql)); !rs.eof(); rs.moveNext())
        out << toInt32(rs.value(0));
    return out;
}

class TopluFoyGuncelleyiciTest : public ParametreVeritabaniTesti {
protected:
    void SetUp() override {
        ParametreVeritabaniTesti::SetUp();
        harcSatiriEkle(QStringLiteral("20200101"));
        digerUcretSatiriEkle(QStringLiteral("20200101"));
        araligiEkle(QStringLiteral("20200101"), 1, 1000000000, 16);
        seceneklerEkle({});
        insertCreditorAndCurrencies(*db_);
        for (qint32 foy = 1; foy <= 10; ++foy) {
            insertFile(*db_, foy);
            db_->addRow(QStringLiteral("tblfoy_alacak"), {{"foykodu", foy},
                                                          {"alacakkodu", 1},
                                                          {"tarih", "20221201"},
                                                          {"tutar", foy * 1000},
                                                          {"birikmisfaiz", 0}});
        }
        for (const auto& [kod, ad, soyad] :
             {std::tuple{2, "Mehmet", "Demir"}, {1, "Ayşe", "Yılmaz"}, {3, "Ayşe", "Kaya"}})
            db_->addRow(QStringLiteral("tblavukat"), {{"avukatkodu", kod},
                                                      {"ad", QString::fromUtf8(ad)},
                                                      {"soyad", QString::fromUtf8(soyad)}});
        hesap_.setActiveConnection(db_);
        hesap_.setActiveVeritabaniTuru(db_->veritabaniTuru());
        calisanSorgular();
    }

    Kodlar kodlar(const char* sql) { return test::kodlar(*db_, sql); }
    // The files with a stored summary, and those whose calculation date was moved.
    Kodlar ozetiOlanlar() { return kodlar("select foykodu from tblfoy_hesap order by foykodu"); }
    Kodlar tasinanlar() {
        return kodlar(
            "select foykodu from tblfoy where hesaptarihi <> '20240115' order by foykodu");
    }
    // A party (1) with one notification of the given status on 1 March 2023; with a Null
    // party, a second notification without its party.
    void tebligatEkle(qint32 foy, int durum, const QVariant& sahis = 1) {
        if (!sahis.isNull())
            db_->addRow("tblfoy_sahis",
                        {{"foykodu", foy}, {"foysahiskodu", 1}, {"foysahistipi", 3}});
        db_->addRow("tblfoy_tebligat", {{"foykodu", foy},
                                        {"foysahiskodu", sahis},
                                        {"tebligatkodu", sahis.isNull() ? 2 : 1},
                                        {"tebligtarihi", "20230301"},
                                        {"tebligatdurumu", durum}});
    }
    TopluGuncellemeSonucu calistir(K k) {
        TopluFoyGuncelleyici c(hesap_);
        c.Kriterler = std::move(k);
        return c.Calistir();
    }

    clsHesapAna hesap_;
};

TEST(TopluGuncellemeSorgusu, TheCriteriaBuildTheConditionAndTypedValuesAreChecked) {
    const struct {
        K k;
        const char* where;
    } kosullar[] = {
        {{.FoyKoduOp = ">", .FoyKodu1 = " 007 "}, "where (t1.foykodu > 7)"},  // plain decimal
        // The second value counts only with "Arasında", which needs both.
        {{.FoyKodu1 = "5", .FoyKodu2 = "9"}, "where (t1.foykodu = 5)"},
        {{.FoyKoduOp = "Arasında", .FoyKodu1 = "3"}, ""},
        {{.TakipTarihiOp = "Arasında", .TakipTarihi1 = "20230101", .TakipTarihi2 = "20231231"},
         "where (t1.takiptarihi between '20230101' and '20231231')"},
        // The file code, "<=" and the outcome: the runs below.
        {{.TakipTarihiOp = "<", .TakipTarihi1 = "20240101", .AvukatKodu = 3},
         "where (t1.takiptarihi < '20240101') and (t1.avukatkodu = 3)"},
    };
    clsHesapAna hesap;
    TopluFoyGuncelleyici c(hesap);
    for (const auto& d : kosullar) {
        c.Kriterler = d.k;
        EXPECT_EQ(c.SorguOlustur(), QString::fromUtf8(d.where));
    }

    // Typed values are checked before any of them reaches a statement.
    const QString foy = QStringLiteral("Lütfen föy kodu için geçerli bir tam sayı giriniz: \"%1\"");
    const struct {
        K k;
        QString mesaj;
    } degerler[] = {
        // The choice of work is checked first.
        {{.FoyKodu1 = "abc"}, TopluFoyGuncelleyici::SecenekMesaji()},
        {{.TebligatBilgileriniTazele = true}, QString()},
        {{.FoyKodu1 = "1) or (1=1", .HesapBilgileriniGunle = true}, foy.arg("1) or (1=1")},
        {{.FoyKodu1 = "2147483648", .HesapBilgileriniGunle = true}, foy.arg("2147483648")},
        {{.FoyKoduOp = "Arasında", .FoyKodu1 = "1", .FoyKodu2 = "x", .HesapBilgileriniGunle = true},
         foy.arg("x")},
        // A hidden second box does not count.
        {{.FoyKodu1 = "1", .FoyKodu2 = "x", .HesapBilgileriniGunle = true}, QString()},
        {{.TakipTarihi1 = "20230101' or '1'='1", .HesapBilgileriniGunle = true},
         "Lütfen takip tarihi için geçerli bir tarih giriniz: \"20230101' or '1'='1\""},
        {{.HesapTarihi = "20241301", .HesapBilgileriniGunle = true},
         "Lütfen hesap tarihi için geçerli bir tarih giriniz: \"20241301\""},
        {{.FoyKoduOp = "LIKE", .HesapBilgileriniGunle = true},
         "Geçersiz karşılaştırma işleci: \"LIKE\". Seçenekler: =, >, <, >=, <=, Arasında"},
    };
    for (const auto& d : degerler) {
        c.Kriterler = d.k;
        EXPECT_EQ(c.Dogrula(), d.mesaj) << d.k.FoyKodu1.toStdString();
    }
    // Stopped before the first file: no file to name.
    EXPECT_EQ(TopluFoyGuncelleyici::DurdurulduMesaji(4, 0, 0),
              "Güncelleme işlemi durduruldu.\rKritere uygun 4 föyden 4 tanesi güncellenemedi");
}

TEST_P(TopluFoyGuncelleyiciTest, TheNewDateGoesToTheMatchingFilesBeforeTheirRecalculation) {
    const TopluGuncellemeSonucu sonuc = calistir({.FoyKoduOp = "Arasında",
                                                  .FoyKodu1 = "2",
                                                  .FoyKodu2 = "4",
                                                  .HesapTarihi = "20240214",
                                                  .HesapBilgileriniGunle = true});
    EXPECT_EQ(sonuc.durum, Durum::Tamamlandi);
    EXPECT_EQ(sonuc.Sayi, 3);
    EXPECT_EQ(tasinanlar(), (Kodlar{2, 3, 4}));
    EXPECT_EQ(ozetiOlanlar(), (Kodlar{2, 3, 4}));
    // File 3 was calculated at the new date: 30 more days (15 January to 14 February
    // 2024) of 9 % on 3,000 over a 360-day year: 3,000 x 0.09 x 30 / 360 = 22.50.
    RecordSet rs = db_->openRecordSet("select sonrakifaiz from tblfoy_hesap where foykodu = 3");
    auto eski = hesap_.TariheGoreHesapla(3, QStringLiteral("20240115"), false);
    ASSERT_TRUE(eski);
    EXPECT_EQ(Money::fromVariant(rs.value(0)) - eski->HesapOzeti().SonrakiFaiz, M("22.50"));
    EXPECT_EQ(guard_.errors().messages(), QStringList());
}

TEST_P(TopluFoyGuncelleyiciTest, AFailingStatusUpdateIsReportedAndTheRunGoesOn) {
    tebligatEkle(1, 5);  // class 1
    tebligatEkle(2, 8);
    tebligatEkle(3, 8);  // class 2
    // A notification of file 2 without its party: the status cannot be worked out.
    tebligatEkle(2, 5, QVariant());
    const TopluGuncellemeSonucu sonuc =
        calistir({.FoyKoduOp = "<=", .FoyKodu1 = "3", .TebligatBilgileriniTazele = true});
    EXPECT_EQ(sonuc.durum, Durum::Tamamlandi);
    EXPECT_EQ(sonuc.Guncellenen, 3);
    EXPECT_EQ(sonuc.HataSayisi, 1u);
    EXPECT_EQ(guard_.errors().messages(),
              QStringList{hataMesaji("Hesap.modGenel.FoyTebligatDurumuGuncelle", 94,
                                     "Invalid use of Null")});
    EXPECT_EQ(kodlar("select coalesce(tebligatdurumu, -1) from tblfoy where foykodu <= 3 "
                     "order by foykodu"),
              (Kodlar{1, -1, 2}));
    // The tracking rows of every file were rebuilt, the failing file's too.
    EXPECT_EQ(kodlar("select foykodu from tblfoy_tebligat_iz order by foykodu"), (Kodlar{1, 2, 3}));
    // Only the notifications were asked for, without a new date: nothing was recalculated
    // or moved.
    EXPECT_EQ(ozetiOlanlar(), Kodlar());
    EXPECT_EQ(tasinanlar(), Kodlar());
}

TEST_P(TopluFoyGuncelleyiciTest, InvalidCriteriaTouchNothingAndAnUnreadableListIsReported) {
    TopluFoyGuncelleyici c(hesap_);
    c.Kriterler = {.FoyKodu1 = "1; delete from tblfoy",
                   .HesapTarihi = "20240214",
                   .HesapBilgileriniGunle = true};
    bool basladi = false;
    c.Basladi = [&](int) { basladi = true; };
    EXPECT_EQ(c.Calistir().durum, Durum::Gecersiz);
    EXPECT_FALSE(basladi);
    EXPECT_EQ(calisanSorgular(), QStringList());

    db_->execute(QStringLiteral("alter table tblfoy rename to tblfoy_eski"));
    const TopluGuncellemeSonucu sonuc = calistir({.HesapBilgileriniGunle = true});
    EXPECT_EQ(sonuc.durum, Durum::Hata);
    EXPECT_EQ(sonuc.Mesaj, QString());
    ASSERT_EQ(guard_.errors().messages().size(), 1);
    EXPECT_TRUE(guard_.errors().messages().first().startsWith(
        "Hatanın oluştuğu yer : Hesap.frmTopluFoyGunle.cmdGuncel_Click\rHata : "));
}

TEST_P(TopluFoyGuncelleyiciTest, ASummaryTheDatabaseRefusesFailsOnlyItsFile) {
    // The block's summaries go together: the one the database refuses is told with its file
    // and stays to do in the run's record; the others are saved. So too when the blocks are
    // written behind, on a connection of their own: file 3 is then in a block written while
    // the next is calculated, file 9 in the last, written by the run itself.
    if (db_->backend() == quv::Backend::SQLite) {
        db_->execute("create trigger red before insert on tblfoy_hesap when new.foykodu in (3, 9) "
                     "begin select raise(abort, 'reddedildi'); end");
    } else {
        db_->execute("create or replace function red() returns trigger language plpgsql as $$ begin if "
                     "new.foykodu in (3, 9) then raise exception 'reddedildi'; end if; return new; "
                     "end $$");
        db_->execute("create trigger red before insert on tblfoy_hesap for each row execute "
                     "function red()");
    }
    for (const bool arkadan : {false, true}) {
        db_->execute("delete from tblfoy_hesap");
        guard_.errors().clear();
        TopluFoyGuncelleyici c(hesap_);
        c.Kriterler = {.HesapBilgileriniGunle = true};
        c.BlokBuyuklugu = 4;
        c.ArkadaYaz = arkadan;
        Kodlar hatali;
        c.FoyHatasi = [&](qint32 kod) { hatali << kod; };
        const TopluGuncellemeSonucu sonuc = c.Calistir();
        EXPECT_EQ(sonuc.durum, Durum::Tamamlandi);
        EXPECT_EQ(sonuc.ArkadaYazilanBloklar, arkadan ? 2 : 0);
        EXPECT_EQ(sonuc.Basarisiz, 2);
        EXPECT_EQ(hatali, (Kodlar{3, 9}));
        ASSERT_EQ(guard_.errors().messages().size(), 2);
        EXPECT_TRUE(guard_.errors().messages().first().contains("reddedildi"));
        EXPECT_EQ(ozetiOlanlar(), (Kodlar{1, 2, 4, 5, 6, 7, 8, 10}));
        EXPECT_EQ(kodlar("select foykodu from tbltopluguncelleme where kaydedildi = 0 "
                         "order by foykodu"),
                  (Kodlar{3, 9}));
    }
}

TEST_P(TopluFoyGuncelleyiciTest, BesideOtherWritersABlockDoesNotWaitForTheLock) {
    // A block whose lock another connection holds (files 3 to 6 here) goes with the next
    // block instead of waiting for it; nothing is lost, each file is saved once.
    if (db_->backend() != quv::Backend::SQLite || !db_->url().opensBeside())
        GTEST_SKIP() << "the write lock of SQLite between two connections";
    auto baska = Database::open(db_->url(), Database::OpenMode::MustExist);
    TopluFoyGuncelleyici c(hesap_);
    c.Kriterler = {.HesapBilgileriniGunle = true};
    c.BlokBuyuklugu = 4;
    c.EsZamanliYazicilar = true;
    Kodlar kilitliyken;
    c.FoyBitti = [&](int sira, int, qint32) {
        if (sira == 3)
            baska->execute("BEGIN IMMEDIATE");
        if (sira == 6) {
            kilitliyken = test::kodlar(*baska, "select foykodu from tblfoy_hesap");
            baska->execute("COMMIT");
        }
    };
    const TopluGuncellemeSonucu sonuc = c.Calistir();
    EXPECT_EQ(sonuc.durum, Durum::Tamamlandi);
    EXPECT_EQ(sonuc.Basarisiz, 0);
    EXPECT_EQ(guard_.errors().messages(), QStringList());
    EXPECT_EQ(kilitliyken, Kodlar{});
    EXPECT_EQ(ozetiOlanlar(), (Kodlar{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(kodlar("select foykodu from tbltopluguncelleme where kaydedildi = 0"), Kodlar{});
}

TEST_P(TopluFoyGuncelleyiciTest, AWorkerDoesTheBlocksAnotherSliceHasLeft) {
    // Slice 1 of 2 (even codes) with the blocks shared: slice 2 (odd codes) is published
    // with its record, as its worker does, but nobody else takes its blocks. Blocks of at
    // most 2, half of what is left: own 2 4 | 6 8 | 10, then 1 3 | 5 7 | 9. Stopped after
    // the seventh file (3) in one run, run whole in the other. The record's table is made as
    // an earlier version made it, without its index: the run adds it.
    db_->execute("create table tbltopluguncelleme (parca text, foykodu integer, kaydedildi int)");
    for (const bool dur : {true, false}) {
        SCOPED_TRACE(dur);
        db_->execute("delete from tblfoy_hesap");
        BlokDagitici d(2);
        TopluCalismaKaydi(*db_, QStringLiteral("2/2")).Baslat({1, 3, 5, 7, 9});
        ASSERT_TRUE(d.yayimla(2, {1, 3, 5, 7, 9}));
        TopluFoyGuncelleyici c(hesap_);
        c.Kriterler = {.HesapBilgileriniGunle = true};
        c.ParcaNo = 1;
        c.ParcaSayisi = 2;
        c.BlokBuyuklugu = 2;
        c.Dagitici = &d;
        Kodlar sira;
        c.FoyBitti = [&](int n, int, qint32 kod) {
            sira << kod;
            if (dur && n == 7)
                c.Durdur();
        };
        const TopluGuncellemeSonucu sonuc = c.Calistir();
        EXPECT_EQ(sonuc.Sayi, 5);
        auto isaretli = [&](const std::string& parca) {
            return kodlar(("select foykodu from tbltopluguncelleme where kaydedildi = 1 and "
                           "parca = '" + parca + "' order by foykodu").c_str());
        };
        EXPECT_EQ(isaretli("1/2"), (Kodlar{2, 4, 6, 8, 10}));
        if (dur) {
            EXPECT_EQ(sira, (Kodlar{2, 4, 6, 8, 10, 1, 3}));
            EXPECT_EQ(ozetiOlanlar(), (Kodlar{1, 2, 3, 4, 6, 8, 10}));
            EXPECT_EQ(isaretli("2/2"), (Kodlar{1, 3}));
            // The message tells of this worker's own slice, all of whose files are done.
            EXPECT_EQ(sonuc.durum, Durum::Durduruldu);
            EXPECT_EQ(sonuc.Mesaj, TopluFoyGuncelleyici::DurdurulduMesaji(5, 5, 10));
            continue;
        }
        EXPECT_EQ(sira, (Kodlar{2, 4, 6, 8, 10, 1, 3, 5, 7, 9}));
        EXPECT_EQ(sonuc.durum, Durum::Tamamlandi);
        EXPECT_EQ(sonuc.Guncellenen, 10);
        EXPECT_EQ(ozetiOlanlar(), (Kodlar{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        EXPECT_EQ(isaretli("2/2"), (Kodlar{1, 3, 5, 7, 9}));
    }
    EXPECT_EQ(
        kodlar(db_->backend() == quv::Backend::SQLite
                   ? "select count(*) from sqlite_master where tbl_name = 'tbltopluguncelleme'"
                   : "select count(*) from pg_class where relname like 'tbltopluguncelleme%'"),
        Kodlar{2});
}

TEST_P(TopluFoyGuncelleyiciTest, AWriteBehindThatFailsWholeIsSentAgainByTheRun) {
    // The record of files saved takes a mark only on the run's own connection (a temporary
    // table is its session's alone): every write behind fails whole, each block is then
    // written by the run, and nothing is lost or told.
    if (db_->backend() != quv::Backend::PostgreSQL)
        GTEST_SKIP() << "a SQLite trigger cannot name one connection's temporary table";
    db_->execute("create or replace function yalniz() returns trigger language plpgsql as $$ "
                 "begin if to_regclass('pg_temp.izin') is null then raise exception "
                 "'izin yok'; end if; return new; end $$");
    db_->execute("create temp table izin (x int)");
    TopluFoyGuncelleyici c(hesap_);
    c.Kriterler = {.HesapBilgileriniGunle = true};
    c.BlokBuyuklugu = 4;
    c.ArkadaYaz = true;
    // Made first, so the trigger is added to an existing table.
    TopluCalismaKaydi(*db_, QStringLiteral("1/1")).TabloyuHazirla();
    db_->execute("create trigger yalniz before update on tbltopluguncelleme for each row "
                 "execute function yalniz()");
    const TopluGuncellemeSonucu sonuc = c.Calistir();
    EXPECT_EQ(sonuc.durum, Durum::Tamamlandi);
    EXPECT_EQ(sonuc.ArkadaYazilanBloklar, 0);
    EXPECT_EQ(sonuc.Basarisiz, 0);
    EXPECT_EQ(guard_.errors().messages(), QStringList());
    EXPECT_EQ(ozetiOlanlar(), (Kodlar{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(kodlar("select foykodu from tbltopluguncelleme where kaydedildi = 0"), Kodlar{});
}

class frmTopluFoyGunleTest : public TopluFoyGuncelleyiciTest {
protected:
    std::unique_ptr<frmTopluFoyGunle> ac() {
        auto p = std::make_unique<frmTopluFoyGunle>();
        p->ActiveHesap = &hesap_;
        p->show();
        p->chkHesapBilgileriniGunle->setChecked(true);
        return p;
    }
    QStringList mesajlar() { return guard_.messages().informations(); }
};

TEST_P(frmTopluFoyGunleTest, OpensWithItsListsAndShowsTheSecondBoxesOnlyForArasinda) {
    auto p = ac();
    // Attorneys ordered by first name, then surname, after "Tümü".
    QStringList avukatlar;
    for (int i = 0; i < p->cboAvukat->count(); ++i)
        avukatlar << p->cboAvukat->itemText(i) + u'/' + p->cboAvukat->itemData(i).toString();
    EXPECT_EQ(avukatlar, (QStringList{"Tümü/", "Ayşe Kaya/3", "Ayşe Yılmaz/1", "Mehmet Demir/2"}));
    // Whether the second boxes of the file code and the enforcement date are hidden.
    auto gizli = [&] {
        return QString::number(p->oceFoyKodu2->isHidden()) +
               QString::number(p->otrTakipTarihi2->isHidden());
    };
    EXPECT_EQ(gizli(), "11");
    p->cboFoyKoduOp->setCurrentText(QStringLiteral("Arasında"));
    EXPECT_EQ(gizli(), "01");
    p->cboTakipTarihiOp->setCurrentIndex(5);
    EXPECT_EQ(gizli(), "00");
    p->cboFoyKoduOp->setCurrentIndex(0);
    EXPECT_EQ(gizli(), "10");
}

// Clicking the start button does not clear a mistyped date first, so the criterion cannot
// vanish and widen the run; the date is named as typed. Then the chosen outcome and new date
// select and move only their files.
TEST_P(frmTopluFoyGunleTest, AMistypedDateStopsTheStartAndTheChosenOutcomeSelects) {
    // Outcomes around 11 ("Rehin Açığı Belgesi"), so an off-by-one shows.
    db_->execute("update tblfoy set dosyasonucu = 11 where foykodu in (4, 7)");
    db_->execute("update tblfoy set dosyasonucu = 10 where foykodu = 5");
    db_->execute("update tblfoy set dosyasonucu = 12 where foykodu = 6");
    auto p = ac();
    QApplication::setActiveWindow(p.get());
    p->otrTakipTarihi1->setFocus();
    p->otrTakipTarihi1->setText(QStringLiteral("30.02.2023"));
    ASSERT_TRUE(p->otrTakipTarihi1->hasFocus());
    QTest::mouseClick(p->cmdGuncel, Qt::LeftButton);
    EXPECT_EQ(mesajlar(), QStringList{"Lütfen takip tarihi için geçerli bir tarih giriniz: "
                                      "\"30.02.2023\""});
    EXPECT_EQ(ozetiOlanlar(), Kodlar());
    EXPECT_EQ(guard_.errors().messages(), QStringList());

    p->otrTakipTarihi1->clear();
    p->cboDosyaSonucu->setCurrentText(QStringLiteral("Rehin Açığı Belgesi"));
    p->otrHesapTarihi->setTextDate(QStringLiteral("20240301"));
    p->cmdGuncel->click();
    EXPECT_EQ(ozetiOlanlar(), (Kodlar{4, 7}));
    EXPECT_EQ(tasinanlar(), (Kodlar{4, 7}));
}

TEST_P(frmTopluFoyGunleTest, AStoppedRunSaysSoEvenAtTheLastFile) {
    auto p = ac();
    QStringList ucuncuDosyada;
    // The stop button pressed after the third file; the window handles it while it lets the
    // events through.
    auto baglanti = QObject::connect(
        p.get(), &frmTopluFoyGunle::foyGuncellendi, p.get(), [&](int sira, int, qint32) {
            if (sira != 3)
                return;
            ucuncuDosyada << p->lblNumber->text() << p->opbGuncelle->text() << p->cmdIptal->text()
                          << (p->cmdGuncel->isEnabled() ? "açık" : "kapalı");
            QMetaObject::invokeMethod(p->cmdIptal, &QPushButton::click, Qt::QueuedConnection);
        });
    p->cmdGuncel->click();
    EXPECT_EQ(ucuncuDosyada, (QStringList{"3 / 10 Föy Kodu : 3", "%30", "&Durdur", "kapalı"}));
    EXPECT_EQ(mesajlar(), QStringList{"Güncelleme işlemi durduruldu.\rKritere uygun 10 föyden 7 "
                                      "tanesi güncellenemedi\r3 nolu föye kadar güncellendi."});
    // Each file is committed on its own: the first three are recalculated.
    EXPECT_EQ(ozetiOlanlar(), (Kodlar{1, 2, 3}));
    EXPECT_EQ(p->cmdIptal->text() + p->lblNumber->text(), QStringLiteral("İ&ptal"));  // idle

    // Closing the window during a run only stops it, and a stop at the last file is a stop.
    guard_.messages().clear();
    QObject::disconnect(baglanti);
    QObject::connect(p.get(), &frmTopluFoyGunle::foyGuncellendi, p.get(),
                     [&](int sira, int, qint32) {
                         if (sira == 10)
                             p->close();
                     });
    p->cmdGuncel->click();
    EXPECT_EQ(mesajlar(), QStringList{"Güncelleme işlemi durduruldu.\rKritere uygun 10 föyden 0 "
                                      "tanesi güncellenemedi\r10 nolu föye kadar güncellendi."});
    EXPECT_TRUE(p->isVisible());
    // Idle, the cancel button closes the window.
    p->cmdIptal->click();
    EXPECT_FALSE(p->isVisible());
    EXPECT_EQ(guard_.errors().messages(), QStringList());
}

TEST_P(frmTopluFoyGunleTest, ParallelJobsShareTheRunAndItsProgress) {
    auto p = ac();
    p->IsciProgrami = QCoreApplication::applicationDirPath() + "/../../apps/quvhesap/quvhesap";
    p->spnIsSayisi->setValue(2);
    int sonBiten = 0;
    int sayi = 0;
    QObject::connect(p.get(), &frmTopluFoyGunle::foyGuncellendi, p.get(),
                     [&](int biten, int n, qint32) { sonBiten = biten, sayi = n; });
    p->cmdGuncel->click();
    EXPECT_EQ(sonBiten, 10);
    EXPECT_EQ(sayi, 10);
    EXPECT_EQ(mesajlar(), QStringList{"Kriterlere uygun föylerin güncelleme işlemi tamamlandı."});
    EXPECT_EQ(ozetiOlanlar(), (Kodlar{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(p->cmdGuncel->isEnabled());
}

QUV_ON_BACKENDS(TopluFoyGuncelleyiciTest);
QUV_ON_BACKENDS(frmTopluFoyGunleTest);

// The contract of "quvhesap batch" on the demo database: messages, progress, exit status.

// "quvhesap batch --db <yol>" and the arguments (blank-separated), started.
void baslat(QProcess& p, const QString& yol, const char* argumanlar, QStringList digerleri = {}) {
    p.start(
        QCoreApplication::applicationDirPath() + "/../../apps/quvhesap/quvhesap",
        QStringList{"batch", "--db", yol} + QString::fromUtf8(argumanlar).split(u' ') + digerleri);
}

// ... run to its end: the exit status, the output, the error output.
std::tuple<int, QString, QString> batch(const QString& yol, const char* argumanlar,
                                        QStringList digerleri = {}) {
    QProcess p;
    baslat(p, yol, argumanlar, digerleri);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

Kodlar ozetler(const QString& yol) {
    return kodlar(*Database::open(yol), "select foykodu from tblfoy_hesap order by foykodu");
}

TEST(TopluGuncellemeCliTest, RecalculatesTheMatchingDemoFilesWithProgress) {
    const QString yol = test::demo(QStringLiteral("cli-batch-demo.sqlite"));
    const auto [cikis, out, err] =
        batch(yol, "--foy-op arasinda --foy 1001 --foy 1010 --hesap --tebligat");
    EXPECT_EQ(cikis, 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("Kriterlere uygun föylerin güncelleme işlemi tamamlandı.\n"));
    // Without a terminal a line for the first and the last file (and every few seconds).
    EXPECT_TRUE(err.contains(QStringLiteral("% 10  1 / 10 Föy Kodu : 1001  (")))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("%100  10 / 10 Föy Kodu : 1010  (")));
    EXPECT_TRUE(err.contains(QStringLiteral("föy/sn, kalan 0:00)")));
    EXPECT_EQ(ozetler(yol),
              (QList<qint32>{1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010}));

    const auto [bosCikis, bos, bosErr] = batch(yol, "--hesap --sonuc", {"Rehin Açığı Belgesi"});
    EXPECT_EQ(bosCikis, 0) << bosErr.toStdString();
    EXPECT_EQ(bos, QStringLiteral("Kriterlere uygun föy bulunamadı.\n"));
}

TEST(TopluGuncellemeCliTest, InvalidArgumentsExitTwoBeforeTheDatabaseIsOpened) {
    // The database does not exist: every case must be refused before it is needed.
    const QString yok = scratchPath(QStringLiteral("cli-batch-yok.sqlite"));
    const struct {
        const char* argumanlar;
        const char* mesaj;
    } durumlar[] = {
        {"--foy 1",
         "Lütfen hesap veya tebligat bilgileri güncelleme seçeneklerinden en az birini seçiniz."},
        {"--hesap --foy-op Arasında --foy 1", "iki değer ister"},
        {"--hesap --sonuc 99", "--sonuc için geçerli bir dosya sonucu"},
        {"--hesap --bogus", "Geçersiz argüman"},
    };
    for (const auto& d : durumlar) {
        const auto [cikis, out, err] = batch(yok, d.argumanlar);
        EXPECT_EQ(cikis, 2) << d.argumanlar;
        EXPECT_TRUE(err.contains(QString::fromUtf8(d.mesaj))) << err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(yok));
}

// Forty copies of the demo files: 492 files, long enough to stop.
void kirkKopya(Database& db) {
    for (const QString& t : {QStringLiteral("tblfoy"), QStringLiteral("tblfoy_alacak")}) {
        db.execute("create temp table k as select * from " + t +
                   " where foykodu between 1001 and 1012");
        for (int kat = 1; kat <= 40; ++kat) {
            db.execute(QStringLiteral("update k set foykodu = foykodu + 10000"));
            db.execute("insert into " + t + " select * from k");
        }
        db.execute(QStringLiteral("drop table k"));
    }
}

QString buyukVeritabani(const QString& ad) {
    const QString yol = test::demo(ad + QStringLiteral(".sqlite"));
    kirkKopya(*Database::open(yol));
    return yol;
}

// Killed in the middle, a run is resumed from its record: the files saved before the kill
// (whole blocks of 50) are not done again, and in the end every file is saved.
TEST(TopluGuncellemeCliTest, AKilledRunIsResumedAndSlicesShareARun) {
    const QString yol = buyukVeritabani(QStringLiteral("cli-batch-resume"));
    auto sayi = [&](const char* sql) {
        return toInt32(Database::open(yol)->openRecordSet(QString::fromLatin1(sql)).value(0));
    };
    QProcess p;
    baslat(p, yol, "--hesap --block-size 50");
    // Killed once the record shows the first block saved.
    QElapsedTimer saat;
    saat.start();
    while (p.state() != QProcess::NotRunning && saat.elapsed() < 60000 &&
           (!QFileInfo::exists(yol + "-wal") ||
            sayi("select count(*) from sqlite_master where name = 'tbltopluguncelleme'") == 0 ||
            sayi("select count(*) from tbltopluguncelleme where kaydedildi = 1") < 50))
        QThread::msleep(2);
    ::kill(static_cast<pid_t>(p.processId()), SIGKILL);
    ASSERT_TRUE(p.waitForFinished(60000));
    const int kaydedilen = sayi("select count(*) from tblfoy_hesap");
    EXPECT_GE(kaydedilen, 50);
    EXPECT_LT(kaydedilen, 492);
    EXPECT_EQ(sayi("select count(*) from tbltopluguncelleme where kaydedildi = 1"), kaydedilen);
    const auto [cikis, out, err] = batch(yol, "--hesap --resume");
    EXPECT_EQ(cikis, 0) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("1 / %1 Föy Kodu").arg(492 - kaydedilen)));
    EXPECT_EQ(sayi("select count(*) from tblfoy_hesap"), 492);
    EXPECT_TRUE(std::get<2>(batch(yol, "--hesap --resume --foy 1001")).contains("--foy verilmez"));

    // Two slices: the odd codes, then the even ones, make the whole run.
    Database::open(yol)->execute(QStringLiteral("delete from tblfoy_hesap"));
    EXPECT_EQ(std::get<0>(batch(yol, "--hesap --shard 2/2")), 0);
    EXPECT_EQ(sayi("select count(*) from tblfoy_hesap where foykodu % 2 = 0"), 0);
    EXPECT_EQ(sayi("select count(*) from tblfoy_hesap"), 246);
    EXPECT_EQ(std::get<0>(batch(yol, "--hesap --shard 1/2")), 0);
    EXPECT_EQ(sayi("select count(*) from tblfoy_hesap"), 492);
}

TEST(TopluGuncellemeCliTest, CtrlCStopsAfterTheCurrentFileAndSaysSo) {
    // Alone, and with two workers, to whom the run passes the interrupt on.
    for (const char* isler : {"", " --jobs 2"}) {
        SCOPED_TRACE(isler);
        const QString yol = buyukVeritabani(QStringLiteral("cli-batch-sigint%1").arg(*isler != 0));
        // A group of its own, as a terminal's foreground program, which its Ctrl-C reaches.
        QProcess p;
        p.setChildProcessModifier([] { ::setpgid(0, 0); });
        // A block a file keeps the run long enough for the interrupt to find it running.
        baslat(p, yol, (std::string("--hesap --block-size 1") + isler).c_str());
        // The progress comes on standard error; the interrupt follows the first file.
        p.setReadChannel(QProcess::StandardError);
        QByteArray hata;
        while (!hata.contains("Föy Kodu") && p.waitForReadyRead(30000))
            hata += p.readAllStandardError();
        ASSERT_TRUE(hata.contains("Föy Kodu"));
        ::kill(-static_cast<pid_t>(p.processId()), SIGINT);
        ASSERT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p.exitCode(), 1);
        const QList<qint32> yapilan = ozetler(yol);
        ASSERT_FALSE(yapilan.isEmpty());
        ASSERT_LT(yapilan.size(), 492);
        const QString cikti = QString::fromUtf8(p.readAllStandardOutput());
        if (*isler) {
            // Each worker says where its slice stopped.
            EXPECT_EQ(cikti.count(QStringLiteral("Güncelleme işlemi durduruldu.\n")), 2)
                << cikti.toStdString();
            continue;
        }
        // The files are taken in code order, so the last stored summary is the last file
        // reached.
        EXPECT_EQ(cikti,
                  QStringLiteral("Güncelleme işlemi durduruldu.\nKritere uygun 492 föyden %1 "
                                 "tanesi güncellenemedi\n%2 nolu föye kadar güncellendi.\n")
                      .arg(492 - yapilan.size())
                      .arg(yapilan.last()));
    }
}

// A PostgreSQL server restarted in the middle of a bulk update: the lost connection is
// opened again, the file that failed is run again, and every file ends up updated.
TEST(TopluGuncellemeCliTest, APostgreSqlRestartInTheMiddleLosesNoFile) {
    const QString pg = qEnvironmentVariable("QUV_TEST_PG_URL");
    if (pg.isEmpty())
        GTEST_SKIP() << "QUV_TEST_PG_URL not set";
    // A server of its own, so that restarting it disturbs no other test.
    int port = QUrl(pg).port() + 40;
    // Under the system's temporary folder: the server's user must reach it.
    const QString dizin =
        QDir::tempPath() +
        QStringLiteral("/quv-pg-yeniden-%1").arg(QCoreApplication::applicationPid());
    auto kume = [&](const char* islem) {
        QProcess p;
        p.start(QStringLiteral(QUV_PG_SCRIPT), {islem, dizin, QString::number(port)});
        p.waitForFinished(120000);
        return p.exitCode();
    };
    // A port held for the moment by the local end of some connection is passed over.
    for (int deneme = 1; kume("start") != 0; ++deneme, ++port)
        ASSERT_LT(deneme, 5) << "no port for the test's own server";
    const QString url = QStringLiteral("postgresql://quvtest@127.0.0.1:%1/postgres").arg(port);
    {
        auto db = Database::open(url);
        Schema::initialize(*db);
        demoVerisiniYukle(*db, QStringLiteral(QUV_DEMO_DIR));
        kirkKopya(*db);
    }
    auto sayi = [&] {
        return toInt32(Database::open(url)
                           ->openRecordSet(QStringLiteral("select count(*) from tblfoy_hesap"))
                           .value(0));
    };
    QProcess p;
    baslat(p, url, "--hesap --block-size 5");
    QElapsedTimer saat;
    saat.start();
    while (p.state() != QProcess::NotRunning && saat.elapsed() < 60000 && sayi() < 40)
        QThread::msleep(5);
    EXPECT_NE(p.state(), QProcess::NotRunning);  // the restart comes in the middle
    EXPECT_EQ(kume("restart"), 0);
    ASSERT_TRUE(p.waitForFinished(180000));
    const QString hata = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 0) << hata.right(2000).toStdString();
    EXPECT_EQ(sayi(), 492);
    kume("stop");
}

}  // namespace
}  // namespace quv::test
