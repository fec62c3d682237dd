#include "PdfModulu.h"

#include <QCoreApplication>

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>
#include <cstdio>
#include <string>

namespace quv::cli {

namespace {

using UygulamaOlustur = QCoreApplication* (*)(int*, char**);
using PdfYazici = bool (*)(const Document*, const QString*);

PdfYazici yazici = nullptr;

// The folder of this program, where the module is built and installed beside it.
std::string programinDizini() {
    char yol[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", yol, sizeof yol - 1);
    if (n <= 0)
        return ".";
    const std::string tam(yol, static_cast<size_t>(n));
    return tam.substr(0, tam.find_last_of('/'));
}

}  // namespace

std::unique_ptr<QCoreApplication> pdfUygulamasi(int& argc, char** argv) {
    const std::string modul = programinDizini() + "/quvhesap-pdf.so";
    void* tutamak = ::dlopen(modul.c_str(), RTLD_NOW | RTLD_LOCAL);
    UygulamaOlustur olustur =
        tutamak ? reinterpret_cast<UygulamaOlustur>(::dlsym(tutamak, "quvPdfUygulamasi")) : nullptr;
    PdfYazici yaz = tutamak ? reinterpret_cast<PdfYazici>(::dlsym(tutamak, "quvPdfYaz")) : nullptr;
    if (!olustur || !yaz) {
        const char* neden = ::dlerror();
        std::fprintf(stderr, "PDF modülü yüklenemedi (%s): %s\n", modul.c_str(),
                     neden ? neden : "eksik giriş noktası");
        return nullptr;
    }
    // The module stays loaded: the application it made is destroyed by its own code.
    yazici = yaz;
    return std::unique_ptr<QCoreApplication>(olustur(&argc, argv));
}

bool pdfYazilabilir() {
    return yazici != nullptr;
}

bool pdfYaz(const Document& belge, const QString& yol) {
    return yazici && yazici(&belge, &yol);
}

}  // namespace quv::cli
