#include "measure/SensorValues.h"
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
    const fs::path& Base() const { return base_; }

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

// A laptop's sensors: five hwmon chips with eight temperatures and two fans, four thermal zones,
// a battery and an adapter, an amdgpu card, and /proc/diskstats with a disk, its three
// partitions and eight loop devices.
class SensorLaptop {
public:
    SensorLaptop() {
        const char* home = std::getenv("TRUMBEL_HOME");
        base_ = fs::path(home ? home : fs::temp_directory_path().string()) / "sensor-bench";
        fs::remove_all(base_);
        const auto chip = [&](int n, const char* name, int temps, int fans) {
            const std::string dir = "sys/class/hwmon/hwmon" + std::to_string(n) + "/";
            Write(dir + "name", name);
            for (int t = 1; t <= temps; ++t) {
                Write(dir + "temp" + std::to_string(t) + "_input", "45000");
                Write(dir + "temp" + std::to_string(t) + "_crit", "100000");
            }
            for (int f = 1; f <= fans; ++f) {
                Write(dir + "fan" + std::to_string(f) + "_input", "2400");
            }
        };
        chip(0, "acpitz", 1, 0);
        chip(1, "k10temp", 3, 0);
        chip(2, "nvme", 3, 0);
        chip(3, "amdgpu", 1, 0);
        chip(4, "thinkpad", 0, 2);
        for (int z = 0; z < 4; ++z) {
            const std::string dir = "sys/class/thermal/thermal_zone" + std::to_string(z) + "/";
            Write(dir + "type", z == 0 ? "acpitz" : "iwlwifi_" + std::to_string(z));
            Write(dir + "temp", "41000");
        }
        Write("sys/class/power_supply/AC/type", "Mains");
        Write("sys/class/power_supply/AC/online", "1");
        for (const char* f : {"type Battery", "status Charging", "present 1", "capacity 81",
                              "energy_now 30000000", "energy_full 40000000"}) {
            const std::string line = f;
            Write("sys/class/power_supply/BAT0/" + line.substr(0, line.find(' ')),
                  line.substr(line.find(' ') + 1));
        }
        Write("sys/class/drm/card0/device/gpu_busy_percent", "12");
        Write("sys/class/drm/card0/device/mem_info_vram_used", "536870912");
        Write("sys/class/drm/card0/device/mem_info_vram_total", "2147483648");
        std::string diskstats;
        for (int i = 0; i < 8; ++i) {
            diskstats += "7 " + std::to_string(i) + " loop" + std::to_string(i) +
                         " 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n";
        }
        diskstats += "259 0 nvme0n1 284519 30906 12255306 639329 171651 210156 119512912 764636 "
                     "0 170944 1444673 136159 72 108804848 38957 8860 1750\n";
        for (int p = 1; p <= 3; ++p) {
            Write("sys/class/block/nvme0n1p" + std::to_string(p) + "/partition", std::to_string(p));
            diskstats += "259 " + std::to_string(p) + " nvme0n1p" + std::to_string(p) +
                         " 1000 0 8000 10 2000 0 16000 20 0 30 30 0 0 0 0 0 0\n";
        }
        Write("proc/diskstats", diskstats);
    }
    ~SensorLaptop() { fs::remove_all(base_); }
    SourceRoots Roots() const { return {(base_ / "proc").string(), (base_ / "sys").string()}; }
    const fs::path& Base() const { return base_; }

private:
    void Write(const std::string& rel, const std::string& text) {
        fs::create_directories((base_ / rel).parent_path());
        std::ofstream(base_ / rel, std::ios::trunc) << text << '\n';
    }
    fs::path base_;
};

// One pass of the sensor readers and computers over the laptop: every family (0), or one.
void BM_SensorPass_Laptop(benchmark::State& state) {
    SensorLaptop laptop;
    SensorFamilies wanted;
    const auto family = state.range(0);
    wanted.temperatures = family == 0 || family == 1;
    wanted.fans = family == 0 || family == 2;
    wanted.disks = family == 0 || family == 3;
    wanted.powerSupplies = family == 0 || family == 4;
    wanted.gpus = family == 0 || family == 5;
    SensorMeasure sensors(laptop.Roots(), wanted);
    sensors.Pass(500, {});
    for (auto _ : state) {
        sensors.Pass(500, {});
    }
    std::size_t devices = 0;
    for (int k = 0; k < kSensorKindCount; ++k) {
        devices += sensors.Devices(static_cast<SensorKind>(k)).size();
    }
    state.counters["devices"] = static_cast<double>(devices);
}
BENCHMARK(BM_SensorPass_Laptop)->ArgName("family")->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

// A strip's whole measuring pass on the laptop (2 processors, 4 interfaces, its sensors) with
// the default layout (0), and with a temperature and a disk-write slot added (1): what showing
// sensors adds to every tick. The first pass reads the families and lists the devices.
void BM_RefreshParam_LaptopStrip(benchmark::State& state) {
    SyntheticMachine machine(2, 4);
    const SensorLaptop laptop;
    fs::copy(laptop.Base(), machine.Base(),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    Settings settings;
    if (state.range(0) != 0) {
        settings.kind[0][2] = 9;  // temperature
        settings.kind[0][3] = 12; // disk write
    }
    SystemInfoEnvironment env;
    env.roots = machine.Roots();
    SystemInfo info(settings, env);
    info.RefreshParam(0);
    for (auto _ : state) {
        state.PauseTiming();
        machine.Advance();
        state.ResumeTiming();
        info.RefreshParam(0);
    }
    state.counters["sensors"] = info.Sensors() ? 1 : 0;
}
BENCHMARK(BM_RefreshParam_LaptopStrip)
    ->ArgName("sensors")
    ->DenseRange(0, 1)
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace trumbel

BENCHMARK_MAIN();
