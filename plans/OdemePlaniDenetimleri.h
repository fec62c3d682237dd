#pragma once

#include "plans/OdemePlaniGirdileri.h"

#include <QString>

namespace quv {

class clsFoyBilgileri;

// The outcome of an input check: passed, or the message to show with the input (and
// the grid cell) the focus moves to.
struct Denetim {
    QString Mesaj;
    // Name of the offending control ("oceTaksitSayisi", "grdFaizOrani", ...).
    QString Alan;
    // Grid row from 1 and column from 0 for a grid; 0 and -1 otherwise.
    int Satir = 0;
    int Sutun = -1;

    bool gecti() const { return Mesaj.isEmpty(); }
};

// The wizard's input checks. Each stops at the first failure.
namespace OdemePlaniDenetimleri {

// Rate grid: at least one filled row; every filled row with a date and a rate.
Denetim CheckFaizGridi(const GridSource* Grid);
Denetim CheckKidemFaizGridi(const GridSource* Grid);
// Offset-order grid: every filled row with a date and a chosen order.
Denetim CheckMahsupGridi(const GridSource* Grid);
// Manual rows: at least one; each with a date not before the calculation date and an amount.
Denetim CheckTahsilatGrid(const ManuelPlan& Plan, const QString& HesapTarihi);
// By count: a count of at least 1 and a first date after the calculation date.
Denetim CheckForAutoCalc1(const SayiyaGorePlan& Plan, const QString& HesapTarihi);
// By amount: an amount and a first date after the calculation date.
Denetim CheckForAutoCalc2(const TutaraGorePlan& Plan, const QString& HesapTarihi);
// The interest, severance and offset settings against the working copy of the file.
Denetim ValuesOK(const OdemePlaniAyarlari& Ayarlar, const clsFoyBilgileri& Foy);

}  // namespace OdemePlaniDenetimleri

}  // namespace quv
