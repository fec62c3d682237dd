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

#include <gtest/gtest.h>

namespace quv {
namespace {

struct Calisma {
    int cikis = -1;
    QString cikti;
    QString hata;
};

QStringList arg(const char* metin) {
    return QString::fromUtf8(metin).split(u' ', Qt::SkipEmptyParts);
}

// Runs the built program without a display or a chosen window platform, as on a server.
Calisma quvhesap(const QStringList& argumanlar) {
    QProcess p;
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    for (const char* ad : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        ortam.remove(QString::fromLatin1(ad));
    p.setProcessEnvironment(ortam);
    p.start(
        QCoreApplication::applicationDirPath() + QStringLiteral("/../../apps/quvhesap/quvhesap"),
        QStringList{QStringLiteral("interest")} + argumanlar);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// A SQLite database with the tables and the tariffs of the hand-worked case.
QString veritabani() {
    const QString yol = test::scratchPath(QStringLiteral("cli-basit.sqlite"));
    if (!QFileInfo::exists(yol)) {
        auto db = Database::open(yol, Database::OpenMode::CreateIfMissing);
        Schema::initialize(*db);
        test::basitHesapTarifeleriniEkle(*db);
    }
    return yol;
}

QList<BasitHesapSatiri> jsonSatirlari(const QString& cikti) {
    QList<BasitHesapSatiri> out;
    const QJsonObject kok = QJsonDocument::fromJson(cikti.toUtf8()).object();
    for (const QJsonValue& v : kok.value(QStringLiteral("Satirlar")).toArray())
        out.append({Money::fromDouble(v[QStringLiteral("Tutar")].toDouble()).roundTo2(),
                    v[QStringLiteral("Aciklama")].toString()});
    return out;
}

TEST(BasitHesapCli, EveryWrongValueGetsATurkishMessageAndExitTwo) {
    const QStringList db = {QStringLiteral("--db"), veritabani()};
    const QStringList gecerli = arg("--principal 1000 --start 20230101 --date 20231231");
    const struct {
        QStringList argumanlar;
        const char* mesaj;
    } durumlar[] = {
        {{}, "--principal seçeneği gerekli."},
        {gecerli + arg("--rate yüzde"), "--rate için 0 ile 1000 arasında"},
        // The calculator's own rules come through with their texts.
        {gecerli, "Lütfen faiz oranı giriniz veya bir faiz oranı tablosu seçiniz."},
        {gecerli + db + arg("--table 9"),
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
    const QStringList ornek =
        arg("--principal 10.000,00 --interest-free 500 --rate 9 --start 20230101 "
            "--enforcement 20230301 --date 20231231 --fees --db") +
        QStringList{veritabani()};
    const Calisma metin = quvhesap(ornek);
    ASSERT_EQ(metin.cikis, 0) << metin.hata.toStdString();
    // Amounts right-aligned to the widest text (the separator), then the description.
    for (const char* satir :
         {" 10.000,00  Asıl Alacak", "    145,48  İşlemiş Faiz", "----------  -----------------",
          " 10.645,48  TAKİP ÇIKIŞI", " 13.633,30  BAKİYE"})
        EXPECT_TRUE(metin.cikti.contains(QString::fromUtf8(satir))) << satir << "\n"
                                                                    << metin.cikti.toStdString();

    const QString xlsx = test::scratchPath(QStringLiteral("cli-basit.xlsx"));
    const QString pdf = test::scratchPath(QStringLiteral("cli-basit.pdf"));
    const Calisma json =
        quvhesap(ornek + QStringList{QStringLiteral("--json"), QStringLiteral("--xlsx"), xlsx,
                                     QStringLiteral("--pdf"), pdf});
    ASSERT_EQ(json.cikis, 0) << json.hata.toStdString();
    EXPECT_EQ(jsonSatirlari(json.cikti), test::ornekSatirlari()) << json.cikti.toStdString();
    EXPECT_GT(QFileInfo(xlsx).size(), 0);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
}

}  // namespace
}  // namespace quv
