#pragma once

#include "calc/Enumerations.h"
#include "engine/Money.h"

#include <QString>

namespace quv {

// One event of the calculation timeline: what happens (KalemTipi), when (Tarih), to
// which source record (ItemIndex) and with which amount, currencies and rates.
class clsHesapKalemi {
public:
    Enum_KalemTipi KalemTipi = E_KT_Alacak;
    QString Tarih;
    // 1-based position of the source record in its collection (claim, later claim,
    // TODA claim, collection); 0 when the item has none.
    qint32 ItemIndex = 0;
    Money Tutar;
    quint8 Doviz = 1;
    Money Kur = Money::fromRaw(Money::Scale);
    quint8 AlacakDoviz = 1;
    Money AlacakKur = Money::fromRaw(Money::Scale);
    float Oran = 0.0f;
    Enum_TahsilatSekli TahsilatSekli = E_TS_EldenYapilan;
    qint16 TahsilatKodu = 0;
    Money BirikmisFaiz;
    Enum_TahsilatMahsupSirasi MahsupSirasi = E_TMS_BorcAslindan;

    // The sort key: the date followed by the kind as three digits ("20150302019"),
    // so that one date's items run in ascending kind; an undated item sorts first.
    QString SiralamaSahasi() const;
    // The same key written at the end of `hedef` (many keys in one text).
    void SiralamaSahasiniEkle(QString& hedef) const;

    // Restores every default.
    void Init();
};

}  // namespace quv
