#pragma once

#include "core/Ports.h"
#include "platform/KeyGrabber.h"

#include <cstdint>

namespace trumbel {

class Program;

// The skin window's global hot key. The key is grabbed whenever it is registered; it reaches
// the function button only while the program may hook the window's events (SubclassAllowed).
class SkinHotKey final : public HotKeyPort {
public:
    SkinHotKey(Program& program, KeyGrabber& grabber);

    // From the hot-key settings. A key this keyboard does not have is not registered.
    void RegisterSkinHotKey() override;
    void UnregisterSkinHotKey() override;
    bool IsRegistered() const override { return registered_; }

    void Register(bool ctrl, bool alt, bool shift, std::int32_t virtualKey);

    // The grabbed key went down; true when it was acted on. The hot key does what a left
    // click on the function button does.
    bool OnHotKey();

    int Modifiers() const { return modifiers_; }
    std::uint32_t Keysym() const { return keysym_; }
    bool Hooked() const { return hooked_; }

private:
    Program& program_;
    KeyGrabber& grabber_;
    bool registered_ = false;
    bool hooked_ = false;
    int modifiers_ = 0;
    std::uint32_t keysym_ = 0;
};

} // namespace trumbel
