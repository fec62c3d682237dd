#include "tools/BlokYazimi.h"

#include <algorithm>

namespace quv::BlokYazimi {

namespace {

// The values SQLite is given in one statement: it finds each bound value by walking the
// list of the statement's values, so its statements stay small; a server gains most from
// fewer round trips.
constexpr qsizetype kSqliteDegerleri = 600;
constexpr qsizetype kSunucuDegerleri = 30000;

}  // namespace

Hatalar gonder(Database& db, const QList<Satir>& satirlar) {
    Hatalar hatalar;
    const qsizetype sayi = satirlar.size();
    const qsizetype butce = db.backend() == Backend::SQLite ? kSqliteDegerleri : kSunucuDegerleri;
    for (qsizetype i = 0; i < sayi;) {
        // Rows of the same statement, as many as a statement may bind.
        const Satir& ilk = satirlar.at(i);
        const qsizetype enFazla = std::max<qsizetype>(
            1, std::min<qsizetype>(100, butce / std::max<qsizetype>(1, ilk.degerler.size())));
        qsizetype j = i + 1;
        while (j < sayi && j - i < enFazla && satirlar.at(j).metin == ilk.metin)
            ++j;
        const qsizetype degerYeri = ilk.metin.indexOf(QLatin1StringView("?"));
        const qsizetype bas = ilk.metin.lastIndexOf(u'(', degerYeri);
        const qsizetype son = ilk.metin.indexOf(u')', degerYeri);
        const QString satir = ilk.metin.mid(bas, son - bas + 1);
        QString metin = ilk.metin.left(son + 1);
        QVariantList degerler = ilk.degerler;
        for (qsizetype k = i + 1; k < j; ++k) {
            metin += QStringLiteral(", ") + satir;
            degerler += satirlar.at(k).degerler;
        }
        metin += ilk.metin.mid(son + 1);
        db.execute(QStringLiteral("SAVEPOINT quv_parti"));
        try {
            db.execute(metin, degerler);
            db.execute(QStringLiteral("RELEASE SAVEPOINT quv_parti"));
        } catch (const RuntimeError&) {
            // One row the database refuses: the others are written, each on its own. (A
            // lost connection fails the undo as well and ends the block's write.)
            db.execute(QStringLiteral("ROLLBACK TO SAVEPOINT quv_parti"));
            for (qsizetype k = i; k < j; ++k) {
                try {
                    db.execute(QStringLiteral("SAVEPOINT quv_satir"));
                    db.execute(satirlar.at(k).metin, satirlar.at(k).degerler);
                    db.execute(QStringLiteral("RELEASE SAVEPOINT quv_satir"));
                } catch (const RuntimeError& e) {
                    db.execute(QStringLiteral("ROLLBACK TO SAVEPOINT quv_satir"));
                    hatalar.append({satirlar.at(k).foy, e});
                }
            }
            db.execute(QStringLiteral("RELEASE SAVEPOINT quv_parti"));
        }
        i = j;
    }
    return hatalar;
}

}  // namespace quv::BlokYazimi
