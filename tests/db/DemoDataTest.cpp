// The demo data set: it loads on every backend, every file can be read by the
// file loaders, the tariffs hold every value the parameter load requires, and the
// files cover the kinds of claim the demo is meant to show.

#include "engine/Database.h"
#include "engine/RecordSet.h"
#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "file/FaizTablosu.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "file/colMasraflar.h"
#include "file/colTahsilatlar.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QSet>

#include "engine/SqlScript.h"

#include <gtest/gtest.h>

namespace quv {
namespace {

QString demoScript() {
    QFile file(QStringLiteral(QUV_DEMO_DATA_SQL));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

class DemoDataTest : public ::testing::TestWithParam<test::Backend> {
protected:
    void SetUp() override {
        db_ = test::freshDatabase(
            GetParam(),
            QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        const QString script = demoScript();
        ASSERT_FALSE(script.isEmpty()) << "cannot read " << QUV_DEMO_DATA_SQL;
        const QStringList statements = SqlScript::statements(script);
        ASSERT_GE(statements.size(), 20);
        for (const QString& statement : statements) {
            try {
                db_->execute(statement);
            } catch (const RuntimeError& e) {
                FAIL() << e.description().toStdString()
                       << "\nin: " << statement.left(300).toStdString();
            }
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
    QSet<qint64> numbers(const QString& sql) {
        QSet<qint64> out;
        for (RecordSet rs = db_->openRecordSet(sql); !rs.eof(); rs.moveNext())
            out.insert(rs.value(0).toLongLong());
        return out;
    }
    // Loads one file as a calculation run does, without the tariffs.
    std::unique_ptr<clsFoyBilgileri> loadFile(qint32 foyKodu) {
        auto foy = std::make_unique<clsFoyBilgileri>();
        EXPECT_TRUE(foy->FoyBilgileriniYukle(foyKodu)) << "file " << foyKodu;
        foy->AlacaklariYukle();
        foy->SonrakiAlacaklariYukle();
        foy->MasraflariYukle();
        foy->TahsilatlariYukle();
        foy->TODALariYukle();
        return foy;
    }

    test::SharedStateGuard guard_;
    std::shared_ptr<Database> db_;
};

TEST_P(DemoDataTest, EveryFileJoinsItsCreditorAndCurrency) {
    const QStringList files = texts(QStringLiteral("select foykodu from tblfoy order by foykodu"));
    EXPECT_EQ(files.size(), 12);
    // The inner joins of the file loader's head query: a file without its creditor
    // or currency row would not be found at all.
    EXPECT_EQ(
        texts(QStringLiteral("select t1.foykodu from ((tblfoy t1 inner join tblalacakli t2 on "
                             "t1.alacaklikodu=t2.alacaklikodu) inner join tblparabirimi t3 on "
                             "t1.parabirimikodu=t3.kod) left join tblicramudurlugu im1 on "
                             "t1.icramudurlugukodu = im1.kod order by t1.foykodu")),
        files);
    // Read without a Null default by the head load and the claim loaders.
    EXPECT_EQ(number(QStringLiteral("select count(*) from tblfoy where faizorani is null or "
                                    "ihtiyatihacizvar is null or tahsilatmahsupsirasi is null or "
                                    "hesaptarihi is null or hesaptarihi = ''")),
              0);
    EXPECT_EQ(
        number(QStringLiteral(
            "select count(*) from tblfoy_alacak a inner join tblfoy f on a.foykodu = f.foykodu "
            "where f.alacaktipi not in (11, 15, 20) and (a.alacakkodu is null or a.tutar is "
            "null or a.tarih is null or a.birikmisfaiz is null)")),
        0);
    EXPECT_EQ(number(QStringLiteral("select count(*) from tblfoy_sonrakialacak where alacakkodu "
                                    "is null or tutar is null")),
              0);

    // Every file loads with its claims, collections, expenses and TODA without an
    // error report.
    for (const QString& code : files) {
        auto foy = loadFile(code.toInt());
        EXPECT_GT(foy->Alacaklar().Count(), 0) << "file " << code.toStdString();
        EXPECT_EQ(foy->GununTarihi, QStringLiteral("20241231"));
    }
    EXPECT_TRUE(guard_.errors().messages().isEmpty())
        << guard_.errors().messages().join(u'\n').toStdString();
}

TEST_P(DemoDataTest, TariffRowsHoldEveryRequiredValue) {
    // The tblharclar columns that the parameter load reads without a Null default.
    const char* const required[] = {
        "basvuruharci", "vekaletnameharci", "pesinharcorani", "tahsilharcorani1",
        "tahsilharcorani2", "tahsilharcorani3", "maasdatahsilharciorani", "cezaeviharciorani",
        "feragatharciorani1", "feragatharciorani2", "feragatharciorani3", "tahliyeharcorani1",
        "tahliyeharcorani2", "menkulteslimharciorani1", "menkulteslimharciorani2", "sulhkararharci",
        "ahkararharci", "yerinegetirmeharci", "maktucezaeviharci", "ihtiyatihaciz", "dosyagideri",
        "evrakgideri", "suretdamgapulu", "ilktebligatgideri", "ilktebligatgideri_mts",
        "kefaletharciorani", "kkdforani", "baropulu",
        // Null has a default for these, but the demo fills them too; a rounding
        // unit of 0 would divide by zero.
        "yuvarlamadegeri", "kdv", "cekbankasorumlulukbedeli", "mtsharciorani"};
    for (const char* column : required)
        EXPECT_EQ(number(QStringLiteral("select count(*) from tblharclar where %1 is null")
                             .arg(QLatin1String(column))),
                  0)
            << column;
    EXPECT_EQ(number(QStringLiteral("select count(*) from tblharclar where yuvarlamadegeri <= 0")),
              0);
    EXPECT_EQ(texts(QStringLiteral("select tarih from tblharclar order by tarih")),
              QStringList({"20200101", "20210101", "20220101", "20230101", "20230117", "20230710",
                           "20240101"}));
    // 4.55 / 9.10 / 11.38 % collection fee and 0.5 % advance fee throughout; VAT
    // 18 % up to the row of 20230710, 20 % from it.
    EXPECT_EQ(number(QStringLiteral(
                  "select count(*) from tblharclar where abs(tahsilharcorani1 - 4.55) > 0.001 or "
                  "abs(tahsilharcorani2 - 9.10) > 0.001 or abs(tahsilharcorani3 - 11.38) > 0.001 "
                  "or abs(pesinharcorani - 0.5) > 0.001")),
              0);
    EXPECT_EQ(texts(QStringLiteral("select tarih from tblharclar where kdv = 20 order by tarih")),
              QStringList({"20230710", "20240101"}));

    // A tariff row is in force on every reference date (enforcement start) and on
    // every attorney-fee date (calculation date).
    for (const char* table : {"tblharclar", "tbldigervekaletucretleri", "tblvekaletucretioranlari"})
        EXPECT_EQ(number(QStringLiteral("select count(*) from tblfoy f where not exists (select 1 "
                                        "from %1 t where t.tarih <= f.takiptarihi) or not exists "
                                        "(select 1 from %1 t where t.tarih <= f.hesaptarihi)")
                             .arg(QLatin1String(table))),
                  0)
            << table;
    EXPECT_EQ(number(QStringLiteral("select count(*) from tbldigervekaletucretleri where "
                                    "minvekaletucreti is null or ihtiyatideger is null or ustdeger "
                                    "is null or altoran is null or durusmaustdeger is null")),
              0);

    // Each dated scale rises bracket by bracket and ends open (beyond any amount).
    const QStringList dates =
        texts(QStringLiteral("select distinct tarih from tblvekaletucretioranlari order by tarih"));
    EXPECT_GE(dates.size(), 3);
    for (const QString& date : dates) {
        RecordSet rs = db_->openRecordSet(
            QStringLiteral(
                "select miktar from tblvekaletucretioranlari where tarih = ? order by kod"),
            CursorType::ForwardOnly, {date});
        double previous = 0, last = 0;
        for (; !rs.eof(); rs.moveNext()) {
            last = rs.value(0).toDouble();
            EXPECT_GT(last, previous) << date.toStdString();
            previous = last;
        }
        EXPECT_GE(last, 1e11) << date.toStdString();
    }
    EXPECT_EQ(number(QStringLiteral("select count(*) from tbloptions_all where kod = 1")), 1);
}

TEST_P(DemoDataTest, ExchangeRatesCoverEveryDateTheFilesNeed) {
    // Enforcement starts, calculation dates, collections and precautionary
    // attachments: a missing rate would make the calculation ask for one.
    const QString needed = QStringLiteral(
        "select d.tarih from (select takiptarihi as tarih from tblfoy union select hesaptarihi "
        "from tblfoy union select tahsilattarihi from tblfoy_tahsilat union select taleptarihi "
        "from tblfoy_ihtiyatihaciz) d where not exists (select 1 from tblkur k where k.tarih = "
        "d.tarih and k.parabirimikodu = %1 and k.tltutar > 0) order by d.tarih");
    EXPECT_EQ(texts(needed.arg(2)), QStringList()) << "USD";
    EXPECT_EQ(texts(needed.arg(3)), QStringList()) << "EUR";
    EXPECT_EQ(texts(QStringLiteral("select simge from tblparabirimi order by kod")),
              QStringList({"TL", "USD", "EUR"}));
}

TEST_P(DemoDataTest, FilesCoverTheSampleKinds) {
    // Claim types: cheque/bill 1, cheque-bill-contract 2, invoice 4, employee 9,
    // rent 11, credit card 12, loan 13, alimony 15.
    const QSet<qint64> kinds = numbers(QStringLiteral("select alacaktipi from tblfoy"));
    for (qint64 kind : {1, 2, 4, 9, 11, 12, 13, 15})
        EXPECT_TRUE(kinds.contains(kind)) << kind;

    // A cheque file and a bill file.
    const QString kindRows = QStringLiteral(
        "select count(distinct a.foykodu) from tblfoy_alacak a inner join tblfoy f on a.foykodu "
        "= f.foykodu where f.alacaktipi = 1 and a.alacakturu = %1");
    EXPECT_GE(number(kindRows.arg(2)), 1) << "cheque";
    EXPECT_GE(number(kindRows.arg(1)), 1) << "bill";

    // Rent with and without acceleration.
    const QString rent = QStringLiteral(
        "select count(*) from tblfoy f inner join tblfoy_sozlesme s on s.foykodu = f.foykodu "
        "where f.alacaktipi = 11 and s.muacceliyetdurumu = %1");
    EXPECT_GE(number(rent.arg(2)), 1) << "with acceleration";
    EXPECT_GE(number(rent.arg(1)), 1) << "without acceleration";

    // Severance pay on a deposit-rate table; a foreign-currency file; a
    // precautionary attachment granted by a known court.
    EXPECT_GE(number(QStringLiteral(
                  "select count(*) from tblfoy f inner join tblfaizoranitablosu t on t.foykodu = "
                  "f.kidemfaizoranitablosufoykodu and t.faizoranitablosukodu = "
                  "f.kidemfaizoranitablosukodu where f.alacaktipi = 9 and f.kidemtazminati > 0 and "
                  "t.mevduatfaizoranitablosu = 1")),
              1);
    EXPECT_GE(number(QStringLiteral("select count(*) from tblfoy where parabirimikodu = 2")), 1);
    EXPECT_GE(number(QStringLiteral(
                  "select count(*) from tblfoy f inner join tblfoy_ihtiyatihaciz i on i.foykodu = "
                  "f.foykodu inner join tblmahkeme m on m.mahkemekodu = i.mahkemekodu where "
                  "f.ihtiyatihacizvar = 1 and m.mahkemegorevikodu > 0")),
              1);

    // TODA and later claims; collections and expenses on both sides of the
    // enforcement start.
    EXPECT_GE(number(QStringLiteral("select count(*) from tblfoy_toda where tutar > 0")), 2);
    EXPECT_GE(number(QStringLiteral("select count(*) from tblfoy_sonrakialacak")), 2);
    for (const char* table : {"tblfoy_tahsilat", "tblfoy_masraf"}) {
        const QString dateColumn = QLatin1String(table) == QLatin1String("tblfoy_tahsilat")
                                       ? QStringLiteral("tahsilattarihi")
                                       : QStringLiteral("masraftarihi");
        const QString side = QStringLiteral(
            "select count(*) from %1 x inner join tblfoy f on "
            "x.foykodu = f.foykodu where x.%2 %3 f.takiptarihi");
        EXPECT_GE(number(side.arg(QLatin1String(table), dateColumn, QStringLiteral("<"))), 1)
            << table;
        EXPECT_GE(number(side.arg(QLatin1String(table), dateColumn, QStringLiteral(">"))), 1)
            << table;
    }
    // The file with a dated offset order has its table.
    EXPECT_EQ(number(QStringLiteral(
                  "select count(*) from tblfoy f where f.tahsilatmahsupsirasi = 4 and not exists "
                  "(select 1 from tblfoy_tahsilatmahsupsirasi m where m.foykodu = f.foykodu)")),
              0);
    // Every rate table a file or claim names exists with rates.
    EXPECT_EQ(
        number(QStringLiteral(
            "select count(*) from tblfoy f where (f.faizorani = 0 and not exists (select 1 "
            "from tblfaizoranitablosu_detay d where d.foykodu = f.faizoranitablosufoykodu and "
            "d.faizoranitablosukodu = f.faizoranitablosukodu)) or (f.kidemtazminati > 0 and "
            "not exists (select 1 from tblfaizoranitablosu_detay d where d.foykodu = "
            "f.kidemfaizoranitablosufoykodu and d.faizoranitablosukodu = "
            "f.kidemfaizoranitablosukodu))")),
        0);
}

// What the loaders make of the rent, alimony and employee files: the rows mean
// what the demo says they mean.
TEST_P(DemoDataTest, LoadersReadTheSpecialFilesAsIntended) {
    {
        // 1005: rent 15,000 for 11/2023 to 2/2024 (four months) and a difference of
        // 1,250 for 1/2024 and 2/2024; the February rows fall due on the 29th.
        auto foy = loadFile(1005);
        EXPECT_FALSE(foy->Muacceliyet);
        EXPECT_EQ(foy->Alacaklar().Count(), 6);
        EXPECT_EQ(foy->Alacaklar().ToplamAlacak,
                  Money::parse(QStringLiteral("62500")));  // 4 x 15000 + 2 x 1250
        int february = 0;
        for (const clsAlacakKalemi& k : foy->Alacaklar())
            if (k.FaizBaslangicTarihi == QStringLiteral("20240229"))
                ++february;
        EXPECT_EQ(february, 2);
        EXPECT_EQ(foy->AlacakliSayisi, 2);
    }
    {
        // 1006: one accelerated claim, 2 x 1,800 + 8 x 20,000 = 163,600, from the
        // first due date 20240301.
        auto foy = loadFile(1006);
        EXPECT_TRUE(foy->Muacceliyet);
        EXPECT_TRUE(foy->VekaletUcretiniYillikKiraUzerindenHesapla);
        ASSERT_EQ(foy->Alacaklar().Count(), 1);
        EXPECT_EQ(foy->Alacaklar().Item(1).AlacakAdi, QStringLiteral("Kira ve Kira Farkı"));
        EXPECT_EQ(foy->Alacaklar().Item(1).Tutar, Money::parse(QStringLiteral("163600")));
        EXPECT_EQ(foy->Alacaklar().Item(1).FaizBaslangicTarihi, QStringLiteral("20240301"));
    }
    {
        // 1007: 7,500 monthly from 20230601 up to 20240601 (12 instalments), then
        // 9,000 monthly from 20240601 up to the calculation date 20241231 (7).
        // 12 x 7500 + 7 x 9000 = 153,000.
        auto foy = loadFile(1007);
        EXPECT_EQ(foy->Alacaklar().Count(), 19);
        Money toplam;
        for (const clsAlacakKalemi& k : foy->Alacaklar())
            toplam = toplam + k.Tutar;
        EXPECT_EQ(toplam, Money::parse(QStringLiteral("153000")));
        EXPECT_EQ(foy->Alacaklar().Item(19).FaizBaslangicTarihi, QStringLiteral("20241201"));
    }
    {
        // 1008: severance pay on the deposit-rate table, one rate per anniversary
        // of the termination: 20210831, 20220831, 20230831, 20240831.
        auto foy = loadFile(1008);
        ASSERT_TRUE(foy->KidemTazminatiKalemi);
        EXPECT_EQ(foy->KidemTazminatiKalemi->Tutar, Money::parse(QStringLiteral("96500")));
        const clsFaizTablosu& tablo = foy->KidemTazminatiKalemi->FaizOraniTablosu();
        ASSERT_EQ(tablo.Sayi(), 4);
        EXPECT_EQ(tablo.FaizOranlari(1).Tarih, QStringLiteral("20210831"));
        EXPECT_FLOAT_EQ(tablo.FaizOranlari(1).Oran, 17.0f);  // in force since 20210101
        EXPECT_FLOAT_EQ(tablo.FaizOranlari(4).Oran, 45.0f);  // in force since 20240101
        EXPECT_EQ(foy->TODAs().Count(), 2);
    }
    {
        // 1010: attachment requested a week before the enforcement start, decided
        // by a commercial court (jurisdiction 3).
        auto foy = loadFile(1010);
        EXPECT_EQ(foy->IhtiyatiHacizTarihi, QStringLiteral("20240115"));
        EXPECT_EQ(foy->CevirmeTarihi, QStringLiteral("20240122"));
        EXPECT_EQ(static_cast<int>(foy->IHMahkemeGorevi), 3);
    }
    EXPECT_TRUE(guard_.errors().messages().isEmpty())
        << guard_.errors().messages().join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Backends, DemoDataTest, ::testing::ValuesIn(test::availableBackends()),
                         [](const auto& info) {
                             return test::backendName(info.param).toStdString();
                         });

}  // namespace
}  // namespace quv
