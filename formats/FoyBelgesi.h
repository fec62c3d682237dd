#pragma once

#include "engine/Database.h"

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>

#include <optional>

namespace quv {

// A case file: one enforcement file as a JSON document ("format": "quvhesap-foy",
// "version": 1) with everything the calculation reads for it: the head, the
// creditor's switches, parties, notifications, claims, later claims, pre-enforcement
// claims, collections, expenses, the file's own rate and offset-order tables, the
// judgement and its offsets, the precautionary attachment, the contract and the extra
// switches. docs/case-format.md describes it.
class FoyBelgesi {
public:
    // The case file of a stored file; none when there is no such file.
    static std::optional<QJsonObject> disaAktar(Database& db, qint32 foyKodu);

    struct Sonuc {
        qint32 foyKodu = 0;     // the code the file was written under
        QStringList sorunlar;   // every problem found, with its place; empty: written
    };
    // Checks the whole document first (types, dates, amounts, values of the
    // classifications, the currencies, creditor, offices, courts and rate tables it
    // refers to, an existing file of the same code) and writes it in one transaction,
    // or nothing at all. `yeniKod` imports it under another file code; an existing
    // file is replaced only when `uzerineYaz` is set. A database failure while writing
    // raises its run-time error after the rollback.
    static Sonuc iceAktar(Database& db, const QByteArray& metin,
                          std::optional<qint32> yeniKod = std::nullopt, bool uzerineYaz = false);
};

}  // namespace quv
