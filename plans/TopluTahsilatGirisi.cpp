#include "plans/TopluTahsilatGirisi.h"

#include "engine/SharedState.h"

#include <limits>

namespace quv {

namespace {

// At most this many instalments are entered at once.
constexpr qint16 kEnFazlaTekrar = 100;

}  // namespace

Denetim TopluTahsilatGirisi::Denetle() const {
    if (Tutar.isZero())
        return {QStringLiteral("Lütfen taksit tutarını giriniz."), QStringLiteral("oceTutar")};
    if (TekrarSayisi == 0)
        return {QStringLiteral("Lütfen taksit sayısını giriniz."), QStringLiteral("oceTekrar")};
    if (TekrarSayisi > kEnFazlaTekrar)
        return {QStringLiteral("Taksit sayısını 100'den fazla olamaz."),
                QStringLiteral("oceTekrar")};
    if (IlkTarih.isEmpty())
        return {QStringLiteral("Lütfen ilk taksit tarihini giriniz."), QStringLiteral("otrTarih")};
    if (IlkTarih <= HesapTarihi)
        return {QStringLiteral("Taksit tarihi hesap tarihinden(") +
                    shared().dates().display(HesapTarihi) + QStringLiteral(") sonra olmalıdır."),
                QStringLiteral("otrTarih")};
    if (Periyot == 0)
        return {QStringLiteral("Lütfen periyot değerini (taksit aralıkları) giriniz."),
                QStringLiteral("ocePeriyot")};
    return {};
}

QList<ManuelTahsilat> TopluTahsilatGirisi::Satirlar() const {
    QList<ManuelTahsilat> satirlar;
    for (int k = 1; k <= TekrarSayisi; ++k) {
        const int adim = (k - 1) * Periyot;
        if (adim > std::numeric_limits<qint16>::max())
            throw RuntimeError::overflow();
        satirlar.append({TarihiIlerlet(IlkTarih, static_cast<qint16>(adim), PeriyotTipi), Tutar,
                         TahsilatSekli});
    }
    return satirlar;
}

}  // namespace quv
