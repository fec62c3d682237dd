#pragma once

#include "engine/Money.h"
#include "engine/RuntimeError.h"

#include <QString>
#include <QVariant>

namespace quv::modGeneral {

// Shows a trapped error: "Hatanın oluştuğu yer : " source CR "Hata : " number " -> "
// description, through the installed error reporter.
void HataGoster(const QString& source, const RuntimeError& error);
void HataGoster(const QString& source, long number, const QString& description);

// A Null field value read as 0 (numeric) or as the empty text; other values unchanged.
QVariant NullKontrol(const QVariant& value, bool numeric);

// Calendar days between two text dates, in either order; 0 when one is empty.
qint32 GunSayisiBul(const QString& tarih1, const QString& tarih2);

// The stored Turkish-lira value of one unit of a currency on a date; 0 if none.
Money KurBilgisiCek(const QString& pTarih, quint8 pDoviz);

// Asks the user for the exchange rate (the exchange-rate dialog) and returns it.
Money KurBilgisiAl(const QString& pTarih, quint8 pDoviz, const QString& Aciklama);
// The stored rate of the day, else the one the user enters for the caption (through
// KurBilgisiAl, which reports when nobody can answer).
Money KurBul(const QString& pTarih, quint8 pDoviz, const QString& Aciklama);

// Records that a window has been used for a file (one row per file and window).
void FoyPencereKaydet(qint32 FoyKodu, quint8 pencereKodu);

// One condition of the bulk-update query, or the empty text.
QString KriterOlustur(const QString& saha, const QString& operatorText, const QString& deger1,
                      const QString& deger2, bool tirnakli);

}  // namespace quv::modGeneral
