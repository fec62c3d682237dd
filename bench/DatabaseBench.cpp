#include "engine/Database.h"
#include "engine/Schema.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using quv::Database;

std::shared_ptr<Database> demoDatabase(const QString& path, int rows) {
    auto db = Database::open(path, Database::OpenMode::CreateIfMissing);
    quv::Schema::initialize(*db);
    db->beginTransaction();
    for (int i = 0; i < rows; ++i)
        db->execute(
            QStringLiteral("insert into tblfoy_tahsilat (foykodu, tahsilattarihi, tahsilatmiktari, "
                           "parabirimikodu, tahsilatsekli) values (?, ?, ?, 1, 7)"),
            {i % 100,
             QStringLiteral("2023%1").arg(101 + i % 28 + 100 * (i % 12), 4, 10, QChar(u'0')),
             QStringLiteral("150.25")});
    db->commit();
    return db;
}

// One file's collections read through the same statement text again and again.
void BM_ReadCollectionsOfAFile(benchmark::State& state) {
    QTemporaryDir dir;
    auto db = demoDatabase(dir.filePath(QStringLiteral("bench.sqlite")), 10000);
    int foy = 0;
    for (auto _ : state) {
        quv::RecordSet rs = db->openRecordSet(
            QStringLiteral("select tahsilattarihi, tahsilatmiktari from tblfoy_tahsilat where "
                           "foykodu = ? order by tahsilattarihi"),
            quv::CursorType::ForwardOnly, {foy++ % 100});
        int n = 0;
        for (; !rs.eof(); rs.moveNext())
            ++n;
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_ReadCollectionsOfAFile);

}  // namespace
