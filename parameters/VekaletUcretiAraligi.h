#pragma once

#include "engine/Money.h"

namespace quv {

// One bracket of the attorney-fee scale: the bracket's upper bound as a cumulative
// amount and the rate (percent) of the part of the amount that falls in it.
struct T_VekaletUcretiAraligi {
    Money Deger;
    float Oran = 0.0f;
};

}  // namespace quv
