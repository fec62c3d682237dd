#include "CliSupport.h"

#include "engine/RecordSet.h"
#include "engine/RuntimeError.h"
#include "engine/SharedState.h"
#include "engine/TebligatTakibi.h"
#include "engine/Trap.h"
#include "engine/Variant.h"

namespace quv::cli {

// quvhesap notify-refresh --db <path-or-url> [--foy N]: rebuilds the notification
// tracking of one file or of every file.
int notifyRefresh(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(
        {QStringLiteral("db"), QStringLiteral("Veritabanı"), QStringLiteral("path-or-url")});
    parser.addOption({QStringLiteral("foy"), QStringLiteral("Föy kodu"), QStringLiteral("N")});
    parse(parser, QStringLiteral("notify-refresh"), arguments);
    QString url = required(parser, QStringLiteral("db"));
    QList<qint32> files;
    if (parser.isSet(QStringLiteral("foy")))
        files << fileCode(parser.value(QStringLiteral("foy")), QStringLiteral("foy"));
    std::shared_ptr<Database> db = connect(url);
    if (files.isEmpty()) {
        RecordSet rs =
            db->openRecordSet(QStringLiteral("select foykodu from tblfoy order by foykodu"));
        for (; !rs.eof(); rs.moveNext())
            files << toInt32(rs.value(0));
    }
    quint64 errorsBefore = shared().reportedErrors();
    for (qint32 foyKodu : files) {
        modGeneral::UpdateTblFoy_Tebligat_Iz_ForFoy(foyKodu);
        // The status update does not trap its own errors: report it and go on.
        trapped(QStringLiteral("Hesap.modGenel.FoyTebligatDurumuGuncelle"),
                [&] { modGeneral::FoyTebligatDurumuGuncelle(foyKodu); });
    }
    quint64 errors = shared().reportedErrors() - errorsBefore;
    printOut(QStringLiteral("%1 föyün tebligat bilgileri tazelendi.").arg(files.size()));
    if (errors > 0) {
        printErr(QStringLiteral("%1 hata oluştu.").arg(errors));
        return ExitFailed;
    }
    return ExitOk;
}

}  // namespace quv::cli
