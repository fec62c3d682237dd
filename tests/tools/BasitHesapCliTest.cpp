// quvhesap interest, run as the built program.

#include "BasitHesapVerisi.h"

#include "engine/Database.h"
#include "engine/Schema.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace quv {
namespace {

struct Calisma {
    int cikis = -1;
    QString cikti;
    QString hata;
};

// The program of this build (tests/tools -> apps/quvhesap).
QString program() {
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../../apps/quvhesap/quvhesap");
}

// Runs the command without a display and without a chosen window platform, as on a
// server.
Calisma quvhesap(const QStringList& argumanlar) {
    QProcess p;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    for (const char* ad : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        ortam.remove(QString::fromLatin1(ad));
    p.setProcessEnvironment(ortam);
    p.start(program(), QStringList{QStringLiteral("interest")} + argumanlar);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// A SQLite database with the tables and the tariffs of the hand-worked case.
QString veritabani(const QString& ad) {
    const QString yol = test::scratchPath(ad);
    if (!QFileInfo::exists(yol)) {
        auto db = Database::open(yol, Database::OpenMode::CreateIfMissing);
        Schema::initialize(*db);
        test::basitHesapTarifeleriniEkle(*db);
    }
    return yol;
}

QStringList ornekArgumanlari(const QString& db) {
    return {QStringLiteral("--principal"),
            QStringLiteral("10.000,00"),
            QStringLiteral("--interest-free"),
            QStringLiteral("500"),
            QStringLiteral("--rate"),
            QStringLiteral("9"),
            QStringLiteral("--start"),
            QStringLiteral("20230101"),
            QStringLiteral("--enforcement"),
            QStringLiteral("20230301"),
            QStringLiteral("--date"),
            QStringLiteral("20231231"),
            QStringLiteral("--fees"),
            QStringLiteral("--db"),
            db};
}

QList<BasitHesapSatiri> jsonSatirlari(const QString& cikti) {
    QList<BasitHesapSatiri> out;
    const QJsonObject kok = QJsonDocument::fromJson(cikti.toUtf8()).object();
    for (const QJsonValue& v : kok.value(QStringLiteral("Satirlar")).toArray()) {
        const QJsonObject satir = v.toObject();
        out.append({Money::fromDouble(satir.value(QStringLiteral("Tutar")).toDouble()).roundTo2(),
                    satir.value(QStringLiteral("Aciklama")).toString()});
    }
    return out;
}

TEST(BasitHesapCli, EveryWrongValueGetsATurkishMessageAndExitTwo) {
    const QString db = veritabani(QStringLiteral("cli-basit-hatalar.sqlite"));
    const QStringList gecerli = {QStringLiteral("--principal"), QStringLiteral("1000"),
                                 QStringLiteral("--start"),     QStringLiteral("20230101"),
                                 QStringLiteral("--date"),      QStringLiteral("20231231")};
    auto ile = [&](QStringList ekler) { return gecerli + ekler; };
    const struct {
        QStringList argumanlar;
        const char* mesaj;
    } durumlar[] = {
        {{}, "--principal seçeneği gerekli."},
        {{QStringLiteral("--principal"), QStringLiteral("bin")},
         "--principal için geçerli bir tutar"},
        {ile({QStringLiteral("--interest-free"), QStringLiteral("-5"), QStringLiteral("--rate"),
              QStringLiteral("9")}),
         "--interest-free için geçerli bir tutar"},
        {ile({QStringLiteral("--rate"), QStringLiteral("yüzde dokuz")}),
         "--rate için 0 ile 1000 arasında"},
        {{QStringLiteral("--principal"), QStringLiteral("1000"), QStringLiteral("--rate"),
          QStringLiteral("9"), QStringLiteral("--start"), QStringLiteral("2023-01-01"),
          QStringLiteral("--date"), QStringLiteral("20231231")},
         "--start için geçerli bir tarih"},
        {ile({QStringLiteral("--rate"), QStringLiteral("9"), QStringLiteral("--days"),
              QStringLiteral("400")}),
         "--days için 360 ya da 365 girin"},
        {ile({QStringLiteral("--rate"), QStringLiteral("9"), QStringLiteral("--debtors"),
              QStringLiteral("0")}),
         "--debtors için 1 ile 32767 arasında"},
        {ile({QStringLiteral("--rate"), QStringLiteral("9"), QStringLiteral("--yearly")}),
         "--yearly yalnız --table ile birlikte kullanılabilir."},
        {ile({QStringLiteral("--rate"), QStringLiteral("9"), QStringLiteral("--enforcement"),
              QStringLiteral("20230301")}),
         "--db seçeneği gerekli"},
        {ile({QStringLiteral("--table"), QStringLiteral("7")}), "--db seçeneği gerekli"},
        {ile({}), "Lütfen faiz oranı giriniz veya bir faiz oranı tablosu seçiniz."},
        {{QStringLiteral("--principal"), QStringLiteral("0"), QStringLiteral("--rate"),
          QStringLiteral("9"), QStringLiteral("--start"), QStringLiteral("20230101"),
          QStringLiteral("--date"), QStringLiteral("20231231")},
         "Lütfen asıl alacak tutarını giriniz."},
        {{QStringLiteral("--principal"), QStringLiteral("1000"), QStringLiteral("--rate"),
          QStringLiteral("9"), QStringLiteral("--start"), QStringLiteral("20230101"),
          QStringLiteral("--date"), QStringLiteral("20230101")},
         "Günün tarihi faiz başlangıç tarihinden sonra olmalıdır."},
        {ile({QStringLiteral("--db"), db, QStringLiteral("--rate"), QStringLiteral("9"),
              QStringLiteral("--table"), QStringLiteral("7")}),
         "Lütfen faiz oranı veya faiz oranı tablosundan sadece birini seçiniz."},
        {ile({QStringLiteral("--db"), db, QStringLiteral("--table"), QStringLiteral("9")}),
         "--table için veritabanındaki genel faiz oranı tablolarından birinin kodunu girin: \"9\" "
         "(tablolar: 3 Avans Faizi, 7 Yasal Faiz)"},
    };
    for (const auto& d : durumlar) {
        const Calisma c = quvhesap(d.argumanlar);
        EXPECT_EQ(c.cikis, 2) << d.argumanlar.join(u' ').toStdString();
        EXPECT_TRUE(c.hata.contains(QString::fromUtf8(d.mesaj)))
            << d.mesaj << " / " << c.hata.toStdString();
        EXPECT_TRUE(c.cikti.isEmpty()) << c.cikti.toStdString();
    }
}

TEST(BasitHesapCli, TheHandWorkedCaseAsTextJsonWorkbookAndPdf) {
    const QString db = veritabani(QStringLiteral("cli-basit.sqlite"));
    const Calisma metin = quvhesap(ornekArgumanlari(db));
    ASSERT_EQ(metin.cikis, 0) << metin.hata.toStdString();
    // Amounts right-aligned to the widest text (the separator), then the description.
    for (const char* satir :
         {" 10.000,00  Asıl Alacak", "    145,48  İşlemiş Faiz", "----------  -----------------",
          " 10.645,48  TAKİP ÇIKIŞI", "  1.164,55  Vekalet Ücreti", " 13.633,30  BAKİYE"})
        EXPECT_TRUE(metin.cikti.contains(QString::fromUtf8(satir))) << satir << "\n"
                                                                    << metin.cikti.toStdString();

    const QString xlsx = test::scratchPath(QStringLiteral("cli-basit.xlsx"));
    const QString pdf = test::scratchPath(QStringLiteral("cli-basit.pdf"));
    const Calisma json = quvhesap(ornekArgumanlari(db) + QStringList{QStringLiteral("--json"),
                                                                     QStringLiteral("--xlsx"), xlsx,
                                                                     QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(json.cikis, 0) << json.hata.toStdString();
    EXPECT_EQ(jsonSatirlari(json.cikti), test::ornekSatirlari()) << json.cikti.toStdString();
    EXPECT_GT(QFileInfo(xlsx).size(), 0);
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QProcess p;
    p.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString pdfMetni = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(pdfMetni.contains(QStringLiteral("HESAP DÖKÜMÜ"))) << pdfMetni.toStdString();
    EXPECT_TRUE(pdfMetni.contains(QStringLiteral("13.633,30"))) << pdfMetni.toStdString();
    EXPECT_TRUE(pdfMetni.contains(QStringLiteral("BAKİYE")));
}

TEST(BasitHesapCli, AFixedRateWithoutEnforcementNeedsNoDatabase) {
    const Calisma c =
        quvhesap({QStringLiteral("--principal"), QStringLiteral("10000"), QStringLiteral("--rate"),
                  QStringLiteral("9"), QStringLiteral("--start"), QStringLiteral("20230101"),
                  QStringLiteral("--date"), QStringLiteral("20231231"), QStringLiteral("--detail"),
                  QStringLiteral("--json")});
    ASSERT_EQ(c.cikis, 0) << c.hata.toStdString();
    // 364 days at 9 % on a 365-day year: 10000 / 36500 * 364 * 9 = 897.5342.. -> 897.53;
    // nothing is charged without an enforcement start.
    EXPECT_EQ(jsonSatirlari(c.cikti),
              test::satirlar({{"10000", "Asıl Alacak"},
                              {"897.53",
                               "01.01.2023 - 31.12.2023 Asıl Alacağın Yıllık %9 "
                               "İşlemiş Faizi"},
                              {"0", "Faiz İşlemeyen Alacak"},
                              {"0", "TAKİP ÇIKIŞI"},
                              {"0", "İlk Takip Masrafları"},
                              {"0", "Tahsil Harcı"},
                              {"0", "Vekalet Ücreti"},
                              {"10897.53", "BAKİYE"}}))
        << c.cikti.toStdString();
}

}  // namespace
}  // namespace quv
