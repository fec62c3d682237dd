#include "ui/DocumentService.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace quv {
namespace {

// The text of a PDF with its layout, so columns printed side by side share a line.
QString pdfText(const QString& path) {
    QProcess run;
    run.start(QStringLiteral(QUV_PDFTOTEXT),
              {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!run.waitForFinished(30000) || run.exitCode() != 0)
        return QString();
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The line of the text that holds the first fragment; empty if none.
QString lineWith(const QString& text, const QString& fragment) {
    for (const QString& line : text.split(u'\n'))
        if (line.contains(fragment))
            return line;
    return QString();
}

TEST(DocumentServiceTest, WritesTheTitleAndTheColumnsSideBySide) {
    if (QString::fromLatin1(QUV_PDFTOTEXT).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    Document document;
    document.title = QStringLiteral("HESAP DÖKÜMÜ \nTarih : 15.01.2024 10:30");
    document.blocks << DocumentBlock{
        QString(),
        {DocumentService::splitLines(
             QStringLiteral("1.000,00\r\n150,25\r\n----------\r\n1.150,25")),
         DocumentService::splitLines(
             QStringLiteral("Asıl Alacak\r\nİşlemiş Faiz\r\n-----------------\r\nBAKİYE"))},
        {Qt::AlignRight, Qt::AlignLeft}};
    // A schedule appended as a second block; texts are printed as given, markup too.
    document.blocks << DocumentBlock{
        QStringLiteral("Ödeme Planı"),
        {{QStringLiteral("1"), QStringLiteral("2")},
         {QStringLiteral("15.02.2024"), QStringLiteral("15.03.2024")},
         {QStringLiteral("500,00 TL"), QStringLiteral("<b>& 650,25 TL")}},
        {}};
    // Kept in the build folder for a look.
    const QString path = QStringLiteral(QUV_UI_TEST_OUTPUT_DIR "/hesap-dokumu.pdf");
    DocumentService service;
    ASSERT_TRUE(service.writePdf(document, path));

    const QString text = pdfText(path);
    ASSERT_FALSE(text.isEmpty());
    // Each pair printed side by side shares a line; the title's two lines are there.
    const struct {
        const char* left;
        const char* right;
    } rows[] = {
        {"HESAP DÖKÜMÜ", "HESAP DÖKÜMÜ"}, {"Tarih : 15.01.2024 10:30", "Tarih"},
        {"1.000,00", "Asıl Alacak"},      {"1.150,25", "BAKİYE"},
        {"Ödeme Planı", "Ödeme Planı"},   {"15.03.2024", "<b>& 650,25 TL"},
    };
    for (const auto& row : rows) {
        const QString line = lineWith(text, QString::fromUtf8(row.right));
        EXPECT_TRUE(line.contains(QString::fromUtf8(row.left)))
            << row.right << " / " << text.toStdString();
    }
    // The statement comes before the schedule.
    EXPECT_LT(text.indexOf(QStringLiteral("BAKİYE")), text.indexOf(QStringLiteral("Ödeme Planı")));
}

TEST(DocumentServiceTest, APathThatCannotBeWrittenFails) {
    DocumentService service;
    Document document{QStringLiteral("Başlık"), {}};
    EXPECT_FALSE(service.writePdf(document, QStringLiteral("/nonexistent-folder/x.pdf")));
}

}  // namespace
}  // namespace quv
