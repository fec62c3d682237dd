#pragma once

#include <QString>

namespace quv::SqlText {

// A value placed inside single quotes of an SQL text: embedded quotes are doubled,
// so a value can never end the literal early.
inline QString escaped(const QString& value) {
    QString out = value;
    out.replace(u'\'', QStringLiteral("''"));
    return out;
}

}  // namespace quv::SqlText
