#include "CliSupport.h"
#include "TerminalKurSorucu.h"

#include "engine/ErrorReporter.h"
#include "engine/SharedState.h"
#include "engine/clsHesapAna.h"
#include "tools/BlokDagitici.h"
#include "tools/TopluCalismaKaydi.h"
#include "tools/TopluFoyGuncelleyici.h"
#include "tools/TopluIsciler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

namespace quv::cli {

int batch(const QStringList& arguments);

namespace {

int batchCalistir(const QStringList& arguments, BlokDagitici* dagitici);

const char* const kBatchUsage =
    "Kullanım: quvhesap batch --db <yol-veya-adres> [kriterler] [--hesap-tarihi YYYYAAGG]\n"
    "                        [--hesap] [--tebligat]\n"
    "\n"
    "Kriterlere uyan her föyü föy kodu sırasıyla tek tek günceller.\n"
    "\n"
    "Kriterler (verilmeyen kriter bütün föylere uyar):\n"
    "  --foy-op OP --foy N [--foy N2]       föy kodu\n"
    "  --takip-op OP --takip T [--takip T2] takip tarihi (YYYYAAGG)\n"
    "  --sonuc KOD                          dosya sonucu: kodu (1-17) ya da adı,\n"
    "                                       örneğin 11 veya \"Rehin Açığı Belgesi\"\n"
    "  --avukat KOD                         avukat kodu\n"
    "OP: =, >, <, >=, <= ya da Arasında (arasinda, between); verilmezse =.\n"
    "Arasında iki değer ister: seçeneği iki kez verin, örneğin --foy 1001 --foy 1010.\n"
    "\n"
    "İşlemler (en az biri):\n"
    "  --hesap                 her föyün hesabını yeniden yapar ve özeti kaydeder\n"
    "  --tebligat              tebligat takip bilgilerini tazeler\n"
    "  --hesap-tarihi T        önce bütün uyan föylerin hesap tarihini T yapar\n"
    "\n"
    "Çalıştırma:\n"
    "  --shard K/N             uyan föylerin K. dilimini (föy kodu mod N = K-1) günceller;\n"
    "                          N makine aynı sunucuda işi paylaşır\n"
    "  --resume                durdurulan çalıştırmayı (aynı dilimi) kaldığı yerden sürdürür:\n"
    "                          yalnız henüz kaydedilmemiş föyler, kriter ve tarih verilmez\n"
    "  --block-size N          föyler N'er N'er okunur (1-10000, verilmezse 500); SQLite'ta\n"
    "                          bir bloğun kayıtları tek işlemde yazılır\n"
    "  --jobs N                föyleri N paralel işleme (her biri kendi bağlantısıyla) böler\n"
    "                          (1-16); --shard ile birlikte verilmez\n"
    "\n"
    "İlerleme (föy/sn ve kalan süreyle) standart hataya yazılır: terminalde bir çubuk,\n"
    "değilse ilk ve son föyde ve birkaç saniyede bir satır. Ctrl-C geçerli föy bitince\n"
    "durdurur.\n"
    "Çıkış: 0 tamamlandı, 1 hata bildirildi ya da durduruldu, 2 geçersiz argüman.";

volatile std::sig_atomic_t durdurIstendi = 0;

void kesmeYakala(int) {
    durdurIstendi = 1;
    static const char uyari[] = "\nDurduruluyor: geçerli föy bitince işlem duracak.\n";
    (void)!::write(STDERR_FILENO, uyari, sizeof uyari - 1);
    // A second Ctrl-C ends the program at once.
    std::signal(SIGINT, SIG_DFL);
}

// Installs the Ctrl-C handler for the run and restores the previous one after it.
class KesmeYakalayici {
public:
    // A stop asked for already stays asked for: a worker is a copy of the program that
    // caught it before the worker came this far.
    KesmeYakalayici() { onceki_ = std::signal(SIGINT, kesmeYakala); }
    ~KesmeYakalayici() { std::signal(SIGINT, onceki_); }
    KesmeYakalayici(const KesmeYakalayici&) = delete;
    KesmeYakalayici& operator=(const KesmeYakalayici&) = delete;

private:
    void (*onceki_)(int) = SIG_DFL;
};

// The progress on standard error, with the pace and the time left: on a terminal one bar
// redrawn in place (for the first and the last file and at most ten times a second between
// them), otherwise a line for the first and the last file and one every few seconds between
// them.
class TerminalIlerleme {
public:
    TerminalIlerleme() : terminal_(isatty(fileno(stderr)) != 0) { saat_.start(); }

