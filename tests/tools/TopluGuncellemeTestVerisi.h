#pragma once

#include "../parameters/ParametreTestVerisi.h"
#include "engine/clsHesapAna.h"

#include <QList>

#include <memory>

namespace quv::test {

// Ten lira files, codes 1 to 10, each with one claim of (code x 1,000) TL from
// 1 December 2022, fixed 9 % a year, enforcement on 15 January 2023 and calculation
// date 15 January 2024, with the tariffs of 2020; attorneys 1 to 3.
class TopluGuncellemeTesti : public ParametreVeritabaniTesti {
protected:
    void SetUp() override;

    // The files that have a stored summary, in code order.
    QList<qint32> ozetiOlanlar();
    // The stored calculation date of a file.
    QString hesapTarihi(qint32 foyKodu);
    // A party (1) with one notification of the given status on 1 March 2023.
    void tebligatEkle(qint32 foyKodu, int durum);
    // The file's stored overall notification status; -1 when Null.
    int tebligatDurumu(qint32 foyKodu);

    std::unique_ptr<clsHesapAna> hesap_;
};

}  // namespace quv::test
