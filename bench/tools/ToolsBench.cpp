#include "tools/dorvik/Search.h"
#include "tools/pelmin/Addresses.h"
#include "tools/sumora/Calculator.h"
#include "tools/sumora/Evaluator.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// One user's expression, from the text to the written result.
void BM_SumoraCalculate(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            sumora::Calculate("sin(30deg)*2^10 + log10(1000) - (7\\2) mod 3 + Sqr(pi)"));
}
BENCHMARK(BM_SumoraCalculate);

void BM_SumoraFormatDouble(benchmark::State& state) {
    double v = 1.0 / 3.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sumora::FormatDouble(v));
        v *= 1.0000001;
    }
}
BENCHMARK(BM_SumoraFormatDouble);

// An echo page of the given size with a few addresses spread through it.
void BM_PelminFindAddresses(benchmark::State& state) {
    std::string body = "<html><body>";
    while (body.size() < static_cast<std::size_t>(state.range(0)))
        body += "<p>Current IP Address: 203.0.113.7, version 1.2.3, 2024-01-01</p>\n";
    body += "</body></html>";
    for (auto _ : state)
        benchmark::DoNotOptimize(pelmin::FindAddresses(body));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * body.size()));
}
BENCHMARK(BM_PelminFindAddresses)->Arg(1 << 10)->Arg(64 << 10);

void BM_DorvikBuildUrl(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(
            dorvik::BuildUrl(dorvik::Target::It, "ロックンロール & blues", dorvik::FullText::On));
}
BENCHMARK(BM_DorvikBuildUrl);

} // namespace

BENCHMARK_MAIN();
