#include "file/FieldReads.h"

#include "engine/RecordSet.h"
#include "engine/RuntimeError.h"
#include "engine/TextDate.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"

namespace quv::FieldReads {

QString zeroPrefixed(const QVariant& value) {
    return QStringLiteral("0") + (isNull(value) ? QString() : toText(value));
}

qint16 zeroPrefixedInt16(const QVariant& value) {
    return toInt16(zeroPrefixed(value));
}
qint32 zeroPrefixedInt32(const QVariant& value) {
    return toInt32(zeroPrefixed(value));
}
quint8 zeroPrefixedByte(const QVariant& value) {
    return toByte(zeroPrefixed(value));
}
Money zeroPrefixedMoney(const QVariant& value) {
    return Money::fromVariant(zeroPrefixed(value));
}

double zeroPrefixedNumber(const QVariant& value) {
    QString text = zeroPrefixed(value);
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
    return text.left(end).toDouble();
}

qint16 int16OrZero(const QVariant& value) {
    return toInt16(modGeneral::NullKontrol(value, true));
}
qint32 int32OrZero(const QVariant& value) {
    return toInt32(modGeneral::NullKontrol(value, true));
}
quint8 byteOrZero(const QVariant& value) {
    return toByte(modGeneral::NullKontrol(value, true));
}
float rateOrZero(const QVariant& value) {
    return toRate(modGeneral::NullKontrol(value, true));
}
Money moneyOrZero(const QVariant& value) {
    return Money::fromVariant(modGeneral::NullKontrol(value, true));
}
bool flagOrFalse(const QVariant& value) {
    return toBool(modGeneral::NullKontrol(value, true));
}
QString textOrEmpty(const QVariant& value) {
    return toText(modGeneral::NullKontrol(value, false));
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
