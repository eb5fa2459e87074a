#include "core/SkinHotKey.h"

#include "base/HotKeyList.h"
#include "core/HotKeyMap.h"
#include "core/Program.h"

#include <cstdio>

namespace trumbel {

SkinHotKey::SkinHotKey(Program& program, KeyGrabber& grabber)
    : program_(program), grabber_(grabber) {}

void SkinHotKey::RegisterSkinHotKey() {
    const Settings& s = program_.settings;
    Register(s.hotKeyCtrl, s.hotKeyAlt, s.hotKeyShift, s.hotKeyCode);
}

void SkinHotKey::Register(bool ctrl, bool alt, bool shift, std::int32_t virtualKey) {
    if (registered_) {
        UnregisterSkinHotKey();
    }
    modifiers_ = HotKeyModifiers(ctrl, alt, shift);
    if (modifiers_ == 0 && HotKeyNeedsModifier(virtualKey)) {
        // The options dialog refuses such a key, but a settings or option file (shared between
        // users) can still carry one; grabbing it would take that key from every program.
        std::fprintf(stderr,
                     "trumbel: the hot key (virtual-key code %d) has no Ctrl, Alt or Shift and "
                     "types text; it is not registered\n",
                     static_cast<int>(virtualKey));
        return;
    }
    const KeysymChoices choices = KeysymsForVirtualKey(virtualKey);
    keysym_ = KeysymForVirtualKey(virtualKey);
    const GrabResult result =
        choices.count > 0 ? grabber_.Grab(choices.Span(), modifiers_) : GrabResult::NoSuchKey;
    if (result == GrabResult::NoSuchKey) {
        // Counting it as registered would promise a key that can never be pressed.
        std::fprintf(stderr,
                     "trumbel: the hot key (virtual-key code %d) is not on this keyboard; it is "
                     "not registered\n",
                     static_cast<int>(virtualKey));
        return;
    }
    // A combination another program holds, or a desktop without global grabs, simply never
    // fires.
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
    if (!registered_ || !hooked_) {
        return false;
    }
    program_.function().RunFunctionButton();
    return true;
}

} // namespace trumbel
