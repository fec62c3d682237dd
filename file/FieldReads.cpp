#include "file/FieldReads.h"

#include "engine/RecordSet.h"
#include "engine/RuntimeError.h"
#include "engine/TextDate.h"
#include "engine/Variant.h"

#include <limits>
#include <optional>

namespace quv::FieldReads {

namespace {

// A non-negative whole number: the value of an integer column, or a text of digits alone
// (PostgreSQL gives counts and sums as such texts); "0" before its text spells the number
// itself, so it is taken without the text. None for anything else (read through the text).
std::optional<qlonglong> negatifOlmayanTamSayi(const QVariant& value) {
    if (const auto n = storedInteger(value))
        return *n >= 0 ? n : std::nullopt;
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString& text = *static_cast<const QString*>(value.constData());
    // Eighteen digits stay below the 64-bit limit.
    if (text.isEmpty() || text.size() > 18)
        return std::nullopt;
    qlonglong n = 0;
    for (const QChar c : text) {
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

// A text that starts with a digit reads the same with a 0 before it: the text itself, or
// none.
const QString* rakamlaBaslayanMetin(const QVariant& value) {
    if (value.typeId() != QMetaType::QString)
        return nullptr;
    const QString* text = static_cast<const QString*>(value.constData());
    return !text->isEmpty() && text->front() >= u'0' && text->front() <= u'9' ? text : nullptr;
}

template <class T>
T sinirda(qlonglong n) {
    if (n > std::numeric_limits<T>::max())
        throw RuntimeError::overflow();
    return static_cast<T>(n);
}

// The "0"-prefixed whole number: a Null is 0, a non-negative integer itself, anything
// else read from the text.
template <class T, T (*okuyucu)(const QVariant&)>
T sifirOnekliTamSayi(const QVariant& value) {
    if (isNull(value))
        return 0;
    if (const auto n = negatifOlmayanTamSayi(value))
        return sinirda<T>(*n);
    return okuyucu(zeroPrefixed(value));
}

}  // namespace

QString zeroPrefixed(const QVariant& value) {
    return QStringLiteral("0") + (isNull(value) ? QString() : toText(value));
}

qint16 zeroPrefixedInt16(const QVariant& value) {
    return sifirOnekliTamSayi<qint16, toInt16>(value);
}
qint32 zeroPrefixedInt32(const QVariant& value) {
    return sifirOnekliTamSayi<qint32, toInt32>(value);
}
quint8 zeroPrefixedByte(const QVariant& value) {
    return sifirOnekliTamSayi<quint8, toByte>(value);
}
Money zeroPrefixedMoney(const QVariant& value) {
    if (isNull(value))
        return Money();
    if (const auto n = negatifOlmayanTamSayi(value))
        return Money::fromUnits(*n);
    if (const QString* rakamla = rakamlaBaslayanMetin(value))
        return Money::parse(*rakamla);
    return Money::fromVariant(zeroPrefixed(value));
}

double zeroPrefixedNumber(const QVariant& value) {
    if (isNull(value))
        return 0;
    if (const auto n = negatifOlmayanTamSayi(value))
        return static_cast<double>(*n);
    const QString* rakamla = rakamlaBaslayanMetin(value);
    const QString text = rakamla ? *rakamla : zeroPrefixed(value);
    int end = 0;
    bool point = false;
    while (end < text.size()) {
        QChar c = text[end];
        if (c.isDigit() && c.unicode() < 128) {
            ++end;
        } else if (c == u'.' && !point) {
            point = true;
            ++end;
        } else {
            break;
        }
    }
    return QStringView(text).left(end).toDouble();
}

// A Null reads as the column kind's default (0, or the empty text) without being copied.
qint16 int16OrZero(const QVariant& value) {
    return isNull(value) ? 0 : toInt16(value);
}
qint32 int32OrZero(const QVariant& value) {
    return isNull(value) ? 0 : toInt32(value);
}
quint8 byteOrZero(const QVariant& value) {
    return isNull(value) ? 0 : toByte(value);
}
float rateOrZero(const QVariant& value) {
    return isNull(value) ? 0.0f : toRate(value);
}
Money moneyOrZero(const QVariant& value) {
    return isNull(value) ? Money() : Money::fromVariant(value);
}
bool flagOrFalse(const QVariant& value) {
    return isNull(value) ? false : toBool(value);
}
QString textOrEmpty(const QVariant& value) {
    return isNull(value) ? QStringLiteral("") : toText(value);
}

QString tarihDenetle(const QString& okunan, const char* tablo, const char* sutun, qint32 foyKodu) {
    if (okunan.isEmpty() || TextDate::isValid(okunan))
        return okunan;
    throw RuntimeError(ErrNo::TypeMismatch,
                       QStringLiteral("%1.%2: %3 numaralı föyde geçersiz tarih \"%4\"")
                           .arg(QLatin1String(tablo), QLatin1String(sutun))
                           .arg(foyKodu)
                           .arg(okunan));
}

QString tarihDenetle(const QString& okunan, const char* tablo, const char* sutun,
                     const QString& satir) {
    if (okunan.isEmpty() || TextDate::isValid(okunan))
        return okunan;
    throw RuntimeError(ErrNo::TypeMismatch,
                       QStringLiteral("%1.%2: %3geçersiz tarih \"%4\"")
                           .arg(QLatin1String(tablo), QLatin1String(sutun),
                                satir.isEmpty() ? QString() : satir + u' ', okunan));
}

}  // namespace quv::FieldReads
