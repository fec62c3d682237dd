#include "CliSupport.h"
#include "JsonYazici.h"
#include "PdfModulu.h"

#include "engine/ErrorReporter.h"
#include "engine/NumberFormat.h"
#include "engine/Schema.h"
#include "engine/SharedState.h"
#include "engine/clsHesapAna.h"
#include "file/clsFoyBilgileri.h"
#include "formats/ReferansTablolari.h"
#include "tools/BasitHesap.h"
#include "tools/BasitHesapBelgesi.h"
#include "tools/BasitHesapExcel.h"

#include <QDateTime>

#include <cstring>

namespace quv::cli {

namespace {

Money tutar(const QString& deger, const QString& secenek) {
    std::optional<Money> okunan = parseNumber(deger.trimmed());
    if (!okunan || *okunan < Money())
        throw UsageError(
            QStringLiteral(
                "--%1 için geçerli bir tutar (örneğin 10000 ya da 10.000,50) girin: \"%2\"")
                .arg(secenek, deger));
    return *okunan;
}

float oran(const QString& deger) {
    std::optional<Money> okunan = parseNumber(deger.trimmed());
    if (!okunan || *okunan < Money() || *okunan > Money::fromUnits(1000))
        throw UsageError(
            QStringLiteral(
                "--rate için 0 ile 1000 arasında bir yıllık faiz oranı (yüzde) girin: \"%1\"")
                .arg(deger));
    return static_cast<float>(okunan->toDouble());
}

qint16 borcluSayisi(const QString& deger) {
    bool ok = false;
    const int sayi = deger.trimmed().toInt(&ok);
    if (!ok || sayi < 1 || sayi > 32767)
        throw UsageError(
            QStringLiteral("--debtors için 1 ile 32767 arasında bir borçlu sayısı girin: \"%1\"")
                .arg(deger));
    return static_cast<qint16>(sayi);
}

qint16 gunSayisi(const QString& deger) {
    if (deger == QStringLiteral("360"))
        return 1;
    if (deger == QStringLiteral("365"))
        return 2;
    throw UsageError(QStringLiteral("--days için 360 ya da 365 girin: \"%1\"").arg(deger));
}

// The shared table with the code; the list of the tables in the message otherwise.
FaizOraniTablosuSecenegi tablo(const QString& deger) {
    const QList<FaizOraniTablosuSecenegi> tablolar = BasitHesap::FaizOraniTablolari();
    bool ok = false;
    const qint32 kod = deger.trimmed().toInt(&ok);
    if (ok)
        for (const FaizOraniTablosuSecenegi& t : tablolar)
            if (t.Kodu == kod)
                return t;
    QStringList adlar;
    for (const FaizOraniTablosuSecenegi& t : tablolar)
        adlar << QStringLiteral("%1 %2").arg(t.Kodu).arg(t.Adi);
    throw UsageError(
        QStringLiteral("--table için veritabanındaki genel faiz oranı tablolarından birinin kodunu "
                       "girin: \"%1\" (tablolar: %2)")
            .arg(deger,
                 adlar.isEmpty() ? QStringLiteral("yok") : adlar.join(QStringLiteral(", "))));
}

QString okunurCikti(const BasitHesap& hesap, const QStringList& uyarilar) {
    const QStringList tutarlar = BasitHesap::TutarSutunu(hesap.Satirlar);
    const QStringList aciklamalar = BasitHesap::AciklamaSutunu(hesap.Satirlar);
    qsizetype genislik = 0;
    for (const QString& t : tutarlar)
        genislik = std::max(genislik, t.size());
    QStringList satirlar;
    satirlar << QStringLiteral("HESAP DÖKÜMÜ");
    for (qsizetype i = 0; i < tutarlar.size(); ++i)
        satirlar << tutarlar.at(i).rightJustified(genislik) + QStringLiteral("  ") +
                        aciklamalar.value(i);
    const QString mesaj = hesap.Foy ? hesap.Foy->Mesaj.trimmed() : QString();
    if (!mesaj.isEmpty())
        satirlar << QString() << QStringLiteral("Mesaj: ") + mesaj;
    for (const QString& uyari : uyarilar)
        satirlar << QString() << QStringLiteral("Uyarı: ") + uyari;
    return satirlar.join(u'\n');
}

QString jsonCikti(const BasitHesap& hesap, const QStringList& hatalar,
                  const QStringList& uyarilar) {
    JsonYazici json;
    json.nesneBasla();
    json.diziBasla(QStringLiteral("Satirlar"));
    for (const BasitHesapSatiri& satir : hesap.Satirlar) {
        json.nesneBasla();
        json.para(QStringLiteral("Tutar"), satir.Tutar);
        json.metin(QStringLiteral("Aciklama"), satir.Aciklama);
        json.nesneBitir();
    }
    json.diziBitir();
    json.metin(QStringLiteral("Mesaj"), hesap.Foy ? hesap.Foy->Mesaj : QString());
    json.diziBasla(QStringLiteral("Hatalar"));
    for (const QString& hata : hatalar)
        json.metin(hata);
    json.diziBitir();
    json.diziBasla(QStringLiteral("Uyarilar"));
    for (const QString& uyari : uyarilar)
        json.metin(uyari);
    json.diziBitir();
    json.nesneBitir();
    return json.sonuc();
}

bool esit(const char* arguman, const char* secenek) {
    // Options may be written with one or two dashes, and with "=" before the value.
    while (*arguman == '-')
        ++arguman;
    const std::size_t n = std::strlen(secenek);
    return std::strncmp(arguman, secenek, n) == 0 && (arguman[n] == '\0' || arguman[n] == '=');
}

}  // namespace

// The PDF of the statement is laid out with fonts, which need a GUI application;
// main creates one on the offscreen platform for such a run, so no display is needed.
bool interestNeedsGui(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "interest") != 0)
        return false;
    for (int i = 2; i < argc; ++i)
        if (esit(argv[i], "pdf"))
            return true;
    return false;
}

