#include "remote/NodeMetrics.h"
#include "remote/RemoteHost.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace trumbel {
namespace {

// A real exporter's reply, saved by scrape_cost.sh; every figure is per reply.
const std::string& Reply() {
    static const std::string body = [] {
        const char* path = std::getenv("TRUMBEL_SCRAPE_REPLY");
        std::ifstream in(path ? path : "");
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }();
    return body;
}

bool HaveReply(benchmark::State& state) {
    if (Reply().empty())
        state.SkipWithError("TRUMBEL_SCRAPE_REPLY names no saved reply (run scrape_cost.sh)");
    return !Reply().empty();
}

void BM_ReadNodeMetrics(benchmark::State& state) {
    if (!HaveReply(state))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadNodeMetrics(Reply()));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Reply().size()));
}
BENCHMARK(BM_ReadNodeMetrics);

// What the strip does with each reply: the parse, the rates and the devices.
void BM_AcceptReply(benchmark::State& state) {
    if (!HaveReply(state))
        return;
    Settings settings;
    RemoteHostValues values(settings);
    std::int64_t nowMs = 0;
    for (auto _ : state) {
        nowMs += 2000;
        benchmark::DoNotOptimize(values.Accept(Reply(), nowMs));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(Reply().size()));
}
BENCHMARK(BM_AcceptReply);

} // namespace
} // namespace trumbel

BENCHMARK_MAIN();
