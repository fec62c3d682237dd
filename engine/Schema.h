#pragma once

#include "engine/Database.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace quv::Schema {

// The tables the component reads and writes, each with its columns in order.
using TableColumns = QMap<QString, QStringList>;

// The creating statements of a backend's script (SQLite or PostgreSQL).
QStringList statements(Backend backend);
// The tables and columns the scripts define (table names in lower case).
const TableColumns& expected();

// How a database stands against the expected tables.
struct Comparison {
    enum class State { Empty, Complete, Different };
    State state = State::Empty;
    // Turkish lines naming each table that is missing or lacks columns.
    QStringList differences;
};
// Tables and columns are compared without regard to case; other tables of the host
// and extra columns of its tables are allowed.
Comparison compare(const Database& db);

enum class InitResult { Created, AlreadyPresent };
// Creates every table on a database that has none of them (in one transaction);
// does nothing on one that has them all; refuses, changing nothing, on one whose
// tables differ (run-time error with the differences) and on ODBC databases,
// whose tables the office's own tools manage.
InitResult initialize(Database& db);

}  // namespace quv::Schema
