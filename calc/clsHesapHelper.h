#pragma once

#include "calc/Enumerations.h"
#include "engine/Money.h"

#include <QString>

namespace quv {

class clsAlacakKalemi;
class clsFoyBilgileri;
class clsHesapAna;
class clsHesapKalemi;
class clsHesapOzeti;
class clsParametreler;
class colAlacaklar;

// The calculation engine of one run over one file. It replays the file's sorted
// timeline item by item and keeps the running balances of the whole file (principal,
// interest and expenses, in the debt currency and in lira), the scratch results of
// the last interest step and the flags of the legal situation; the results go into
// the file's summary. The engine owns nothing but its numbers: it reaches the file
// through ParentFoy and the parameter set through ParentHesap.
//
// A run: set ParentFoy and ParentHesap, Init, TumKalemleriIsle, then save the summary.
// Every procedure reports its own run-time errors and returns its default, leaving
// the balances as far as they were updated.
class clsHesapHelper {
public:
    // The enforcement start has been replayed: from then on the post-enforcement
    // figures are booked.
    bool blnTakiptenSonra = false;
    // The file is based on a judgment (form types 4, 5, 6, 8, 11, 12 and 15).
    bool blnIlamli = false;
    // Principal of the ordinary claims, in the debt currency.
    Money AsilAlacakBakiyesi;
    // Principal of the later claims (lira).
    Money SonrakiAlacakBakiyesi;
    // Principal of the interest-bearing pre-enforcement other claims (lira).
    Money FaizIsleyenTODABakiyesi;
    // Principal of the severance claim, in the debt currency.
    Money KidemTazminatiBakiyesi;
    // Unpaid interest of the ordinary and severance claims, in the debt currency.
    Money FaizBakiyesi_Doviz;
    // Unpaid interest of the later and TODA claims, in lira.
    Money FaizBakiyesi_TL;
    // Unpaid expenses in the debt currency (taxes on interest, compensations).
    Money MasrafBakiyesi_Doviz;
    // Unpaid expenses in lira (fees, expense items).
    Money MasrafBakiyesi_TL;
    // Interest of the last accrual step.
    Money tmpFaiz;
    // The part of the collection fees set off against the advance fee so far.
    Money tmpTahsilHarci_PesinHarcaMahsupEdilen;
    // Collection fee of the last collection, or the remaining fee at the closing.
    Money tmpTahsilHarci;
    // Taxes of the last accrual step.
    Money tmpBSMV;
    Money tmpKDVTutari;
    // Value-added-tax rate on interest in this run (percent); 0 when none applies.
    float tmpKDVOrani = 0.0f;
    bool blnFaizIndirimiMasEtkilemez = false;
    // Employee-claim file (claim types 9, 26, 27).
    bool blnIsciAlacagi = false;
    // Alimony file (claim types 15, 20).
    bool blnNafakaAlacagi = false;
    bool blnHacizVar = false;
    bool blnSatisVar = false;
    // Unpaid attorney fee (lira).
    Money VekaletUcretiBakiyesi;
    // The part of the principal on which no interest runs; never below 0.
    Money FaizIslemeyecekTutarBakiyesi;
    clsFoyBilgileri* ParentFoy = nullptr;
    clsHesapAna* ParentHesap = nullptr;

    // Collection-fee rate (percent) in force on the date for the manner: the sale
    // rate for sale proceeds, otherwise the rate before or after the first seizure.
    float GetTahsilHarciOrani(const QString& strTarih, Enum_TahsilatSekli TahsilatSekli);

