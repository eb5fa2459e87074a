#pragma once

#include "base/Geometry.h"
#include "base/SkinButtons.h"
#include "base/Ui.h"
#include "gfx/Bitmap.h"
#include "settings/Settings.h"
#include "skin/FindFiles.h"
#include "skin/Layout.h"
#include "skin/SkinData.h"
#include "skin/StringTable.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trumbel {

enum class SkinQuiet { No, Yes };

// What the engine asks of the world around it. The defaults do nothing: an engine with no
// window sizes, places and draws nothing.
class SkinHost {
public:
    virtual ~SkinHost() = default;
    // Sizes the skin window (pixels, zoom included).
    virtual void SetWindowSize(int /*width*/, int /*height*/) {}
    virtual void MoveWindow(int /*x*/, int /*y*/) {}
    // The screen the window is kept on; nullopt places it where the settings say.
    virtual std::optional<Size> Screen() const { return std::nullopt; }
    // Composes the window from the engine's state and presents it.
    virtual void DrawSkin() {}
    // After every layout, before drawing: the buttons and the window size have changed.
    virtual void LaidOut() {}
    // The popup menu's skin link item: hidden when caption or url is empty.
    virtual void UpdateSkinLink(const std::string& /*caption*/, const std::string& /*url*/) {}
    // True while the options dialog fills its controls: skin loads are refused then.
    virtual bool OptionsFilling() const { return false; }
    // How skin searches show their progress window.
    virtual SearchProgress SearchProgressWindow() const { return {}; }
};

// The host of an engine that has no window.
SkinHost& NoSkinHost();

// The built-in skins' string table and bitmap resources.
struct BuiltInSkinSource {
    StringTable strings;
    std::function<std::optional<Bitmap>(const std::string& resourceId)> loadBitmap;
};

// The program's built-in skins, from the bytes embedded in the executable.
BuiltInSkinSource EmbeddedSkinSource();
// A bitmap resource of the executable ("101", "DefaultIcon"), decoded.
std::optional<Bitmap> LoadResourceBitmap(std::string_view name);

// ItemParams[kind] of a skin; kinds outside 0..8 read as the used side (2) and the total (3).
int StandardStyleOf(const SkinData& skin, int kind);
int StandardDigitStyleOf(const SkinData& skin, int kind);

static_assert(2 * kButtonCount == kSkinButtonCount);

// The skin engine: owns the skin description, its surfaces and the placements, loads file
// and built-in skins and lays the window out.
class SkinEngine final {
public:
    SkinEngine(Settings& settings, Ui& ui, BuiltInSkinSource builtIn,
               SkinHost& host = NoSkinHost());

    // Loads the skin the settings name, lays out units and slots and sizes the window.
    void ApplySkin();
    // Composes the window and presents it once (through the host's DrawSkin).
    void DrawSkin();
    void FreeSurfaces();

    // A built-in skin when the settings ask for one, else the selected skin file; then the
    // window is placed at the start position, kept on the screen at the right and bottom.
    void ActivateSkin(SkinQuiet quiet);
    // Loads skinFolder + skinFileName, writing its progress into `log`; true when the file
    // skin is in use afterwards. Falls back to the built-in skin on any failure.
    bool LoadSkinFile(std::string& log, SkinQuiet quiet);
    void BuildBuiltInSkin(int number, SkinQuiet quiet);
    // The built-in skin from now on, the setting included, announced like a load.
    void SwitchToBuiltIn();
    bool LoadSkinImage(const std::string& path);
    bool LoadBuiltInSkinImage(const std::string& resourceId);
    // Places the units, sizes the window, recreates the back buffer and draws.
    void Relayout();

    // Applies the skin (quietly while the settings are read at start) and hands back each
    // kind's standard style: what reading the settings needs before it sets the slots' styles.
    StandardStyles ApplySkinForSettings(SkinQuiet quiet = SkinQuiet::Yes);
    StandardStyles CurrentStandardStyles() const { return StandardStylesOf(skin_); }

    // Each skin button where the layout puts it; a button of a hidden unit or one the skin
    // leaves out is not defined.
    ButtonRects Buttons() const;

    // Every "*.skn" under skinFolder (−1 when the folder does not exist).
    int FindSkinFiles(std::vector<std::string>& results) const;

    const SkinData& skin() const { return skin_; }
    const SkinLayout& layout() const { return layout_; }
    const Bitmap& skinImage() const { return skinImage_; }
    const Bitmap& skinMask() const { return skinMask_; }
    Bitmap& backBuffer() { return backBuffer_; }
    const Bitmap& backBuffer() const { return backBuffer_; }
    int imageWidth() const { return skinImage_.width; }
    int imageHeight() const { return skinImage_.height; }
    bool skinReady() const { return skinReady_; }
    const std::string& currentSkinPath() const { return currentSkinPath_; }
    void SetCurrentSkinPath(std::string path) { currentSkinPath_ = std::move(path); }
    int Zoom() const { return settings_.doubleSize ? 2 : 1; }

private:
    std::string SkinFilePath() const;
    void UpdateSkinLink();
    bool InstallImage(std::optional<Bitmap> art);

    Settings& settings_;
    Ui& ui_;
    BuiltInSkinSource builtIn_;
    SkinHost& host_;

    SkinData skin_;
    SkinLayout layout_;
    Bitmap skinImage_;
    Bitmap skinMask_;
    Bitmap backBuffer_;
    bool skinReady_ = false;
    std::string currentSkinPath_;
};

} // namespace trumbel
