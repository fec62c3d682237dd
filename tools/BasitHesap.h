#pragma once

#include "engine/Money.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QDateTime;

namespace quv {

class clsFoyBilgileri;
class clsHesapAna;

// One line of the simple calculation: an amount and what it is.
struct BasitHesapSatiri {
    Money Tutar;
    QString Aciklama;

    // The balance and the amount at the enforcement start stand out: they are
    // printed bold and after a separator line.
    bool Vurgulu() const;

    friend bool operator==(const BasitHesapSatiri&, const BasitHesapSatiri&) = default;
};

// A shared interest-rate table that the calculator offers.
struct FaizOraniTablosuSecenegi {
    qint32 FoyKodu = 0;
    qint32 Kodu = 0;
    QString Adi;
};

// The simple interest calculator without its window: the debt of one principal
// amount at a fixed rate or by a rate table, computed by the full engine on a file
// record that exists only in memory. The window and the command line both fill the
// inputs, check them with ValuesOK, run Hesapla and show Satirlar.
class BasitHesap {
public:
    // --- Inputs ---
    Money AsilAlacakTutari;
    // Amount that bears no interest; it is added as a pre-enforcement other claim.
    Money FaizIslemeyenAlacak;
    // Fixed annual rate in percent; 0 means that the rate table is used.
    float FaizOrani = 0;
    // The chosen shared rate table; Kodu -1 when none is chosen.
    qint32 FaizOraniTablosuKodu = YokTablo;
    qint32 FaizOraniTablosuFoyKodu = 0;
    // Take the table's rate on each anniversary of the interest start for a whole year.
    bool YillikFaizUygula = false;
    QString FaizBaslangicTarihi;
    // Empty: the enforcement has not started.
    QString TakipTarihi;
    QString GununTarihi;
    qint16 BorcluSayisi = 1;
    // Official fees at the enforcement start.
    bool HarcHesapla = true;
    // One line per rate period instead of the interest totals.
    bool FaizDetayiGoster = false;
    // One line per initial fee and expense instead of their sum.
    bool HarcDetayiGoster = false;
    // 1: a 360-day interest year, 2: a 365-day year.
    qint16 YildakiGunSayisi = 2;

    static constexpr qint32 YokTablo = -1;
    bool TabloSecili() const { return FaizOraniTablosuKodu != YokTablo; }

    // --- Validation ---
    // The input a failed rule points at (the window puts the focus there).
    enum class Alan {
        Yok,
        AsilAlacakTutari,
        FaizOrani,
        FaizOraniTablosu,
        FaizBaslangicTarihi,
        TakipTarihi,
        GununTarihi,
    };
    struct Dogrulama {
        Alan alan = Alan::Yok;
        QString mesaj;
        bool gecerli() const { return alan == Alan::Yok; }
    };
    // The first rule the inputs break, with its message; nothing is computed then.
    // A window hands on a mistyped date as typed, so that the message names it.
    Dogrulama ValuesOK() const;

    // --- The shared rate tables, by name ---
    static QList<FaizOraniTablosuSecenegi> FaizOraniTablolari();

    // --- Calculation ---
    // Loads the parameters for the calculation date, builds the file record in
    // memory and replays it through the facade's engine. The inputs must have
    // passed ValuesOK. Returns false when a step reported an error; such a run has no
    // rows, so no wrong amounts are shown, printed or exported.
    bool Hesapla(clsHesapAna& hesap);

    // The file record of the last run (none before the first).
    std::shared_ptr<clsFoyBilgileri> Foy;
    // The result lines of the last run in display order.
    QList<BasitHesapSatiri> Satirlar;

    // Builds the file record for the inputs: the head data, the rate rule and the
    // claims (AssignFoyValues and the claims step of a calculation).
    std::shared_ptr<clsFoyBilgileri> FoyOlustur() const;
    // The result lines of a calculated file record, for these display switches.
    QList<BasitHesapSatiri> SatirlariOlustur(clsFoyBilgileri& foy) const;

    // --- Output texts ---
    // "#,#0.00" in the Turkish form.
    static QString TutarMetni(Money tutar);
    // The printed statement: its title with the printing time, and its two columns
    // (one line per result line, a separator before the highlighted lines).
    static QString YaziciBasligi(const QDateTime& an);
    static QStringList TutarSutunu(const QList<BasitHesapSatiri>& satirlar);
    static QStringList AciklamaSutunu(const QList<BasitHesapSatiri>& satirlar);
};

}  // namespace quv
