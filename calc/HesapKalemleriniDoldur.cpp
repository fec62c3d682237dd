#include "calc/colHesapKalemleri.h"
#include "engine/Trap.h"
#include "engine/modGeneral.h"
#include "file/FaizTablosu.h"
#include "file/MahsupSirasiTablosu.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "file/colMasraflar.h"
#include "file/colTahsilatlar.h"

#include <memory>

namespace quv {

namespace {

const Money kBirKur = Money::fromRaw(Money::Scale);

using modGeneral::KurBul;

// A collection's rate for one currency: 1 for the lira, looked up (or asked for) for
// a foreign currency; a missing code (0) leaves the rate as it was loaded.
void tahsilatKuruBul(Money& kur, const QString& tarih, quint8 doviz) {
    if (doviz > 1)
        kur = KurBul(tarih, doviz, QStringLiteral("(Tahsilat Tarihi)"));
    else if (doviz == 1)
        kur = kBirKur;
}

}  // namespace

colHesapKalemleri& clsFoyBilgileri::HesapKalemleri() {
    if (!hesapKalemleri_)
        hesapKalemleri_ = std::make_unique<colHesapKalemleri>();
    return *hesapKalemleri_;
}

void clsFoyBilgileri::HesapKalemleriniDoldur(const QString& TaahhuteBulunmaTarihi) {
    // The previous timeline goes at once. The new one is built aside and installed
    // sorted when it is complete, so that a failure leaves no half-built, unsorted
    // timeline behind for the replay.
    hesapKalemleri_ = std::make_unique<colHesapKalemleri>();
    trapped(QStringLiteral("Hesap.clsFoyBilgileri.HesapKalemleriniDoldur"), [&] {
        colHesapKalemleri kalemler;

        // The file currency's rate on an item's date, kept on the file for the later
        // steps of the calculation and carried by the item.
        auto dosyaKuru = [&](clsHesapKalemi& kalem, Money& dosyaDegeri, const QString& aciklama) {
            if (ParaBirimiKodu == 1)
                dosyaDegeri = kBirKur;
            else
                dosyaDegeri = KurBul(kalem.Tarih, ParaBirimiKodu, aciklama);
            kalem.Kur = dosyaDegeri;
        };

        if (!IlkHacizTarihi.isEmpty())
            kalemler.Add(E_KT_IlkHaciz, IlkHacizTarihi);
        if (!IlkSatisTarihi.isEmpty())
            kalemler.Add(E_KT_IlkSatis, IlkSatisTarihi);
        if (!GununTarihi.isEmpty())
            dosyaKuru(kalemler.Add(E_KT_GununTarihi, GununTarihi), GununKuru,
                      QStringLiteral("(Günün Tarihi)"));
        if (!TakipTarihi.isEmpty())
            dosyaKuru(kalemler.Add(E_KT_TakipTarihi, TakipTarihi), TakipTarihindeKur,
                      QStringLiteral("(Takip Tarihi)"));

        // Without an offset-order table the file's one order holds for the whole run.
        if (MahsupSirasi != E_TMS_TabloKullanilmakta) {
            CurrentMahsupSirasi = MahsupSirasi;
        } else {
            clsMahsupSirasiTablosu& tablo = MahsupSirasiTablosu();
            for (int i = 1; i <= tablo.Sayi(); ++i) {
                const E_MahsupsirasiTablosu satir = tablo.MahsupSiralari(i);
                kalemler.Add(E_KT_MahsupSirasiDegisimi, satir.Tarih, 0, Money(), 1, kBirKur, 1,
                             kBirKur, 0.0f, E_TS_EldenYapilan, 0, Money(), satir.MahsupSirasi);
            }
        }

        if (!MahsupTarihi.isEmpty() && ToplamMahsup > Money())
            dosyaKuru(kalemler.Add(E_KT_MahsupIslemi, MahsupTarihi, 0, ToplamMahsup), MahsupKuru,
                      QStringLiteral("(İlam Karar Tarihi - Mahsup İçin)"));
        if (!IhtiyatiHacizTarihi.isEmpty())
            dosyaKuru(kalemler.Add(E_KT_IhtiyatiHacizTarihi, IhtiyatiHacizTarihi),
                      IhtiyatiHacizdeKur, QStringLiteral("(İhtiyati Haciz Tarihi)"));
        if (!TaahhuteBulunmaTarihi.isEmpty())
            kalemler.Add(E_KT_TaahhutteBulunmaTarihi, TaahhuteBulunmaTarihi);

        // The rate changes of a claim that follows a rate table.
        auto oranDegisiklikleri = [&](clsAlacakKalemi& alacak, Enum_KalemTipi tip, qint32 itemIndex,
                                      bool tarihsizleriAtla) {
            if (alacak.TabloOran() != E_TO_TabloKullan)
                return;
            clsFaizTablosu& tablo = alacak.FaizOraniTablosu();
            for (int j = 1; j <= tablo.Sayi(); ++j) {
                const E_FaizTablosu satir = tablo.FaizOranlari(j);
                if (tarihsizleriAtla && satir.Tarih.isEmpty())
                    continue;
                kalemler.Add(tip, satir.Tarih, itemIndex, Money(), 1, kBirKur, 1, kBirKur,
                             satir.Oran);
            }
        };

        // Severance pay of employee-claim files.
        if (FoyGruplari::isciAlacagi(AlacakTipi) && KidemTazminatiKalemi &&
            KidemTazminatiKalemi->Tutar > Money()) {
            clsAlacakKalemi& kidem = *KidemTazminatiKalemi;
            kalemler.Add(E_KT_KidemTazminati, kidem.FaizBaslangicTarihi, 0, kidem.Tutar);
            oranDegisiklikleri(kidem, E_KT_KidemFaizOraniDegisikligi, 0, false);
        }

        // Claims. Alimony instalments falling due after the enforcement start are
        // instalments that keep accruing during the enforcement.
        const bool nafaka = FoyGruplari::nafaka(AlacakTipi);
        qint32 i = 0;
        for (clsAlacakKalemi& alacak : Alacaklar()) {
            ++i;
            clsHesapKalemi& kalem =
                kalemler.Add(E_KT_Alacak, alacak.FaizBaslangicTarihi, i, alacak.Tutar);
            if (nafaka && !TakipTarihi.isEmpty() && kalem.Tarih > TakipTarihi)
                kalem.KalemTipi = E_KT_IsleyenNafaka;
            oranDegisiklikleri(alacak, E_KT_FaizOraniDegisikligi, i, false);
            if (nafaka && !alacak.NafakaFaizBaslangicTarihi.isEmpty())
                kalemler.Add(E_KT_NafakaFaizBaslangicTarihi, alacak.NafakaFaizBaslangicTarihi, i);
        }

        i = 0;
        for (clsAlacakKalemi& alacak : SonrakiAlacaklar()) {
            ++i;
            kalemler.Add(E_KT_SonrakiAlacak, alacak.FaizBaslangicTarihi, i, alacak.Tutar);
            oranDegisiklikleri(alacak, E_KT_SonrakiAlacakFaizOraniDegisikligi, i, false);
        }

        // Collections, with their rates on their own date: the collection's currency
        // and the debt's currency.
        i = 0;
        for (clsTahsilatKalemi& tahsilat : Tahsilatlar()) {
            ++i;
            tahsilatKuruBul(tahsilat.TahsilatKuru, tahsilat.Tarih, tahsilat.ParaBirimi);
            tahsilatKuruBul(tahsilat.BorcKuru, tahsilat.Tarih, ParaBirimiKodu);
            kalemler.Add(E_KT_Tahsilat, tahsilat.Tarih, i, tahsilat.Tutar, tahsilat.ParaBirimi,
                         tahsilat.TahsilatKuru, ParaBirimiKodu, tahsilat.BorcKuru, 0.0f,
                         static_cast<Enum_TahsilatSekli>(tahsilat.TahsilatSekli),
                         static_cast<qint16>(i));
        }

        // Pre-enforcement other claims: only those that bear interest get items, but
        // every one keeps its position number.
        i = 0;
        for (clsAlacakKalemi& toda : TODAs()) {
            ++i;
            if (toda.FaizBaslangicTarihi.isEmpty())
                continue;
            kalemler.Add(E_KT_FaizIsleyecekTODA, toda.FaizBaslangicTarihi, i, toda.Tutar);
            oranDegisiklikleri(toda, E_KT_TODAFaizOraniDegisikligi, i, true);
        }

        for (clsAlacakKalemi& masraf : Masraflar())
            kalemler.Add(E_KT_Masraf, masraf.FaizBaslangicTarihi, 0, masraf.Tutar);

        *hesapKalemleri_ = HesapKalemleriniSirala(std::move(kalemler));
    });
}

}  // namespace quv
