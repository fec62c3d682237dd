// Opens the bulk file update from the widget window host.

#include "engine/RuntimeError.h"
#include "engine/clsHesapAna.h"
#include "engine/ui/WidgetWindowHost.h"

namespace quv {

void WidgetWindowHost::showBatchUpdate(clsHesapAna& hesap) {
    // Placeholder until the window exists.
    (void)hesap;
    throw RuntimeError::application(QStringLiteral("frmTopluFoyGunle penceresi henüz yok."));
}

}  // namespace quv
