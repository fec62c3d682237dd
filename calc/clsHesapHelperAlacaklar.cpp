// Claim starts: a claim, an alimony instalment, the severance claim, a TODA claim or
// a later claim enters the calculation and starts bearing interest.

#include "calc/HesapHelperAritmetigi.h"
#include "calc/clsHesapHelper.h"
#include "calc/clsHesapKalemi.h"
#include "engine/NumberFormat.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "parameters/clsParametreler.h"
#include "summary/clsHesapOzeti.h"
#include "summary/clsUYAPBakiyeleri.h"

namespace quv {

void clsHesapHelper::FaizOraniBelirsizMesaji(const clsHesapKalemi& CurrentHesapKalemi,
                                             const QString& metin) {
    clsFoyBilgileri& f = foy();
    f.Mesaj += shared().dates().display(CurrentHesapKalemi.Tarih) + QStringLiteral(" tarihli ve ") +
               formatNumber(CurrentHesapKalemi.Tutar, FormatMoney) + f.ParaBirimiSimgesi + metin +
               QStringLiteral("\r\n");
}

void clsHesapHelper::IlkKademeyiAc(clsAlacakKalemi& Alacak,
                                   const clsHesapKalemi& CurrentHesapKalemi) {
    KademeliFaizKalemiEkle(Alacak, CurrentHesapKalemi, Money());
}

void clsHesapHelper::Handle_Alacak(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_Alacak"), [&] {
        clsFoyBilgileri& f = foy();
        clsHesapOzeti& o = f.HesapOzeti();
        clsAlacakKalemi& alacak = f.Alacaklar().Item(CurrentHesapKalemi.ItemIndex);
        if (alacak.GecerliFaizOrani == 0.0f && !blnNafakaAlacagi)
            FaizOraniBelirsizMesaji(
                CurrentHesapKalemi,
                QStringLiteral(
                    " tutarlı alacağın faiz başlangıç tarihinde faiz oranı belirsizdir."));
        // A claim that starts after the enforcement start is not part of the debt.
        if (blnTakiptenSonra)
            return;

        o.BorcAsli += CurrentHesapKalemi.Tutar + alacak.FaizIslemeyecekTutar;
        alacak.FaizIslemeyecekTutarBakiyesi = alacak.FaizIslemeyecekTutar;
        FaizIslemeyecekTutarBakiyesi += alacak.FaizIslemeyecekTutar;
        AsilAlacakBakiyesi += CurrentHesapKalemi.Tutar;

        // Interest accrued before the file was taken over, less the discount.
        if (alacak.BirikmisFaiz > Money()) {
            const Money birikmis = Money::fromDoubleToCents(alacak.BirikmisFaiz.toDouble() *
                                                            (1.0 - f.FaizIndirimOrani));
            const Money bsmv = hesap::yuzdeKurusa(birikmis, f.BSMVOrani);
            const Money kdv = hesap::yuzdeKurusa(birikmis, tmpKDVOrani);
            // The claim's own interest starts with the discounted amount; the value the
            // claim was prepared with is the undiscounted one and is replaced, so that it
            // is not counted twice.
            alacak.IslemisFaiz = birikmis;
            FaizBakiyesi_Doviz += birikmis;
            o.IslemisFaiz_AsilAlacak += birikmis;
            o.BSMVIslemisFaiz += bsmv;
            o.KDVIslemisFaiz += kdv;
            MasrafBakiyesi_Doviz += bsmv + kdv;
            clsUYAPBakiyeleri& uyap = alacak.UyapBakiyeleri();
            uyap.FaizBakiyesi = birikmis;
            uyap.BSMVBakiyesi += bsmv;
            uyap.KDVBakiyesi += kdv;
        }

        // Interest runs from the start. Alimony instalments have their own interest
        // start (the alimony interest-start item), before enforcement as after it.
        if (!blnNafakaAlacagi)
            alacak.SonIslemTarihi = CurrentHesapKalemi.Tarih;
        if (!(blnNafakaAlacagi && !parametreler().NafakayaFaizHesaplansin))
            IlkKademeyiAc(alacak, CurrentHesapKalemi);
    });
}

