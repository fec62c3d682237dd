#pragma once

#include "engine/Database.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

namespace quv::BlokOkumasi {

// One file's read ("... where foykodu = 1001 ...") answered for a block of files by one
// statement ("... where foykodu in (1001, 1002, ...)" with the file code as an extra first
// column): each file's rows in the order they came.
struct Cevap {
    Cevap() = default;
    Cevap(const Cevap&) = default;
    Cevap(Cevap&&) = default;
    Cevap& operator=(const Cevap&) = default;
    Cevap& operator=(Cevap&&) = default;
    ~Cevap();

    QStringList sutunlar;
    // Each file's rows, by the file's place in the list of files the block was read for.
    std::vector<std::vector<QVariantList>> dosyalar;
    // The rows a file without rows gets: none, or one row for a count or a minimum.
    std::vector<QVariantList> bos;
    // The tables the read names, lower case; the column of its file condition.
    QSet<QString> tablolar;
    QString alan;
    // The files it answered so far.
    int kullanim = 0;
    // Whether it joins a table with rows kept to be written, as of that count of changes of
    // those tables (0: not known yet).
    quint64 bekleyenSurumu = 0;
    bool bekleyenleriOkur = false;
    // The statement that ran, how long it took and the rows it gave.
    QString sorgu;
    qint64 sure = 0;
    int satirSayisi = 0;
};

// Memory brought into the processor's cache ahead of its use, a hint that changes nothing: a
// block's rows are read long before a file uses them, and freed long after. A row's values;
// the texts among them (read from the values, which should be at hand by then).
void onbellegeAl(const void* bas, const void* bit);
void degerleriAl(const QVariantList& satir);
void metinleriAl(const QVariantList& satir);

// The tables a statement names ("tbl..."), lower case.
QSet<QString> tablolar(const QString& metin);

// The read `kalip` (a file's read with its code written "#" after the column `alan`) for
// the files, by one statement on `db`; none when the read cannot be made for a block (a
// quoted value that differs from file to file, a limit on the rows, a condition spelt
// otherwise). A statement the database refuses throws.
std::optional<Cevap> oku(Database& db, const QString& kalip, const QString& alan,
                         const QList<qint32>& foyler);

}  // namespace quv::BlokOkumasi
