// The demo data set, imported from its settings and case files: it loads on every
// backend, exports back to the very same documents, every file can be read by the file
// loaders, the tariffs and exchange rates cover every file, and the files cover the
// kinds of claim the demo is meant to show.

#include "engine/RecordSet.h"
#include "engine/clsHesapAna.h"
#include "file/DbFixture.h"
#include "file/FaizTablosu.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "formats/AyarBelgesi.h"
#include "formats/DemoVerisi.h"
#include "formats/FoyBelgesi.h"
#include "formats/JsonSayilari.h"
#include "formats/ReferansBelgesi.h"
#include "parameters/clsParametreler.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

namespace quv {
namespace {

class DemoDataTest : public test::DbFixture {
protected:
    void SetUp() override {
        DbFixture::SetUp();
        if (IsSkipped())
            return;
        try {
            // Behind ODBC the data goes in natively, as the tables did.
            native_ = db_->backend() == Backend::ODBC ? Database::open(test::nativeUrl(*db_)) : db_;
            demoVerisiniYukle(*native_, QStringLiteral(QUV_DEMO_DIR));
        } catch (const RuntimeError& e) {
            FAIL() << e.description().toStdString();
        }
    }
    qint64 number(const QString& sql) {
        RecordSet rs = db_->openRecordSet(sql);
        return rs.eof() ? -1 : rs.value(0).toLongLong();
    }
    QStringList texts(const QString& sql) {
        QStringList out;
        for (RecordSet rs = db_->openRecordSet(sql); !rs.eof(); rs.moveNext())
            out << rs.value(0).toString();
        return out;
    }
    std::shared_ptr<Database> native_;
    // Loads one file and its claims.
    std::unique_ptr<clsFoyBilgileri> loadFile(qint32 foyKodu) {
        auto foy = std::make_unique<clsFoyBilgileri>();
        EXPECT_TRUE(foy->FoyBilgileriniYukle(foyKodu)) << "file " << foyKodu;
        foy->AlacaklariYukle();
        return foy;
    }
};

// At its stored date every file calculates and saves without a reported error: its rows
// load, every tariff group is in force and complete on the run's date, and every exchange
// rate the run needs is stored (nobody is there to enter a missing one). Behind ODBC each
// stores, field for field, the summary row the same run stores through the native driver.
TEST_P(DemoDataTest, EveryFileCalculatesWithoutAnError) {
    auto saved = [&](const std::shared_ptr<Database>& db) {
        native_->execute("delete from tblfoy_hesap");
        clsHesapAna hesap;
        hesap.setActiveConnection(db);
        const QStringList files = texts("select foykodu from tblfoy order by foykodu");
        EXPECT_EQ(files.size(), 12);
        for (const QString& code : files) {
            auto foy = hesap.TariheGoreHesapla(code.toInt(), QString(), true);
            clsParametreler& p = hesap.Parametreler();
            EXPECT_TRUE(foy && foy->Alacaklar().Count() > 0 && p.HarclarDonemi().Yuklu() &&
                        p.VekaletUcretleriDonemi().Yuklu() && p.IHVekaletUcretleriDonemi().Yuklu())
                << "file " << code.toStdString();
        }
        QStringList fields;
        for (RecordSet rs = native_->openRecordSet("select * from tblfoy_hesap order by foykodu");
             !rs.eof(); rs.moveNext())
            for (int i = 0; i < rs.fieldCount(); ++i)
                fields << rs.value(0).toString() + ' ' + rs.fieldNames()[i] + '=' +
                              rs.value(i).toString();
        return fields;
    };
    const QStringList stored = saved(db_);
    EXPECT_EQ(stored.size(), 12 * native_->columns("tblfoy_hesap").size());
    const QStringList native = native_ == db_ ? stored : saved(native_);
    for (qsizetype i = 0; i < stored.size(); ++i)
        EXPECT_EQ(stored[i], native.value(i));
    EXPECT_TRUE(guard_.errors().messages().isEmpty()) << errorText().toStdString();
}

// Every document comes back byte for byte: amounts, rates, empty dates and Nulls survive
// the trip through the database on each backend.
TEST_P(DemoDataTest, ExportsGiveBackTheDocumentsTheyWereImportedFrom) {
    const QDir demo(QStringLiteral(QUV_DEMO_DIR));
    auto icerik = [&](const QString& yol) {
        QFile dosya(demo.filePath(yol));
        EXPECT_TRUE(dosya.open(QIODevice::ReadOnly)) << yol.toStdString();
        return QString::fromUtf8(dosya.readAll());
    };
    // The settings come back without the shipped rate tables the database adds to them.
    QJsonObject ayarlar = AyarBelgesi::disaAktar(*db_);
    for (const char* bolum : {"faizTablolari", "faizOranlari"}) {
        QJsonArray kalan;
        for (const QJsonValue& satir : ayarlar.value(QLatin1String(bolum)).toArray())
            if (!ReferansBelgesi::gomulu().tablo(
                    belge::sayiMetni(satir.toObject().value("faizOraniTablosuKodu"))->toInt()))
                kalan.append(satir);
        ayarlar.insert(QLatin1String(bolum), kalan);
    }
    EXPECT_EQ(QString::fromUtf8(belge::jsonYaz(ayarlar)), icerik(QStringLiteral("settings.json")));
    for (const QString& kod : texts("select foykodu from tblfoy order by foykodu")) {
        const std::optional<QJsonObject> foy = FoyBelgesi::disaAktar(*db_, kod.toInt());
        ASSERT_TRUE(foy);
        EXPECT_EQ(QString::fromUtf8(belge::jsonYaz(*foy)),
                  icerik(QStringLiteral("cases/") + kod + QStringLiteral(".json")))
            << kod.toStdString();
    }
}

TEST_P(DemoDataTest, RentAlimonyAndSeveranceFilesLoadTheirInstalments) {
    // 4 x 15,000 + 2 x 1,250; accelerated 2 x 1,800 + 8 x 20,000; 12 x 7,500 + 7 x 9,000.
    for (auto [foyKodu, count, total] :
         {std::tuple{1005, 6, 62500}, std::tuple{1006, 1, 163600}, std::tuple{1007, 19, 153000}}) {
        auto foy = loadFile(foyKodu);
        EXPECT_EQ(foy->Alacaklar().Count(), count) << foyKodu;
        Money toplam;
        for (const clsAlacakKalemi& k : foy->Alacaklar())
            toplam = toplam + k.Tutar;
        EXPECT_EQ(toplam, Money::fromUnits(total)) << foyKodu;
    }
    // 1008: severance pay on the deposit-rate table, one rate per anniversary.
    auto kidem = loadFile(1008);
    ASSERT_TRUE(kidem->KidemTazminatiKalemi);
    EXPECT_EQ(kidem->KidemTazminatiKalemi->FaizOraniTablosu().Sayi(), 4);
    EXPECT_TRUE(guard_.errors().messages().isEmpty()) << errorText().toStdString();
}

TEST_P(DemoDataTest, FilesCoverTheSampleKinds) {
    // Claim types: cheque/bill 1, cheque-bill-contract 2, invoice 4, employee 9, rent 11,
    // credit card 12, loan 13, alimony 15; a foreign-currency file.
    for (int kind : {1, 2, 4, 9, 11, 12, 13, 15})
        EXPECT_GE(number(QString("select count(*) from tblfoy where alacaktipi = %1").arg(kind)), 1)
            << kind;
    EXPECT_GE(number("select count(*) from tblfoy where parabirimikodu = 2"), 1);
    // Collections and expenses on both sides of the enforcement start.
    for (const char* table : {"tblfoy_tahsilat tahsilattarihi", "tblfoy_masraf masraftarihi"})
        for (const char* side : {"<", ">"})
            EXPECT_GE(number(QString("select count(*) from %1 x inner join tblfoy f on x.foykodu = "
                                     "f.foykodu where x.%2 %3 f.takiptarihi")
                                 .arg(QString(table).section(' ', 0, 0),
                                      QString(table).section(' ', 1, 1), side)),
                      1)
                << table << side;
}

// A date the engine reads that names no calendar day stops the run with its table, column
// and file (or shared row) named, and nothing is saved; the empty text still means no date.
// A shared row's date is checked even where it would only have dropped out of the choice.
TEST_P(DemoDataTest, AStoredDateThatNamesNoDayStopsTheRunUnsaved) {
    const struct {
        const char *tablo, *sutun;
        int foy;
        const char* deger;
        // A shared row: its date, what else picks it, how the error names it.
        const char *eski = nullptr, *kosul = "", *yer = "";
    } durumlar[] = {
        {"tblfoy_tahsilat", "tahsilattarihi", 1001, "abc"},
        {"tblfoy", "takiptarihi", 1002, "20231345"},
        {"tblfoy_alacak", "tarih", 1003, "99999999"},
        {"tblfoy_masraf", "masraftarihi", 1004, " 20230115"},
        {"tblfoy", "hesaptarihi", 1005, "00000000"},
        {"tblfoy_toda", "faizbaslangictarihi", 1008, "2023-01-15"},
        {"tblfoy_ihtiyatihaciz", "taleptarihi", 1010, "20230230"},
        {"tblfoy_tahsilatmahsupsirasi", "tarih", 1012, "1.1.2024"},
        {"tblfoy", "ilkhaciztarihi", 1006, ""},
        {"tblkur", "tarih", 1009, "10.11.2023", "20231110", " and parabirimikodu = 2",
         "2 kodlu para biriminin kurlarında "},
        {"tblfaizoranitablosu_detay", "tarih", 1007, "19841232", "19841219",
         " and faizoranitablosukodu = 901", "901 kodlu faiz tablosunda "},
        {"tblharclar", "tarih", 1011, "99999999", "20230710"},
    };
    clsHesapAna hesap;
    hesap.setActiveConnection(db_);
    for (const auto& d : durumlar) {
        const QString tablo = QLatin1String(d.tablo), sutun = QLatin1String(d.sutun),
                      deger = QLatin1String(d.deger);
        db_->execute(QStringLiteral("update %1 set %2 = ? where %3")
                         .arg(tablo, sutun,
                              d.eski ? QStringLiteral("%1 = '%2'").arg(sutun, d.eski) + d.kosul
                                     : QStringLiteral("foykodu = %1").arg(d.foy)),
                     {deger});
        guard_.errors().clear();
        hesap.TariheGoreHesapla(d.foy, QString(), true);
        const QString yer =
            d.eski ? QString::fromUtf8(d.yer) : QStringLiteral("%1 numaralı föyde ").arg(d.foy);
        const QString hata =
            QStringLiteral("%1.%2: %3geçersiz tarih \"%4\"").arg(tablo, sutun, yer, deger);
        EXPECT_EQ(errorText().contains(hata), *d.deger != 0) << errorText().toStdString();
        EXPECT_EQ(
            number(
                QStringLiteral("select count(*) from tblfoy_hesap where foykodu = %1").arg(d.foy)),
            *d.deger ? 0 : 1)
            << d.tablo << d.sutun;
        if (d.eski)  // back as it was, so that the shared row spoils no later case
            db_->execute(QStringLiteral("update %1 set %2 = ? where %2 = ?").arg(tablo, sutun),
                         {QString::fromLatin1(d.eski), deger});
    }
}

QUV_ON_BACKENDS(DemoDataTest);
INSTANTIATE_TEST_SUITE_P(Odbc, DemoDataTest, ::testing::ValuesIn(test::odbcBackends()),
                         [](const auto& info) { return info.param.name.toStdString(); });

}  // namespace
}  // namespace quv
