#pragma once

#include "engine/WindowHost.h"

class QDialog;

namespace quv {

// The window host of the widget layer: the engine's questions open the real
// dialogs, modally over the active window. Every dialog goes through showModal,
// which a test replaces to fill in and close the dialog instead of waiting for a user.
class WidgetWindowHost : public WindowHost {
public:
    // The exchange-rate dialog for the currency and date; its TLTutar when it
    // closes (1 after a cancel).
    Money askExchangeRate(const QString& tarih, quint8 doviz, const QString& aciklama) override;

    // Shows a prepared dialog modally and returns its result code.
    virtual int showModal(QDialog& dialog);

    // The facade's windows; each is defined beside its window.
    void showBasitHesap(clsHesapAna& hesap) override;
    void showBatchUpdate(clsHesapAna& hesap) override;
    void showWizard(clsHesapAna& hesap, qint32 FoyKodu) override;
};

// Shows a window's own sub-dialog modally: through the installed widget window host,
// so that a test scripting the host scripts the sub-dialog too; directly otherwise.
int modalGoster(QDialog& dialog);

}  // namespace quv
