#include "engine/Variant.h"

#include "engine/RecordSet.h"
#include "engine/RuntimeError.h"

#include <cmath>
#include <limits>

namespace quv {

namespace {

double numberOf(const QVariant& value) {
    if (isNull(value))
        throw RuntimeError::invalidUseOfNull();
    switch (value.typeId()) {
        case QMetaType::Bool:
            return value.toBool() ? -1.0 : 0.0;
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
        default: {
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
    if (!isNull(value) &&
        (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int ||
         value.typeId() == QMetaType::Short || value.typeId() == QMetaType::UInt ||
         value.typeId() == QMetaType::UShort || value.typeId() == QMetaType::UChar)) {
        qlonglong v = value.toLongLong();
        if (v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max())
            throw RuntimeError::overflow();
        return static_cast<T>(v);
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
        return value.toBool();
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
