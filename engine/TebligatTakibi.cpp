#include "engine/TebligatTakibi.h"

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/Variant.h"
#include "engine/modGeneral.h"

#include <QStringList>

namespace quv::modGeneral {

namespace {

// Among notifications of the same date these statuses make a party's current row.
const QList<int> kTercihEdilenDurumlar = {3, 4, 5, 2, 6, 7, 19, 16, 14, 12, 20, 21};

QString tercihListesi() {
    QStringList codes;
    for (int code : kTercihEdilenDurumlar)
        codes << QString::number(code);
    return codes.join(QStringLiteral(", "));
}

}  // namespace

qint16 TebligatDurumuSinifi(qint16 tebligatDurumu) {
    switch (tebligatDurumu) {
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
        case 7:
        case 12:
        case 14:
        case 19:
        case 20:
        case 21:
            return 1;
        case 8:
            return 2;
        case 1:
        case 9:
        case 10:
        case 11:
        case 13:
        case 15:
        case 16:
        case 17:
        case 18:
            return 3;
        default:
            return 0;
    }
}

qint16 FoyTebligatDurumuBul(qint32 FoyKodu) {
    RecordSet rs = shared().connection().openRecordSet(
        QStringLiteral("SELECT foysahiskodu, tebligatdurumu ") +
        QStringLiteral("FROM tblfoy_tebligat ") + QStringLiteral("WHERE FoyKodu = ") +
        QString::number(FoyKodu) + u' ' +
        QStringLiteral("ORDER BY foysahiskodu ASC, tebligtarihi DESC, tebligatkodu DESC"));
    qint16 sonuc = 3;
    qint32 oncekiSahis = -1;
    bool ikinciSinifVar = false;
    // The rows of one party come newest first, so its first row is its latest notification.
    for (; !rs.eof(); rs.moveNext()) {
        qint32 sahis = toInt32(rs.value(QStringLiteral("foysahiskodu")));
        if (sahis == oncekiSahis)
            continue;
        oncekiSahis = sahis;
        qint16 sinif = TebligatDurumuSinifi(
            toInt16(NullKontrol(rs.value(QStringLiteral("tebligatdurumu")), true)));
        if (sinif == 1) {
            sonuc = 1;
            break;
        }
        if (sinif == 2)
            ikinciSinifVar = true;
    }
    rs.close();
    if (sonuc != 1 && ikinciSinifVar)
        sonuc = 2;
    return sonuc;
}

void FoyTebligatDurumuGuncelle(qint32 FoyKodu) {
    shared().connection().execute(QStringLiteral("update tblfoy set tebligatdurumu = ") +
                                  QString::number(FoyTebligatDurumuBul(FoyKodu)) +
                                  QStringLiteral(" where foykodu = ") + QString::number(FoyKodu));
}

void UpdateTblFoy_Tebligat_Iz_ForFoy(qint32 FoyKodu) {
    trapped(QStringLiteral("UpdateTblFoy_Tebligat_Iz_ForFoy"), [&] {
        Database& db = shared().connection();
        db.execute(QStringLiteral("delete from tblfoy_tebligat_iz where foykodu= ") +
                   QString::number(FoyKodu));
        RecordSet rs = db.openRecordSet(
            QStringLiteral("SELECT foykodu, foysahiskodu FROM tblfoy_sahis WHERE foykodu = ") +
            QString::number(FoyKodu) + QStringLiteral(" ORDER BY foysahiskodu"));
        // The row code grows for every party, also for one that gets no row.
        qint16 sayac = 1;
        for (; !rs.eof(); rs.moveNext()) {
            UpdateTblFoy_Tebligat_Iz_ForSahis(
                FoyKodu, toInt16(rs.value(QStringLiteral("foysahiskodu"))), false, sayac);
            sayac = toInt16(static_cast<qint32>(sayac) + 1);
        }
        rs.close();
    });
}

void UpdateTblFoy_Tebligat_Iz_ForSahis(qint32 FoyKodu, qint16 foySahisKodu, bool degistir,
                                       qint16 satirKodu) {
    trapped(QStringLiteral("UpdateTblFoy_Tebligat_Iz_ForSahis"), [&] {
        Database& db = shared().connection();
        qint32 kod = satirKodu < 1 ? YeniTebligatKoduAl(FoyKodu) : satirKodu;
        if (degistir)
            db.execute(QStringLiteral("delete from tblfoy_tebligat_iz where foykodu= ") +
                       QString::number(FoyKodu) + QStringLiteral(" AND foysahiskodu = ") +
                       QString::number(foySahisKodu));
        bool access = shared().ActiveVeritabaniTuru == 2;
        QString sira = access
                           ? QStringLiteral("IIF(tebligatdurumu IN (") + tercihListesi() +
                                 QStringLiteral("), 1, 2)  AS TebligatDurumusirasi, * ")
                           : QStringLiteral("CASE WHEN tebligatdurumu IN (") + tercihListesi() +
                                 QStringLiteral(") THEN 1 ELSE 2 END  AS TebligatDurumusirasi, * ");
        RecordSet rs = db.openRecordSet(
            QStringLiteral("SELECT TOP 1 * ") + QStringLiteral("FROM ") + u'(' +
            QStringLiteral("SELECT ") + sira +
            QStringLiteral("FROM tblfoy_tebligat WHERE foykodu= ") + QString::number(FoyKodu) +
            QStringLiteral(" AND foysahiskodu = ") + QString::number(foySahisKodu) + u' ' +
            QStringLiteral(") AS SahisKayitlari ") +
            QStringLiteral("ORDER BY tebligtarihi DESC, TebligatDurumusirasi ASC "));
        if (!rs.eof()) {
            db.execute(QStringLiteral("insert into tblfoy_tebligat_iz  (foykodu, tebligatkodu, "
                                      "foysahiskodu , tebligtarihi, tebligatdurumu, ") +
                           QStringLiteral(
                               "itiraztarihi, kesinlesmetarihi, sonodemetarihi, malbeyanitarihi, "
                               "aciklama) values ( ?, ? , ?, ?, ?, ?, ?, ?, ?, ?) "),
                       {FoyKodu, kod, foySahisKodu, rs.value(QStringLiteral("tebligtarihi")),
                        rs.value(QStringLiteral("tebligatdurumu")),
                        rs.value(QStringLiteral("itiraztarihi")),
                        rs.value(QStringLiteral("kesinlesmetarihi")),
                        rs.value(QStringLiteral("sonodemetarihi")),
                        rs.value(QStringLiteral("malbeyanitarihi")),
                        rs.value(QStringLiteral("aciklama"))});
        }
        rs.close();
    });
}

qint32 YeniTebligatKoduAl(qint32 FoyKodu) {
    // Errors are swallowed: the caller then numbers the row 1.
    try {
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("SELECT MAX(tebligatkodu) FROM tblfoy_tebligat_iz WHERE foykodu = ") +
            QString::number(FoyKodu));
        qint32 kod = 1;
        if (!rs.eof() && !isNull(rs.value(0)))
            kod = toInt32(rs.value(0)) + 1;
        rs.close();
        return kod;
    } catch (const std::exception&) {
        return 1;
    }
}

qint16 GetTebligGonderVekilSayisi(qint32 FoyKodu) {
    return trapped<
        qint16>(QStringLiteral("Hesap.modGenel.GetTebligGonderVekilSayisi"), 0, [&]() -> qint16 {
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("select count(*) as vekilsayisi  from tblfoy_sahis where (foykodu = ") +
            QString::number(FoyKodu) +
            QStringLiteral(
                ") and (vekiletebligatgonder = 1) and muvekkiletebligatgonderilmesin = 0 and ") +
            QStringLiteral("foysahistipi in (") + QStringLiteral("1,2,5,6,7,8") + u')');
        qint16 sayi = 0;
        if (!rs.eof())
            sayi = toInt16(NullKontrol(rs.value(QStringLiteral("vekilsayisi")), true));
        rs.close();
        return sayi;
    });
}

}  // namespace quv::modGeneral
