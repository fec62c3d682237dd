#include "engine/Money.h"

#include "engine/RuntimeError.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

namespace quv {

namespace {

constexpr __int128 kMin = std::numeric_limits<std::int64_t>::min();
constexpr __int128 kMax = std::numeric_limits<std::int64_t>::max();

std::int64_t checked(__int128 v) {
    if (v < kMin || v > kMax)
        throw RuntimeError::overflow();
    return static_cast<std::int64_t>(v);
}

}  // namespace

std::int64_t divideHalfEven(__int128 numerator, std::int64_t divisor) {
    if (divisor == 0)
        throw RuntimeError::divisionByZero();
    // Most quotients (rounding to the cent, a product of amounts) have a 64-bit numerator:
    // divided in 64 bits, the wide division being slow. (The minimum divided by -1 is left
    // to the wide one, where it overflows as it should.)
    if (numerator >= kMin && numerator <= kMax && divisor != -1) {
        const std::int64_t n = static_cast<std::int64_t>(numerator);
        std::int64_t q = n / divisor;
        const std::int64_t r = n % divisor;
        if (r != 0) {
            // |2r| against |divisor| without overflow: |r| < |divisor| <= 2^63.
            const std::uint64_t ikiKati = 2 * static_cast<std::uint64_t>(r < 0 ? -r : r);
            const std::uint64_t mutlakBolen = divisor < 0
                                                  ? 0ULL - static_cast<std::uint64_t>(divisor)
                                                  : static_cast<std::uint64_t>(divisor);
            if (ikiKati > mutlakBolen || (ikiKati == mutlakBolen && q % 2 != 0))
                q += (n < 0) != (divisor < 0) ? -1 : 1;
        }
        return q;
    }
    __int128 q = numerator / divisor;
    __int128 r = numerator % divisor;
    if (r != 0) {
        __int128 twice = r * 2;
        if (twice < 0)
            twice = -twice;
        __int128 absDivisor = divisor < 0 ? -static_cast<__int128>(divisor) : divisor;
        bool negative = (numerator < 0) != (divisor < 0);
        if (twice > absDivisor || (twice == absDivisor && (q % 2 != 0)))
            q += negative ? -1 : 1;
    }
    return checked(q);
}

Money Money::fromUnits(std::int64_t units) {
    return Money(checked(static_cast<__int128>(units) * Scale));
}

namespace {

// value rounded to a whole number half to even, as a 64-bit integer; beyond the range
// it is an overflow.
std::int64_t wholeHalfEven(double value) {
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (value >= 9223372036854775808.0 || value < -9223372036854775808.0)
        throw RuntimeError::overflow();
    // nearbyint rounds in the default mode: to nearest, ties to even.
    double rounded = std::nearbyint(value);
    if (rounded >= 9223372036854775808.0)
        throw RuntimeError::overflow();
    return static_cast<std::int64_t>(rounded);
}

}  // namespace

Money Money::fromDouble(double amount) {
    return Money(wholeHalfEven(amount * static_cast<double>(Scale)));
}

Money Money::fromDoubleToCents(double amount) {
    constexpr std::int64_t centsPerUnit = 100;
    return Money(checked(static_cast<__int128>(wholeHalfEven(amount * centsPerUnit)) *
                         (Scale / centsPerUnit)));
}

Money Money::parse(QStringView input) {
    const QStringView text = input.trimmed();
    if (text.isEmpty())
        throw RuntimeError::typeMismatch();
    // The usual amount ("-12345.67": at most fourteen whole digits and four decimals, so
    // that the value times 10,000 has at most eighteen digits) is read in 64 bits; anything
    // else below.
    {
        qsizetype i = text[0] == u'-' ? 1 : 0;
        const bool eksi = i == 1;
        std::int64_t deger = 0;
        int rakamlar = 0;
        int ondalik = -1;
        for (; i < text.size() && rakamlar < 18; ++i) {
            const char16_t c = text[i].unicode();
            if (c >= u'0' && c <= u'9') {
                deger = deger * 10 + (c - u'0');
                ++rakamlar;
                if (ondalik >= 0)
                    ++ondalik;
            } else if (c == u'.' && ondalik < 0) {
                ondalik = 0;
            } else {
                break;
            }
        }
        const int kesir = std::max(ondalik, 0);
        if (i == text.size() && rakamlar > 0 && kesir <= 4 && rakamlar - kesir <= 14) {
            for (int d = kesir; d < 4; ++d)
                deger *= 10;
            return Money(eksi ? -deger : deger);
        }
    }
    bool negative = false;
    int i = 0;
    if (text[0] == u'-' || text[0] == u'+') {
        negative = text[0] == u'-';
        ++i;
    }
    __int128 mantissa = 0;
    int decimals = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' || c == u',') {
            if (seenPoint)
                throw RuntimeError::typeMismatch();
            seenPoint = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > 127)
            throw RuntimeError::typeMismatch();
        seenDigit = true;
        mantissa = mantissa * 10 + (c.unicode() - u'0');
        if (seenPoint)
            ++decimals;
        if (mantissa > kMax * 1000000)
            throw RuntimeError::overflow();
    }
    if (!seenDigit)
        throw RuntimeError::typeMismatch();
    if (negative)
        mantissa = -mantissa;
    if (decimals <= 4) {
        for (int d = decimals; d < 4; ++d)
            mantissa *= 10;
        return Money(checked(mantissa));
    }
    std::int64_t divisor = 1;
    for (int d = 4; d < decimals; ++d) {
        if (divisor > std::numeric_limits<std::int64_t>::max() / 10)
            throw RuntimeError::typeMismatch();
        divisor *= 10;
    }
    return Money(divideHalfEven(mantissa, divisor));
}

