#include "calc/clsHesapKalemi.h"

namespace quv {

QString clsHesapKalemi::SiralamaSahasi() const {
    // The kind written with at least three digits and leading zeros; a negative kind
    // keeps its sign in front ("-005"), as a number format would write it.
    const qint32 tip = static_cast<qint32>(KalemTipi);
    QString digits =
        QString::number(tip < 0 ? -static_cast<qint64>(tip) : tip).rightJustified(3, u'0');
    return Tarih + (tip < 0 ? QStringLiteral("-") : QString()) + digits;
}

void clsHesapKalemi::Init() {
    *this = clsHesapKalemi();
}

}  // namespace quv