    void goster(int biten, int sira, int sayi, qint32 foyKodu) {
        const qint64 simdi = saat_.elapsed();
        // The first is the first shown, not file 1: the workers of a run may tell their first
        // files together.
        if (!terminal_) {
            // A finished file, the first, the last or one after a pause of a few seconds.
            if (biten != sira || !(!ilkGosterildi_ || biten == sayi || simdi - sonSatir_ >= 3000))
                return;
            ilkGosterildi_ = true;
            sonSatir_ = simdi;
            printErr(metin(biten, sira, sayi, foyKodu));
            return;
        }
        if (ilkGosterildi_ && biten != sayi && simdi - sonCizim_ < 100)
            return;
        ilkGosterildi_ = true;
        sonCizim_ = simdi;
        constexpr int Genislik = 30;
        const int dolu = sayi > 0 ? biten * Genislik / sayi : 0;
        const QString cubuk = u'[' + QString(dolu, u'#') + QString(Genislik - dolu, u'-') + u']';
        const QString satir = "\r\033[K" + cubuk + u' ' + metin(biten, sira, sayi, foyKodu);
        std::fputs(satir.toUtf8().constData(), stderr);
        std::fflush(stderr);
        cizili_ = true;
    }
    // Clears the bar so that a message can be written on a line of its own.
    void temizle() {
        if (!cizili_)
            return;
        std::fputs("\r\033[K", stderr);
        std::fflush(stderr);
        cizili_ = false;
    }

private:
    QString metin(int biten, int sira, int sayi, qint32 foyKodu) const {
        const int yuzde = sayi > 0 ? biten * 100 / sayi : 0;
        QString metin = QStringLiteral("%%1  ").arg(yuzde, 3) +
                        TopluFoyGuncelleyici::IlerlemeMetni(sira, sayi, foyKodu);
        const double saniye = saat_.nsecsElapsed() / 1e9;
        if (biten > 0 && saniye > 0) {
            const double hiz = biten / saniye;
            const qint64 kalan = static_cast<qint64>((sayi - biten) / hiz + 0.5);
            metin += QStringLiteral("  (%1 föy/sn, kalan %2:%3)")
                         .arg(static_cast<qint64>(hiz + 0.5))
                         .arg(kalan / 60)
                         .arg(kalan % 60, 2, 10, QChar(u'0'));
        }
        return metin;
    }

