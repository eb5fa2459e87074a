#pragma once

#include "base/SkinButtons.h"
#include "core/Ports.h"
#include "core/Timers.h"
#include "platform/Desktop.h"
#include "settings/Settings.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace trumbel {

class Program;

enum class MouseButton : int { Left = 1, Right = 2, Middle = 4 };
enum class WindowScale { Single, Double };

// True when the window point lies on the button, both edges included.
bool HitButton(const ButtonRects& buttons, int button, Point point, WindowScale scale);

// --- Dragging ---------------------------------------------------------------------------------

struct SnapRules {
    bool toScreenEdges = false;
    bool toTaskbar = false;
    int strength = 0;
    Rect screen;
    std::optional<TaskbarPosition> taskbar;
};

// The window rectangle after the cursor moved from startCursor to cursor during a drag, snapped
// to the screen edges (right before left, bottom before top) and then to the taskbar.
Rect DragFrame(const Rect& startFrame, Point startCursor, Point cursor, const SnapRules& rules);

// --- Visibility -------------------------------------------------------------------------------

struct VisibilityState {
    bool formHideMode = false;
    bool mouseInsideShift = false;
    bool pauseHeld = false; // Pause as seen by the previous poll
    friend bool operator==(const VisibilityState&, const VisibilityState&) = default;
};

struct VisibilityInputs {
    KeyState keys;
    Point cursor;
    Rect frame;
    bool aboutBoxOpen = false;
    bool hiddenUnsnapped = false;
};

enum class TopMostRequest { Keep, On, Off, Toggle };

struct VisibilityDecision {
    VisibilityState state;
    TopMostRequest topMost = TopMostRequest::Keep;
    bool visible = true;
    bool pointerAway = false; // a pointer rule ran and found the pointer away
};

// Where the pointer counts as near the window: the frame and a margin around it.
Rect NearArea(const Rect& frame);

// One visibility poll: the auto-hide, show-on-mouse and key rules. The z-order the rules ask
// for is returned once, so that a poll never flips the window down and up again.
VisibilityDecision DecideVisibility(const Settings& settings, const VisibilityState& state,
                                    const VisibilityInputs& in);

// Which inputs the rules read under the current settings and z-order. Pointer rules also read
// the keys: Ctrl+Shift held suspends them and Shift can exempt the pointer.
struct VisibilityNeeds {
    bool keys = false;
    bool pointer = false;
    friend bool operator==(const VisibilityNeeds&, const VisibilityNeeds&) = default;
};
VisibilityNeeds NeedsOf(const Settings& settings);

// Which polls have to run. A poll runs only where its answer can change something: the
// visibility poll for the pointer, or for the keys when the desktop does not report them as
// they change; the auto-snap poll while auto-snap is on or the window is still away on one.
struct PollPlan {
    bool visibility = false;
    bool autoSnap = false;
    friend bool operator==(const PollPlan&, const PollPlan&) = default;
};
enum class AutoSnapAway { No, Yes };
// The pointer rules need no poll while the desktop watches for the pointer coming near.
PollPlan PlanPolls(const Settings& settings, KeySource keys, AutoSnapAway away,
                   PointerWatch pointer = PointerWatch::None);

// --- Z-order, transparency, double size -------------------------------------------------------

enum class ZOrderStep { Top, TopMost, NoTopMost, Bottom };
enum class OptionsDialogStatus { Closed, Open };

std::vector<ZOrderStep> TopMostSteps(bool on, bool backWhenMouseAway, OptionsDialogStatus options);

// Percent to 0..255, to the nearest with ties to even; out-of-range percentages are clamped.
int AlphaFromPercent(int percent);

// The frame after switching double size: the window grows and shrinks away from the nearer
// screen edges and is then pulled back on screen. singleWidth/Height are the unscaled size.
Rect DoubleSizeFrame(const Rect& frame, int singleWidth, int singleHeight, WindowScale to,
                     const Rect& screen);

// --- The window -------------------------------------------------------------------------------

