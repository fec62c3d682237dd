#pragma once

#include "engine/Money.h"

#include <QList>
#include <QString>

namespace quv {

// One line of a payment plan as the plan display shows it.
struct OdemePlaniSatiri {
    qint16 Sira = 0;     // "Sıra", from 1
    QString Tarih;       // "Tarih", eight-digit text date
    Money Tutar;         // "Tutar", whole cents
    QString TaahKaydet;  // "Taah. Kaydet": "1" offer as a commitment, "0" not (the down payment)
    QString Aciklama;    // "Açıklama": "Peşinat." on the down-payment row

    bool taahhutEdilecek() const { return TaahKaydet == QStringLiteral("1"); }
    // The five cells separated by tabs, as the display grid adds a row: the date as
    // eight digits, the amount in the Turkish "#,#0.00" form.
    QString SekmeliMetin() const;
};

// A plan handed to the plan display.
struct OdemePlani {
    QList<OdemePlaniSatiri> Satirlar;
    // The sum of the "Tutar" column (FindTotal).
    Money Toplam;
    // Collections received after the start of proceedings on the real file.
    Money TakipSonrasiToplamTahsilat;
    // Leave unofficial expenses off the document.
    bool GayriResmiMasraflariEkleme = false;
};

// The sum of the rows' amounts.
Money FindTotal(const QList<OdemePlaniSatiri>& Satirlar);

}  // namespace quv
