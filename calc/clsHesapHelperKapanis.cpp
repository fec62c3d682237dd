// The commitment date and the closing at the calculation date, which sums the
// balances up into the summary.

#include "calc/clsHesapHelper.h"
#include "calc/clsHesapKalemi.h"
#include "engine/Trap.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "summary/clsHesapOzeti.h"

namespace quv {

void clsHesapHelper::Handle_TaahhutteBulunmaTarihi(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_TaahhutteBulunmaTarihi"), [&] {
        AlacaklaraBelirliTariheKadarFaizHesapla(CurrentHesapKalemi);
        // The interest after the enforcement start reached on the day the debtor
        // commits to a payment plan.
        clsFoyBilgileri& f = foy();
        const clsHesapOzeti& o = f.HesapOzeti();
        f.TaahhutTarihindeFaizTutari_AsilAlacak =
            o.SonrakiFaiz_AsilAlacak + o.SonrakiFaiz_DigerIsciAlacagi + o.SonrakiFaiz_Kidem;
        f.TaahhutTarihindeFaizTutari_TODA = o.SonrakiFaiz_TODA;
        f.TaahhutTarihindeFaizTutari_SonrakiAlacak = o.SonrakiFaiz_SonrakiAlacak;
    });
}

void clsHesapHelper::Handle_GununTarihi(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_GununTarihi"), [&] {
        clsFoyBilgileri& f = foy();
        clsHesapOzeti& o = f.HesapOzeti();

        AlacaklaraBelirliTariheKadarFaizHesapla(CurrentHesapKalemi);

        if (blnTakiptenSonra) {
            KalanTahsilHarciHesapla(CurrentHesapKalemi);
        } else {
            // A file that never reached its enforcement start.
            MasrafBakiyesi_TL += f.TODAs().FaizsizTODAlarinToplami;
            f.TakipTarihindeFaizOrani = f.Alacaklar().GetMaxGecerliFaizOrani();
            if (f.KidemTazminatiKalemi)
                f.TakipTarihindeKidemFaizOrani = f.KidemTazminatiKalemi->GecerliFaizOrani;
        }

        if (f.ParaBirimiKodu != 1) {
            o.Bakiye_TL = FaizIsleyenTODABakiyesi + FaizBakiyesi_TL + MasrafBakiyesi_TL +
                          SonrakiAlacakBakiyesi + VekaletUcretiBakiyesi;
            o.Bakiye_Doviz = AsilAlacakBakiyesi + FaizBakiyesi_Doviz + MasrafBakiyesi_Doviz +
                             KidemTazminatiBakiyesi + FaizIslemeyecekTutarBakiyesi;
        } else {
            o.Bakiye_TL = FaizIsleyenTODABakiyesi + FaizBakiyesi_TL + MasrafBakiyesi_TL +
                          SonrakiAlacakBakiyesi + VekaletUcretiBakiyesi + AsilAlacakBakiyesi +
                          FaizBakiyesi_Doviz + MasrafBakiyesi_Doviz + KidemTazminatiBakiyesi +
                          FaizIslemeyecekTutarBakiyesi;
            // The interest totals add groups held in lira and in the debt currency, so
            // they are only formed when both are lira.
            o.IslemisFaiz = o.IslemisFaiz_AsilAlacak + o.IslemisFaiz_TODA +
                            o.IslemisFaiz_DigerIsciAlacagi + o.IslemisFaiz_Kidem;
            o.SonrakiFaiz = o.SonrakiFaiz_AsilAlacak + o.SonrakiFaiz_TODA +
                            o.SonrakiFaiz_DigerIsciAlacagi + o.SonrakiFaiz_Kidem +
                            o.SonrakiFaiz_SonrakiAlacak;
        }
        o.BakiyeGuncelTL = o.Bakiye_TL + o.Bakiye_Doviz * f.GununKuru;

        f.CurrentFaizOrani = f.Alacaklar().GetMaxGecerliFaizOrani();
        o.GuncelFaizOrani = f.CurrentFaizOrani;
        if (f.KidemTazminatiKalemi) {
            f.CurrentKidemFaizOrani = f.KidemTazminatiKalemi->GecerliFaizOrani;
            o.GuncelKidemFaizOrani = f.CurrentKidemFaizOrani;
        }
    });
}

}  // namespace quv
