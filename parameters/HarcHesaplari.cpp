// Fee roundings, the advance fee and the cost of a precautionary attachment.

#include "engine/RuntimeError.h"
#include "engine/Trap.h"
#include "parameters/YuzdeHesabi.h"
#include "parameters/clsParametreler.h"

#include <cmath>

namespace quv {

namespace {

// From this date on the advance fee is rounded to the nearest unit; before it, upwards.
const QString kPesinHarcYuvarlamaDegisikligi = QStringLiteral("20230117");

}  // namespace

Money clsParametreler::Yuvarla(Money Deger, Money tmpYuvarlamaDegeri) {
    // Money / Money raises run-time error 11 for a rounding unit of 0.
    const double kat = std::nearbyint(Deger / tmpYuvarlamaDegeri);
    if (!(std::fabs(kat) < 9.2e18))
        throw RuntimeError::overflow();
    return tmpYuvarlamaDegeri * static_cast<std::int64_t>(kat);
}

Money clsParametreler::YukariyaYuvarla(Money Deger, Money tmpYuvarlamaDegeri) {
    const Money ek = Money::fromDouble(2.0 * tmpYuvarlamaDegeri.toDouble() / 5.0);
    return Yuvarla(Deger + ek, tmpYuvarlamaDegeri);
}

Money clsParametreler::PesinHarcHesapla(Money Matrah, const QString& Tarih) const {
    return trapped<Money>(QStringLiteral("Hesap.clsParametreler.PesinHarcHesapla"), Money(), [&] {
        if (!PesinHarcEklensin)
            return Money();
        const Money harc = YuzdeTutari(Matrah, PesinHarcOrani);
        if (Tarih >= kPesinHarcYuvarlamaDegisikligi)
            return Yuvarla(harc, YuvarlamaDegeri);
        return YukariyaYuvarla(harc, YuvarlamaDegeri);
    });
}

Money clsParametreler::IhtiyatiHacizGideriHesapla(Enum_MahkemeGorevi MahkemeGorevi,
                                                  qint16 BorcluSayisi, bool HarcHesapla) const {
    return trapped<Money>(
        QStringLiteral("Hesap.clsParametreler.IhtiyatiHacizGideriHesapla"), Money(), [&] {
            Money gider;
            if (HarcHesapla)
                gider += MahkemeGorevi == E_MG_SulhHukuk ? SulhKararHarci : AHKararHarci;
            if (IHDosyaGideriEklensin)
                gider += DosyaGideri;
            if (IHTebligGideriEklensin)
                gider += (EvrakGideri + PostaPulu) * static_cast<std::int64_t>(BorcluSayisi);
            return gider;
        });
}

}  // namespace quv
