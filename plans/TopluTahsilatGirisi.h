#pragma once

#include "plans/OdemePlaniDenetimleri.h"
#include "plans/OdemePlaniGirdileri.h"

#include <QList>
#include <QString>

namespace quv {

// A run of equal, evenly spaced instalments for the manual plan (the bulk entry of the
// manual grid): the entries, their check and the rows they give.
struct TopluTahsilatGirisi {
    // The working copy's calculation date.
    QString HesapTarihi;
    Money Tutar;
    qint16 TekrarSayisi = 0;
    QString IlkTarih;
    qint16 Periyot = 1;
    // Months or days.
    Enum_SureTipi PeriyotTipi = E_ST_Ay;
    // "İcrada" 1 or "Elden" 7.
    qint16 TahsilatSekli = E_TS_IcradanAlinan;

    // The entries in order; the first failure gives its message and the input to focus.
    Denetim Denetle() const;
    // One row per instalment: the first date stepped (k - 1) periods from the first one.
    QList<ManuelTahsilat> Satirlar() const;
};

}  // namespace quv
