// Interest accrual: simple interest per claim from its last processing date to the
// date of the replayed item, rate changes, and the tiered-interest lines.

#include "calc/HesapHelperAritmetigi.h"
#include "calc/clsHesapHelper.h"
#include "calc/clsHesapKalemi.h"
#include "calc/colKademeliFaizler.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/modGeneral.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "parameters/clsParametreler.h"
#include "summary/clsHesapOzeti.h"
#include "summary/clsUYAPBakiyeleri.h"

namespace quv {

Money clsHesapHelper::FaizHesapla(const QString& BaslangicTarihi, const QString& BitisTarihi,
                                  Money Tutar, float Oran) {
    return trapped<Money>(QStringLiteral("Hesap.clsHesapHelper.FaizHesapla"), Money(), [&] {
        if (BaslangicTarihi.isEmpty() || BitisTarihi.isEmpty())
            return Money();
        const DateService& tarihler = shared().dates();
        const qint64 gun = tarihler.toDate(BaslangicTarihi).daysTo(tarihler.toDate(BitisTarihi));
        if (!(Tutar > Money() && gun >= 1))
            return Money();
        // A setting of 1 counts the year as 360 days, anything else as 365.
        const double bolen = foy().FaizYildakiGunSayisi == 1 ? 36000.0 : 36500.0;
        const double faiz =
            Tutar.toDouble() / bolen * static_cast<double>(gun) * static_cast<double>(Oran);
        return Money::fromDouble(faiz).roundTo2();
    });
}

Money clsHesapHelper::IndirimliFaiz(const clsAlacakKalemi& Alacak,
                                    const clsHesapKalemi& CurrentHesapKalemi) {
    // The discount lowers the rate; the rate is kept as a single like every rate.
    const float oran = static_cast<float>((1.0 - foy().FaizIndirimOrani) *
                                          static_cast<double>(Alacak.GecerliFaizOrani));
    return FaizHesapla(Alacak.SonIslemTarihi, CurrentHesapKalemi.Tarih, Alacak.AsilAlacakBakiyesi,
                       oran);
}

void clsHesapHelper::TarihIcinGuncelle_AsilAlacak(clsAlacakKalemi& Alacak,
                                                  const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.TarihIcinGuncelle_AsilAlacak"), [&] {
        clsFoyBilgileri& f = foy();
        clsHesapOzeti& o = f.HesapOzeti();
        // Alimony bears interest only when the office's option says so.
        const bool nafakaFaizsiz = blnNafakaAlacagi && !parametreler().NafakayaFaizHesaplansin;
        tmpFaiz = nafakaFaizsiz ? Money() : IndirimliFaiz(Alacak, CurrentHesapKalemi);
        tmpBSMV = hesap::yuzdeKurusa(tmpFaiz, f.BSMVOrani);
        tmpKDVTutari = hesap::yuzdeKurusa(tmpFaiz, tmpKDVOrani);

        FaizBakiyesi_Doviz += tmpFaiz;
        MasrafBakiyesi_Doviz += tmpBSMV + tmpKDVTutari;
        if (blnTakiptenSonra) {
            (blnIsciAlacagi ? o.SonrakiFaiz_DigerIsciAlacagi : o.SonrakiFaiz_AsilAlacak) += tmpFaiz;
            o.BSMVSonrakiFaiz += tmpBSMV;
            o.KDVSonrakiFaiz += tmpKDVTutari;
            Alacak.SonrakiFaiz += tmpFaiz;
        } else {
            (blnIsciAlacagi ? o.IslemisFaiz_DigerIsciAlacagi : o.IslemisFaiz_AsilAlacak) += tmpFaiz;
            o.BSMVIslemisFaiz += tmpBSMV;
            o.KDVIslemisFaiz += tmpKDVTutari;
            Alacak.IslemisFaiz += tmpFaiz;
            clsUYAPBakiyeleri& uyap = Alacak.UyapBakiyeleri();
            uyap.FaizBakiyesi += tmpFaiz;
            uyap.BSMVBakiyesi += tmpBSMV;
            uyap.KDVBakiyesi += tmpKDVTutari;
        }
        Alacak.SonIslemTarihi = CurrentHesapKalemi.Tarih;
        if (CurrentHesapKalemi.KalemTipi == E_KT_FaizOraniDegisikligi)
            Alacak.GecerliFaizOrani = CurrentHesapKalemi.Oran;
        if (!nafakaFaizsiz)
            KademeliFaizKalemiEkle(Alacak, CurrentHesapKalemi, tmpFaiz);
    });
}

