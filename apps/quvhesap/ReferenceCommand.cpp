// quvhesap reference update: the public rate tables the program ships (or a newer
// document of the same format) added to an office's database.

#include "CliSupport.h"

#include "formats/ReferansBelgesi.h"
#include "formats/ReferansTablolari.h"

namespace quv::cli {

// quvhesap reference update --db X [FILE]
int reference(const QStringList& arguments) {
    if (arguments.isEmpty() || arguments.first() != QStringLiteral("update"))
        throw UsageError(QStringLiteral("quvhesap reference update kullanın."));
    QCommandLineParser parser;
    addOption(parser, "db", "Veritabanı", "path-or-url");
    parse(parser, QStringLiteral("reference update"), arguments.mid(1),
          QStringLiteral("Referans belgesi (FILE)"), true);
    ReferansBelgesi belge = ReferansBelgesi::gomulu();
    QString kaynak = QStringLiteral("programla gelen tablolar");
    if (!parser.positionalArguments().isEmpty()) {
        kaynak = parser.positionalArguments().first();
        QStringList sorunlar;
        const std::optional<ReferansBelgesi> okunan =
            ReferansBelgesi::oku(dosyaOku(kaynak), sorunlar);
        if (!okunan)
            return reddet(kaynak, sorunlar);
        belge = *okunan;
    }
    std::shared_ptr<Database> db = connect(required(parser, QStringLiteral("db")));
    const ReferansTablolari::Ekleme sonuc = ReferansTablolari::ekle(*db, belge);
    for (const QString& satir : sonuc.satirlar)
        printOut(satir);
    printOut(sonuc.tablo + sonuc.oran == 0
                 ? QStringLiteral("Eksik satır yok (%1); değişiklik yapılmadı.").arg(kaynak)
                 : QStringLiteral("%1 tablo, %2 oran eklendi (%3).")
                       .arg(sonuc.tablo)
                       .arg(sonuc.oran)
                       .arg(kaynak));
    return ExitOk;
}

}  // namespace quv::cli
