#include "engine/modGeneral.h"

#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/SqlText.h"
#include "engine/Trap.h"
#include "file/FieldReads.h"

#include <QRegularExpression>

#include <cstdlib>

namespace quv {

void HataGosterFromTrap(const QString& source, const RuntimeError& error) {
    modGeneral::HataGoster(source, error);
}

namespace modGeneral {

void HataGoster(const QString& source, const RuntimeError& error) {
    HataGoster(source, error.number(), error.description());
}

void HataGoster(const QString& source, long number, const QString& description) {
    shared().countReportedError();
    shared().reporter().report(errorMessage(source, number, description));
}

QVariant NullKontrol(const QVariant& value, bool numeric) {
    if (!isNull(value))
        return value;
    return numeric ? QVariant::fromValue<qint16>(0) : QVariant(QString(QStringLiteral("")));
}

qint32 GunSayisiBul(const QString& tarih1, const QString& tarih2) {
    return trapped<qint32>(QStringLiteral("Hesap.modGenel.GunSayisiBul"), 0, [&]() -> qint32 {
        if (tarih1.isEmpty() || tarih2.isEmpty())
            return 0;
        DateService& dates = shared().dates();
        return static_cast<qint32>(std::llabs(dates.toDate(tarih1).daysTo(dates.toDate(tarih2))));
    });
}

namespace {

// Rates are found by their exact date, so a stored date that names no day can never be
// found: the rate meant for it would look missing (and be asked for, or the run fail
// without saying why). When a rate is missing, the currency's stored dates are checked.
void kurTarihleriniDenetle(quint8 doviz) {
    RecordSet rs = shared().connection().openRecordSet(
        QStringLiteral("select tarih from tblkur where parabirimikodu = ") +
        QString::number(doviz));
    const QString satir = QStringLiteral("%1 kodlu para biriminin kurlarında").arg(doviz);
    for (; !rs.eof(); rs.moveNext())
        FieldReads::tarihDenetle(FieldReads::textOrEmpty(rs.value(0)), "tblkur", "tarih", satir);
}

}  // namespace

Money KurBilgisiCek(const QString& pTarih, quint8 pDoviz) {
    return trapped<Money>(QStringLiteral("Hesap.modGenel.KurBilgisiCek"), Money(), [&] {
        RecordSet rs = shared().connection().openRecordSet(
            QStringLiteral("select tltutar from tblkur where tarih = '") +
            SqlText::escaped(pTarih) + QStringLiteral("' and parabirimikodu = ") +
            QString::number(pDoviz));
        Money result;
        if (!rs.eof()) {
            QVariant v = rs.value(QStringLiteral("tltutar"));
            if (!isNull(v))
                result = Money::fromVariant(v);
        } else {
            kurTarihleriniDenetle(pDoviz);
        }
        if (rs.isOpen())
            rs.close();
        return result;
    });
}

Money KurBilgisiAl(const QString& pTarih, quint8 pDoviz, const QString& Aciklama) {
    const QString kaynak = QStringLiteral("Hesap.modGenel.KurBilgisiAl");
    return trapped<Money>(kaynak, Money(), [&] {
        try {
            return shared().windowHost().askExchangeRate(pTarih, pDoviz, Aciklama);
        } catch (const KurGirilmedi& iptal) {
            HataGoster(kaynak, iptal);
            return iptal.iptalDegeri;
        }
    });
}

Money KurBul(const QString& pTarih, quint8 pDoviz, const QString& Aciklama) {
    Money kur = KurBilgisiCek(pTarih, pDoviz);
    if (kur <= Money())
        kur = KurBilgisiAl(pTarih, pDoviz, Aciklama);
    return kur;
}

void FoyPencereKaydet(qint32 FoyKodu, quint8 pencereKodu) {
    trapped(QStringLiteral("Hesap.modGenel.FoyPencereKaydet"), [&] {
        Database& db = shared().connection();
        RecordSet rs = db.openRecordSet(
            QStringLiteral("select * from tblfoy_pencere where (foykodu = ") +
                QString::number(FoyKodu) + QStringLiteral(") and (pencerekodu = ") +
                QString::number(pencereKodu) + u')',
            CursorType::Keyset);
        if (rs.eof())
            db.addRow(QStringLiteral("tblfoy_pencere"),
                      {{QStringLiteral("foykodu"), FoyKodu},
                       {QStringLiteral("pencerekodu"), pencereKodu}});
        if (rs.isOpen())
            rs.close();
    });
}

namespace {

// A value written into the condition: quoted values have their quotes doubled; a
// value meant to be a bare number that is not one is quoted as well, so that it
// can only fail to match and never changes the query.
QString conditionValue(const QString& value, bool quoted) {
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (!quoted && number.match(value).hasMatch())
        return value;
    return u'\'' + SqlText::escaped(value) + u'\'';
}

}  // namespace

QString KriterOlustur(const QString& saha, const QString& operatorText, const QString& deger1,
                      const QString& deger2, bool tirnakli) {
    if (operatorText == QStringLiteral("Arasında")) {
        if (deger1.isEmpty() || deger2.isEmpty())
            return QString();
        return saha + QStringLiteral(" between ") + conditionValue(deger1, tirnakli) +
               QStringLiteral(" and ") + conditionValue(deger2, tirnakli);
    }
    if (deger1.isEmpty())
        return QString();
    return saha + u' ' + operatorText + u' ' + conditionValue(deger1, tirnakli);
}

}  // namespace modGeneral
}  // namespace quv
