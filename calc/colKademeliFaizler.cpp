#include "calc/colKademeliFaizler.h"

#include "engine/modGeneral.h"

#include <memory>
#include <utility>

namespace quv {

clsKademeliFaizKalemi& colKademeliFaizler::Add(const QString& BaslangicTarihi,
                                               const QString& BitisTarihi, Money Tutar, float Oran,
                                               const QString& Aciklama, Money AsilAlacakTutari,
                                               qint32 Gunsayisi, const QString& sKey) {
    auto kalem = std::make_shared<clsKademeliFaizKalemi>();
    kalem->BaslangicTarihi = BaslangicTarihi;
    kalem->BitisTarihi = BitisTarihi;
    kalem->Tutar = Tutar;
    kalem->Oran = Oran;
    kalem->Aciklama = Aciklama;
    kalem->AsilAlacakTutari = AsilAlacakTutari;
    kalem->Gunsayisi = Gunsayisi;
    return Add(std::move(kalem), sKey);
}

Money colKademeliFaizler::TakipTarihineKadarOlanToplam() const {
    Money toplam;
    for (const clsKademeliFaizKalemi& kalem : *this) {
        toplam += kalem.Tutar;
        if (kalem.BitisKaynak == E_KT_TakipTarihi)
            return toplam;
    }
    return Money();
}

void colKademeliFaizler::TahsilatKalemleriniBirlestir() {
    // A collection that paid nothing off the principal leaves principal and rate as
    // they were: the two periods around it read as one. After a merge the joined
    // period is compared with its new neighbour; the pairs before it cannot change.
    for (int i = 1; i < Count();) {
        clsKademeliFaizKalemi& onceki = Item(i);
        const clsKademeliFaizKalemi& sonraki = Item(i + 1);
        if (onceki.BitisKaynak == E_KT_Tahsilat && sonraki.BaslamaKaynak == E_KT_Tahsilat &&
            onceki.AsilAlacakTutari == sonraki.AsilAlacakTutari && onceki.Oran == sonraki.Oran) {
            onceki.BitisTarihi = sonraki.BitisTarihi;
            onceki.BitisKaynak = sonraki.BitisKaynak;
            onceki.Gunsayisi = modGeneral::GunSayisiBul(onceki.BaslangicTarihi, onceki.BitisTarihi);
            onceki.Tutar += sonraki.Tutar;
            Remove(i + 1);
        } else {
            ++i;
        }
    }
    // Periods without interest are left out.
    for (int i = Count(); i >= 1; --i)
        if (Item(i).Tutar <= Money())
            Remove(i);
}

}  // namespace quv
