#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace quv {

// Conversions of field values with the run-time errors the component relies on:
// a Null raises 94 (Invalid use of Null), a text that is not a number 13 (Type
// mismatch), a value outside the target's range 6 (Overflow). Fractions round half
// to even when a whole number is asked for.
qint16 toInt16(const QVariant& value);
qint32 toInt32(const QVariant& value);
quint8 toByte(const QVariant& value);
float toRate(const QVariant& value);
double toDouble(const QVariant& value);
// Numbers are non-zero for true; the texts "True"/"False" (any case) are accepted.
bool toBool(const QVariant& value);
// Numbers in their plain decimal form.
QString toText(const QVariant& value);
// The number a variant of an integer kind holds, read in place (the general conversion costs
// many times more); none for a Null, another kind or an unsigned value beyond 64-bit signed.
std::optional<qlonglong> storedInteger(const QVariant& value);

}  // namespace quv
