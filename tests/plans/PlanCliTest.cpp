// The plan command through the built binary: the plan as text and JSON, saving the
// commitments, the validation of every value, and several users saving at once.

#include "engine/Database.h"
#include "engine/Money.h"
#include "engine/NumberFormat.h"
#include "engine/Schema.h"
#include "engine/SqlScript.h"
#include "engine/Variant.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quv {
namespace {

struct CliRun {
    int exitCode;
    QString out;
    QString err;
};

CliRun quvhesap(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(QUVHESAP_BINARY), arguments);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The schema and the demo files in a new database at the URL.
void demoYukle(const QString& url) {
    auto db = Database::open(url, Database::OpenMode::CreateIfMissing);
    Schema::initialize(*db);
    QFile file(QStringLiteral(QUV_DEMO_DATA_SQL));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    db->beginTransaction();
    for (const QString& statement : SqlScript::statements(QString::fromUtf8(file.readAll())))
        db->execute(statement);
    db->commit();
}

QString demo(const QString& ad) {
    const QString path = test::scratchPath(ad);
    demoYukle(path);
    return path;
}

int sayi(const QString& url, const QString& sql) {
    auto db = Database::open(url);
    RecordSet rs = db->openRecordSet(sql);
    return toInt32(rs.value(0));
}

Money tutar(const QJsonValue& deger) {
    return Money::fromDouble(deger.toDouble());
}

QStringList arguman(std::initializer_list<const char*> liste) {
    QStringList sonuc;
    for (const char* a : liste)
        sonuc << QString::fromUtf8(a);
    return sonuc;
}

// "plan --db URL" followed by the arguments.
QStringList plan(const QString& db, std::initializer_list<const char*> liste) {
    return QStringList{QStringLiteral("plan"), QStringLiteral("--db"), db} + arguman(liste);
}

int taahhutSayisi(const QString& db) {
    return sayi(db, QStringLiteral("select count(*) from tblfoy_taahhut"));
}

// File 1001 (a loan at 28.8 %, calculated on 31 December 2024) over 12 monthly
// instalments: the rows add up to the total, the amounts are written from the
// fixed-point value, nothing is stored without --save-commitments.
TEST(PlanCli, ByCountAsJson) {
    const QString db = demo(QStringLiteral("plan-json.sqlite"));
    CliRun run = quvhesap(plan(db, {"--foy", "1001", "--count", "12", "--first", "20250131",
                                    "--down-payment", "10.000,50", "--json"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    EXPECT_EQ(json.value(QStringLiteral("TaksitSayisi")).toInt(), 12);
    const QJsonArray satirlar = json.value(QStringLiteral("Satirlar")).toArray();
    ASSERT_EQ(satirlar.size(), 13);
    const QJsonObject pesinat = satirlar.first().toObject();
    EXPECT_EQ(QJsonDocument(pesinat).toJson(QJsonDocument::Compact),
              QByteArray(R"({"Aciklama":"Peşinat.","Sira":1,"TaahKaydet":"0",)"
                         R"("Tarih":"20241231","Tutar":10000.5})"));
    Money toplam;
    for (const QJsonValue& s : satirlar)
        toplam += tutar(s.toObject().value(QStringLiteral("Tutar")));
    EXPECT_EQ(tutar(json.value(QStringLiteral("Toplam"))), toplam);
    EXPECT_EQ(tutar(satirlar[1].toObject().value(QStringLiteral("Tutar"))),
              tutar(json.value(QStringLiteral("TaksitTutari"))));
    static const QRegularExpression para(QStringLiteral("\"Toplam\":\\d+(\\.\\d{1,4})?[,}]"));
    EXPECT_TRUE(para.match(run.out).hasMatch()) << run.out.toStdString();
    EXPECT_EQ(taahhutSayisi(db), 0);
}

TEST(PlanCli, TextOutputAndSavedCommitments) {
    const QString db = demo(QStringLiteral("plan-save.sqlite"));
    CliRun run =
        quvhesap(plan(db, {"--foy", "1001", "--amount", "50.000", "--first", "20250115",
                           "--save-commitments", "--debtor", "1", "--agenda", "--at-office"}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    for (const char* parca :
         {"15.01.2025", "50.000,00", "Taksit sayısı: ", "Taahhütler kaydedildi."})
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(parca))) << run.out.toStdString();
    const int taahhut = sayi(db, QStringLiteral("select count(*) from tblfoy_taahhut where "
                                                "foykodu = 1001 and taahutdurumu = 1 and "
                                                "foysahiskodu = 1"));
    EXPECT_GT(taahhut, 5);
    EXPECT_EQ(sayi(db, QStringLiteral("select max(taahhutkodu) from tblfoy_taahhut")), taahhut);
    EXPECT_EQ(sayi(db, QStringLiteral("select count(*) from tblajanda where icerik like "
                                      "'Hüseyin Çelik taahhüdü. %.-TL'")),
              taahhut);
}

TEST(PlanCli, EveryValueIsValidated) {
    const QString db = demo(QStringLiteral("plan-args.sqlite"));
    const QStringList taban{QStringLiteral("plan"), QStringLiteral("--db"), db,
                            QStringLiteral("--foy"), QStringLiteral("1001")};
    struct Durum {
        QStringList arguman;
        const char* mesaj;
    } durumlar[] = {
        {arguman({"--first", "20250131"}), "yalnız biri verilmeli"},
        {arguman({"--count", "0", "--first", "20250131"}), "--count için 1 ile 32767"},
        {arguman({"--count", "3"}), "--first seçeneği gerekli"},
        {arguman({"--count", "3", "--first", "20250230"}), "geçerli bir tarih"},
        {arguman({"--amount", "0", "--first", "20250131"}), "--amount için pozitif bir tutar"},
        {arguman({"--count", "3", "--first", "20250131", "--unit", "hafta"}), "--unit için"},
        {arguman({"--count", "3", "--first", "20250131", "--discount", "100,01"}),
         "Faiz inidirim oranı %100'den büyük olamaz.\nLütfen kontrol ediniz."},
        {arguman({"--count", "3", "--first", "20241231"}),
         "İlk Taksit Tarihi Föyün Hesap Tarihinden Sonra Olmalıdır."},
        {arguman({"--amount", "100", "--first", "20241231"}),
         "İlk Taksit Tarihi Föyün Hesap Tarihinden Sonra Olmalidır."},
        {arguman({"--manual", "20241130=100"}), "Tahsilat tarihi hesap tarihinden önce olamaz."},
        {arguman({"--manual", "20250131"}), "--manual için TARİH=TUTAR"},
        {arguman({"--count", "3", "--first", "20250131", "--last-into-previous"}),
         "--last-into-previous seçeneği --count ile kullanılmaz."},
        {arguman({"--count", "3", "--first", "20250131", "--agenda"}),
         "--agenda seçeneği yalnız --save-commitments ile"},
        {arguman({"--count", "3", "--first", "20250131", "--save-commitments"}),
         "--debtor seçeneği gerekli"},
        {arguman({"--count", "3", "--first", "20250131", "--save-commitments", "--debtor", "9"}),
         "--debtor için föyün şahıslarından birinin kodunu"},
    };
    for (const Durum& d : durumlar) {
        CliRun run = quvhesap(taban + d.arguman);
        EXPECT_EQ(run.exitCode, 2) << d.arguman.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(d.mesaj)))
            << d.arguman.join(u' ').toStdString() << ": " << run.err.toStdString();
    }
    CliRun yok = quvhesap(plan(db, {"--foy", "9999", "--count", "3", "--first", "20250131"}));
    EXPECT_EQ(yok.exitCode, 2);
    EXPECT_TRUE(yok.err.contains(QStringLiteral("9999 numaralı föy bulunamadı.")));
    EXPECT_EQ(taahhutSayisi(db), 0);
}

// No plan is a failed run: the message says why.
TEST(PlanCli, NoPlanExitsWithOne) {
    const QString db = demo(QStringLiteral("plan-none.sqlite"));
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
    demoYukle(url);
    constexpr int kKullanici = 3;
    constexpr int kTaksit = 60;
    std::vector<std::unique_ptr<QProcess>> surecler;
    for (int i = 0; i < kKullanici; ++i) {
        auto surec = std::make_unique<QProcess>();
        surec->start(
            QStringLiteral(QUVHESAP_BINARY),
            plan(url, {"--foy", "1001", "--count", "60", "--first", "20250131", "--unit", "gun",
                       "--save-commitments", "--debtor", "2", "--agenda", "--json"}));
        surecler.push_back(std::move(surec));
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
    EXPECT_EQ(sayi(url, QStringLiteral("select count(*) from tblfoy_taahhut where foykodu = 1001")),
              kToplam);
    EXPECT_EQ(sayi(url, QStringLiteral("select count(distinct taahhutkodu) from tblfoy_taahhut "
                                       "where foykodu = 1001")),
              kToplam);
    EXPECT_EQ(sayi(url, QStringLiteral("select max(taahhutkodu) from tblfoy_taahhut where "
                                       "foykodu = 1001")),
              kToplam);
    EXPECT_EQ(sayi(url, QStringLiteral("select count(distinct ID) from tblajanda")), kToplam);
    EXPECT_EQ(sayi(url, QStringLiteral("select max(ID) from tblajanda")), kToplam);
}

// The commitment document of file 1001's plan: its total debt is the plan's total, the
// twelve instalments stand in two halves of six; a file that cannot be written fails.
TEST(PlanCli, CommitmentDocumentAsPdf) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString db = demo(QStringLiteral("plan-pdf.sqlite"));
    const QString pdf = test::scratchPath(QStringLiteral("taahhut-1001.pdf"));
    CliRun run = quvhesap(
        plan(db, {"--foy", "1001", "--count", "12", "--first", "20250131", "--json", "--pdf"}) +
        QStringList{pdf});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString() << run.out.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const Money toplam = tutar(json.value(QStringLiteral("Toplam")));
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    QStringList satirlar;
    for (const QString& s : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        satirlar << s.simplified();
    const QString metin = satirlar.join(u'\n');
    EXPECT_TRUE(
        satirlar.contains(formatNumber(toplam, FormatMoney) + QStringLiteral(" -TL TOPLAM BORÇ")))
        << metin.toStdString();
    // The first instalment beside the seventh, the sixth beside the last.
    const QJsonArray taksitler = json.value(QStringLiteral("Satirlar")).toArray();
    ASSERT_EQ(taksitler.size(), 12);
    for (int i : {0, 5}) {
        const auto hucre = [&](int n) {
            const QJsonObject t = taksitler[n].toObject();
            const QString tarih = t.value(QStringLiteral("Tarih")).toString();
            return QStringLiteral("%1 %2.%3.%4 %5 TL")
                .arg(n + 1)
                .arg(tarih.mid(6, 2), tarih.mid(4, 2), tarih.left(4),
                     formatNumber(tutar(t.value(QStringLiteral("Tutar"))), FormatMoneyZero));
        };
        EXPECT_TRUE(satirlar.contains(hucre(i) + u' ' + hucre(i + 6)))
            << hucre(i).toStdString() << "\n"
            << metin.toStdString();
    }

    run = quvhesap(plan(db, {"--foy", "1001", "--count", "12", "--first", "20250131", "--pdf",
                             "/nonexistent-folder/taahhut.pdf"}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("PDF dosyası yazılamadı")))
        << run.err.toStdString();
}

}  // namespace
}  // namespace quv
