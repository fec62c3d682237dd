#pragma once

#include <QString>

namespace quv::SqlDialect {

// The SQL dialect of the server behind a connection, as far as the engine's texts
// depend on it.
enum class Dialect { SQLite, PostgreSQL, SqlServer, Access, Other };

// The dialect of a server from the name its ODBC driver reports for it
// (SQL_DBMS_NAME: "Microsoft SQL Server", "ACCESS", "PostgreSQL", "SQLite", ...).
Dialect fromDbmsName(const QString& name);

// The engine's text as it runs on a server of the dialect: SQL Server and Access
// take it as written, the others have no TOP (it becomes LIMIT), and PostgreSQL
// also sorts Nulls low as the office databases do.
QString adapt(Dialect dialect, const QString& sql);
// False when adapt() surely gives the text back unchanged (a quick look, for every statement).
bool mayAdapt(Dialect dialect, const QString& sql);

// "SELECT TOP n ..." as "SELECT ... LIMIT n", for backends without TOP.
QString topToLimit(const QString& sql);

// Makes every ORDER BY term sort Nulls as the lowest values ("NULLS FIRST" when
// ascending, "NULLS LAST" when descending), as the office databases do; PostgreSQL
// otherwise sorts them as the highest. Quoted literals are left alone.
QString nullsSortLow(const QString& sql);

}  // namespace quv::SqlDialect
