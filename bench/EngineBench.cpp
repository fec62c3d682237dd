// The calculation's speed: one large file replayed in memory, and the bulk
// recalculation with save against the time the same SQL statements take alone.

#include "BenchData.h"

#include "calc/colHesapKalemleri.h"
#include "engine/SharedState.h"
#include "engine/clsHesapAna.h"
#include "file/clsFoyBilgileri.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace quv;

struct Statement {
    QString sql;
    QVariantList parameters;
    bool readsRows;
};

// The replay of one large file already loaded: timeline construction and engine.
void BM_ReplayLargeFile(benchmark::State& state) {
    QTemporaryDir dir;
    auto db = bench::benchDatabase(dir.filePath(QStringLiteral("large.sqlite")));
    bench::largeFile(*db, 1);
    auto errors = std::make_shared<CapturingErrorReporter>();
    shared().setErrorReporter(errors);
    clsHesapAna hesap;
    hesap.setActiveConnection(db);
    auto foy = hesap.TariheGoreHesapla(1, QString(), false, false);
    if (!foy) {
        state.SkipWithError("the large file did not load");
        return;
    }
    for (auto _ : state)
        hesap.IlgiliHesabiCagir(*foy);
    state.counters["timeline_items"] = foy->HesapKalemleri().Count();
    state.counters["errors"] = errors->messages().size();
    shared().reset();
}
BENCHMARK(BM_ReplayLargeFile)->Unit(benchmark::kMillisecond);

// Bulk recalculation with save (TopluFoyGuncelle) over N typical files; the
// "floor" is the same recorded statement sequence run alone.
void bulk(benchmark::State& state, const QString& url) {
    const int files = static_cast<int>(state.range(0));
    auto db = bench::benchDatabase(url);
    bench::typicalFiles(*db, 1, files);
    auto errors = std::make_shared<CapturingErrorReporter>();
    shared().setErrorReporter(errors);
    clsHesapAna hesap;
    hesap.setActiveConnection(db);
    // One pass records the statements (and warms the parameter caches).
    std::vector<Statement> recorded;
    db->setStatementRecorder([&](const QString& sql, const QVariantList& p, bool reads) {
        recorded.push_back({sql, p, reads});
    });
    for (int f = 1; f <= files; ++f)
        hesap.TopluFoyGuncelle(f);
    db->setStatementRecorder({});
    recorded.clear();
    db->setStatementRecorder([&](const QString& sql, const QVariantList& p, bool reads) {
        recorded.push_back({sql, p, reads});
    });
    for (int f = 1; f <= files; ++f)
        hesap.TopluFoyGuncelle(f);
    db->setStatementRecorder({});

    double engineSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        for (int f = 1; f <= files; ++f)
            hesap.TopluFoyGuncelle(f);
        engineSeconds += timer.nsecsElapsed() / 1e9;
        state.PauseTiming();
        timer.restart();
        for (const Statement& s : recorded) {
            if (s.readsRows)
                db->openRecordSet(s.sql, CursorType::ForwardOnly, s.parameters);
            else
                db->execute(s.sql, s.parameters);
        }
        floorSeconds += timer.nsecsElapsed() / 1e9;
        state.ResumeTiming();
    }
    const double passes = static_cast<double>(state.iterations());
    state.SetItemsProcessed(state.iterations() * files);
    state.counters["files_per_s"] = files * passes / engineSeconds;
    state.counters["floor_files_per_s"] = files * passes / floorSeconds;
    state.counters["ratio"] = engineSeconds / floorSeconds;
    state.counters["statements_per_file"] = static_cast<double>(recorded.size()) / files;
    state.counters["errors"] = errors->messages().size();
    shared().reset();
}

void BM_BulkRecalculationSQLite(benchmark::State& state) {
    QTemporaryDir dir;
    bulk(state, dir.filePath(QStringLiteral("bulk.sqlite")));
}
BENCHMARK(BM_BulkRecalculationSQLite)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_BulkRecalculationPostgreSQL(benchmark::State& state) {
    const QString url = qEnvironmentVariable("QUV_BENCH_PG_URL");
    if (url.isEmpty()) {
        state.SkipWithError("QUV_BENCH_PG_URL is not set (make bench starts a private server)");
        return;
    }
    bulk(state, url);
}
BENCHMARK(BM_BulkRecalculationPostgreSQL)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
