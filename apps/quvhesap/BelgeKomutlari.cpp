// quvhesap case export|import and quvhesap settings export|import: an enforcement
// file and the office's settings as the JSON documents users keep.

#include "CliSupport.h"

#include "formats/AyarBelgesi.h"
#include "formats/FoyBelgesi.h"
#include "formats/JsonSayilari.h"
#include "formats/JsonSemasi.h"

#include <QFile>

#include <cstdio>

namespace quv::cli {

namespace {

// The document to a file, or to the standard output without one.
void yaz(const QJsonObject& belge, const QString& yol) {
    const QByteArray metin = belge::jsonYaz(belge);
    if (yol.isEmpty()) {
        std::fwrite(metin.constData(), 1, static_cast<size_t>(metin.size()), stdout);
        std::fflush(stdout);
        return;
    }
    QFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        dosya.write(metin) != metin.size())
        throw UsageError(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(yol, dosya.errorString()));
}

QString islem(const QStringList& arguments, const QString& komut) {
    const QStringList islemler{QStringLiteral("export"), QStringLiteral("import"),
                               QStringLiteral("schema")};
    if (arguments.isEmpty() || !islemler.contains(arguments.first()))
        throw UsageError(
            QStringLiteral("quvhesap %1 export, import ya da schema kullanın.").arg(komut));
    return arguments.first();
}

}  // namespace

// quvhesap case export --db X --foy N [--out FILE]
// quvhesap case import --db X FILE [--as N] [--replace]
int caseFile(const QStringList& arguments) {
    const QString ne = islem(arguments, QStringLiteral("case"));
    if (ne == QStringLiteral("schema")) {
        yaz(belge::foySemasi(), QString());
        return ExitOk;
    }
    QCommandLineParser parser;
    addOption(parser, "db", "Veritabanı", "path-or-url");
    if (ne == QStringLiteral("export")) {
        addOption(parser, "foy", "Föy kodu", "N");
        addOption(parser, "out", "Yazılacak dosya (verilmezse standart çıktı)", "FILE");
        parse(parser, QStringLiteral("case export"), arguments.mid(1));
        const qint32 foy = fileCode(required(parser, QStringLiteral("foy")), QStringLiteral("foy"));
        std::shared_ptr<Database> db = connect(required(parser, QStringLiteral("db")));
        const std::optional<QJsonObject> belge = FoyBelgesi::disaAktar(*db, foy);
        if (!belge) {
            printErr(QStringLiteral("%1 numaralı föy bulunamadı.").arg(foy));
            return ExitUsage;
        }
        yaz(*belge, parser.value(QStringLiteral("out")));
        return ExitOk;
    }
    addOption(parser, "as", "Föyün yazılacağı kod (belgedekinin yerine)", "N");
    addOption(parser, "replace", "Aynı kodlu föy varsa üzerine yaz");
    parse(parser, QStringLiteral("case import"), arguments.mid(1),
          QStringLiteral("Föy belgesi (FILE)"));
    const QString yol = parser.positionalArguments().first();
    std::optional<qint32> kod;
    if (parser.isSet(QStringLiteral("as")))
        kod = fileCode(parser.value(QStringLiteral("as")), QStringLiteral("as"));
    const QByteArray metin = dosyaOku(yol);
    std::shared_ptr<Database> db = connect(required(parser, QStringLiteral("db")));
    const FoyBelgesi::Sonuc sonuc =
        FoyBelgesi::iceAktar(*db, metin, kod, parser.isSet(QStringLiteral("replace")));
    if (!sonuc.sorunlar.isEmpty())
        return reddet(yol, sonuc.sorunlar);
    printOut(QStringLiteral("Föy %1 içe aktarıldı.").arg(sonuc.foyKodu));
    return ExitOk;
}

// quvhesap settings export --db X [--out FILE] [--with-secrets]
// quvhesap settings import --db X FILE
int settingsFile(const QStringList& arguments) {
    const QString ne = islem(arguments, QStringLiteral("settings"));
    if (ne == QStringLiteral("schema")) {
        yaz(belge::ayarSemasi(), QString());
        return ExitOk;
    }
    QCommandLineParser parser;
    addOption(parser, "db", "Veritabanı", "path-or-url");
    if (ne == QStringLiteral("export")) {
        addOption(parser, "out", "Yazılacak dosya (verilmezse standart çıktı)", "FILE");
        addOption(parser, "with-secrets", "SMS parolalarını ve anahtarını da yaz");
        parse(parser, QStringLiteral("settings export"), arguments.mid(1));
        std::shared_ptr<Database> db = connect(required(parser, QStringLiteral("db")));
        yaz(AyarBelgesi::disaAktar(*db, parser.isSet(QStringLiteral("with-secrets"))),
            parser.value(QStringLiteral("out")));
        return ExitOk;
    }
    parse(parser, QStringLiteral("settings import"), arguments.mid(1),
          QStringLiteral("Ayar belgesi (FILE)"));
    const QString yol = parser.positionalArguments().first();
    const QByteArray metin = dosyaOku(yol);
    std::shared_ptr<Database> db = connect(required(parser, QStringLiteral("db")));
    const QStringList sorunlar = AyarBelgesi::iceAktar(*db, metin);
    if (!sorunlar.isEmpty())
        return reddet(yol, sorunlar);
    printOut(QStringLiteral("Ayarlar içe aktarıldı: %1").arg(yol));
    return ExitOk;
}

}  // namespace quv::cli
