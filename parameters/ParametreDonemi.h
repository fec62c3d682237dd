#pragma once

#include "engine/TextDate.h"

#include <QString>

namespace quv {

// True when a loaded group's validity period [begin, end) contains the date. An empty
// begin date means that nothing is loaded. Dates compare as text.
inline bool DonemIcinde(const QString& baslangic, const QString& bitis, const QString& tarih) {
    return !baslangic.isEmpty() && baslangic <= tarih && tarih < bitis;
}

// The validity period of the row a parameter group was loaded from: its own date and
// the date of the next later row ("99991231" when there is none).
struct ParametreDonemi {
    QString Baslangic;
    QString Bitis;

    bool Yuklu() const { return !Baslangic.isEmpty(); }
    bool Icinde(const QString& tarih) const { return DonemIcinde(Baslangic, Bitis, tarih); }
    void Bosalt() {
        Baslangic.clear();
        Bitis.clear();
    }
};

}  // namespace quv