// quvhesap interest --principal A [--interest-free B] (--rate R | --table CODE [--yearly])
//                   --start YYYYMMDD [--enforcement YYYYMMDD] --date YYYYMMDD [--debtors N]
//                   [--fees] [--fee-detail] [--days 360|365] [--detail] [--db <path-or-url>]
//                   [--xlsx FILE] [--pdf FILE] [--json]
int interest(const QStringList& arguments) {
    QCommandLineParser parser;
    auto deger = [&](const char* ad, const QString& aciklama, const char* ornek) {
        parser.addOption({QString::fromLatin1(ad), aciklama, QString::fromLatin1(ornek)});
    };
    auto anahtar = [&](const char* ad, const QString& aciklama) {
        parser.addOption({QString::fromLatin1(ad), aciklama});
    };
    deger("principal", QStringLiteral("Asıl alacak tutarı"), "A");
    deger("interest-free", QStringLiteral("Faiz işlemeyen alacak"), "B");
    deger("rate", QStringLiteral("Sabit yıllık faiz oranı (%)"), "R");
    deger("table", QStringLiteral("Faiz oranı tablosu kodu"), "CODE");
    anahtar("yearly", QStringLiteral("Tablonun oranını yıllık uygula"));
    deger("start", QStringLiteral("Faiz başlangıç tarihi"), "YYYYMMDD");
    deger("enforcement", QStringLiteral("Takip tarihi"), "YYYYMMDD");
    deger("date", QStringLiteral("Günün (hesap) tarihi"), "YYYYMMDD");
    deger("debtors", QStringLiteral("Borçlu sayısı"), "N");
    anahtar("fees", QStringLiteral("Harç hesapla"));
    anahtar("fee-detail", QStringLiteral("Harç ve masrafları ayrı ayrı göster"));
    deger("days", QStringLiteral("Yıldaki gün sayısı"), "360|365");
    anahtar("detail", QStringLiteral("Faiz detayını göster"));
    deger("db", QStringLiteral("Veritabanı"), "path-or-url");
    deger("xlsx", QStringLiteral("Excel dosyası"), "FILE");
    deger("pdf", QStringLiteral("PDF dosyası"), "FILE");
    anahtar("json", QStringLiteral("JSON çıktı"));
    parse(parser, QStringLiteral("interest"), arguments);
    auto var = [&](const char* ad) { return parser.isSet(QString::fromLatin1(ad)); };
    auto al = [&](const char* ad) { return parser.value(QString::fromLatin1(ad)); };

    BasitHesap hesap;
    hesap.AsilAlacakTutari =
        tutar(required(parser, QStringLiteral("principal")), QStringLiteral("principal"));
    if (var("interest-free"))
        hesap.FaizIslemeyenAlacak = tutar(al("interest-free"), QStringLiteral("interest-free"));
    if (var("rate"))
        hesap.FaizOrani = oran(al("rate"));
    if (var("yearly") && !var("table"))
        throw UsageError(QStringLiteral("--yearly yalnız --table ile birlikte kullanılabilir."));
    hesap.YillikFaizUygula = var("yearly");
    hesap.FaizBaslangicTarihi =
        textDate(required(parser, QStringLiteral("start")), QStringLiteral("start"));
    if (var("enforcement"))
        hesap.TakipTarihi = textDate(al("enforcement"), QStringLiteral("enforcement"));
    hesap.GununTarihi = textDate(required(parser, QStringLiteral("date")), QStringLiteral("date"));
    hesap.BorcluSayisi = var("debtors") ? borcluSayisi(al("debtors")) : 1;
    hesap.HarcHesapla = var("fees");
    hesap.HarcDetayiGoster = var("fee-detail");
    hesap.FaizDetayiGoster = var("detail");
    hesap.YildakiGunSayisi = var("days") ? gunSayisi(al("days")) : 2;
    const bool json = var("json");

    // The tariffs (fees, attorney-fee scale) and the rate tables are in the office's
    // database. Only interest at a fixed rate before any enforcement needs none of
    // them; it runs on an empty database in memory.
    const bool veritabaniGerekli = var("table") || var("enforcement");
    if (!var("db") && veritabaniGerekli)
        throw UsageError(QStringLiteral(
            "--db seçeneği gerekli: faiz oranı tablosu, takip masrafları ve vekalet ücreti "
            "veritabanındaki tarifelerle hesaplanır. Veritabanı olmadan yalnız sabit oranlı "
            "(--rate) ve takip tarihi olmayan bir faiz hesabı yapılabilir."));
    if (var("pdf") && !pdfYazilabilir())
        throw UsageError(QStringLiteral("--pdf bu çalıştırmada kullanılamıyor."));
    // The files are checked before the calculation, so nothing is printed for a run
    // that cannot end well.
    for (const char* cikti : {"xlsx", "pdf"})
        if (var(cikti))
            yazilabilirOlmali(al(cikti), QString::fromLatin1(cikti));

    auto raporcu = std::make_shared<ConsoleErrorReporter>();
    shared().setErrorReporter(raporcu);
    std::shared_ptr<Database> db;
    if (var("db")) {
        db = connect(al("db"));
    } else {
        db = connect(QStringLiteral(":memory:"), Database::OpenMode::CreateIfMissing);
        Schema::initialize(*db);
    }
    clsHesapAna ana;
    ana.setActiveConnection(db);
    ana.setActiveVeritabaniTuru(db->veritabaniTuru());

    if (var("table")) {
        const FaizOraniTablosuSecenegi secilen = tablo(al("table"));
        hesap.FaizOraniTablosuKodu = secilen.Kodu;
        hesap.FaizOraniTablosuFoyKodu = secilen.FoyKodu;
    }

    const BasitHesap::Dogrulama dogrulama = hesap.ValuesOK();
    if (!dogrulama.gecerli())
        throw UsageError(dogrulama.mesaj);

    bool basarili = hesap.Hesapla(ana);
    const QStringList uyarilar =
        hesap.TabloSecili() && hesap.FaizOraniTablosuFoyKodu == 0
            ? ReferansTablolari::uyarilar(*db, {hesap.FaizOraniTablosuKodu}, hesap.GununTarihi)
            : QStringList();
    printOut(json ? jsonCikti(hesap, raporcu->messages(), uyarilar) : okunurCikti(hesap, uyarilar));

    if (var("xlsx")) {
        QString hata;
        if (!BasitHesapExcelYaz(hesap.Satirlar, al("xlsx"), &hata)) {
            printErr(hata);
            basarili = false;
        }
    }
    if (var("pdf")) {
        if (!pdfYaz(basitHesapBelgesi(hesap.Satirlar, QDateTime::currentDateTime()), al("pdf"))) {
            printErr(QStringLiteral("PDF dosyası yazılamadı: ") + al("pdf"));
            basarili = false;
        }
    }
    return basarili ? ExitOk : ExitFailed;
}

}  // namespace quv::cli