    bool terminal_;
    bool cizili_ = false;
    bool ilkGosterildi_ = false;
    QElapsedTimer saat_;
    qint64 sonSatir_ = 0;
    qint64 sonCizim_ = 0;
};

// Error messages and exchange-rate questions first clear the progress bar; an error of a
// file's run names the file.
class IlerlemeliHataRaporcusu : public ConsoleErrorReporter {
public:
    explicit IlerlemeliHataRaporcusu(TerminalIlerleme& ilerleme) : ilerleme_(ilerleme) {}
    void report(const QString& message) override {
        ilerleme_.temizle();
        ConsoleErrorReporter::report(foy ? QStringLiteral("Föy %1: ").arg(foy) + message : message);
    }
    qint32 foy = 0;

private:
    TerminalIlerleme& ilerleme_;
};

class IlerlemeliKurSorucu : public TerminalKurSorucu {
public:
    explicit IlerlemeliKurSorucu(TerminalIlerleme& ilerleme) : ilerleme_(ilerleme) {}
    Money askExchangeRate(const QString& tarih, quint8 doviz, const QString& aciklama) override {
        ilerleme_.temizle();
        return TerminalKurSorucu::askExchangeRate(tarih, doviz, aciklama);
    }

private:
    TerminalIlerleme& ilerleme_;
};

QString operatorOku(const QCommandLineParser& parser, const QString& secenek) {
    if (!parser.isSet(secenek))
        return QStringLiteral("=");
    const QString op = parser.value(secenek).trimmed();
    for (const char* ad : {"arasında", "arasinda", "between"})
        if (op.compare(QString::fromUtf8(ad), Qt::CaseInsensitive) == 0)
            return TopluFoyGuncelleyici::ArasindaOp();
    if (!TopluFoyGuncelleyici::Operatorler().contains(op))
        throw UsageError(
            QStringLiteral("--%1 için geçerli bir karşılaştırma girin (=, >, <, >=, <=, Arasında): "
                           "\"%2\"")
                .arg(secenek, op));
    return op;
}

// The one or two values of a criterion; refuses what the window would quietly drop
// (a second value without "Arasında", "Arasında" with a single value), so a typing
// slip cannot select every file.
QStringList degerleriOku(const QCommandLineParser& parser, const QString& opSecenegi,
                         const QString& secenek, const QString& op) {
    const QStringList degerler = parser.values(secenek);
    if (degerler.isEmpty()) {
        if (parser.isSet(opSecenegi))
            throw UsageError(
                QStringLiteral("--%1 için --%2 değeri gerekli.").arg(opSecenegi, secenek));
        return {QString(), QString()};
    }
    const bool arasinda = op == TopluFoyGuncelleyici::ArasindaOp();
    if (degerler.size() > 2 || (degerler.size() == 2 && !arasinda))
        throw UsageError(QStringLiteral("--%1 iki kez yalnız \"--%2 Arasında\" ile verilebilir.")
                             .arg(secenek, opSecenegi));
    if (arasinda && degerler.size() < 2)
        throw UsageError(QStringLiteral("\"--%1 Arasında\" iki değer ister: --%2 ilk --%2 son.")
                             .arg(opSecenegi, secenek));
    for (const QString& deger : degerler)
        if (deger.trimmed().isEmpty())
            throw UsageError(QStringLiteral("--%1 için boş değer verilemez.").arg(secenek));
    return {degerler.value(0), degerler.value(1)};
}

qint16 sonucOku(const QString& deger) {
    for (const DosyaSonucuSecenegi& secenek : TopluFoyGuncelleyici::DosyaSonuclari())
        if (secenek.ad.compare(deger.trimmed(), Qt::CaseInsensitive) == 0)
            return secenek.kod;
    bool ok = false;
    const int kod = deger.trimmed().toInt(&ok);
    if (!ok || kod < 1 || kod > 17)
        throw UsageError(
            QStringLiteral("--sonuc için geçerli bir dosya sonucu (1-17 ya da adı) girin: \"%1\"")
                .arg(deger));
    return static_cast<qint16>(kod);
}

// --jobs N: N workers, copies of this process, each on the slice k/N of the run with its
// own connection, sharing the blocks of their slices; their progress is summed into one,
// their other lines passed on, and the run ends with the worst exit status among them.
// Ctrl-C is passed to every worker.
int isleriCalistir(const QStringList& arguments, int isSayisi) {
    QStringList ortak;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--jobs") || a == QLatin1String("-jobs")) {
            ++i;
            continue;
        }
        if (a.startsWith(QLatin1String("--jobs=")) || a.startsWith(QLatin1String("-jobs=")))
            continue;
        ortak << a;
    }
    TerminalIlerleme ilerleme;
    KesmeYakalayici kesme;
    TopluIsciler isciler(
        [&ortak, isSayisi](int k, BlokDagitici* dagitici) {
            const int kod = komutuCalistir([&] {
                return batchCalistir(ortak + TopluIsciler::IsciArgumanlari(k, isSayisi), dagitici);
            });
            // The connection closes while the database drivers still exist.
            shared().reset();
            return kod;
        },
        isSayisi);
    isciler.Ilerleme = [&](int biten, int sayi, qint32 foy) {
        ilerleme.goster(biten, biten, sayi, foy);
    };
    isciler.Satir = [&](const QString& satir) {
        ilerleme.temizle();
        printErr(satir);
    };
    isciler.DurdurulsunMu = [] { return durdurIstendi != 0; };
    const int cikis = isciler.Calistir();
    ilerleme.temizle();
    for (const QString& cikti : std::as_const(isciler.Kapanislar))
        printOut(cikti);
    return cikis;
}

qint32 avukatOku(const QString& deger) {
    bool ok = false;
    const qlonglong kod = deger.trimmed().toLongLong(&ok);
    if (!ok || kod < 0 || kod > 2147483647)
        throw UsageError(
            QStringLiteral("--avukat için geçerli bir avukat kodu (tam sayı) girin: \"%1\"")
                .arg(deger));
    return static_cast<qint32>(kod);
}

