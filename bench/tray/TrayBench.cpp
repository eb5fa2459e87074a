#include "tray/TrayIcons.h"
#include "tray/TrayImages.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <utility>

namespace trumbel {
namespace {

// An icon that only keeps what it was given, so the benchmark times the tray's own work.
class KeepingIcon final : public TaskIcon {
public:
    bool CreateTrayIcon(int, const TrayIconHandle& icon, const std::string& tip) override {
        shown_ = true;
        return Keep(icon, tip);
    }
    bool ChangeTrayIcon(const TrayIconHandle& icon, const std::string& tip) override {
        return shown_ && Keep(icon, tip);
    }
    bool DeleteTrayIcon() override { return std::exchange(shown_, false); }
    bool ShowBalloonToolTip(const std::string&, int, const std::string&, int,
                            EraseBeforeBalloon) override {
        return shown_;
    }
    bool DeleteBalloonToolTip() override { return shown_; }
    bool IconShown() const override { return shown_; }

private:
    bool Keep(const TrayIconHandle& icon, const std::string& tip) {
        image_ = icon;
        tip_ = tip;
        return true;
    }
    bool shown_ = false;
    TrayIconHandle image_;
    std::string tip_;
};

class KeepingHost final : public TaskIconHost {
public:
    std::unique_ptr<TaskIcon> MakeIcon() override { return std::make_unique<KeepingIcon>(); }
    TrayIconHandle Symbol() override { return {}; }
    bool TrayAvailable() const override { return true; }
};

StripPixels Strip() {
    StripPixels s;
    s.width = 96;
    s.height = 16;
    s.pixels.assign(96 * 16, 0x336699u);
    return s;
}

TraySourceHooks Source(int& percent) {
    TraySourceHooks h;
    h.standardStyle = [](int p) { return p == 2 ? 5 : 2; };
    h.standardDigitStyle = [](int p) { return p < 4 ? 3 : 0; };
    h.systemValue = [](int p, int d, int f) { return 1000.0 * (p + 1) + 10.0 * d + f; };
    h.persent = [&percent](int, int, PercentBasis) { return percent; };
    h.transParam = [](float v) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%.4gK", static_cast<double>(v) / 1024);
        return std::string(buf);
    };
    h.defaultStrip = [] { return Strip(); };
    return h;
}

// The refresh tick's tray step with all eight icons shown: pick an image, make the tooltip.
void BM_RefreshEightIcons(benchmark::State& state) {
    Settings settings;
    settings.trayIconCount = kTrayIconMax;
    for (int n = 1; n <= kTrayIconMax; ++n) {
        settings.trayIcons[static_cast<std::size_t>(n)] = {static_cast<std::int16_t>(n - 1), 0};
    }
    bool noBalloon = false;
    std::string folder = "/opt/velquor/";
    RecordingUi ui;
    KeepingHost host;
    int percent = 0;
    const TraySourceHooks source = Source(percent);
    TrayIcons tray(settings, noBalloon, folder, ui, host, source);
    tray.CreateIconObjects();
    for (int n = 1; n <= kTrayIconMax; ++n) {
        tray.CreateIcon(n);
    }
    for (auto _ : state) {
        percent = (percent + 7) % 101;
        for (int n = 1; n <= kTrayIconMax; ++n) {
            tray.UpdateIcon(n);
        }
    }
}
BENCHMARK(BM_RefreshEightIcons);

// Composing one icon's fifteen images, as on creation or after a settings change.
void BM_ComposeTrayImages(benchmark::State& state) {
    const StripPixels strip = Strip();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ComposeTrayImages(strip.View(), 4, kStripUsedOffset));
    }
}
BENCHMARK(BM_ComposeTrayImages);

} // namespace
} // namespace trumbel

BENCHMARK_MAIN();
