// Opens the simple interest calculator from the widget window host.

#include "engine/clsHesapAna.h"
#include "ui/WidgetWindowHost.h"
#include "tools/frmBasitHesap.h"

#include <QApplication>

namespace quv {

void WidgetWindowHost::showBasitHesap(clsHesapAna& hesap) {
    frmBasitHesap pencere(QApplication::activeWindow());
    pencere.AktifHesap = &hesap;
    pencere.FormYukle();
    showModal(pencere);
}

}  // namespace quv
