#pragma once

#include "engine/Database.h"
#include "formats/ReferansBelgesi.h"

#include <QList>
#include <QStringList>

namespace quv {

// The shipped rate tables in an office's database: the shared tables (file 0) of the
// rate-table head and detail tables, under their fixed codes.
namespace ReferansTablolari {

struct Ekleme {
    int tablo = 0;  // heads added
    int oran = 0;   // rates added
    // One line per table added to and per added rate; one per table left alone.
    QStringList satirlar;
};

// Adds what the document has and the database lacks, in one transaction: a missing
// table head, and every rate whose date the table has no row for. A row the office
// entered or changed is never changed or deleted; a table whose code the office uses
// under another name is left alone. Records, per table, the date up to which its
// figures were checked. Running it again adds nothing.
Ekleme ekle(Database& db, const ReferansBelgesi& belge);
// The same inside a transaction the caller holds.
Ekleme ekleIslemIcinde(Database& db, const ReferansBelgesi& belge);

// The shared tables (by code) that file `foyKodu` or any of its claims uses.
QList<qint32> foyunTablolari(Database& db, qint32 foyKodu);

// One warning per shipped table among `kodlar` whose figures were checked only up to a
// date before `hesapTarihi` (YYYYMMDD), with the table's notes that hold on that date.
QStringList uyarilar(Database& db, const QList<qint32>& kodlar, const QString& hesapTarihi);

}  // namespace ReferansTablolari

}  // namespace quv
