#pragma once

#include "engine/Money.h"

#include <QString>
#include <QVariant>

namespace quv::FieldReads {

// Several columns are read as the text "0" followed by the column's value, so
// that a Null contributes nothing and reads as 0. A stored -1 gives "0-1",
// which is not a number: the whole-number reads raise run-time error 13 on it.
QString zeroPrefixed(const QVariant& value);
qint16 zeroPrefixedInt16(const QVariant& value);
qint32 zeroPrefixedInt32(const QVariant& value);
quint8 zeroPrefixedByte(const QVariant& value);
Money zeroPrefixedMoney(const QVariant& value);
// The leading number of the "0"-prefixed text, as the number-value reading takes
// it: digits up to the first character that cannot continue a number ("0-1" is 0).
double zeroPrefixedNumber(const QVariant& value);

// A column read with the numeric Null default (a Null reads as 0).
qint16 int16OrZero(const QVariant& value);
qint32 int32OrZero(const QVariant& value);
quint8 byteOrZero(const QVariant& value);
float rateOrZero(const QVariant& value);
Money moneyOrZero(const QVariant& value);
bool flagOrFalse(const QVariant& value);
// A column read with the text Null default (a Null reads as the empty text).
QString textOrEmpty(const QVariant& value);

// A date column as the load read it (its Null rule already applied): the empty text means
// no date; anything else must be an eight-digit calendar date, or the load stops with
// run-time error 13 naming the table, the column and the file, so that no calculation
// goes on (and is saved) with the date silently dropped.
QString tarihDenetle(const QString& okunan, const char* tablo, const char* sutun, qint32 foyKodu);
// The same for a shared table's row (a tariff, an interest rate, an exchange rate), which
// belongs to no file: the error names the row by what identifies it, e.g. "2 kodlu para
// biriminin kurlarında", or by nothing when the date itself is the row's key.
QString tarihDenetle(const QString& okunan, const char* tablo, const char* sutun,
                     const QString& satir = QString());

}  // namespace quv::FieldReads