void clsHesapHelper::TarihIcinGuncelle_KidemTazminati(clsAlacakKalemi& Alacak,
                                                      const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.TarihIcinGuncelle_KidemTazminati"), [&] {
        clsHesapOzeti& o = ozet();
        tmpFaiz = IndirimliFaiz(Alacak, CurrentHesapKalemi);
        // No taxes on the interest of severance pay.
        tmpBSMV = Money();
        tmpKDVTutari = Money();
        FaizBakiyesi_Doviz += tmpFaiz;
        if (blnTakiptenSonra) {
            o.SonrakiFaiz_Kidem += tmpFaiz;
            Alacak.SonrakiFaiz += tmpFaiz;
        } else {
            o.IslemisFaiz_Kidem += tmpFaiz;
            Alacak.IslemisFaiz += tmpFaiz;
            Alacak.UyapBakiyeleri().FaizBakiyesi += tmpFaiz;
        }
        Alacak.SonIslemTarihi = CurrentHesapKalemi.Tarih;
        if (CurrentHesapKalemi.KalemTipi == E_KT_KidemFaizOraniDegisikligi)
            Alacak.GecerliFaizOrani = CurrentHesapKalemi.Oran;
        KademeliFaizKalemiEkle(Alacak, CurrentHesapKalemi, tmpFaiz);
    });
}

void clsHesapHelper::TarihIcinGuncelle_SonrakiAlacak(clsAlacakKalemi& Alacak,
                                                     const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.TarihIcinGuncelle_SonrakiAlacak"), [&] {
        // Later claims arise after the enforcement start and bear interest only then.
        if (!blnTakiptenSonra)
            return;
        tmpFaiz = IndirimliFaiz(Alacak, CurrentHesapKalemi);
        tmpBSMV = Money();
        tmpKDVTutari = Money();
        FaizBakiyesi_TL += tmpFaiz;
        ozet().SonrakiFaiz_SonrakiAlacak += tmpFaiz;
        Alacak.SonrakiFaiz += tmpFaiz;
        Alacak.SonIslemTarihi = CurrentHesapKalemi.Tarih;
        if (CurrentHesapKalemi.KalemTipi == E_KT_SonrakiAlacakFaizOraniDegisikligi)
            Alacak.GecerliFaizOrani = CurrentHesapKalemi.Oran;
        KademeliFaizKalemiEkle(Alacak, CurrentHesapKalemi, tmpFaiz);
    });
}

void clsHesapHelper::TarihIcinGuncelle_TODA(clsAlacakKalemi& Alacak,
                                            const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.TarihIcinGuncelle_TODA"), [&] {
        clsHesapOzeti& o = ozet();
        tmpFaiz = IndirimliFaiz(Alacak, CurrentHesapKalemi);
        tmpBSMV = Money();
        tmpKDVTutari = Money();
        FaizBakiyesi_TL += tmpFaiz;
        if (blnTakiptenSonra) {
            o.SonrakiFaiz_TODA += tmpFaiz;
            Alacak.SonrakiFaiz += tmpFaiz;
        } else {
            o.IslemisFaiz_TODA += tmpFaiz;
            Alacak.IslemisFaiz += tmpFaiz;
            Alacak.UyapBakiyeleri().FaizBakiyesi += tmpFaiz;
        }
        Alacak.SonIslemTarihi = CurrentHesapKalemi.Tarih;
        if (CurrentHesapKalemi.KalemTipi == E_KT_TODAFaizOraniDegisikligi)
            Alacak.GecerliFaizOrani = CurrentHesapKalemi.Oran;
        KademeliFaizKalemiEkle(Alacak, CurrentHesapKalemi, tmpFaiz);
    });
}

void clsHesapHelper::AlacaklaraBelirliTariheKadarFaizHesapla(
    const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.AlacaklaraBelirliTariheKadarFaizHesapla"), [&] {
        using Guncelle = void (clsHesapHelper::*)(clsAlacakKalemi&, const clsHesapKalemi&);
        const bool takip = CurrentHesapKalemi.KalemTipi == E_KT_TakipTarihi;
        const bool kapanis = CurrentHesapKalemi.KalemTipi == E_KT_GununTarihi;

        // Claims that have not started yet (no processing date) are passed over.
        auto guncelle = [&](clsAlacakKalemi& alacak, Guncelle islem, bool anaparaSakla) {
            if (alacak.SonIslemTarihi.isEmpty())
                return;
            (this->*islem)(alacak, CurrentHesapKalemi);
            if (takip) {
                alacak.TakipTarihindeFaizOrani = alacak.GecerliFaizOrani;
                if (anaparaSakla)
                    alacak.TakipTarihindeAsilAlacakBakiyesi = alacak.AsilAlacakBakiyesi;
            }
            if (kapanis)
                alacak.GununTarihindeFaizOrani = alacak.GecerliFaizOrani;
        };

        clsFoyBilgileri& f = foy();
        for (clsAlacakKalemi& alacak : f.Alacaklar())
            guncelle(alacak, &clsHesapHelper::TarihIcinGuncelle_AsilAlacak, true);
        for (clsAlacakKalemi& alacak : f.SonrakiAlacaklar())
            guncelle(alacak, &clsHesapHelper::TarihIcinGuncelle_SonrakiAlacak, false);
        for (clsAlacakKalemi& alacak : f.TODAs())
            guncelle(alacak, &clsHesapHelper::TarihIcinGuncelle_TODA, true);
        if (f.KidemTazminatiKalemi)
            guncelle(*f.KidemTazminatiKalemi, &clsHesapHelper::TarihIcinGuncelle_KidemTazminati,
                     true);
    });
}

