#include "formats/JsonSemasi.h"

#include "formats/BelgeSemasi.h"

#include <QJsonArray>

namespace quv::belge {

namespace {

QJsonObject tip(const char* ad) {
    return QJsonObject{{QStringLiteral("type"), QLatin1String(ad)}};
}

QJsonObject alanSemasi(const Alan& alan) {
    QJsonObject s;
    switch (alan.tur) {
        case AlanTuru::Tamsayi:
            s = tip("integer");
            if (alan.enAz != 0 || alan.enCok != 0) {
                s.insert(QStringLiteral("minimum"), alan.enAz);
                s.insert(QStringLiteral("maximum"), alan.enCok);
            }
            break;
        case AlanTuru::Para:
            s = tip("number");
            s.insert(QStringLiteral("multipleOf"), 0.0001);
            break;
        case AlanTuru::Oran:
            s = tip("number");
            break;
        case AlanTuru::Tarih:
            s = tip("string");
            s.insert(QStringLiteral("pattern"), QStringLiteral("^([0-9]{4}-[0-9]{2}-[0-9]{2})?$"));
            break;
        case AlanTuru::Metin:
            s = tip("string");
            break;
    }
    // Every field may be null (or left out): the column is then Null.
    s.insert(QStringLiteral("type"), QJsonArray{s.value(QStringLiteral("type")), QStringLiteral("null")});
    s.insert(QStringLiteral("description"), QStringLiteral("sütun ") + QLatin1String(alan.sutun));
    return s;
}

QJsonObject satirSemasi(const Bolum& bolum) {
    QJsonObject ozellikler;
    for (const Alan& alan : bolum.alanlar)
        ozellikler.insert(QLatin1String(alan.ad), alanSemasi(alan));
    QJsonObject s = tip("object");
    s.insert(QStringLiteral("properties"), ozellikler);
    s.insert(QStringLiteral("additionalProperties"), false);
    return s;
}

QJsonObject belgeSemasi(const char* bicim, const char* baslik, const QList<Bolum>& bolumler,
                        bool foyKodlu) {
    QJsonObject ozellikler{
        {QStringLiteral("format"), QJsonObject{{QStringLiteral("const"), QLatin1String(bicim)}}},
        {QStringLiteral("version"), QJsonObject{{QStringLiteral("const"), 1}}},
    };
    QJsonArray zorunlu{QStringLiteral("format"), QStringLiteral("version")};
    if (foyKodlu) {
        QJsonObject kod = tip("integer");
        kod.insert(QStringLiteral("minimum"), 1);
        ozellikler.insert(QStringLiteral("foyKodu"), kod);
        zorunlu << QStringLiteral("foyKodu") << QStringLiteral("foy");
    }
    for (const Bolum& b : bolumler) {
        QJsonObject satir = satirSemasi(b);
        satir.insert(QStringLiteral("description"), QStringLiteral("tablo ") + QLatin1String(b.tablo));
        if (b.tekNesne) {
            ozellikler.insert(QLatin1String(b.ad), satir);
        } else {
            QJsonObject dizi = tip("array");
            dizi.insert(QStringLiteral("items"), satir);
            ozellikler.insert(QLatin1String(b.ad), dizi);
        }
    }
    return QJsonObject{
        {QStringLiteral("$schema"), QStringLiteral("https://json-schema.org/draft/2020-12/schema")},
        {QStringLiteral("title"), QString::fromUtf8(baslik)},
        {QStringLiteral("type"), QStringLiteral("object")},
        {QStringLiteral("properties"), ozellikler},
        {QStringLiteral("required"), zorunlu},
        {QStringLiteral("additionalProperties"), false},
    };
}

}  // namespace

QJsonObject foySemasi() {
    return belgeSemasi("quvhesap-foy", "quvHesap föy belgesi, sürüm 1", foyBolumleri(), true);
}

QJsonObject ayarSemasi() {
    return belgeSemasi("quvhesap-ayarlar", "quvHesap ayar belgesi, sürüm 1", ayarBolumleri(), false);
}

}  // namespace quv::belge
