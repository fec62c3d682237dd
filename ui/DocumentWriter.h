#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTextDocument;

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

// Lays documents out on A4 pages and writes them to PDF files. It needs the graphical
// library alone, no windows: the command line writes its PDFs with it.
class DocumentWriter {
public:
    virtual ~DocumentWriter() = default;

    // Writes the document to a PDF file; false when the file cannot be written.
    virtual bool writePdf(const Document& document, const QString& path);

    // The layout as rich text (every value escaped).
    static QString toHtml(const Document& document);
    // The lines of a text joined with CR LF, CR or LF.
    static QStringList splitLines(const QString& text);

protected:
    // The document as rich text in the default font at 10 points.
    static void layOut(const Document& document, QTextDocument& text);
};

}  // namespace quv
