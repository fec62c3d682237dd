#pragma once

#include "summary/clsHesapOzeti.h"

#include <QList>
#include <QString>

namespace quv {

// The summary as people read it: the non-zero fields under Turkish captions, in five
// groups (principal, interest, fees and expenses, collections, balances).
struct HesapOzetiGrubu {
    QString baslik;
    // Caption and formatted value of each non-zero field.
    QList<std::pair<QString, QString>> satirlar;
};

QList<HesapOzetiGrubu> hesapOzetiGruplari(const clsHesapOzeti& ozet);
// The groups as plain text lines, captions padded to one column.
QString hesapOzetiMetni(const clsHesapOzeti& ozet);

}  // namespace quv
