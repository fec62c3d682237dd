// The enforcement start, where the amounts due at that moment are fixed
// (compensations, commission, official fees, attorney fee), and the interim
// attachment with its own costs.

#include "calc/HesapHelperAritmetigi.h"
#include "calc/clsHesapHelper.h"
#include "calc/clsHesapKalemi.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "file/colMasraflar.h"
#include "parameters/clsParametreler.h"
#include "summary/clsHesapOzeti.h"

namespace quv {

namespace {

// Cut-over dates of the rules on which cheques and bills count: before them all
// cheques (bills) of the file, from them on only those that are the subject of the
// enforcement.
const QString kKarsiliksizCekTazminatiDegisikligi = QStringLiteral("20101205");
const QString kCekKomisyonuDegisikligi = QStringLiteral("20140805");
const QString kSenetKomisyonuDegisikligi = QStringLiteral("20160101");

bool icinde(qint16 deger, std::initializer_list<qint16> liste) {
    for (qint16 d : liste)
        if (d == deger)
            return true;
    return false;
}

// Commission: the total times the rate, the rate divided in single precision.
Money komisyon(Money toplam, float oran) {
    const float carpan = oran / 100.0f;
    return Money::fromDoubleToCents(toplam.toDouble() * static_cast<double>(carpan));
}

}  // namespace

void clsHesapHelper::Handle_TakipTarihi(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_TakipTarihi"), [&] {
        clsFoyBilgileri& f = foy();
        clsHesapOzeti& o = f.HesapOzeti();

        AlacaklaraBelirliTariheKadarFaizHesapla(CurrentHesapKalemi);
        o.TakibeKonuBorcAsli = AsilAlacakBakiyesi + FaizIslemeyecekTutarBakiyesi;
        o.TakibeKonuKidem = KidemTazminatiBakiyesi;

        // The rate at the enforcement start: the highest of the claims, or of the TODA
        // claims when the claims have none.
        float oran = f.Alacaklar().Count() > 0 ? f.Alacaklar().GetMaxGecerliFaizOrani() : 0.0f;
        if (oran == 0.0f)
            oran = f.TODAs().GetMaxGecerliFaizOrani();
        f.TakipTarihindeFaizOrani = oran;
        o.TakipTarihindeFaizOrani = oran;
        if (f.KidemTazminatiKalemi) {
            f.TakipTarihindeKidemFaizOrani = f.KidemTazminatiKalemi->GecerliFaizOrani;
            o.TakipTarihindeKidemFaizOrani = f.KidemTazminatiKalemi->GecerliFaizOrani;
        }

        TakipTazminatVeKomisyonlari(CurrentHesapKalemi);

        // The amount at the enforcement start. The interest-free part of the claims is
        // principal and is held in the debt currency like the rest of the principal.
        if (f.ParaBirimiKodu != 1) {
            o.TakipCikisi_DovizKismi = AsilAlacakBakiyesi + MasrafBakiyesi_Doviz +
                                       FaizBakiyesi_Doviz + KidemTazminatiBakiyesi +
                                       FaizIslemeyecekTutarBakiyesi;
            o.TakipCikisi_TLKismi = MasrafBakiyesi_TL + FaizBakiyesi_TL + FaizIsleyenTODABakiyesi;
        } else {
            o.TakipCikisi_TLKismi = AsilAlacakBakiyesi + MasrafBakiyesi_Doviz + FaizBakiyesi_Doviz +
                                    KidemTazminatiBakiyesi + MasrafBakiyesi_TL + FaizBakiyesi_TL +
                                    FaizIsleyenTODABakiyesi + FaizIslemeyecekTutarBakiyesi;
        }

        TakipHarcVeVekaletUcretleri(CurrentHesapKalemi);

        // Expenses up to the enforcement date are due from the start.
        const Money takipOncesiMasraf = f.Masraflar().TakipOncesiMasrafToplami;
        MasrafBakiyesi_TL += takipOncesiMasraf;
        o.ToplamMasraf += takipOncesiMasraf;

        blnTakiptenSonra = true;
    });
}

