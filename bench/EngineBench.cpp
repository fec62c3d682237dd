// The calculation's speed: one large file replayed in memory, and the bulk
// recalculation with save against the time the same SQL statements take alone.

#include "BenchData.h"

#include "calc/colHesapKalemleri.h"
#include "engine/RecordSet.h"
#include "engine/SharedState.h"
#include "engine/Variant.h"
#include "engine/clsHesapAna.h"
#include "file/clsFoyBilgileri.h"
#include "tools/TopluFoyGuncelleyici.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <thread>

extern char** environ;

namespace {

using namespace quv;

QStringList& oranlar() {
    static QStringList liste;
    return liste;
}

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

// The office-scale figures: N typical files (codes from kIlkFoy on, beside the demo's),
// recalculated with save by the facade file by file (TopluFoyGuncelle), by the bulk update
// in this process (a block's reads at once, a block's rows written together), and by the
// command line with 1 or 2 worker processes. Each figure has its floor: the statements the
// run sent, recorded and replayed alone (with two workers, each worker's statements on a
// connection of its own, side by side).
constexpr int kIlkFoy = 100001;

// One run of `quvhesap batch --hesap` on the database: seconds taken and the peak memory
// of the program in MiB (of the first process only: with workers, of the one that waits).
std::pair<double, double> komutSatiri(const QString& url, int isler) {
    QList<QByteArray> argumanlar = {
        QByteArrayLiteral(QUV_CLI), "batch", "--db", url.toUtf8(), "--hesap", "--jobs",
        QByteArray::number(isler)};
    std::vector<char*> argv;
    for (QByteArray& a : argumanlar)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t eylemler;
    posix_spawn_file_actions_init(&eylemler);
    posix_spawn_file_actions_addopen(&eylemler, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&eylemler, 2, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &eylemler, nullptr, argv.data(), environ) != 0)
        return {-1, 0};
    posix_spawn_file_actions_destroy(&eylemler);
    // The peak is the program's own high-water mark (VmHWM), read while it runs: the
    // rusage of a spawned child also counts this process's size from before the exec.
    // Between two readings the wait ends as soon as the program does (its pidfd), so the
    // time is the program's, not rounded up to the next reading.
    int durum = 0;
    double enCok = 0;
    const QString durumDosyasi = QStringLiteral("/proc/%1/status").arg(pid);
    const int bitis = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    while (waitpid(pid, &durum, WNOHANG) == 0) {
        QFile f(durumDosyasi);
        if (f.open(QIODevice::ReadOnly))
            for (const QByteArray& satir : f.readAll().split('\n'))
                if (satir.startsWith("VmHWM:"))
                    enCok = std::max(enCok, satir.mid(6).trimmed().split(' ').value(0).toDouble());
        if (bitis >= 0) {
            pollfd p{bitis, POLLIN, 0};
            poll(&p, 1, 20);
        } else
            QThread::msleep(20);
    }
    if (bitis >= 0)
        close(bitis);
    const double saniye = timer.nsecsElapsed() / 1e9;
    if (!WIFEXITED(durum) || WEXITSTATUS(durum) != 0)
        return {-1, 0};
    return {saniye, enCok / 1024.0};
}

// Processor seconds (user and system) of this process, or of its children waited for.
double islemciSuresi(int kimin) {
    rusage r{};
    getrusage(kimin, &r);
    return static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
           static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e6;
}

// The middle value (the mean of the two middle ones for an even count).
double ortanca(std::vector<double> degerler) {
    std::sort(degerler.begin(), degerler.end());
    const size_t n = degerler.size();
    return n == 0 ? 0 : n % 2 ? degerler[n / 2] : (degerler[n / 2 - 1] + degerler[n / 2]) / 2;
}

// Each recorded sequence replayed on its own connection, all at once; seconds taken.
double taban(const QString& url, const std::vector<std::vector<Statement>>& paylar) {
    QElapsedTimer timer;
    timer.start();
    std::vector<std::thread> isler;
    for (const std::vector<Statement>& pay : paylar)
        isler.emplace_back([&url, &pay, yanYana = paylar.size() > 1] {
            auto db = Database::open(url, Database::OpenMode::MustExist);
            const bool sqlite = db->backend() == Backend::SQLite;
            for (const Statement& s : pay) {
                // The run's record table is made once, not for each replay.
                if (s.sql.startsWith(QLatin1String("create "), Qt::CaseInsensitive))
                    continue;
                if (s.readsRows)
                    db->openRecordSet(s.sql, CursorType::ForwardOnly, s.parameters);
                else if (sqlite && yanYana && s.sql == QLatin1String("BEGIN"))
                    // Writers side by side on SQLite take the write lock at once, as the
                    // workers do.
                    db->execute(QStringLiteral("BEGIN IMMEDIATE"));
                else
                    db->execute(s.sql, s.parameters);
            }
        });
    for (std::thread& t : isler)
        t.join();
    return timer.nsecsElapsed() / 1e9;
}

