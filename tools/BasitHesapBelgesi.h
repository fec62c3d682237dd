#pragma once

#include "ui/Document.h"
#include "tools/BasitHesap.h"

#include <QDateTime>

namespace quv {

// The printed statement of the simple calculator ("HESAP DÖKÜMÜ" with the printing
// time): the amounts right-aligned beside their descriptions.
Document basitHesapBelgesi(const QList<BasitHesapSatiri>& satirlar, const QDateTime& an);

}  // namespace quv
