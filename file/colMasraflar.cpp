#include "file/colMasraflar.h"

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "file/FieldReads.h"

namespace quv {

using namespace FieldReads;

clsAlacakKalemi& colMasraflar::Add(const QString& FaizBaslangicTarihi, Money Tutar,
                                   const QString& sKey) {
    auto kalem = std::make_shared<clsAlacakKalemi>();
    kalem->FaizBaslangicTarihi = FaizBaslangicTarihi;
    kalem->Tutar = Tutar;
    return Collection<clsAlacakKalemi>::Add(std::move(kalem), sKey);
}

void colMasraflar::Yukle(qint32 FoyKodu, const QString& TakipTarihi, bool blnSadeceResmiMasraflar) {
    trapped(QStringLiteral("colMasraflar.Yukle"), [&] {
        // A reload replaces the earlier items.
        Clear();
        TakipOncesiMasrafToplami = Money();
        ToplamMasraf = Money();
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("select masraftarihi, sum(masraftutari) as tutar ") +
            QStringLiteral("from tblfoy_masraf ") + QStringLiteral("Where foykodu = ") +
            QString::number(FoyKodu) +
            (blnSadeceResmiMasraflar ? QStringLiteral(" AND resmi = 1 ") : QString()) +
            QStringLiteral(" group by masraftarihi order by masraftarihi "));
        for (; !rs.eof(); rs.moveNext()) {
            const QString tarih =
                tarihDenetle(textOrEmpty(rs.value(QStringLiteral("masraftarihi"))), "tblfoy_masraf",
                             "masraftarihi", FoyKodu);
            const Money tutar = moneyOrZero(rs.value(QStringLiteral("tutar")));
            if (tarih <= TakipTarihi)
                TakipOncesiMasrafToplami += tutar;
            else
                Add(tarih, tutar);
            ToplamMasraf += tutar;
        }
    });
}

}  // namespace quv