// Arguments: the number of files; the way: 0 the facade file by file, 1 the bulk update in
// this process, 2 and 3 the command line with 1 and 2 workers.
void bulk(benchmark::State& state, const QString& url) {
    const int files = static_cast<int>(state.range(0));
    const int yol = static_cast<int>(state.range(1));
    auto db = bench::benchDatabase(url);
    bench::typicalFiles(*db, kIlkFoy, files);
    // A server keeps its tables' statistics up to date by itself (autovacuum), a while
    // after a load like this one: the runs are measured on the settled plans, not on
    // whichever the statistics of the moment give.
    if (db->backend() == Backend::PostgreSQL)
        db->execute(QStringLiteral("ANALYZE"));
    auto errors = std::make_shared<CapturingErrorReporter>();
    shared().setErrorReporter(errors);
    clsHesapAna hesap;
    hesap.setActiveConnection(db);
    const int isler = yol == 3 ? 2 : 1;
    auto guncelle = [&](clsHesapAna& h, int parca) {
        TopluFoyGuncelleyici g(h);
        g.Kriterler.FoyKoduOp = QStringLiteral(">=");
        g.Kriterler.FoyKodu1 = QString::number(kIlkFoy);
        g.Kriterler.HesapBilgileriniGunle = true;
        g.ParcaNo = parca;
        g.ParcaSayisi = isler;
        g.EsZamanliYazicilar = isler > 1;
        // The recorded run reads ahead and writes behind as the measured one does.
        g.OndenOku = TopluFoyGuncelleyici::OndenOkumaUygun(isler);
        g.ArkadaYaz = g.OndenOku;
        g.Calistir();
    };
    auto pass = [&] {
        if (yol == 0) {
            for (int f = kIlkFoy; f < kIlkFoy + files; ++f)
                hesap.TopluFoyGuncelle(f);
            return;
        }
        guncelle(hesap, 1);
    };
    // One pass records the statements (and warms the parameter caches). Each worker of
    // the command line sends its own slice's statements, having loaded the tariffs and
    // tables itself: with two, each slice is recorded from a fresh start.
    std::vector<std::vector<Statement>> recorded(static_cast<size_t>(isler));
    auto kaydet = [&](std::vector<Statement>& hedef) {
        db->setStatementRecorder([&hedef](const QString& sql, const QVariantList& p, bool reads) {
            hedef.push_back({sql, p, reads});
        });
    };
    if (isler > 1)
        for (int parca = 1; parca <= isler; ++parca) {
            clsHesapAna isci;
            isci.setActiveConnection(db);
            kaydet(recorded[static_cast<size_t>(parca - 1)]);
            guncelle(isci, parca);
        }
    else {
        kaydet(recorded[0]);
        pass();
    }
    db->setStatementRecorder({});
    size_t kayitlar = 0;
    for (const std::vector<Statement>& pay : recorded)
        kayitlar += pay.size();
    std::vector<double> engineSeconds;
    std::vector<double> floorSeconds;
    // Processor time of each run and of its floor: where both keep the two processors busy
    // (two workers, two connections side by side) the time follows the processor time.
    std::vector<double> engineCpu;
    std::vector<double> floorCpu;
    // A set-based run takes well under a second, short beside this machine's swings (its
    // speed changes from one minute to the next): it is measured five times, each run
    // followed at once by its floor, and each figure is the median. File by file takes
    // minutes.
    const int tekrar = yol == 0 ? 1 : 5;
    for (auto _ : state) {
        for (int t = 0; t < tekrar; ++t) {
            const int kimin = yol >= 2 ? RUSAGE_CHILDREN : RUSAGE_SELF;
            const double islemci = islemciSuresi(kimin);
            if (yol >= 2) {
                // The command line runs every file of the database, the demo's as well:
                // the figures count all of them.
                const double saniye = komutSatiri(url, isler).first;
                if (saniye < 0) {
                    state.SkipWithError("quvhesap batch failed");
                    return;
                }
                engineSeconds.push_back(saniye);
            } else {
                QElapsedTimer timer;
                timer.start();
                pass();
                engineSeconds.push_back(timer.nsecsElapsed() / 1e9);
            }
            engineCpu.push_back(islemciSuresi(kimin) - islemci);
            state.PauseTiming();
            const double tabanIslemci = islemciSuresi(RUSAGE_SELF);
            floorSeconds.push_back(taban(url, recorded));
            floorCpu.push_back(islemciSuresi(RUSAGE_SELF) - tabanIslemci);
            state.ResumeTiming();
        }
    }
    const double hepsi =
        yol >= 2
            ? toInt32(db->openRecordSet(QStringLiteral("select count(*) from tblfoy")).value(0))
            : files;
    // The ratio of each run to its own floor, measured a moment apart.
    std::vector<double> ciftler;
    std::vector<double> islemciCiftleri;
    for (size_t t = 0; t < engineSeconds.size(); ++t) {
        ciftler.push_back((engineSeconds[t] / hepsi) / (floorSeconds[t] / files));
        islemciCiftleri.push_back((engineCpu[t] / hepsi) / (floorCpu[t] / files));
    }
    state.counters["files_per_s"] = hepsi / ortanca(engineSeconds);
    state.counters["floor_files_per_s"] = files / ortanca(floorSeconds);
    state.counters["ratio"] = ortanca(ciftler);
    state.counters["cpu_ratio"] = ortanca(islemciCiftleri);
    state.counters["statements_per_file"] = static_cast<double>(kayitlar) / files;
    state.counters["errors"] = errors->messages().size();
    // On SQLite the statements run in the measured processes, and the ratio of processor
    // times is given beside (a server's processor time is not seen from here).
    const bool sunucu = db->backend() == Backend::PostgreSQL;
    oranlar().push_back(QStringLiteral("%1 %2: %3%4")
                            .arg(sunucu ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite"))
                            .arg(yol == 0   ? QStringLiteral("dosya dosya")
                                 : yol == 1 ? QStringLiteral("küme, tek süreç")
                                            : QStringLiteral("batch, %1 iş").arg(isler))
                            .arg(state.counters["ratio"].value, 0, 'f', 2)
                            .arg(sunucu ? QString()
                                        : QStringLiteral(" (işlemci %1)")
                                              .arg(state.counters["cpu_ratio"].value, 0, 'f', 2)));
    shared().reset();
}

void BM_BulkRecalculationSQLite(benchmark::State& state) {
    QTemporaryDir dir;
    bulk(state, dir.filePath(QStringLiteral("bulk.sqlite")));
}
BENCHMARK(BM_BulkRecalculationSQLite)
    ->ArgsProduct({{10000}, {0, 1, 2, 3}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

void BM_BulkRecalculationPostgreSQL(benchmark::State& state) {
    const QString url = qEnvironmentVariable("QUV_BENCH_PG_URL");
    if (url.isEmpty()) {
        state.SkipWithError("QUV_BENCH_PG_URL is not set (make bench starts a private server)");
        return;
    }
    bulk(state, url);
}
BENCHMARK(BM_BulkRecalculationPostgreSQL)
    ->ArgsProduct({{10000}, {0, 1, 2, 3}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The peak memory of `quvhesap batch --hesap` (one process) over 10,000 and 100,000 files:
// bounded by the block, not by the number of files.
void BM_BulkPeakMemory(benchmark::State& state) {
    QTemporaryDir dir;
    const QString url = dir.filePath(QStringLiteral("bellek.sqlite"));
    {
        auto db = bench::benchDatabase(url);
        bench::typicalFiles(*db, kIlkFoy, static_cast<int>(state.range(0)));
    }
    double bellek = 0;
    for (auto _ : state) {
        const auto [saniye, mib] = komutSatiri(url, 1);
        if (saniye < 0) {
            state.SkipWithError("quvhesap batch failed");
            return;
        }
        bellek = mib;
        state.counters["files_per_s"] = state.range(0) / saniye;
    }
    state.counters["peak_MiB"] = bellek;
    oranlar().push_back(
        QStringLiteral("bellek %1 föy: %2 MiB").arg(state.range(0)).arg(bellek, 0, 'f', 1));
    shared().reset();
}
BENCHMARK(BM_BulkPeakMemory)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

// The benchmarks, then one line with every run's time against its floor.
int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!oranlar().isEmpty())
        std::printf("Oranlar (süre / taban): %s\n",
                    oranlar().join(QStringLiteral("; ")).toUtf8().constData());
    return 0;
}
