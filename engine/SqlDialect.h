#pragma once

#include <QString>

namespace quv::SqlDialect {

// "SELECT TOP n ..." as "SELECT ... LIMIT n", for backends without TOP.
QString topToLimit(const QString& sql);

// Makes every ORDER BY term sort Nulls as the lowest values ("NULLS FIRST" when
// ascending, "NULLS LAST" when descending), as the office databases do; PostgreSQL
// otherwise sorts them as the highest. Quoted literals are left alone.
QString nullsSortLow(const QString& sql);

}  // namespace quv::SqlDialect
