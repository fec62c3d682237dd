#include "FoyListesi.h"

#include "engine/Variant.h"
#include "engine/modGeneral.h"

namespace quv::desk {

QList<FoySatiri> foyListesiniOku(Database& db, std::optional<qint32> yalnizFoy) {
    QString sql = QStringLiteral(
        "SELECT f.foykodu, f.takiptarihi, f.hesaptarihi, f.alacaktipi, f.dosyasonucu, "
        "h.bakiye_guncel_tl FROM tblfoy f LEFT JOIN tblfoy_hesap h ON h.foykodu = f.foykodu");
    QVariantList parametreler;
    if (yalnizFoy) {
        sql += QStringLiteral(" WHERE f.foykodu = ?");
        parametreler << *yalnizFoy;
    }
    sql += QStringLiteral(" ORDER BY f.foykodu");

    QList<FoySatiri> satirlar;
    RecordSet rs = db.openRecordSet(sql, CursorType::ForwardOnly, parametreler);
    while (!rs.eof()) {
        FoySatiri s;
        s.FoyKodu = toInt32(rs.value(0));
        s.TakipTarihi = modGeneral::NullKontrol(rs.value(1), false).toString();
        s.HesapTarihi = modGeneral::NullKontrol(rs.value(2), false).toString();
        s.AlacakTipi = toInt32(modGeneral::NullKontrol(rs.value(3), true));
        s.DosyaSonucu = toInt32(modGeneral::NullKontrol(rs.value(4), true));
        const QVariant bakiye = rs.value(5);
        if (!isNull(bakiye))
            s.BakiyeGuncelTL = Money::fromVariant(bakiye);
        satirlar.append(s);
        rs.moveNext();
    }
    rs.close();
    return satirlar;
}

}  // namespace quv::desk
