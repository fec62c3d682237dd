// The plan command through the built binary: the plan as JSON, the validation of the values,
// several users saving at once, the PDF.

#include "PlanTestDestegi.h"

#include "engine/NumberFormat.h"
#include "engine/Variant.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>

#include <vector>

namespace quv {
namespace {

using test::CliRun;
using test::quvhesap;

int sayi(const QString& url, const QString& sql) {
    return toInt32(Database::open(url)->openRecordSet(sql).value(0));
}

Money tutar(const QJsonValue& deger) {
    return Money::fromDouble(deger.toDouble());
}

// "plan --db URL" followed by the arguments.
QStringList plan(const QString& db, std::initializer_list<const char*> liste) {
    QStringList sonuc{QStringLiteral("plan"), QStringLiteral("--db"), db};
    for (const char* a : liste)
        sonuc << QString::fromUtf8(a);
    return sonuc;
}

int taahhutSayisi(const QString& db) {
    return sayi(db, QStringLiteral("select count(*) from tblfoy_taahhut"));
}

// File 1001 (a loan at 28.8 %, calculated on 31 December 2024) over 12 monthly
// instalments: the amounts are written from the fixed-point value, nothing is stored
// without --save-commitments.
TEST(PlanCli, ByCountAsJson) {
    const QString db = test::demo(QStringLiteral("plan-json.sqlite"));
    CliRun run = quvhesap(plan(db, {"--foy", "1001", "--count", "12", "--first", "20250131",
                                    "--down-payment", "10.000,50", "--json"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(json.value(QStringLiteral("TaksitSayisi")).toInt(), 12);
    const QJsonArray satirlar = json.value(QStringLiteral("Satirlar")).toArray();
    ASSERT_EQ(satirlar.size(), 13);
    EXPECT_EQ(QJsonDocument(satirlar.first().toObject()).toJson(QJsonDocument::Compact),
              QByteArray(R"({"Aciklama":"Peşinat.","Sira":1,"TaahKaydet":"0",)"
                         R"("Tarih":"20241231","Tutar":10000.5})"));
    // The instalments are the amount found, in cents.
    EXPECT_EQ(tutar(satirlar[1].toObject().value(QStringLiteral("Tutar"))),
              tutar(json.value(QStringLiteral("TaksitTutari"))).roundTo2());
    static const QRegularExpression para(QStringLiteral("\"Toplam\":\\d+(\\.\\d{1,4})?[,}]"));
    EXPECT_TRUE(para.match(run.out).hasMatch()) << run.out.toStdString();
    EXPECT_EQ(taahhutSayisi(db), 0);
}

// Each wrong value is refused with exit code 2 before anything is computed or stored;
// the wizard's own checks reach the command line with their texts.
TEST(PlanCli, WrongValuesAreRefused) {
    const QString db = test::demo(QStringLiteral("plan-args.sqlite"));
    const struct {
        std::initializer_list<const char*> arguman;
        const char* mesaj;
    } durumlar[] = {
        {{"--first", "20250131"}, "yalnız biri verilmeli"},
        {{"--count", "3"}, "--first seçeneği gerekli"},
        {{"--count", "3", "--first", "20250230"}, "geçerli bir tarih"},
        {{"--amount", "0", "--first", "20250131"}, "--amount için pozitif bir tutar"},
        {{"--manual", "20250131"}, "--manual için TARİH=TUTAR"},
        {{"--count", "3", "--first", "20250131", "--discount", "100,01"},
         "Faiz inidirim oranı %100'den büyük olamaz.\nLütfen kontrol ediniz."},
        {{"--count", "3", "--first", "20241231"},
         "İlk Taksit Tarihi Föyün Hesap Tarihinden Sonra Olmalıdır."},
        {{"--count", "3", "--first", "20250131", "--save-commitments"},
         "--debtor seçeneği gerekli"},
        {{"--foy", "9999", "--count", "3", "--first", "20250131"}, "9999 numaralı föy bulunamadı."},
    };
    for (const auto& [arguman, mesaj] : durumlar) {
        QStringList tam = plan(db, arguman);
        if (!tam.contains(QStringLiteral("--foy")))
            tam << QStringLiteral("--foy") << QStringLiteral("1001");
        const CliRun run = quvhesap(tam);
        EXPECT_EQ(run.exitCode, 2) << tam.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(mesaj)))
            << tam.join(u' ').toStdString() << ": " << run.err.toStdString();
    }
    EXPECT_EQ(taahhutSayisi(db), 0);
}

// No plan is a failed run: the message says why, nothing is stored.
TEST(PlanCli, NoPlanExitsWithOne) {
    const QString db = test::demo(QStringLiteral("plan-none.sqlite"));
    CliRun run = quvhesap(plan(db, {"--foy", "1001", "--amount", "1", "--first", "20250131",
                                    "--json", "--save-commitments", "--debtor", "1"}));
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_TRUE(json.value(QStringLiteral("Satirlar")).toArray().isEmpty());
    const QJsonArray mesajlar = json.value(QStringLiteral("Mesajlar")).toArray();
    ASSERT_EQ(mesajlar.size(), 1);
    EXPECT_TRUE(mesajlar.first().toString().startsWith(
        QStringLiteral("Girdiğiniz değerlerle borcun kapanması için "
                       "gerekli taksit sayısı 150'yi geçiyor.\r")));
    EXPECT_EQ(taahhutSayisi(db), 0);
}

// Several users save plans for the same file at the same moment: every commitment and
// every agenda entry is stored once, under its own number.
TEST(PlanCli, ConcurrentSavesLoseNothing) {
    std::vector<test::Backend> backends = test::availableBackends();
    if (backends.size() < 2)
        GTEST_SKIP() << "needs the PostgreSQL test server";
    const QString url = backends[1].create(QStringLiteral("plan_concurrent"));
    test::demoYukle(url);
    constexpr int kKullanici = 3;
    constexpr int kTaksit = 60;
    std::vector<std::unique_ptr<QProcess>> surecler;
    for (int i = 0; i < kKullanici; ++i) {
        surecler.push_back(std::make_unique<QProcess>());
        surecler.back()->start(
            QStringLiteral(QUVHESAP_BINARY),
            plan(url, {"--foy", "1001", "--count", "60", "--first", "20250131", "--unit", "gun",
                       "--save-commitments", "--debtor", "2", "--agenda", "--json"}));
    }
    for (auto& surec : surecler) {
        ASSERT_TRUE(surec->waitForFinished(300000));
        const QString cikti = QString::fromUtf8(surec->readAllStandardOutput());
        EXPECT_EQ(surec->exitCode(), 0)
            << QString::fromUtf8(surec->readAllStandardError()).toStdString();
        const QJsonObject taahhut = QJsonDocument::fromJson(cikti.toUtf8())
                                        .object()
                                        .value(QStringLiteral("Taahhut"))
                                        .toObject();
        EXPECT_EQ(taahhut.value(QStringLiteral("Kaydedilen")).toInt(), kTaksit)
            << cikti.toStdString();
        EXPECT_EQ(taahhut.value(QStringLiteral("AjandaKaydedilen")).toInt(), kTaksit);
    }
    constexpr int kToplam = kKullanici * kTaksit;
    for (const char* sql :
         {"select count(*) from tblfoy_taahhut where foykodu = 1001",
          "select count(distinct taahhutkodu) from tblfoy_taahhut where "
          "foykodu = 1001",
          "select max(taahhutkodu) from tblfoy_taahhut where foykodu = 1001",
          "select count(distinct ID) from tblajanda", "select max(ID) from tblajanda"})
        EXPECT_EQ(sayi(url, QString::fromLatin1(sql)), kToplam) << sql;
}

// The commitment document of file 1001's plan: its total debt is the plan's total.
TEST(PlanCli, CommitmentDocumentAsPdf) {
    if (!test::pdftotextVar())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString db = test::demo(QStringLiteral("plan-pdf.sqlite"));
    const QString pdf = test::scratchPath(QStringLiteral("taahhut-1001.pdf"));
    CliRun run = quvhesap(
        plan(db, {"--foy", "1001", "--count", "12", "--first", "20250131", "--json", "--pdf"}) +
        QStringList{pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    const Money toplam =
        tutar(QJsonDocument::fromJson(run.out.toUtf8()).object().value(QStringLiteral("Toplam")));
    const QStringList satirlar = test::pdfSatirlari(pdf);
    EXPECT_TRUE(
        satirlar.contains(formatNumber(toplam, FormatMoney) + QStringLiteral(" -TL TOPLAM BORÇ")))
        << satirlar.join(u'\n').toStdString();
}

}  // namespace
}  // namespace quv
