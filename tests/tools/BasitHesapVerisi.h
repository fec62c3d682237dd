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

// Tariffs from 2000: application 427.60, power of attorney 87.50, document 7.75, first
// notification 85, stamp on copies 3.15, file 12.25, bar stamp 44; advance fee 0.5 %,
// collection fee 4.55 % before a seizure; rounding unit 1. File expense and advance fee
// added. Attorney fee 12 % up to 5,000, 10 % above, minimum 400. Shared rate tables:
// 7 "Yasal Faiz" 9 % from 1.1.2022 and 24 % from 1.6.2023; 3 "Avans Faizi" 15.75 % from
// 1.1.2020 (listed twice); 9 "Föye Özel" of file 5, which the calculator does not offer.
void basitHesapTarifeleriniEkle(Database& db);

// The case worked out by hand: 10,000.00 at a fixed 9 % from 1.1.2023, 500.00 bearing no
// interest, enforcement on 1.3.2023, calculated on 31.12.2023, 365-day year, one debtor,
// fees on.
BasitHesap ornekHesap();

struct BeklenenSatir {
    const char* tutar;
    const char* aciklama;
};
QList<BasitHesapSatiri> satirlar(const std::vector<BeklenenSatir>& beklenen);

// The lines of the hand-worked case with the totals shown.
QList<BasitHesapSatiri> ornekSatirlari();

}  // namespace quv::test
