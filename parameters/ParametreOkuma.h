#pragma once

#include "engine/Money.h"
#include "engine/RecordSet.h"

#include <QString>

// Field reads shared by the parameter loaders. A required value that is Null raises
// run-time error 94, which ends the load through its error trap.
namespace quv::ParametreOkuma {

// A date placed in single quotes inside an SQL text.
QString tirnakli(const QString& tarih);

Money tutar(const RecordSet& rs, const QString& kolon);
// A Null amount reads as the given value.
Money tutar(const RecordSet& rs, const QString& kolon, Money nullIse);
float oran(const RecordSet& rs, const QString& kolon);
// A Null rate reads as 0.
float oranVeyaSifir(const RecordSet& rs, const QString& kolon);
// An option flag: any non-zero number is true, Null is false.
bool secenek(const RecordSet& rs, const QString& kolon);

// Checks every date of a dated tariff table (its column "tarih"). The row in force is
// picked by comparing dates as text, so a date that names no day would silently drop out
// of the choice, or end a period where no change is, and an earlier row would apply in
// its place: such a date raises run-time error 13 naming the table.
void tarihleriDenetle(const char* tablo);

}  // namespace quv::ParametreOkuma
