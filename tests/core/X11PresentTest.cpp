#include "platform/X11Desktop.h"
#include "tests/tools/support/Desktop.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>
#include <xcb/xinput.h>

namespace trumbel {
namespace {

struct Server {
    tooltest::XvfbDisplay x;
    xcb_connection_t* c = nullptr;
    xcb_screen_t* screen = nullptr;
    Server() {
        if (!x.Ok()) {
            return;
        }
        c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c) == 0) {
            screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        }
    }
    ~Server() {
        if (c) {
            xcb_disconnect(c);
        }
    }
    bool Ok() const { return screen != nullptr; }

    // A mapped 24-bit window of the root visual (viewable, so that its pixels can be read).
    std::uint32_t Window(int w, int h) {
        const std::uint32_t id = xcb_generate_id(c);
        const std::uint32_t values[] = {1}; // override-redirect
        xcb_create_window(c, 24, id, screen->root, 10, 10, static_cast<std::uint16_t>(w),
                          static_cast<std::uint16_t>(h), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          screen->root_visual, XCB_CW_OVERRIDE_REDIRECT, values);
        xcb_map_window(c, id);
        free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // a round trip
        return id;
    }

    std::vector<std::uint32_t> Pixels(std::uint32_t window, int w, int h) {
        std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> r(
            xcb_get_image_reply(c,
                                xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                              static_cast<std::uint16_t>(w),
                                              static_cast<std::uint16_t>(h), ~0u),
                                nullptr),
            &std::free);
        if (!r) {
            return {};
        }
        const auto* p = reinterpret_cast<const std::uint32_t*>(xcb_get_image_data(r.get()));
        std::vector<std::uint32_t> out(p, p + w * h);
        for (std::uint32_t& v : out) {
            v &= 0xFFFFFFu;
        }
        return out;
    }
};

TEST(X11Presenter, PutsTheAreaAsItIsAndLeavesTheRest) {
    Server s;
    if (!s.Ok()) {
        GTEST_SKIP() << (s.x.whyNot.empty() ? "no X connection" : s.x.whyNot);
    }
    constexpr int kW = 7, kH = 5, kStride = 9;
    const std::uint32_t window = s.Window(kW, kH);
    X11Presenter presenter(s.c, window);
    ASSERT_TRUE(presenter.Usable()) << "Xvfb's 24-bit visual takes 32-bit pixels";

    std::vector<std::uint32_t> picture(kStride * kH);
    for (int i = 0; i < kStride * kH; ++i) {
        picture[static_cast<std::size_t>(i)] =
            0xFF000000u | static_cast<std::uint32_t>(i * 0x010203);
    }
    presenter.Put(picture.data(), kStride, 0, 0, kW, kH);
    std::vector<std::uint32_t> expected;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            expected.push_back(picture[static_cast<std::size_t>(y * kStride + x)] & 0xFFFFFFu);
        }
    }
    EXPECT_EQ(s.Pixels(window, kW, kH), expected) << "the top byte is ignored";

    // An inner area, from a picture with another stride: only it changes.
    for (std::uint32_t& v : picture) {
        v ^= 0x00FFFFFFu;
    }
    presenter.Put(picture.data(), kStride, 2, 1, 5, 3);
    for (int y = 1; y < 3; ++y) {
        for (int x = 2; x < 5; ++x) {
            expected[static_cast<std::size_t>(y * kW + x)] ^= 0x00FFFFFFu;
        }
    }
    EXPECT_EQ(s.Pixels(window, kW, kH), expected);
    presenter.Put(picture.data(), kStride, 3, 3, 3, 4); // empty: nothing sent
    EXPECT_EQ(s.Pixels(window, kW, kH), expected);
}

