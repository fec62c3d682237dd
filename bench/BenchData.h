#pragma once

#include "engine/Database.h"

#include <QString>

#include <memory>

namespace quv::bench {

// A database for the benchmarks: the schema and the sample tariffs of the demo
// data, on a SQLite path or a PostgreSQL URL (an existing database is emptied).
std::shared_ptr<Database> benchDatabase(const QString& urlOrPath);

// Typical files from the code on: 3 claims on a 20-row rate table, 10 collections,
// 5 expenses, every fee on.
void typicalFiles(Database& db, int firstCode, int count);

// One large file: 100 claims on a 50-row rate table, 1,000 collections, 200 expenses.
void largeFile(Database& db, int code);

}  // namespace quv::bench
