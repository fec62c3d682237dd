// The plan by instalment count: the amount that closes the debt is searched by halving.

#include "engine/Trap.h"
#include "file/clsFoyBilgileri.h"
#include "file/colTahsilatlar.h"
#include "plans/OdemePlaniHesabi.h"
#include "plans/OdemePlaniMesajlari.h"
#include "summary/clsHesapOzeti.h"

namespace quv {

namespace {

// The plan is closed when the balance left and the overpayment are both at most 0.1.
const Money kTolerans = Money::fromRaw(Money::Scale / 10);
// Each halving costs a full recalculation; a search that has not closed by then will not.
constexpr int kEnFazlaYarilama = 200;

// The middle of two amounts, computed in floating point and kept to four decimals.
Money ortasi(Money a, Money b) {
    return Money::fromDouble((a.toDouble() + b.toDouble()) / 2);
}

// A balance shared among the instalments, rounded half to even to whole cents.
Money paylastir(Money bakiye, qint16 sayi) {
    constexpr std::int64_t kKurus = Money::Scale / 100;
    return Money::fromRaw(divideHalfEven(bakiye.raw(), std::int64_t{sayi} * kKurus) * kKurus);
}

}  // namespace

bool OdemePlaniHesabi::OtomatikHesap1() {
    TaksitTutari.reset();
    return denemeli(QStringLiteral("frmOdemePlani.OtomatikHesap1"),
                    [&] { return otomatikHesap1(); });
}

bool OdemePlaniHesabi::otomatikHesap1() {
    clsFoyBilgileri& foy = *Wizardfoy;
    const clsHesapOzeti& ozet = foy.HesapOzeti();
    const Money B = ozet.Bakiye_TL;
    const Money P = Sayiya.Pesinat;
    const qint16 sayi = Sayiya.TaksitSayisi;
    if (sayi < 1)
        throw RuntimeError::divisionByZero();
    if (P >= B) {
        bilgi(OdemePlaniMesajlari::PesinatBorcuKarsiliyor);
        TaksitTutari = Money();
        return false;
    }
    Money L;
    Money H = B * 3;
    Money G;
    ilkEklenenNoyuSakla();
    int ilkTaksit = foy.Tahsilatlar().Count() + 1;
    if (P > Money()) {
        denemeTahsilatiEkle(P, foy.GununTarihi);
        ++ilkTaksit;
        yenidenHesapla();
    }
    if (Ayarlar.FaizIsletme) {
        G = paylastir(ozet.Bakiye_TL, sayi);
    } else {
        // The balance falls as the instalment grows: halve between an amount that leaves
        // a balance (L) and one that overpays (H) until both are within the tolerance.
        bool ilkTur = true;
        for (int yarilama = 0;; ++yarilama) {
            if (ozet.Bakiye_TL <= kTolerans && ozet.FazlaTahsilat <= kTolerans)
                break;
            if (yarilama == kEnFazlaYarilama) {
                bilgi(OdemePlaniMesajlari::PlanHesaplanamadi);
                return false;
            }
            if (ozet.Bakiye_TL > kTolerans) {
                L = G;
                G = ortasi(G, H);
            } else {
                H = G;
                G = ortasi(G, L);
            }
            if (ilkTur) {
                QString tarih = Sayiya.IlkTarih;
                for (int i = 1; i <= sayi; ++i) {
                    if (i > 1)
                        tarih = TarihiIlerlet(tarih, Sayiya.Periyot, Sayiya.Birim);
                    denemeTahsilatiEkle(G, tarih);
                }
                ilkTur = false;
            } else {
                for (int i = ilkTaksit; i < ilkTaksit + sayi; ++i)
                    foy.Tahsilatlar().Item(i).Tutar = G;
            }
            yenidenHesapla(QString(), true);
        }
    }
    TaksitTutari = G;
    return true;
}

}  // namespace quv
