#include "BenchData.h"

#include "engine/Schema.h"
#include "formats/DemoVerisi.h"

#include <QDate>
#include <QFile>

namespace quv::bench {

namespace {

QString tarih(const QDate& d) {
    return d.toString(QStringLiteral("yyyyMMdd"));
}

// A rate table shared by all files (file code 0) with the given number of changes.
void rateTable(Database& db, int kod, int rows) {
    db.addRow(QStringLiteral("tblfaizoranitablosu"),
              {{QStringLiteral("foykodu"), 0},
               {QStringLiteral("faizoranitablosukodu"), kod},
               {QStringLiteral("faizoranitablosuadi"), QStringLiteral("Ölçüm tablosu %1").arg(kod)},
               {QStringLiteral("mevduatfaizoranitablosu"), 0}});
    QDate d(2020, 1, 1);
    for (int i = 0; i < rows; ++i, d = d.addDays(30))
        db.addRow(QStringLiteral("tblfaizoranitablosu_detay"),
                  {{QStringLiteral("foykodu"), 0},
                   {QStringLiteral("faizoranitablosukodu"), kod},
                   {QStringLiteral("tarih"), tarih(d)},
                   {QStringLiteral("faizorani"), 9 + (i % 7) * 2.5}});
}

void fileRow(Database& db, int code, int rateTableCode) {
    db.addRow(QStringLiteral("tblfoy"),
              {{QStringLiteral("foykodu"), code},
               {QStringLiteral("borclusayisi"), 1},
               {QStringLiteral("formtipi"), 1},
               {QStringLiteral("takiptarihi"), QStringLiteral("20220115")},
               {QStringLiteral("dosyasonucu"), 1},
               {QStringLiteral("hesaptarihi"), QStringLiteral("20241231")},
               {QStringLiteral("foykayittarihi"), QStringLiteral("20220110")},
               {QStringLiteral("alacaktipi"), 13},
               {QStringLiteral("parabirimikodu"), 1},
               {QStringLiteral("faizorani"), 0},
               {QStringLiteral("faizoranitablosukodu"), rateTableCode},
               {QStringLiteral("faizoranitablosufoykodu"), 0},
               {QStringLiteral("tahsilatmahsupsirasi"), 3},
               {QStringLiteral("ihtiyatihacizvar"), 0},
               {QStringLiteral("alacaklikodu"), 1}});
    db.addRow(QStringLiteral("tblfoy_sahis"),
              {{QStringLiteral("foykodu"), code},
               {QStringLiteral("foysahiskodu"), 1},
               {QStringLiteral("foysahistipi"), 1},
               {QStringLiteral("ad"), QStringLiteral("Ali")},
               {QStringLiteral("soyad"), QStringLiteral("Yılmaz")},
               {QStringLiteral("tahsilharcihesapla"), 1},
               {QStringLiteral("muvekkiletebligatgonderilmesin"), 0}});
}

void parts(Database& db, int code, int claims, int collections, int expenses) {
    QDate d(2021, 3, 1);
    for (int i = 1; i <= claims; ++i, d = d.addDays(3))
        db.addRow(QStringLiteral("tblfoy_alacak"),
                  {{QStringLiteral("foykodu"), code},
                   {QStringLiteral("alacakkodu"), i},
                   {QStringLiteral("tarih"), tarih(d)},
                   {QStringLiteral("tutar"), 1000 + 250 * (i % 9)},
                   {QStringLiteral("birikmisfaiz"), 0},
                   {QStringLiteral("bankasubesi"), QStringLiteral("Kredi %1").arg(i)}});
    d = QDate(2021, 6, 1);
    const int step = std::max(1, 1200 / std::max(1, collections));
    for (int i = 0; i < collections; ++i, d = d.addDays(step))
        db.addRow(QStringLiteral("tblfoy_tahsilat"),
                  {{QStringLiteral("foykodu"), code},
                   {QStringLiteral("tahsilattarihi"), tarih(d)},
                   {QStringLiteral("tahsilatmiktari"), 150 + (i % 5) * 25},
                   {QStringLiteral("parabirimikodu"), 1},
                   {QStringLiteral("tahsilatsekli"), i % 2 ? 1 : 7}});
    d = QDate(2021, 12, 1);
    for (int i = 0; i < expenses; ++i, d = d.addDays(std::max(1, 1000 / std::max(1, expenses))))
        db.addRow(QStringLiteral("tblfoy_masraf"), {{QStringLiteral("foykodu"), code},
                                                    {QStringLiteral("masraftarihi"), tarih(d)},
                                                    {QStringLiteral("masraftutari"), 85.5},
                                                    {QStringLiteral("resmi"), 1}});
}

}  // namespace

std::shared_ptr<Database> benchDatabase(const QString& urlOrPath) {
    auto db = Database::open(urlOrPath, Database::OpenMode::CreateIfMissing);
    if (db->backend() == Backend::PostgreSQL) {
        for (const QString& table : db->tables())
            db->execute(QStringLiteral("DROP TABLE ") + table + QStringLiteral(" CASCADE"));
    }
    Schema::initialize(*db);
    demoVerisiniYukle(*db, QStringLiteral(QUV_DEMO_DIR));
    db->beginTransaction();
    rateTable(*db, 900, 20);
    rateTable(*db, 901, 50);
    db->commit();
    return db;
}

void typicalFiles(Database& db, int firstCode, int count) {
    db.beginTransaction();
    for (int code = firstCode; code < firstCode + count; ++code) {
        fileRow(db, code, 900);
        parts(db, code, 3, 10, 5);
    }
    db.commit();
}

void largeFile(Database& db, int code) {
    db.beginTransaction();
    fileRow(db, code, 901);
    parts(db, code, 100, 1000, 200);
    db.commit();
}

}  // namespace quv::bench
