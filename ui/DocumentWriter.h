#pragma once

#include "ui/Document.h"

class QTextDocument;

namespace quv {

// Lays documents out on A4 pages and writes them to PDF files. It needs the graphical
// library alone, no windows: the command line writes its PDFs with it.
class DocumentWriter {
public:
    virtual ~DocumentWriter() = default;

    // Writes the document to a PDF file; false when the file cannot be written.
    virtual bool writePdf(const Document& document, const QString& path);

protected:
    // The document as rich text in the default font at 10 points.
    static void layOut(const Document& document, QTextDocument& text);
};

}  // namespace quv
