#include "measure/SystemInfo.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

// A machine of `cpus` processors and `interfaces` interfaces as /proc and /sys trees.
class SyntheticMachine {
public:
    SyntheticMachine(int cpus, int interfaces) : cpus_(cpus), interfaces_(interfaces) {
        const char* home = std::getenv("TRUMBEL_HOME");
        base_ = fs::path(home ? home : fs::temp_directory_path().string()) /
                ("measure-bench-" + std::to_string(cpus) + "-" + std::to_string(interfaces));
        fs::remove_all(base_);
        fs::create_directories(base_ / "proc/net");
        fs::create_directories(base_ / "proc/self");
        Write("proc/meminfo", "MemTotal: 263856512 kB\nMemFree: 200000000 kB\n"
                              "MemAvailable: 240000000 kB\nSwapTotal: 8388604 kB\n"
                              "SwapFree: 8388604 kB\n");
        Write("proc/self/mountinfo", "21 1 8:2 / / rw - ext4 /dev/sda2 rw\n");
        for (int i = 0; i < interfaces_; ++i) {
            const fs::path dir = base_ / "sys/class/net" / Name(i);
            fs::create_directories(dir);
            std::ofstream(dir / "ifindex") << i + 1 << '\n';
            std::ofstream(dir / "type") << (i == 0 ? 772 : 1) << '\n';
            std::ofstream(dir / "operstate") << (i == 0 ? "unknown" : "up") << '\n';
            std::ofstream(dir / "flags") << "0x1003\n";
        }
        Advance();
    }
    ~SyntheticMachine() { fs::remove_all(base_); }

    SourceRoots Roots() const { return {(base_ / "proc").string(), (base_ / "sys").string()}; }

    // Every processor and interface moves on, as between two real passes.
    void Advance() {
        ++step_;
        std::string stat = "cpu  0 0 0 0 0 0 0 0 0 0\n";
        for (int i = 0; i < cpus_; ++i) {
            stat += "cpu" + std::to_string(i) + " " + std::to_string(1000 + 30 * step_) + " 0 " +
                    std::to_string(500 + 10 * step_) + " " + std::to_string(8000 + 10 * step_) +
                    " 7 0 3 0 0 0\n";
        }
        stat += "intr 123456789 1 2 3 4 5 6 7 8 9\nctxt 1\nbtime 1\nprocesses 1\n";
        Write("proc/stat", stat);
        std::string dev = "Inter-| Receive | Transmit\n face |bytes packets|bytes packets\n";
        for (int i = 0; i < interfaces_; ++i) {
            dev += "  " + Name(i) + ": " + std::to_string(1000000 + 5000 * step_ * (i + 1)) +
                   " 10 0 0 0 0 0 0 " + std::to_string(500000 + 2000 * step_) + " 10 0 0 0 0 0 0\n";
        }
        Write("proc/net/dev", dev);
    }

private:
    static std::string Name(int i) { return i == 0 ? "lo" : "eth" + std::to_string(i - 1); }
    void Write(const std::string& rel, const std::string& text) {
        std::ofstream(base_ / rel, std::ios::trunc) << text;
    }

    fs::path base_;
    int cpus_;
    int interfaces_;
    long step_ = 0;
};

void BM_RefreshParam_ThisMachine(benchmark::State& state) {
    Settings settings;
    SystemInfo info(settings);
    info.RefreshParam(0);
    for (auto _ : state) {
        info.RefreshParam(0);
    }
    state.counters["cpus"] = info.CPUNum();
    state.counters["interfaces"] = info.GetNetWorkNum();
}
BENCHMARK(BM_RefreshParam_ThisMachine)->Unit(benchmark::kMicrosecond);

enum class Between { Rewrite, Nothing };

// With Rewrite the files change between passes (timer stopped), so every pass does the full
// work; with Nothing processors see empty intervals and interfaces no traffic.
void RefreshSynthetic(benchmark::State& state, Between between) {
    SyntheticMachine machine(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    Settings settings;
    SystemInfoEnvironment env;
    env.roots = machine.Roots();
    SystemInfo info(settings, env);
    info.RefreshParam(0);
    for (auto _ : state) {
        if (between == Between::Rewrite) {
            state.PauseTiming();
            machine.Advance();
            state.ResumeTiming();
        }
        info.RefreshParam(0);
    }
}

void BM_RefreshParam_Synthetic(benchmark::State& state) {
    RefreshSynthetic(state, Between::Rewrite);
}
BENCHMARK(BM_RefreshParam_Synthetic)
    ->ArgNames({"cpus", "ifs"})
    ->Args({2, 4})
    ->Args({16, 8})
    ->Args({64, 32})
    ->Args({128, 64})
    ->Unit(benchmark::kMicrosecond);

void BM_RefreshParam_SyntheticStill(benchmark::State& state) {
    RefreshSynthetic(state, Between::Nothing);
}
BENCHMARK(BM_RefreshParam_SyntheticStill)
    ->ArgNames({"cpus", "ifs"})
    ->Args({2, 4})
    ->Args({64, 32})
    ->Unit(benchmark::kMicrosecond);

void BM_DiskFree_Root(benchmark::State& state) {
    Settings settings;
    SystemInfo info(settings);
    for (auto _ : state) {
        benchmark::DoNotOptimize(info.GetSystemValue(kParamDisk, 0, kShowFree));
    }
}
BENCHMARK(BM_DiskFree_Root)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace trumbel

BENCHMARK_MAIN();
