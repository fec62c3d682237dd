#pragma once

#include "engine/Money.h"

#include <QList>
#include <QString>

namespace quv {

// The debts a collection can be set off against, as a statement names them.
enum class MahsupBileseni : quint8 {
    Anapara,             // the claims' principal (debt currency)
    KidemAnapara,        // the severance principal (debt currency)
    SonrakiAnapara,      // the later claims' principal (lira)
    TODAAnapara,         // the interest-bearing pre-enforcement claims (lira)
    FaizDoviz,           // interest of the claims (debt currency)
    FaizTL,              // interest of the later and pre-enforcement claims (lira)
    MasrafDoviz,         // taxes on interest, compensation, commission (debt currency)
    FaizIslemeyenTutar,  // the parts of the claims that bear no interest (debt currency)
    MasrafTL,            // fees and expenses (lira)
    VekaletUcreti,       // attorney fee (lira)
};

// True for the debts held in the debt currency, false for those held in lira.
bool dovizCinsinden(MahsupBileseni bilesen);
QString mahsupBileseniAdi(MahsupBileseni bilesen);

struct MahsupKismi {
    MahsupBileseni Bilesen{};
    // In the debt currency or in lira, as the debt is held.
    Money Tutar;
};

// How one collection was applied. The engine writes it down where it books the
// offsets, for the account statement; nothing is computed from it.
struct TahsilatMahsubu {
    QString Tarih;
    // The collection's position among the file's collections.
    qint32 TahsilatNo = 0;
    // The collection in lira and in the debt currency.
    Money TL;
    Money Doviz;
    bool TakiptenSonra = false;
    // One part per debt in the order the collection reached them; a debt reached
    // twice (two claims' principal) adds up in one part.
    QList<MahsupKismi> Kisimlar;
    // What was left when every debt was paid, in the debt currency.
    Money Kalan;

    // Adds an offset part; a zero part is not kept.
    void ekle(MahsupBileseni bilesen, Money tutar);
};

}  // namespace quv
