#pragma once

#include "calc/Enumerations.h"
#include "engine/Money.h"
#include "file/GridSource.h"

#include <QList>
#include <QString>

namespace quv {

// Unit of the spacing between instalments: the list index of "Gün", "Ay", "Yıl".
enum Enum_SureTipi : qint16 {
    E_ST_Gun = 0,
    E_ST_Ay = 1,
    E_ST_Yil = 2,
};

// The date one period after a text date: days, calendar months (the 31st steps to the
// last day of a shorter month) or calendar years. An invalid date raises run-time error 13.
QString TarihiIlerlet(const QString& Tarih, qint16 Periyot, Enum_SureTipi Birim);

// The interest and offset assumptions of a plan, as the wizard's controls hold them.
struct OdemePlaniAyarlari {
    // A fixed yearly rate (oceFaizOrani); 0 or less: the dated rate grid is used.
    double FaizOrani = 0;
    // grdFaizOrani: date in column 0, rate in column 1.
    const GridSource* FaizOraniGridi = nullptr;
    // Interest reduction in percent (oceFaizIndirimi), at most 100.
    double FaizIndirimi = 0;
    // No interest runs during the plan (chkFaizIsletme).
    bool FaizIsletme = false;

    // Severance claim of employee-claim files: its rate, or its rate grid when the rate
    // is 0 or less, and whether collections go to it first.
    double KidemFaizOrani = 0;
    const GridSource* KidemFaizOraniGridi = nullptr;
    bool KidemMahsup = false;

    // The offset order (cboTMS item data, Enum_TahsilatMahsupSirasi); with
    // E_TMS_TabloKullanilmakta the dated grid grdMahsupSirasi (date, chosen order).
    qint16 MahsupSirasi = E_TMS_BorcAslindan;
    const GridSource* MahsupSirasiGridi = nullptr;

    // Fix the attorney fee and the first costs at today's values.
    bool VekaletUcretiSabitle = false;
    bool KarsiliksizCekTazminatiniSifirla = false;
    // Leave unofficial expenses out (only official ones are loaded and listed).
    bool GayriResmiMasraflariEkleme = false;
    // Instalments are paid by hand (optElden) rather than at the enforcement office.
    bool Elden = false;
};

// By instalment count: the system finds the amount.
struct SayiyaGorePlan {
    Money Pesinat;                  // ocePesinat
    QString IlkTarih;               // otrIlkTarih
    qint16 TaksitSayisi = 0;        // oceTaksitSayisi
    qint16 Periyot = 1;             // ocePeriyot
    Enum_SureTipi Birim = E_ST_Ay;  // cboSureTipi
};

// By instalment amount: the system finds the count and the last instalment.
struct TutaraGorePlan {
    Money Pesinat;                  // ocePesinat2
    QString IlkTarih;               // otrIlkTaksitTarihi2
    Money TaksitTutari;             // oceTaksitTutari2
    qint16 Periyot = 1;             // ocePeriyot2
    Enum_SureTipi Birim = E_ST_Ay;  // cboSureTipi2
    // The remainder goes into the last full instalment instead of a row of its own.
    bool SonTaksidiOncekineEkle = false;
};

// One row of the manual grid grdTahsilat.
struct ManuelTahsilat {
    QString Tarih;
    Money Tutar;
    qint16 TahsilatSekli = E_TS_IcradanAlinan;  // "İcrada" 1, "Elden" 7

    // The empty row a grid keeps for the next entry: passed over.
    bool bosmu() const { return Tarih.isEmpty() && Tutar.isZero(); }
};

struct ManuelPlan {
    QList<ManuelTahsilat> Satirlar;
    // With interest, the remaining balance is added to the last row.
    bool KalanBakiyeyiSonTaksideEkle = false;
};

}  // namespace quv
