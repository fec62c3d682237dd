#include "file/FaizTablosu.h"

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/SqlText.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"
#include "file/FieldReads.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace quv {

namespace {

// Raised when a copy is asked for from a table that does not exist.
RuntimeError noObject() {
    return RuntimeError(91, QStringLiteral("Object variable or With block variable not set"));
}

}  // namespace

void clsFaizTablosu::tarihleriDenetle(qint32 foyKodu, qint32 kod) {
    // The row in force is picked by comparing dates as text, so a date that names no day
    // would silently drop out of the table (or shift where a change falls) wherever it
    // sorts: every date of the table is checked, not just the rows the load keeps.
    RecordSet rs = shared().connection().openRecordSet(
        QStringLiteral("select distinct tarih from tblfaizoranitablosu_detay where foykodu = ") +
        QString::number(foyKodu) + QStringLiteral(" and faizoranitablosukodu = ") +
        QString::number(kod));
    // A bulk run gives a shared table's kept answer file after file: its dates were checked.
    thread_local DenetlenmisSatirlar denetlenmis;
    if (denetlenmis.bul(rs))
        return;
    const QString satir =
        foyKodu == 0
            ? QStringLiteral("%1 kodlu faiz tablosunda").arg(kod)
            : QStringLiteral("%1 numaralı föyün %2 kodlu faiz tablosunda").arg(foyKodu).arg(kod);
    for (; !rs.eof(); rs.moveNext())
        FieldReads::tarihDenetle(FieldReads::textOrEmpty(rs.value(0)), "tblfaizoranitablosu_detay",
                                 "tarih", satir);
    denetlenmis.ekle(rs, true);
}

bool clsFaizTablosu::Yukle(qint32 lngFaizTablosuFoyKodu, qint32 lngFaizTablosuKodu,
                           const QString& BaslamaTarihi, const QString& BitisTarihi,
                           bool blnMevduatFaizTablosunuDikkateAl) {
    if (blnMevduatFaizTablosunuDikkateAl &&
        MevduatFaiziTablosumu(lngFaizTablosuFoyKodu, lngFaizTablosuKodu)) {
        MevduatOranlariniYukle(lngFaizTablosuFoyKodu, lngFaizTablosuKodu, BaslamaTarihi,
                               BitisTarihi);
        return true;
    }
    return OranlariDBdenYukle(lngFaizTablosuFoyKodu, lngFaizTablosuKodu, BaslamaTarihi);
}

bool clsFaizTablosu::OranlariDBdenYukle(qint32 lngFaizTablosuFoyKodu, qint32 lngFaizTablosuKodu,
                                        const QString& BaslamaTarihi) {
    return trapped(QStringLiteral("Hesap.clsFaizTablosu.OranlariDBdenYukle"), [&] {
        Temizle();
        tarihleriDenetle(lngFaizTablosuFoyKodu, lngFaizTablosuKodu);
        const QString F = QString::number(lngFaizTablosuFoyKodu);
        const QString K = QString::number(lngFaizTablosuKodu);
        const QString tumSatirlar = QStringLiteral(
                                        "Select tarih, faizorani from "
                                        "tblfaizoranitablosu_detay where (foykodu = ") +
                                    F + QStringLiteral(") and (faizoranitablosukodu = ") + K +
                                    QStringLiteral(") order by tarih ");
        if (BaslamaTarihi.isEmpty()) {
            dbTablosunuOku(tumSatirlar);
            return;
        }
        // The table begins at the last change strictly before the start: the rate in
        // force on the start date, or the one just before it when the start falls on a
        // change. Without an earlier change every row is read.
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("select max(tarih) as BaslangicTarihi from tblfaizoranitablosu_detay "
                           "where foykodu = ") +
            F + QStringLiteral(" and faizoranitablosukodu = ") + K +
            QStringLiteral(" and tarih < '") + SqlText::escaped(BaslamaTarihi) + u'\'');
        if (rs.eof()) {
            rs.close();
            dbTablosunuOku(tumSatirlar);
            return;
        }
        const QString baslangic =
            modGeneral::NullKontrol(rs.value(QStringLiteral("BaslangicTarihi")), false).toString();
        rs.close();
        dbTablosunuOku(QStringLiteral("Select tarih, faizorani from tblfaizoranitablosu_detay "
                                      "where (foykodu = ") +
                       F + QStringLiteral(") and (faizoranitablosukodu = ") + K +
                       QStringLiteral(") ") + QStringLiteral(" and tarih >= '") +
                       SqlText::escaped(baslangic) + QStringLiteral("' ") +
                       QStringLiteral("order by tarih "));
    });
}

void clsFaizTablosu::dbTablosunuOku(const QString& sql) {
    RecordSet rs = shared().connection().openRecordSet(sql, CursorType::Static);
    if (!rs.eof()) {
        rs.moveLast();
        rs.moveFirst();
        rows_.reserve(static_cast<std::size_t>(rs.recordCount()));
    }
    while (!rs.eof()) {
        // A row without a date or rate cannot be placed on the timeline: it stops
        // the load (Null raises 94) with the rows read so far.
        append({toText(rs.value(QStringLiteral("tarih"))),
                toRate(rs.value(QStringLiteral("faizorani")))});
        rs.moveNext();
    }
    rs.close();
}