void clsHesapHelper::TakipTazminatVeKomisyonlari(const clsHesapKalemi& CurrentHesapKalemi) {
    clsFoyBilgileri& f = foy();
    clsHesapOzeti& o = f.HesapOzeti();
    const colAlacaklar& alacaklar = f.Alacaklar();
    const QString& tarih = CurrentHesapKalemi.Tarih;
    const qint16 tip = f.AlacakTipi;

    if (f.KarsiliksizCekTazminatiniSifirla) {
        o.KarsiliksizCekTazminati = Money();
    } else {
        const Money cekler = tarih < kKarsiliksizCekTazminatiDegisikligi
                                 ? alacaklar.CekToplami
                                 : alacaklar.TakibeKonuCekToplami;
        o.KarsiliksizCekTazminati = hesap::yuzde(cekler, f.KarsiliksizCekTazminatiOrani);
    }

    if (icinde(tip, {E_AT_163CekSenet, E_AT_153Ceksenet, E_AT_52CekSenet})) {
        const Money cekler = tarih < kCekKomisyonuDegisikligi ? alacaklar.CekToplami
                                                              : alacaklar.TakibeKonuCekToplami;
        o.Komisyon = komisyon(cekler, f.KomisyonOrani);
        if (parametreler().SeneteKomisyonHesapla) {
            const Money senetler = tarih < kSenetKomisyonuDegisikligi
                                       ? alacaklar.SenetToplami
                                       : alacaklar.TakibeKonuSenetToplami;
            o.Komisyon += komisyon(senetler, f.KomisyonOrani);
        }
    }

    if (tip == E_AT_49CekSenetSozlesme || tip == E_AT_49Fatura)
        o.Tazminat = hesap::yuzdeKurusa(o.TakibeKonuBorcAsli, f.TazminatOrani);

    MasrafBakiyesi_Doviz += o.Tazminat + o.KarsiliksizCekTazminati + o.Komisyon;
    MasrafBakiyesi_TL += f.TODAs().FaizsizTODAlarinToplami;
}

