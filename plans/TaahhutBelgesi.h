#pragma once

#include "engine/Money.h"
#include "plans/OdemePlani.h"

#include <QList>
#include <QString>

namespace quv {

class clsFoyBilgileri;

// The texts of the commitment document (taahhüt belgesi): the debt statement as two
// parallel columns (amounts and labels) and the instalment schedule split into two
// halves printed side by side. Lines are separated by CR LF.
//
// The statement reads the plan's working copy of the file and its last calculated
// summary; the later claims, the precautionary other claims (TODA) and, when asked,
// the expenses one by one come from the file's tables.
class TaahhutBelgesi {
public:
    explicit TaahhutBelgesi(clsFoyBilgileri& Foy);

    // Inputs.
    clsFoyBilgileri& Foy;
    // The file whose tables are read (the working copy's own code unless set).
    qint32 FoyKodu = 0;
    // The plan rows as the display shows them.
    QList<OdemePlaniSatiri> Satirlar;
    // Collections received after the start of proceedings on the real file.
    Money TakipSonrasitoplamTahsilat;
    // The first costs one line each instead of one sum.
    bool IlkTakipMasraflariDetayli = false;
    // The expenses one line each instead of their total.
    bool MasrafDetayiniYazdir = false;
    // Only official expenses in the expense detail (the plan's expense choice).
    bool GayriResmiMasraflariEkleme = false;

    // Outputs of the debt statement: the amount column, the label column and the
    // total debt printed on its last line.
    QString Tutarlar;
    QString Etiketler;
    Money ToplamBorc;
    // Outputs of the schedule: number, date and amount columns of each half.
    QString SolSira, SolTarih, SolTutar;
    QString SagSira, SagTarih, SagTutar;

    // Builds the statement and the schedule. Raises the errors of the reads.
    void Olustur();
    void BorcDokumunuOlustur();
    void TaksitleriOlustur();

    // One statement line when the amount is positive: "-TL " and the label (line
    // breaks removed, trimmed) to the labels, the amount "#,#.00" to the amounts (each
    // after a CR LF unless it is the column's first line); the amount is added to the
    // total. A zero or negative amount adds nothing.
    static void AddToList(QString& Etiketler, QString& Tutarlar, Money Tutar, const QString& Etiket,
                          Money& Toplam);
    // The query of the expenses one by one, in date order.
    static QString MasrafDetayiSorgusu(qint32 FoyKodu, bool SadeceResmiMasraflar);
    // A rate as a label shows it: a plain number of single precision ("18", "0,5").
    static QString OranMetni(float Oran);
};

}  // namespace quv
