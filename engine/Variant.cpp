#include "engine/Variant.h"

#include "engine/RecordSet.h"
#include "engine/RuntimeError.h"

#include <cmath>
#include <limits>

namespace quv {

namespace {

// The integer a variant of kind T holds, read where it is stored.
template <class T>
qlonglong yerinde(const void* p) {
    return static_cast<qlonglong>(*static_cast<const T*>(p));
}

}  // namespace

std::optional<qlonglong> storedInteger(const QVariant& value) {
    const void* p = value.constData();
    qlonglong n = 0;
    switch (value.typeId()) {
        case QMetaType::Int: n = yerinde<int>(p); break;
        case QMetaType::LongLong: n = yerinde<qlonglong>(p); break;
        case QMetaType::Short: n = yerinde<short>(p); break;
        case QMetaType::UInt: n = yerinde<uint>(p); break;
        case QMetaType::UShort: n = yerinde<ushort>(p); break;
        case QMetaType::UChar: n = yerinde<uchar>(p); break;
        case QMetaType::ULongLong:
            if (*static_cast<const qulonglong*>(p) >
                static_cast<qulonglong>(std::numeric_limits<qlonglong>::max()))
                return std::nullopt;
            n = yerinde<qulonglong>(p);
            break;
        default:
            return std::nullopt;
    }
    if (isNull(value))
        return std::nullopt;
    return n;
}

namespace {

double numberOf(const QVariant& value) {
    if (isNull(value))
        throw RuntimeError::invalidUseOfNull();
    switch (value.typeId()) {
        case QMetaType::Bool:
            return *static_cast<const bool*>(value.constData()) ? -1.0 : 0.0;
        case QMetaType::QString:
        case QMetaType::QByteArray: {
            QString text = value.toString().trimmed();
            bool ok = false;
            double d = text.toDouble(&ok);
            if (!ok) {
                // Decimal commas are accepted as well.
                d = QString(text).replace(u',', u'.').toDouble(&ok);
            }
            if (!ok || text.isEmpty())
                throw RuntimeError::typeMismatch();
            return d;
        }
        case QMetaType::Double:
            return *static_cast<const double*>(value.constData());
        default: {
            if (const auto n = storedInteger(value))
                return static_cast<double>(*n);
            bool ok = false;
            double d = value.toDouble(&ok);
            if (!ok)
                throw RuntimeError::typeMismatch();
            return d;
        }
    }
}

template <class T>
T wholeNumber(const QVariant& value) {
    if (const auto n = storedInteger(value)) {
        if (*n < std::numeric_limits<T>::min() || *n > std::numeric_limits<T>::max())
            throw RuntimeError::overflow();
        return static_cast<T>(*n);
    }
    double d = std::nearbyint(numberOf(value));
    if (!std::isfinite(d) || d < static_cast<double>(std::numeric_limits<T>::min()) ||
        d > static_cast<double>(std::numeric_limits<T>::max()))
        throw RuntimeError::overflow();
    return static_cast<T>(d);
}

}  // namespace

qint16 toInt16(const QVariant& value) {
    return wholeNumber<qint16>(value);
}
qint32 toInt32(const QVariant& value) {
    return wholeNumber<qint32>(value);
}
quint8 toByte(const QVariant& value) {
    return wholeNumber<quint8>(value);
}

float toRate(const QVariant& value) {
    double d = numberOf(value);
    if (std::isfinite(d) && std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max()))
        throw RuntimeError::overflow();
    return static_cast<float>(d);
}

double toDouble(const QVariant& value) {
    return numberOf(value);
}

bool toBool(const QVariant& value) {
    if (isNull(value))
        throw RuntimeError::invalidUseOfNull();
    if (value.typeId() == QMetaType::Bool)
        return *static_cast<const bool*>(value.constData());
    if (value.typeId() == QMetaType::QString) {
        QString text = value.toString().trimmed();
        if (text.compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    return numberOf(value) != 0.0;
}

QString toText(const QVariant& value) {
    if (isNull(value))
        throw RuntimeError::invalidUseOfNull();
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
        return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

}  // namespace quv
