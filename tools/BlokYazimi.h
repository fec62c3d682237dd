#pragma once

#include "engine/Database.h"
#include "engine/RuntimeError.h"

#include <QList>
#include <QString>

#include <utility>

namespace quv::BlokYazimi {

// One file's upsert of its summary row ("insert into t (...) values (?, ...) on conflict
// ..."), kept to be written with the block's others.
struct Satir {
    QString metin;
    QVariantList degerler;
    qint32 foy = 0;
};

using Hatalar = QList<std::pair<qint32, RuntimeError>>;

// A block's write: its kept rows, the files to be recorded as saved with them (those whose
// row is refused are left out), and the errors of rows already refused on the way.
struct Is {
    QList<Satir> satirlar;
    QList<qint32> kaydedilenler;
    Hatalar hatalar;
    bool bos() const { return satirlar.isEmpty() && kaydedilenler.isEmpty() && hatalar.isEmpty(); }
};

// Writes the rows inside the caller's transaction, those of one text a hundred or so a
// statement. A statement the database refuses is undone to its savepoint and its rows are
// written one by one; the files whose row could not be written come back with the error. A
// lost connection throws.
Hatalar gonder(Database& db, const QList<Satir>& satirlar);

}  // namespace quv::BlokYazimi
