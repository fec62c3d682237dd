#pragma once

#include <QtGlobal>

namespace quv::modGeneral {

// Notification tracking: the file's overall notification status in tblfoy and one
// current-notification row per party in tblfoy_tebligat_iz, both derived from
// tblfoy_tebligat.

// Class of one notification status code: 1, 2, 3, or 0 for a code not listed.
qint16 TebligatDurumuSinifi(qint16 tebligatDurumu);
// Overall status of a file: 1 when some party's latest notification is in class 1,
// else 2 when one is in class 2, else 3. Errors reach the caller.
qint16 FoyTebligatDurumuBul(qint32 FoyKodu);
// Stores the overall status in tblfoy. Errors reach the caller.
void FoyTebligatDurumuGuncelle(qint32 FoyKodu);
// Rebuilds the file's rows of tblfoy_tebligat_iz.
void UpdateTblFoy_Tebligat_Iz_ForFoy(qint32 FoyKodu);
// Writes one party's current-notification row.
void UpdateTblFoy_Tebligat_Iz_ForSahis(qint32 FoyKodu, qint16 foySahisKodu, bool degistir,
                                       qint16 satirKodu);
// The next free tebligatkodu of the file in tblfoy_tebligat_iz (1 when none).
qint32 YeniTebligatKoduAl(qint32 FoyKodu);
// Attorney parties of the file that receive notifications.
qint16 GetTebligGonderVekilSayisi(qint32 FoyKodu);

}  // namespace quv::modGeneral