    // Timeline handlers, one per kind of item.
    void Handle_Alacak(const clsHesapKalemi& CurrentHesapKalemi);
    // An expense after the enforcement start: a surplus of earlier collections pays it
    // first, the rest is owed in lira.
    void Handle_Masraf(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_FaizIsleyecekTODA(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_FaizOraniDegisikligi(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_GununTarihi(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_IhtiyatiHacizTarihi(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_IsleyenNafaka(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_KidemFaizOraniDegisikligi(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_KidemTazminati(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_NafakaFaizBaslangici(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_SonrakiAlacak(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_SonrakiAlacakFaizOraniDegisikligi(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_TaahhutteBulunmaTarihi(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_Tahsilat(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_TakipTarihi(const clsHesapKalemi& CurrentHesapKalemi);
    void Handle_TODAFaizOraniDegisikligi(const clsHesapKalemi& CurrentHesapKalemi);

    // Starts the running values of every claim afresh.
    void HesaptanOnceIlkle();
    // Prepares the engine and the file's summary for a run.
    void Init();

    // Pays one debt from one payment, both changed in place; MahsupEdilenKisim gets
    // the part paid. Returns 1 when the payment is larger than the debt (a rest is
    // left for the next debt), 2 when it is smaller, 0 when they are equal.
    qint16 TahsilatDus(Money& Tahsilat, Money& Deger, Money& MahsupEdilenKisim);

    // Collection fee of an amount: only the part up to the fee base that earlier
    // collections after the enforcement start have not reached bears the fee; the
    // half-rate manners pay half the rate. Rounded to the cent.
    Money TahsilHarciHesapla(Money Tutar, float pTahsilHarciOrani, Enum_TahsilatSekli TahsilatSekli,
                             Money HarcaEsasDeger, Money TakiptenSonrakiToplamTahsilat);

    // Replays the file's timeline: each item goes to the handler of its kind,
    // expenses are booked inline (a recorded surplus absorbs them first), and the
    // calculation-date item closes the run. In wizard mode the calculation-date item
    // is passed over, every item is replayed and the run is closed at the date of the
    // last item. Errors of the loop itself (not of a handler) reach the caller.
    void TumKalemleriIsle();

private:
    // The fee tariff's dates are checked once a run, not at every collection.
    bool harcTarihleriDenetlendi_ = false;

    clsFoyBilgileri& foy() const;
    clsHesapOzeti& ozet() const;
    clsParametreler& parametreler() const;

    // Interest accrual.
    Money FaizHesapla(const QString& BaslangicTarihi, const QString& BitisTarihi, Money Tutar,
                      float Oran);
    void AlacaklaraBelirliTariheKadarFaizHesapla(const clsHesapKalemi& CurrentHesapKalemi);
    void TarihIcinGuncelle_AsilAlacak(clsAlacakKalemi& Alacak,
                                      const clsHesapKalemi& CurrentHesapKalemi);
    void TarihIcinGuncelle_KidemTazminati(clsAlacakKalemi& Alacak,
                                          const clsHesapKalemi& CurrentHesapKalemi);
    void TarihIcinGuncelle_SonrakiAlacak(clsAlacakKalemi& Alacak,
                                         const clsHesapKalemi& CurrentHesapKalemi);
    void TarihIcinGuncelle_TODA(clsAlacakKalemi& Alacak, const clsHesapKalemi& CurrentHesapKalemi);
    void KademeliFaizKalemiEkle(clsAlacakKalemi& Alacak, const clsHesapKalemi& CurrentHesapKalemi,
                                Money Faiz);
    // The interest of one claim of the discounted-rate families up to the item's date.
    Money IndirimliFaiz(const clsAlacakKalemi& Alacak, const clsHesapKalemi& CurrentHesapKalemi);

    // Collections and their fee.
    void TahsilatiIsle(const clsHesapKalemi& CurrentHesapKalemi);
    void HandleTahsilHarci(const clsHesapKalemi& CurrentHesapKalemi);
    // Uses a collection fee against the advance fee; what exceeds it becomes a lira
    // expense.
    void PesinHarcaMahsupEt(Money TahsilHarci);
    // The fee the rest of the debt would still bear, at the closing.
    void KalanTahsilHarciHesapla(const clsHesapKalemi& CurrentHesapKalemi);

    // Appends the line that reports a claim whose rate is unknown at its start.
    void FaizOraniBelirsizMesaji(const clsHesapKalemi& CurrentHesapKalemi, const QString& metin);
    // Opens a started claim's first tiered-interest line.
    void IlkKademeyiAc(clsAlacakKalemi& Alacak, const clsHesapKalemi& CurrentHesapKalemi);

    // Enforcement start: compensations and commission, then the fees and attorney fee.
    void TakipTazminatVeKomisyonlari(const clsHesapKalemi& CurrentHesapKalemi);
    void TakipHarcVeVekaletUcretleri(const clsHesapKalemi& CurrentHesapKalemi);
};

}  // namespace quv