void clsHesapHelper::TakipHarcVeVekaletUcretleri(const clsHesapKalemi& CurrentHesapKalemi) {
    clsFoyBilgileri& f = foy();
    clsHesapOzeti& o = f.HesapOzeti();
    clsParametreler& p = parametreler();

    // Fees and attorney fee fixed by the payment-plan wizard.
    if (f.VekaletUcretiIlkMasrafSabitle) {
        o.HarcaEsasDeger = f.Sabit_HarcaEsasDeger;
        o.PesinHarc = f.Sabit_PesinHarc;
        o.VekaletUcreti = f.Sabit_VekaletUcreti;
        MasrafBakiyesi_TL += f.Sabit_IlkGider;
        VekaletUcretiBakiyesi = f.Sabit_VekaletUcreti;
        return;
    }

    o.HarcaEsasDeger = o.TakipCikisi_TLKismi + o.TakipCikisi_DovizKismi * f.TakipTarihindeKur;
    const qint16 tip = f.AlacakTipi;

    if (icinde(tip,
               {E_AT_51Kira, E_AT_54Tahliye, E_AT_56Tahliye, E_AT_53_54IlamliAlacak_Tahliye})) {
        o.TahliyeHarci = hesap::yuzdeKurusa(f.YillikKira, p.TahliyeHarciOrani1);
        MasrafBakiyesi_Doviz += o.TahliyeHarci;
    }
    if (icinde(tip, {E_AT_54MenkulTeslimi, E_AT_53_54IlamliAlacak_MenkulTeslimi})) {
        o.MenkulTeslimHarci = hesap::yuzdeKurusa(f.YillikKira, p.MenkulTeslimHarciOrani1);
        MasrafBakiyesi_TL += o.MenkulTeslimHarci;
    }

    if (f.VekaletHarciHesapla)
        o.VekaletHarci = p.VekaletHarci;

    // A file followed in the central system pays its own fee instead of the
    // application fee, at least the application fee.
    const bool mts = f.FormTipi == E_FT_7_49 && f.IsMTSTakibi && tip == E_AT_49Fatura;
    if (mts) {
        if (f.MTSHarciHesapla) {
            Money mtsHarci = hesap::yuzdeKurusa(o.HarcaEsasDeger, p.MTSHarciOrani);
            if (mtsHarci < p.BasvuruHarci)
                mtsHarci = p.BasvuruHarci;
            o.MTSHarci = mtsHarci;
            o.BasvuruHarci = Money();
        }
    } else if (f.HarcHesapla) {
        o.BasvuruHarci = p.BasvuruHarci;
        o.MTSHarci = Money();
    }

    if (!f.IsBuFoyIcinPesinHarcHesaplanmasin && !blnIlamli && !mts && f.PesinHarcHesapla &&
        p.PesinHarcEklensin)
        o.PesinHarc = p.PesinHarcHesapla(o.HarcaEsasDeger, CurrentHesapKalemi.Tarih);

    // The count was reported if it could not be read; it then counts as none.
    const std::int64_t tebligat =
        toInt16(modGeneral::NullKontrol(f.GetGonderilecekTebligatSayisi(), true));
    o.EvrakGideri = p.EvrakGideri * ((tebligat + 1) * 2);
    if (!f.IsBuFoyIcinIlkTebligatGideriEklenmesin)
        o.PostaGideri = (mts ? p.PostaPulu_MTS : p.PostaPulu) * tebligat;

    const colAlacaklar& alacaklar = f.Alacaklar();
    const std::int64_t nusha = static_cast<std::int64_t>(f.BorcluSayisi) + 1;
    const std::int64_t evrak =
        p.CekeSuretDPEklensin
            ? static_cast<std::int64_t>(alacaklar.CekSayisi) + alacaklar.SenetSayisi
            : static_cast<std::int64_t>(alacaklar.SenetSayisi);
    o.DamgaPuluGideri = p.SuretDamgaPulu * (evrak * nusha);

    if (p.DosyaGideriEklensin)
        o.DosyaGideri = p.DosyaGideri;
    o.BaroPulu = p.BaroPulu;

    // The pre-enforcement other claims count in the attorney fee's principal when the
    // office asks for it.
    Money toda = f.TODAs().ToplamAlacak;
    p.VekaletUcretiHesapla(f, toda);

    MasrafBakiyesi_TL += o.PesinHarc + o.VekaletHarci + o.BasvuruHarci + o.MTSHarci + o.BaroPulu +
                         o.DosyaGideri + o.DamgaPuluGideri + o.PostaGideri + o.EvrakGideri;
    VekaletUcretiBakiyesi = o.VekaletUcreti + o.VekaletUcreti_KDV;
}

void clsHesapHelper::Handle_IhtiyatiHacizTarihi(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_IhtiyatiHacizTarihi"), [&] {
        clsFoyBilgileri& f = foy();
        clsHesapOzeti& o = f.HesapOzeti();
        clsParametreler& p = parametreler();

        // The principal at the attachment, as the principal of the enforcement counts it.
        o.IhtiyatiHacizdeBorcAsli = AsilAlacakBakiyesi + FaizIslemeyecekTutarBakiyesi;
        o.IhtiyatiHacizdeBorcAsli_TL = o.IhtiyatiHacizdeBorcAsli * CurrentHesapKalemi.Kur;

        Money masraf;
        if (f.IHVekaletUcretiHesapla) {
            p.IHVekaletUcretiHesapla(f);
            masraf += o.IHVekaletUcreti + o.IHVekaletUcreti_KDV;
        }
        if (f.IHGideriHesapla) {
            o.IHGideri =
                p.IhtiyatiHacizGideriHesapla(static_cast<Enum_MahkemeGorevi>(f.IHMahkemeGorevi),
                                             f.BorcluSayisi, f.IHHarciHesapla);
            masraf += o.IHGideri;
        }
        MasrafBakiyesi_TL += masraf;
    });
}

}  // namespace quv
