#pragma once

#include "engine/Database.h"

#include <QList>
#include <QString>

namespace quv {

// The record a bulk update keeps in the database (its own table, made when first
// needed): for each selected file of a slice of the run ("2/4"; "1/1" for a whole run)
// whether it was saved. A stopped run is resumed from it, doing only the files not yet
// saved; a new run of the slice replaces it. On ODBC databases, whose tables the office
// manages, no record is kept.
class TopluCalismaKaydi {
public:
    TopluCalismaKaydi(Database& db, QString parca);

    static bool Destekli(const Database& db) { return db.backend() != Backend::ODBC; }

    // Makes the record's table when the database has none yet.
    void TabloyuHazirla();
    // The slice's files, none saved yet, in place of its earlier record.
    void Baslat(const QList<qint32>& foyler);
    // True when the slice has a record.
    bool Var();
    // The files of the record not saved yet, by file code.
    QList<qint32> Bekleyenler();
    // A file is marked in the record of its slice (file code mod N = K - 1), which is this
    // one's unless a worker took another slice's block.
    void Kaydedildi(qint32 foyKodu);
    // Several files at once, in one statement for each slice.
    void Kaydedildi(const QList<qint32>& foyler);

private:
    QString dilimi(qint32 foyKodu) const;

    Database& db_;
    QString parca_;
    // The slice "K/N" as numbers.
    int dilim_;
    int dilimSayisi_;
};

}  // namespace quv
