#pragma once

#include "engine/Money.h"
#include "engine/RecordSet.h"
#include "parameters/Enumerations.h"
#include "parameters/ParametreDonemi.h"
#include "parameters/VekaletUcretiAraligi.h"

#include <QString>

#include <array>
#include <vector>

namespace quv {

class clsFoyBilgileri;

// The fees, tariff amounts, tax rates, attorney-fee scale and office options in force
// at one date, and the fee computations built on them.
//
// The dated values change by decree; the host keeps each group as dated rows, a row
// being in force from its date until the next row's date. Each group remembers the
// period of the row it came from and is read again only when a requested date leaves
// that period or when the caller forces a reload. A group counts as loaded only after
// all of its values have been read: a load that fails leaves the values as they were
// and the group unloaded, so the next call reads again.
//
// Every value is a public member, so a caller may override it until the next reload.
class clsParametreler {
public:
    clsParametreler();

    // --- Fees and rates (tblharclar); rates are percentages ---
    Money BasvuruHarci;
    Money VekaletHarci;
    float PesinHarcOrani = 0;
    float TahsilHarciOrani1 = 0;
    float TahsilHarciOrani2 = 0;
    float TahsilHarciOrani3 = 0;
    float MaastaTahsilHarciOrani = 0;
    float CezaeviHarciOrani = 0;
    float FeragatHarciOrani1 = 0;
    float FeragatHarciOrani2 = 0;
    float FeragatHarciOrani3 = 0;
    float TahliyeHarciOrani1 = 0;
    float TahliyeHarciOrani2 = 0;
    float MenkulTeslimHarciOrani1 = 0;
    float MenkulTeslimHarciOrani2 = 0;
    Money SulhKararHarci;
    Money AHKararHarci;
    Money YerineGetirmeHarci;
    Money MaktuCezaeviHarci;
    float IhtiyatiHacizOrani = 0;
    Money DosyaGideri;
    Money EvrakGideri;
    Money SuretDamgaPulu;
    Money PostaPulu;
    Money PostaPulu_MTS;
    float KefaletHarciOrani = 0;
    float KKDFOrani = 0;
    Money BaroPulu;
    // Rounding unit of the fee roundings; a stored Null means 1.
    Money YuvarlamaDegeri = Money::fromUnits(1);
    float Stopaj = 0;
    float SSDF = 0;
    Money CekbankaSorumlulukBedeli;
    float MTSHarciOrani = 0;

    // --- Value-added-tax rate (tblharclar.kdv), loaded on its own ---
    float KDVOrani = 0;
    QString KDVBaslangicTarihi;
    QString KDVBitisTarihi;

    // --- Precautionary-attachment attorney fee (tbldigervekaletucretleri) ---
    float IHAltOran = 0;
    Money IHDeger;
    Money IHUstDeger;

    // --- Attorney-fee amounts read with the scale (tbldigervekaletucretleri) ---
    Money TabanVekaletUcreti;
    Money KonusuParaOlmayanVekaletUcreti;
    Money MinVekaletUcretiTavani;
    Money IcraCezaVekaletUcreti;
    Money TahliyeVekaletUcreti;

    // --- Attorney-fee scale (tblvekaletucretioranlari), ascending brackets ---
    // Held 0-based; read it through the 1-based VekaletUcretiAraligi(i).
    std::vector<T_VekaletUcretiAraligi> VekaletUcretiAraliklari;
    qint16 VekaletUcretiAralikSayisi() const;
    // Bracket i, 1 to VekaletUcretiAralikSayisi(); any other i raises run-time error 9.
    const T_VekaletUcretiAraligi& VekaletUcretiAraligi(qint16 i) const;

    // --- Office options (tbloptions_all), read on every call ---
    bool DosyaGideriEklensin = false;
    bool PesinHarcEklensin = false;
    bool IHDosyaGideriEklensin = false;
    bool IHTebligGideriEklensin = false;
    bool CekeSuretDPEklensin = false;
    bool NafakayaFaizHesaplansin = false;
    bool VekaletUcretlerineKDVeklensin = false;
    qint16 FaizYildakiGunSayisi = 1;
    bool SeneteKomisyonHesapla = false;
    bool DortteUcVekaletUcreti = false;
    QString DortteUcVekaletUcretiBaslamaTarihi;
    bool TodalariVekaletUcretiBorcAslinaDahilEt = false;

    // --- Loading; each returns false after it has reported an error ---
    // Fees, precautionary-attachment fees (no hearing), options and the scale.
    bool TumParametreleriYukle(const QString& Tarih, bool blnZorla = false);
    bool HarclariYukle(const QString& strTarih, bool blnZorla = false);
    bool KDVOraniYukle(const QString& strTarih, bool blnZorla = false);
    bool IHVekaletUcretleriniYukle(const QString& strTarih, bool blnZorla = false,
                                   bool blnDurusmali = false);
    bool VekaletUcretleriniYukle(const QString& strTarih, bool blnZorla = false);
    bool HesapAyrintilariniYukle();

