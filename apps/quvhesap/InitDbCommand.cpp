#include "CliSupport.h"

#include "engine/Schema.h"
#include "formats/ReferansBelgesi.h"
#include "formats/ReferansTablolari.h"

namespace quv::cli {

// quvhesap init-db --db <path-or-url>: creates the tables of the host database and
// loads the public rate tables the program ships.
int initDb(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("db"), QStringLiteral("Veritabanı"), QStringLiteral("path-or-url")});
    parse(parser, QStringLiteral("init-db"), arguments);
    std::shared_ptr<Database> db =
        connect(required(parser, QStringLiteral("db")), Database::OpenMode::CreateIfMissing);
    Schema::InitResult result = Schema::initialize(*db);
    if (result == Schema::InitResult::Created) {
        printOut(QStringLiteral("Tablolar oluşturuldu: %1 (%2 tablo).")
                     .arg(db->url().redacted())
                     .arg(Schema::expected().size()));
        const ReferansTablolari::Ekleme resmi =
            ReferansTablolari::ekle(*db, ReferansBelgesi::gomulu());
        printOut(QStringLiteral("Resmî faiz tabloları yüklendi: %1 tablo, %2 oran.")
                     .arg(resmi.tablo)
                     .arg(resmi.oran));
    } else
        printOut(QStringLiteral("Tablolar zaten mevcut; değişiklik yapılmadı: %1.")
                     .arg(db->url().redacted()));
    return ExitOk;
}

}  // namespace quv::cli
