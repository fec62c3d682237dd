#pragma once

#include <QString>
#include <QStringList>

namespace quv::SqlScript {

// The statements of an SQL script: a ";" outside a quoted text ends one, "--"
// outside a quoted text starts a comment that runs to the end of the line.
QStringList statements(const QString& script);

}  // namespace quv::SqlScript
