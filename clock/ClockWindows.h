#pragma once

namespace trumbel {

// The clock-adjust window as the program loads and unloads it. Loading runs one adjustment;
// loading while the window is still open does nothing (a periodic adjustment falling due then
// is skipped). The options dialog's button unloads a window still open and loads a fresh one.
class ClockWindows {
public:
    virtual ~ClockWindows() = default;
    virtual void LoadAdjustWindow() = 0;
    virtual void UnloadAdjustWindow() = 0;
    virtual bool IsOpen() const = 0;
};

} // namespace trumbel
