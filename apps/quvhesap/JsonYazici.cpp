#include "JsonYazici.h"

#include <QLocale>

namespace quv::cli {

QString JsonYazici::paraMetni(Money deger) {
    QString text = deger.toDecimalString();
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

QString JsonYazici::tirnakla(const QString& deger) {
    QString out = QStringLiteral("\"");
    for (QChar c : deger) {
        switch (c.unicode()) {
            case '"':
                out += QStringLiteral("\\\"");
                break;
            case '\\':
                out += QStringLiteral("\\\\");
                break;
            case '\n':
                out += QStringLiteral("\\n");
                break;
            case '\r':
                out += QStringLiteral("\\r");
                break;
            case '\t':
                out += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20)
                    out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
                else
                    out += c;
        }
    }
    return out + u'"';
}

void JsonYazici::ayrac() {
    if (!ilkOge_)
        out_ += u',';
    ilkOge_ = false;
}

void JsonYazici::anahtarYaz(const QString& anahtar) {
    ayrac();
    if (!anahtar.isEmpty())
        out_ += tirnakla(anahtar) + u':';
}

void JsonYazici::nesneBasla(const QString& anahtar) {
    anahtarYaz(anahtar);
    out_ += u'{';
    ilkOge_ = true;
}

void JsonYazici::nesneBitir() {
    out_ += u'}';
    ilkOge_ = false;
}

void JsonYazici::diziBasla(const QString& anahtar) {
    anahtarYaz(anahtar);
    out_ += u'[';
    ilkOge_ = true;
}

void JsonYazici::diziBitir() {
    out_ += u']';
    ilkOge_ = false;
}

void JsonYazici::metin(const QString& anahtar, const QString& deger) {
    anahtarYaz(anahtar);
    out_ += tirnakla(deger);
}

void JsonYazici::metin(const QString& deger) {
    ayrac();
    out_ += tirnakla(deger);
}

void JsonYazici::para(const QString& anahtar, Money deger) {
    anahtarYaz(anahtar);
    out_ += paraMetni(deger);
}

void JsonYazici::oran(const QString& anahtar, double deger) {
    anahtarYaz(anahtar);
    out_ += QString::number(deger, 'g', QLocale::FloatingPointShortest);
}

void JsonYazici::tamsayi(const QString& anahtar, qint64 deger) {
    anahtarYaz(anahtar);
    out_ += QString::number(deger);
}

}  // namespace quv::cli
