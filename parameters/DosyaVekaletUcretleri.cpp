// The attorney fees of a file, written into its account summary.

#include "engine/Trap.h"
#include "engine/modGeneral.h"
#include "file/Enumerations.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "parameters/YuzdeHesabi.h"
#include "parameters/clsParametreler.h"
#include "summary/clsHesapOzeti.h"

namespace quv {

namespace {

// The fee date: the closing date, else the calculation date, else the enforcement date.
QString ucretTarihi(const clsFoyBilgileri& foy) {
    if (!foy.SonucTarihi.isEmpty())
        return foy.SonucTarihi;
    if (!foy.GununTarihi.isEmpty())
        return foy.GununTarihi;
    return foy.TakipTarihi;
}

// The amount the tariff is walked on for a fixed fee: above every bound.
const Money kMaktuSinir = Money::fromUnits(99999999);

}  // namespace

void clsParametreler::IHVekaletUcretiHesapla(clsFoyBilgileri& Foy) {
    trapped(QStringLiteral("Hesap.clsParametreler.IHVekaletUcretiHesapla"), [&] {
        IHVekaletUcretleriniYukle(Foy.IhtiyatiHacizTarihi, true, Foy.IHDurusmali);
        clsHesapOzeti& ozet = Foy.HesapOzeti();
        ozet.IHVekaletUcreti = IHVekaletUcretiTutari(ozet.IhtiyatiHacizdeBorcAsli_TL);
        ozet.IHVekaletUcreti_KDV =
            VekaletUcretiKDVHesapla(ozet.IHVekaletUcreti, Foy.IhtiyatiHacizTarihi);
    });
}

void clsParametreler::VekaletUcretiHesapla(clsFoyBilgileri& tmpFoy, Money& TODA) {
    trapped(QStringLiteral("clsParametreler.VekaletUcretiHesapla"), [&] {
        // Pre-enforcement other claims add to the fee's principal only when the office says so.
        if (!TodalariVekaletUcretiBorcAslinaDahilEt)
            TODA = Money();
        const QString tarih = ucretTarihi(tmpFoy);
        VekaletUcretleriniYukle(tarih, false);
        clsHesapOzeti& ozet = tmpFoy.HesapOzeti();
        const qint16 tip = tmpFoy.AlacakTipi;

        Money kur = Money::fromUnits(1);
        Money matrah = ozet.HarcaEsasDeger;
        if (tmpFoy.ParaBirimiKodu != 1) {
            kur = modGeneral::KurBilgisiCek(tarih, tmpFoy.ParaBirimiKodu);
            if (kur <= Money())
                kur = modGeneral::KurBilgisiAl(tarih, tmpFoy.ParaBirimiKodu,
                                               QStringLiteral("(Vekalet Ücreti Hesabı İçin)"));
            matrah = ozet.TakipCikisi_TLKismi + ozet.TakipCikisi_DovizKismi * kur;
        }

        Money ucret;
        Money tutar;  // the amount the fee is measured on
        if (tmpFoy.MaktuVekaletUcreti > Money()) {
            ucret = tmpFoy.MaktuVekaletUcreti;
            tutar = kMaktuSinir;
            if (tip == E_AT_163CekSenet || tip == E_AT_49CekSenetSozlesme || tip == E_AT_49Fatura)
                ozet.VekaletUcreti = ucret;
        } else if (tip == E_AT_49CekSenetSozlesme && tmpFoy.SozlesmeVekaletUcretiOrani > 0.0f) {
            ucret = YuzdeTutari(matrah, tmpFoy.SozlesmeVekaletUcretiOrani);
            tutar = matrah;
        } else {
            const bool kira = tip == E_AT_51Kira || tip == E_AT_54Tahliye || tip == E_AT_56Tahliye;
            const bool nafaka = tip == E_AT_53Nafaka || tip == E_AT_49Nafaka;
            if (kira && tmpFoy.VekaletUcretiniYillikKiraUzerindenHesapla &&
                tmpFoy.YillikKira > Money())
                tutar = tmpFoy.YillikKira;
            else if (nafaka && tmpFoy.YillikKira > Money())
                tutar = tmpFoy.YillikKira;
            else
                tutar = matrah + tmpFoy.SonrakiAlacaklar().MatrahaDahilOlanSonrakiAlacakToplami;
            ucret = KademeliVekaletUcreti(tutar);
        }

        ucret = TabanVekaletUcretineYukselt(ucret);

        // Small claims are measured on the principal in lira (with the pre-enforcement
        // claims, except for an eviction without an annual rent).
        Money borcAsli = ozet.BorcAsli * kur;
        if (!(tip == E_AT_56Tahliye && tmpFoy.YillikKira.isZero()))
            borcAsli += TODA;
        ucret = KucukAlacakVekaletUcreti(ucret, tutar, borcAsli);

        switch (tip) {
            case E_AT_55CocukTeslimi:
            case E_AT_53IrtifakHakki:
            case E_AT_54MenkulTeslimi:
                ozet.VekaletUcreti = KonusuParaOlmayanVekaletUcreti;
                break;
            case E_AT_53IsinYapilmasi:
                ozet.VekaletUcreti = ucret <= KonusuParaOlmayanVekaletUcreti
                                         ? KonusuParaOlmayanVekaletUcreti
                                         : ucret;
                break;
            case E_AT_56Tahliye:
                if (!tmpFoy.YillikKira.isZero())
                    ozet.VekaletUcreti = ucret;
                break;
            default:
                ozet.VekaletUcreti = ucret;
                break;
        }
        if (tip == E_AT_53_54IlamliAlacak_Tahliye &&
            tmpFoy.VekaletUcretiniYillikKiraUzerindenHesapla && tmpFoy.YillikKira > Money())
            ozet.VekaletUcreti += TarifeVekaletUcreti(tmpFoy.YillikKira);
        if (tip == E_AT_53_54IlamliAlacak_MenkulTeslimi ||
            tip == E_AT_53_55IlamliAlacak_cocukTeslimi)
            ozet.VekaletUcreti += KonusuParaOlmayanVekaletUcreti;
        if (tmpFoy.TahliyeVekaletUcretiEkle)
            ozet.VekaletUcreti += TahliyeVekaletUcreti;

        if (DortteUcVekaletUcretiUygulanir(tmpFoy.TakipTarihi, tmpFoy.GununTarihi,
                                           tmpFoy.GetMinSonOdemeTarihi()))
            ozet.VekaletUcreti = ozet.VekaletUcreti.times(0.75);

        ozet.VekaletUcreti_KDV = VekaletUcretiKDVHesapla(ozet.VekaletUcreti, tarih);
        ozet.VekaletUcreti = ozet.VekaletUcreti.roundTo2();
        ozet.VekaletUcreti_KDV = ozet.VekaletUcreti_KDV.roundTo2();
    });
}

}  // namespace quv
