#include "summary/clsUYAPBakiyeleri.h"

namespace quv {

namespace {

// amount × rate / divisor converted to money, then rounded to the cent half to even.
Money taxPart(Money amount, float rate, double divisor) {
    return Money::fromDouble(amount.toDouble() * static_cast<double>(rate) / divisor).roundTo2();
}

}  // namespace

qint16 clsUYAPBakiyeleri::TahsilatiFaizVeFerilerineMahsupEt(Money& TahsilatTutari,
                                                            Money& FaizeMahsupEdilen,
                                                            Money& MasrafaMahsupEdilen,
                                                            float BSMVOrani, float KDVOrani) {
    FaizeMahsupEdilen = Money();
    MasrafaMahsupEdilen = Money();
    const Money toplam = FaizBakiyesi + BSMVBakiyesi + KDVBakiyesi;

    if (TahsilatTutari < toplam) {
        const double oranToplami =
            static_cast<double>(BSMVOrani) + 100.0 + static_cast<double>(KDVOrani);
        const Money kdv = taxPart(TahsilatTutari, KDVOrani, oranToplami);
        const Money bsmv = taxPart(TahsilatTutari, BSMVOrani, oranToplami);
        MasrafaMahsupEdilen = bsmv + kdv;
        FaizeMahsupEdilen = TahsilatTutari - MasrafaMahsupEdilen;
        FaizBakiyesi -= FaizeMahsupEdilen;
        BSMVBakiyesi -= bsmv;
        KDVBakiyesi -= kdv;
        TahsilatTutari = Money();
        return 2;
    }

    // Interest and taxes are paid in full; what is left goes to the principal.
    const qint16 sonuc = TahsilatTutari > toplam ? 1 : 0;
    FaizeMahsupEdilen = FaizBakiyesi;
    MasrafaMahsupEdilen = BSMVBakiyesi + KDVBakiyesi;
    TahsilatTutari = TahsilatTutari - toplam;
    FaizBakiyesi = Money();
    BSMVBakiyesi = Money();
    KDVBakiyesi = Money();
    return sonuc;
}

}  // namespace quv