void clsHesapHelper::Handle_FaizOraniDegisikligi(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_FaizOraniDegisikligi"), [&] {
        clsAlacakKalemi& alacak = foy().Alacaklar().Item(CurrentHesapKalemi.ItemIndex);
        // A claim that has started accrues at the old rate up to the change; one that
        // has not (the usual first row of its table) only takes the rate.
        if (!alacak.SonIslemTarihi.isEmpty())
            TarihIcinGuncelle_AsilAlacak(alacak, CurrentHesapKalemi);
        else
            alacak.GecerliFaizOrani = CurrentHesapKalemi.Oran;
    });
}

void clsHesapHelper::Handle_KidemFaizOraniDegisikligi(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_KidemFaizOraniDegisikligi"), [&] {
        clsFoyBilgileri& f = foy();
        if (!f.KidemTazminatiKalemi)
            return;
        clsAlacakKalemi& alacak = *f.KidemTazminatiKalemi;
        if (!alacak.SonIslemTarihi.isEmpty())
            TarihIcinGuncelle_KidemTazminati(alacak, CurrentHesapKalemi);
        else
            alacak.GecerliFaizOrani = CurrentHesapKalemi.Oran;
    });
}

void clsHesapHelper::Handle_SonrakiAlacakFaizOraniDegisikligi(
    const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_SonrakiAlacakFaizOraniDegisikligi"), [&] {
        clsAlacakKalemi& alacak = foy().SonrakiAlacaklar().Item(CurrentHesapKalemi.ItemIndex);
        if (!alacak.SonIslemTarihi.isEmpty())
            TarihIcinGuncelle_SonrakiAlacak(alacak, CurrentHesapKalemi);
        else
            alacak.GecerliFaizOrani = CurrentHesapKalemi.Oran;
    });
}

void clsHesapHelper::Handle_TODAFaizOraniDegisikligi(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_TODAFaizOraniDegisikligi"), [&] {
        clsAlacakKalemi& alacak = foy().TODAs().Item(CurrentHesapKalemi.ItemIndex);
        if (!alacak.SonIslemTarihi.isEmpty())
            TarihIcinGuncelle_TODA(alacak, CurrentHesapKalemi);
        else
            alacak.GecerliFaizOrani = CurrentHesapKalemi.Oran;
    });
}

void clsHesapHelper::KademeliFaizKalemiEkle(clsAlacakKalemi& Alacak,
                                            const clsHesapKalemi& CurrentHesapKalemi, Money Faiz) {
    trapped(QStringLiteral("clsHesapHelper.KademeliFaizKalemiEkle"), [&] {
        if (!foy().KademeliFaizBilgileriniTut)
            return;
        colKademeliFaizler& detay = Alacak.KademeliFaizDetayi();
        if (detay.Count() > 0) {
            clsKademeliFaizKalemi& son = detay.Item(detay.Count());
            son.BitisTarihi = CurrentHesapKalemi.Tarih;
            son.BitisKaynak = CurrentHesapKalemi.KalemTipi;
            son.Gunsayisi = modGeneral::GunSayisiBul(son.BaslangicTarihi, son.BitisTarihi);
            son.Tutar = Faiz;
            // A period opened by a collection ran on what the collection left.
            if (son.BaslamaKaynak == E_KT_Tahsilat)
                son.AsilAlacakTutari = Alacak.AsilAlacakBakiyesi;
            son.TakiptenSonra = blnTakiptenSonra;
        }
        if (CurrentHesapKalemi.KalemTipi != E_KT_GununTarihi) {
            clsKademeliFaizKalemi& yeni =
                detay.Add(CurrentHesapKalemi.Tarih, QString(), Money(), Alacak.GecerliFaizOrani,
                          QString(), Alacak.AsilAlacakBakiyesi, 0);
            yeni.BaslamaKaynak = CurrentHesapKalemi.KalemTipi;
        }
    });
}

}  // namespace quv
