#include "ui/WidgetWindowHost.h"

#include "engine/SharedState.h"
#include "tools/frmKurGir.h"

#include <QApplication>

namespace quv {

Money WidgetWindowHost::askExchangeRate(const QString& tarih, quint8 doviz,
                                        const QString& aciklama) {
    frmKurGir dialog(QApplication::activeWindow());
    dialog.Tarih = tarih;
    dialog.Doviz = doviz;
    dialog.TarihAciklamasi = aciklama;
    dialog.FormYukle();
    if (showModal(dialog) != QDialog::Accepted)
        throw KurGirilmedi(tarih, doviz, dialog.TLTutar);
    return dialog.TLTutar;
}

int WidgetWindowHost::showModal(QDialog& dialog) {
    return dialog.exec();
}

int modalGoster(QDialog& dialog) {
    if (auto* host = dynamic_cast<WidgetWindowHost*>(&shared().windowHost()))
        return host->showModal(dialog);
    return dialog.exec();
}

}  // namespace quv
