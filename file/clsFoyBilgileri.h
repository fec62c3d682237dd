#pragma once

#include "calc/Enumerations.h"
#include "calc/TahsilatMahsubu.h"
#include "engine/Money.h"
#include "file/Enumerations.h"
#include "parameters/Enumerations.h"

#include <QString>
#include <QVariant>

#include <memory>

namespace quv {

class clsAlacakKalemi;
class clsFaizTablosu;
class clsHesapOzeti;
class clsMahsupSirasiTablosu;
class colAlacaklar;
class colHesapKalemleri;
class colMasraflar;
class colTahsilatlar;

// The in-memory record of one enforcement file: its head data, the parts it owns
// (claims, collections, expenses, rate and offset-order tables, the severance
// claim, the timeline and the summary) and the values the engine keeps on it
// while it replays the file.
class clsFoyBilgileri {
public:
    clsFoyBilgileri();
    ~clsFoyBilgileri();
    clsFoyBilgileri(const clsFoyBilgileri&) = delete;
    clsFoyBilgileri& operator=(const clsFoyBilgileri&) = delete;

    // Head data.
    qint32 FoyKodu = 0;
    qint16 FormTipi = 0;  // Enum_FormTipi
    QString TakipTarihi;
    qint16 DosyaSonucu = 0;  // Enum_DosyaSonucu
    QString SonucTarihi;
    QString GununTarihi;
    QString FoyKayitTarihi;
    qint16 AlacakTipi = 0;  // Enum_AlacakTipi
    bool FaturaFaizineKDVEkle = false;
    bool CekSenetFaizineKDVEkle = false;
    bool OnOrnekCekSenetFaizineKDVEkle = false;
    qint16 BorcluSayisi = 0;
    qint16 AlacakliSayisi = 0;
    quint8 ParaBirimiKodu = 0;
    QString ParaBirimiSimgesi;
    float FaizOrani = 0.0f;
    qint16 FaizYildakiGunSayisi = 0;
    qint32 FaizOraniTablosuKodu = 0;
    qint32 FaizOraniTablosuFoyKodu = 0;
    enum_TabloOran TabloOran{};
    float BSMVOrani = 0.0f;
    float TazminatOrani = 0.0f;
    float KarsiliksizCekTazminatiOrani = 0.0f;
    Money YillikKira;
    Money MaktuVekaletUcreti;
    qint16 KalanTahsilHarciHesaplamaSekli = 0;  // KalanTahsilHarciHesaplamaSekilleri
    qint16 IsciAlacagiMahsupSirasi = 0;         // Enum_KidemMahsupSirasi
    QString IlkHacizTarihi;
    QString IlkSatisTarihi;
    bool TahsilHarciHesapla = false;
    bool BorcluTahsilHarciHesapla = false;
    bool VekaletHarciHesapla = false;
    bool PesinHarcHesapla = false;
    bool MTSHarciHesapla = false;
    bool HarcHesapla = false;
    bool IHHarciHesapla = false;
    bool IhtiyatiHacizVar = false;
    qint16 MahsupSirasi = 0;  // Enum_TahsilatMahsupSirasi
    float SozlesmeVekaletUcretiOrani = 0.0f;
    float KomisyonOrani = 0.0f;
    bool IsMTSTakibi = false;
    bool IsBuFoyIcinPesinHarcHesaplanmasin = false;
    bool IsBuFoyIcinIlkTebligatGideriEklenmesin = false;
    qint16 IkinciAdresiOlanlarinSayisi = 0;
    bool Muacceliyet = false;
    bool TahliyeVekaletUcretiEkle = false;
    bool VekaletUcretiniYillikKiraUzerindenHesapla = false;
    Money ToplamMahsup;
    QString MahsupTarihi;
    QString IhtiyatiHacizTarihi;
    QString CevirmeTarihi;
    qint16 IHMahkemeGorevi = 0;  // Enum_MahkemeGorevi
    bool IHDurusmali = false;
    bool IHGideriHesapla = false;
    bool IHVekaletUcretiHesapla = false;
    bool IhtiyatiHacizDurumu = false;

