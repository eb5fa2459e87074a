#include "core/adapters/LiveTraySource.h"

#include "base/RuntimeError.h"
#include "measure/SystemMeasure.h"
#include "skin/SkinEngine.h"
#include "tray/TrayImages.h"
#include "tray/TrayTip.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

TEST(LiveTraySource, BuiltInStripHasEveryLabel) {
    Settings settings;
    RecordingUi ui;
    SystemMeasure measure(settings);
    SkinEngine skin(settings, ui, EmbeddedSkinSource());
    const TraySourceHooks source = LiveTraySource(measure, skin, ui);
    const StripPixels strip = source.DefaultStrip();
    ASSERT_EQ(strip.height, 16);
    // both bars and the labels of every measurement kind a tray icon shows
    for (int p : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12}) {
        const TrayImageSet images = ComposeTrayImages(strip.View(), p, kStripUsedOffset);
        int opaque = 0;
        for (int y = 8; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                opaque += (images[7]->At(x, y) >> 24) != 0;
            }
        }
        EXPECT_GT(opaque, 8) << "label of kind " << p;
    }
    EXPECT_FALSE(source.ReadStripFile(std::string(TRUMBEL_TEST_DATA) + "/no-such.bmp"));
    EXPECT_TRUE(ui.shown.empty());
}

TEST(LiveTraySource, ValuesComeFromTheMeasurementObject) {
    Settings settings;
    RecordingUi ui;
    SystemMeasure measure(settings);
    SkinEngine skin(settings, ui, EmbeddedSkinSource());
    skin.BuildBuiltInSkin(1, SkinQuiet::Yes);
    const TraySourceHooks source = LiveTraySource(measure, skin, ui);
    // Without the object a read fails the way the refresh tick expects.
    try {
        source.SystemValue(0, 0, 3);
        ADD_FAILURE();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 91);
    }
    measure.Create();
    measure.RefreshParam(0);
    EXPECT_GT(source.SystemValue(0, 0, 3), 0.0); // physical memory in total
    EXPECT_EQ(source.TransParam(5000), "4.88K");
    const double max = source.SystemValue(0, 0, 0);
    const double used = source.SystemValue(0, 0, 2);
    ASSERT_GT(max, 0.0);
    EXPECT_NEAR(source.Persent(0, 0, PercentBasis::Used), 100.0 * used / max, 1.0);
    const std::string tip = TrayTipText(ResolveTrayItem(0, 0, source), source);
    EXPECT_EQ(tip.rfind("Velquor\r\n物理メモリー", 0), 0u) << tip;
}

TEST(StripOf, CopiesRowsWithoutTheirPadding) {
    Bitmap b(3, 2, 0x111111u);
    b.stride = 4;
    b.pixels.assign(8, 0);
    b.At(2, 1) = 0x123456u;
    b.At(0, 1) = 0x654321u;
    const auto strip = StripOf(b);
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->width, 3);
    EXPECT_EQ(strip->pixels.size(), 6u);
    EXPECT_EQ(strip->pixels[3], 0x654321u);
    EXPECT_EQ(strip->pixels[5], 0x123456u);
    EXPECT_FALSE(StripOf(Bitmap{}));
    EXPECT_FALSE(StripOf(std::nullopt));
}

} // namespace
} // namespace trumbel
