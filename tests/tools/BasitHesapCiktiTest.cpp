// The printed statement and the spreadsheet of the simple calculator, read back from
// the files themselves.

#include "BasitHesapVerisi.h"

#include "engine/ui/DocumentService.h"
#include "support/TestEnvironment.h"
#include "tools/BasitHesapBelgesi.h"
#include "tools/BasitHesapExcel.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace quv {
namespace {

QString calistir(const QString& program, const QStringList& argumanlar) {
    QProcess p;
    p.start(program, argumanlar);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A cell of the first sheet as a reader sees it.
struct Hucre {
    QString deger;
    bool kalin = false;
    QString dolgu;  // the fill colour, "" when none
};

// The first sheet of a workbook: cells by reference ("A1"), shared strings resolved,
// with the bold flag and fill colour of their style, and the column widths.
struct Sayfa {
    QMap<QString, Hucre> hucreler;
    QMap<int, double> genislikler;  // by column number from 1

    static Sayfa oku(const QString& dosya) {
        const QString unzip = QStandardPaths::findExecutable(QStringLiteral("unzip"));
        auto parca = [&](const char* ad) {
            return calistir(unzip, {QStringLiteral("-p"), dosya, QString::fromLatin1(ad)});
        };

        QStringList metinler;
        {
            QXmlStreamReader xml(parca("xl/sharedStrings.xml"));
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QStringLiteral("t"))
                    metinler << xml.readElementText();
            }
        }

        QList<bool> fontlar;
        QStringList dolgular;
        struct Stil {
            int font = 0;
            int dolgu = 0;
        };
        QList<Stil> stiller;
        {
            QXmlStreamReader xml(parca("xl/styles.xml"));
            QString bolum;
            while (!xml.atEnd()) {
                xml.readNext();
                if (!xml.isStartElement())
                    continue;
                const auto ad = xml.name();
                if (ad == QStringLiteral("fonts") || ad == QStringLiteral("fills") ||
                    ad == QStringLiteral("cellXfs") || ad == QStringLiteral("cellStyleXfs"))
                    bolum = ad.toString();
                else if (ad == QStringLiteral("font") && bolum == QStringLiteral("fonts"))
                    fontlar << false;
                else if (ad == QStringLiteral("b") && bolum == QStringLiteral("fonts"))
                    fontlar.last() = true;
                else if (ad == QStringLiteral("fill"))
                    dolgular << QString();
                else if (ad == QStringLiteral("fgColor") && bolum == QStringLiteral("fills"))
                    dolgular.last() = xml.attributes().value(QStringLiteral("rgb")).toString();
                else if (ad == QStringLiteral("xf") && bolum == QStringLiteral("cellXfs"))
                    stiller << Stil{xml.attributes().value(QStringLiteral("fontId")).toInt(),
                                    xml.attributes().value(QStringLiteral("fillId")).toInt()};
            }
        }

        Sayfa sayfa;
        QXmlStreamReader xml(parca("xl/worksheets/sheet1.xml"));
        QString ref;
        Hucre hucre;
        bool metin = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            const auto ad = xml.name();
            const auto a = xml.attributes();
            if (ad == QStringLiteral("col")) {
                for (int s = a.value(QStringLiteral("min")).toInt();
                     s <= a.value(QStringLiteral("max")).toInt(); ++s)
                    sayfa.genislikler[s] = a.value(QStringLiteral("width")).toDouble();
            } else if (ad == QStringLiteral("c")) {
                ref = a.value(QStringLiteral("r")).toString();
                const Stil stil = stiller.value(a.value(QStringLiteral("s")).toInt());
                hucre = Hucre{QString(), fontlar.value(stil.font), dolgular.value(stil.dolgu)};
                metin = a.value(QStringLiteral("t")) == QStringLiteral("s");
            } else if (ad == QStringLiteral("v")) {
                const QString v = xml.readElementText();
                hucre.deger = metin ? metinler.value(v.toInt()) : v;
                sayfa.hucreler[ref] = hucre;
            }
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
    ASSERT_FALSE(sayfa.hucreler.isEmpty());
    // The heads: bold on the grey of colour 15.
    for (const auto& [ref, baslik] : {std::pair{"A1", "Tutar"}, std::pair{"B1", "Açıklama"}}) {
        const Hucre h = sayfa.hucreler.value(QString::fromLatin1(ref));
        EXPECT_EQ(h.deger, QString::fromUtf8(baslik));
        EXPECT_TRUE(h.kalin) << ref;
        EXPECT_EQ(h.dolgu, QStringLiteral("FFC0C0C0")) << ref;
    }
    // One row per line below the heads: the amount as a number, then the description;
    // only the amount at the enforcement start and the balance are bold.
    EXPECT_EQ(sayfa.hucreler.size(), 2 * (satirlar.size() + 1));
    for (int i = 0; i < satirlar.size(); ++i) {
        const QString satir = QString::number(i + 2);
        const Hucre tutar = sayfa.hucreler.value(QStringLiteral("A") + satir);
        const Hucre aciklama = sayfa.hucreler.value(QStringLiteral("B") + satir);
        EXPECT_EQ(Money::parse(tutar.deger), satirlar.at(i).Tutar) << satir.toStdString();
        EXPECT_EQ(aciklama.deger, satirlar.at(i).Aciklama);
        const bool vurgulu = aciklama.deger == QStringLiteral("TAKİP ÇIKIŞI") ||
                             aciklama.deger == QStringLiteral("BAKİYE");
        EXPECT_EQ(tutar.kalin, vurgulu) << satir.toStdString();
        EXPECT_EQ(aciklama.kalin, vurgulu) << satir.toStdString();
        EXPECT_TRUE(tutar.dolgu.isEmpty());
    }
    // The columns fit their longest text ("10.645,48", "Faiz İşlemeyen Alacak").
    EXPECT_GE(sayfa.genislikler.value(1), 9.0);
    EXPECT_GE(sayfa.genislikler.value(2), 21.0);
}

TEST(BasitHesapCikti, AnUnwritableWorkbookIsReported) {
    QString hata;
    EXPECT_FALSE(BasitHesapExcelYaz(test::ornekSatirlari(),
                                    test::scratchPath(QStringLiteral("yok/klasor/x.xlsx")), &hata));
    EXPECT_TRUE(hata.startsWith(QStringLiteral("Dosya yazılamadı: "))) << hata.toStdString();
}

// The line of the text that holds the fragment; empty if none.
QString satirIle(const QString& metin, const QString& parca) {
    for (const QString& satir : metin.split(u'\n'))
        if (satir.contains(parca))
            return satir;
    return QString();
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
    EXPECT_EQ(blok.columns.at(1).at(3), QStringLiteral("-----------------"));
    EXPECT_EQ(blok.columns.at(1).at(4), QStringLiteral("TAKİP ÇIKIŞI"));
    EXPECT_EQ(blok.columns.at(1).at(9), QStringLiteral("-----------------"));
    EXPECT_EQ(blok.columns.at(1).at(10), QStringLiteral("BAKİYE"));
    EXPECT_EQ(blok.alignments.value(0), Qt::AlignRight);

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString dosya =
        QCoreApplication::applicationDirPath() + QStringLiteral("/basit-hesap-dokumu.pdf");
    ASSERT_TRUE(DocumentService().writePdf(belge, dosya));
    const QString metin =
        calistir(pdftotext, {QStringLiteral("-layout"), dosya, QStringLiteral("-")});
    ASSERT_FALSE(metin.isEmpty());
    EXPECT_FALSE(satirIle(metin, QStringLiteral("HESAP DÖKÜMÜ")).isEmpty()) << metin.toStdString();
    EXPECT_FALSE(satirIle(metin, QStringLiteral("Tarih : 15.01.2024 10:30")).isEmpty());
    for (const auto& [tutar, aciklama] :
         {std::pair{"10.000,00", "Asıl Alacak"}, std::pair{"10.645,48", "TAKİP ÇIKIŞI"},
          std::pair{"1.164,55", "Vekalet Ücreti"}, std::pair{"13.633,30", "BAKİYE"},
          std::pair{"----------", "-----------------"}}) {
        const QString satir = satirIle(metin, QString::fromUtf8(aciklama));
        EXPECT_TRUE(satir.contains(QString::fromUtf8(tutar)))
            << aciklama << ": " << satir.toStdString();
        EXPECT_LT(satir.indexOf(QString::fromUtf8(tutar)),
                  satir.indexOf(QString::fromUtf8(aciklama)));
    }
}

}  // namespace
}  // namespace quv
