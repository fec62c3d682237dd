// Engine state, initialisation, the replay loop and the elementary offset.

#include "calc/clsHesapHelper.h"

#include "calc/clsHesapKalemi.h"
#include "calc/colHesapKalemleri.h"
#include "engine/RuntimeError.h"
#include "engine/Trap.h"
#include "engine/clsHesapAna.h"
#include "engine/modGeneral.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "parameters/clsParametreler.h"
#include "summary/clsHesapOzeti.h"

namespace quv {

namespace {

RuntimeError nesneYok() {
    return RuntimeError(91, QStringLiteral("Object variable or With block variable not set"));
}

bool ilamliFormTipi(qint16 formTipi) {
    switch (formTipi) {
        case E_FT_4_5_53:
        case E_FT_2_54:
        case E_FT_3_55:
        case E_FT_6_151:
        case E_FT_44_201:
        case E_FT_53_54:
        case E_FT_53_55:
            return true;
        default:
            return false;
    }
}

void ilkle(colAlacaklar& alacaklar) {
    for (int i = 1; i <= alacaklar.Count(); ++i)
        alacaklar.Item(i).Init();
}

}  // namespace

clsFoyBilgileri& clsHesapHelper::foy() const {
    if (!ParentFoy)
        throw nesneYok();
    return *ParentFoy;
}

clsHesapOzeti& clsHesapHelper::ozet() const {
    return foy().HesapOzeti();
}

clsParametreler& clsHesapHelper::parametreler() const {
    if (!ParentHesap)
        throw nesneYok();
    return ParentHesap->Parametreler();
}

void clsHesapHelper::Init() {
    trapped(QStringLiteral("clsHesapHelper.Init"), [&] {
        blnTakiptenSonra = false;
        harcTarihleriDenetlendi_ = false;
        AsilAlacakBakiyesi = Money();
        SonrakiAlacakBakiyesi = Money();
        FaizIsleyenTODABakiyesi = Money();
        KidemTazminatiBakiyesi = Money();
        FaizBakiyesi_Doviz = Money();
        FaizBakiyesi_TL = Money();
        MasrafBakiyesi_Doviz = Money();
        MasrafBakiyesi_TL = Money();
        tmpFaiz = Money();
        tmpBSMV = Money();
        tmpTahsilHarci_PesinHarcaMahsupEdilen = Money();
        tmpKDVOrani = 0.0f;
        tmpKDVTutari = Money();
        VekaletUcretiBakiyesi = Money();
        FaizIslemeyecekTutarBakiyesi = Money();
        blnHacizVar = false;
        blnSatisVar = false;

        clsFoyBilgileri& f = foy();
        f.HesapOzeti().ClearClass();
        HesaptanOnceIlkle();
        f.HesapOzeti().TakipOncesiDigerAlacaklar = f.TODAs().ToplamAlacak;

        const qint16 tip = f.AlacakTipi;
        blnNafakaAlacagi = tip == E_AT_53Nafaka || tip == E_AT_49Nafaka;
        blnIsciAlacagi =
            tip == E_AT_53IsciAlacagi || tip == E_AT_153IsciAlacagi || tip == E_AT_49IsciAlacagi;
        blnFaizIndirimiMasEtkilemez = f.Sihirbazdan && f.VekaletUcretiIlkMasrafSabitle;

        // Value-added tax on interest applies to cheque, bill and invoice files whose
        // creditor asks for it, at the rate in force on the calculation date.
        if ((tip == E_AT_163CekSenet && f.OnOrnekCekSenetFaizineKDVEkle) ||
            (tip == E_AT_49CekSenetSozlesme && f.CekSenetFaizineKDVEkle) ||
            (tip == E_AT_49Fatura && f.FaturaFaizineKDVEkle)) {
            clsParametreler& p = parametreler();
            p.KDVOraniYukle(f.GununTarihi);
            tmpKDVOrani = p.KDVOrani;
        } else {
            tmpKDVOrani = 0.0f;
        }
        f.FaturaFaiziKDVOrani = tmpKDVOrani;

        f.Mesaj.clear();
        f.TahsilatMahsuplari.clear();
        f.CurrentMahsupSirasi = f.MahsupSirasi;
        f.IlkSihirbazTahsilatinaKadarFaiz = Money();
        blnIlamli = ilamliFormTipi(f.FormTipi);
    });
}

void clsHesapHelper::HesaptanOnceIlkle() {
    trapped(QStringLiteral("clsHesapHelper.HesaptanOnceIlkle"), [&] {
        clsFoyBilgileri& f = foy();
        ilkle(f.Alacaklar());
        ilkle(f.SonrakiAlacaklar());
        ilkle(f.TODAs());
        if (f.KidemTazminatiKalemi)
            f.KidemTazminatiKalemi->Init();
    });
}

qint16 clsHesapHelper::TahsilatDus(Money& Tahsilat, Money& Deger, Money& MahsupEdilenKisim) {
    return trapped<qint16>(QStringLiteral("Hesap.clsHesapHelper.TahsilatDus"), 0, [&]() -> qint16 {
        if (Tahsilat > Deger) {
            const Money kalan = Tahsilat - Deger;
            MahsupEdilenKisim = Deger;
            Tahsilat = kalan;
            Deger = Money();
            return 1;
        }
        if (Deger > Tahsilat) {
            const Money kalan = Deger - Tahsilat;
            MahsupEdilenKisim = Tahsilat;
            Deger = kalan;
            Tahsilat = Money();
            return 2;
        }
        MahsupEdilenKisim = Tahsilat;
        Tahsilat = Money();
        Deger = Money();
        return 0;
    });
}

void clsHesapHelper::TumKalemleriIsle() {
    clsFoyBilgileri& f = foy();
    colHesapKalemleri& kalemler = f.HesapKalemleri();
    for (int i = 1; i <= kalemler.Count(); ++i) {
        // Held by its own reference: a handler never changes the timeline, but the
        // item must outlive its handler whatever happens to the list.
        const std::shared_ptr<clsHesapKalemi> kalemPtr = kalemler.pointer(i);
        const clsHesapKalemi& kalem = *kalemPtr;
        switch (kalem.KalemTipi) {
            case E_KT_FaizOraniDegisikligi:
                Handle_FaizOraniDegisikligi(kalem);
                break;
            case E_KT_KidemFaizOraniDegisikligi:
                Handle_KidemFaizOraniDegisikligi(kalem);
                break;
            case E_KT_TODAFaizOraniDegisikligi:
                Handle_TODAFaizOraniDegisikligi(kalem);
                break;
            case E_KT_SonrakiAlacakFaizOraniDegisikligi:
                Handle_SonrakiAlacakFaizOraniDegisikligi(kalem);
                break;
            case E_KT_MahsupSirasiDegisimi:
                f.CurrentMahsupSirasi = kalem.MahsupSirasi;
                break;
            case E_KT_Alacak:
                Handle_Alacak(kalem);
                break;
            case E_KT_IsleyenNafaka:
                Handle_IsleyenNafaka(kalem);
                break;
            case E_KT_NafakaFaizBaslangicTarihi:
                Handle_NafakaFaizBaslangici(kalem);
                break;
            case E_KT_KidemTazminati:
                Handle_KidemTazminati(kalem);
                break;
            case E_KT_Masraf:
                Handle_Masraf(kalem);
                break;
            case E_KT_IlkHaciz:
                blnHacizVar = true;
                break;
            case E_KT_IlkSatis:
                blnSatisVar = true;
                break;
            case E_KT_IhtiyatiHacizTarihi:
                Handle_IhtiyatiHacizTarihi(kalem);
                break;
            case E_KT_FaizIsleyecekTODA:
                Handle_FaizIsleyecekTODA(kalem);
                break;
            case E_KT_TakipTarihi:
                Handle_TakipTarihi(kalem);
                break;
            case E_KT_SonrakiAlacak:
                Handle_SonrakiAlacak(kalem);
                break;
            case E_KT_Tahsilat:
                Handle_Tahsilat(kalem);
                break;
            case E_KT_TaahhutteBulunmaTarihi:
                Handle_TaahhutteBulunmaTarihi(kalem);
                break;
            case E_KT_GununTarihi:
                // Outside the wizard the calculation date closes the run; the wizard
                // replays its planned collections beyond it and closes at the end.
                if (!f.Sihirbazdan) {
                    Handle_GununTarihi(kalem);
                    return;
                }
                break;
            default:  // offsets of judgments, conversion dates, unknown kinds
                break;
        }
    }

    if (f.Sihirbazdan) {
        clsHesapKalemi kapanis;
        kapanis.KalemTipi = E_KT_GununTarihi;
        // An empty timeline has no last date: the closing then accrues nothing.
        if (kalemler.Count() > 0)
            kapanis.Tarih = kalemler.Item(kalemler.Count()).Tarih;
        Handle_GununTarihi(kapanis);
    }
}

void clsHesapHelper::Handle_Masraf(const clsHesapKalemi& CurrentHesapKalemi) {
    clsFoyBilgileri& f = foy();
    clsHesapOzeti& o = f.HesapOzeti();
    const Money tutar = CurrentHesapKalemi.Tutar;
    Money kalanTL = tutar;
    if (o.FazlaTahsilat > Money()) {
        if (f.ParaBirimiKodu == 1) {
            Money mahsup;
            TahsilatDus(o.FazlaTahsilat, kalanTL, mahsup);
        } else {
            // The surplus is held in the debt's currency: the lira expense is converted at
            // the rate of its date, and what the surplus does not cover stays in lira.
            const Money kur = modGeneral::KurBul(CurrentHesapKalemi.Tarih, f.ParaBirimiKodu,
                                                 QStringLiteral("(Masraf Tarihi)"));
            if (kur > Money()) {
                const Money doviz = Money::fromDouble(tutar / kur);
                if (o.FazlaTahsilat >= doviz) {
                    o.FazlaTahsilat -= doviz;
                    kalanTL = Money();
                } else {
                    kalanTL = tutar - o.FazlaTahsilat * kur;
                    o.FazlaTahsilat = Money();
                }
            }
        }
    }
    MasrafBakiyesi_TL += kalanTL;
    o.ToplamMasraf += tutar;
}

}  // namespace quv
