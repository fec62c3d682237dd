// The module the command line loads to write PDF files: the graphical application and the
// document writer, with nothing of the calculation library.

#include "ui/DocumentWriter.h"

#include <QGuiApplication>

extern "C" {

Q_DECL_EXPORT QCoreApplication* quvPdfUygulamasi(int* argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(*argc, argv);
}

Q_DECL_EXPORT bool quvPdfYaz(const quv::Document* belge, const QString* yol) {
    return quv::DocumentWriter().writePdf(*belge, *yol);
}
}
