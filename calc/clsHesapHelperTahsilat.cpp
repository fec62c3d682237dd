// Collections: a payment is applied to the debts of the file in the offset order in
// force on its date.

#include "calc/clsHesapHelper.h"
#include "calc/clsHesapKalemi.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "summary/clsHesapOzeti.h"
#include "summary/clsUYAPBakiyeleri.h"

#include <algorithm>
#include <vector>

namespace quv {

namespace {

// The debts a collection can reduce.
enum class Bilesen {
    Anapara,         // claims' principal (debt currency)
    KidemAnapara,    // severance principal (debt currency)
    SonrakiAnapara,  // later claims' principal (lira)
    TODAAnapara,     // interest-bearing TODA principal (lira)
    FaizDoviz,       // interest in the debt currency
    FaizTL,          // interest in lira
    MasrafDoviz,     // expenses in the debt currency, then the interest-free parts
    MasrafTL,        // expenses in lira
    VekaletUcreti,   // attorney fee (lira)
};

// The order in which a collection reaches the debts. Principal first: the principals,
// then interest, expenses and the attorney fee. Otherwise interest and expenses come
// first and the principal last, with the attorney fee either among the expenses or at
// the very end. In employee-claim files the severance principal goes before or after
// the other claims as the file chooses.
std::vector<Bilesen> mahsupSirasi(bool anaparadan, bool vekaletSonda, bool isci, bool kidemOnce) {
    using enum Bilesen;
    std::vector<Bilesen> sira;
    if (anaparadan) {
        if (isci && kidemOnce)
            sira.push_back(KidemAnapara);
        sira.insert(sira.end(), {Anapara, SonrakiAnapara});
        if (isci && !kidemOnce)
            sira.push_back(KidemAnapara);
        sira.insert(sira.end(),
                    {TODAAnapara, FaizDoviz, FaizTL, MasrafDoviz, MasrafTL, VekaletUcreti});
        return sira;
    }
    sira.insert(sira.end(), {FaizTL, FaizDoviz, MasrafTL});
    if (!vekaletSonda)
        sira.push_back(VekaletUcreti);
    sira.insert(sira.end(), {MasrafDoviz, TODAAnapara});
    if (isci && kidemOnce)
        sira.push_back(KidemAnapara);
    sira.insert(sira.end(), {Anapara, SonrakiAnapara});
    if (isci && !kidemOnce)
        sira.push_back(KidemAnapara);
    if (vekaletSonda)
        sira.push_back(VekaletUcreti);
    return sira;
}

}  // namespace

void clsHesapHelper::Handle_Tahsilat(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.Handle_Tahsilat"), [&] {
        // The fee is computed on the collections before this one.
        if (blnTakiptenSonra)
            HandleTahsilHarci(CurrentHesapKalemi);
        AlacaklaraBelirliTariheKadarFaizHesapla(CurrentHesapKalemi);
        clsFoyBilgileri& f = foy();
        if (f.Sihirbazdan && CurrentHesapKalemi.ItemIndex == f.SihirbazinEkledigiIlkTahsilatNo) {
            const clsHesapOzeti& o = f.HesapOzeti();
            f.IlkSihirbazTahsilatinaKadarFaiz = o.SonrakiFaiz_AsilAlacak + o.SonrakiFaiz_TODA +
                                                o.SonrakiFaiz_DigerIsciAlacagi +
                                                o.SonrakiFaiz_Kidem + o.SonrakiFaiz_SonrakiAlacak;
        }
        TahsilatiIsle(CurrentHesapKalemi);
    });
}

