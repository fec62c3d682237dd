#include "plans/OdemePlaniDenetimleri.h"

#include "file/Enumerations.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "plans/OdemePlaniMesajlari.h"

namespace quv::OdemePlaniDenetimleri {

namespace M = OdemePlaniMesajlari;

namespace {

Denetim hata(const QString& mesaj, const QString& alan, int satir = 0, int sutun = -1) {
    return Denetim{mesaj, alan, satir, sutun};
}

bool bos(const GridSource& grid, int satir, int sutun) {
    return grid.cellText(satir, sutun).trimmed().isEmpty();
}

// A rate grid ("Tarih", "Oran"): a filled row needs both cells.
Denetim oranGridi(const GridSource* grid, const QString& alan, const QString& bosMesaj) {
    int dolu = 0;
    const int satirlar = grid ? grid->rowCount() : 0;
    for (int i = 1; i <= satirlar; ++i) {
        const bool tarihYok = bos(*grid, i, 0);
        const bool oranYok = bos(*grid, i, 1);
        if (tarihYok && oranYok)
            continue;
        ++dolu;
        if (tarihYok)
            return hata(M::FaizBaslangicTarihiGiriniz, alan, i, 0);
        if (oranYok)
            return hata(M::FaizOraniniGiriniz, alan, i, 1);
    }
    if (dolu == 0)
        return hata(bosMesaj, alan);
    return {};
}

}  // namespace

Denetim CheckFaizGridi(const GridSource* Grid) {
    return oranGridi(Grid, QStringLiteral("grdFaizOrani"), M::FaizOraniGiriniz);
}

Denetim CheckKidemFaizGridi(const GridSource* Grid) {
    return oranGridi(Grid, QStringLiteral("grdKidemFaizOrani"), M::KidemFaizOraniGiriniz);
}

Denetim CheckMahsupGridi(const GridSource* Grid) {
    const QString alan = QStringLiteral("grdMahsupSirasi");
    const int satirlar = Grid ? Grid->rowCount() : 0;
    for (int i = 1; i <= satirlar; ++i) {
        const bool tarihYok = bos(*Grid, i, 0);
        // The order cell holds the index of the chosen entry; blank or negative: none chosen.
        const QString secim = Grid->cellText(i, 1).trimmed();
        const bool siraYok = secim.isEmpty() || secim.startsWith(u'-');
        if (tarihYok && siraYok)
            continue;
        if (tarihYok)
            return hata(M::MahsupTarihiGiriniz, alan, i, 0);
        if (siraYok)
            return hata(M::MahsupSirasiSeciniz, alan, i, 1);
    }
    return {};
}

Denetim CheckTahsilatGrid(const ManuelPlan& Plan, const QString& HesapTarihi) {
    const QString alan = QStringLiteral("grdTahsilat");
    bool satirVar = false;
    // Columns "Sıra", "Tarih", "Tutar", "Tah. Şekli".
    for (int i = 0; i < Plan.Satirlar.size(); ++i) {
        const ManuelTahsilat& satir = Plan.Satirlar[i];
        if (satir.bosmu())
            continue;
        satirVar = true;
        if (satir.Tarih.isEmpty())
            return hata(M::TahsilatTarihiGiriniz, alan, i + 1, 1);
        if (satir.Tarih < HesapTarihi)
            return hata(M::TahsilatTarihiOnceOlamaz, alan, i + 1, 1);
        if (satir.Tutar.isZero())
            return hata(M::TahsilatTutariGiriniz, alan, i + 1, 2);
    }
    if (!satirVar)
        return hata(M::OnceTahsilatGiriniz, alan);
    return {};
}

Denetim CheckForAutoCalc1(const SayiyaGorePlan& Plan, const QString& HesapTarihi) {
    if (Plan.TaksitSayisi < 1)
        return hata(M::TaksitSayisiniGiriniz, QStringLiteral("oceTaksitSayisi"));
    if (Plan.IlkTarih.isEmpty())
        return hata(M::IlkTaksitTarihiniGiriniz, QStringLiteral("otrIlkTarih"));
    if (Plan.IlkTarih <= HesapTarihi)
        return hata(M::IlkTaksitTarihiSonraOlmali1, QStringLiteral("otrIlkTarih"));
    return {};
}

Denetim CheckForAutoCalc2(const TutaraGorePlan& Plan, const QString& HesapTarihi) {
    // A negative instalment is no amount either.
    if (Plan.TaksitTutari <= Money())
        return hata(M::TaksitTutariniGiriniz, QStringLiteral("oceTaksitTutari2"));
    if (Plan.IlkTarih.isEmpty())
        return hata(M::IlkTaksitTarihiniGiriniz, QStringLiteral("otrIlkTaksitTarihi2"));
    if (Plan.IlkTarih <= HesapTarihi)
        return hata(M::IlkTaksitTarihiSonraOlmali2, QStringLiteral("otrIlkTaksitTarihi2"));
    return {};
}

Denetim ValuesOK(const OdemePlaniAyarlari& Ayarlar, const clsFoyBilgileri& Foy) {
    if (Ayarlar.FaizOrani <= 0) {
        Denetim d = CheckFaizGridi(Ayarlar.FaizOraniGridi);
        if (!d.gecti())
            return d;
    }
    if (FoyGruplari::isciAlacagi(Foy.AlacakTipi) && Foy.KidemTazminatiKalemi &&
        !Foy.KidemTazminatiKalemi->Tutar.isZero() && Ayarlar.KidemFaizOrani <= 0) {
        Denetim d = CheckKidemFaizGridi(Ayarlar.KidemFaizOraniGridi);
        if (!d.gecti())
            return d;
    }
    if (Ayarlar.FaizIndirimi > 100)
        return hata(M::FaizIndirimi100, QStringLiteral("oceFaizIndirimi"));
    if (Ayarlar.MahsupSirasi == E_TMS_TabloKullanilmakta) {
        Denetim d = CheckMahsupGridi(Ayarlar.MahsupSirasiGridi);
        if (!d.gecti())
            return d;
    }
    return {};
}

}  // namespace quv::OdemePlaniDenetimleri
