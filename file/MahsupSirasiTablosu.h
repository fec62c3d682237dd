#pragma once

#include "calc/Enumerations.h"
#include "file/GridSource.h"

#include <QString>

#include <vector>

namespace quv {

// One row of a dated offset-order table: the order in which collections are
// applied from Tarih on.
struct E_MahsupsirasiTablosu {
    QString Tarih;
    Enum_TahsilatMahsupSirasi MahsupSirasi = E_TMS_BorcAslindan;

    friend bool operator==(const E_MahsupsirasiTablosu&, const E_MahsupsirasiTablosu&) = default;
};

// The dated offset orders of a file, numbered from 1.
class clsMahsupSirasiTablosu {
public:
    // The file's offset orders in date order. False after a reported error (the
    // rows read so far stay).
    bool DBdenYukle(qint32 FoyKodu);
    // Rows from an offset-order grid: date in column 0, the order chosen from the
    // drop-down list of column 1; blank rows are passed over. False after a
    // reported error (the rows read so far stay).
    bool GriddenYukle(const GridSource& GRD);

    // Row MahsupNo (1 to Sayi); any other number raises run-time error 9.
    E_MahsupsirasiTablosu MahsupSiralari(int MahsupNo) const;
    qint16 Sayi() const { return static_cast<qint16>(rows_.size()); }
    void Temizle() { rows_.clear(); }

private:
    void append(const QString& Tarih, qint16 MahsupSirasi);

    std::vector<E_MahsupsirasiTablosu> rows_;
};

}  // namespace quv
