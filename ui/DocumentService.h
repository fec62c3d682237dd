#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace quv {

// Parallel text columns printed side by side: line i of every column forms one
// printed row. A column may be shorter than the others.
struct DocumentBlock {
    // An optional line above the block.
    QString heading;
    QList<QStringList> columns;
    // Alignment of each column (Qt::AlignLeft when missing), e.g. amounts right.
    QList<Qt::Alignment> alignments;
    // The column whose cells may break at blanks (long descriptions); the block then
    // spans the page. Every other cell stays on one line.
    int wrapColumn = -1;
};

// A printed document: a title (lines separated by line breaks) and one block of
// columns, optionally followed by further blocks (a schedule after a statement).
struct Document {
    QString title;
    QList<DocumentBlock> blocks;
};

// Lays documents out on A4 pages and shows them in a print preview for the
// default printer, or writes them to a PDF file.
class DocumentService {
public:
    virtual ~DocumentService() = default;

    // False when the system has no default printer; printing then cannot start.
    virtual bool hasDefaultPrinter() const;
    virtual QString defaultPrinterName() const;
    // A modal print preview on the default printer, from which the user prints.
    virtual void preview(const Document& document, QWidget* parent = nullptr);
    // Writes the document to a PDF file; false when the file cannot be written.
    virtual bool writePdf(const Document& document, const QString& path);
    // Asks the user where to save a PDF (a save-file dialog starting at the suggested
    // name); the empty text when the user cancels.
    virtual QString askPdfPath(QWidget* parent, const QString& suggestedName);

    // The layout as rich text (every value escaped).
    static QString toHtml(const Document& document);
    // The lines of a text joined with CR LF, CR or LF.
    static QStringList splitLines(const QString& text);
};

}  // namespace quv
