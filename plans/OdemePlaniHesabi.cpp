#include "plans/OdemePlaniHesabi.h"

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "engine/modGeneral.h"
#include "file/Enumerations.h"
#include "file/FaizTablosu.h"
#include "file/MahsupSirasiTablosu.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colTahsilatlar.h"
#include "parameters/clsParametreler.h"
#include "plans/OdemePlaniMesajlari.h"
#include "summary/clsHesapOzeti.h"

#include <limits>

namespace quv {

namespace {

// A recalculation of the working copy reported an error: its summary is no basis for a
// plan, so the computation stops (the error has been shown already).
struct HesapKesildi {};

// The date the dated parameters are loaded for: the enforcement start, else the
// precautionary-attachment date, else the calculation date.
QString referansTarihi(const clsFoyBilgileri& foy) {
    if (!foy.TakipTarihi.isEmpty())
        return foy.TakipTarihi;
    if (!foy.IhtiyatiHacizTarihi.isEmpty())
        return foy.IhtiyatiHacizTarihi;
    return foy.GununTarihi;
}

QString oranMetni(float oran) {
    return QString::number(static_cast<double>(oran));
}

void oranTablosunuGrideYaz(const clsFaizTablosu& tablo, BellekGridi& grid) {
    grid.temizle();
    for (int i = 1; i <= tablo.Sayi(); ++i) {
        const E_FaizTablosu satir = tablo.FaizOranlari(i);
        grid.satirEkle({satir.Tarih, oranMetni(satir.Oran)});
    }
}

}  // namespace

OdemePlaniHesabi::OdemePlaniHesabi(clsHesapAna& hesap, qint32 foyKodu)
    : AktifHesap(hesap), FoyKodu(foyKodu) {}

OdemePlaniHesabi::~OdemePlaniHesabi() = default;

void OdemePlaniHesabi::bilgi(const QString& mesaj) {
    shared().messages().information(mesaj);
}

bool OdemePlaniHesabi::CalismaKopyasiniYukle() {
    const quint64 once = shared().reportedErrors();
    const bool yuklendi = trapped<bool>(QStringLiteral("frmOdemePlani.Form_Load"), false, [&] {
        auto foy = std::make_shared<clsFoyBilgileri>();
        foy->Kaydedilecek = false;
        foy->KademeliFaizBilgileriniTut = false;
        if (!foy->FoyBilgileriniYukle(FoyKodu))
            return false;
        Wizardfoy = foy;
        // The facade may not have calculated this file yet: the tariffs of its reference
        // date (a cached load when they are already there).
        AktifHesap.Parametreler().TumParametreleriYukle(referansTarihi(*foy), false);
        foy->AlacaklariYukle();
        foy->SonrakiAlacaklariYukle();
        foy->MasraflariYukle();
        foy->TahsilatlariYukle();
        foy->TODALariYukle();
        AktifHesap.IlgiliHesabiCagir(*foy, QString());
        return true;
    });
    return yuklendi && shared().reportedErrors() == once;
}

void OdemePlaniHesabi::AyarlariFoydenAl() {
    clsFoyBilgileri& foy = *Wizardfoy;
    if (FoyGruplari::isciAlacagi(foy.AlacakTipi) && foy.KidemTazminatiKalemi) {
        clsAlacakKalemi& kidem = *foy.KidemTazminatiKalemi;
        kidemFaizGridi_.temizle();
        if (kidem.TabloOran() == E_TO_OranKullan) {
            Ayarlar.KidemFaizOrani = kidem.FaizOrani;
        } else {
            Ayarlar.KidemFaizOrani = 0;
            oranTablosunuGrideYaz(kidem.FaizOraniTablosu(), kidemFaizGridi_);
        }
        Ayarlar.KidemFaizOraniGridi = &kidemFaizGridi_;
        Ayarlar.KidemMahsup = foy.IsciAlacagiMahsupSirasi == E_MS_OnceKidemTazminatindan;
    }
    faizGridi_.temizle();
    if (foy.TabloOran == E_TO_OranKullan) {
        Ayarlar.FaizOrani = foy.FaizOrani;
    } else {
        Ayarlar.FaizOrani = 0;
        oranTablosunuGrideYaz(foy.FaizTablosu(), faizGridi_);
    }
    Ayarlar.FaizOraniGridi = &faizGridi_;

    Ayarlar.MahsupSirasi = foy.MahsupSirasi;
    mahsupGridi_.temizle();
    if (foy.MahsupSirasi == E_TMS_TabloKullanilmakta) {
        // The order column's list: "Önce Borç Aslından" 1, "Toplam Borçtan (BK100)" 3,
        // and any other order the stored table holds.
        QVariantList liste{QVariant::fromValue<qint16>(E_TMS_BorcAslindan),
                           QVariant::fromValue<qint16>(E_TMS_ToplamBorctan_TakiptenOnceUygula)};
        clsMahsupSirasiTablosu& tablo = foy.MahsupSirasiTablosu();
        for (int i = 1; i <= tablo.Sayi(); ++i) {
            const E_MahsupsirasiTablosu satir = tablo.MahsupSiralari(i);
            const QVariant sira = QVariant::fromValue<qint16>(satir.MahsupSirasi);
            qsizetype secim = liste.indexOf(sira);
            if (secim < 0) {
                liste.append(sira);
                secim = liste.size() - 1;
            }
            mahsupGridi_.satirEkle({satir.Tarih, QString::number(secim)});
        }
        mahsupGridi_.listeAyarla(1, liste);
    }
    Ayarlar.MahsupSirasiGridi = &mahsupGridi_;
}

Denetim OdemePlaniHesabi::ValuesOK() const {
    return OdemePlaniDenetimleri::ValuesOK(Ayarlar, *Wizardfoy);
}

bool OdemePlaniHesabi::HesaplaSayiya() {
    return hesapla(
        1, [&] { return OdemePlaniDenetimleri::CheckForAutoCalc1(Sayiya, Wizardfoy->GununTarihi); },
        [&] { return OtomatikHesap1(); });
}

bool OdemePlaniHesabi::HesaplaTutara() {
    return hesapla(
        2, [&] { return OdemePlaniDenetimleri::CheckForAutoCalc2(Tutara, Wizardfoy->GununTarihi); },
        [&] { return OtomatikHesap2(); });
}

bool OdemePlaniHesabi::HesaplaManuel() {
    return hesapla(
        3, [&] { return OdemePlaniDenetimleri::CheckTahsilatGrid(Manuel, Wizardfoy->GununTarihi); },
        [&] { return ManuelHesap(); });
}

bool OdemePlaniHesabi::hesapla(qint16 mod, const std::function<Denetim()>& denetim,
                               const std::function<bool()>& hesap) {
    ResetGecerliHesap();
    SonDenetim = ValuesOK();
    if (SonDenetim.gecti())
        SonDenetim = denetim();
    if (!SonDenetim.gecti()) {
        bilgi(SonDenetim.Mesaj);
        return false;
    }
    if (!WizardFoyeDegerleriAta())
        return false;
    // The interest reached on the calculation date, for the commitment document.
    const quint64 once = shared().reportedErrors();
    AktifHesap.IlgiliHesabiCagir(*Wizardfoy, Wizardfoy->GununTarihi);
    if (shared().reportedErrors() != once)
        return false;
    if (HesapYenilendi)
        HesapYenilendi();
    if (!hesap())
        return false;
    GecerliHesap = mod;
    return true;
}

bool OdemePlaniHesabi::WizardFoyeDegerleriAta() {
    const quint64 once = shared().reportedErrors();
    const bool tamam =
        trapped<bool>(QStringLiteral("frmOdemePlani.WizardFoyeDegerleriAta"), false, [&] {
            clsFoyBilgileri& foy = *Wizardfoy;
            if (Ayarlar.VekaletUcretiSabitle) {
                // The attorney fee and first costs of today's calculation of the real file.
                std::shared_ptr<clsFoyBilgileri> gercek =
                    AktifHesap.TariheGoreHesapla(FoyKodu, QString(), false, true, false, false);
                if (!gercek)
                    return false;
                const clsHesapOzeti& o = gercek->HesapOzeti();
                foy.Sabit_HarcaEsasDeger = o.HarcaEsasDeger;
                foy.Sabit_PesinHarc = o.PesinHarc;
                foy.Sabit_VekaletUcreti = o.VekaletUcreti + o.VekaletUcreti_KDV;
                foy.Sabit_IlkGider = o.MTSHarci + o.MenkulTeslimHarci + o.BaroPulu + o.DosyaGideri +
                                     o.DamgaPuluGideri + o.PostaGideri + o.EvrakGideri +
                                     o.PesinHarc + o.VekaletHarci + o.BasvuruHarci;
                foy.VekaletUcretiIlkMasrafSabitle = true;
            } else {
                foy.VekaletUcretiIlkMasrafSabitle = false;
            }
            foy.KarsiliksizCekTazminatiniSifirla = Ayarlar.KarsiliksizCekTazminatiniSifirla;

            // The chosen offset order holds for the plan; a dated table comes from its grid.
            foy.MahsupSirasi = Ayarlar.MahsupSirasi;
            if (foy.MahsupSirasi == E_TMS_TabloKullanilmakta && Ayarlar.MahsupSirasiGridi &&
                !foy.MahsupSirasiTablosu().GriddenYukle(*Ayarlar.MahsupSirasiGridi))
                return false;

            // The rule the claims without a rule of their own follow: the fixed rate, or
            // with a rate of 0 the dated rates of the grid.
            if (Ayarlar.FaizOrani <= 0) {
                if (Ayarlar.FaizOraniGridi &&
                    !foy.FaizTablosu().GriddenYukle(*Ayarlar.FaizOraniGridi))
                    return false;
                foy.FaizOrani = 0;
                foy.TabloOran = E_TO_TabloKullan;
            } else {
                foy.FaizOrani = static_cast<float>(Ayarlar.FaizOrani);
                foy.TabloOran = E_TO_OranKullan;
            }
            foy.FaizIndirimOrani = Ayarlar.FaizIndirimi / 100;

            // Each load replaces its items, so the claims take the new rule.
            foy.AlacaklariYukle();
            foy.SonrakiAlacaklariYukle();
            foy.TODALariYukle();
            foy.MasraflariYukle(Ayarlar.GayriResmiMasraflariEkleme);

            if (FoyGruplari::isciAlacagi(foy.AlacakTipi) && foy.KidemTazminatiKalemi) {
                clsAlacakKalemi& kidem = *foy.KidemTazminatiKalemi;
                if (Ayarlar.KidemFaizOrani <= 0) {
                    if (Ayarlar.KidemFaizOraniGridi &&
                        !kidem.FaizOraniTablosu().GriddenYukle(*Ayarlar.KidemFaizOraniGridi))
                        return false;
                    kidem.FaizOrani = 0;
                } else {
                    kidem.FaizOrani = static_cast<float>(Ayarlar.KidemFaizOrani);
                }
                foy.IsciAlacagiMahsupSirasi =
                    Ayarlar.KidemMahsup ? E_MS_OnceKidemTazminatindan : E_MS_OnceDigerAlacaklardan;
            }
            return true;
        });
    return tamam && shared().reportedErrors() == once;
}

void OdemePlaniHesabi::yenidenHesapla(const QString& taahhutTarihi, bool sihirbazdan) {
    const quint64 once = shared().reportedErrors();
    Wizardfoy->Sihirbazdan = sihirbazdan;
    AktifHesap.IlgiliHesabiCagir(*Wizardfoy, taahhutTarihi);
    Wizardfoy->Sihirbazdan = false;
    if (shared().reportedErrors() != once)
        throw HesapKesildi{};
}

bool OdemePlaniHesabi::denemeli(const QString& kaynak, const std::function<bool()>& govde) {
    const int oncekiSayi = Wizardfoy->Tahsilatlar().Count();
    bool sonuc = false;
    try {
        sonuc = trapped<bool>(kaynak, false, govde);
    } catch (const HesapKesildi&) {
        sonuc = false;
    }
    Wizardfoy->Sihirbazdan = false;
    SonradanEklenenTahsilatlariCikar(oncekiSayi);
    return sonuc;
}

void OdemePlaniHesabi::ilkEklenenNoyuSakla() {
    const int ilk = Wizardfoy->Tahsilatlar().Count() + 1;
    if (ilk > std::numeric_limits<qint16>::max())
        throw RuntimeError::overflow();
    Wizardfoy->SihirbazinEkledigiIlkTahsilatNo = static_cast<qint16>(ilk);
}

void OdemePlaniHesabi::denemeTahsilatiEkle(Money tutar, const QString& tarih,
                                           std::optional<qint16> tahsilatSekli) {
    const qint16 sekil =
        tahsilatSekli.value_or(Ayarlar.Elden ? E_TS_EldenYapilan : E_TS_IcradanAlinan);
    const Money birKur = Money::fromUnits(1);
    Wizardfoy->Tahsilatlar().Add(sekil, 1, birKur, birKur, tutar, tarih, QString());
}

void OdemePlaniHesabi::SonradanEklenenTahsilatlariCikar(int OncekiSayi) {
    colTahsilatlar& tahsilatlar = Wizardfoy->Tahsilatlar();
    for (int i = tahsilatlar.Count(); i >= OncekiSayi + 1 && i >= 1; --i)
        tahsilatlar.Remove(i);
}

Money OdemePlaniHesabi::HedefToplamiBul(clsFoyBilgileri& Foy, Money TakipSonrasiToplamTahsilat) {
    const clsHesapOzeti& o = Foy.HesapOzeti();
    Money toplam = o.TakipCikisi_TLKismi + o.BasvuruHarci + o.VekaletHarci + o.EvrakGideri +
                   o.PostaGideri + o.DamgaPuluGideri + o.DosyaGideri + o.BaroPulu + o.PesinHarc +
                   o.MTSHarci;
    toplam += o.TahliyeHarci + o.MenkulTeslimHarci + o.EklenenNafaka;
    RecordSet rs = shared().connection().openRecordSet(
        QStringLiteral(
            "SELECT Sum(tutar) As ToplamSonrakiAlacak FROM tblfoy_sonrakialacak WHERE foykodu = ") +
        QString::number(Foy.FoyKodu));
    if (!rs.eof())
        toplam += Money::fromVariant(
            modGeneral::NullKontrol(rs.value(QStringLiteral("ToplamSonrakiAlacak")), true));
    rs.close();
    toplam += o.ToplamMasraf + o.VekaletUcreti + o.VekaletUcreti_KDV +
              (o.TahsilHarci_Odenen + o.TahsilHarci_Kalan - o.PesinHarc);
    toplam += o.SonrakiFaiz + o.BSMVSonrakiFaiz + o.KDVSonrakiFaiz;
    if (TakipSonrasiToplamTahsilat > Money())
        toplam -= TakipSonrasiToplamTahsilat;
    return toplam;
}

}  // namespace quv
