#pragma once

#include "engine/Database.h"
#include "engine/Money.h"

#include <QList>
#include <QString>

#include <optional>

namespace quv::desk {

// One line of the file list: the file's head data and its stored current balance.
struct FoySatiri {
    qint32 FoyKodu = 0;
    QString TakipTarihi;
    QString HesapTarihi;
    qint32 AlacakTipi = 0;
    qint32 DosyaSonucu = 0;
    // tblfoy_hesap.bakiye_guncel_tl; none when the file has no stored summary.
    std::optional<Money> BakiyeGuncelTL;
};

// Every file of tblfoy in the order of its code, or only the given file.
QList<FoySatiri> foyListesiniOku(Database& db, std::optional<qint32> yalnizFoy = std::nullopt);

}  // namespace quv::desk