// Raw key events from the server's test keyboard: Ctrl and Shift move the watched state, any
// other key is taken without a change.
TEST(X11KeyWatch, FollowsCtrlShiftAndPauseFromRawKeyEvents) {
    Server s;
    if (!s.Ok()) {
        GTEST_SKIP() << (s.x.whyNot.empty() ? "no X connection" : s.x.whyNot);
    }
    if (!tooltest::HaveTool("xdotool")) {
        GTEST_SKIP() << "xdotool is not installed (scripts/setup installs it)";
    }
    X11Desktop desktop(s.c, s.screen->root);
    // A client announces its XInput version once; this one has not yet.
    ASSERT_TRUE(desktop.WatchKeys());
    struct Step {
        const char* command;
        KeyEvent event;
        KeyState keys;
    } steps[] = {
        // First, with nothing held: xdotool lifts held modifiers around a letter.
        {"xdotool keydown a", KeyEvent::Unchanged, {false, false, false}},
        {"xdotool keyup a", KeyEvent::Unchanged, {false, false, false}},
        {"xdotool keydown Control_L", KeyEvent::Changed, {true, false, false}},
        {"xdotool keydown Shift_R", KeyEvent::Changed, {true, true, false}},
        {"xdotool keyup Control_L", KeyEvent::Changed, {false, true, false}},
        {"xdotool keydown Pause", KeyEvent::Changed, {false, true, true}},
        {"xdotool keyup Pause", KeyEvent::Changed, {false, true, false}},
        {"xdotool keyup Shift_R", KeyEvent::Changed, {false, false, false}},
    };
    for (const Step& step : steps) {
        ASSERT_EQ(std::system(step.command), 0) << step.command;
        // The fake input is processed before xdotool ends, and its raw events are queued here
        // after a round trip of our own; a busy server gets a few more.
        KeyEvent got = KeyEvent::NotOurs;
        for (int tries = 0; tries < 100 && got == KeyEvent::NotOurs; ++tries) {
            if (tries > 0) {
                usleep(10000);
            }
            std::free(xcb_get_input_focus_reply(s.c, xcb_get_input_focus(s.c), nullptr));
            while (xcb_generic_event_t* e = xcb_poll_for_queued_event(s.c)) {
                const KeyEvent one = desktop.TakeKeyEvent(e);
                std::free(e);
                if (one != KeyEvent::NotOurs && got != KeyEvent::Changed) {
                    got = one;
                }
            }
        }
        EXPECT_EQ(got, step.event) << step.command;
        const KeyState k = desktop.WatchedKeys();
        EXPECT_EQ((std::array<bool, 3>{k.ctrl, k.shift, k.pause}),
                  (std::array<bool, 3>{step.keys.ctrl, step.keys.shift, step.keys.pause}))
            << step.command;
    }
    // The watched state agrees with the server's key map.
    const KeyState asked = desktop.Keys();
    EXPECT_FALSE(asked.ctrl || asked.shift || asked.pause);
}

// The pointer watch on a real server: its window reports the pointer coming into the area once,
// also when the pointer is already there, and nothing once stopped or moved elsewhere.
TEST(X11PointerWatch, ReportsThePointerComingIntoTheAreaOnce) {
    Server s;
    if (!s.Ok()) {
        GTEST_SKIP() << (s.x.whyNot.empty() ? "no X connection" : s.x.whyNot);
    }
    X11Desktop desktop(s.c, s.screen->root);
    const Rect a{100, 100, 200, 150};
    const Rect b{400, 300, 500, 350};
    enum class Do { Watch, Stop, Move };
    struct Step {
        const char* name;
        Do action;
        Rect area;     // for Watch
        Point pointer; // for Move
        bool reported;
        bool watching;
    } steps[] = {
        {"watch with the pointer away", Do::Watch, a, {}, false, true},
        {"elsewhere", Do::Move, {}, {300, 300}, false, true},
        {"just outside", Do::Move, {}, {200, 125}, false, true},
        {"into the area", Do::Move, {}, {199, 149}, true, false},
        {"inside again: the watch has ended", Do::Move, {}, {150, 120}, false, false},
        {"watch while inside: at once", Do::Watch, a, {}, true, false},
        {"away and watch", Do::Watch, a, {600, 600}, false, true},
        {"stopped", Do::Stop, {}, {}, false, false},
        {"in while stopped", Do::Move, {}, {150, 120}, false, false},
        {"out", Do::Move, {}, {600, 600}, false, false},
        {"watch, then the area moves", Do::Watch, a, {}, false, true},
        {"moved", Do::Watch, b, {}, false, true},
        {"the old area says nothing", Do::Move, {}, {150, 120}, false, true},
        {"the new one does", Do::Move, {}, {450, 320}, true, false},
    };
    xcb_warp_pointer(s.c, XCB_NONE, s.screen->root, 0, 0, 0, 0, 600, 600);
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        switch (step.action) {
        case Do::Watch:
            if (step.pointer.x != 0) {
                xcb_warp_pointer(s.c, XCB_NONE, s.screen->root, 0, 0, 0, 0,
                                 static_cast<std::int16_t>(step.pointer.x),
                                 static_cast<std::int16_t>(step.pointer.y));
            }
            ASSERT_TRUE(desktop.WatchPointerEntering(step.area));
            break;
        case Do::Stop:
            desktop.StopWatchingPointer();
            break;
        case Do::Move:
            xcb_warp_pointer(s.c, XCB_NONE, s.screen->root, 0, 0, 0, 0,
                             static_cast<std::int16_t>(step.pointer.x),
                             static_cast<std::int16_t>(step.pointer.y));
            break;
        }
        // The server sends the crossing event before it answers a later request of ours.
        bool reported = false;
        for (int tries = 0; tries < 5 && !reported; ++tries) {
            if (tries > 0) {
                usleep(10000);
            }
            std::free(xcb_get_input_focus_reply(s.c, xcb_get_input_focus(s.c), nullptr));
            while (xcb_generic_event_t* e = xcb_poll_for_queued_event(s.c)) {
                reported |= desktop.TakePointerEvent(e);
                std::free(e);
            }
        }
        EXPECT_EQ(reported, step.reported);
        EXPECT_EQ(desktop.WatchingPointer(), step.watching);
    }
}

} // namespace
} // namespace trumbel
