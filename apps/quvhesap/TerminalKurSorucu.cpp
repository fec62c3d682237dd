#include "TerminalKurSorucu.h"

#include "CliSupport.h"
#include "engine/NumberFormat.h"
#include "tools/KurGirisi.h"

#include <QTextStream>

#include <unistd.h>
#include <cstdio>

namespace quv::cli {

bool TerminalKurSorucu::terminalVar() {
    return isatty(fileno(stdin)) != 0 && isatty(fileno(stderr)) != 0;
}

Money TerminalKurSorucu::askExchangeRate(const QString& tarih, quint8 doviz,
                                         const QString& aciklama) {
    if (!terminalVar())
        return NoUserWindowHost().askExchangeRate(tarih, doviz, aciklama);
    KurGirisi giris;
    giris.Tarih = tarih;
    giris.Doviz = doviz;
    giris.TarihAciklamasi = aciklama;
    giris.InfoLabeliniYukle();
    if (!aciklama.isEmpty())
        printErr(aciklama);
    printErr(giris.lblInfo);
    QTextStream girdi(stdin);
    for (;;) {
        std::fputs((giris.lblSimge).toUtf8().constData(), stderr);
        std::fflush(stderr);
        QString satir = girdi.readLine();
        if (satir.isNull() || satir.trimmed().isEmpty()) {
            // An empty answer cancels, as the dialog's cancel does.
            giris.Iptal();
            throw KurGirilmedi(tarih, doviz, giris.TLTutar);
        }
        std::optional<Money> deger = parseNumber(satir);
        if (!deger) {
            printErr(KurGirisi::degerIstemMesaji());
            continue;
        }
        switch (giris.Kaydet(*deger)) {
            case KurGirisi::Sonuc::Kaydedildi:
                return giris.TLTutar;
            case KurGirisi::Sonuc::DegerYok:
                printErr(KurGirisi::degerIstemMesaji());
                break;
            case KurGirisi::Sonuc::KayitHatasi:
                break;
        }
    }
}

}  // namespace quv::cli
