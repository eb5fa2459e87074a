#pragma once

#include "base/ErrorReport.h"
#include "base/SkinButtons.h"
#include "base/Ui.h"
#include "gfx/Bitmap.h"
#include "settings/Settings.h"
#include "skin/Layout.h"
#include "skin/MeasureView.h"
#include "skin/Percent.h"
#include "skin/SkinData.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace trumbel {

struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
LocalTime CurrentLocalTime();

enum class NumberForm { Formatted, Integer };
enum class Placeholder { No, Yes };
enum class BackgroundOnly { No, Yes };
enum class GraphContent : int { Bars = 1, History = 2 };

// The skin engine's records the renderer draws from. The references stay valid across skin
// loads (the engine replaces the records' contents, not the records).
struct SkinAccess {
    const SkinData& skin;
    const SkinLayout& layout;
    const Bitmap& image;
    const Bitmap& mask;
    Bitmap& backBuffer;
    std::function<bool()> ready;
    // Sets useBuiltInSkin and rebuilds the layout with the built-in skin.
    std::function<void()> switchToBuiltIn;
};

class SkinEngine;
// The engine's records, falling back on its built-in skin.
SkinAccess AccessTo(SkinEngine& engine);

// The program's records the renderer reads besides the skin.
struct RenderContext {
    Settings& settings;
    MeasureView& measure;
    Ui& ui;
    const std::int16_t& sampleFill; // 0..60, -1 once the history is full
    std::function<bool()> settingsBusy;
    std::function<LocalTime()> now;             // empty: the system's local time
    std::function<ButtonStates()> buttonStates; // empty: every button normal
    // The values of the machine a slot names (Settings::host); empty: `measure` for every slot.
    std::function<MeasureView&(int host)> hostMeasure = {};
};

// The error reports of one composition. They are held until the picture has been shown, so
// that a modal box never stops the window half drawn, and one identical to a report of this
// composition or the one before is dropped: a fault that lasts would otherwise raise a box on
// every refresh tick. Reports have only an OK button, so the answer is known in advance.
class RepeatFilterUi final : public Ui {
public:
    explicit RepeatFilterUi(Ui& inner) : inner_(inner) {}
    MsgAnswer MessageBox(const MessageBoxRequest& request) override;
    void NextRound();
    // Shows the held reports.
    void Flush();

private:
    static constexpr std::size_t kKept = 16;
    struct Round {
        std::array<std::size_t, kKept> keys{};
        std::size_t count = 0;
        bool Has(std::size_t key) const;
        void Add(std::size_t key);
    };
    Ui& inner_;
    Round current_;
    Round previous_;
    std::vector<MessageBoxRequest> held_;
};

// Where the renderer's finished pictures go.
class SkinPresenter {
public:
    virtual ~SkinPresenter() = default;
    // The finished window picture and the zoom it was made at.
    virtual void Present(const Bitmap& picture, int zoom) = 0;
};

// Composes the skin window from the skin's artwork and the current measurements into the back
// buffer, copies it once into the window picture (1x or 2x) and hands that to its presenter.
class SkinRenderer {
public:
    SkinRenderer(SkinAccess skin, RenderContext context);

    void DrawSkin();

    // The routines DrawSkin is made of; public so that each can be checked on its own.
    MeasureView& SlotMeasure(int c, int s);
    void PrintParam(int c, int s, int kind, GraphContent content);
    void PrintDiskParam(int c, int s, int drive);
    void DrawParam(int c, int kind, int position, int line, int font, float value, int style,
                   NumberForm form, Placeholder placeholder);
    void DrawClockUnit(int c);
    void PrintGraph(int c, int s, int kind, std::int32_t percent, BackgroundOnly only);
    void PrintLogGraph(int c, int s, int kind, Basis basis, BackgroundOnly only);

    // Step 5 hands the picture to the presenter; without one it is only kept.
    void SetPresenter(SkinPresenter* presenter) { presenter_ = presenter; }

    const Bitmap& WindowPicture() const { return windowPicture_; }

private:
    enum class Retry { Once, Never };
    template <class Step> void SkinStep(const char* routine, Retry retry, Step&& step);
    template <class Step> void InfoStep(const char* routine, Step&& step);
    bool SwitchToBuiltIn();
    void Compose();
    void Present();
    void DrawUnitWithButtons(const UnitPiece& unit, int x, int y,
                             const std::array<UnitButton, kButtonCount>& buttons,
                             const ButtonStates& states, int firstState);
    void Piece(int dx, int dy, int sx, int sy, int w, int h);
    // The kind's label in the slot at `position` of container c.
    void DrawLabel(int c, int position, int kind);
    // Draws the slot's graph background and tells where it stands; nothing when the container
    // holds no graph of that type.
    struct PlacedGraph {
        const GraphRecord& graph;
        int x;
        int y;
    };
    std::optional<PlacedGraph> GraphBackground(int c, int s, int kind, GraphType type);

    const ItemParams& Item(int kind) const;
    const NumberFont& Font(int index) const;
    const ContainerPlacement& Placement(int c) const;
    SlotOffset Offset(int position) const;
    int SlotsPerContainer() const;
    int LineStyle(int c, int s, int line) const;
    void DrawGlyph(const NumberFont& font, int cell, int x, int y);

    SkinAccess skin_;
    RenderContext ctx_;
    RepeatFilterUi ui_;
    Bitmap windowPicture_;
    SkinPresenter* presenter_ = nullptr;
    bool drawing_ = false;
    bool redrawPending_ = false;
    bool switched_ = false;
};

} // namespace trumbel
