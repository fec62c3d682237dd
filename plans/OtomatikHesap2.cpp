// The plan by instalment amount: the count and the last instalment that close the debt.

#include "engine/Trap.h"
#include "file/Enumerations.h"
#include "file/clsFoyBilgileri.h"
#include "file/colTahsilatlar.h"
#include "plans/OdemePlaniHesabi.h"
#include "plans/OdemePlaniMesajlari.h"
#include "summary/clsHesapOzeti.h"

#include <limits>

namespace quv {

namespace {

// With interest the search gives up when this many instalments do not close the debt.
constexpr int kEnFazlaTaksit = 150;

// An amount rounded half to even to whole units.
std::int64_t tamSayi(Money tutar) {
    return divideHalfEven(tutar.raw(), Money::Scale);
}

qint16 sayiya(std::int64_t n) {
    if (n < std::numeric_limits<qint16>::min() || n > std::numeric_limits<qint16>::max())
        throw RuntimeError::overflow();
    return static_cast<qint16>(n);
}

}  // namespace

bool OdemePlaniHesabi::OtomatikHesap2() {
    clsFoyBilgileri& foy = *Wizardfoy;
    const QString gununTarihi = foy.GununTarihi;
    SonTaksitTutari.reset();
    TaksitSayisi2.reset();
    const bool sonuc =
        denemeli(QStringLiteral("frmOdemePlani.OtomatikHesap2"), [&] { return otomatikHesap2(); });
    if (foy.GununTarihi != gununTarihi) {
        foy.GununTarihi = gununTarihi;
        // Alimony instalments were loaded up to the moved date: back to the file's own.
        if (FoyGruplari::nafaka(foy.AlacakTipi))
            foy.AlacaklariYukle();
    }
    return sonuc;
}

bool OdemePlaniHesabi::otomatikHesap2() {
    clsFoyBilgileri& foy = *Wizardfoy;
    const clsHesapOzeti& ozet = foy.HesapOzeti();
    Money B = ozet.Bakiye_TL;
    const Money P = Tutara.Pesinat;
    const Money A = Tutara.TaksitTutari;
    const bool sonunaEkle = Tutara.SonTaksidiOncekineEkle;
    if (P >= B) {
        bilgi(OdemePlaniMesajlari::PesinatBorcuKarsiliyor);
        TaksitSayisi2 = 0;
        return false;
    }
    ilkEklenenNoyuSakla();
    if (P > Money()) {
        denemeTahsilatiEkle(P, foy.GununTarihi);
        yenidenHesapla();
    }
    std::int64_t n = 0;
    QString d = Tutara.IlkTarih;
    Money son;
    if (Ayarlar.FaizIsletme) {
        yenidenHesapla();
        B = ozet.Bakiye_TL;
        // Both whole before the division; the quotient truncated.
        const std::int64_t bolen = tamSayi(A);
        if (bolen == 0)
            throw RuntimeError::divisionByZero();
        n = tamSayi(B) / bolen;
        if (n > 0 && !sonunaEkle) {
            son = B - A * n;
            n = n + 1;
        } else if (n > 0) {
            son = B - A * n + A;
        } else {
            son = B;
            n = 1;
        }
    } else {
        foy.GununTarihi = d;
        yenidenHesapla();
        QString sonEklenenTarih;
        do {
            B = ozet.Bakiye_TL;
            if (B <= A)
                break;
            denemeTahsilatiEkle(A, d);
            ++n;
            sonEklenenTarih = d;
            d = TarihiIlerlet(d, Tutara.Periyot, Tutara.Birim);
            // Alimony instalments falling due up to the next instalment are owed too.
            if (FoyGruplari::nafaka(foy.AlacakTipi)) {
                foy.GununTarihi = d;
                foy.AlacaklariYukle();
            }
            yenidenHesapla(QString(), true);
        } while (n < kEnFazlaTaksit + 1);
        if (n > kEnFazlaTaksit) {
            bilgi(OdemePlaniMesajlari::TaksitSayisi150yiGeciyor);
            return false;
        }
        if (n > 0 && !sonunaEkle) {
            // The last instalment is the balance the loop stopped at: that of the last
            // wizard-mode recalculation, on the date of the last instalment added. Its
            // own date, a period later, adds no interest.
            son = B;
            n = n + 1;
        } else if (n > 0) {
            // The last instalment added takes the remainder: the balance on its own date.
            foy.GununTarihi = sonEklenenTarih;
            yenidenHesapla();
            son = ozet.Bakiye_TL + A;
        } else {
            son = B;
            n = 1;
        }
    }
    SonTaksitTutari = son;
    TaksitSayisi2 = sayiya(n);
    return true;
}

}  // namespace quv
