// The skin window's periodic work: the visibility poll (every 200 ms) and the auto-snap poll
// (every second), the latter with the X server's window list when a display is there.
#include "core/AutoSnap.h"
#include "core/WindowBehaviour.h"
#include "platform/X11Desktop.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>
#include <xcb/xcb.h>

namespace trumbel {
namespace {

std::vector<TopLevelWindow> Windows(int n) {
    std::vector<TopLevelWindow> out;
    for (int i = 0; i < n; ++i) {
        TopLevelWindow w;
        w.id = static_cast<WindowId>(1000 + i);
        w.title = "Document " + std::to_string(i) + " - Some Editor With A Long Window Title";
        w.className = "Editor";
        w.visible = true;
        w.normalState = true;
        w.frame = {10 * i, 10 * i, 10 * i + 800, 10 * i + 600};
        out.push_back(std::move(w));
    }
    return out;
}

// Mode 2 with three patterns that match nothing: every title is scanned for every pattern.
void BM_FindSnapTarget_NoMatch(benchmark::State& state) {
    Settings s;
    s.autoSnapMode = 2;
    s.snapTitles = {"Dammy", "Terminal", "Mail*Inbox", "Browser"};
    const std::vector<TopLevelWindow> windows = Windows(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(FindSnapTarget(s, windows, 0, 1));
    }
}
BENCHMARK(BM_FindSnapTarget_NoMatch)->Arg(20)->Arg(200);

void BM_DecideVisibility(benchmark::State& state) {
    Settings s;
    s.hideOnMouseOver = true;
    VisibilityInputs in{{false, true, false}, {150, 110}, {100, 100, 260, 118}, false, false};
    VisibilityState st;
    for (auto _ : state) {
        const VisibilityDecision d = DecideVisibility(s, st, in);
        st = d.state;
        benchmark::DoNotOptimize(st);
    }
}
BENCHMARK(BM_DecideVisibility);

// One auto-snap enumeration against the running X server and window manager.
void BM_X11TopLevelWindows(benchmark::State& state) {
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c) != 0) {
        xcb_disconnect(c);
        state.SkipWithError("no X display ($DISPLAY)");
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&it);
    }
    {
        X11Desktop desktop(c, it.data->root);
        std::size_t count = 0;
        for (auto _ : state) {
            const std::vector<TopLevelWindow> w = desktop.TopLevelWindows();
            count = w.size();
            benchmark::DoNotOptimize(w.data());
        }
        state.counters["windows"] = static_cast<double>(count);
    }
    xcb_disconnect(c);
}
BENCHMARK(BM_X11TopLevelWindows)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace trumbel
