#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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

// The layout of a document as rich text (every value escaped), as it is printed.
QString documentHtml(const Document& document);
// The lines of a text joined with CR LF, CR or LF.
QStringList documentLines(const QString& text);

}  // namespace quv
