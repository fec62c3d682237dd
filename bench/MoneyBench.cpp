#include "engine/Money.h"
#include "engine/NumberFormat.h"

#include <benchmark/benchmark.h>

namespace {

using quv::Money;

// Interest-style products: money times a rate fraction, back to money.
void BM_MoneyTimesRate(benchmark::State& state) {
    Money principal = Money::parse(QStringLiteral("125000.75"));
    double factor = 24.0f / 100.0 * 31.0 / 365.0;
    for (auto _ : state) {
        Money interest = principal.times(factor);
        benchmark::DoNotOptimize(interest);
    }
}
BENCHMARK(BM_MoneyTimesRate);

void BM_MoneyProduct(benchmark::State& state) {
    Money a = Money::parse(QStringLiteral("125000.7531"));
    Money b = Money::parse(QStringLiteral("27.1234"));
    for (auto _ : state)
        benchmark::DoNotOptimize(a * b);
}
BENCHMARK(BM_MoneyProduct);

void BM_FormatTurkish(benchmark::State& state) {
    Money a = Money::parse(QStringLiteral("1234567.8912"));
    for (auto _ : state)
        benchmark::DoNotOptimize(quv::formatNumber(a, quv::FormatMoney));
}
BENCHMARK(BM_FormatTurkish);

}  // namespace
