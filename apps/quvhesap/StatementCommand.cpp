#include "CliSupport.h"
#include "PdfModulu.h"
#include "TerminalKurSorucu.h"

#include "engine/ErrorReporter.h"
#include "engine/SharedState.h"
#include "engine/clsHesapAna.h"
#include "summary/HesapDokumu.h"
#include "summary/HesapDokumuBelgesi.h"

#include <cstring>

namespace quv::cli {

// The statement is always laid out as a PDF, with fonts, which needs a GUI application;
// main creates one on the offscreen platform for this command.
bool statementNeedsGui(int argc, char** argv) {
    return argc >= 2 && std::strcmp(argv[1], "statement") == 0;
}

// quvhesap statement --db <path-or-url> --foy N [--date YYYYMMDD] --pdf FILE
int statement(const QStringList& arguments) {
    QCommandLineParser parser;
    addOption(parser, "db", "Veritabanı", "path-or-url");
    addOption(parser, "foy", "Föy kodu", "N");
    addOption(parser, "date", "Hesap tarihi", "YYYYMMDD");
    addOption(parser, "pdf", "Hesap dökümü (PDF dosyası)", "FILE");
    parse(parser, QStringLiteral("statement"), arguments);
    const QString url = required(parser, QStringLiteral("db"));
    const qint32 foyKodu = fileCode(required(parser, QStringLiteral("foy")), QStringLiteral("foy"));
    const QString tarih = optionalTextDate(parser, QStringLiteral("date"));
    const QString dosya = required(parser, QStringLiteral("pdf"));
    yazilabilirOlmali(dosya, QStringLiteral("pdf"));

    auto raporcu = std::make_shared<ConsoleErrorReporter>();
    shared().setErrorReporter(raporcu);
    shared().setWindowHost(std::make_shared<TerminalKurSorucu>());
    clsHesapAna hesap;
    std::shared_ptr<Database> db = connect(url);
    if (!tariffsPresent(*db))
        return ExitFailed;
    hesap.setActiveConnection(db);
    hesap.setActiveVeritabaniTuru(db->veritabaniTuru());

    const std::optional<HesapDokumu> dokum = hesapDokumuHesapla(hesap, foyKodu, tarih);
    if (!dokum) {
        // The reporter has printed why; without a report the file is not there.
        if (raporcu->messages().isEmpty()) {
            printErr(QStringLiteral("%1 numaralı föy bulunamadı.").arg(foyKodu));
            return ExitUsage;
        }
        printErr(QStringLiteral("Hesap hata verdi; hesap dökümü yazılmadı."));
        return ExitFailed;
    }
    if (!pdfYaz(hesapDokumuBelgesi(*dokum), dosya)) {
        printErr(QStringLiteral("PDF dosyası yazılamadı: ") + dosya);
        return ExitFailed;
    }
    printOut(QStringLiteral("Hesap dökümü yazıldı: ") + dosya);
    return ExitOk;
}

}  // namespace quv::cli
