#pragma once

#include "summary/HesapOzetiGosterimi.h"

#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace quv {

class clsFoyBilgileri;
class clsHesapAna;

// The account statement of an enforcement file as plain texts, every amount and date
// already in its Turkish form ("1.234,56", "31.12.2024"): the head (file, creditor,
// debtors, dates), the grouped summary, each claim with its tiered-interest lines,
// the collections with the debts each was set off against, and the expenses.
struct HesapDokumu {
    using Satir = std::pair<QString, QString>;

    struct FaizSatiri {
        QString Baslangic;
        QString Bitis;
        QString Gun;
        QString Oran;
        QString Tutar;
        // The principal the period's interest ran on.
        QString AsilAlacak;
        QString Aciklama;
    };
    struct Alacak {
        QString Ad;
        QString FaizBaslangici;
        QString Tutar;
        QList<FaizSatiri> FaizSatirlari;
        // The interest of the lines.
        QString FaizToplami;
    };
    struct Tahsilat {
        QString Tarih;
        // The collection in lira and, in a foreign-currency file only, in the debt
        // currency; there each amount names its unit.
        QString Tutar;
        QString DovizTutari;
        QString Donem;
        // Debt and the amount set off against it, with its unit; a surplus last.
        QList<Satir> Kisimlar;
    };
    struct Masraf {
        QString Tarih;
        QString Tur;
        QString Tutar;
    };

    qint32 FoyKodu = 0;
    QList<Satir> Kunye;
    QList<HesapOzetiGrubu> Ozet;
    QList<Alacak> Alacaklar;
    QList<Tahsilat> Tahsilatlar;
    QList<Masraf> Masraflar;
    QString MasrafToplami;
    // The calculation's notes (an undefined rate, a surplus before the enforcement).
    QStringList Uyarilar;
};

// The statement of a file calculated with its tiered detail kept. The names of the
// debtors and the attorney and the expenses one by one are read from the database.
HesapDokumu hesapDokumuOlustur(clsFoyBilgileri& foy);

// Calculates the file as of the date (its stored date when empty) keeping the tiered
// detail and never saving, then builds its statement. None when the file is missing
// or a step of the calculation reported an error: a statement of a failed run would
// print wrong amounts.
std::optional<HesapDokumu> hesapDokumuHesapla(clsHesapAna& hesap, qint32 FoyKodu,
                                              const QString& tarih = QString());

}  // namespace quv
