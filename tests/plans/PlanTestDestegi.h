#pragma once

#include "../calc/MotorTestDestegi.h"
#include "../file/DbFixture.h"
#include "plans/OdemePlaniHesabi.h"

#include <QList>
#include <QProcessEnvironment>
#include <QPushButton>

#include <memory>
#include <stdexcept>
#include <utility>

namespace quv {
class DataGrid;
}

namespace quv::test {

// A control of a window by its object name.
template <class T = QWidget>
T& kontrol(QWidget& pencere, const char* ad) {
    T* bulunan = pencere.findChild<T*>(QString::fromLatin1(ad));
    if (!bulunan)
        throw std::runtime_error(std::string("no control ") + ad);
    return *bulunan;
}
inline void tikla(QWidget& pencere, const char* ad) {
    kontrol<QPushButton>(pencere, ad).click();
}
// A PNG of the window beside the test binary.
void resimKaydet(QWidget& pencere, const QString& ad);

// A grid as the user reads it, one "cell | cell" line per row with a value.
QStringList gridMetni(DataGrid& grid);
// The lines pdftotext reads from a PDF, simplified; empty without pdftotext.
bool pdftotextVar();
QStringList pdfSatirlari(const QString& dosya);

// A plan row: an instalment to commit ("1"), or a down payment ("0", "Peşinat.").
OdemePlaniSatiri planSatiri(qint16 sira, const char* tarih, const char* tutar, bool taahhut = true);
// "code debtor date amount paid place currency" of a file's commitments in code order
// (a null value as empty text).
QStringList taahhutler(Database& db, qint32 foy = 1);

// The schema and the demo files in a new database at the URL.
void demoYukle(const QString& url);
// A scratch SQLite file of the demo data.
QString demo(const QString& ad);

// The built quvhesap with the arguments; events are processed while it runs, so a fake
// gateway of this process can answer it.
struct CliRun {
    int exitCode;
    QString out;
    QString err;
};
CliRun quvhesap(const QStringList& arguman,
                const QProcessEnvironment& ortam = QProcessEnvironment::systemEnvironment());

// The payment-plan computation on file 1 of the engine tests (no fees, a 365-day
// interest year, a fixed 9 % unless a test says otherwise).
class OdemePlaniTesti : public HesapMotoruTesti {
protected:
    // Enforcement and calculation date 31 December 2023, one claim of the amount on
    // that day: the balance is the amount, no interest yet.
    void faizsizDosya(const char* tutar);
    // A claim of the amount from 1 March 2023 at 9 %, calculated on 31 December 2023.
    void faizliDosya(const char* tutar);

    // Opens the computation on file 1 with the settings the file gives.
    OdemePlaniHesabi& ac();
    // The working copy's collections as (date, amount).
    QList<std::pair<QString, Money>> tahsilatlar() const;
    QStringList mesajlar() { return guard_.messages().informations(); }
    // The balance and the overpayment of file 1 recalculated (not saved) on a date.
    std::pair<Money, Money> bakiyeVeFazla(const QString& tarih);

    std::unique_ptr<OdemePlaniHesabi> plan_;
};

}  // namespace quv::test
