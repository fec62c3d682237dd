#pragma once

#include "engine/Database.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

namespace quv {

// The office's settings as a JSON document ("format": "quvhesap-ayarlar", "version":
// 1): dated tariffs, the attorney-fee scale, other attorney fees, the shared rate
// tables, currencies, exchange rates, enforcement offices, courts, expense kinds,
// attorneys and the office options. docs/case-format.md describes it.
class AyarBelgesi {
public:
    // Passwords and keys of the options are left out unless `gizliDahil`.
    static QJsonObject disaAktar(Database& db, bool gizliDahil = false);

    // Checks the whole document, then, in one transaction, replaces the rows of every
    // section the document holds (the shared rate tables only, never a file's own);
    // sections it leaves out stay as they are, and so do the shipped rate tables whose
    // code the document holds no table or rate of. An options row without its passwords
    // keeps the stored ones. Returns every problem found, with its place; empty: written.
    static QStringList iceAktar(Database& db, const QByteArray& metin);
};

}  // namespace quv
