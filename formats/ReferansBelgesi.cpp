#include "formats/ReferansBelgesi.h"

#include "engine/RuntimeError.h"
#include "engine/TextDate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>

namespace quv {

namespace {

const QString kBicim = QStringLiteral("quvhesap-referans");
const QStringList kGuvenler = {QStringLiteral("C2"), QStringLiteral("C1"), QStringLiteral("D"),
                               QStringLiteral("U")};

// Reads the fields of one object, collecting each problem under its place.
class Okuyucu {
public:
    Okuyucu(const QJsonObject& nesne, QString yer, QStringList& sorunlar)
        : nesne_(nesne), yer_(std::move(yer)), sorunlar_(sorunlar) {}

    QString metin(const char* ad, bool gerekli = true) {
        const QJsonValue d = nesne_.value(QLatin1String(ad));
        if (d.isUndefined() && !gerekli)
            return {};
        if (!d.isString() || (gerekli && d.toString().trimmed().isEmpty()))
            sorun(ad, QStringLiteral("boş olmayan bir metin olmalı"));
        return d.toString();
    }
    QString tarih(const char* ad) {
        static const QRegularExpression bicim(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
        const QString d = nesne_.value(QLatin1String(ad)).toString();
        const QString yyyyaagg = QString(d).remove(u'-');
        if (!bicim.match(d).hasMatch() || !TextDate::isValid(yyyyaagg))
            sorun(ad, QStringLiteral("YYYY-AA-GG biçiminde, takvimde olan bir tarih olmalı"));
        return yyyyaagg;
    }
    double sayi(const char* ad, double enAz, double enCok) {
        const QJsonValue d = nesne_.value(QLatin1String(ad));
        if (!d.isDouble() || d.toDouble() < enAz || d.toDouble() > enCok)
            sorun(ad, QStringLiteral("%1 ile %2 arasında bir sayı olmalı").arg(enAz).arg(enCok));
        return d.toDouble();
    }
    QStringList adlar(const char* ad, const QSet<QString>& bilinen) {
        QStringList sonuc;
        const QJsonValue d = nesne_.value(QLatin1String(ad));
        if (d.isUndefined())
            return sonuc;
        if (!d.isArray())
            sorun(ad, QStringLiteral("kaynak adlarının listesi olmalı"));
        for (const QJsonValue& v : d.toArray()) {
            if (!bilinen.contains(v.toString()))
                sorun(ad, QStringLiteral("kaynaklar listesinde olmayan bir kaynak (\"%1\")")
                              .arg(v.toString()));
            sonuc << v.toString();
        }
        return sonuc;
    }
    QJsonArray dizi(const char* ad) {
        const QJsonValue d = nesne_.value(QLatin1String(ad));
        if (!d.isArray() && !d.isUndefined())
            sorun(ad, QStringLiteral("bir liste olmalı"));
        return d.toArray();
    }
    void sorun(const char* ad, const QString& metin) {
        sorunlar_ << QStringLiteral("%1.%2: %3").arg(yer_, QLatin1String(ad), metin);
    }
    const QString& yer() const { return yer_; }

private:
    QJsonObject nesne_;
    QString yer_;
    QStringList& sorunlar_;
};

// Each element of the list as an object, with its place.
template <typename Islem>
void herNesne(const QJsonArray& dizi, const QString& yer, QStringList& sorunlar, Islem islem) {
    for (qsizetype i = 0; i < dizi.size(); ++i) {
        const QString buYer = QStringLiteral("%1[%2]").arg(yer).arg(i);
        if (!dizi.at(i).isObject())
            sorunlar << buYer + QStringLiteral(": bir nesne olmalı");
        else
            islem(Okuyucu(dizi.at(i).toObject(), buYer, sorunlar));
    }
}

ReferansTablosu tabloOku(Okuyucu t, const QSet<QString>& kaynaklar, QStringList& sorunlar) {
    ReferansTablosu tablo;
    tablo.kod = static_cast<qint32>(t.sayi("kod", 1, 2147483647));
    tablo.ad = t.metin("ad");
    tablo.aciklama = t.metin("aciklama", false);
    tablo.denetimTarihi = t.tarih("denetimTarihi");
    tablo.kuralKaynaklari = t.adlar("kuralKaynaklari", kaynaklar);
    herNesne(t.dizi("uyarilar"), t.yer() + QStringLiteral(".uyarilar"), sorunlar, [&](Okuyucu n) {
        tablo.notlar << ReferansNotu{n.tarih("tarihten"), n.metin("metin"),
                                     n.adlar("kaynaklar", kaynaklar)};
    });
    herNesne(t.dizi("oranlar"), t.yer() + QStringLiteral(".oranlar"), sorunlar, [&](Okuyucu o) {
        ReferansOrani oran{o.tarih("tarih"),   o.sayi("oran", 0, 1000),
                           o.metin("dayanak"), o.adlar("kaynaklar", kaynaklar),
                           o.metin("guven"),   o.metin("not", false)};
        if (!kGuvenler.contains(oran.guven))
            o.sorun("guven", QStringLiteral("C2, C1, D ya da U olmalı"));
        // The rows are the change dates of the rate, each once, in order.
        if (!tablo.oranlar.isEmpty() && tablo.oranlar.last().tarih >= oran.tarih)
            o.sorun("tarih", QStringLiteral("bir önceki oranın tarihinden sonra olmalı"));
        tablo.oranlar << oran;
    });
    if (tablo.oranlar.isEmpty())
        t.sorun("oranlar", QStringLiteral("en az bir oran içermeli"));
    return tablo;
}

}  // namespace

std::optional<ReferansBelgesi> ReferansBelgesi::oku(const QByteArray& metin,
                                                    QStringList& sorunlar) {
    QJsonParseError hata;
    const QJsonDocument belge = QJsonDocument::fromJson(metin, &hata);
    if (hata.error != QJsonParseError::NoError || !belge.isObject()) {
        sorunlar << QStringLiteral("Belge okunamadı: %1 (konum %2)")
                        .arg(hata.errorString())
                        .arg(hata.offset);
        return std::nullopt;
    }
    const QJsonObject kok = belge.object();
    if (kok.value(QLatin1String("format")).toString() != kBicim ||
        kok.value(QLatin1String("version")).toInt() != 1) {
        sorunlar << QStringLiteral("Belge bir \"%1\" belgesi (sürüm 1) değil.").arg(kBicim);
        return std::nullopt;
    }
    const qsizetype onceki = sorunlar.size();
    ReferansBelgesi sonuc;
    Okuyucu k(kok, QStringLiteral("belge"), sorunlar);
    QSet<QString> adlar;
    herNesne(k.dizi("kaynaklar"), QStringLiteral("kaynaklar"), sorunlar, [&](Okuyucu o) {
        ReferansKaynagi kaynak{o.metin("ad"), o.metin("adres", false), o.metin("not", false)};
        if (adlar.contains(kaynak.ad))
            o.sorun("ad", QStringLiteral("bu ad bir kez daha geçiyor"));
        adlar.insert(kaynak.ad);
        sonuc.kaynaklar << kaynak;
    });
    QSet<qint32> kodlar;
    herNesne(k.dizi("tablolar"), QStringLiteral("tablolar"), sorunlar, [&](Okuyucu t) {
        ReferansTablosu tablo = tabloOku(t, adlar, sorunlar);
        if (kodlar.contains(tablo.kod))
            t.sorun("kod", QStringLiteral("bu kod bir kez daha geçiyor"));
        kodlar.insert(tablo.kod);
        sonuc.tablolar << tablo;
    });
    if (sonuc.tablolar.isEmpty())
        k.sorun("tablolar", QStringLiteral("en az bir tablo içermeli"));
    if (sorunlar.size() != onceki)
        return std::nullopt;
    return sonuc;
}

const ReferansBelgesi& ReferansBelgesi::gomulu() {
    static const ReferansBelgesi belge = [] {
        QFile dosya(QStringLiteral(":/db/reference/faiz-tablolari.json"));
        QStringList sorunlar;
        std::optional<ReferansBelgesi> okunan;
        if (dosya.open(QIODevice::ReadOnly))
            okunan = oku(dosya.readAll(), sorunlar);
        if (!okunan)
            throw RuntimeError::application(
                QStringLiteral("Programla gelen faiz tabloları okunamadı: ") +
                sorunlar.join(QStringLiteral("; ")));
        return *okunan;
    }();
    return belge;
}

const ReferansTablosu* ReferansBelgesi::tablo(qint32 kod) const {
    for (const ReferansTablosu& t : tablolar)
        if (t.kod == kod)
            return &t;
    return nullptr;
}

QString ReferansBelgesi::kaynakMetni(const QString& ad) const {
    for (const ReferansKaynagi& k : kaynaklar)
        if (k.ad == ad)
            return k.adres.isEmpty() ? ad : QStringLiteral("%1 (%2)").arg(ad, k.adres);
    return ad;
}

}  // namespace quv
