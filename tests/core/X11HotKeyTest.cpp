#include "base/HotKeyList.h"
#include "core/HotKeyMap.h"
#include "platform/X11Desktop.h"
#include "tests/tools/support/Desktop.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <xcb/xcb.h>

namespace trumbel {
namespace {

struct Connection {
    xcb_connection_t* c = nullptr;
    std::uint32_t root = 0;
    Connection() {
        c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c) == 0) {
            root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        }
    }
    ~Connection() { xcb_disconnect(c); }
    bool Ok() const { return root != 0; }
};

// Every key of the hot-key list on a real X keyboard (Xvfb's standard US map): each one the
// board has is grabbed; only F13..F24 and the Japanese input keys may be missing from it, and a
// key another client holds is reported as taken.
TEST(X11HotKey, EveryOfferedKeyGrabsOnARealKeyboard) {
    tooltest::XvfbDisplay x;
    if (!x.Ok()) {
        GTEST_SKIP() << x.whyNot;
    }
    Connection first;
    Connection second;
    ASSERT_TRUE(first.Ok() && second.Ok());
    X11KeyGrabber grabber(first.c, first.root);
    X11KeyGrabber rival(second.c, second.root);
    std::set<int> mayLack = {0x1C, 0x1D, 0xF2, 0xF3};
    for (int vk = 0x7C; vk <= 0x87; ++vk) {
        mayLack.insert(vk);
    }
    std::string missing;
    for (const HotKeyChoice& choice : kHotKeyChoices) {
        SCOPED_TRACE(std::string(choice.name));
        const KeysymChoices keys = KeysymsForVirtualKey(choice.virtualKey);
        const GrabResult r = grabber.Grab(keys.Span(), kModControl | kModAlt);
        if (r == GrabResult::NoSuchKey && mayLack.count(choice.virtualKey)) {
            missing += std::string(choice.name) + " ";
            continue;
        }
        EXPECT_EQ(r, GrabResult::Grabbed);
        EXPECT_EQ(rival.Grab(keys.Span(), kModControl | kModAlt), GrabResult::Taken);
        rival.Ungrab();
        grabber.Ungrab();
    }
    const std::uint32_t noSuchKey[] = {0x100263A}; // U+263A, on no keyboard
    EXPECT_EQ(grabber.Grab(noSuchKey, kModControl), GrabResult::NoSuchKey);
    std::printf("not on this keyboard: %s\n", missing.empty() ? "(none)" : missing.c_str());
}

} // namespace
} // namespace trumbel
