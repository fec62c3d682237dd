// The printed statement and the spreadsheet of the simple calculator, the workbook read
// back from the file itself.

#include "BasitHesapVerisi.h"

#include "engine/ui/DocumentService.h"
#include "support/TestEnvironment.h"
#include "tools/BasitHesapBelgesi.h"
#include "tools/BasitHesapExcel.h"

#include <QDateTime>
#include <QMap>
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

// The elements <ad ...>...</ad> (or <ad .../>) of a text, each as its whole text.
QStringList ogeler(const QString& xml, const QString& ad) {
    QStringList out;
    const QRegularExpression re(
        u'<' + ad + QStringLiteral("[ >/](?:[^<]*/>|.*?</") + ad + QStringLiteral(">)"),
        QRegularExpression::DotMatchesEverythingOption);
    for (const auto& m : re.globalMatch(xml))
        out << m.captured(0);
    return out;
}

QString nitelik(const QString& oge, const char* ad) {
    const QRegularExpression re(QStringLiteral(" %1=\"([^\"]*)\"").arg(QString::fromLatin1(ad)));
    return re.match(oge.left(oge.indexOf(u'>'))).captured(1);
}

struct Hucre {
    QString deger;
    bool kalin = false;
};

// The cells of the first sheet by reference ("A1").
struct Sayfa {
    QMap<QString, Hucre> hucreler;

    static Sayfa oku(const QString& dosya) {
        QStringList metinler;
        for (const QString& t : ogeler(parca(dosya, "xl/sharedStrings.xml"), QStringLiteral("t")))
            metinler << t.mid(t.indexOf(u'>') + 1).chopped(4);
        const QString stiller = parca(dosya, "xl/styles.xml");
        QList<bool> kalinlar;
        for (const QString& f : ogeler(stiller, QStringLiteral("font")))
            kalinlar << f.contains(QStringLiteral("<b/>"));
        const QStringList xf =
            ogeler(ogeler(stiller, QStringLiteral("cellXfs")).value(0), QStringLiteral("xf"));

        Sayfa sayfa;
        const QString xml = parca(dosya, "xl/worksheets/sheet1.xml");
        for (const QString& c : ogeler(xml, QStringLiteral("c"))) {
            const QString stil = xf.value(nitelik(c, "s").toInt());
            const QString v = ogeler(c, QStringLiteral("v")).value(0).mid(3).chopped(4);
            sayfa.hucreler[nitelik(c, "r")] =
                Hucre{nitelik(c, "t") == u's' ? metinler.value(v.toInt()) : v,
                      kalinlar.value(nitelik(stil, "fontId").toInt())};
        }
        return sayfa;
    }
};

TEST(BasitHesapCikti, TheWorkbookHoldsHeadsAmountsAndBoldRows) {
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        GTEST_SKIP() << "unzip is not installed";
    const QList<BasitHesapSatiri> satirlar = test::ornekSatirlari();
    const QString dosya = test::scratchPath(QStringLiteral("hesap-dokumu.xlsx"));
    QString hata;
    ASSERT_TRUE(BasitHesapExcelYaz(satirlar, dosya, &hata)) << hata.toStdString();

    const Sayfa sayfa = Sayfa::oku(dosya);
    // The heads, bold.
    EXPECT_EQ(sayfa.hucreler.value(QStringLiteral("A1")).deger, QStringLiteral("Tutar"));
    EXPECT_EQ(sayfa.hucreler.value(QStringLiteral("B1")).deger, QStringLiteral("Açıklama"));
    EXPECT_TRUE(sayfa.hucreler.value(QStringLiteral("A1")).kalin);
    // One row per line: the amount as a number, then the description; only the amount at
    // the enforcement start and the balance are bold.
    EXPECT_EQ(sayfa.hucreler.size(), 2 * (satirlar.size() + 1));
    for (int i = 0; i < satirlar.size(); ++i) {
        const QString satir = QString::number(i + 2);
        const Hucre tutar = sayfa.hucreler.value(u'A' + satir);
        const Hucre aciklama = sayfa.hucreler.value(u'B' + satir);
        EXPECT_EQ(Money::parse(tutar.deger), satirlar.at(i).Tutar) << satir.toStdString();
        EXPECT_EQ(aciklama.deger, satirlar.at(i).Aciklama);
        const bool vurgulu = aciklama.deger == QStringLiteral("TAKİP ÇIKIŞI") ||
                             aciklama.deger == QStringLiteral("BAKİYE");
        EXPECT_EQ(tutar.kalin, vurgulu) << satir.toStdString();
        EXPECT_EQ(aciklama.kalin, vurgulu) << satir.toStdString();
    }
    EXPECT_FALSE(BasitHesapExcelYaz(satirlar,
                                    test::scratchPath(QStringLiteral("yok/klasor/x.xlsx")), &hata));
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
