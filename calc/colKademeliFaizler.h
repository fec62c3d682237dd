#pragma once

#include "calc/clsKademeliFaizKalemi.h"
#include "engine/Collection.h"

namespace quv {

// The tiered-interest periods of one claim in the order they were recorded.
class colKademeliFaizler : public Collection<clsKademeliFaizKalemi> {
public:
    using Collection<clsKademeliFaizKalemi>::Add;

    // A stored total that callers may keep with the list.
    Money Toplam;

    // Appends a period and returns it.
    clsKademeliFaizKalemi& Add(const QString& BaslangicTarihi, const QString& BitisTarihi,
                               Money Tutar, float Oran, const QString& Aciklama,
                               Money AsilAlacakTutari, qint32 Gunsayisi,
                               const QString& sKey = QString());

    // The interest of the periods up to and including the first one that ends at the
    // enforcement start; 0 when none ends there.
    Money TakipTarihineKadarOlanToplam() const;

    // For display: joins neighbouring periods split only by a collection that changed
    // neither principal nor rate, then drops the periods without interest.
    void TahsilatKalemleriniBirlestir();
};

}  // namespace quv
