#include "file/colTahsilatlar.h"

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"
#include "file/FieldReads.h"

namespace quv {

using namespace FieldReads;

clsTahsilatKalemi& colTahsilatlar::Add(qint16 TahsilatSekli, quint8 ParaBirimi, Money BorcKuru,
                                       Money TahsilatKuru, Money Tutar, const QString& Tarih,
                                       const QString& sKey) {
    return Add(clsTahsilatKalemi{Tarih, Tutar, ParaBirimi, TahsilatSekli, TahsilatKuru, BorcKuru},
               sKey);
}

namespace {

// The date read with the numeric Null default: a Null gives "0", which no date check takes.
QString tarihMetni(const QVariant& value) {
    return isNull(value) ? QStringLiteral("0") : toText(value);
}

}  // namespace

void colTahsilatlar::Yukle(qint32 FoyKodu, quint8 BorcParaBirimiKodu) {
    trapped(QStringLiteral("colTahsilatlar.Yukle"), [&] {
        // A reload replaces the collections: loading the same file twice, or another
        // file into the same record, must not count a payment twice.
        Clear();
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("select t1.tahsilattarihi, t1.tahsilatmiktari, t1.parabirimikodu, "
                           "t1.tahsilatsekli, "
                           "t2.tltutar as tahsilatkuru, ") +
            QStringLiteral("(select tltutar from tblkur t3 where t3.tarih = t1.tahsilattarihi and "
                           "t3.parabirimikodu = ") +
            QString::number(BorcParaBirimiKodu) + QStringLiteral(") as borckuru ") +
            QStringLiteral(
                "from (tblfoy_tahsilat t1 left join tblkur t2 on t1.tahsilattarihi = t2.tarih and "
                "t1.parabirimikodu=t2.parabirimikodu) ") +
            QStringLiteral("Where t1.foykodu = ") + QString::number(FoyKodu) +
            QStringLiteral(" order by t1.tahsilattarihi "));
        for (; !rs.eof(); rs.moveNext()) {
            // Every column reads a Null as 0; a missing rate is for the engine to deal with.
            Add(int16OrZero(rs.value(QStringLiteral("tahsilatsekli"))),
                byteOrZero(rs.value(QStringLiteral("parabirimikodu"))),
                moneyOrZero(rs.value(QStringLiteral("borckuru"))),
                moneyOrZero(rs.value(QStringLiteral("tahsilatkuru"))),
                moneyOrZero(rs.value(QStringLiteral("tahsilatmiktari"))),
                tarihDenetle(tarihMetni(rs.value(QStringLiteral("tahsilattarihi"))),
                             "tblfoy_tahsilat", "tahsilattarihi", FoyKodu));
        }
    });
}

void colTahsilatlar::BelliTarihtenSonrakileriCikar(const QString& Tarih) {
    for (int i = Count(); i >= 1; --i)
        if (Item(i).Tarih >= Tarih)
            Remove(i);
}

}  // namespace quv
