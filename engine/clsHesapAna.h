#pragma once

#include "engine/Database.h"
#include "engine/Money.h"

#include <QString>

#include <memory>
#include <optional>

namespace quv {

class clsFoyBilgileri;
class clsParametreler;

// The one object the host creates: it takes the connection and the active user
// (into the process-wide state) and runs every calculation of a file. It holds no
// calculation logic beyond the order of the steps.
class clsHesapAna {
public:
    clsHesapAna();
    ~clsHesapAna();
    clsHesapAna(const clsHesapAna&) = delete;
    clsHesapAna& operator=(const clsHesapAna&) = delete;

    // Connection state, shared by every object of the process; the last put wins.
    void setActiveUserName(const QString& value);
    void setActiveVeritabaniTuru(qint16 value);
    void setAccessDBPath(const QString& value);
    void setSQLServerName(const QString& value);
    void setSQLDBName(const QString& value);
    void setSQLUserName(const QString& value);
    void setSQLPassword(const QString& value);
    void setActiveConnection(std::shared_ptr<Database> connection);

    // The current file (made empty on first read) and the parameter set, which
    // lives as long as the facade so its caches serve every later run.
    clsFoyBilgileri& AktifFoy();
    void setAktifFoy(std::shared_ptr<clsFoyBilgileri> foy);
    clsParametreler& Parametreler();

    void Basla(qint32 FoyKodu);
    // Calculates a file as of a date on a new file record; none when the file does
    // not load or a step failed.
    std::shared_ptr<clsFoyBilgileri> TariheGoreHesapla(qint32 FoyKodu,
                                                       const QString& pGununTarihi = QString(),
                                                       bool blnKaydet = false,
                                                       bool blnHesabiCalistir = true,
                                                       bool blnKademeliFaizDetayiTut = false,
                                                       bool blnSadeceResmiMasraflar = false);
    void TopluFoyGuncelle(qint32 FoyKodu, bool blnFaizGuncelTarDegistir = false,
                          const QString& FaizGuncelTar = QString());
    // pGununTarihi: an empty date becomes today, also in the caller's variable.
    std::shared_ptr<clsFoyBilgileri> InkarTazminati45OrnekIcinSonrakiAlacaklar(
        qint32 FoyKodu, QString& pGununTarihi);
    void IlgiliHesabiCagir(clsFoyBilgileri& Foy, const QString& TaahhuteBulunmaTarihi = QString());
    void HesapGTI(clsFoyBilgileri& Foy);
    // Accepted and ignored: offsets are applied inside the engine.
    void HandleMahsup(clsFoyBilgileri& Foy, Money MahsupTutari, Money BorcKuru,
                      const QString& Tarih, Money AsilAlacakBakiyesi, Money FaizIsleyenTODABakiyesi,
                      Money FaizBakiyesi_TL, Money FaizBakiyesi_Doviz, Money MasrafBakiyesi_TL,
                      Money MasrafBakiyesi_Doviz, Money KidemTazminatiBakiyesi = Money());
    Money KurGir(const QString& pTarih, quint8 pDoviz, const QString& Aciklama = QString());

    // The windows: the simple interest calculator, the bulk file update and the
    // payment-plan wizard, each shown modally through the window host.
    void ShowBasitHesap();
    void BatchUpdate();
    void ShowWizard(qint32 FoyKodu);

private:
    std::shared_ptr<clsFoyBilgileri> aktifFoy_;
    std::unique_ptr<clsParametreler> parametreler_;
    // The count of reported errors when the outermost running operation began.
    std::optional<quint64> calismaIsareti_;
};

}  // namespace quv
