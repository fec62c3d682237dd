#include "engine/clsHesapAna.h"

#include "calc/clsHesapHelper.h"
#include "calc/colHesapKalemleri.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/modGeneral.h"
#include "file/clsFoyBilgileri.h"
#include "parameters/clsParametreler.h"
#include "summary/clsHesapOzeti.h"

namespace quv {

namespace {

// The date the dated parameters are loaded for: the enforcement start, else the
// precautionary-attachment date, else the calculation date.
QString referansTarihi(const clsFoyBilgileri& foy) {
    if (!foy.TakipTarihi.isEmpty())
        return foy.TakipTarihi;
    if (!foy.IhtiyatiHacizTarihi.isEmpty())
        return foy.IhtiyatiHacizTarihi;
    return foy.GununTarihi;
}

// Claims, later claims, expenses, collections and pre-enforcement claims, always in
// this order: the timeline is built from all five.
void parcalariYukle(clsFoyBilgileri& foy, bool sadeceResmiMasraflar) {
    foy.AlacaklariYukle();
    foy.SonrakiAlacaklariYukle();
    foy.MasraflariYukle(sadeceResmiMasraflar);
    foy.TahsilatlariYukle();
    foy.TODALariYukle();
}

}  // namespace

// Marks where a run starts, so that the save can tell whether loading the file,
// building its timeline or replaying it reported an error: such a run must not
// replace the stored summary with a wrong one.
class CalismaIsareti {
public:
    explicit CalismaIsareti(std::optional<quint64>& isaret)
        : isaret_(isaret), sahibi_(!isaret.has_value()) {
        if (sahibi_)
            isaret_ = shared().reportedErrors();
    }
    ~CalismaIsareti() {
        if (sahibi_)
            isaret_.reset();
    }

private:
    std::optional<quint64>& isaret_;
    bool sahibi_;
};

clsHesapAna::clsHesapAna() = default;

clsHesapAna::~clsHesapAna() {
    // The parameter set goes first, then the current file.
    parametreler_.reset();
    aktifFoy_.reset();
}

void clsHesapAna::setActiveUserName(const QString& value) {
    shared().ActiveUserName = value;
}
void clsHesapAna::setActiveVeritabaniTuru(qint16 value) {
    shared().ActiveVeritabaniTuru = value;
}
void clsHesapAna::setAccessDBPath(const QString& value) {
    shared().AccessDBPath = value;
}
void clsHesapAna::setSQLServerName(const QString& value) {
    shared().SQLServerName = value;
}
void clsHesapAna::setSQLDBName(const QString& value) {
    shared().SQLDBName = value;
}
void clsHesapAna::setSQLUserName(const QString& value) {
    shared().SQLUserName = value;
}
void clsHesapAna::setSQLPassword(const QString& value) {
    shared().SQLPassword = value;
}
void clsHesapAna::setActiveConnection(std::shared_ptr<Database> connection) {
    shared().setConnection(std::move(connection));
}

clsFoyBilgileri& clsHesapAna::AktifFoy() {
    if (!aktifFoy_)
        aktifFoy_ = std::make_shared<clsFoyBilgileri>();
    return *aktifFoy_;
}

void clsHesapAna::setAktifFoy(std::shared_ptr<clsFoyBilgileri> foy) {
    aktifFoy_ = std::move(foy);
}

clsParametreler& clsHesapAna::Parametreler() {
    if (!parametreler_)
        parametreler_ = std::make_unique<clsParametreler>();
    return *parametreler_;
}

void clsHesapAna::Basla(qint32 FoyKodu) {
    CalismaIsareti isaret(calismaIsareti_);
    trapped(QStringLiteral("Hesap.clsHesapAna.Basla"), [&] {
        clsFoyBilgileri& foy = AktifFoy();
        if (!foy.FoyBilgileriniYukle(FoyKodu))
            return;
        Parametreler().TumParametreleriYukle(referansTarihi(foy), false);
        parcalariYukle(foy, false);
        IlgiliHesabiCagir(foy, QString());
    });
}

std::shared_ptr<clsFoyBilgileri> clsHesapAna::TariheGoreHesapla(
    qint32 FoyKodu, const QString& pGununTarihi, bool blnKaydet, bool blnHesabiCalistir,
    bool blnKademeliFaizDetayiTut, bool blnSadeceResmiMasraflar) {
    CalismaIsareti isaret(calismaIsareti_);
    return trapped<std::shared_ptr<clsFoyBilgileri>>(
        QStringLiteral("Hesap.clsHesapAna.TariheGoreHesap"), nullptr,
        [&]() -> std::shared_ptr<clsFoyBilgileri> {
            auto foy = std::make_shared<clsFoyBilgileri>();
            foy->KademeliFaizBilgileriniTut = blnKademeliFaizDetayiTut;
            if (!foy->FoyBilgileriniYukle(FoyKodu))
                return nullptr;
            if (!pGununTarihi.isEmpty() && pGununTarihi != foy->GununTarihi) {
                if (blnKaydet)
                    foy->GununTarihiniGuncelle(pGununTarihi);
                else
                    foy->GununTarihi = pGununTarihi;
            }
            Parametreler().TumParametreleriYukle(referansTarihi(*foy), true);
            parcalariYukle(*foy, blnSadeceResmiMasraflar);
            foy->Kaydedilecek = blnKaydet;
            if (blnHesabiCalistir)
                IlgiliHesabiCagir(*foy, QString());
            else
                foy->HesapOzeti().Yukle(FoyKodu);
            return foy;
        });
}

void clsHesapAna::TopluFoyGuncelle(qint32 FoyKodu, bool blnFaizGuncelTarDegistir,
                                   const QString& FaizGuncelTar) {
    CalismaIsareti isaret(calismaIsareti_);
    trapped(QStringLiteral("Hesap.clsHesapAna.TopluFoyGuncelle"), [&] {
        auto foy = std::make_shared<clsFoyBilgileri>();
        if (!foy->FoyBilgileriniYukle(FoyKodu))
            return;
        if (blnFaizGuncelTarDegistir && FaizGuncelTar != foy->GununTarihi)
            foy->GununTarihiniGuncelle(FaizGuncelTar);
        Parametreler().TumParametreleriYukle(referansTarihi(*foy), false);
        parcalariYukle(*foy, false);
        // A new file record is to be saved, so the summary is stored.
        IlgiliHesabiCagir(*foy, QString());
    });
}

std::shared_ptr<clsFoyBilgileri> clsHesapAna::InkarTazminati45OrnekIcinSonrakiAlacaklar(
    qint32 FoyKodu, QString& pGununTarihi) {
    CalismaIsareti isaret(calismaIsareti_);
    return trapped<std::shared_ptr<clsFoyBilgileri>>(
        QStringLiteral("Hesap.clsHesapAna.InkarTazminati45OrnekIcinSonrakiAlacaklar"), nullptr,
        [&]() -> std::shared_ptr<clsFoyBilgileri> {
            if (pGununTarihi.isEmpty())
                pGununTarihi = shared().dates().today();
            auto foy = std::make_shared<clsFoyBilgileri>();
            foy->KademeliFaizBilgileriniTut = true;
            if (!foy->FoyBilgileriniYukle(FoyKodu))
                return nullptr;
            // Calculated as a judgment-based file that starts today, its later claims
            // counting as claims from before the enforcement.
            foy->TakipTarihi = pGununTarihi;
            foy->GununTarihi = pGununTarihi;
            foy->FormTipi = E_FT_4_5_53;
            foy->AlacakTipi = E_AT_53IlamliAlacak;
            Parametreler().TumParametreleriYukle(pGununTarihi, true);
            foy->SonrakiAlacaklariTODAOlarakYukle();
            foy->Kaydedilecek = false;
            IlgiliHesabiCagir(*foy, QString());
            clsHesapOzeti& ozet = foy->HesapOzeti();
            ozet.Tazminat = Money();
            ozet.Komisyon = Money();
            ozet.KarsiliksizCekTazminati = Money();
            ozet.IHGideri = Money();
            ozet.IHVekaletUcreti = Money();
            ozet.IHVekaletUcreti_KDV = Money();
            return foy;
        });
}

void clsHesapAna::IlgiliHesabiCagir(clsFoyBilgileri& Foy, const QString& TaahhuteBulunmaTarihi) {
    CalismaIsareti isaret(calismaIsareti_);
    trapped(QStringLiteral("Hesap.clsHesapAna.IlgiliHesabiCagir"), [&] {
        Foy.HesapKalemleriniDoldur(TaahhuteBulunmaTarihi);
        HesapGTI(Foy);
    });
}

void clsHesapAna::HesapGTI(clsFoyBilgileri& Foy) {
    CalismaIsareti isaret(calismaIsareti_);
    trapped(QStringLiteral("clsHesapAna.HesapGTI"), [&] {
        const quint64 isaret = calismaIsareti_.value_or(shared().reportedErrors());
        clsHesapHelper motor;
        motor.ParentFoy = &Foy;
        motor.ParentHesap = this;
        motor.Init();
        motor.TumKalemleriIsle();
        // An error reported anywhere from the load to the closing (a Null in a required
        // column, a rate nobody supplied, an empty fee scale) means a wrong summary:
        // the stored one stays as it was.
        const bool hataVar = shared().reportedErrors() > isaret;
        if (Foy.Kaydedilecek && !hataVar)
            Foy.HesapOzeti().Kaydet(Foy.FoyKodu);
    });
}

void clsHesapAna::HandleMahsup(clsFoyBilgileri&, Money, Money, const QString&, Money, Money, Money,
                               Money, Money, Money, Money) {}

Money clsHesapAna::KurGir(const QString& pTarih, quint8 pDoviz, const QString& Aciklama) {
    return trapped<Money>(QStringLiteral("Hesap.clsHesapAna.KurGir"), Money(),
                          [&] { return modGeneral::KurBilgisiAl(pTarih, pDoviz, Aciklama); });
}

void clsHesapAna::ShowBasitHesap() {
    shared().windowHost().showBasitHesap(*this);
}

void clsHesapAna::BatchUpdate() {
    trapped(QStringLiteral("Hesap.clsHesapAna.BatchUpdate"),
            [&] { shared().windowHost().showBatchUpdate(*this); });
}

void clsHesapAna::ShowWizard(qint32 FoyKodu) {
    shared().windowHost().showWizard(*this, FoyKodu);
}

}  // namespace quv
