#include "plans/Cp1254.h"

#include <array>

namespace quv::Cp1254 {

namespace {

// 0x80 to 0x9F: the code page's own characters; 0xA0 to 0xFF follow Latin-1 except for
// the six Turkish letters below.
constexpr std::array<char16_t, 32> kUst80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,  // 98
};

char16_t kod(quint8 b) {
    if (b < 0x80)
        return b;
    if (b < 0xA0)
        return kUst80[b - 0x80];
    switch (b) {
        case 0xD0:
            return 0x011E;  // Ğ
        case 0xDD:
            return 0x0130;  // İ
        case 0xDE:
            return 0x015E;  // Ş
        case 0xF0:
            return 0x011F;  // ğ
        case 0xFD:
            return 0x0131;  // ı
        case 0xFE:
            return 0x015F;  // ş
        default:
            return b;
    }
}

}  // namespace

QChar karakter(quint8 bayt) {
    return QChar(kod(bayt));
}

quint8 bayt(QChar karakter) {
    const char16_t c = karakter.unicode();
    if (c < 0x80)
        return static_cast<quint8>(c);
    for (int b = 0x80; b <= 0xFF; ++b)
        if (kod(static_cast<quint8>(b)) == c)
            return static_cast<quint8>(b);
    return '?';
}

QByteArray kodla(const QString& metin) {
    QByteArray sonuc;
    sonuc.reserve(metin.size());
    for (QChar c : metin)
        sonuc.append(static_cast<char>(bayt(c)));
    return sonuc;
}

QString coz(const QByteArray& baytlar) {
    QString sonuc;
    sonuc.reserve(baytlar.size());
    for (char b : baytlar)
        sonuc.append(karakter(static_cast<quint8>(b)));
    return sonuc;
}

}  // namespace quv::Cp1254
