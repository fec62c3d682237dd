#include "CliSupport.h"
#include "JsonYazici.h"
#include "TerminalKurSorucu.h"

#include "engine/ErrorReporter.h"
#include "engine/MessageService.h"
#include "engine/NumberFormat.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/clsHesapAna.h"
#include "engine/ui/DocumentService.h"
#include "file/clsFoyBilgileri.h"
#include "plans/OdemePlaniHesabi.h"
#include "plans/TaahhutBelgesi.h"
#include "plans/TaahhutBelgesiDocument.h"
#include "plans/TaahhutKayit.h"

#include <QGuiApplication>
#include <QProcessEnvironment>

#include <cstring>

namespace quv::cli {

namespace {

enum class Yontem { Sayi, Tutar, Manuel };

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

double yuzde(const QString& deger, const QString& secenek) {
    std::optional<Money> okunan = parseNumber(deger.trimmed());
    if (!okunan || *okunan < Money())
        throw UsageError(
            QStringLiteral("--%1 için sıfır ya da pozitif bir oran (yüzde) girin: \"%2\"")
                .arg(secenek, deger));
    return okunan->toDouble();
}

qint16 sayi(const QString& deger, const QString& secenek) {
    bool ok = false;
    const int n = deger.trimmed().toInt(&ok);
    if (!ok || n < 1 || n > 32767)
        throw UsageError(QStringLiteral("--%1 için 1 ile 32767 arasında bir tam sayı girin: \"%2\"")
                             .arg(secenek, deger));
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

QString satirMetni(const QString& mesaj) {
    QString metin = mesaj;
    metin.replace(QChar(13), QChar(10));
    return metin;
}

struct Cikti {
    qint32 foyKodu = 0;
    Yontem yontem = Yontem::Sayi;
    const OdemePlaniHesabi* plan = nullptr;
    std::optional<OdemePlani> sonuc;
    std::optional<TaahhutKayitSonucu> kayit;
    QStringList mesajlar;
    QStringList hatalar;
};

QString jsonCikti(const Cikti& c) {
    const OdemePlaniHesabi& plan = *c.plan;
    JsonYazici json;
    json.nesneBasla();
    json.tamsayi(QStringLiteral("FoyKodu"), c.foyKodu);
    json.metin(QStringLiteral("Yontem"), yontemAdi(c.yontem));
    json.diziBasla(QStringLiteral("Satirlar"));
    if (c.sonuc)
        for (const OdemePlaniSatiri& satir : c.sonuc->Satirlar) {
            json.nesneBasla();
            json.tamsayi(QStringLiteral("Sira"), satir.Sira);
            json.metin(QStringLiteral("Tarih"), satir.Tarih);
            json.para(QStringLiteral("Tutar"), satir.Tutar);
            json.metin(QStringLiteral("TaahKaydet"), satir.TaahKaydet);
            json.metin(QStringLiteral("Aciklama"), satir.Aciklama);
            json.nesneBitir();
        }
    json.diziBitir();
    if (c.sonuc)
        json.para(QStringLiteral("Toplam"), c.sonuc->Toplam);
    switch (c.yontem) {
        case Yontem::Sayi:
            json.tamsayi(QStringLiteral("TaksitSayisi"), plan.Sayiya.TaksitSayisi);
            if (plan.TaksitTutari)
                json.para(QStringLiteral("TaksitTutari"), *plan.TaksitTutari);
            break;
        case Yontem::Tutar:
            json.para(QStringLiteral("TaksitTutari"), plan.Tutara.TaksitTutari);
            if (plan.TaksitSayisi2)
                json.tamsayi(QStringLiteral("TaksitSayisi"), *plan.TaksitSayisi2);
            if (plan.SonTaksitTutari)
                json.para(QStringLiteral("SonTaksitTutari"), *plan.SonTaksitTutari);
            break;
        case Yontem::Manuel:
            json.para(QStringLiteral("ToplamOdenen"), plan.ToplamOdenen);
            if (plan.KalanBakiye)
                json.para(QStringLiteral("Bakiye"), *plan.KalanBakiye);
            break;
    }
    if (c.kayit) {
        json.nesneBasla(QStringLiteral("Taahhut"));
        json.tamsayi(QStringLiteral("Istenen"), c.kayit->Istenen);
        json.tamsayi(QStringLiteral("Kaydedilen"), c.kayit->Kaydedilen);
        json.tamsayi(QStringLiteral("AjandaIstenen"), c.kayit->AjandaIstenen);
        json.tamsayi(QStringLiteral("AjandaKaydedilen"), c.kayit->AjandaKaydedilen);
        json.metin(QStringLiteral("Mesaj"), c.kayit->Mesaj());
        json.nesneBitir();
    }
    json.diziBasla(QStringLiteral("Mesajlar"));
    for (const QString& mesaj : c.mesajlar)
        json.metin(mesaj);
    json.diziBitir();
    json.diziBasla(QStringLiteral("Hatalar"));
    for (const QString& hata : c.hatalar)
        json.metin(hata);
    json.diziBitir();
    json.nesneBitir();
    return json.sonuc();
}

QString okunurCikti(const Cikti& c) {
    const OdemePlaniHesabi& plan = *c.plan;
    DateService& tarihler = shared().dates();
    QStringList satirlar;
    static const QStringList basliklar{QStringLiteral("taksit sayısına göre"),
                                       QStringLiteral("taksit tutarına göre"),
                                       QStringLiteral("elle girilen taksitlerle")};
    satirlar << QStringLiteral("Föy %1 — ödeme planı (%2), hesap tarihi %3")
                    .arg(c.foyKodu)
                    .arg(
                        basliklar[static_cast<int>(c.yontem)],
                        plan.Wizardfoy ? tarihler.display(plan.Wizardfoy->GununTarihi) : QString());
    if (c.sonuc) {
        satirlar << QString()
                 << QStringLiteral("%1  %2  %3  %4  %5")
                        .arg(QStringLiteral("Sıra"), 4)
                        .arg(QStringLiteral("Tarih"), -10)
                        .arg(QStringLiteral("Tutar"), 14)
                        .arg(QStringLiteral("Taah. Kaydet"))
                        .arg(QStringLiteral("Açıklama"));
        for (const OdemePlaniSatiri& s : c.sonuc->Satirlar)
            satirlar << QStringLiteral("%1  %2  %3  %4  %5")
                            .arg(s.Sira, 4)
                            .arg(tarihler.display(s.Tarih), -10)
                            .arg(formatNumber(s.Tutar, FormatMoneyZero), 14)
                            .arg(s.TaahKaydet, -12)
                            .arg(s.Aciklama);
        satirlar << QString()
                 << QStringLiteral("Toplam: ") + formatNumber(c.sonuc->Toplam, FormatMoneyZero);
    }
    if (c.yontem == Yontem::Sayi && plan.TaksitTutari)
        satirlar << QStringLiteral("Taksit tutarı: ") +
                        formatNumber(*plan.TaksitTutari, FormatMoneyZero);
    if (c.yontem == Yontem::Tutar && plan.TaksitSayisi2 && plan.SonTaksitTutari)
        satirlar << QStringLiteral("Taksit sayısı: %1").arg(*plan.TaksitSayisi2)
                 << QStringLiteral("Son taksit tutarı: ") +
                        formatNumber(*plan.SonTaksitTutari, FormatMoneyZero);
    if (c.yontem == Yontem::Manuel)
        satirlar << QStringLiteral("Toplam ödenen: ") +
                        formatNumber(plan.ToplamOdenen, FormatMoneyZero)
                 << QStringLiteral("Bakiye: ") + plan.BakiyeMetni;
    for (const QString& mesaj : c.mesajlar)
        satirlar << QString() << satirMetni(mesaj);
    if (c.kayit)
        satirlar << QString() << c.kayit->Mesaj();
    return satirlar.join(u'\n');
}

// Writes the commitment document of the plan; false after a reported error or when the
// file cannot be written.
bool taahhutBelgesiYaz(const OdemePlaniHesabi& plan, const OdemePlani& sonuc,
                       const QString& dosya) {
    return trapped<bool>(QStringLiteral("Hesap.frmShowPlan.TaahhutBelgesiYazdir"), false, [&] {
        TaahhutBelgesi belge(*plan.Wizardfoy);
        belge.FoyKodu = plan.FoyKodu;
        belge.Satirlar = sonuc.Satirlar;
        belge.TakipSonrasitoplamTahsilat = sonuc.TakipSonrasiToplamTahsilat;
        belge.GayriResmiMasraflariEkleme = sonuc.GayriResmiMasraflariEkleme;
        belge.Olustur();
        if (DocumentService().writePdf(taahhutBelgesiDocument(belge, false, false), dosya))
            return true;
        printErr(QStringLiteral("PDF dosyası yazılamadı: ") + dosya);
        return false;
    });
}

}  // namespace

// The commitment document is laid out with fonts, which need a GUI application; main
// creates one on the offscreen platform for such a run.
bool planNeedsGui(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "plan") != 0)
        return false;
    for (int i = 2; i < argc; ++i) {
        const char* arguman = argv[i];
        while (*arguman == '-')
            ++arguman;
        if (std::strcmp(arguman, "pdf") == 0 || std::strncmp(arguman, "pdf=", 4) == 0)
            return true;
    }
    return false;
}

