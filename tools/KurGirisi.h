#pragma once

#include "engine/Money.h"

#include <QString>

namespace quv {

// The exchange-rate entry that the dialog and the command line share: the request
// texts for a currency and date, and the storing of the rate the user gives.
class KurGirisi {
public:
    QString Tarih;
    quint8 Doviz = 0;
    QString TarihAciklamasi;
    // The value entered; 1 after a cancel, so a foreign amount is taken one to one.
    Money TLTutar = Money::fromUnits(1);

    // The request text and the unit label before the entry.
    QString lblInfo;
    QString lblSimge;
    void InfoLabeliniYukle();

    enum class Sonuc { Kaydedildi, DegerYok, KayitHatasi };
    // Stores a rate the user entered: 0 or less asks again ("Lütfen kur değerini
    // giriniz.."); a failed save keeps the entry open.
    Sonuc Kaydet(Money deger);
    void Iptal() { TLTutar = Money::fromUnits(1); }

    static QString degerIstemMesaji() { return QStringLiteral("Lütfen kur değerini giriniz.."); }

private:
    // Replaces the stored rate of the date and currency or adds it; one row per pair.
    bool KurKaydet(Money deger);
};

}  // namespace quv
