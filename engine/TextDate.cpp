#include "engine/TextDate.h"

#include "engine/RuntimeError.h"

#include <array>
#include <cstring>

namespace quv::TextDate {

namespace {

bool parts(const QString& text, int& y, int& m, int& d) {
    if (text.size() != 8)
        return false;
    int digits[8];
    const QChar* p = text.constData();
    for (int i = 0; i < 8; ++i) {
        const char16_t c = p[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        digits[i] = c - u'0';
    }
    y = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    m = digits[4] * 10 + digits[5];
    d = digits[6] * 10 + digits[7];
    // A day of the (proleptic) Gregorian calendar from year 1 on.
    static constexpr int kGunler[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 1 || m < 1 || m > 12 || d < 1)
        return false;
    const bool artik = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return d <= kGunler[m - 1] + (m == 2 && artik ? 1 : 0);
}

}  // namespace

bool isValid(const QString& text) {
    int y, m, d;
    return parts(text, y, m, d);
}

QDate toDate(const QString& text) {
    // Interest is counted in days between the same few dates many times a file: the day
    // numbers of the last texts converted are kept, by their eight characters.
    struct Donusturulen {
        quint64 bas = 0, son = 0;
        qint64 gun = 0;
    };
    thread_local std::array<Donusturulen, 4> sonlar;
    thread_local unsigned sira = 0;
    quint64 bas = 0, son = 0;
    if (text.size() == 8) {
        std::memcpy(&bas, text.constData(), sizeof bas);
        std::memcpy(&son, text.constData() + 4, sizeof son);
        for (const Donusturulen& o : sonlar)
            if (o.gun != 0 && o.bas == bas && o.son == son)
                return QDate::fromJulianDay(o.gun);
    }
    int y, m, d;
    if (!parts(text, y, m, d))
        throw RuntimeError::typeMismatch();
    // The day number is computed here (the Gregorian calendar's) rather than by the
    // calendar library.
    const int a = (14 - m) / 12;
    const qint64 yy = y + 4800 - a;
    const int mm = m + 12 * a - 3;
    const qint64 gun = d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
    sonlar[sira++ % sonlar.size()] = {bas, son, gun};
    return QDate::fromJulianDay(gun);
}

QString fromDate(const QDate& date) {
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        return date.isValid() ? QStringLiteral("%1%2%3")
                                    .arg(date.year(), 4, 10, QChar(u'0'))
                                    .arg(date.month(), 2, 10, QChar(u'0'))
                                    .arg(date.day(), 2, 10, QChar(u'0'))
                              : QString();
    // Dates are written for every line of a calculation: digits by hand, not by format.
    char16_t text[8];
    int y = date.year();
    for (int i = 3; i >= 0; --i, y /= 10)
        text[i] = char16_t(u'0' + y % 10);
    text[4] = char16_t(u'0' + date.month() / 10);
    text[5] = char16_t(u'0' + date.month() % 10);
    text[6] = char16_t(u'0' + date.day() / 10);
    text[7] = char16_t(u'0' + date.day() % 10);
    return QString(reinterpret_cast<const QChar*>(text), 8);
}

QString invalidMessage(const QString& field, const QString& text) {
    if (text.isEmpty() || isValid(text))
        return QString();
    return QStringLiteral("Lütfen ") + field +
           QStringLiteral(" için geçerli bir tarih giriniz: \"") + text + u'"';
}

}  // namespace quv::TextDate
