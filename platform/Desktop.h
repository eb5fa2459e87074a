#pragma once

#include "base/Geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trumbel {

// What the desktop tells the skin window about the screen and the other windows. Coordinates
// are screen pixels; rectangles are half-open (right and bottom are one past the last pixel).

// A top-level window's id on the desktop (an X window id); 0 is none.
using WindowId = std::uint64_t;

enum class TaskbarEdge : int { Left = 0, Top = 1, Right = 2, Bottom = 3 };

// The taskbar's edge and the coordinate a window snaps to on that side: the taskbar's right
// edge for Left, its bottom for Top, its left for Right, its top for Bottom.
struct TaskbarPosition {
    TaskbarEdge edge = TaskbarEdge::Bottom;
    int line = 0;
    friend bool operator==(const TaskbarPosition&, const TaskbarPosition&) = default;
};

struct KeyState {
    bool ctrl = false;
    bool shift = false;
    bool pause = false;
};

// How the desktop learns which keys are held: by asking the server (a poll must ask again to
// see a change) or from the server's key events as they happen.
enum class KeySource { Polled, Pushed };

// Whether the desktop tells when the pointer comes into an area, so that nobody has to ask
// where it is meanwhile.
enum class PointerWatch { None, Watching };

struct TopLevelWindow {
    WindowId id = 0;
    std::string title;
    std::string className;
    bool visible = false;
    bool normalState = false;   // neither minimized (hidden) nor maximized
    bool desktopOrDock = false; // the desktop, panels and docks: never snap targets
    Rect frame;                 // the outer frame, decorations included
};

// The taskbar is the side where the work area is cut from the screen; the largest cut wins
// and nothing cut means no taskbar.
std::optional<TaskbarPosition> TaskbarFromWorkArea(const Rect& screen, const Rect& work);

// What a desktop that reports as things happen tells the skin window, on the UI thread.
class DesktopEvents {
public:
    virtual ~DesktopEvents() = default;
    // Ctrl, Shift or Pause moved, while the keys are pushed.
    virtual void KeysChanged() = 0;
    // The pointer entered the area being watched.
    virtual void PointerEntered() = 0;
};

// The questions the skin window asks the desktop. A desktop that cannot answer one (no window
// manager, no X server) gives an empty answer rather than failing.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual Rect Screen() const = 0;
    virtual Rect WorkArea() const = 0;
    virtual std::optional<TaskbarPosition> Taskbar() const {
        return TaskbarFromWorkArea(Screen(), WorkArea());
    }
    // From the top of the stack down, as the window manager lists them.
    virtual std::vector<TopLevelWindow> TopLevelWindows() const = 0;
    // One managed window, or nothing when it is not (or no longer) one.
    virtual std::optional<TopLevelWindow> Describe(WindowId id) const {
        for (TopLevelWindow& w : TopLevelWindows()) {
            if (w.id == id) {
                return std::move(w);
            }
        }
        return std::nullopt;
    }
    virtual WindowId ForegroundWindow() const = 0;
    // Keys held anywhere on the display, whichever window has the focus.
    virtual KeyState Keys() const = 0;
    // Pushed: Keys() is current without asking, and a change is reported to the window
    // behaviour's KeysChanged. A desktop may answer Polled for as long as it wants to be asked
    // (while a key is held, say).
    virtual KeySource KeysSource() const { return KeySource::Polled; }
    virtual Point Cursor() const = 0;
    // Reports once, to the window behaviour's PointerEntered, when the pointer is inside the
    // area (at once when it already is); a new area replaces the old. None where the desktop
    // cannot tell: the caller keeps asking Cursor().
    virtual PointerWatch WatchPointerEntering(const Rect&) { return PointerWatch::None; }
    virtual void StopWatchingPointer() {}
};

} // namespace trumbel
