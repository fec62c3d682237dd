#pragma once

#include "tools/BasitHesap.h"

#include <QList>
#include <QString>

namespace quv {

// The result lines of the simple calculator as a spreadsheet: the heads "Tutar" and
// "Açıklama" bold on grey in the first row, then one row per line (the amount as a
// number in the first column, the description in the second), the balance and the
// amount at the enforcement start bold, the columns as wide as their contents.
// Returns false with the reason in `hata` when the file cannot be written.
bool BasitHesapExcelYaz(const QList<BasitHesapSatiri>& satirlar, const QString& dosya,
                        QString* hata = nullptr);

}  // namespace quv
