// The manual plan: the user's dated amounts and the balance they leave.

#include "engine/NumberFormat.h"
#include "file/clsFoyBilgileri.h"
#include "file/colTahsilatlar.h"
#include "plans/OdemePlaniHesabi.h"
#include "summary/clsHesapOzeti.h"

namespace quv {

QString OdemePlaniHesabi::BakiyeMetni() const {
    if (!KalanBakiye)
        return QString();
    if (*KalanBakiye < Money())
        return QStringLiteral("-") + formatNumber(-*KalanBakiye, FormatMoneyZero);
    return formatNumber(*KalanBakiye, FormatMoneyZero);
}

bool OdemePlaniHesabi::ManuelHesap() {
    return denemeli(QStringLiteral("frmOdemePlani.ManuelHesap"), [&] {
        manuelHesap();
        return true;
    });
}

void OdemePlaniHesabi::manuelHesap() {
    clsFoyBilgileri& foy = *Wizardfoy;
    const clsHesapOzeti& ozet = foy.HesapOzeti();
    ilkEklenenNoyuSakla();
    Money odenen;
    ManuelTahsilat* sonSatir = nullptr;
    for (ManuelTahsilat& satir : Manuel.Satirlar) {
        if (satir.bosmu())
            continue;
        denemeTahsilatiEkle(satir.Tutar, satir.Tarih, satir.TahsilatSekli);
        odenen += satir.Tutar;
        sonSatir = &satir;
    }
    ToplamOdenen = odenen;
    if (Ayarlar.FaizIsletme) {
        // Without interest the balance of the calculation date is simply reduced.
        KalanBakiye = ozet.Bakiye_TL - odenen;
        return;
    }
    yenidenHesapla(QString(), true);
    if (ozet.Bakiye_TL >= Money() && Manuel.KalanBakiyeyiSonTaksideEkle && sonSatir) {
        sonSatir->Tutar += ozet.Bakiye_TL;
        KalanBakiye.reset();
    } else {
        KalanBakiye = ozet.Bakiye_TL;
    }
    if (ozet.FazlaTahsilat > Money()) {
        KalanBakiye = -ozet.FazlaTahsilat;
    }
}

}  // namespace quv
