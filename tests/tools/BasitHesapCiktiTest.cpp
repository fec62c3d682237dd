// The printed statement and the spreadsheet of the simple calculator, the workbook read
// back from the file itself.

#include "BasitHesapVerisi.h"

#include "ui/DocumentService.h"
#include "support/TestEnvironment.h"
#include "tools/BasitHesapBelgesi.h"
#include "tools/BasitHesapExcel.h"

#include <QDateTime>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace quv {
namespace {

// A part of the workbook (a zip) as text.
QString parca(const QString& dosya, const char* ad) {
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("unzip")),
            {QStringLiteral("-p"), dosya, QString::fromLatin1(ad)});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList yakala(const QString& metin, const char* desen) {
    QStringList out;
    for (const auto& m : QRegularExpression(QString::fromLatin1(desen)).globalMatch(metin))
        out << m.captured(1);
    return out;
}

struct Hucre {
    QString deger;
    bool kalin = false;
};

// The rows of the first sheet: shared texts resolved, a cell's style followed to its font.
QList<QList<Hucre>> satirlariOku(const QString& dosya) {
    const QStringList metinler =
        yakala(parca(dosya, "xl/sharedStrings.xml"), "<t[^>]*>([^<]*)</t>");
    const QString stiller = parca(dosya, "xl/styles.xml");
    const QStringList fontlar = yakala(stiller, "<font>(.*?)</font>");
    const QStringList xfFontu =
        yakala(stiller.section(QStringLiteral("<cellXfs"), 1), "<xf [^>]*fontId=\"(\\d+)\"");
    static const QRegularExpression hucre(
        QStringLiteral(R"x(<c r="\w+"(?: s="(\d+)")?( t="s")?><v>([^<]*)</v>)x"));
    QList<QList<Hucre>> satirlar;
    for (const QString& satir :
         yakala(parca(dosya, "xl/worksheets/sheet1.xml"), "<row [^>]*>(.*?)</row>")) {
        QList<Hucre> hucreler;
        for (const auto& m : hucre.globalMatch(satir))
            hucreler << Hucre{
                m.captured(2).isEmpty() ? m.captured(3) : metinler.value(m.captured(3).toInt()),
                fontlar.value(xfFontu.value(m.captured(1).toInt()).toInt())
                    .contains(QStringLiteral("<b/>"))};
        satirlar << hucreler;
    }
    return satirlar;
}

TEST(BasitHesapCikti, TheWorkbookHoldsHeadsAmountsAndBoldRows) {
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        GTEST_SKIP() << "unzip is not installed";
    const QList<BasitHesapSatiri> ornek = test::ornekSatirlari();
    const QString dosya = test::scratchPath(QStringLiteral("hesap-dokumu.xlsx"));
    QString hata;
    ASSERT_TRUE(BasitHesapExcelYaz(ornek, dosya, &hata)) << hata.toStdString();

    // The bold heads, then the amount as a number and the description per line; only the
    // amount at the enforcement start and the balance are bold.
    const QList<QList<Hucre>> satirlar = satirlariOku(dosya);
    ASSERT_EQ(satirlar.size(), ornek.size() + 1);
    EXPECT_EQ(satirlar[0][0].deger + u'|' + satirlar[0][1].deger, QStringLiteral("Tutar|Açıklama"));
    EXPECT_TRUE(satirlar[0][0].kalin);
    for (int i = 0; i < ornek.size(); ++i) {
        const QList<Hucre>& s = satirlar.at(i + 1);
        ASSERT_EQ(s.size(), 2) << i;
        EXPECT_EQ(Money::parse(s[0].deger), ornek.at(i).Tutar) << i;
        EXPECT_EQ(s[1].deger, ornek.at(i).Aciklama);
        const bool vurgulu = i == 3 || i == 8;  // TAKİP ÇIKIŞI and BAKİYE
        EXPECT_EQ(s[0].kalin, vurgulu) << i;
        EXPECT_EQ(s[1].kalin, vurgulu) << i;
    }
    EXPECT_FALSE(
        BasitHesapExcelYaz(ornek, test::scratchPath(QStringLiteral("yok/klasor/x.xlsx")), &hata));
    EXPECT_TRUE(hata.startsWith(QStringLiteral("Dosya yazılamadı: "))) << hata.toStdString();
}

TEST(BasitHesapCikti, ThePrintedStatementListsTheLinesWithSeparators) {
    const Document belge =
        basitHesapBelgesi(test::ornekSatirlari(), QDateTime(QDate(2024, 1, 15), QTime(10, 30)));
    EXPECT_EQ(belge.title, QStringLiteral("HESAP DÖKÜMÜ \r\nTarih : 15.01.2024 10:30"));
    ASSERT_EQ(belge.blocks.size(), 1);
    const DocumentBlock& blok = belge.blocks.at(0);
    ASSERT_EQ(blok.columns.size(), 2);
    // Nine lines and a separator before "TAKİP ÇIKIŞI" and before "BAKİYE".
    EXPECT_EQ(blok.columns.at(0),
              (QStringList{"10.000,00", "145,48", "500,00", "----------", "10.645,48", "586,85",
                           "484,37", "1.164,55", "752,05", "----------", "13.633,30"}));
    EXPECT_EQ(blok.columns.at(1).mid(3, 2),
              (QStringList{"-----------------", QStringLiteral("TAKİP ÇIKIŞI")}));
    EXPECT_EQ(blok.columns.at(1).mid(9),
              (QStringList{"-----------------", QStringLiteral("BAKİYE")}));
    EXPECT_EQ(blok.alignments.value(0), Qt::AlignRight);
}

}  // namespace
}  // namespace quv
