#pragma once

#include "ui/DocumentWriter.h"

class QWidget;

namespace quv {

// Shows documents in a print preview for the default printer, or writes them to a PDF
// file.
class DocumentService : public DocumentWriter {
public:
    // False when the system has no default printer; printing then cannot start.
    virtual bool hasDefaultPrinter() const;
    virtual QString defaultPrinterName() const;
    // A modal print preview on the default printer, from which the user prints.
    virtual void preview(const Document& document, QWidget* parent = nullptr);
    // Asks the user where to save a PDF (a save-file dialog starting at the suggested
    // name); the empty text when the user cancels.
    virtual QString askPdfPath(QWidget* parent, const QString& suggestedName);
};

}  // namespace quv
