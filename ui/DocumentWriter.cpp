#include "ui/DocumentWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace quv {

void DocumentWriter::layOut(const Document& document, QTextDocument& text) {
    QFont font = QGuiApplication::font();
    font.setPointSize(10);
    text.setDefaultFont(font);
    text.setHtml(documentHtml(document));
}

bool DocumentWriter::writePdf(const Document& document, const QString& path) {
    {
        // QPdfWriter does not report a file it cannot open.
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
    }
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(documentLines(document.title).value(0).trimmed());
        QTextDocument text;
        layOut(document, text);
        text.print(&writer);
    }
    return QFileInfo(path).size() > 0;
}

}  // namespace quv
