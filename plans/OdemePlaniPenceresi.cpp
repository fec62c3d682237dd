// Opens the payment-plan wizard from the widget window host.

#include "engine/RuntimeError.h"
#include "engine/clsHesapAna.h"
#include "engine/ui/WidgetWindowHost.h"

namespace quv {

void WidgetWindowHost::showWizard(clsHesapAna& hesap, qint32 FoyKodu) {
    // Placeholder until the window exists.
    (void)hesap;
    (void)FoyKodu;
    throw RuntimeError::application(QStringLiteral("frmOdemePlani penceresi henüz yok."));
}

}  // namespace quv
