// Opens the bulk file update from the widget window host.

#include "engine/clsHesapAna.h"
#include "ui/WidgetWindowHost.h"
#include "tools/frmTopluFoyGunle.h"

#include <QApplication>

namespace quv {

void WidgetWindowHost::showBatchUpdate(clsHesapAna& hesap) {
    frmTopluFoyGunle pencere(QApplication::activeWindow());
    pencere.ActiveHesap = &hesap;
    pencere.FormYukle();
    showModal(pencere);
}

}  // namespace quv
