#include "formats/JsonSayilari.h"

#include <QJsonParseError>
#include <QRegularExpression>

namespace quv::belge {

namespace {

// Line and column (from 1) of an offset into the text.
QString yer(const QByteArray& metin, qsizetype konum) {
    int satir = 1;
    int sutun = 1;
    for (qsizetype i = 0; i < konum && i < metin.size(); ++i) {
        if (metin[i] == '\n') {
            ++satir;
            sutun = 1;
        } else if ((static_cast<unsigned char>(metin[i]) & 0xC0) != 0x80) {
            ++sutun;  // a character, not the tail of a UTF-8 sequence
        }
    }
    return QStringLiteral("satır %1, sütun %2").arg(satir).arg(sutun);
}

// The text with every number outside a string wrapped as a marked string.
QByteArray sayilariIsaretle(const QByteArray& metin) {
    static const QByteArray isaret = QString(QChar(kSayiIsareti)).toUtf8();
    QByteArray sonuc;
    sonuc.reserve(metin.size() + metin.size() / 4);
    bool metinIcinde = false;
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const char c = metin[i];
        if (metinIcinde) {
            sonuc += c;
            if (c == '\\' && i + 1 < metin.size())
                sonuc += metin[++i];
            else if (c == '"')
                metinIcinde = false;
        } else if (c == '"') {
            metinIcinde = true;
            sonuc += c;
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            qsizetype son = i;
            while (son < metin.size() && QByteArrayView("0123456789+-.eE").contains(metin[son]))
                ++son;
            sonuc += '"' + isaret + metin.mid(i, son - i) + '"';
            i = son - 1;
        } else {
            sonuc += c;
        }
    }
    return sonuc;
}

}  // namespace

std::optional<QJsonDocument> jsonOku(const QByteArray& metin, QString& hata) {
    // The text as it is first, so that a syntax error names its true place.
    QJsonParseError sonuc;
    QJsonDocument::fromJson(metin, &sonuc);
    if (sonuc.error != QJsonParseError::NoError) {
        hata = QStringLiteral("JSON sözdizimi hatası (%1): %2")
                   .arg(yer(metin, sonuc.offset), sonuc.errorString());
        return std::nullopt;
    }
    QJsonDocument belge = QJsonDocument::fromJson(sayilariIsaretle(metin), &sonuc);
    if (sonuc.error != QJsonParseError::NoError) {
        hata = QStringLiteral("JSON sözdizimi hatası: ") + sonuc.errorString();
        return std::nullopt;
    }
    return belge;
}

QByteArray jsonYaz(const QJsonObject& belge) {
    QString metin = QString::fromUtf8(QJsonDocument(belge).toJson(QJsonDocument::Indented));
    static const QRegularExpression isaretli(QStringLiteral("\"\\x{E000}([-+.0-9eE]+)\""));
    metin.replace(isaretli, QStringLiteral("\\1"));
    return metin.toUtf8();
}

QJsonValue sayi(const QString& metin) {
    return QJsonValue(QChar(kSayiIsareti) + metin);
}

std::optional<QString> sayiMetni(const QJsonValue& deger) {
    if (!deger.isString())
        return std::nullopt;
    const QString metin = deger.toString();
    if (metin.isEmpty() || metin.front() != QChar(kSayiIsareti))
        return std::nullopt;
    return metin.mid(1);
}

}  // namespace quv::belge