Money Money::fromVariant(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        throw RuntimeError::invalidUseOfNull();
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::Short:
        case QMetaType::SChar:
        case QMetaType::Long:
        case QMetaType::LongLong:
            return fromUnits(value.toLongLong());
        case QMetaType::UInt:
        case QMetaType::UShort:
        case QMetaType::UChar:
        case QMetaType::ULong:
        case QMetaType::ULongLong: {
            qulonglong u = value.toULongLong();
            if (u > static_cast<qulonglong>(std::numeric_limits<std::int64_t>::max()))
                throw RuntimeError::overflow();
            return fromUnits(static_cast<std::int64_t>(u));
        }
        case QMetaType::Bool:
            return fromUnits(value.toBool() ? -1 : 0);
        case QMetaType::Double:
        case QMetaType::Float:
            return fromDouble(value.toDouble());
        case QMetaType::QString:
            // Read in place: amounts from a server come as text.
            return parse(*static_cast<const QString*>(value.constData()));
        case QMetaType::QByteArray:
            return parse(value.toString());
        default:
            break;
    }
    if (value.canConvert<double>()) {
        bool ok = false;
        double d = value.toDouble(&ok);
        if (ok)
            return fromDouble(d);
    }
    throw RuntimeError::typeMismatch();
}

QString Money::toDecimalString() const {
    // Most amounts of a summary are zero: one shared text for them.
    static const QString sifir = QStringLiteral("0.0000");
    if (raw_ == 0)
        return sifir;
    std::int64_t v = raw_;
    bool negative = v < 0;
    unsigned long long a =
        negative ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    // Every amount saved passes here: the digits are written by hand.
    char16_t text[32];
    char16_t* const son = text + std::size(text);
    char16_t* p = son;
    unsigned long long fraction = a % Scale;
    for (int i = 0; i < 4; ++i, fraction /= 10)
        *--p = static_cast<char16_t>(u'0' + fraction % 10);
    *--p = u'.';
    unsigned long long whole = a / Scale;
    do {
        *--p = static_cast<char16_t>(u'0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative)
        *--p = u'-';
    return QString(reinterpret_cast<const QChar*>(p), son - p);
}

Money Money::roundTo2() const {
    return Money(checked(static_cast<__int128>(divideHalfEven(raw_, 100)) * 100));
}

Money Money::operator-() const {
    return Money(checked(-static_cast<__int128>(raw_)));
}

void Money::overflow() {
    throw RuntimeError::overflow();
}

Money operator*(Money a, Money b) {
    return Money(divideHalfEven(static_cast<__int128>(a.raw_) * b.raw_, Money::Scale));
}

Money operator*(Money a, std::int64_t n) {
    return Money(checked(static_cast<__int128>(a.raw_) * n));
}

double operator/(Money a, Money b) {
    if (b.raw_ == 0)
        throw RuntimeError::divisionByZero();
    return static_cast<double>(a.raw_) / static_cast<double>(b.raw_);
}

Money operator/(Money a, std::int64_t n) {
    return Money(divideHalfEven(a.raw_, n));
}

}  // namespace quv
