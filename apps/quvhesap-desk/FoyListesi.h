#pragma once

#include "engine/Database.h"
#include "engine/Money.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace quv::desk {

// One line of the file list: the file's head data, its debtors' names and its stored
// current balance.
struct FoySatiri {
    qint32 FoyKodu = 0;
    // "Ad Soyad" of every debtor in the order of their party code.
    QStringList Borclular;
    // The creditor's code: the host tables keep no creditor name.
    qint32 AlacakliKodu = 0;
    QString TakipTarihi;
    QString HesapTarihi;
    qint32 AlacakTipi = 0;
    qint32 DosyaSonucu = 0;
    // tblfoy_hesap.bakiye_guncel_tl; none when the file has no stored summary.
    std::optional<Money> BakiyeGuncelTL;
};

// Every file of tblfoy in the order of its code, or only the given file.
QList<FoySatiri> foyListesiniOku(Database& db, std::optional<qint32> yalnizFoy = std::nullopt);

// A text folded for a case-insensitive search by the Turkish rules: "I" is the capital
// of "ı" and "İ" that of "i".
QString aramaIcinKatla(const QString& metin);

// True when every word of the search text is the start of the file's code or a part
// of one of its debtors' names, without regard to Turkish case; an empty search fits
// every file.
bool aramayaUyar(qint32 FoyKodu, const QStringList& borclular, const QString& arama);

}  // namespace quv::desk
