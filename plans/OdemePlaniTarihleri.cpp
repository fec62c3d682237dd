#include "engine/SharedState.h"
#include "plans/OdemePlaniGirdileri.h"

namespace quv {

QString TarihiIlerlet(const QString& Tarih, qint16 Periyot, Enum_SureTipi Birim) {
    DateService& tarihler = shared().dates();
    const QDate gun = tarihler.toDate(Tarih);
    switch (Birim) {
        case E_ST_Gun:
            return tarihler.toText(gun.addDays(Periyot));
        case E_ST_Ay:
            return tarihler.toText(gun.addMonths(Periyot));
        case E_ST_Yil:
            return tarihler.toText(gun.addYears(Periyot));
    }
    throw RuntimeError::subscriptOutOfRange();
}

}  // namespace quv
