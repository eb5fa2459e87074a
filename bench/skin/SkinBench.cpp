// The skin engine's costs: formatting one amount (every tick, per number shown), reading a
// skin file, building a built-in skin with its surfaces, laying out ten containers.
#include "base/Ui.h"
#include "gfx/ImageDecode.h"
#include "resources/Resources.h"
#include "skin/Layout.h"
#include "skin/SkinEngine.h"
#include "skin/SkinReader.h"
#include "skin/SkinSurfaces.h"
#include "skin/TransParam.h"

#include <benchmark/benchmark.h>

namespace trumbel {
namespace {

void BM_TransParam(benchmark::State& state) {
    RecordingUi ui;
    float v = 1.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TransParam(v, ui));
        v = v < 1.0e15f ? v * 1.7f : 1.0f;
    }
}
BENCHMARK(BM_TransParam);

// A built-in skin written out as a skin file with labels, as skin authors write them.
std::string SkinFileText() {
    const StringTable t = EmbeddedSkinSource().strings;
    std::string text = "Image:art.bmp\r\nName:" + t.Get(100) + "\r\nVersion:1\r\nLink:a,b\r\n";
    text += "ColorKey:" + t.Get(103) + "\r\nSkinType:" + t.Get(105) + "\r\n";
    for (int o : {6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24,
                  25, 26, 27, 28, 29, 30, 31, 32, 33, 39, 40, 41, 42, 51, 52, 59, 60, 61, 62}) {
        text += t.Get(100 + o) + "\r\n";
    }
    for (int k = 0; k < 9; ++k) {
        const std::string line = t.Get(170 + k);
        std::size_t cut = 0;
        for (int i = 0; i < 8; ++i) {
            cut = line.find(',', cut) + 1;
        }
        std::size_t cut2 = cut;
        for (int i = 0; i < 8 && k == 8; ++i) {
            cut2 = line.find(',', cut2) + 1;
        }
        text += "[kind]\r\n" + line.substr(0, cut - 1) + "\r\n";
        text += (k == 8 ? line.substr(cut, cut2 - cut - 1) + "\r\n" + line.substr(cut2)
                        : line.substr(cut)) +
                "\r\n";
    }
    return text;
}

void BM_ParseSkinFile(benchmark::State& state) {
    const std::string text = SkinFileText();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseSkinText(text, "/skins/"));
    }
}
BENCHMARK(BM_ParseSkinFile);

void BM_DecodeSkinBitmap(benchmark::State& state) {
    const auto bytes = ResourceBytes("101");
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeImage(bytes));
    }
}
BENCHMARK(BM_DecodeSkinBitmap);

void BM_BuildBuiltInSkin(benchmark::State& state) {
    Settings settings;
    RecordingUi ui;
    SkinEngine engine(settings, ui, EmbeddedSkinSource());
    for (auto _ : state) {
        engine.BuildBuiltInSkin(1, SkinQuiet::Yes);
    }
}
BENCHMARK(BM_BuildBuiltInSkin);

void BM_LayoutTenContainers(benchmark::State& state) {
    const SkinData skin = ReadBuiltInSkin(EmbeddedSkinSource().strings, 1);
    Settings settings;
    settings.containerCount = 10;
    settings.clockContainer[9] = true;
    SkinLayout layout;
    for (auto _ : state) {
        layout = ComputeLayout(skin, settings, layout);
        benchmark::DoNotOptimize(layout);
    }
}
BENCHMARK(BM_LayoutTenContainers);

} // namespace
} // namespace trumbel

BENCHMARK_MAIN();