void clsHesapHelper::Handle_IsleyenNafaka(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_IsleyenNafaka"), [&] {
        clsFoyBilgileri& f = foy();
        clsAlacakKalemi& alacak = f.Alacaklar().Item(CurrentHesapKalemi.ItemIndex);
        if (alacak.GecerliFaizOrani == 0.0f)
            FaizOraniBelirsizMesaji(CurrentHesapKalemi,
                                    QStringLiteral(" tutarlı alacağın (Nafaka) faiz başlangıç "
                                                   "tarihinde faiz oranı belirsizdir."));
        // Instalments falling due after the enforcement start are added to the debt.
        if (!blnTakiptenSonra)
            return;
        f.HesapOzeti().EklenenNafaka += CurrentHesapKalemi.Tutar;
        AsilAlacakBakiyesi += CurrentHesapKalemi.Tutar;
        if (parametreler().NafakayaFaizHesaplansin)
            IlkKademeyiAc(alacak, CurrentHesapKalemi);
    });
}

void clsHesapHelper::Handle_NafakaFaizBaslangici(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_NafakaFaizBaslangici"), [&] {
        clsAlacakKalemi& alacak = foy().Alacaklar().Item(CurrentHesapKalemi.ItemIndex);
        alacak.SonIslemTarihi = CurrentHesapKalemi.Tarih;
        if (!(blnNafakaAlacagi && !parametreler().NafakayaFaizHesaplansin))
            IlkKademeyiAc(alacak, CurrentHesapKalemi);
    });
}

void clsHesapHelper::Handle_KidemTazminati(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_KidemTazminati"), [&] {
        clsFoyBilgileri& f = foy();
        if (!f.KidemTazminatiKalemi)
            return;
        clsAlacakKalemi& alacak = *f.KidemTazminatiKalemi;
        if (alacak.GecerliFaizOrani == 0.0f)
            FaizOraniBelirsizMesaji(CurrentHesapKalemi,
                                    QStringLiteral(" tutarlı 'Kıdem Tazminatı' alacağın faiz "
                                                   "başlangıç tarihinde faiz oranı belirsizdir."));
        if (blnTakiptenSonra)
            return;
        f.HesapOzeti().BorcAsli += CurrentHesapKalemi.Tutar;
        KidemTazminatiBakiyesi = CurrentHesapKalemi.Tutar;
        alacak.SonIslemTarihi = CurrentHesapKalemi.Tarih;
        IlkKademeyiAc(alacak, CurrentHesapKalemi);
    });
}

void clsHesapHelper::Handle_FaizIsleyecekTODA(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_FaizIsleyecekTODA"), [&] {
        clsAlacakKalemi& alacak = foy().TODAs().Item(CurrentHesapKalemi.ItemIndex);
        if (alacak.GecerliFaizOrani == 0.0f)
            FaizOraniBelirsizMesaji(CurrentHesapKalemi,
                                    QStringLiteral(" tutarlı alacağın('") + alacak.AlacakAdi +
                                        QStringLiteral("') faiz başlangıç tarihinde faiz oranı "
                                                       "belirsizdir."));
        if (blnTakiptenSonra)
            return;
        FaizIsleyenTODABakiyesi += CurrentHesapKalemi.Tutar;
        alacak.SonIslemTarihi = CurrentHesapKalemi.Tarih;
        IlkKademeyiAc(alacak, CurrentHesapKalemi);
    });
}

void clsHesapHelper::Handle_SonrakiAlacak(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_SonrakiAlacak"), [&] {
        clsFoyBilgileri& f = foy();
        clsAlacakKalemi& alacak = f.SonrakiAlacaklar().Item(CurrentHesapKalemi.ItemIndex);
        if (alacak.GecerliFaizOrani == 0.0f)
            FaizOraniBelirsizMesaji(CurrentHesapKalemi,
                                    QStringLiteral(" tutarlı alacağın (") + alacak.AlacakAdi +
                                        QStringLiteral(") faiz başlangıç tarihinde faiz oranı "
                                                       "belirsizdir."));
        if (!blnTakiptenSonra)
            return;
        f.HesapOzeti().SonrakiAlacak += CurrentHesapKalemi.Tutar;
        SonrakiAlacakBakiyesi += CurrentHesapKalemi.Tutar;
        alacak.SonIslemTarihi = CurrentHesapKalemi.Tarih;
        IlkKademeyiAc(alacak, CurrentHesapKalemi);
    });
}

}  // namespace quv
