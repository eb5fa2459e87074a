#pragma once

#include "platform/Desktop.h"
#include "platform/KeyGrabber.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace trumbel {

enum class WindowLayer { Normal, Above, Below };
enum class KeyEvent { NotOurs, Unchanged, Changed };

// What an X server and an EWMH window manager tell about the desktop, over a connection the
// caller owns (the toolkit's, so that grabbed keys arrive in its event stream). Every query
// answers empty when the server or the window manager cannot answer.
class X11Desktop {
public:
    X11Desktop(xcb_connection_t* connection, std::uint32_t root);
    ~X11Desktop();
    X11Desktop(const X11Desktop&) = delete;
    X11Desktop& operator=(const X11Desktop&) = delete;

    xcb_connection_t* Connection() const { return connection_; }
    std::uint32_t Root() const { return root_; }

    // True when an EWMH window manager runs (_NET_SUPPORTING_WM_CHECK names a live window).
    bool HasWindowManager() const;

    // Managed top-level windows from the top of the stack down.
    std::vector<TopLevelWindow> TopLevelWindows() const;
    // The same description for the given windows only, in the given order.
    std::vector<TopLevelWindow> DescribeWindows(const std::vector<std::uint32_t>& ids) const;
    WindowId ActiveWindow() const;
    // Ctrl, Shift and Pause as the server's key map has them now, whoever has the focus.
    KeyState Keys() const;

    // Follows Ctrl, Shift and Pause from XInput 2 raw key events on the root window, which the
    // server sends whoever has the focus, so that nobody has to ask for the key map. False
    // when the server has no XInput 2; Keys() then stays the only way.
    bool WatchKeys();
    // A raw key event of the watch is taken (Changed when Ctrl, Shift or Pause moved); any
    // other event is NotOurs.
    KeyEvent TakeKeyEvent(const void* xcbEvent);
    KeyState WatchedKeys() const;
    bool AnyWatchedKeyHeld() const { return !held_.empty(); }
    // Asks the key map and makes the watch agree with it: a release the watch did not see (a
    // grab in between, a lost event) must not leave a key held for good.
    KeyState ResyncWatchedKeys();

    // Tells when the pointer enters the area through an input-only window above the others,
    // mapped only while the pointer is elsewhere: its first crossing event ends the watch and
    // the window goes at once, so that clicks reach what lies below. A new area moves it and
    // raises it again. False when the server has no root to put it on.
    bool WatchPointerEntering(const Rect& area);
    void StopWatchingPointer();
    // True for the watch window's enter event while watching; the watch has then ended.
    bool TakePointerEvent(const void* xcbEvent);
    bool WatchingPointer() const { return pointerMapped_; }

    // Keeps the window above or below the others, or neither, without re-creating it. A mapped
    // window asks the window manager; an unmapped one carries the state into its next map.
    void SetLayer(std::uint32_t window, WindowLayer layer, bool mapped);
    void Flush() const;

private:
    struct Atoms;
    std::uint32_t Atom(const char* name) const;

    xcb_connection_t* connection_;
    std::uint32_t root_;
    std::unique_ptr<Atoms> atoms_;
    std::vector<std::uint8_t> ctrlCodes_;
    std::vector<std::uint8_t> shiftCodes_;
    std::vector<std::uint8_t> pauseCodes_;
    bool watching_ = false;
    std::uint8_t xinputOpcode_ = 0;
    std::vector<std::uint8_t> held_; // watched keycodes now down
    std::uint32_t pointerWindow_ = 0;
    Rect pointerArea_;
    bool pointerMapped_ = false;
};

// Sends 32-bit pixels (0x??RRGGBB, the top byte ignored) straight into a window with
// PutImage: no toolkit backing store, no shared memory segment and no reply to wait for, so a
// frame costs one write to the server and wakes nobody. Usable only where the window's visual
// takes such pixels as they are (depth 24 in 32 bits, little-endian, 8-bit RGB masks).
class X11Presenter {
public:
    X11Presenter(xcb_connection_t* connection, std::uint32_t window);
    ~X11Presenter();
    X11Presenter(const X11Presenter&) = delete;
    X11Presenter& operator=(const X11Presenter&) = delete;

    bool Usable() const { return gc_ != 0; }
    // The rectangle [left, right) x [top, bottom) of the picture, to the same place in the
    // window. stride is in pixels.
    void Put(const std::uint32_t* pixels, int stride, int left, int top, int right, int bottom);

private:
    xcb_connection_t* connection_;
    std::uint32_t window_;
    std::uint32_t gc_ = 0;
    std::uint8_t depth_ = 0;
    std::vector<std::uint32_t> band_;
};

// The hot key as a passive grab on the root window for every keycode of the keysym, with the
// Num Lock and Caps Lock variants so that the lock keys do not disable it.
class X11KeyGrabber final : public KeyGrabber {
public:
    X11KeyGrabber(xcb_connection_t* connection, std::uint32_t root);
    ~X11KeyGrabber() override;

    GrabResult Grab(std::span<const std::uint32_t> keysyms, int modifiers) override;
    void Ungrab() override;

    // True when the raw xcb event is a press of the grabbed key.
    bool IsHotKeyPress(const void* xcbEvent) const;

private:
    std::uint16_t NumLockMask() const;

    xcb_connection_t* connection_;
    std::uint32_t root_;
    std::vector<std::uint8_t> keycodes_;
    std::uint16_t mask_ = 0;
    std::uint16_t ignored_ = 0;
    bool grabbed_ = false;
};

} // namespace trumbel
