#include "base/Ui.h"
#include "settings/IniFile.h"
#include "settings/SettingsEnvironment.h"
#include "settings/SettingsStore.h"
#include "base/TextEncoding.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace trumbel {
namespace {

// A program folder in TRUMBEL_HOME (or /tmp) with four network devices, the machine the
// figures were taken on; the record holds every container and eight tray icons.
class Rig {
public:
    Rig()
        : folder_(MakeFolder()), environment_(ui_, folder_, "bench"),
          store_(settings_, environment_) {
        environment_.deviceCount = [] { return 4; };
        environment_.deviceName = [](int i) { return "eth" + std::to_string(i); };
        settings_.deviceLimits.resize(4);
        for (auto& d : settings_.deviceLimits) {
            d.receive = {{1, 2}, {125000.5f, 1e6f}, 98765.43f};
            d.send = {{0, 1}, {0.0f, 2.5e7f}, 1.0f / 3.0f};
        }
        settings_.skinFolder = folder_;
        settings_.containerCount = 10;
        settings_.trayIconCount = 8;
        settings_.snapTitles = {"Dammy", "Firefox", "端末"};
        store_.ResetLayout();
    }
    ~Rig() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    Rig(const Rig&) = delete;
    Rig& operator=(const Rig&) = delete;

    SettingsStore& store() { return store_; }
    RecordingUi& ui() { return ui_; }
    std::string path() const { return store_.SettingsFilePath(); }

private:
    static std::string MakeFolder() {
        const char* home = std::getenv("TRUMBEL_HOME");
        std::string pattern = std::string(home && *home ? home : "/tmp/") + "settings-bench-XXXXXX";
        std::filesystem::create_directories(std::filesystem::path(pattern).parent_path());
        if (!::mkdtemp(pattern.data())) {
            std::abort();
        }
        return pattern + "/";
    }

    std::string folder_;
    RecordingUi ui_;
    FunctionalSettingsEnvironment environment_;
    Settings settings_;
    SettingsStore store_;
};

void BM_SettingsText(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rig.store().SettingsText());
    }
}
BENCHMARK(BM_SettingsText);

void BM_ParseSettingsText(benchmark::State& state) {
    Rig rig;
    const std::string text = rig.store().SettingsText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(IniDocument::Parse(text));
    }
}
BENCHMARK(BM_ParseSettingsText);

// A file written on Windows: the UTF-8 check fails and the CP932 decoder runs.
void BM_DecodeShiftJisFile(benchmark::State& state) {
    Rig rig;
    const std::string bytes = Utf8ToCp932(rig.store().SettingsText());
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeFileText(bytes));
    }
}
BENCHMARK(BM_DecodeShiftJisFile);

// The read at start: file, decoding, every key, the skin's styles for 40 slots.
void BM_LoadSettings(benchmark::State& state) {
    Rig rig;
    if (!rig.store().SaveSettings(rig.path()).ok) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    for (auto _ : state) {
        rig.store().LoadSettings(rig.path(), LoadMode::Startup);
    }
    if (!rig.ui().shown.empty()) {
        state.SkipWithError("the read showed a message box");
    }
}
BENCHMARK(BM_LoadSettings);

// The write at exit: temporary file, fsync, backup, rename, folder sync; wall time counts.
void BM_SaveSettings(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        if (!rig.store().SaveSettings(rig.path()).ok) {
            state.SkipWithError("cannot write the settings file");
            return;
        }
    }
}
BENCHMARK(BM_SaveSettings)->UseRealTime();

} // namespace
} // namespace trumbel

BENCHMARK_MAIN();
