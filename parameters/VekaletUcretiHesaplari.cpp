// The parts of the attorney-fee computations that depend only on the parameters.

#include "engine/RuntimeError.h"
#include "parameters/YuzdeHesabi.h"
#include "parameters/clsParametreler.h"

namespace quv {

Money clsParametreler::KademeliVekaletUcreti(Money Tutar) const {
    const qint16 sayi = VekaletUcretiAralikSayisi();
    if (sayi == 0)
        throw RuntimeError::subscriptOutOfRange();  // no scale in force
    Money ucret;
    Money oncekiSinir;
    qint16 i = 1;
    for (; i <= sayi; ++i) {
        const T_VekaletUcretiAraligi& aralik = VekaletUcretiAraligi(i);
        if (aralik.Deger >= Tutar)
            break;
        ucret += YuzdeTutari(aralik.Deger - oncekiSinir, aralik.Oran);
        oncekiSinir = aralik.Deger;
    }
    // The bracket that holds the amount charges up to the amount; an amount beyond the
    // last bound pays the last bracket's rate on the excess.
    const T_VekaletUcretiAraligi& son = VekaletUcretiAraligi(i <= sayi ? i : sayi);
    ucret += YuzdeTutari(Tutar - oncekiSinir, son.Oran);
    return ucret;
}

Money clsParametreler::TabanVekaletUcretineYukselt(Money Ucret) const {
    return Ucret < TabanVekaletUcreti ? TabanVekaletUcreti : Ucret;
}

Money clsParametreler::TarifeVekaletUcreti(Money Tutar) const {
    return TabanVekaletUcretineYukselt(KademeliVekaletUcreti(Tutar));
}

Money clsParametreler::KucukAlacakVekaletUcreti(Money Ucret, Money Tutar, Money BorcAsli) const {
    if (MinVekaletUcretiTavani > Money() && BorcAsli <= MinVekaletUcretiTavani) {
        if (BorcAsli < TabanVekaletUcreti)
            return BorcAsli;
        if (Tutar < TabanVekaletUcreti)
            return TabanVekaletUcreti;
    }
    return Ucret;
}

bool clsParametreler::DortteUcVekaletUcretiUygulanir(const QString& TakipTarihi,
                                                     const QString& GununTarihi,
                                                     const QString& EnErkenSonOdemeTarihi) const {
    return DortteUcVekaletUcreti && DortteUcVekaletUcretiBaslamaTarihi <= TakipTarihi &&
           !EnErkenSonOdemeTarihi.isEmpty() && GununTarihi <= EnErkenSonOdemeTarihi;
}

Money clsParametreler::IHVekaletUcretiTutari(Money BorcAsli_TL) const {
    if (BorcAsli_TL < IHDeger)
        return YuzdeTutari(BorcAsli_TL, IHAltOran);
    return IHUstDeger;
}

Money clsParametreler::VekaletUcretiKDVHesapla(Money Ucret, const QString& Tarih) {
    if (!VekaletUcretlerineKDVeklensin)
        return Money();
    KDVOraniYukle(Tarih, false);
    return YuzdeTutari(Ucret, KDVOrani);
}

}  // namespace quv
