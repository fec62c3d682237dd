#pragma once

#include "summary/clsHesapOzeti.h"

#include <gtest/gtest.h>

namespace quv::test {

// A summary whose fields all differ from each other and from another seed's:
// money field i holds ±(i × 12,345.6789 + seed / 10,000), every third one negative;
// rate field j holds 9.5 + 3.3 × j + seed / 8 (not exact in binary, on purpose).
inline clsHesapOzeti filledSummary(int seed) {
    clsHesapOzeti s;
    int i = 0;
    int j = 0;
    for (const clsHesapOzeti::Alan& a : clsHesapOzeti::Alanlar()) {
        if (a.para) {
            std::int64_t raw = ++i * 123456789LL + seed;
            s.*a.para = Money::fromRaw(i % 3 == 0 ? -raw : raw);
        } else {
            s.*a.oran = 9.5f + 3.3f * static_cast<float>(++j) + static_cast<float>(seed) / 8.0f;
        }
    }
    return s;
}

// Every field of `actual` equals the one of `expected`, to the last of four decimals.
inline void expectSameFields(const clsHesapOzeti& actual, const clsHesapOzeti& expected) {
    for (const clsHesapOzeti::Alan& a : clsHesapOzeti::Alanlar()) {
        if (a.para)
            EXPECT_EQ((actual.*a.para).raw(), (expected.*a.para).raw()) << a.sutun.toStdString();
        else
            EXPECT_EQ(actual.*a.oran, expected.*a.oran) << a.sutun.toStdString();
    }
}

}  // namespace quv::test
