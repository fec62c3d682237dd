// Opens the simple interest calculator from the widget window host.

#include "engine/RuntimeError.h"
#include "engine/clsHesapAna.h"
#include "engine/ui/WidgetWindowHost.h"

namespace quv {

void WidgetWindowHost::showBasitHesap(clsHesapAna& hesap) {
    // Placeholder until the window exists.
    (void)hesap;
    throw RuntimeError::application(QStringLiteral("frmBasitHesap penceresi henüz yok."));
}

}  // namespace quv