// A bulk run frees a block's rows and reads the next block's, as large: the memory freed
// is kept for them rather than given back to the system and taken again a page at a time
// (with two workers that cost about a twentieth of the run). The peak stays the block's.
// The heap grows at once by the room of a few blocks, and that room is asked for in large
// pages where the system gives them on request: a run fills tens of megabytes afresh, and
// taking them 4 KiB at a time costs a worker about a tenth of its time.
void bellegiBloklarIcinTut() {
#ifdef __GLIBC__
    constexpr int kPay = 64 << 20;
    mallopt(M_TRIM_THRESHOLD, std::numeric_limits<int>::max());
    mallopt(M_TOP_PAD, kPay);
    // Pieces below the size the allocator maps on its own, until the heap has grown.
    char* const once = static_cast<char*>(sbrk(0));
    std::vector<void*> parcalar;
    while (static_cast<char*>(sbrk(0)) == once && parcalar.size() < 64)
        parcalar.push_back(malloc(64 << 10));
    for (void* p : parcalar)
        free(p);
    constexpr uintptr_t kBuyukSayfa = 2 << 20;
    const uintptr_t bas =
        (reinterpret_cast<uintptr_t>(once) + kBuyukSayfa - 1) & ~(kBuyukSayfa - 1);
    const uintptr_t son = reinterpret_cast<uintptr_t>(sbrk(0)) & ~(kBuyukSayfa - 1);
    if (son > bas)
        madvise(reinterpret_cast<void*>(bas), son - bas, MADV_HUGEPAGE);
#endif
}

