#pragma once

#include "engine/Database.h"
#include "engine/Money.h"
#include "tools/BasitHesap.h"

#include <QString>

#include <ostream>
#include <vector>

namespace quv {

inline void PrintTo(const BasitHesapSatiri& satir, std::ostream* os) {
    *os << satir.Tutar.toDecimalString().toStdString() << " " << satir.Aciklama.toStdString();
}

}  // namespace quv

namespace quv::test {

// The tariffs in force from 2000 on, the office options and the shared rate tables
// the simple-calculator tests use:
// - fees: application 427.60, power of attorney 87.50, document 7.75, first notification
//   85, stamp on copies 3.15, file 12.25, bar stamp 44; advance fee 0.5 %, collection fee
//   4.55 % before a seizure; rounding unit 1;
// - options: file expense and advance fee added, everything else off;
// - attorney-fee scale: 12 % up to 5,000, 10 % above; minimum fee 400, no small-claim
//   ceiling;
// - rate tables (shared): 7 "Yasal Faiz" 9 % from 1.1.2022 and 24 % from 1.6.2023;
//   3 "Avans Faizi" 15.75 % from 1.1.2020 (listed twice); and 9 "Föye Özel", a table of
//   file 5 that the calculator does not offer.
void basitHesapTarifeleriniEkle(Database& db);

// The case worked out by hand in the tests: 10,000.00 at a fixed 9 % from 1.1.2023,
// 500.00 bearing no interest, enforcement on 1.3.2023, calculated on 31.12.2023 with a
// 365-day year, one debtor, fees on.
BasitHesap ornekHesap();

// Expected result lines: amount as decimal text and description.
struct BeklenenSatir {
    const char* tutar;
    const char* aciklama;
};
QList<BasitHesapSatiri> satirlar(const std::vector<BeklenenSatir>& beklenen);

// The lines of the hand-worked case with the totals shown.
QList<BasitHesapSatiri> ornekSatirlari();

}  // namespace quv::test
