#include "file/MahsupSirasiTablosu.h"

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "file/FieldReads.h"

#include <algorithm>
#include <limits>

namespace quv {

bool clsMahsupSirasiTablosu::DBdenYukle(qint32 FoyKodu) {
    return trapped(QStringLiteral("Hesap.clsMahsupsirasiTablosu.DBdenYukle"), [&] {
        Temizle();
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("Select tarih, tahsilatmahsupsirasi from tblfoy_tahsilatmahsupsirasi "
                           "where foykodu = ") +
                QString::number(FoyKodu) + QStringLiteral(" order by tarih "),
            CursorType::Static);
        if (!rs.eof()) {
            rs.moveLast();
            rs.moveFirst();
            rows_.reserve(static_cast<std::size_t>(rs.recordCount()));
        }
        while (!rs.eof()) {
            // A row without a date or order stops the load (Null raises 94).
            append(FieldReads::tarihDenetle(toText(rs.value(QStringLiteral("tarih"))),
                                            "tblfoy_tahsilatmahsupsirasi", "tarih", FoyKodu),
                   toInt16(rs.value(QStringLiteral("tahsilatmahsupsirasi"))));
            rs.moveNext();
        }
        rs.close();
    });
}

bool clsMahsupSirasiTablosu::GriddenYukle(const GridSource& GRD) {
    return trapped(QStringLiteral("Hesap.clsMahsupSiraTablosu.GriddenYukle"), [&] {
        Temizle();
        forEachDatedGridRow(GRD, [&](int i, const QString& tarih) {
            // The cell holds the index of the chosen entry; the entry's item data is the order.
            const qint16 secilen = toInt16(GRD.cellText(i, 1));
            append(tarih, toInt16(GRD.listItemData(1, secilen)));
        });
    });
}

E_MahsupsirasiTablosu clsMahsupSirasiTablosu::MahsupSiralari(int MahsupNo) const {
    if (MahsupNo < 1 || MahsupNo > Sayi())
        throw RuntimeError::subscriptOutOfRange();
    return rows_[static_cast<std::size_t>(MahsupNo - 1)];
}

void clsMahsupSirasiTablosu::append(const QString& Tarih, qint16 MahsupSirasi) {
    // Rows are numbered with 16-bit integers.
    if (rows_.size() >= static_cast<std::size_t>(std::numeric_limits<qint16>::max()))
        throw RuntimeError::overflow();
    rows_.push_back({Tarih, static_cast<Enum_TahsilatMahsupSirasi>(MahsupSirasi)});
}

}  // namespace quv
