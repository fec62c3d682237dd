// The debtor's numbers, the number check and the message text of the SMS.

#include "engine/NumberFormat.h"
#include "engine/SharedState.h"
#include "engine/SqlText.h"
#include "engine/Variant.h"
#include "file/FieldReads.h"
#include "plans/SmsGonderici.h"
#include "plans/SmsMesajlari.h"

namespace quv {

namespace {

// A research result: 0 and 2 leave the number open, 5 confirms it, the others rule it out.
qint16 arastirmaIkonu(qint16 sonuc) {
    if (sonuc == 0 || sonuc == 2)
        return 2;
    if (sonuc == 5)
        return 3;
    return 1;
}

// The latest call: reached, or not reached for reasons 2, 3 and 4 (the number is
// wrong) or another reason (the number may still be right).
qint16 gorusmeIkonu(bool ulasildi, qint16 neden) {
    if (ulasildi)
        return 3;
    if (neden == 2 || neden == 3 || neden == 4)
        return 1;
    return 2;
}

bool listede(const QList<SmsTelefonu>& liste, const QString& numara) {
    for (const SmsTelefonu& t : liste)
        if (t.Numara == numara)
            return true;
    return false;
}

}  // namespace

QList<SmsTelefonu> SmsGonderici::TelefonlariYukle(qint32 FoyKodu, qint32 FoySahisKodu) {
    Database& db = shared().connection();
    const QString foy = QString::number(FoyKodu);
    const QString sahis = QString::number(FoySahisKodu);
    QList<SmsTelefonu> liste;

    QStringList arastirilan;
    RecordSet rs = db.openRecordSet(
        QStringLiteral("SELECT arastirmakodu, tel, sonuc FROM tblfoy_arastirma WHERE teloradres = "
                       "1 AND tel <> '' AND foykodu = ") +
        foy + QStringLiteral(" AND foysahiskodu = ") + sahis);
    for (; !rs.eof(); rs.moveNext()) {
        const QString tel = FieldReads::textOrEmpty(rs.value("tel"));
        liste.append({tel, 1, arastirmaIkonu(FieldReads::int16OrZero(rs.value("sonuc")))});
        arastirilan.append(u'\'' + SqlText::escaped(tel) + u'\'');
    }
    rs.close();

    QString sql = QStringLiteral(
                      "SELECT gorusmekodu, arananno, ulasildi, ulasilamamanedeni FROM "
                      "tblfoy_gorusme WHERE foykodu = ") +
                  foy + QStringLiteral(" AND foysahiskodu = ") + sahis;
    if (!arastirilan.isEmpty())
        sql += QStringLiteral(" AND arananno NOT IN (") + arastirilan.join(u',') + u')';
    sql += QStringLiteral(" ORDER BY arananno, gorusmetarihi desc");
    rs = db.openRecordSet(sql);
    QString onceki;
    bool ilk = true;
    for (; !rs.eof(); rs.moveNext()) {
        const QString no = FieldReads::textOrEmpty(rs.value("arananno"));
        // Rows come by number, the latest call first: only that one counts.
        if (!ilk && no == onceki)
            continue;
        ilk = false;
        onceki = no;
        if (no.isEmpty())
            continue;
        const bool ulasildi = FieldReads::flagOrFalse(rs.value("ulasildi"));
        liste.append(
            {no, 2,
             gorusmeIkonu(ulasildi, FieldReads::int16OrZero(rs.value("ulasilamamanedeni")))});
    }
    rs.close();

    rs = db.openRecordSet(
        QStringLiteral("SELECT tel1, tel2, ceptel, ceptel2 FROM tblfoy_sahis WHERE foykodu = ") +
        foy + QStringLiteral(" AND foysahiskodu = ") + sahis);
    for (; !rs.eof(); rs.moveNext())
        for (const char* alan : {"tel1", "tel2", "ceptel", "ceptel2"}) {
            const QString tel = FieldReads::textOrEmpty(rs.value(QString::fromLatin1(alan)));
            if (!tel.isEmpty() && !listede(liste, tel))
                liste.append({tel, 3, 2});
        }
    rs.close();
    return liste;
}

QString SmsGonderici::SmsMetniOlustur(const QString& BorcluAdi,
                                      const QList<OdemePlaniSatiri>& Satirlar) {
    QString sonuc = QStringLiteral("Sayın ") + BorcluAdi + SmsMesajlari::MetinGirisi;
    // A plan row without a date or an amount (an amount of 0 is an empty cell) is left out.
    for (const OdemePlaniSatiri& satir : Satirlar) {
        if (satir.Tarih.isEmpty() || satir.Tutar.isZero())
            continue;
        sonuc += shared().dates().display(satir.Tarih) + QStringLiteral("'de ") +
                 formatNumber(satir.Tutar, FormatMoneyZero) + QStringLiteral(" TL, ");
    }
    sonuc.chop(2);
    return sonuc + u'.';
}

std::optional<QString> SmsGonderici::NumaraDenetle(const QString& Numara) {
    if (Numara.size() < 10)
        return std::nullopt;
    for (QChar c : Numara)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    if (Numara.size() == 10 && !Numara.startsWith(u'0'))
        return u'0' + Numara;
    return Numara;
}

}  // namespace quv