// quvhesap plan --db <path-or-url> --foy N
//   (--count K --first YYYYMMDD | --amount A --first YYYYMMDD | --manual YYYYMMDD=AMOUNT ...)
//   [--down-payment P] [--period N] [--unit gun|ay|yil] [--by-hand] [--no-interest]
//   [--discount PCT] [--rate R] [--last-into-previous] [--json]
//   [--save-commitments --debtor CODE [--agenda] [--at-office]] [--pdf FILE]
int plan(const QStringList& arguments) {
    QCommandLineParser parser;
    const auto secenek = [&](const char* ad, const char* aciklama, const char* deger = nullptr) {
        if (deger)
            parser.addOption(
                {QString::fromLatin1(ad), QString::fromUtf8(aciklama), QString::fromLatin1(deger)});
        else
            parser.addOption({QString::fromLatin1(ad), QString::fromUtf8(aciklama)});
    };
    secenek("db", "Veritabanı", "path-or-url");
    secenek("foy", "Föy kodu", "N");
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
    secenek("json", "JSON çıktı");
    secenek("save-commitments", "Taahhütleri kaydet");
    secenek("debtor", "Taahhüdü yapan şahsın kodu", "CODE");
    secenek("agenda", "Taahhütleri ajandaya da kaydet");
    secenek("at-office", "Taahhütler icrada yapıldı");
    secenek("pdf", "Taahhüt belgesi (PDF dosyası)", "FILE");
    parse(parser, QStringLiteral("plan"), arguments);
    const auto var = [&](const char* ad) { return parser.isSet(QString::fromLatin1(ad)); };
    const auto deger = [&](const char* ad) { return parser.value(QString::fromLatin1(ad)); };

    const QString url = required(parser, QStringLiteral("db"));
    const qint32 foyKodu = fileCode(required(parser, QStringLiteral("foy")), QStringLiteral("foy"));
    const int yontemSayisi = int(var("count")) + int(var("amount")) + int(var("manual"));
    if (yontemSayisi != 1)
        throw UsageError(
            QStringLiteral("--count, --amount ve --manual seçeneklerinden yalnız biri verilmeli."));
    const Yontem yontem = var("count")    ? Yontem::Sayi
                          : var("amount") ? Yontem::Tutar
                                          : Yontem::Manuel;
    if (yontem == Yontem::Manuel) {
        for (const char* ad : {"first", "down-payment", "period", "unit"})
            if (var(ad))
                throw UsageError(QStringLiteral("--%1 seçeneği --manual ile kullanılmaz.")
                                     .arg(QString::fromLatin1(ad)));
    }
    if (yontem == Yontem::Sayi && var("last-into-previous"))
        throw UsageError(QStringLiteral("--last-into-previous seçeneği --count ile kullanılmaz."));
    if (!var("save-commitments"))
        for (const char* ad : {"debtor", "agenda", "at-office"})
            if (var(ad))
                throw UsageError(QStringLiteral("--%1 seçeneği yalnız --save-commitments ile "
                                                "kullanılır.")
                                     .arg(QString::fromLatin1(ad)));
    if (var("pdf") && !qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw UsageError(QStringLiteral("--pdf bu çalıştırmada kullanılamıyor."));
    const bool kaydet = var("save-commitments");
    qint32 borcluKodu = 0;
    if (kaydet) {
        const QString kod = required(parser, QStringLiteral("debtor"));
        bool ok = false;
        borcluKodu = kod.trimmed().toInt(&ok);
        if (!ok)
            throw UsageError(
                QStringLiteral("--debtor için föyün şahıslarından birinin kodunu girin: \"%1\"")
                    .arg(kod));
    }

    const qint16 sekil = var("by-hand") ? E_TS_EldenYapilan : E_TS_IcradanAlinan;
    SayiyaGorePlan sayiya;
    TutaraGorePlan tutara;
    ManuelPlan manuel;
    const Money pesinat = var("down-payment")
                              ? tutar(deger("down-payment"), QStringLiteral("down-payment"), true)
                              : Money();
    const qint16 periyot = var("period") ? sayi(deger("period"), QStringLiteral("period")) : 1;
    const Enum_SureTipi sureTipi = var("unit") ? birim(deger("unit")) : E_ST_Ay;
    if (yontem == Yontem::Sayi) {
        sayiya = {pesinat,
                  textDate(required(parser, QStringLiteral("first")), QStringLiteral("first")),
                  sayi(deger("count"), QStringLiteral("count")), periyot, sureTipi};
    } else if (yontem == Yontem::Tutar) {
        tutara = {pesinat,
                  textDate(required(parser, QStringLiteral("first")), QStringLiteral("first")),
                  tutar(deger("amount"), QStringLiteral("amount"), false),
                  periyot,
                  sureTipi,
                  var("last-into-previous")};
    } else {
        for (const QString& satir : parser.values(QStringLiteral("manual")))
            manuel.Satirlar.append(manuelSatir(satir, sekil));
        manuel.KalanBakiyeyiSonTaksideEkle = var("last-into-previous");
    }
    const bool faizOraniVar = var("rate");
    const double faizOrani = faizOraniVar ? yuzde(deger("rate"), QStringLiteral("rate")) : 0;
    const double indirim =
        var("discount") ? yuzde(deger("discount"), QStringLiteral("discount")) : 0;

    auto raporcu = std::make_shared<ConsoleErrorReporter>();
    shared().setErrorReporter(raporcu);
    auto mesajlar = std::make_shared<ScriptedMessageService>(false);
    shared().setMessageService(mesajlar);
    shared().setWindowHost(std::make_shared<TerminalKurSorucu>());
    clsHesapAna hesap;
    std::shared_ptr<Database> db = connect(url);
    hesap.setActiveConnection(db);
    hesap.setActiveVeritabaniTuru(db->veritabaniTuru());
    const QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    hesap.setActiveUserName(
        ortam.value(QStringLiteral("USER"), ortam.value(QStringLiteral("USERNAME"))));

    OdemePlaniHesabi plan(hesap, foyKodu);
    if (!plan.CalismaKopyasiniYukle()) {
        if (raporcu->messages().isEmpty()) {
            printErr(QStringLiteral("%1 numaralı föy bulunamadı.").arg(foyKodu));
            return ExitUsage;
        }
        return ExitFailed;
    }
    std::optional<Borclu> borclu;
    if (kaydet) {
        for (const Borclu& b : TaahhutKayit::BorclulariYukle(foyKodu))
            if (b.FoySahisKodu == borcluKodu)
                borclu = b;
        if (!borclu) {
            if (!raporcu->messages().isEmpty())
                return ExitFailed;
            throw UsageError(
                QStringLiteral("--debtor için föyün şahıslarından birinin kodunu girin: \"%1\"")
                    .arg(borcluKodu));
        }
    }

    plan.AyarlariFoydenAl();
    if (faizOraniVar)
        plan.Ayarlar.FaizOrani = faizOrani;
    plan.Ayarlar.FaizIndirimi = indirim;
    plan.Ayarlar.FaizIsletme = var("no-interest");
    plan.Ayarlar.Elden = var("by-hand");
    plan.Sayiya = sayiya;
    plan.Tutara = tutara;
    plan.Manuel = manuel;
    const bool hesaplandi = yontem == Yontem::Sayi    ? plan.HesaplaSayiya()
                            : yontem == Yontem::Tutar ? plan.HesaplaTutara()
                                                      : plan.HesaplaManuel();
    if (!plan.SonDenetim.gecti()) {
        printErr(satirMetni(plan.SonDenetim.Mesaj));
        return ExitUsage;
    }

    Cikti cikti;
    cikti.foyKodu = foyKodu;
    cikti.yontem = yontem;
    cikti.plan = &plan;
    if (hesaplandi)
        cikti.sonuc = plan.PlanOlustur();
    if (cikti.sonuc && kaydet)
        cikti.kayit = TaahhutKayit::TaahhutleriKaydet(foyKodu, *borclu, cikti.sonuc->Satirlar,
                                                      var("agenda"), var("at-office"));
    const bool belgeYazildi =
        !cikti.sonuc || !var("pdf") || taahhutBelgesiYaz(plan, *cikti.sonuc, deger("pdf"));
    cikti.mesajlar = mesajlar->informations();
    cikti.hatalar = raporcu->messages();
    printOut(var("json") ? jsonCikti(cikti) : okunurCikti(cikti));
    if (!cikti.hatalar.isEmpty() || !cikti.sonuc || (cikti.kayit && !cikti.kayit->tamam()) ||
        !belgeYazildi)
        return ExitFailed;
    return ExitOk;
}

}  // namespace quv::cli
