#pragma once

#include "file/GridSource.h"

#include <QString>

#include <vector>

namespace quv {

// One row of an interest-rate table: the annual rate in percent that applies from Tarih.
struct E_FaizTablosu {
    QString Tarih;
    float Oran = 0;

    friend bool operator==(const E_FaizTablosu&, const E_FaizTablosu&) = default;
};

// The dated annual rates of a claim or file: the rate in force at the start of the
// interest and every later change, numbered from 1. A table is identified by the
// file code (0 for a table shared by all files) and its own code.
class clsFaizTablosu {
public:
    // Loads the table from the database. Deposit-rate tables (when they are to be
    // taken into account) get one row per anniversary of the start up to the end;
    // every other table its dated changes from the rate in force at the start.
    // Errors of the deposit-rate load reach the caller.
    bool Yukle(qint32 lngFaizTablosuFoyKodu, qint32 lngFaizTablosuKodu,
               const QString& BaslamaTarihi = QString(), const QString& BitisTarihi = QString(),
               bool blnMevduatFaizTablosunuDikkateAl = false);

    // The rate in force on the start date (dated at its own change) and every later
    // change; every row without a start. False after a reported error.
    bool OranlariDBdenYukle(qint32 lngFaizTablosuFoyKodu, qint32 lngFaizTablosuKodu,
                            const QString& BaslamaTarihi = QString());

    // True when the table's row marks it as a deposit-rate table.
    bool MevduatFaiziTablosumu(qint32 lngFaizTablosuFoyKodu, qint32 lngFaizTablosuKodu) const;

    // One row per anniversary of the start up to the end (today when empty), dated
    // on the anniversary, with the rate in force on that day. Years before the
    // table's first change add no row. An empty start leaves the table empty.
    void MevduatOranlariniYukle(qint32 lngFaizTablosuFoyKodu, qint32 lngFaizTablosuKodu,
                                const QString& BaslangicTarihi, const QString& BitisTarihi);
    // The same for a table shared by all files.
    void YillikOranlariYukle(const QString& BaslangicTarihi, const QString& BitisTarihi,
                             qint32 FaizOraniTablosuKodu);

    // Takes every row of the source, in order; a source without rows leaves this
    // table as it is. No source is an error (reported). False after a reported error.
    bool TablodanKopyala(const clsFaizTablosu* KaynakTablo);
    bool TablodanKopyala(const clsFaizTablosu& KaynakTablo) {
        return TablodanKopyala(&KaynakTablo);
    }

    // Rows from a rate grid: date in column 0, rate in column 1; blank rows are
    // passed over. False after a reported error (the rows read so far stay).
    bool GriddenYukle(const GridSource& GRD);

    // Row FaizNo (1 to Sayi); any other number raises run-time error 9.
    E_FaizTablosu FaizOranlari(int FaizNo) const;
    qint16 Sayi() const { return static_cast<qint16>(rows_.size()); }
    void Temizle() { rows_.clear(); }

private:
    // Appends a row unless one with the same date is there.
    void SatirEkle(const QString& Tarih, float Oran);
    void append(E_FaizTablosu row);
    void dbTablosunuOku(const QString& sql);
    // Raises run-time error 13 naming the table when one of its stored dates names no day.
    static void tarihleriDenetle(qint32 foyKodu, qint32 kod);
    template <class Sorgu>
    void yillikOranlar(qint32 foyKodu, qint32 kod, const QString& BaslangicTarihi,
                       const QString& BitisTarihi, Sorgu sorgu);

    std::vector<E_FaizTablosu> rows_;
};

}  // namespace quv