bool clsFaizTablosu::MevduatFaiziTablosumu(qint32 lngFaizTablosuFoyKodu,
                                           qint32 lngFaizTablosuKodu) const {
    RecordSet rs = shared().connection().openRecordSet(
        QStringLiteral("SELECT mevduatfaizoranitablosu FROM tblfaizoranitablosu WHERE foykodu = ") +
        QString::number(lngFaizTablosuFoyKodu) + QStringLiteral(" AND faizoranitablosukodu = ") +
        QString::number(lngFaizTablosuKodu));
    bool mevduat = false;
    if (!rs.eof())
        mevduat = toInt16(modGeneral::NullKontrol(
                      rs.value(QStringLiteral("mevduatfaizoranitablosu")), true)) == 1;
    rs.close();
    return mevduat;
}

// A deposit rate is fixed for a whole year from each anniversary of the start.
// Anniversaries count whole calendar years from the start itself, so a start on
// 29 February falls on 28 February in common years and again on 29 February in
// leap years.
template <class Sorgu>
void clsFaizTablosu::yillikOranlar(qint32 foyKodu, qint32 kod, const QString& BaslangicTarihi,
                                   const QString& BitisTarihi, Sorgu sorgu) {
    Temizle();
    if (BaslangicTarihi.isEmpty())
        return;
    tarihleriDenetle(foyKodu, kod);
    DateService& dates = shared().dates();
    const QDate baslangic = dates.toDate(BaslangicTarihi);
    const QDate bitis = dates.toDate(BitisTarihi.isEmpty() ? dates.today() : BitisTarihi);
    Database& db = shared().connection();
    for (int yil = 0;; ++yil) {
        const QDate yildonumu = baslangic.addYears(yil);
        if (!yildonumu.isValid() || yildonumu > bitis)
            break;
        const QString D = dates.toText(yildonumu);
        RecordSet rs = db.openRecordSet(sorgu(D));
        if (!rs.eof())
            SatirEkle(D, toRate(rs.value(QStringLiteral("faizorani"))));
        rs.close();
    }
}

void clsFaizTablosu::MevduatOranlariniYukle(qint32 lngFaizTablosuFoyKodu, qint32 lngFaizTablosuKodu,
                                            const QString& BaslangicTarihi,
                                            const QString& BitisTarihi) {
    const QString F = QString::number(lngFaizTablosuFoyKodu);
    const QString K = QString::number(lngFaizTablosuKodu);
    yillikOranlar(lngFaizTablosuFoyKodu, lngFaizTablosuKodu, BaslangicTarihi, BitisTarihi,
                  [&](const QString& D) -> QString {
                      return QStringLiteral(
                                 "Select T1.tarih, T1.faizorani from tblfaizoranitablosu_detay T1 "
                                 "where T1.foykodu = ") +
                             F + QStringLiteral(" AND T1.faizoranitablosukodu = ") + K +
                             QStringLiteral(" AND ") +
                             QStringLiteral(
                                 "T1.tarih = (SELECT MAX(T2.tarih) FROM tblfaizoranitablosu_detay "
                                 "T2 WHERE T2.foykodu = ") +
                             F + QStringLiteral(" AND T2.faizoranitablosukodu = ") + K +
                             QStringLiteral(" AND T2.tarih <='") + D + QStringLiteral("')");
                  });
}

void clsFaizTablosu::YillikOranlariYukle(const QString& BaslangicTarihi, const QString& BitisTarihi,
                                         qint32 FaizOraniTablosuKodu) {
    const QString K = QString::number(FaizOraniTablosuKodu);
    yillikOranlar(0, FaizOraniTablosuKodu, BaslangicTarihi, BitisTarihi, [&](const QString& D) -> QString {
        return QStringLiteral(
                   "Select T1.tarih, T1.faizorani from tblfaizoranitablosu_detay T1 "
                   "where T1.foykodu=0 AND T1.faizoranitablosukodu=") +
               K + QStringLiteral(" AND ") +
               QStringLiteral(
                   "T1.tarih = (SELECT MAX(T2.tarih) FROM tblfaizoranitablosu_detay "
                   "T2 WHERE T2.foykodu=0 AND T2.faizoranitablosukodu=") +
               K + QStringLiteral(" AND T2.tarih <='") + D + QStringLiteral("')");
    });
}

bool clsFaizTablosu::TablodanKopyala(const clsFaizTablosu* KaynakTablo) {
    return trapped(QStringLiteral("Hesap.clsFaizTablosu.TablodanKopyala"), [&] {
        if (KaynakTablo == nullptr)
            throw noObject();
        if (KaynakTablo->Sayi() == 0)
            return;
        if (KaynakTablo != this)
            rows_ = KaynakTablo->rows_;
    });
}

bool clsFaizTablosu::GriddenYukle(const GridSource& GRD) {
    return trapped(QStringLiteral("Hesap.clsFaizTablosu.GriddenYukle"), [&] {
        Temizle();
        forEachDatedGridRow(GRD, [&](int i, const QString& tarih) {
            append({tarih, toRate(GRD.cellText(i, 1))});
        });
    });
}

E_FaizTablosu clsFaizTablosu::FaizOranlari(int FaizNo) const {
    if (FaizNo < 1 || FaizNo > Sayi())
        throw RuntimeError::subscriptOutOfRange();
    return rows_[static_cast<std::size_t>(FaizNo - 1)];
}

void clsFaizTablosu::SatirEkle(const QString& Tarih, float Oran) {
    for (const E_FaizTablosu& row : rows_)
        if (row.Tarih == Tarih)
            return;
    append({Tarih, Oran});
}

void clsFaizTablosu::append(E_FaizTablosu row) {
    // Rows are numbered with 16-bit integers.
    if (rows_.size() >= static_cast<std::size_t>(std::numeric_limits<qint16>::max()))
        throw RuntimeError::overflow();
    rows_.push_back(std::move(row));
}

}  // namespace quv
