#include "CliSupport.h"

#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/TextDate.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstdio>

namespace quv::cli {

void printOut(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void printErr(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

int komutuCalistir(const std::function<int()>& komut) {
    try {
        return komut();
    } catch (const UsageError& e) {
        printErr(e.message());
        return ExitUsage;
    } catch (const RuntimeError& e) {
        printErr(QStringLiteral("Hata : %1 -> %2").arg(e.number()).arg(e.description()));
        return ExitFailed;
    } catch (const std::exception& e) {
        printErr(QStringLiteral("Hata : ") + QString::fromLocal8Bit(e.what()));
        return ExitFailed;
    }
}

void addOption(QCommandLineParser& parser, const char* name, const char* description,
               const char* valueName) {
    if (valueName)
        parser.addOption({QString::fromLatin1(name), QString::fromUtf8(description),
                          QString::fromLatin1(valueName)});
    else
        parser.addOption({QString::fromLatin1(name), QString::fromUtf8(description)});
}

void parse(QCommandLineParser& parser, const QString& command, const QStringList& arguments,
           const QString& positional, bool positionalOptional) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{QStringLiteral("quvhesap ") + command} + arguments))
        throw UsageError(QStringLiteral("Geçersiz argüman: ") + parser.errorText());
    // An option that takes one value is given once: with two, which one was meant is not
    // known. Only the criteria of the bulk update (a range) and manual instalments repeat.
    static const QHash<QString, QStringList> tekrarlanabilir = {
        {QStringLiteral("batch"), {QStringLiteral("foy"), QStringLiteral("takip")}},
        {QStringLiteral("plan"), {QStringLiteral("manual")}},
        {QStringLiteral("sms"), {QStringLiteral("manual")}}};
    for (const QString& ad : parser.optionNames())
        if (parser.values(ad).size() > 1 && !tekrarlanabilir.value(command).contains(ad))
            throw UsageError(QStringLiteral("--%1 seçeneği bir kez verilebilir.").arg(ad));
    QStringList rest = parser.positionalArguments();
    if (!positional.isEmpty() && rest.isEmpty() && !positionalOptional)
        throw UsageError(QStringLiteral("%1 gerekli.").arg(positional));
    if (!positional.isEmpty() && !rest.isEmpty())
        rest.removeFirst();
    if (!rest.isEmpty())
        throw UsageError(QStringLiteral("Beklenmeyen argüman: ") + rest.join(u' '));
}

void yazilabilirOlmali(const QString& yol, const QString& secenek) {
    const QFileInfo dosya(yol);
    const QFileInfo klasor(dosya.absolutePath());
    const bool olur = klasor.isDir() && klasor.isWritable() &&
                      (!dosya.exists() || (dosya.isFile() && dosya.isWritable()));
    if (!olur)
        throw UsageError(
            QStringLiteral("--%1 için yazılabilir bir dosya yolu girin: \"%2\"").arg(secenek, yol));
}

QByteArray dosyaOku(const QString& yol) {
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        throw UsageError(QStringLiteral("Dosya okunamadı: %1 (%2)").arg(yol, dosya.errorString()));
    return dosya.readAll();
}

int reddet(const QString& yol, const QStringList& sorunlar) {
    printErr(QStringLiteral("%1 içe aktarılmadı; %2 sorun bulundu, hiçbir şey yazılmadı:")
                 .arg(yol)
                 .arg(sorunlar.size()));
    for (const QString& sorun : sorunlar)
        printErr(QStringLiteral("  ") + sorun);
    return ExitUsage;
}

QString required(const QCommandLineParser& parser, const QString& option) {
    if (!parser.isSet(option))
        throw UsageError(QStringLiteral("--%1 seçeneği gerekli.").arg(option));
    return parser.value(option);
}

qint32 fileCode(const QString& value, const QString& option) {
    bool ok = false;
    qlonglong code = value.trimmed().toLongLong(&ok);
    if (!ok || code < 1 || code > 2147483647)
        throw UsageError(
            QStringLiteral("--%1 için geçerli bir föy kodu (pozitif tam sayı) girin: \"%2\"")
                .arg(option, value));
    return static_cast<qint32>(code);
}

QString textDate(const QString& value, const QString& option) {
    if (!TextDate::isValid(value))
        throw UsageError(
            QStringLiteral("--%1 için geçerli bir tarih (YYYYAAGG, örneğin 20240131) girin: \"%2\"")
                .arg(option, value));
    // Tariffs, rates and files lie in this range; a date outside it is a slip.
    if (value < QLatin1String("19000101") || value > QLatin1String("20991231"))
        throw UsageError(
            QStringLiteral("--%1 için 01.01.1900 ile 31.12.2099 arasında bir tarih girin: \"%2\"")
                .arg(option, value));
    return value;
}

QString optionalTextDate(const QCommandLineParser& parser, const QString& option) {
    return parser.isSet(option) ? textDate(parser.value(option), option) : QString();
}

bool tariffsPresent(Database& db) {
    if (!db.openRecordSet(QStringLiteral("select tarih from tblharclar")).eof())
        return true;
    printErr(QStringLiteral("Veritabanında harç tarifesi yok; önce büro ayarlarını içe aktarın: "
                            "quvhesap settings import --db %1 DOSYA")
                 .arg(db.url().redacted()));
    return false;
}

std::shared_ptr<Database> connect(const QString& urlOrPath, Database::OpenMode mode) {
    std::shared_ptr<Database> db = Database::open(urlOrPath, mode);
    shared().setConnection(db);
    shared().ActiveVeritabaniTuru = db->veritabaniTuru();
    return db;
}

}  // namespace quv::cli
