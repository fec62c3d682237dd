#pragma once

#include "engine/Database.h"

namespace quv::test {

// Rows a file needs to load: a creditor (code 1) and the currencies 1 (TL) and 2 (USD).
void insertCreditorAndCurrencies(Database& db);

// A file row of tblfoy (a pending general claim of type 13, enforcement 20230115, calculation
// 20240115, fixed rate 9 %); the given fields replace the defaults.
void insertFile(Database& db, qint32 foyKodu, const FieldValues& overrides = {});

}  // namespace quv::test
