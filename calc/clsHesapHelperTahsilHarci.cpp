// Collection fee: charged on every collection after the enforcement start, up to the
// fee base, at a rate that depends on the stage of the enforcement and on the manner
// of the collection; the advance fee is used up first. At the closing the fee that
// the rest of the debt would still bear is the remaining fee.

#include "calc/HesapHelperAritmetigi.h"
#include "calc/clsHesapHelper.h"
#include "calc/clsHesapKalemi.h"
#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/SqlText.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "parameters/ParametreOkuma.h"
#include "parameters/clsParametreler.h"
#include "summary/clsHesapOzeti.h"

namespace quv {

float clsHesapHelper::GetTahsilHarciOrani(const QString& strTarih,
                                          Enum_TahsilatSekli TahsilatSekli) {
    return trapped<float>(QStringLiteral("clsHesapHelper.GetTahsilHarciOrani"), 0.0f, [&] {
        if (!harcTarihleriDenetlendi_) {
            ParametreOkuma::tarihleriDenetle("tblharclar");
            harcTarihleriDenetlendi_ = true;
        }
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral(" select a.tahsilharcorani1, tahsilharcorani2, tahsilharcorani3 from "
                           "tblharclar as a ") +
            QStringLiteral(" where a.tarih = (select max (b.tarih) ") +
            QStringLiteral(" from tblharclar b where b.tarih <= '") + SqlText::escaped(strTarih) +
            QStringLiteral("');"));
        float oran = 0.0f;
        if (!rs.eof()) {
            // Sale proceeds pay the sale rate; any other collection the rate before or
            // after the first seizure.
            const QString sutun = TahsilatSekli == E_TS_IcraSatisi
                                      ? QStringLiteral("tahsilharcorani3")
                                  : blnHacizVar ? QStringLiteral("tahsilharcorani2")
                                                : QStringLiteral("tahsilharcorani1");
            oran = toRate(modGeneral::NullKontrol(rs.value(sutun), true));
        }
        if (rs.isOpen())
            rs.close();
        return oran;
    });
}

Money clsHesapHelper::TahsilHarciHesapla(Money Tutar, float pTahsilHarciOrani,
                                         Enum_TahsilatSekli TahsilatSekli, Money HarcaEsasDeger,
                                         Money TakiptenSonrakiToplamTahsilat) {
    return trapped<Money>(QStringLiteral("Hesap.clsHesapHelper.TahsilHarciHesapla"), Money(), [&] {
        // The part of a collection above the fee base bears no fee.
        Money matrah = Tutar;
        if (Tutar + TakiptenSonrakiToplamTahsilat > HarcaEsasDeger) {
            matrah = HarcaEsasDeger - TakiptenSonrakiToplamTahsilat;
            if (matrah < Money())
                matrah = Money();
        }
        float carpan = 0.0f;
        switch (TahsilatSekli) {
            case E_TS_IcradanAlinan:
            case E_TS_IcrayaYatan:
            case E_TS_GayrimenkulAlimi:
            case E_TS_MenkulAlimi:
            case E_TS_IcraSatisi:
                carpan = pTahsilHarciOrani / 100.0f;
                break;
            case E_TS_SubeyeHesabaYatan:
            case E_TS_CekSenetTahsili:
            case E_TS_EldenYapilan:
            case E_TS_AvBankayaYatan:
            case E_TS_MuvekkileOdenen:
            case E_TS_POS:
            case E_TS_PostaCeki:
            case E_TS_Barokart:
                carpan = pTahsilHarciOrani / 100.0f / 2.0f;
                break;
            default:
                return Money();
        }
        const Money harc = Money::fromDouble(matrah.toDouble() * static_cast<double>(carpan));
        return clsParametreler::Yuvarla(harc, hesap::kKurus);
    });
}

void clsHesapHelper::PesinHarcaMahsupEt(Money TahsilHarci) {
    const Money pesin = ozet().PesinHarc;
    Money& kullanilan = tmpTahsilHarci_PesinHarcaMahsupEdilen;
    if (kullanilan < pesin) {
        if (kullanilan + TahsilHarci > pesin) {
            MasrafBakiyesi_TL += kullanilan + TahsilHarci - pesin;
            kullanilan = pesin;
        } else {
            kullanilan += TahsilHarci;
        }
    } else {
        MasrafBakiyesi_TL += TahsilHarci;
    }
}

void clsHesapHelper::HandleTahsilHarci(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.HandleTahsilHarci"), [&] {
        clsFoyBilgileri& f = foy();
        if (!f.TahsilHarciHesapla)
            return;
        clsHesapOzeti& o = f.HesapOzeti();
        const float oran =
            GetTahsilHarciOrani(CurrentHesapKalemi.Tarih, CurrentHesapKalemi.TahsilatSekli);
        const Money tutar = CurrentHesapKalemi.Tutar * CurrentHesapKalemi.Kur;
        const Money esas =
            o.HarcaEsasDeger + f.SonrakiAlacaklar().MatrahaDahilOlanSonrakiAlacakToplami;
        // The collections so far do not include this one yet.
        tmpTahsilHarci = TahsilHarciHesapla(tutar, oran, CurrentHesapKalemi.TahsilatSekli, esas,
                                            o.TakipSonrasiToplamTahsilat_TL);
        PesinHarcaMahsupEt(tmpTahsilHarci);
        o.TahsilHarci_Odenen += tmpTahsilHarci;
    });
}

void clsHesapHelper::KalanTahsilHarciHesapla(const clsHesapKalemi& CurrentHesapKalemi) {
    clsFoyBilgileri& f = foy();
    clsHesapOzeti& o = f.HesapOzeti();
    const Money esas = o.HarcaEsasDeger + f.SonrakiAlacaklar().MatrahaDahilOlanSonrakiAlacakToplami;
    Money kalan = esas - o.TakipSonrasiToplamTahsilat_TL;
    if (kalan < Money())
        kalan = Money();
    if (!(f.TahsilHarciHesapla && f.BorcluTahsilHarciHesapla &&
          f.KalanTahsilHarciHesaplamaSekli != E_KTHS_Hesaplama))
        return;
    // The rest is charged as a collection by seizure, never at the sale rate: at the
    // full rate as if paid into the office, or at half as if paid by hand.
    const float oran = GetTahsilHarciOrani(CurrentHesapKalemi.Tarih, E_TS_EldenYapilan);
    const Enum_TahsilatSekli sekil =
        f.KalanTahsilHarciHesaplamaSekli == E_KTHS_Elden ? E_TS_EldenYapilan : E_TS_IcradanAlinan;
    tmpTahsilHarci = TahsilHarciHesapla(kalan, oran, sekil, esas, o.TakipSonrasiToplamTahsilat_TL);
    PesinHarcaMahsupEt(tmpTahsilHarci);
    o.TahsilHarci_Kalan = tmpTahsilHarci;
}

}  // namespace quv
