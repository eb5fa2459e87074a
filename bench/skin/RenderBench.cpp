// DrawSkin on the built-in skins with a fixed measurement, and a whole refresh tick: the live
// measurement pass, the composition and the presentation in the Qt window (offscreen platform).

#include "core/qt/SkinWindow.h"
#include "gfx/qt/BitmapImage.h"
#include "measure/SystemMeasure.h"
#include "skin/SystemInfoView.h"
#include "tests/skin/BuiltInRig.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

using namespace trumbel;
using namespace trumbel::test;

void BM_DrawSkinDefaultLayout(benchmark::State& state) {
    BuiltInRig rig(static_cast<BuiltIn>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        rig.renderer.DrawSkin();
    }
    benchmark::DoNotOptimize(rig.renderer.WindowPicture().pixels.data());
    state.SetLabel(std::string(state.range(0) == 0 ? "horizontal" : "vertical") +
                   (state.range(1) ? " 2x" : " 1x"));
}
BENCHMARK(BM_DrawSkinDefaultLayout)->Args({0, 0})->Args({0, 1})->Args({1, 0})->Args({1, 1});

// The default layout (horizontal 1x) with a temperature and a disk-write slot in place of the
// memory and drive bars: whole-number figures and a rate's scale instead of byte amounts.
void BM_DrawSkinSensorSlots(benchmark::State& state) {
    BuiltInRig rig(BuiltIn::Horizontal);
    rig.settings.kind[0][0] = 9;
    rig.settings.kind[0][1] = 12;
    rig.settings.device[0][1] = 0;
    for (int slot : {0, 1}) {
        SetSlotStyle(rig.settings, StandardStylesOf(rig.engine.skin()), 0, slot, 0,
                     StyleSet::Force);
    }
    rig.engine.Relayout();
    rig.measure.Set(7, 0, 100, 53, 47, 100);
    rig.measure.Set(10, 0, 5e7f, 2e7f, 3e7f, 5e7f);
    rig.renderer.DrawSkin();
    if (!rig.ui.shown.empty()) {
        state.SkipWithError("the sensor slots did not draw cleanly");
        return;
    }
    for (auto _ : state) {
        rig.renderer.DrawSkin();
    }
    benchmark::DoNotOptimize(rig.renderer.WindowPicture().pixels.data());
}
BENCHMARK(BM_DrawSkinSensorSlots);

// Ten bar containers of four slots each: the horizontal skin with two more slot offsets.
void BM_DrawSkinTenContainersFourSlots(benchmark::State& state) {
    BuiltInSkinSource source = EmbeddedSkinSource();
    source.strings.Set(111, "4");
    source.strings.Set(114, "41,2");
    source.strings.Set(115, "41,13");
    BuiltInRig rig(BuiltIn::Horizontal, false, std::move(source));
    Settings& s = rig.settings;
    s.containerCount = 10;
    const std::int16_t kinds[4] = {0, 2, 6, 8};
    for (int c = 0; c < kContainerCount; ++c) {
        s.historyContainer[static_cast<std::size_t>(c)] = false;
        s.clockContainer[static_cast<std::size_t>(c)] = false;
        for (int slot = 0; slot < kSlotCount; ++slot) {
            s.kind[static_cast<std::size_t>(c)][static_cast<std::size_t>(slot)] = kinds[slot];
            s.device[static_cast<std::size_t>(c)][static_cast<std::size_t>(slot)] =
                kinds[slot] == 6 ? 1 : 0;
            SetSlotStyle(s, StandardStylesOf(rig.engine.skin()), c, slot, 0, StyleSet::Force);
        }
    }
    rig.engine.Relayout();
    if (rig.engine.skin().slotCount != 4 || !rig.ui.shown.empty()) {
        state.SkipWithError("the four-slot skin did not load cleanly");
        return;
    }
    for (auto _ : state) {
        rig.renderer.DrawSkin();
    }
    benchmark::DoNotOptimize(rig.renderer.WindowPicture().pixels.data());
}
BENCHMARK(BM_DrawSkinTenContainersFourSlots);

// Measure + compose + present + paint, as the refresh timer does it in the running program.
void BM_RefreshTick(benchmark::State& state) {
    Settings settings;
    PrintingUi ui;
    SystemMeasure measure(settings);
    measure.Create();
    SystemInfoView view(measure);
    std::int16_t sampleFill = -1;
    SkinWindow window(Presentation::OnScreen);
    struct WindowHost final : SkinHost, SkinPresenter {
        SkinWindow& window;
        SkinRenderer* renderer = nullptr;
        explicit WindowHost(SkinWindow& w) : window(w) {}
        void SetWindowSize(int w, int h) override { window.SetContentSize(w, h); }
        void DrawSkin() override { renderer->DrawSkin(); }
        void Present(const Bitmap& picture, int) override {
            window.Present(WrapBitmap(picture), 1);
        }
    } host(window);
    SkinEngine engine(settings, ui, EmbeddedSkinSource(), host);
    SkinRenderer renderer(AccessTo(engine),
                          RenderContext{settings, view, ui, sampleFill, {}, {}, {}});
    host.renderer = &renderer;
    renderer.SetPresenter(&host);
    settings.useBuiltInSkin = true;
    settings.builtInSkinType = 0;
    engine.ActivateSkin(SkinQuiet::Yes);
    DefaultLayout(settings, StandardStylesOf(engine.skin()), 0);
    engine.Relayout();
    window.show();
    QApplication::processEvents();
    int counter = 0;
    for (auto _ : state) {
        measure.RefreshParam(counter);
        engine.DrawSkin();
        window.repaint();
        counter = (counter + 1) % (settings.historyUpdateSpeed + 1);
    }
}
BENCHMARK(BM_RefreshTick)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    // No display is needed; a private home keeps the user's folders out of it.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
