#pragma once

#include "plans/OdemePlani.h"
#include "plans/OdemePlaniDenetimleri.h"

#include <QList>
#include <QString>

#include <optional>

namespace quv {

// A party of the file who can make the commitment: the debtor list of the plan display.
struct Borclu {
    qint32 FoySahisKodu = 0;
    // ad + " " + soyad
    QString Ad;
};

// What a save of commitments achieved.
struct TaahhutKayitSonucu {
    int Istenen = 0;           // rows to be saved as commitments
    int Kaydedilen = 0;        // commitments stored
    int AjandaIstenen = 0;     // agenda entries due for the stored commitments
    int AjandaKaydedilen = 0;  // agenda entries stored

    bool tamam() const { return Kaydedilen == Istenen && AjandaKaydedilen == AjandaIstenen; }
    // "Taahhütler kaydedildi." when everything was stored, otherwise how many of how many.
    QString Mesaj() const;
};

// Commitments (tblfoy_taahhut) and their agenda reminders (tblajanda) from a plan.
// Numbers are one more than the largest stored; when another user takes a number
// between the read and the insert, the key refuses the duplicate and the next free
// number is taken, so no row is lost and none is stored twice. Every value is bound.
namespace TaahhutKayit {

// All parties of the file, in the order the database gives them.
QList<Borclu> BorclulariYukle(qint32 FoyKodu);
// The place of the file's stored commitments (true: at the enforcement office); none
// when the file has none or the first one does not say.
std::optional<bool> KayitliTaahhutDurumu(qint32 FoyKodu);
// Every row to be saved needs a date and an amount.
Denetim TaahhutDegerleriOK(const QList<OdemePlaniSatiri>& Satirlar);

qint32 GetYeniTaahhutKodu(qint32 FoyKodu);
qint32 GetYeniAjandaID();

// Stores one commitment per row marked "1" for the debtor, and with Ajandaya one agenda
// entry for each commitment stored. Icrada: the commitments are made at the
// enforcement office. A row that cannot be stored is reported through the error
// reporter and the remaining rows are still attempted.
TaahhutKayitSonucu TaahhutleriKaydet(qint32 FoyKodu, const Borclu& Borclu,
                                     const QList<OdemePlaniSatiri>& Satirlar, bool Ajandaya,
                                     bool Icrada);

// The save command of the plan display: the debtor and row checks (their message is
// shown and nothing is written), the agenda question, the save and its closing message.
// None when a check stopped it.
std::optional<TaahhutKayitSonucu> TaahhutKomutu(qint32 FoyKodu,
                                                const std::optional<Borclu>& SecilenBorclu,
                                                const QList<OdemePlaniSatiri>& Satirlar,
                                                bool Icrada);

}  // namespace TaahhutKayit

}  // namespace quv
