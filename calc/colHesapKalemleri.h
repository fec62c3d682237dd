#pragma once

#include "calc/clsHesapKalemi.h"
#include "engine/Collection.h"

#include <memory>

namespace quv {

// The timeline of a file: calculation items, 1-based, replayed in list order.
class colHesapKalemleri : public Collection<clsHesapKalemi> {
public:
    using Collection<clsHesapKalemi>::Add;

    // Appends a new item with every property given and returns it.
    clsHesapKalemi& Add(Enum_KalemTipi KalemTipi, const QString& Tarih, qint32 ItemIndex = 0,
                        Money Tutar = Money(), quint8 Doviz = 1,
                        Money Kur = Money::fromRaw(Money::Scale), quint8 AlacakDoviz = 1,
                        Money AlacakKur = Money::fromRaw(Money::Scale), float Oran = 0.0f,
                        Enum_TahsilatSekli TahsilatSekli = E_TS_EldenYapilan,
                        qint16 TahsilatKodu = 0, Money BirikmisFaiz = Money(),
                        Enum_TahsilatMahsupSirasi MahsupSirasi = E_TMS_BorcAslindan);

    // Inserts an existing item before the 1-based position Before; -1 appends.
    clsHesapKalemi& AddKalem(std::shared_ptr<clsHesapKalemi> YeniKalem, int Before = -1);

    // Removes every item of the kind.
    void RemoveByKalemTipi(Enum_KalemTipi KalemTipi);
};

// The timeline in replay order: ascending SiralamaSahasi, items with equal keys in
// their original order. The sorted list takes over the items of the given one.
colHesapKalemleri HesapKalemleriniSirala(colHesapKalemleri HesapKalemleri);

}  // namespace quv