void clsHesapHelper::TahsilatiIsle(const clsHesapKalemi& CurrentHesapKalemi) {
    trapped(QStringLiteral("clsHesapHelper.TahsilatiIsle"), [&] {
        clsFoyBilgileri& f = foy();
        clsHesapOzeti& o = f.HesapOzeti();
        const bool sonra = blnTakiptenSonra;
        const Money kur = CurrentHesapKalemi.AlacakKur;

        // The collection in lira (L) and in the debt currency (D); after each offset the
        // other one follows the one that was reduced. A debt rate of 0 cannot convert
        // and fails with a division error.
        Money L = CurrentHesapKalemi.Tutar * CurrentHesapKalemi.Kur;
        Money D = Money::fromDouble(L / kur);
        if (sonra) {
            o.TakipSonrasiToplamTahsilat_TL += L;
            o.TakipSonrasiToplamTahsilat_Doviz += D;
        } else {
            o.TakipOncesiToplamTahsilat_TL += L;
            o.TakipOncesiToplamTahsilat_Doviz += D;
        }
        // The record of the parts; nothing else adds to the list while this runs.
        f.TahsilatMahsuplari.append(
            {CurrentHesapKalemi.Tarih, CurrentHesapKalemi.ItemIndex, L, D, sonra, {}, {}});
        TahsilatMahsubu& kayit = f.TahsilatMahsuplari.last();

        // The order in force: a table gives it by date; without one, "total debt after
        // the enforcement start" still goes principal first before it.
        const qint16 c = f.CurrentMahsupSirasi;
        bool anaparadan = false;
        bool vekaletSonda = false;
        if (f.MahsupSirasi == E_TMS_TabloKullanilmakta) {
            anaparadan = c == E_TMS_BorcAslindan;
            vekaletSonda = c == E_TMS_ToplamBorctan_EnSonVekaletUcreti;
        } else if (c == E_TMS_BorcAslindan) {
            anaparadan = true;
        } else if (c == E_TMS_ToplamBorctan_TakiptenOnceUygulama) {
            anaparadan = !sonra;
        } else if (c == E_TMS_ToplamBorctan_EnSonVekaletUcreti) {
            vekaletSonda = true;
        }
        const bool kidemOnce = f.IsciAlacagiMahsupSirasi == E_MS_OnceKidemTazminatindan;
        const std::vector<Bilesen> sira =
            mahsupSirasi(anaparadan, vekaletSonda, blnIsciAlacagi, kidemOnce);
        const auto konum = [&](Bilesen b) { return std::find(sira.begin(), sira.end(), b); };
        const bool kidemAnaparaOnce = konum(Bilesen::KidemAnapara) < konum(Bilesen::Anapara);

        Money& anaparaMahsup = sonra ? o.TakipSonrasiMahsup_Anapara : o.TakipOncesiMahsup_Anapara;
        Money& todaMahsup = sonra ? o.TakipSonrasiMahsup_TODA : o.TakipOncesiMahsup_TODA;
        Money& faizMasrafDoviz =
            sonra ? o.TakipSonrasiMahsup_FaizMasraf_Doviz : o.TakipOncesiMahsup_FaizMasraf_Doviz;
        Money& faizMasrafTL =
            sonra ? o.TakipSonrasiMahsup_FaizMasraf_TL : o.TakipOncesiMahsup_FaizMasraf_TL;

        // One offset against a debt in the debt currency or in lira; true while the
        // collection is not used up.
        const auto dovizden = [&](Money& borc, Money& mahsup) {
            const qint16 sonuc = TahsilatDus(D, borc, mahsup);
            L = D * kur;
            return sonuc == 1;
        };
        const auto tlden = [&](Money& borc, Money& mahsup) {
            const qint16 sonuc = TahsilatDus(L, borc, mahsup);
            D = Money::fromDouble(L / kur);
            return sonuc == 1;
        };

        // Before the enforcement start the severance interest is paid from its
        // judiciary-system balance.
        const auto kidemFaizi = [&]() {
            if (!f.KidemTazminatiKalemi)
                return true;
            Money mahsup;
            const bool devam =
                dovizden(f.KidemTazminatiKalemi->UyapBakiyeleri().FaizBakiyesi, mahsup);
            kayit.ekle(MahsupBileseni::FaizDoviz, mahsup);
            FaizBakiyesi_Doviz -= mahsup;
            o.TakipOncesiMahsup_FaizMasraf_Doviz += mahsup;
            return devam;
        };

        const auto uygula = [&](Bilesen bilesen) -> bool {
            Money mahsup;
            switch (bilesen) {
                case Bilesen::Anapara:
                    for (clsAlacakKalemi& alacak : f.Alacaklar()) {
                        const bool devam = dovizden(alacak.AsilAlacakBakiyesi, mahsup);
                        kayit.ekle(MahsupBileseni::Anapara, mahsup);
                        anaparaMahsup += mahsup;
                        if (!sonra)
                            alacak.UyapBakiyeleri().AsilAlacakBakiyesi -= mahsup;
                        AsilAlacakBakiyesi -= mahsup;
                        if (!devam)
                            return false;
                    }
                    return true;
                case Bilesen::KidemAnapara: {
                    if (!f.KidemTazminatiKalemi)
                        return true;
                    clsAlacakKalemi& kidem = *f.KidemTazminatiKalemi;
                    const bool devam = dovizden(kidem.AsilAlacakBakiyesi, mahsup);
                    kayit.ekle(MahsupBileseni::KidemAnapara, mahsup);
                    anaparaMahsup += mahsup;
                    if (!sonra)
                        kidem.UyapBakiyeleri().AsilAlacakBakiyesi -= mahsup;
                    KidemTazminatiBakiyesi -= mahsup;
                    return devam;
                }
                case Bilesen::SonrakiAnapara:
                    for (clsAlacakKalemi& alacak : f.SonrakiAlacaklar()) {
                        const bool devam = tlden(alacak.AsilAlacakBakiyesi, mahsup);
                        kayit.ekle(MahsupBileseni::SonrakiAnapara, mahsup);
                        anaparaMahsup += mahsup;
                        SonrakiAlacakBakiyesi -= mahsup;
                        if (!devam)
                            return false;
                    }
                    return true;
                case Bilesen::TODAAnapara:
                    for (clsAlacakKalemi& alacak : f.TODAs()) {
                        if (alacak.FaizBaslangicTarihi.isEmpty())
                            continue;
                        const bool devam = tlden(alacak.AsilAlacakBakiyesi, mahsup);
                        kayit.ekle(MahsupBileseni::TODAAnapara, mahsup);
                        todaMahsup += mahsup;
                        // A principal payment reduces the principal the judiciary system
                        // holds for the claim, not its interest.
                        if (!sonra)
                            alacak.UyapBakiyeleri().AsilAlacakBakiyesi -= mahsup;
                        FaizIsleyenTODABakiyesi -= mahsup;
                        if (!devam)
                            return false;
                    }
                    return true;
                case Bilesen::FaizDoviz: {
                    if (sonra) {
                        const bool devam = dovizden(FaizBakiyesi_Doviz, mahsup);
                        kayit.ekle(MahsupBileseni::FaizDoviz, mahsup);
                        o.TakipSonrasiMahsup_FaizMasraf_Doviz += mahsup;
                        return devam;
                    }
                    if (kidemAnaparaOnce && !kidemFaizi())
                        return false;
                    // Claim by claim, interest together with the taxes on it, as the
                    // judiciary system applies a collection.
                    for (clsAlacakKalemi& alacak : f.Alacaklar()) {
                        Money faizKismi;
                        Money masrafKismi;
                        const qint16 sonuc =
                            alacak.UyapBakiyeleri().TahsilatiFaizVeFerilerineMahsupEt(
                                D, faizKismi, masrafKismi, f.BSMVOrani, tmpKDVOrani);
                        L = D * kur;
                        kayit.ekle(MahsupBileseni::FaizDoviz, faizKismi);
                        kayit.ekle(MahsupBileseni::MasrafDoviz, masrafKismi);
                        FaizBakiyesi_Doviz -= faizKismi;
                        MasrafBakiyesi_Doviz -= masrafKismi;
                        o.TakipOncesiMahsup_FaizMasraf_Doviz += faizKismi + masrafKismi;
                        if (sonuc != 1)
                            return false;
                    }
                    if (!kidemAnaparaOnce && !kidemFaizi())
                        return false;
                    return true;
                }
                case Bilesen::FaizTL: {
                    if (sonra) {
                        const bool devam = tlden(FaizBakiyesi_TL, mahsup);
                        kayit.ekle(MahsupBileseni::FaizTL, mahsup);
                        o.TakipSonrasiMahsup_FaizMasraf_TL += mahsup;
                        return devam;
                    }
                    for (clsAlacakKalemi& alacak : f.TODAs()) {
                        if (alacak.FaizBaslangicTarihi.isEmpty())
                            continue;
                        const bool devam = tlden(alacak.UyapBakiyeleri().FaizBakiyesi, mahsup);
                        kayit.ekle(MahsupBileseni::FaizTL, mahsup);
                        FaizBakiyesi_TL -= mahsup;
                        // In a lira file the debt's currency is the lira: the interest of
                        // other claims is booked with the interest of the claims. In a
                        // foreign-currency file it is kept with the lira offsets, so that
                        // the debt-currency column holds only debt-currency amounts.
                        if (f.ParaBirimiKodu == 1)
                            o.TakipOncesiMahsup_FaizMasraf_Doviz += mahsup;
                        else
                            o.TakipOncesiMahsup_FaizMasraf_TL += mahsup;
                        if (!devam)
                            return false;
                    }
                    return true;
                }
                case Bilesen::MasrafDoviz: {
                    const bool kalanVar = dovizden(MasrafBakiyesi_Doviz, mahsup);
                    kayit.ekle(MahsupBileseni::MasrafDoviz, mahsup);
                    faizMasrafDoviz += mahsup;
                    if (!kalanVar)
                        return false;
                    // Then the parts of the claims that bear no interest.
                    for (clsAlacakKalemi& alacak : f.Alacaklar()) {
                        const bool devam = dovizden(alacak.FaizIslemeyecekTutarBakiyesi, mahsup);
                        kayit.ekle(MahsupBileseni::FaizIslemeyenTutar, mahsup);
                        FaizIslemeyecekTutarBakiyesi -= mahsup;
                        if (FaizIslemeyecekTutarBakiyesi < Money())
                            FaizIslemeyecekTutarBakiyesi = Money();
                        faizMasrafDoviz += mahsup;
                        if (!devam)
                            return false;
                    }
                    return true;
                }
                case Bilesen::MasrafTL: {
                    const bool devam = tlden(MasrafBakiyesi_TL, mahsup);
                    kayit.ekle(MahsupBileseni::MasrafTL, mahsup);
                    faizMasrafTL += mahsup;
                    return devam;
                }
                case Bilesen::VekaletUcreti: {
                    const bool devam = tlden(VekaletUcretiBakiyesi, mahsup);
                    kayit.ekle(MahsupBileseni::VekaletUcreti, mahsup);
                    faizMasrafTL += mahsup;
                    return devam;
                }
            }
            return true;
        };

        for (Bilesen bilesen : sira)
            if (!uygula(bilesen))
                return;

        // Every debt is paid and something is left over.
        if (D > Money()) {
            kayit.Kalan = D;
            if (sonra) {
                o.FazlaTahsilat += D;
            } else {
                f.Mesaj += QChar(13) + shared().dates().display(CurrentHesapKalemi.Tarih) +
                           QStringLiteral(" tarihinde tahsilat fazlası var.");
            }
        }
    });
}

}  // namespace quv
