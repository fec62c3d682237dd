#include "calc/clsHesapKalemi.h"

namespace quv {

QString clsHesapKalemi::SiralamaSahasi() const {
    // The kind written with at least three digits and leading zeros; a negative kind
    // keeps its sign in front ("-005"), as a number format would write it.
    const qint32 tip = static_cast<qint32>(KalemTipi);
    const QString digits =
        QString::number(tip < 0 ? -static_cast<qint64>(tip) : tip).rightJustified(3, u'0');
    QString sahasi;
    sahasi.reserve(Tarih.size() + 1 + digits.size());
    sahasi += Tarih;
    if (tip < 0)
        sahasi += u'-';
    sahasi += digits;
    return sahasi;
}

void clsHesapKalemi::Init() {
    *this = clsHesapKalemi();
}

}  // namespace quv
