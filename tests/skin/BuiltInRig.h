#pragma once

// The real skin engine with one of the built-in skins in the default layout, drawn by the
// renderer from the sample machine at a fixed time.

#include "base/Ui.h"
#include "skin/SkinEngine.h"
#include "skin/SkinRenderer.h"
#include "tests/skin/FakeMeasure.h"

#include <memory>
#include <vector>

namespace trumbel::test {

enum class BuiltIn : int { Horizontal = 0, Vertical = 1 };

struct BuiltInRig : SkinHost, SkinPresenter {
    Settings settings;
    RecordingUi ui;
    FakeMeasure measure;
    std::int16_t sampleFill = -1;
    LocalTime time{2026, 12, 8, 9, 5, 7};
    ButtonStates buttons{};
    SkinEngine engine;
    SkinRenderer renderer;
    int presented = 0;

    explicit BuiltInRig(BuiltIn type, bool doubleSize = false,
                        BuiltInSkinSource source = EmbeddedSkinSource())
        : engine(settings, ui, std::move(source), *this),
          renderer(AccessTo(engine), RenderContext{settings,
                                                   measure,
                                                   ui,
                                                   sampleFill,
                                                   {},
                                                   [this] { return time; },
                                                   [this] { return buttons; }}) {
        FillSampleMachine(measure);
        settings.useBuiltInSkin = 1;
        settings.builtInSkinType = static_cast<std::int16_t>(type);
        settings.doubleSize = doubleSize;
        renderer.SetPresenter(this);
        engine.ActivateSkin(SkinQuiet::Yes);
        DefaultLayout(settings, StandardStylesOf(engine.skin()));
        engine.Relayout();
    }
    void DrawSkin() override { renderer.DrawSkin(); }
    void Present(const Bitmap&, int) override { ++presented; }
};

} // namespace trumbel::test
