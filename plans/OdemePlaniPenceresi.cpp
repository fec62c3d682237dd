// Opens the payment-plan wizard from the widget window host.

#include "engine/clsHesapAna.h"
#include "ui/WidgetWindowHost.h"
#include "plans/frmOdemePlani.h"

#include <QApplication>

namespace quv {

void WidgetWindowHost::showWizard(clsHesapAna& hesap, qint32 FoyKodu) {
    frmOdemePlani pencere(QApplication::activeWindow());
    pencere.AktifHesap = &hesap;
    pencere.FoyKodu = FoyKodu;
    // A file that cannot be opened has been reported; there is nothing to show.
    if (!pencere.FormYukle())
        return;
    showModal(pencere);
}

}  // namespace quv
