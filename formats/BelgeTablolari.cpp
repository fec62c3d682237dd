#include "formats/BelgeTablolari.h"

#include "engine/Money.h"
#include "engine/RecordSet.h"
#include "engine/RuntimeError.h"
#include "engine/TextDate.h"
#include "formats/JsonSayilari.h"

#include <QDate>
#include <QJsonObject>
#include <QRegularExpression>

#include <charconv>
#include <limits>

namespace quv::belge {

namespace {

// A rate in its shortest form as the single the calculation reads it as: 4.55,
// never 4.550000190734863.
QString oranMetni(double oran) {
    char tampon[32];
    const auto sonuc = std::to_chars(tampon, tampon + sizeof tampon, static_cast<float>(oran));
    return QString::fromLatin1(tampon, sonuc.ptr - tampon);
}

// An amount without the trailing zeros of its four places: 1234.5, 12, -0.0001.
QString paraMetni(Money tutar) {
    QString metin = tutar.toDecimalString();
    while (metin.endsWith(u'0'))
        metin.chop(1);
    if (metin.endsWith(u'.'))
        metin.chop(1);
    return metin;
}

QJsonValue disaAktar(const Alan& alan, const QVariant& deger) {
    switch (alan.tur) {
        case AlanTuru::Tamsayi:
            return sayi(QString::number(deger.toLongLong()));
        case AlanTuru::Para:
            return sayi(paraMetni(Money::fromVariant(deger)));
        case AlanTuru::Oran:
            return sayi(oranMetni(deger.toDouble()));
        case AlanTuru::Tarih: {
            const QString metin = deger.toString().trimmed();
            // A stored text that is no date goes out as it is, for the import to name.
            if (!TextDate::isValid(metin))
                return metin;
            return metin.left(4) + u'-' + metin.mid(4, 2) + u'-' + metin.right(2);
        }
        case AlanTuru::Metin:
            return deger.toString();
    }
    return QJsonValue();
}

// The empty text, which is no date and no Null: a null QString would be bound as Null.
QVariant bosMetin() {
    return QVariant(QStringLiteral(""));
}

// The value of a field for its column, or what is wrong with it.
QVariant iceAktar(const Alan& alan, const QJsonValue& deger, QString& sorun) {
    if (deger.isNull())
        return QVariant();
    const std::optional<QString> sayiM = sayiMetni(deger);
    switch (alan.tur) {
        case AlanTuru::Tamsayi: {
            static const QRegularExpression tam(QStringLiteral("^-?[0-9]{1,10}$"));
            const qint64 n = sayiM && tam.match(*sayiM).hasMatch() ? sayiM->toLongLong() : 0;
            if (!sayiM || !tam.match(*sayiM).hasMatch() || n < std::numeric_limits<qint32>::min() ||
                n > std::numeric_limits<qint32>::max()) {
                sorun = QStringLiteral("bir tam sayı olmalı");
                return QVariant();
            }
            if ((alan.enAz != 0 || alan.enCok != 0) && (n < alan.enAz || n > alan.enCok)) {
                sorun = QStringLiteral("%1 ile %2 arasında bir değer olmalı (%3 tanımlı değil)")
                            .arg(alan.enAz)
                            .arg(alan.enCok)
                            .arg(n);
                return QVariant();
            }
            return QVariant(static_cast<qint32>(n));
        }
        case AlanTuru::Para: {
            static const QRegularExpression tutar(QStringLiteral("^-?[0-9]{1,15}(\\.[0-9]{1,4})?$"));
            if (!sayiM) {
                sorun = QStringLiteral("bir tutar (sayı) olmalı");
                return QVariant();
            }
            if (!tutar.match(*sayiM).hasMatch()) {
                sorun = QStringLiteral("en çok dört ondalıklı bir tutar olmalı (%1)").arg(*sayiM);
                return QVariant();
            }
            return Money::parse(*sayiM).toSqlValue();
        }
        case AlanTuru::Oran: {
            bool tamam = false;
            const double oran = sayiM ? sayiM->toDouble(&tamam) : 0.0;
            if (!tamam) {
                sorun = QStringLiteral("bir oran (sayı) olmalı");
                return QVariant();
            }
            return QVariant(oran);
        }
        case AlanTuru::Tarih: {
            if (!deger.isString() || sayiM) {
                sorun = QStringLiteral("YYYY-AA-GG biçiminde bir tarih (ya da \"\") olmalı");
                return QVariant();
            }
            const QString metin = deger.toString();
            if (metin.isEmpty())
                return bosMetin();
            static const QRegularExpression bicim(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
            if (!bicim.match(metin).hasMatch()) {
                sorun = QStringLiteral("YYYY-AA-GG biçiminde bir tarih olmalı (\"%1\")").arg(metin);
                return QVariant();
            }
            const QString tarih = QString(metin).remove(u'-');
            if (!TextDate::isValid(tarih)) {
                sorun = QStringLiteral("takvimde olmayan bir gün (\"%1\")").arg(metin);
                return QVariant();
            }
            return tarih;
        }
        case AlanTuru::Metin:
            if (!deger.isString() || sayiM) {
                sorun = QStringLiteral("bir metin olmalı");
                return QVariant();
            }
            return deger.toString().isEmpty() ? bosMetin() : deger.toString();
    }
    return QVariant();
}

FieldValues satiriDenetle(const Bolum& bolum, const QJsonValue& satir, const QString& yol,
                          QStringList& sorunlar) {
    FieldValues degerler;
    if (!satir.isObject()) {
        sorunlar << yol + QStringLiteral(": bir nesne olmalı");
        return degerler;
    }
    const QJsonObject nesne = satir.toObject();
    for (auto it = nesne.begin(); it != nesne.end(); ++it) {
        const Alan* alan = bolum.alan(it.key());
        if (!alan) {
            sorunlar << yol + u'.' + it.key() + QStringLiteral(": bilinmeyen alan");
            continue;
        }
        QString sorun;
        QVariant deger = iceAktar(*alan, it.value(), sorun);
        if (!sorun.isEmpty())
            sorunlar << yol + u'.' + it.key() + QStringLiteral(": ") + sorun;
        else
            degerler.append({QString::fromLatin1(alan->sutun), deger});
    }
    return degerler;
}

}  // namespace

QJsonArray satirlariOku(Database& db, const Bolum& bolum, const QString& kosul,
                        const QVariantList& parametreler, bool gizliDahil) {
    QJsonArray satirlar;
    const QString tablo = QString::fromLatin1(bolum.tablo);
    if (bolum.alanlar.isEmpty()) {
        // A table of the file code alone (the file's further creditors): its rows count.
        RecordSet rs = db.openRecordSet(QStringLiteral("select count(*) from ") + tablo + u' ' +
                                            kosul,
                                        CursorType::ForwardOnly, parametreler);
        for (qint64 i = rs.value(0).toLongLong(); i > 0; --i)
            satirlar.append(QJsonObject());
        return satirlar;
    }
    QStringList sutunlar;
    for (const Alan& alan : bolum.alanlar)
        sutunlar << QString::fromLatin1(alan.sutun);
    QString sql = QStringLiteral("select ") + sutunlar.join(QStringLiteral(", ")) +
                  QStringLiteral(" from ") + tablo;
    if (!kosul.isEmpty())
        sql += u' ' + kosul;
    if (*bolum.sira)
        sql += QStringLiteral(" order by ") + QString::fromLatin1(bolum.sira);
    for (RecordSet rs = db.openRecordSet(sql, CursorType::ForwardOnly, parametreler); !rs.eof();
         rs.moveNext()) {
        QJsonObject satir;
        for (const Alan& alan : bolum.alanlar) {
            const QVariant deger = rs.value(QString::fromLatin1(alan.sutun));
            if (deger.isNull() || (alan.gizli && !gizliDahil))
                continue;
            satir.insert(QString::fromLatin1(alan.ad), disaAktar(alan, deger));
        }
        satirlar.append(satir);
    }
    return satirlar;
}

QList<FieldValues> satirlariDenetle(const Bolum& bolum, const QJsonObject& belge,
                                    QStringList& sorunlar) {
    QList<FieldValues> satirlar;
    const QString ad = QString::fromLatin1(bolum.ad);
    const QJsonValue deger = belge.value(ad);
    const QString yol = QStringLiteral("$.") + ad;
    if (deger.isUndefined() || deger.isNull())
        return satirlar;
    if (bolum.tekNesne) {
        satirlar << satiriDenetle(bolum, deger, yol, sorunlar);
        return satirlar;
    }
    if (!deger.isArray()) {
        sorunlar << yol + QStringLiteral(": bir dizi olmalı");
        return satirlar;
    }
    const QJsonArray dizi = deger.toArray();
    for (qsizetype i = 0; i < dizi.size(); ++i)
        satirlar << satiriDenetle(bolum, dizi[i], yol + QStringLiteral("[%1]").arg(i), sorunlar);
    return satirlar;
}

void bicimiDenetle(const QJsonObject& belge, const char* bicim, QStringList& sorunlar) {
    if (belge.value(QStringLiteral("format")).toString() != QLatin1String(bicim))
        sorunlar << QStringLiteral("$.format: \"%1\" olmalı").arg(QLatin1String(bicim));
    if (sayiMetni(belge.value(QStringLiteral("version"))) != QStringLiteral("1"))
        sorunlar << QStringLiteral("$.version: bu sürüm yalnızca 1. sürümü okur");
}

void bilinmeyenBolumler(const QJsonObject& belge, const QList<Bolum>& bolumler,
                        const QStringList& digerAnahtarlar, QStringList& sorunlar) {
    for (const QString& anahtar : belge.keys()) {
        bool bilinen = digerAnahtarlar.contains(anahtar);
        for (const Bolum& b : bolumler)
            bilinen = bilinen || QLatin1String(b.ad) == anahtar;
        if (!bilinen)
            sorunlar << QStringLiteral("$.") + anahtar + QStringLiteral(": bilinmeyen bölüm");
    }
}

QVariant deger(const FieldValues& satir, const QString& sutun) {
    for (const FieldValue& alan : satir)
        if (alan.first == sutun)
            return alan.second;
    return QVariant();
}

void satirlariYaz(Database& db, const Bolum& bolum, const QList<FieldValues>& satirlar,
                  const QVariant& foyKodu) {
    for (FieldValues satir : satirlar) {
        if (*bolum.foySutunu)
            satir.prepend({QString::fromLatin1(bolum.foySutunu), foyKodu});
        db.addRow(QString::fromLatin1(bolum.tablo), satir);
    }
}

}  // namespace quv::belge
