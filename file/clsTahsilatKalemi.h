#pragma once

#include "engine/Money.h"

#include <QString>

namespace quv {

// One collection (payment received) with the exchange rates needed to set it off
// against a debt kept in another currency.
struct clsTahsilatKalemi {
    QString Tarih;
    Money Tutar;  // in the collection's currency
    quint8 ParaBirimi = 0;
    qint16 TahsilatSekli = 0;  // Enum_TahsilatSekli
    // Lira value of one unit of the collection's currency on its date; 0 when none is stored.
    Money TahsilatKuru;
    // Lira value of one unit of the debt's currency on the collection date; 0 when none is stored.
    Money BorcKuru;
};

}  // namespace quv
