#pragma once

#include "engine/Collection.h"
#include "engine/Money.h"
#include "file/clsAlacakKalemi.h"

namespace quv {

// The expenses of a file as daily totals: those up to the enforcement date are only
// summed, later ones are dated items that the timeline adds to the debt.
class colMasraflar : public Collection<clsAlacakKalemi> {
public:
    using Collection<clsAlacakKalemi>::Add;

    Money TakipOncesiMasrafToplami;
    Money ToplamMasraf;

    clsAlacakKalemi& Add(const QString& FaizBaslangicTarihi, Money Tutar,
                         const QString& sKey = QString());
    // Replaces the items and totals with the file's expenses (official ones only
    // when asked).
    void Yukle(qint32 FoyKodu, const QString& TakipTarihi, bool blnSadeceResmiMasraflar = false);
};

}  // namespace quv
