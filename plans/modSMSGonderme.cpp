#include "plans/modSMSGonderme.h"

#include "engine/RuntimeError.h"
#include "plans/Cp1254.h"

namespace quv::modSMSGonderme {

namespace {

bool harfVeyaRakam(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

void yuzdeKodla(QString& hedef, quint8 bayt) {
    static const char kOnaltilik[] = "0123456789ABCDEF";
    hedef.append(u'%');
    hedef.append(QLatin1Char(kOnaltilik[bayt >> 4]));
    hedef.append(QLatin1Char(kOnaltilik[bayt & 0x0F]));
}

// One pass of the scrambling: position i (from 1) takes the key character at i mod the
// key's length, a remainder of 0 meaning the key's last character.
QString xorGecisi(const QString& metin, const QByteArray& anahtar) {
    QString sonuc;
    sonuc.reserve(metin.size());
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const quint8 k = static_cast<quint8>(anahtar[i % anahtar.size()]);
        sonuc.append(Cp1254::karakter(Cp1254::bayt(metin[i]) ^ k));
    }
    return sonuc;
}

}  // namespace

QVariant StrConv2(const QVariant& value, int mode) {
    const bool metin = value.typeId() == QMetaType::QString;
    const bool baytlar = value.typeId() == QMetaType::QByteArray;
    if (!metin && !baytlar)
        throw RuntimeError(ErrNo::TypeMismatch, QStringLiteral("Expr: Type mismatch (in ") +
                                                    QStringLiteral("StrConv2") +
                                                    QStringLiteral("())"));
    if (mode == vbToUtf8)
        return metin ? QVariant(value.toString().toUtf8()) : value;
    if (mode == vbFromUtf8)
        return baytlar ? QVariant(QString::fromUtf8(value.toByteArray())) : value;
    throw RuntimeError(5, QStringLiteral("Invalid procedure call or argument"));
}

QString URLEncodeUTF8(const QString& text, bool KeepSubDelims) {
    const QByteArray utf8 = StrConv2(text, vbToUtf8).toByteArray();
    QString sonuc;
    sonuc.reserve(utf8.size() * 3);
    for (char ch : utf8) {
        const quint8 b = static_cast<quint8>(ch);
        if (harfVeyaRakam(b) || b == '-' || b == '.' || b == '_' || b == '~')
            sonuc.append(QLatin1Char(ch));
        else if (b == ' ')
            sonuc.append(QStringLiteral("%20"));
        else if (KeepSubDelims && (b == '!' || b == '\'' || b == '(' || b == ')' || b == '*'))
            sonuc.append(QLatin1Char(ch));
        else
            yuzdeKodla(sonuc, b);
    }
    return sonuc;
}

QString FormEncode(const QString& text) {
    QString sonuc;
    sonuc.reserve(text.size() * 3);
    for (QChar c : text) {
        if (harfVeyaRakam(c.unicode()))
            sonuc.append(c);
        else if (c == u' ')
            sonuc.append(u'+');
        else
            yuzdeKodla(sonuc, Cp1254::bayt(c));
    }
    return sonuc;
}

qint16 GetHermesErrorNo(const QString& Name) {
    if (Name == QStringLiteral("PERMISSION_UNSUFFICIENT_CUSTOMER_CREDIT") ||
        Name == QStringLiteral("PERMISSION_UNSUFFICIENT_VENDOR_CREDIT") ||
        Name == QStringLiteral("PERMISSION_NO_ACTIVE_CUSTOMER_CREDIT") ||
        Name == QStringLiteral("PERMISSION_NO_ACTIVE_VENDOR_CREDIT"))
        return 20;
    if (Name == QStringLiteral("INVALID_USER_NAME"))
        return -1001;
    if (Name == QStringLiteral("PERMISSION_NOTGRANTED") ||
        Name == QStringLiteral("AUTHENTICATION_FAILURE"))
        return 10;
    return -2001;
}

QString Decrypt(const QString& Text) {
    return xorGecisi(xorGecisi(Text, QByteArrayLiteral("TzaNoRiLe")),
                     QByteArrayLiteral("20030917"));
}

}  // namespace quv::modSMSGonderme
