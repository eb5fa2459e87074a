#include "SkinHotKey.h"

#include "HotKeyMap.h"
#include "Program.h"

namespace trumbel {

SkinHotKey::SkinHotKey(Program& program, KeyGrabber& grabber)
    : program_(program), grabber_(grabber) {}

void SkinHotKey::RegisterSkinHotKey() {
    const Settings& s = program_.settings;
    Register(s.hotKeyCtrl, s.hotKeyAlt, s.hotKeyShift, s.hotKeyCode);
}

void SkinHotKey::Register(std::int16_t ctrl, std::int16_t alt, std::int16_t shift,
                          std::int32_t virtualKey) {
    if (registered_) {
        UnregisterSkinHotKey();
    }
    modifiers_ = HotKeyModifiers(ctrl, alt, shift);
    keysym_ = KeysymForVirtualKey(virtualKey);
    // A key that cannot be grabbed (taken by another program) simply never fires.
    if (keysym_ != 0) {
        grabber_.Grab(keysym_, modifiers_);
    }
    registered_ = true;
    hooked_ = program_.subclassAllowed;
}

void SkinHotKey::UnregisterSkinHotKey() {
    if (!registered_) {
        return;
    }
    grabber_.Ungrab();
    hooked_ = false;
    registered_ = false;
}

bool SkinHotKey::OnHotKey() {
    if (!registered_ || !hooked_ || !action) {
        return false;
    }
    action();
    return true;
}

} // namespace trumbel
