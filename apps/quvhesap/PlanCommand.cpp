#include "CliSupport.h"
#include "JsonYazici.h"
#include "KomutMotoru.h"
#include "PdfModulu.h"
#include "PlanSecenekleri.h"

#include "engine/ErrorReporter.h"
#include "engine/MessageService.h"
#include "engine/NumberFormat.h"
#include "engine/SharedState.h"
#include "engine/Trap.h"
#include "engine/clsHesapAna.h"
#include "file/clsFoyBilgileri.h"
#include "plans/OdemePlaniHesabi.h"
#include "plans/TaahhutBelgesi.h"
#include "plans/TaahhutBelgesiDocument.h"
#include "plans/TaahhutKayit.h"

#include <cstring>

namespace quv::cli {

namespace {

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
                 << QStringLiteral("Bakiye: ") + plan.BakiyeMetni();
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
        if (pdfYaz(taahhutBelgesiDocument(belge, false, false), dosya))
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
        addOption(parser, ad, aciklama, deger);
    };
    secenek("db", "Veritabanı", "path-or-url");
    secenek("foy", "Föy kodu", "N");
    PlanSecenekleri::ekle(parser);
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
    const PlanSecenekleri secenekler = PlanSecenekleri::oku(parser);
    const Yontem yontem = secenekler.yontem;
    if (!var("save-commitments"))
        for (const char* ad : {"debtor", "agenda", "at-office"})
            if (var(ad))
                throw UsageError(QStringLiteral("--%1 seçeneği yalnız --save-commitments ile "
                                                "kullanılır.")
                                     .arg(QString::fromLatin1(ad)));
    if (var("pdf") && !pdfYazilabilir())
        throw UsageError(QStringLiteral("--pdf bu çalıştırmada kullanılamıyor."));
    if (var("pdf"))
        yazilabilirOlmali(deger("pdf"), QStringLiteral("pdf"));
    const bool kaydet = var("save-commitments");
    const QString borcluMetni = kaydet ? required(parser, QStringLiteral("debtor")) : QString();
    const qint32 borcluKoduDegeri = kaydet ? borcluKodu(borcluMetni) : 0;

    KomutMotoru motor(url);
    const auto& raporcu = motor.raporcu;
    const auto& mesajlar = motor.mesajlar;
    clsHesapAna& hesap = motor.hesap;

    OdemePlaniHesabi plan(hesap, foyKodu);
    if (const std::optional<int> cikis = motor.calismaKopyasiniYukle(plan))
        return *cikis;
    std::optional<Borclu> borclu;
    if (kaydet) {
        borclu = borcluBul(foyKodu, borcluKoduDegeri);
        if (!borclu) {
            if (!raporcu->messages().isEmpty())
                return ExitFailed;
            throw borcluHatasi(borcluMetni);
        }
    }

    const bool hesaplandi = secenekler.hesapla(plan);
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