    void ClearHarclar();
    void ClearHesapAyrintilari();
    void ClearIHVekaletUcretiBilgileri();

    // Periods of the loaded groups (an empty begin date: not loaded).
    const ParametreDonemi& HarclarDonemi() const { return harclarDonemi_; }
    const ParametreDonemi& IHVekaletUcretleriDonemi() const { return ihVekaletDonemi_; }
    const ParametreDonemi& VekaletUcretleriDonemi() const { return vekaletDonemi_; }

    // --- Fee roundings; a rounding unit of 0 raises run-time error 11 ---
    // D / R rounded to a whole number half to even, times R.
    static Money Yuvarla(Money Deger, Money tmpYuvarlamaDegeri);
    // As Yuvarla after adding 0.4 × R: with R = 1 a fraction above 0.1 rounds up.
    static Money YukariyaYuvarla(Money Deger, Money tmpYuvarlamaDegeri);

    // Advance fee on an amount; rounded to the unit, upwards before 17 January 2023.
    Money PesinHarcHesapla(Money Matrah, const QString& Tarih) const;
    // Cost of a precautionary attachment: decision fee, file expense, notifications.
    Money IhtiyatiHacizGideriHesapla(Enum_MahkemeGorevi MahkemeGorevi, qint16 BorcluSayisi,
                                     bool HarcHesapla = true) const;

    // --- Parts of the attorney-fee computations (no error trap: the caller's reports) ---
    // The scale's brackets walked up to the amount: each bracket charges its rate on the
    // part of the amount between the previous bound and its own; beyond the last bound
    // the last bracket's rate applies. An empty scale raises run-time error 9.
    Money KademeliVekaletUcreti(Money Tutar) const;
    // A fee below the minimum attorney fee is raised to it.
    Money TabanVekaletUcretineYukselt(Money Ucret) const;
    // The tariff fee on an amount: the bracket walk raised to the minimum fee.
    Money TarifeVekaletUcreti(Money Tutar) const;
    // Small claims: when the principal does not exceed MinVekaletUcretiTavani (if set),
    // a principal below the minimum fee becomes the fee; otherwise an amount below the
    // minimum fee gets the minimum fee. Ucret is returned unchanged in every other case.
    Money KucukAlacakVekaletUcreti(Money Ucret, Money Tutar, Money BorcAsli) const;
    // Whether the three-quarter fee applies: the option is on, the enforcement started
    // on or after the option's start date, and the calculation date is not after the
    // file's earliest last-payment date (which must be set).
    bool DortteUcVekaletUcretiUygulanir(const QString& TakipTarihi, const QString& GununTarihi,
                                        const QString& EnErkenSonOdemeTarihi) const;
    // The precautionary-attachment attorney fee on the principal (in Turkish lira):
    // below IHDeger the rate IHAltOran, at or above it the fixed IHUstDeger.
    Money IHVekaletUcretiTutari(Money BorcAsli_TL) const;
    // Value-added tax on an attorney fee at the rate in force on the date (loaded without
    // forcing); 0 when VekaletUcretlerineKDVeklensin is off.
    Money VekaletUcretiKDVHesapla(Money Ucret, const QString& Tarih);

    // --- The attorney fees of a file, written into its summary ---
    // The precautionary-attachment fee and its value-added tax.
    void IHVekaletUcretiHesapla(clsFoyBilgileri& Foy);
    // The enforcement attorney fee and its value-added tax. TODA comes back as 0 when
    // the office does not count pre-enforcement claims into the fee's principal.
    void VekaletUcretiHesapla(clsFoyBilgileri& tmpFoy, Money& TODA);
    void VekaletUcretiHesapla(clsFoyBilgileri& tmpFoy) {
        Money TODA;
        VekaletUcretiHesapla(tmpFoy, TODA);
    }

private:
    // The date of the row after the given date in a dated table, "99991231" when there
    // is none; the empty text after a reported error.
    QString ParametreBitisTarihleri(const QString& tablo, const QString& tarih);

    ParametreDonemi harclarDonemi_;
    ParametreDonemi ihVekaletDonemi_;
    ParametreDonemi vekaletDonemi_;
    // The attorney-fee scale (with its begin date) and the five amounts as converted from
    // the answers read: a bulk run loads the periods of a file's two dates again and again
    // from the same kept answers.
    struct VekaletOlcegi {
        std::vector<T_VekaletUcretiAraligi> araliklar;
        QString baslangic;
    };
    OkunmusSatirlar<VekaletOlcegi, 2> vekaletOlcekleri_;
    OkunmusSatirlar<std::array<Money, 5>, 2> vekaletTutarlari_;
};

}  // namespace quv
