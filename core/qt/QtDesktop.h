#pragma once

#include "platform/Desktop.h"
#include "platform/X11Desktop.h"

#include <memory>
#include <optional>

namespace trumbel {

// The desktop as the skin window sees it: the screen and work area from Qt, the other windows,
// the foreground window and the global key state from the X server when there is one (pushed
// by XInput 2 where the server has it while no key is held, asked while one is; TRUMBEL_KEYS=poll
// always asks the key map), and the pointer coming near from an input-only window's crossing
// event (TRUMBEL_POINTER=poll leaves it to be asked). Without
// X11 (a Wayland-native or offscreen platform) the window list is empty, there is no foreground
// window, and only the modifier keys that reach this program count.
class QtDesktop final : public Desktop {
public:
    QtDesktop();
    ~QtDesktop() override;

    Rect Screen() const override;
    Rect WorkArea() const override;
    std::vector<TopLevelWindow> TopLevelWindows() const override;
    std::optional<TopLevelWindow> Describe(WindowId id) const override;
    WindowId ForegroundWindow() const override;
    KeyState Keys() const override;
    KeySource KeysSource() const override;
    Point Cursor() const override;
    PointerWatch WatchPointerEntering(const Rect& area) override;
    void StopWatchingPointer() override;

    // Told of key changes (after the event that moved the key) and of the pointer entering the
    // watched area; null tells no one.
    void SetListener(DesktopEvents* listener) { listener_ = listener; }

    // Null without an X server.
    X11Desktop* X11() const { return x11_.get(); }
    // The hot-key grab on the toolkit's own connection; a grabber that never grabs without X11.
    KeyGrabber& Grabber() const { return *grabber_; }
    X11KeyGrabber* X11Grabber() const { return x11Grabber_; }

private:
    // Tells the listener of a key change with Keys() answering these keys.
    void ReportKeys(const KeyState& keys);

    std::unique_ptr<X11Desktop> x11_;
    std::unique_ptr<KeyGrabber> grabber_;
    X11KeyGrabber* x11Grabber_ = nullptr;
    class KeyWatchFilter;
    std::unique_ptr<KeyWatchFilter> keyWatch_;
    class PointerWatchFilter;
    std::unique_ptr<PointerWatchFilter> pointerWatch_;
    // The keys of the change being reported, while the listener hears it.
    std::optional<KeyState> reported_;
    DesktopEvents* listener_ = nullptr;
};

} // namespace trumbel
