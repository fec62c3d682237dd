// The calculation's speed: one large file replayed in memory, and the bulk
// recalculation with save against the time the same SQL statements take alone.

#include "BenchData.h"

#include "calc/colHesapKalemleri.h"
#include "engine/SharedState.h"
#include "engine/clsHesapAna.h"
#include "file/clsFoyBilgileri.h"
#include "tools/TopluFoyGuncelleyici.h"

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

// Bulk recalculation with save over N typical files, by the facade file by file
// (TopluFoyGuncelle) or by the bulk update with a block's reads at once; the "floor" is
// the same recorded statement sequence run alone.
void bulk(benchmark::State& state, const QString& url, bool kume) {
    const int files = static_cast<int>(state.range(0));
    auto db = bench::benchDatabase(url);
    bench::typicalFiles(*db, 1, files);
    auto errors = std::make_shared<CapturingErrorReporter>();
    shared().setErrorReporter(errors);
    clsHesapAna hesap;
    hesap.setActiveConnection(db);
    auto pass = [&] {
        if (!kume) {
            for (int f = 1; f <= files; ++f)
                hesap.TopluFoyGuncelle(f);
            return;
        }
        TopluFoyGuncelleyici g(hesap);
        g.Kriterler.HesapBilgileriniGunle = true;
        g.Calistir();
    };
    // One pass warms the parameter caches; the next records the statements.
    pass();
    std::vector<Statement> recorded;
    db->setStatementRecorder([&](const QString& sql, const QVariantList& p, bool reads) {
        recorded.push_back({sql, p, reads});
    });
    pass();
    db->setStatementRecorder({});

    double engineSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        pass();
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

// Arguments: the number of files, then 0 for the file-by-file path, 1 for block reads.
void BM_BulkRecalculationSQLite(benchmark::State& state) {
    QTemporaryDir dir;
    bulk(state, dir.filePath(QStringLiteral("bulk.sqlite")), state.range(1) != 0);
}
BENCHMARK(BM_BulkRecalculationSQLite)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMillisecond);

void BM_BulkRecalculationPostgreSQL(benchmark::State& state) {
    const QString url = qEnvironmentVariable("QUV_BENCH_PG_URL");
    if (url.isEmpty()) {
        state.SkipWithError("QUV_BENCH_PG_URL is not set (make bench starts a private server)");
        return;
    }
    bulk(state, url, state.range(1) != 0);
}
BENCHMARK(BM_BulkRecalculationPostgreSQL)
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
