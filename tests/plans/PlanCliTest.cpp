// The plan command through the built binary: its options, its JSON and exit status,
// several users saving at once, the PDF.

#include "PlanTestDestegi.h"

#include "engine/NumberFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace quv {
namespace {

using test::quvhesap;

int sayi(const QString& url, const char* sql) {
    return toInt32(Database::open(url)->openRecordSet(QString::fromLatin1(sql)).value(0));
}

// "plan --db URL --foy 1001" followed by the arguments.
QStringList plan(const QString& db, std::initializer_list<const char*> liste) {
    QStringList sonuc;
    for (const char* a : liste)
        sonuc << QString::fromUtf8(a);
    if (!sonuc.contains(QStringLiteral("--foy")))
        sonuc = QStringList{QStringLiteral("--foy"), QStringLiteral("1001")} + sonuc;
    return QStringList{QStringLiteral("plan"), QStringLiteral("--db"), db} + sonuc;
}

// File 1001 (a loan at 28.8 %, calculated on 31 December 2024) over 12 monthly
// instalments, as JSON and as the commitment document: the amounts are written from the
// fixed-point value, the document's total debt is the plan's total. A wrong value is
// refused with exit code 2 before anything is computed, a check of the wizard with its
// text; no plan is a failed run (1) whose JSON says why. Nothing is stored without
// --save-commitments or without its --debtor.
TEST(PlanCli, OptionsJsonAndExitStatus) {
    const QString db = test::demo(QStringLiteral("plan-json.sqlite"));
    const QString pdf = test::scratchPath(QStringLiteral("taahhut-1001.pdf"));
    const test::CliRun run = quvhesap(plan(db, {"--count", "12", "--first", "20250131",
                                                "--down-payment", "10.000,50", "--json", "--pdf"})
                                      << pdf);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(json.value(QStringLiteral("TaksitSayisi")).toInt(), 12);
    const QJsonArray satirlar = json.value(QStringLiteral("Satirlar")).toArray();
    ASSERT_EQ(satirlar.size(), 13);
    EXPECT_EQ(QJsonDocument(satirlar.first().toObject()).toJson(QJsonDocument::Compact),
              QByteArray(R"({"Aciklama":"Peşinat.","Sira":1,"TaahKaydet":"0",)"
                         R"("Tarih":"20241231","Tutar":10000.5})"));
    static const QRegularExpression para(QStringLiteral("\"Toplam\":\\d+(\\.\\d{1,4})?[,}]"));
    EXPECT_TRUE(para.match(run.out).hasMatch()) << run.out.toStdString();

    const struct {
        std::initializer_list<const char*> arguman;
        int cikis;
        const char* mesaj;
    } durumlar[] = {
        {{"--first", "20250131"}, 2, "yalnız biri verilmeli"},
        {{"--manual", "20250131"}, 2, "--manual için TARİH=TUTAR"},
        {{"--count", "3", "--first", "20250131", "--discount", "100,01"},
         2,
         "Faiz inidirim oranı %100'den büyük olamaz.\nLütfen kontrol ediniz."},
        {{"--count", "3", "--first", "20250131", "--save-commitments"}, 2, "--debtor seçeneği"},
        {{"--amount", "1", "--first", "20250131", "--json", "--save-commitments", "--debtor", "1"},
         1,
         "Girdiğiniz değerlerle borcun kapanması için gerekli taksit sayısı 150'yi geçiyor.\r"},
    };
    for (const auto& d : durumlar) {
        const QStringList arguman = plan(db, d.arguman);
        const test::CliRun hatali = quvhesap(arguman);
        EXPECT_EQ(hatali.exitCode, d.cikis) << arguman.join(u' ').toStdString();
        const QString metin = d.cikis == 2 ? hatali.err
                                           : QJsonDocument::fromJson(hatali.out.toUtf8())
                                                 .object()
                                                 .value(QStringLiteral("Mesajlar"))
                                                 .toArray()
                                                 .first()
                                                 .toString();
        EXPECT_TRUE(metin.contains(QString::fromUtf8(d.mesaj)))
            << arguman.join(u' ').toStdString() << ": " << hatali.err.toStdString();
    }
    EXPECT_EQ(sayi(db, "select count(*) from tblfoy_taahhut"), 0);

    if (test::pdftotext().isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const Money toplam = Money::fromDouble(json.value(QStringLiteral("Toplam")).toDouble());
    EXPECT_TRUE(test::pdfSatirlari(pdf).contains(formatNumber(toplam, FormatMoney) +
                                                 QStringLiteral(" -TL TOPLAM BORÇ")));
}

// Several users save plans for the same file at the same moment: every commitment and
// every agenda entry is stored once, under its own number (a writer that loses the race
// for a number takes the next one).
TEST(PlanCli, ConcurrentSavesLoseNothing) {
    std::vector<test::Backend> backends = test::availableBackends();
    if (backends.size() < 2)
        GTEST_SKIP() << "needs the PostgreSQL test server";
    const QString url = test::demo(backends[1].create(QStringLiteral("plan_concurrent")));
    constexpr int kKullanici = 3, kTaksit = 60;
    std::vector<std::unique_ptr<QProcess>> surecler;
    for (int i = 0; i < kKullanici; ++i) {
        surecler.push_back(std::make_unique<QProcess>());
        surecler.back()->start(
            QStringLiteral(QUVHESAP_BINARY),
            plan(url, {"--count", "60", "--first", "20250131", "--unit", "gun",
                       "--save-commitments", "--debtor", "2", "--agenda", "--json"}));
    }
    for (auto& surec : surecler) {
        ASSERT_TRUE(surec->waitForFinished(300000));
        const QByteArray cikti = surec->readAllStandardOutput();
        EXPECT_EQ(surec->exitCode(), 0) << surec->readAllStandardError().toStdString();
        const QJsonObject taahhut =
            QJsonDocument::fromJson(cikti).object().value(QStringLiteral("Taahhut")).toObject();
        EXPECT_EQ(taahhut.value(QStringLiteral("Kaydedilen")).toInt(), kTaksit) << cikti.data();
        EXPECT_EQ(taahhut.value(QStringLiteral("AjandaKaydedilen")).toInt(), kTaksit);
    }
    for (const char* sql :
         {"select count(*) from tblfoy_taahhut where foykodu = 1001",
          "select count(distinct taahhutkodu) from tblfoy_taahhut where foykodu = 1001",
          "select max(taahhutkodu) from tblfoy_taahhut where foykodu = 1001",
          "select count(distinct ID) from tblajanda", "select max(ID) from tblajanda"})
        EXPECT_EQ(sayi(url, sql), kKullanici * kTaksit) << sql;
}

}  // namespace
}  // namespace quv
