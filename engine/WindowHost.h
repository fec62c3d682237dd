#pragma once

#include "engine/Money.h"

#include <QString>

namespace quv {

class clsHesapAna;

// What the engine asks of the windows without depending on them. The window layer
// installs an implementation that opens the real dialogs; without one (command
// line, tests, services) no user can answer.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Asks the user for the Turkish-lira value of one unit of a currency on a date
    // (the exchange-rate dialog) and returns what the dialog holds when it closes.
    virtual Money askExchangeRate(const QString& tarih, quint8 doviz, const QString& aciklama) = 0;

    // The facade's windows, each shown modally with the facade handed to it. Without
    // windows they raise a run-time error saying that no window can be shown.
    virtual void showBasitHesap(clsHesapAna& hesap);
    virtual void showBatchUpdate(clsHesapAna& hesap);
    virtual void showWizard(clsHesapAna& hesap, qint32 FoyKodu);
};

// The host used when nobody can answer: it never invents a value, it raises a
// run-time error that names the currency and the date.
class NoUserWindowHost : public WindowHost {
public:
    Money askExchangeRate(const QString& tarih, quint8 doviz, const QString& aciklama) override;
};

}  // namespace quv
