#include "calc/clsHesapKalemi.h"

namespace quv {

QString clsHesapKalemi::SiralamaSahasi() const {
    QString sahasi;
    SiralamaSahasiniEkle(sahasi);
    return sahasi;
}

void clsHesapKalemi::SiralamaSahasiniEkle(QString& hedef) const {
    // The kind written with at least three digits and leading zeros; a negative kind
    // keeps its sign in front ("-005"), as a number format would write it.
    const qint32 tip = static_cast<qint32>(KalemTipi);
    qint64 deger = tip < 0 ? -static_cast<qint64>(tip) : tip;
    char16_t rakamlar[12];
    int n = 0;
    do {
        rakamlar[n++] = static_cast<char16_t>(u'0' + deger % 10);
        deger /= 10;
    } while (deger > 0);
    while (n < 3)
        rakamlar[n++] = u'0';
    char16_t tur[13];
    int m = 0;
    if (tip < 0)
        tur[m++] = u'-';
    while (n > 0)
        tur[m++] = rakamlar[--n];
    hedef += Tarih;
    hedef += QStringView(tur, m);
}

void clsHesapKalemi::Init() {
    *this = clsHesapKalemi();
}

}  // namespace quv
