#pragma once

#include "engine/Money.h"

namespace quv {

// The open balances of one claim as the judiciary information system expects them:
// principal, interest and the two taxes on interest. That system applies a
// collection to interest together with its taxes before the principal.
class clsUYAPBakiyeleri {
public:
    Money AsilAlacakBakiyesi;
    Money FaizBakiyesi;
    Money BSMVBakiyesi;
    Money KDVBakiyesi;

    // Offsets the collection TahsilatTutari against interest and its taxes.
    // FaizeMahsupEdilen and MasrafaMahsupEdilen receive the parts applied to the
    // interest and to the two taxes; TahsilatTutari is left with what remains for
    // the principal, which this operation does not touch. The rates are percent.
    // Returns 1 when the collection exceeds interest and taxes (all paid, a rest
    // remains), 0 when it equals them, 2 when it covers only part: the collection
    // is then split between interest, banking tax and VAT in the proportion
    // 100 : BSMVOrani : KDVOrani, each tax part rounded to the cent.
    qint16 TahsilatiFaizVeFerilerineMahsupEt(Money& TahsilatTutari, Money& FaizeMahsupEdilen,
                                             Money& MasrafaMahsupEdilen, float BSMVOrani,
                                             float KDVOrani);
};

}  // namespace quv
