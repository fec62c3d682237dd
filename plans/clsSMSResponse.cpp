#include "plans/clsSMSResponse.h"

#include "engine/RuntimeError.h"
#include "engine/Variant.h"
#include "plans/modSMSGonderme.h"

namespace quv {

namespace {

const QDateTime& bosTarih() {
    static const QDateTime tarih(QDate(1900, 1, 1), QTime(0, 0));
    return tarih;
}

// The text between the first "<Tag>" and the next "</Tag>"; empty when either is missing.
QString GetTagValue(const QString& Response, const QString& Tag) {
    const QString acilis = u'<' + Tag + u'>';
    const qsizetype bas = Response.indexOf(acilis);
    if (bas < 0)
        return QString();
    const qsizetype icerik = bas + acilis.size();
    const qsizetype son = Response.indexOf(QStringLiteral("</") + Tag + u'>', icerik);
    if (son < 0)
        return QString();
    return Response.mid(icerik, son - icerik);
}

// After the first "<Tag", the attribute's name, then the characters between the next
// two double quotes; empty when any of them is missing.
QString GetAttributeValue(const QString& Response, const QString& Tag, const QString& Attribute) {
    const qsizetype etiket = Response.indexOf(u'<' + Tag);
    if (etiket < 0)
        return QString();
    const qsizetype ad = Response.indexOf(Attribute, etiket + 1 + Tag.size());
    if (ad < 0)
        return QString();
    const qsizetype tirnak1 = Response.indexOf(u'"', ad + Attribute.size());
    if (tirnak1 < 0)
        return QString();
    const qsizetype tirnak2 = Response.indexOf(u'"', tirnak1 + 1);
    if (tirnak2 < 0)
        return QString();
    return Response.mid(tirnak1 + 1, tirnak2 - tirnak1 - 1);
}

int parca(const QString& metin, qsizetype bas, qsizetype uzunluk) {
    bool ok = false;
    const QString p = metin.mid(bas, uzunluk);
    const int deger = p.toInt(&ok);
    if (!ok || p.size() != uzunluk)
        throw RuntimeError::typeMismatch();
    return deger;
}

}  // namespace

clsSMSResponse::clsSMSResponse() {
    ClearClass();
    ClearTokenInfo();
}

void clsSMSResponse::ClearClass() {
    ErrorNo = 0;
    ErrorText.clear();
    MessageID.clear();
    Charge = Money();
    Credit = Money();
    SMSStatus = 0;
    MesajSonDurumaUlasti = 0;
}

void clsSMSResponse::ClearTokenInfo() {
    token_.clear();
    tokenBaslangic_ = bosTarih();
    tokenBitis_ = bosTarih();
}

bool clsSMSResponse::IsHermesTokenValid() const {
    if (token_.trimmed().isEmpty())
        return false;
    const QDateTime simdi = QDateTime::currentDateTime();
    return tokenBaslangic_ <= simdi && simdi <= tokenBitis_;
}

void clsSMSResponse::ParseResponse(const QString& Response) {
    ClearClass();
    for (const QString& cift : Response.split(u'&')) {
        const qsizetype esittir = cift.indexOf(u'=');
        if (esittir < 0)
            continue;
        const QString anahtar = cift.left(esittir);
        const QString deger = cift.mid(esittir + 1);
        if (anahtar == QStringLiteral("errno")) {
            ErrorNo = toInt16(deger);
        } else if (anahtar == QStringLiteral("errtext")) {
            ErrorText = deger;
        } else if (anahtar == QStringLiteral("message_id")) {
            MessageID = deger;
        } else if (anahtar == QStringLiteral("charge")) {
            Charge = Money::parse(deger);
        } else if (anahtar == QStringLiteral("credit")) {
            Credit = Money::parse(deger);
        } else if (anahtar == QStringLiteral("status")) {
            const qsizetype ayrac = deger.indexOf(u'|');
            if (ayrac >= 0) {
                SMSStatus = toInt16(deger.left(ayrac));
                MesajSonDurumaUlasti = deger.mid(ayrac + 1) == QStringLiteral("1") ? 1 : 0;
            } else {
                SMSStatus = toInt16(deger);
            }
        }
    }
}

void clsSMSResponse::ParseHermesToken(const QString& Response) {
    ClearTokenInfo();
    if (GetTagValue(Response, QStringLiteral("NAME")) != QStringLiteral("NO_ERROR")) {
        ErrorText = GetTagValue(Response, QStringLiteral("DESC"));
        return;
    }
    token_ = GetTagValue(Response, QStringLiteral("TOKEN_NO"));
    tokenBaslangic_ = ConvertHermesDate(GetTagValue(Response, QStringLiteral("TOKEN_BEGIN_DATE")));
    tokenBitis_ = ConvertHermesDate(GetTagValue(Response, QStringLiteral("TOKEN_END_DATE")));
}

void clsSMSResponse::ParseHermesSMSTelNoIle(const QString& Response) {
    ClearClass();
    const QString ad = GetTagValue(Response, QStringLiteral("NAME"));
    if (ad == QStringLiteral("NO_ERROR")) {
        ErrorNo = 0;
        MessageID =
            GetAttributeValue(Response, QStringLiteral("TRANSACTION"), QStringLiteral("id"));
        Charge = Money::fromUnits(1);
    } else {
        ErrorNo = modSMSGonderme::GetHermesErrorNo(ad);
        ErrorText = GetTagValue(Response, QStringLiteral("CODE")) + QStringLiteral(" - ") +
                    GetTagValue(Response, QStringLiteral("DESC"));
    }
}

QDateTime clsSMSResponse::ConvertHermesDate(const QString& Text) {
    const QDate gun(parca(Text, 0, 4), parca(Text, 5, 2), parca(Text, 8, 2));
    const QTime saat(parca(Text, 11, 2), parca(Text, 14, 2), parca(Text, 17, 2));
    if (!gun.isValid() || !saat.isValid())
        throw RuntimeError::typeMismatch();
    return QDateTime(gun, saat);
}

}  // namespace quv
