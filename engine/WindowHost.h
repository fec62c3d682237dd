#pragma once

#include "engine/Money.h"
#include "engine/RuntimeError.h"

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

// Raised by an asker when the user cancelled the rate entry. The run goes on with the
// value the dialog answers on cancel (1), but the cancellation is reported like a rate
// nobody could supply: such a run is not saved and a bulk update counts the file as
// not updated.
class KurGirilmedi : public RuntimeError {
public:
    KurGirilmedi(const QString& tarih, quint8 doviz, Money iptalDegeri);
    Money iptalDegeri;
};

// The host used when nobody can answer: it never invents a value, it raises a
// run-time error that names the currency and the date.
class NoUserWindowHost : public WindowHost {
public:
    Money askExchangeRate(const QString& tarih, quint8 doviz, const QString& aciklama) override;
};

}  // namespace quv