// The skin window as the behaviour drives it.
class SkinSurface {
public:
    virtual ~SkinSurface() = default;
    virtual WindowId Id() const = 0;
    virtual Rect Frame() const = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void Resize(int width, int height) = 0;
    virtual void SetShown(bool shown) = 0;
    virtual void ApplyZOrder(ZOrderStep step) = 0;
    virtual void SetAlpha(int alpha) = 0;
};

// The skin window's own behaviour: its buttons, dragging, visibility, z-order, transparency,
// double size and auto-snap. Holds the window-level state; the records and ports are the
// program's.
class WindowBehaviour final : public BehaviourPort, public DesktopEvents {
public:
    WindowBehaviour(Program& program, TimerHost& timers, Desktop& desktop, SkinSurface& surface);

    // The skin's buttons and unscaled window size, handed over whenever the skin is laid out.
    void SetLayout(const ButtonRects& buttons, int singleWidth, int singleHeight);

    // Mouse events; point in window pixels, cursor on the screen.
    void MousePress(MouseButton button, Point point, Point cursor);
    void MouseMove(bool buttonHeld, Point point, Point cursor);
    void MouseRelease(MouseButton button, Point point);

    void OnSkinButton(int index, MouseButton button);
    void VisibilityPoll() override;
    void AutoSnap() override;
    void AutoSnapReturn() override;
    // Starts and stops the visibility and auto-snap polls as the settings now need them and
    // brings the window in line with the settings at once. Runs after start-up, after the
    // settings change and whenever the z-order setting flips.
    void UpdatePolls() override;
    // The desktop saw Ctrl, Shift or Pause move (a desktop that reports keys as they change).
    void KeysChanged() override;
    // The pointer came near the window while the desktop watched for it.
    void PointerEntered() override;
    void SetTopMost(bool on);
    // The menu command: flip the setting and apply it.
    void ToggleTopMost();
    void SetAlpha(int mode, int percent);
    void SetDoubleSize(bool on);

    // Suppresses dragging and the right-click menu while set (e.g. while a modal menu runs).
    bool menusSuppressed = false;
    // Whether the options dialog is open; keeps SetTopMost from reordering above it.
    OptionsDialogStatus optionsDialog = OptionsDialogStatus::Closed;
    // Called once the close button has ended the program, to leave the event loop.
    std::function<void()> onEnded;

    const ButtonStates& States() const { return states_; }
    bool Dragging() const { return dragging_; }
    bool FormHideMode() const { return visibility_.formHideMode; }
    bool MouseInsideShift() const { return visibility_.mouseInsideShift; }
    bool TopMostApplied() const { return topMostApplied_; }
    bool SnappedByAuto() const { return snappedByAuto_; }
    // Where auto-snap will put the window back; meaningful while SnappedByAuto().
    Point PositionBeforeSnap() const { return beforeSnap_; }
    bool HiddenUnsnapped() const { return hiddenUnsnapped_; }

private:
    WindowScale Scale() const;
    void Popup(MenuForm form);
    void ArmPolls();
    void AfterAutoSnap(bool wasHiddenUnsnapped);
    // Once the pointer rules found the pointer away and nothing left to change, the desktop
    // watches for it to come near instead of the poll asking where it is.
    void FollowPointer(const VisibilityDecision& d, const VisibilityState& before);
    void StopPointerWatch();
    void FrameMoved();

    Program& program_;
    TimerHost& timers_;
    Desktop& desktop_;
    SkinSurface& surface_;

    ButtonRects buttons_{};
    int singleWidth_ = 0;
    int singleHeight_ = 0;
    ButtonStates states_{};
    ButtonStates previous_{};

    bool dragging_ = false;
    Rect dragFrame_;
    Point dragCursor_;

    VisibilityState visibility_;
    PointerWatch pointerWatch_ = PointerWatch::None;
    bool topMostApplied_ = false;
    bool snappedByAuto_ = false;
    Point beforeSnap_;
    bool hiddenUnsnapped_ = false;
};

} // namespace trumbel
