#include "CliSupport.h"
#include "JsonYazici.h"
#include "TerminalKurSorucu.h"

#include "calc/clsKademeliFaizKalemi.h"
#include "calc/colKademeliFaizler.h"
#include "engine/ErrorReporter.h"
#include "engine/NumberFormat.h"
#include "engine/SharedState.h"
#include "engine/clsHesapAna.h"
#include "file/clsAlacakKalemi.h"
#include "file/clsFoyBilgileri.h"
#include "file/colAlacaklar.h"
#include "formats/ReferansTablolari.h"
#include "summary/HesapOzetiGosterimi.h"
#include "summary/clsHesapOzeti.h"

namespace quv::cli {

namespace {

void kademeliJson(JsonYazici& json, clsAlacakKalemi& kalem) {
    json.diziBasla(QStringLiteral("KademeliFaizDetayi"));
    for (const clsKademeliFaizKalemi& satir : kalem.KademeliFaizDetayi()) {
        json.nesneBasla();
        json.metin(QStringLiteral("BaslangicTarihi"), satir.BaslangicTarihi);
        json.metin(QStringLiteral("BitisTarihi"), satir.BitisTarihi);
        json.tamsayi(QStringLiteral("Gunsayisi"), satir.Gunsayisi);
        json.oran(QStringLiteral("Oran"), satir.Oran);
        json.para(QStringLiteral("AsilAlacakTutari"), satir.AsilAlacakTutari);
        json.para(QStringLiteral("Tutar"), satir.Tutar);
        json.metin(QStringLiteral("Aciklama"), satir.AciklamaMetni());
        json.nesneBitir();
    }
    json.diziBitir();
}

QString jsonCikti(qint32 foyKodu, clsFoyBilgileri& foy, const QStringList& hatalar,
                  const QStringList& uyarilar, bool kademeli) {
    JsonYazici json;
    json.nesneBasla();
    json.tamsayi(QStringLiteral("FoyKodu"), foyKodu);
    json.nesneBasla(QStringLiteral("HesapOzeti"));
    const clsHesapOzeti& ozet = foy.HesapOzeti();
    for (const clsHesapOzeti::Alan& alan : clsHesapOzeti::Alanlar()) {
        if (alan.para)
            json.para(alan.ad, ozet.*alan.para);
        else
            json.oran(alan.ad, ozet.*alan.oran);
    }
    json.nesneBitir();
    json.metin(QStringLiteral("Mesaj"), foy.Mesaj);
    json.diziBasla(QStringLiteral("Hatalar"));
    for (const QString& hata : hatalar)
        json.metin(hata);
    json.diziBitir();
    json.diziBasla(QStringLiteral("Uyarilar"));
    for (const QString& uyari : uyarilar)
        json.metin(uyari);
    json.diziBitir();
    json.diziBasla(QStringLiteral("Alacaklar"));
    for (clsAlacakKalemi& kalem : foy.Alacaklar()) {
        json.nesneBasla();
        json.metin(QStringLiteral("AlacakAdi"), kalem.AlacakAdi);
        json.para(QStringLiteral("Tutar"), kalem.Tutar);
        json.metin(QStringLiteral("FaizBaslangicTarihi"), kalem.FaizBaslangicTarihi);
        json.para(QStringLiteral("IslemisFaiz"), kalem.IslemisFaiz);
        json.para(QStringLiteral("SonrakiFaiz"), kalem.SonrakiFaiz);
        json.para(QStringLiteral("AsilAlacakBakiyesi"), kalem.AsilAlacakBakiyesi);
        json.oran(QStringLiteral("GecerliFaizOrani"), kalem.GecerliFaizOrani);
        if (kademeli)
            kademeliJson(json, kalem);
        json.nesneBitir();
    }
    json.diziBitir();
    json.nesneBitir();
    return json.sonuc();
}

QString okunurCikti(clsFoyBilgileri& foy, const QStringList& uyarilar, bool kademeli) {
    QStringList satirlar;
    satirlar << QStringLiteral("Föy %1 — hesap tarihi %2")
                    .arg(foy.FoyKodu)
                    .arg(shared().dates().display(foy.GununTarihi, QStringLiteral(".")));
    satirlar << QString() << hesapOzetiMetni(foy.HesapOzeti());
    if (!foy.Mesaj.isEmpty())
        satirlar << QString() << QStringLiteral("Mesaj: ") + foy.Mesaj;
    for (const QString& uyari : uyarilar)
        satirlar << QString() << QStringLiteral("Uyarı: ") + uyari;
    if (kademeli) {
        satirlar << QString() << QStringLiteral("Kademeli faiz");
        for (clsAlacakKalemi& kalem : foy.Alacaklar()) {
            satirlar << QStringLiteral("  ") + kalem.AlacakAdi;
            for (const clsKademeliFaizKalemi& s : kalem.KademeliFaizDetayi())
                satirlar << QStringLiteral("    %1 - %2  %3 gün  %%4  %5  %6  %7")
                                .arg(shared().dates().display(s.BaslangicTarihi),
                                     shared().dates().display(s.BitisTarihi))
                                .arg(s.Gunsayisi)
                                .arg(formatNumber(static_cast<double>(s.Oran), FormatMoneyZero),
                                     formatNumber(s.AsilAlacakTutari, FormatMoneyZero),
                                     formatNumber(s.Tutar, FormatMoneyZero), s.AciklamaMetni());
        }
    }
    return satirlar.join(u'\n');
}

// A summary dated before the file's earliest claim or its enforcement date owes nothing
// yet: saved, it would replace the file's real account with zeros. Refused, saying why.
void oncedenKaydetme(Database& db, qint32 foyKodu, const QString& tarih) {
    RecordSet rs = db.openRecordSet(
        QStringLiteral("select min(t) from (select tarih as t from tblfoy_alacak where foykodu = "
                       "? and tarih <> '' union all select takiptarihi from tblfoy where "
                       "foykodu = ? and takiptarihi <> '') as tarihler"),
        CursorType::ForwardOnly, {foyKodu, foyKodu});
    const QString enErken = rs.eof() || isNull(rs.value(0)) ? QString() : rs.value(0).toString();
    if (enErken.isEmpty() || tarih >= enErken)
        return;
    throw UsageError(
        QStringLiteral("Hesap tarihi %1, föyün en erken alacak ya da takip tarihinden (%2) önce; "
                       "bu tarihle hesap özeti kaydedilmedi. Yine de kaydetmek için --force verin.")
            .arg(shared().dates().display(tarih), shared().dates().display(enErken)));
}

}  // namespace

// quvhesap calc --db <path-or-url> --foy N [--date YYYYMMDD] [--save] [--force] [--no-run]
//               [--tiered] [--official-only] [--json]
int calc(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("db"), QStringLiteral("Veritabanı"), QStringLiteral("path-or-url")});
    parser.addOption({QStringLiteral("foy"), QStringLiteral("Föy kodu"), QStringLiteral("N")});
    parser.addOption(
        {QStringLiteral("date"), QStringLiteral("Hesap tarihi"), QStringLiteral("YYYYMMDD")});
    parser.addOption({QStringLiteral("save"), QStringLiteral("Hesap tarihini ve özeti kaydet")});
    parser.addOption({QStringLiteral("no-run"), QStringLiteral("Hesaplama; kayıtlı özeti göster")});
    parser.addOption({QStringLiteral("tiered"), QStringLiteral("Kademeli faiz satırları")});
    parser.addOption({QStringLiteral("official-only"), QStringLiteral("Yalnız resmi masraflar")});
    parser.addOption({QStringLiteral("json"), QStringLiteral("JSON çıktı")});
    parser.addOption({QStringLiteral("force"),
                      QStringLiteral("Föyün en erken tarihinden önceki bir hesabı da kaydet")});
    parse(parser, QStringLiteral("calc"), arguments);
    const QString url = required(parser, QStringLiteral("db"));
    const qint32 foyKodu = fileCode(required(parser, QStringLiteral("foy")), QStringLiteral("foy"));
    const QString tarih = optionalTextDate(parser, QStringLiteral("date"));
    const bool kademeli = parser.isSet(QStringLiteral("tiered"));
    const bool json = parser.isSet(QStringLiteral("json"));

    auto raporcu = std::make_shared<ConsoleErrorReporter>();
    shared().setErrorReporter(raporcu);
    shared().setWindowHost(std::make_shared<TerminalKurSorucu>());
    clsHesapAna hesap;
    std::shared_ptr<Database> db = connect(url);
    if (!parser.isSet(QStringLiteral("no-run")) && !tariffsPresent(*db))
        return ExitFailed;
    hesap.setActiveConnection(db);
    hesap.setActiveVeritabaniTuru(db->veritabaniTuru());
    if (parser.isSet(QStringLiteral("save")) && !tarih.isEmpty() &&
        !parser.isSet(QStringLiteral("force")))
        oncedenKaydetme(*db, foyKodu, tarih);

    std::shared_ptr<clsFoyBilgileri> foy =
        hesap.TariheGoreHesapla(foyKodu, tarih, parser.isSet(QStringLiteral("save")),
                                !parser.isSet(QStringLiteral("no-run")), kademeli,
                                parser.isSet(QStringLiteral("official-only")));
    const QStringList& hatalar = raporcu->messages();
    if (!foy) {
        if (hatalar.isEmpty()) {
            printErr(QStringLiteral("%1 numaralı föy bulunamadı.").arg(foyKodu));
            return ExitUsage;
        }
        return ExitFailed;
    }
    // The shipped rate tables the file uses may have changed after they were checked.
    const QStringList uyarilar = ReferansTablolari::uyarilar(
        *db, ReferansTablolari::foyunTablolari(*db, foyKodu), foy->GununTarihi);
    printOut(json ? jsonCikti(foyKodu, *foy, hatalar, uyarilar, kademeli)
                  : okunurCikti(*foy, uyarilar, kademeli));
    return hatalar.isEmpty() ? ExitOk : ExitFailed;
}

}  // namespace quv::cli