// quvhesap batch --db <path-or-url> [--foy-op OP --foy N [--foy N2]]
//                [--takip-op OP --takip D [--takip D2]] [--sonuc CODE] [--avukat CODE]
//                [--hesap-tarihi YYYYMMDD] [--hesap] [--tebligat] [--shard K/N] [--resume]
// A worker forked by --jobs has the run's shared blocks.
int batchCalistir(const QStringList& arguments, BlokDagitici* dagitici) {
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("db"), QStringLiteral("Veritabanı"), QStringLiteral("path-or-url")});
    parser.addOption({QStringLiteral("foy-op"), QStringLiteral("Föy kodu karşılaştırması"),
                      QStringLiteral("OP")});
    parser.addOption({QStringLiteral("foy"), QStringLiteral("Föy kodu"), QStringLiteral("N")});
    parser.addOption({QStringLiteral("takip-op"), QStringLiteral("Takip tarihi karşılaştırması"),
                      QStringLiteral("OP")});
    parser.addOption(
        {QStringLiteral("takip"), QStringLiteral("Takip tarihi"), QStringLiteral("YYYYMMDD")});
    parser.addOption(
        {QStringLiteral("sonuc"), QStringLiteral("Dosya sonucu"), QStringLiteral("KOD")});
    parser.addOption(
        {QStringLiteral("avukat"), QStringLiteral("Avukat kodu"), QStringLiteral("KOD")});
    parser.addOption({QStringLiteral("hesap-tarihi"), QStringLiteral("Yeni hesap tarihi"),
                      QStringLiteral("YYYYMMDD")});
    parser.addOption({QStringLiteral("hesap"), QStringLiteral("Hesap bilgilerini güncelle")});
    parser.addOption({QStringLiteral("tebligat"), QStringLiteral("Tebligat bilgilerini tazele")});
    parser.addOption({QStringLiteral("shard"), QStringLiteral("Dilim"), QStringLiteral("K/N")});
    parser.addOption({QStringLiteral("resume"), QStringLiteral("Durdurulan çalıştırmayı sürdür")});
    parser.addOption({QStringLiteral("block-size"), QStringLiteral("Bir blokta okunan föy sayısı"),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("jobs"), QStringLiteral("Paralel çalışan işlem sayısı"),
                      QStringLiteral("N")});
    // The workers of a run with --jobs: progress as lines for the run, writes that share
    // the database with the other workers.
    QCommandLineOption isci(QStringLiteral("worker"), QStringLiteral("İşçi"));
    isci.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(isci);
    // A worker started by the window finds the run's shared blocks on this descriptor.
    QCommandLineOption bloklar(TopluIsciler::BlokSecenegi(), QStringLiteral("Bloklar"),
                               QStringLiteral("FD"));
    bloklar.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(bloklar);
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Yardım")});
    parse(parser, QStringLiteral("batch"), arguments);
    if (parser.isSet(QStringLiteral("help"))) {
        printOut(QString::fromUtf8(kBatchUsage));
        return ExitOk;
    }
    const QString url = required(parser, QStringLiteral("db"));

    TopluGuncellemeKriterleri kriterler;
    kriterler.FoyKoduOp = operatorOku(parser, QStringLiteral("foy-op"));
    const QStringList foyler =
        degerleriOku(parser, QStringLiteral("foy-op"), QStringLiteral("foy"), kriterler.FoyKoduOp);
    kriterler.FoyKodu1 = foyler.at(0);
    kriterler.FoyKodu2 = foyler.at(1);
    kriterler.TakipTarihiOp = operatorOku(parser, QStringLiteral("takip-op"));
    const QStringList takipler = degerleriOku(parser, QStringLiteral("takip-op"),
                                              QStringLiteral("takip"), kriterler.TakipTarihiOp);
    kriterler.TakipTarihi1 = takipler.at(0);
    kriterler.TakipTarihi2 = takipler.at(1);
    if (parser.isSet(QStringLiteral("sonuc")))
        kriterler.DosyaSonucu = sonucOku(parser.value(QStringLiteral("sonuc")));
    if (parser.isSet(QStringLiteral("avukat")))
        kriterler.AvukatKodu = avukatOku(parser.value(QStringLiteral("avukat")));
    if (parser.isSet(QStringLiteral("hesap-tarihi")))
        kriterler.HesapTarihi =
            textDate(parser.value(QStringLiteral("hesap-tarihi")), QStringLiteral("hesap-tarihi"));
    kriterler.HesapBilgileriniGunle = parser.isSet(QStringLiteral("hesap"));
    kriterler.TebligatBilgileriniTazele = parser.isSet(QStringLiteral("tebligat"));

    int parcaNo = 1;
    int parcaSayisi = 1;
    if (parser.isSet(QStringLiteral("shard"))) {
        static const QRegularExpression bicim(QStringLiteral("^([0-9]{1,4})/([0-9]{1,4})$"));
        const auto m = bicim.match(parser.value(QStringLiteral("shard")).trimmed());
        parcaNo = m.hasMatch() ? m.captured(1).toInt() : 0;
        parcaSayisi = m.hasMatch() ? m.captured(2).toInt() : 0;
        if (parcaSayisi < 1 || parcaNo < 1 || parcaNo > parcaSayisi)
            throw UsageError(
                QStringLiteral("--shard için K/N biçiminde bir dilim girin (1 <= K <= N): \"%1\"")
                    .arg(parser.value(QStringLiteral("shard"))));
    }
    // A whole number option within its bounds, or its default when not given.
    auto sayi = [&](const char* ad, int varsayilan, int enCok) {
        const QString secenek = QString::fromLatin1(ad);
        if (!parser.isSet(secenek))
            return varsayilan;
        bool ok = false;
        const int n = parser.value(secenek).trimmed().toInt(&ok);
        if (!ok || n < 1 || n > enCok)
            throw UsageError(QStringLiteral("--%1 için 1 ile %2 arasında bir sayı girin: \"%3\"")
                                 .arg(secenek)
                                 .arg(enCok)
                                 .arg(parser.value(secenek)));
        return n;
    };
    const int blok = sayi("block-size", 500, 10000);
    const int isSayisi = sayi("jobs", 1, 16);
    if (isSayisi > 1 && parser.isSet(QStringLiteral("shard")))
        throw UsageError(QStringLiteral("--jobs ile --shard birlikte verilmez."));
    const bool surdur = parser.isSet(QStringLiteral("resume"));
    if (surdur)
        for (const char* secenek :
             {"foy-op", "foy", "takip-op", "takip", "sonuc", "avukat", "hesap-tarihi"})
            if (parser.isSet(QString::fromLatin1(secenek)))
                throw UsageError(QStringLiteral("--resume durdurulan çalıştırmanın föylerini "
                                                "sürdürür; --%1 verilmez.")
                                     .arg(QString::fromLatin1(secenek)));

    TerminalIlerleme ilerleme;
    auto raporcu = std::make_shared<IlerlemeliHataRaporcusu>(ilerleme);
    shared().setErrorReporter(raporcu);
    shared().setWindowHost(std::make_shared<IlerlemeliKurSorucu>(ilerleme));
    clsHesapAna hesap;
    TopluFoyGuncelleyici calisan(hesap);
    calisan.Kriterler = kriterler;
    calisan.ParcaNo = parcaNo;
    calisan.ParcaSayisi = parcaSayisi;
    calisan.Surdur = surdur;
    calisan.BlokBuyuklugu = blok;
    const bool isciMi = parser.isSet(QStringLiteral("worker"));
    calisan.EsZamanliYazicilar = isciMi;
    std::unique_ptr<BlokDagitici> baglanan;
    if (isciMi && !dagitici && parser.isSet(bloklar)) {
        baglanan = BlokDagitici::Baglan(parser.value(bloklar).toInt(), parcaSayisi);
        dagitici = baglanan.get();
    }
    calisan.Dagitici = isciMi ? dagitici : nullptr;
    // The workers of one run share this machine's processors.
    calisan.OndenOku = TopluFoyGuncelleyici::OndenOkumaUygun(isciMi ? parcaSayisi : 1);
    calisan.ArkadaYaz = calisan.OndenOku;
    // Every typed value is checked before the database is touched.
    if (const QString hata = calisan.Dogrula(); !hata.isEmpty())
        throw UsageError(hata +
                         (kriterler.HesapBilgileriniGunle || kriterler.TebligatBilgileriniTazele
                              ? QString()
                              : QStringLiteral(" (--hesap, --tebligat)")));

    if (isSayisi > 1) {
        // The workers start together: the record's table is there before any of them. The
        // connection is closed before they start, each opening its own.
        {
            std::shared_ptr<Database> db = connect(url);
            if (TopluCalismaKaydi::Destekli(*db))
                TopluCalismaKaydi(*db, QString()).TabloyuHazirla();
            shared().reset();
        }
        return isleriCalistir(arguments, isSayisi);
    }

    bellegiBloklarIcinTut();
    std::shared_ptr<Database> db = connect(url);
    hesap.setActiveConnection(db);
    hesap.setActiveVeritabaniTuru(db->veritabaniTuru());

    KesmeYakalayici kesme;
    calisan.Basladi = [&](int) {
        if (durdurIstendi)
            calisan.Durdur();
    };
    calisan.FoyBasliyor = [&](int sira, int sayi, qint32 foyKodu) {
        raporcu->foy = foyKodu;
        if (!isciMi)
            ilerleme.goster(sira - 1, sira, sayi, foyKodu);
    };
    calisan.FoyHatasi = [&](qint32 foyKodu) { raporcu->foy = foyKodu; };
    // A worker tells its progress a few times a second, and its last file: a line for every
    // file would wake the waiting program thousands of times a second.
    QElapsedTimer sonBildirim;
    auto bildir = [](int biten, int sayi, qint32 foyKodu) {
        printErr(QStringLiteral("@@ %1 %2 %3").arg(biten).arg(sayi).arg(foyKodu));
    };
    calisan.FoyBitti = [&](int sira, int sayi, qint32 foyKodu) {
        if (isciMi) {
            if (!sonBildirim.isValid() || sonBildirim.hasExpired(100) || sira == sayi ||
                durdurIstendi) {
                bildir(sira, sayi, foyKodu);
                sonBildirim.start();
            }
        } else
            ilerleme.goster(sira, sira, sayi, foyKodu);
        if (durdurIstendi)
            calisan.Durdur();
    };
    const TopluGuncellemeSonucu sonuc = calisan.Calistir();
    ilerleme.temizle();
    // A worker that took others' blocks passes its own count: its last line is its total.
    if (isciMi && sonuc.Guncellenen > 0)
        bildir(sonuc.Guncellenen, sonuc.Sayi, sonuc.SonFoyKodu);

    switch (sonuc.durum) {
        case TopluGuncellemeSonucu::Durum::Gecersiz:
            throw UsageError(sonuc.Mesaj);
        case TopluGuncellemeSonucu::Durum::Hata:
            return ExitFailed;
        case TopluGuncellemeSonucu::Durum::FoyYok:
            printOut(QStringLiteral("Kriterlere uygun föy bulunamadı."));
            return ExitOk;
        case TopluGuncellemeSonucu::Durum::Tamamlandi:
        case TopluGuncellemeSonucu::Durum::Durduruldu:
            break;
    }
    QString mesaj = sonuc.Mesaj;
    printOut(mesaj.replace(QChar(13), QChar(10)));
    if (sonuc.Basarisiz > 0)
        printErr(QStringLiteral("%1 föyden %2 tanesi güncellendi, %3 tanesinde hata oluştu.")
                     .arg(sonuc.Guncellenen)
                     .arg(sonuc.Guncellenen - sonuc.Basarisiz)
                     .arg(sonuc.Basarisiz));
    else if (sonuc.HataSayisi > 0)
        printErr(QStringLiteral("%1 hata oluştu.").arg(sonuc.HataSayisi));
    const bool tamam = sonuc.durum == TopluGuncellemeSonucu::Durum::Tamamlandi;
    return tamam && sonuc.HataSayisi == 0 ? ExitOk : ExitFailed;
}

}  // namespace

int batch(const QStringList& arguments) {
    return batchCalistir(arguments, nullptr);
}

}  // namespace quv::cli
