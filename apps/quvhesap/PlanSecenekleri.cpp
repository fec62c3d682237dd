#include "PlanSecenekleri.h"

#include "CliSupport.h"

#include "engine/NumberFormat.h"
#include "plans/OdemePlaniHesabi.h"

namespace quv::cli {

namespace {

const char* const kSecenekler[] = {"count",        "amount",   "manual", "first",
                                   "down-payment", "period",   "unit",   "by-hand",
                                   "no-interest",  "discount", "rate",   "last-into-previous"};

// An amount typed on the command line: "1000", "1000.50" or "1.000,50".
Money tutar(const QString& deger, const QString& secenek, bool sifirOlabilir) {
    std::optional<Money> okunan = parseNumber(deger.trimmed());
    if (!okunan || *okunan < Money() || (!sifirOlabilir && okunan->isZero()))
        throw UsageError(QStringLiteral("--%1 için %2 bir tutar (örneğin 1000 ya da 1.000,50) "
                                        "girin: \"%3\"")
                             .arg(secenek,
                                  sifirOlabilir ? QStringLiteral("sıfır ya da pozitif")
                                                : QStringLiteral("pozitif"),
                                  deger));
    return *okunan;
}

// A percentage from 0 up to `enCok`; the plan's own checks say more (a discount above
// 100 % is refused with their message).
double yuzde(const QString& deger, const QString& secenek, int enCok) {
    std::optional<Money> okunan = parseNumber(deger.trimmed());
    if (!okunan || *okunan < Money() || *okunan > Money::fromUnits(enCok))
        throw UsageError(
            QStringLiteral("--%1 için 0 ile %2 arasında bir oran (yüzde) girin: \"%3\"")
                .arg(secenek)
                .arg(enCok)
                .arg(deger));
    return okunan->toDouble();
}

// A whole number from 1 up to `enCok`: a plan of at most 600 instalments (fifty years
// monthly), a period of at most 120 units between them.
qint16 sayi(const QString& deger, const QString& secenek, int enCok) {
    bool ok = false;
    const int n = deger.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > enCok)
        throw UsageError(QStringLiteral("--%1 için 1 ile %2 arasında bir tam sayı girin: \"%3\"")
                             .arg(secenek)
                             .arg(enCok)
                             .arg(deger));
    return static_cast<qint16>(n);
}

Enum_SureTipi birim(const QString& deger) {
    const QString d = deger.trimmed().toLower();
    if (d == QStringLiteral("gun") || d == QStringLiteral("gün"))
        return E_ST_Gun;
    if (d == QStringLiteral("ay"))
        return E_ST_Ay;
    if (d == QStringLiteral("yil") || d == QStringLiteral("yıl"))
        return E_ST_Yil;
    throw UsageError(QStringLiteral("--unit için gun, ay ya da yil girin: \"%1\"").arg(deger));
}

ManuelTahsilat manuelSatir(const QString& deger, qint16 sekil) {
    const qsizetype esittir = deger.indexOf(u'=');
    if (esittir < 0)
        throw UsageError(
            QStringLiteral("--manual için TARİH=TUTAR (örneğin 20240131=1000) girin: \"%1\"")
                .arg(deger));
    const QString tarih = textDate(deger.left(esittir).trimmed(), QStringLiteral("manual"));
    return {tarih, tutar(deger.mid(esittir + 1), QStringLiteral("manual"), false), sekil};
}

}  // namespace

QString yontemAdi(Yontem yontem) {
    switch (yontem) {
        case Yontem::Sayi:
            return QStringLiteral("sayi");
        case Yontem::Tutar:
            return QStringLiteral("tutar");
        case Yontem::Manuel:
            return QStringLiteral("manuel");
    }
    return QString();
}

QString satirMetni(const QString& mesaj) {
    QString metin = mesaj;
    metin.replace(QChar(13), QChar(10));
    return metin;
}

void PlanSecenekleri::ekle(QCommandLineParser& parser) {
    const auto secenek = [&](const char* ad, const char* aciklama, const char* deger = nullptr) {
        addOption(parser, ad, aciklama, deger);
    };
    secenek("count", "Taksit sayısı", "K");
    secenek("amount", "Taksit tutarı", "A");
    secenek("manual", "Elle girilen taksit", "YYYYMMDD=AMOUNT");
    secenek("first", "İlk taksit tarihi", "YYYYMMDD");
    secenek("down-payment", "Peşinat", "P");
    secenek("period", "Taksit aralığı", "N");
    secenek("unit", "Aralık birimi", "gun|ay|yil");
    secenek("by-hand", "Taksitler elden ödenir");
    secenek("no-interest", "Plan süresince faiz işletme");
    secenek("discount", "Faiz indirimi (yüzde)", "PCT");
    secenek("rate", "Yıllık faiz oranı", "R");
    secenek("last-into-previous", "Kalan, son taksite eklenir");
}

