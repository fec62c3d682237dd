#pragma once

#include "engine/Collection.h"
#include "file/clsTahsilatKalemi.h"

namespace quv {

// The collections of a file in ascending date after a load.
class colTahsilatlar : public Collection<clsTahsilatKalemi> {
public:
    using Collection<clsTahsilatKalemi>::Add;

    clsTahsilatKalemi& Add(qint16 TahsilatSekli, quint8 ParaBirimi, Money BorcKuru,
                           Money TahsilatKuru, Money Tutar, const QString& Tarih,
                           const QString& sKey = QString());
    // Replaces the items with the file's collections and their rates (the payment plan
    // adds its trial collections after loading).
    void Yukle(qint32 FoyKodu, quint8 BorcParaBirimiKodu);
    // Removes every collection dated on or after the date.
    void BelliTarihtenSonrakileriCikar(const QString& Tarih);
};

}  // namespace quv
