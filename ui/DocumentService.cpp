#include "ui/DocumentService.h"

#include <QFileDialog>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace quv {

bool DocumentService::hasDefaultPrinter() const {
    return !QPrinterInfo::defaultPrinter().isNull();
}

QString DocumentService::defaultPrinterName() const {
    return QPrinterInfo::defaultPrinterName();
}

void DocumentService::preview(const Document& document, QWidget* parent) {
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(documentLines(document.title).value(0).trimmed());
    QTextDocument text;
    layOut(document, text);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&text](QPrinter* target) { text.print(target); });
    dialog.exec();
}

QString DocumentService::askPdfPath(QWidget* parent, const QString& suggestedName) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("PDF olarak kaydet"), suggestedName,
                                        QStringLiteral("PDF belgeleri (*.pdf)"));
}

}  // namespace quv
