#include "FoyListesi.h"

#include "engine/Variant.h"
#include "engine/modGeneral.h"
#include "file/Enumerations.h"

#include <QHash>

namespace quv::desk {

namespace {

// The debtors' names of every file (or of the one file), keyed by the file code.
QHash<qint32, QStringList> borclulariOku(Database& db, std::optional<qint32> yalnizFoy) {
    QString sql =
        QStringLiteral("SELECT foykodu, ad, soyad FROM tblfoy_sahis WHERE foysahistipi = ?");
    QVariantList parametreler{kBorcluSahisTipi};
    if (yalnizFoy) {
        sql += QStringLiteral(" AND foykodu = ?");
        parametreler << *yalnizFoy;
    }
    sql += QStringLiteral(" ORDER BY foykodu, foysahiskodu");

    QHash<qint32, QStringList> borclular;
    RecordSet rs = db.openRecordSet(sql, CursorType::ForwardOnly, parametreler);
    while (!rs.eof()) {
        // A company is a name without a surname.
        const QString ad = (modGeneral::NullKontrol(rs.value(1), false).toString().trimmed() +
                            u' ' + modGeneral::NullKontrol(rs.value(2), false).toString().trimmed())
                               .trimmed();
        if (!ad.isEmpty())
            borclular[toInt32(rs.value(0))] << ad;
        rs.moveNext();
    }
    rs.close();
    return borclular;
}

}  // namespace

QList<FoySatiri> foyListesiniOku(Database& db, std::optional<qint32> yalnizFoy) {
    QString sql = QStringLiteral(
        "SELECT f.foykodu, f.takiptarihi, f.hesaptarihi, f.alacaktipi, f.dosyasonucu, "
        "h.bakiye_guncel_tl, f.alacaklikodu FROM tblfoy f "
        "LEFT JOIN tblfoy_hesap h ON h.foykodu = f.foykodu");
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
        s.AlacakliKodu = toInt32(modGeneral::NullKontrol(rs.value(6), true));
        satirlar.append(s);
        rs.moveNext();
    }
    rs.close();

    const QHash<qint32, QStringList> borclular = borclulariOku(db, yalnizFoy);
    for (FoySatiri& s : satirlar)
        s.Borclular = borclular.value(s.FoyKodu);
    return satirlar;
}

QString aramaIcinKatla(const QString& metin) {
    QString katli;
    katli.reserve(metin.size());
    for (const QChar c : metin) {
        if (c == u'I')
            katli += u'ı';
        else if (c == u'İ')
            katli += u'i';
        else
            katli += c.toLower();
    }
    return katli;
}

bool aramayaUyar(qint32 FoyKodu, const QStringList& borclular, const QString& arama) {
    const QStringList kelimeler =
        aramaIcinKatla(arama.simplified()).split(u' ', Qt::SkipEmptyParts);
    if (kelimeler.isEmpty())
        return true;
    const QString kod = QString::number(FoyKodu);
    const QString adlar = aramaIcinKatla(borclular.join(u'\n'));
    for (const QString& kelime : kelimeler)
        if (!kod.startsWith(kelime) && !adlar.contains(kelime))
            return false;
    return true;
}

}  // namespace quv::desk
