#pragma once

#include "engine/Money.h"

namespace quv::hesap {

// The part of an amount given by a percentage (9 means 9 %): amount × rate / 100
// evaluated in double precision in that order, converted to money half to even.
inline Money yuzde(Money tutar, double oran) {
    return Money::fromDouble(tutar.toDouble() * oran / 100.0);
}

// The same, rounded once straight to the cent, half to even (taxes on interest,
// compensations, the fees that are a share of the rent or of the fee base).
inline Money yuzdeKurusa(Money tutar, double oran) {
    return Money::fromDoubleToCents(tutar.toDouble() * oran / 100.0);
}

// One cent: the rounding step of the collection fee.
inline constexpr Money kKurus = Money::fromRaw(Money::Scale / 100);

}  // namespace quv::hesap
