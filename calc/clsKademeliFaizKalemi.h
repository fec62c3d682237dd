#pragma once

#include "calc/Enumerations.h"
#include "engine/Money.h"

#include <QString>

namespace quv {

// One period of a claim's tiered interest: from the event that opened it to the
// event that closed it, at one rate on one principal.
class clsKademeliFaizKalemi {
public:
    QString BaslangicTarihi;
    // Empty while the period is open.
    QString BitisTarihi;
    // Kinds of the events that opened and closed the period (0 while unknown).
    Enum_KalemTipi BaslamaKaynak{};
    Enum_KalemTipi BitisKaynak{};
    qint32 Gunsayisi = 0;
    // The claim's rate of the period, before any discount.
    float Oran = 0.0f;
    Money AsilAlacakTutari;
    // Interest of the period.
    Money Tutar;
    bool TakiptenSonra = false;
    QString Aciklama;

    // "Faiz başlangıç tarihinden takip tarihine kadar." and so on: a phrase for the
    // opening event and one for the closing event.
    QString DefaultAciklama() const;
    // The description a statement prints: the line's own, or else the built one.
    QString AciklamaMetni() const { return Aciklama.isEmpty() ? DefaultAciklama() : Aciklama; }
};

}  // namespace quv
