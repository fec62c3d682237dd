#pragma once

#include <QString>

#include <memory>

class QCoreApplication;

namespace quv {
struct Document;
}

namespace quv::cli {

// The PDF writing of the command line lives in a module of its own (quvhesap-pdf, beside the
// program), loaded only by a run that writes a PDF: the graphical library it needs costs
// the other runs, a bulk update's workers among them, nothing at their start.

// The application of a run that writes a PDF: a graphical one on the offscreen platform,
// which lays out text with fonts and needs no display. Null when the module cannot be
// loaded; the reason is told on standard error.
std::unique_ptr<QCoreApplication> pdfUygulamasi(int& argc, char** argv);
// True once pdfUygulamasi made the application.
bool pdfYazilabilir();
// Writes the document to a PDF file; false when it cannot be written.
bool pdfYaz(const Document& belge, const QString& yol);

}  // namespace quv::cli