bool PlanSecenekleri::verildi(const QCommandLineParser& parser) {
    for (const char* ad : kSecenekler)
        if (parser.isSet(QString::fromLatin1(ad)))
            return true;
    return false;
}

PlanSecenekleri PlanSecenekleri::oku(const QCommandLineParser& parser) {
    const auto var = [&](const char* ad) { return parser.isSet(QString::fromLatin1(ad)); };
    const auto deger = [&](const char* ad) { return parser.value(QString::fromLatin1(ad)); };

    const int yontemSayisi = int(var("count")) + int(var("amount")) + int(var("manual"));
    if (yontemSayisi != 1)
        throw UsageError(
            QStringLiteral("--count, --amount ve --manual seçeneklerinden yalnız biri verilmeli."));
    PlanSecenekleri s;
    s.yontem = var("count") ? Yontem::Sayi : var("amount") ? Yontem::Tutar : Yontem::Manuel;
    if (s.yontem == Yontem::Manuel) {
        for (const char* ad : {"first", "down-payment", "period", "unit"})
            if (var(ad))
                throw UsageError(QStringLiteral("--%1 seçeneği --manual ile kullanılmaz.")
                                     .arg(QString::fromLatin1(ad)));
    }
    if (s.yontem == Yontem::Sayi && var("last-into-previous"))
        throw UsageError(QStringLiteral("--last-into-previous seçeneği --count ile kullanılmaz."));

    const qint16 sekil = var("by-hand") ? E_TS_EldenYapilan : E_TS_IcradanAlinan;
    const Money pesinat = var("down-payment")
                              ? tutar(deger("down-payment"), QStringLiteral("down-payment"), true)
                              : Money();
    const qint16 periyot = var("period") ? sayi(deger("period"), QStringLiteral("period"), 120) : 1;
    const Enum_SureTipi sureTipi = var("unit") ? birim(deger("unit")) : E_ST_Ay;
    if (s.yontem == Yontem::Sayi) {
        s.sayiya = {pesinat,
                    textDate(required(parser, QStringLiteral("first")), QStringLiteral("first")),
                    sayi(deger("count"), QStringLiteral("count"), 600), periyot, sureTipi};
    } else if (s.yontem == Yontem::Tutar) {
        s.tutara = {pesinat,
                    textDate(required(parser, QStringLiteral("first")), QStringLiteral("first")),
                    tutar(deger("amount"), QStringLiteral("amount"), false),
                    periyot,
                    sureTipi,
                    var("last-into-previous")};
    } else {
        for (const QString& satir : parser.values(QStringLiteral("manual")))
            s.manuel.Satirlar.append(manuelSatir(satir, sekil));
        s.manuel.KalanBakiyeyiSonTaksideEkle = var("last-into-previous");
    }
    s.faizOraniVar = var("rate");
    s.faizOrani = s.faizOraniVar ? yuzde(deger("rate"), QStringLiteral("rate"), 1000) : 0;
    s.indirim = var("discount") ? yuzde(deger("discount"), QStringLiteral("discount"), 1000) : 0;
    s.faizIsletme = var("no-interest");
    s.elden = var("by-hand");
    return s;
}

bool PlanSecenekleri::hesapla(OdemePlaniHesabi& plan) const {
    plan.AyarlariFoydenAl();
    if (faizOraniVar)
        plan.Ayarlar.FaizOrani = faizOrani;
    plan.Ayarlar.FaizIndirimi = indirim;
    plan.Ayarlar.FaizIsletme = faizIsletme;
    plan.Ayarlar.Elden = elden;
    plan.Sayiya = sayiya;
    plan.Tutara = tutara;
    plan.Manuel = manuel;
    return yontem == Yontem::Sayi    ? plan.HesaplaSayiya()
           : yontem == Yontem::Tutar ? plan.HesaplaTutara()
                                     : plan.HesaplaManuel();
}

}  // namespace quv::cli
