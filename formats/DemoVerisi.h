#pragma once

#include "engine/Database.h"

#include <QString>

namespace quv {

// Fills a database made by `quvhesap init-db` with the demo: the settings document
// `settings.json` of the folder and every case file of its `cases` folder, in the
// order of their names. A refused document raises a run-time error naming it and
// its first problem.
void demoVerisiniYukle(Database& db, const QString& klasor);

}  // namespace quv
