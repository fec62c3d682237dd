#pragma once

#include "engine/Money.h"

namespace quv {

// The part of an amount given by a percentage rate (9 means 9 %): amount × rate / 100
// evaluated in double precision, in that order, and converted back to money half to
// even at four decimals.
inline Money YuzdeTutari(Money tutar, float oran) {
    return Money::fromDouble(tutar.toDouble() * static_cast<double>(oran) / 100.0);
}

}  // namespace quv
