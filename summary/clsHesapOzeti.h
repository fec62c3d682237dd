#pragma once

#include "engine/Money.h"

#include <QList>
#include <QString>

namespace quv {

// The result of one calculation of an enforcement file: principal, interest by claim
// group with its taxes, fees and expenses, collections before and after the
// enforcement start and how they were offset, and the balances. Stored in
// tblfoy_hesap, one row per file.
class clsHesapOzeti {
public:
    Money BorcAsli;
    Money TakibeKonuBorcAsli;
    Money TakibeKonuKidem;
    Money TakipOncesiDigerAlacaklar;
    Money TakipCikisi_TLKismi;
    Money TakipCikisi_DovizKismi;
    Money HarcaEsasDeger;

    // Interest accrued before the enforcement start, in total and by claim group.
    Money IslemisFaiz;
    Money IslemisFaiz_AsilAlacak;
    Money IslemisFaiz_Kidem;
    Money IslemisFaiz_DigerIsciAlacagi;
    Money IslemisFaiz_TODA;
    Money BSMVIslemisFaiz;
    Money KDVIslemisFaiz;

    // Interest accrued after the enforcement start, in total and by claim group.
    Money SonrakiFaiz;
    Money SonrakiFaiz_AsilAlacak;
    Money SonrakiFaiz_Kidem;
    Money SonrakiFaiz_DigerIsciAlacagi;
    Money SonrakiFaiz_TODA;
    Money SonrakiFaiz_SonrakiAlacak;
    Money BSMVSonrakiFaiz;
    Money KDVSonrakiFaiz;

    Money SonrakiAlacak;
    Money EklenenNafaka;
    Money Komisyon;
    Money Tazminat;
    Money KarsiliksizCekTazminati;

    // Precautionary attachment.
    Money IHGideri;
    Money IhtiyatiHacizdeBorcAsli;
    Money IhtiyatiHacizdeBorcAsli_TL;
    Money IHVekaletUcreti;
    Money IHVekaletUcreti_KDV;

    Money VekaletUcreti;
    Money VekaletUcreti_KDV;

    // Official fees.
    Money BasvuruHarci;
    Money VekaletHarci;
    Money PesinHarc;
    Money MTSHarci;
    Money TahliyeHarci;
    Money MenkulTeslimHarci;

    // Expenses.
    Money EvrakGideri;
    Money PostaGideri;
    Money DamgaPuluGideri;
    Money DosyaGideri;
    Money BaroPulu;
    Money ToplamMasraf;

    Money TahsilHarci_Odenen;
    Money TahsilHarci_Kalan;

    // Collections before the enforcement start and how they were offset.
    Money TakipOncesiToplamTahsilat_TL;
    Money TakipOncesiToplamTahsilat_Doviz;
    Money TakipOncesiMahsup_Anapara;
    Money TakipOncesiMahsup_TODA;
    Money TakipOncesiMahsup_FaizMasraf_TL;
    Money TakipOncesiMahsup_FaizMasraf_Doviz;

    // Collections after the enforcement start and how they were offset.
    Money TakipSonrasiToplamTahsilat_TL;
    Money TakipSonrasiToplamTahsilat_Doviz;
    Money TakipSonrasiMahsup_Anapara;
    Money TakipSonrasiMahsup_TODA;
    Money TakipSonrasiMahsup_FaizMasraf_TL;
    Money TakipSonrasiMahsup_FaizMasraf_Doviz;

    Money ToplamMahsup;
    Money FazlaTahsilat;

    Money Bakiye_TL;
    Money Bakiye_Doviz;
    Money BakiyeGuncelTL;

    // Percent per year.
    float GuncelFaizOrani = 0;
    float GuncelKidemFaizOrani = 0;
    float TakipTarihindeFaizOrani = 0;
    float TakipTarihindeKidemFaizOrani = 0;

    // One field of the summary: its property name, its column in tblfoy_hesap and
    // where it is held (an amount or a rate).
    struct Alan {
        QString ad;
        QString sutun;
        Money clsHesapOzeti::*para = nullptr;
        float clsHesapOzeti::*oran = nullptr;
    };
    // All 69 fields in the order of the table's columns.
    static const QList<Alan>& Alanlar();

    // Sets every field to 0.
    void ClearClass();

    // Writes the summary as the file's one row of tblfoy_hesap, adding the row when
    // missing. The row is written by one statement, so a failure leaves the stored
    // row as it was. Returns false after a reported error.
    bool Kaydet(qint32 FoyKodu);

    // Clears the summary, then reads the file's stored row (a Null column reads as
    // 0). Without a row the summary stays all zero. A read that fails is reported
    // and leaves the summary all zero rather than half read; returns false then.
    bool Yukle(qint32 FoyKodu);

    // Eight lines "label : value" joined by a carriage return, the values in the
    // Turkish "#,#.00" format.
    QString ToString() const;
};

}  // namespace quv