    // Values the timeline, the engine and the windows store on the record.
    Money GununKuru;
    Money TakipTarihindeKur;
    Money IhtiyatiHacizdeKur;
    Money MahsupKuru;
    float CurrentFaizOrani = 0.0f;
    float CurrentKidemFaizOrani = 0.0f;
    float TakipTarihindeFaizOrani = 0.0f;
    float TakipTarihindeKidemFaizOrani = 0.0f;
    qint16 CurrentMahsupSirasi = 0;  // Enum_TahsilatMahsupSirasi
    float FaturaFaiziKDVOrani = 0.0f;
    QString Mesaj;
    Money TaahhutTarihindeFaizTutari_AsilAlacak;
    Money TaahhutTarihindeFaizTutari_SonrakiAlacak;
    Money TaahhutTarihindeFaizTutari_TODA;
    Money IlkSihirbazTahsilatinaKadarFaiz;
    bool Sihirbazdan = false;
    qint16 SihirbazinEkledigiIlkTahsilatNo = 0;
    Money Sabit_HarcaEsasDeger;
    Money Sabit_IlkGider;
    Money Sabit_PesinHarc;
    Money Sabit_VekaletUcreti;
    double FaizIndirimOrani = 0.0;
    bool KademeliFaizBilgileriniTut = false;
    bool Kaydedilecek = true;
    bool KarsiliksizCekTazminatiniSifirla = false;
    bool VekaletUcretiIlkMasrafSabitle = false;
    // How each collection of the last replay was applied, in replay order (for the
    // account statement; the engine only writes it).
    QList<TahsilatMahsubu> TahsilatMahsuplari;

    // Only employee-claim files of type 9 count as such; 26 and 27 still get the
    // severance claim.
    bool IsciAlacagimi() const { return AlacakTipi == E_AT_53IsciAlacagi; }

    // Parts; each getter makes an empty part on first use.
    colAlacaklar& Alacaklar();
    colAlacaklar& SonrakiAlacaklar();
    colAlacaklar& TODAs();
    colTahsilatlar& Tahsilatlar();
    colMasraflar& Masraflar();
    clsMahsupSirasiTablosu& MahsupSirasiTablosu();
    clsHesapOzeti& HesapOzeti();
    // The file's rate table: made on first use, none when the file has a fixed rate.
    clsFaizTablosu& FaizTablosu();
    bool HasFaizTablosu() const { return faizTablosu_ != nullptr; }
    void setFaizTablosu(std::shared_ptr<clsFaizTablosu> tablo) { faizTablosu_ = std::move(tablo); }
    // The severance claim of employee-claim files; none otherwise.
    std::shared_ptr<clsAlacakKalemi> KidemTazminatiKalemi;
    // The timeline of the calculation, made empty on first use.
    colHesapKalemleri& HesapKalemleri();
    // Rebuilds the timeline from the loaded file (with the debtor's commitment date
    // when one is given) and sorts it into replay order.
    void HesapKalemleriniDoldur(const QString& TaahhuteBulunmaTarihi = QString());

    // Loading.
    bool FoyBilgileriniYukle(qint32 FoyKodu);
    bool FoyFormundanYukle(qint32 FoyKodu);
    void AlacaklariYukle();
    void SonrakiAlacaklariYukle();
    void TODALariYukle();
    void SonrakiAlacaklariTODAOlarakYukle();
    void TahsilatlariYukle();
    void MasraflariYukle(bool blnSadeceResmiMasraflar = false);
    void MahsupSirasiTablosuYukle();
    void IhtiyatiHacizFormundanYukle();
    void SozlesmeTablosundanYukle(qint32 FoyKodu);
    void MahsupBilgileriniYukle();
    void HacizFormundanDegisiklikYukle();
    void SatisFormlarindanDegisiklikYukle();
    void GununTarihiniGuncelle(const QString& YeniTarih);
    // The number of notifications to send, as a 16-bit integer inside a variant.
    QVariant GetGonderilecekTebligatSayisi();
    QString GetMinAlacakTarihi(qint32 FoyKodu);
    QString GetMinSonOdemeTarihi();

    void ClearClass();
    // Right-aligns a value in a field of the width.
    static QString Duzelt(const QVariant& dd, qint16 uz);

private:
    void ClearFoyFormundanGelenler();
    void ClearHacizSatisFormundanGelenler();
    void ClearIHFormundanGelenler();
    qint16 AlacakliSayisiBul(qint32 FoyKodu);

    std::unique_ptr<colAlacaklar> alacaklar_;
    std::unique_ptr<colAlacaklar> sonrakiAlacaklar_;
    std::unique_ptr<colAlacaklar> todas_;
    std::unique_ptr<colTahsilatlar> tahsilatlar_;
    std::unique_ptr<colMasraflar> masraflar_;
    std::unique_ptr<clsMahsupSirasiTablosu> mahsupSirasiTablosu_;
    std::unique_ptr<clsHesapOzeti> hesapOzeti_;
    std::unique_ptr<colHesapKalemleri> hesapKalemleri_;
    std::shared_ptr<clsFaizTablosu> faizTablosu_;
};

}  // namespace quv
