#include "engine/ui/WidgetWindowHost.h"

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
    showModal(dialog);
    return dialog.TLTutar;
}

int WidgetWindowHost::showModal(QDialog& dialog) {
    return dialog.exec();
}

}  // namespace quv
