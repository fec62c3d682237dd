#pragma once

#include <QList>
#include <QString>

namespace quv::belge {

// The kind of value a column holds and how it is written in a document.
enum class AlanTuru {
    Tamsayi,  // a whole number (codes, counts, switches stored as 1 and 0)
    Metin,    // text
    Tarih,    // a text date: "YYYY-MM-DD" in the document, yyyymmdd in the table, "" no date
    Para,     // an amount: a decimal number with at most four places, read exactly
    Oran,     // a rate or percentage: a number
};

// One field of a section: its name in the document and its column in the table.
struct Alan {
    const char* ad;
    const char* sutun;
    AlanTuru tur;
    // Whole numbers with a closed list of values (the file's form, claim type, ...):
    // the lowest and highest value; both 0 means any value.
    int enAz = 0;
    int enCok = 0;
    // A password or key: left out of an export unless asked for.
    bool gizli = false;
};

// One section of a document: the rows of one host table.
struct Bolum {
    const char* ad;     // its key in the document
    const char* tablo;  // the host table
    // The column that holds the file code ("foykodu"): written from the document's
    // file code, never a field of the rows. Empty: the table has no such column.
    const char* foySutunu;
    // The order of the rows on export (a column list); empty: the table's order.
    const char* sira;
    // An object rather than a list of rows (the file's head, the creditor).
    bool tekNesne;
    QList<Alan> alanlar;

    const Alan* alan(const QString& ad) const;
};

// The sections of a case file ("format": "quvhesap-foy") and of the settings
// ("format": "quvhesap-ayarlar"), in the order they are written.
const QList<Bolum>& foyBolumleri();
const QList<Bolum>& ayarBolumleri();

}  // namespace quv::belge
