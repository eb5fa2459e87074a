#include "base/HotKeyList.h"
#include "core/HotKeyMap.h"
#include "core/Program.h"
#include "core/SkinHotKey.h"
#include "tests/support/FakePorts.h"
#include "tests/support/FakeTimers.h"

#include <gtest/gtest.h>
#include <span>
#include <vector>

namespace trumbel {
namespace {

TEST(HotKeyMap, ModifiersAndKeysyms) {
    EXPECT_EQ(HotKeyModifiers(true, true, false), 3);
    EXPECT_EQ(HotKeyModifiers(true, false, true), 6);
    EXPECT_EQ(HotKeyModifiers(false, false, false), 0);
    EXPECT_EQ(HotKeyModifiers(true, true, true), 7);

    const std::pair<int, std::uint32_t> keys[] = {
        {119, 0xFFC5},                                                                  // F8
        {0x70, 0xFFBE},                                                                 // F1
        {0x7B, 0xFFC9},                                                                 // F12
        {0x87, 0xFFD5},                                                                 // F24
        {'A', 'a'},     {'Z', 'z'},     {'0', '0'},     {'9', '9'},     {0x25, 0xFF51}, // Left
        {0x28, 0xFF54},                                                                 // Down
        {0x24, 0xFF50}, {0x23, 0xFF57}, {0x21, 0xFF55}, {0x22, 0xFF56}, {0x2D, 0xFF63},
        {0x2E, 0xFFFF}, {0x13, 0xFF13}, {0x60, 0xFFB0}, {0x69, 0xFFB9}, {0x6B, 0xFFAB},
        {0x6F, 0xFFAF}, {0x5B, 0xFFEB}, {0x5D, 0xFF67}, {0xBA, 0x3B},   {0xBF, 0x2F},
        {0xC0, 0x60},   {0xDE, 0x27},   {0xE2, 0x3C},   {0xF3, 0xFF2A}, {0x1C, 0xFF23},
        {0, 0},         {0x88, 0},      {-1, 0},        {0x07, 0}, // codes without a key
    };
    for (auto [vk, keysym] : keys) {
        EXPECT_EQ(KeysymForVirtualKey(vk), keysym) << vk;
    }
    // Every key the options dialog offers has a keysym: none can be chosen and then never fire.
    for (const HotKeyChoice& choice : kHotKeyChoices) {
        EXPECT_GT(KeysymsForVirtualKey(choice.virtualKey).count, 0u) << choice.name;
    }
}

struct FakeGrabber : KeyGrabber {
    std::vector<std::pair<std::uint32_t, int>> grabs; // active grabs: first choice, modifiers
    int ungrabs = 0;
    GrabResult answer = GrabResult::Grabbed;
    GrabResult Grab(std::span<const std::uint32_t> keysyms, int modifiers) override {
        if (answer != GrabResult::NoSuchKey) {
            grabs.emplace_back(keysyms.front(), modifiers);
        }
        return answer;
    }
    void Ungrab() override {
        grabs.clear();
        ++ungrabs;
    }
};

class SkinHotKeyTest : public ::testing::Test {
protected:
    SkinHotKeyTest() : program(ui, timers, {}), hotKey(program, grabber) {
        Ports p;
        p.function = &function;
        program.Attach(inert.Fill(p));
    }
    struct CountingFunction : FunctionPort {
        int& fired;
        explicit CountingFunction(int& f) : fired(f) {}
        void RunFunctionButton() override { ++fired; }
    };
    RecordingUi ui;
    test::FakeTimerHost timers;
    Program program;
    FakeGrabber grabber;
    SkinHotKey hotKey;
    int fired = 0;
    CountingFunction function{fired};
    test::InertPorts inert;
};

TEST_F(SkinHotKeyTest, CtrlAltF8AndRegisteringTwiceLeavesOneGrab) {
    program.settings.hotKeyCtrl = 1;
    program.settings.hotKeyAlt = 1;
    program.settings.hotKeyShift = 0;
    program.settings.hotKeyCode = 119;
    hotKey.RegisterSkinHotKey();
    hotKey.RegisterSkinHotKey();
    ASSERT_EQ(grabber.grabs.size(), 1u);
    EXPECT_EQ(grabber.grabs[0], (std::pair<std::uint32_t, int>{0xFFC5, 3}));
    EXPECT_TRUE(hotKey.IsRegistered());
    EXPECT_TRUE(hotKey.OnHotKey());
    EXPECT_EQ(fired, 1);

    hotKey.UnregisterSkinHotKey();
    hotKey.UnregisterSkinHotKey();
    EXPECT_EQ(grabber.ungrabs, 2) << "one for the re-register, one for the unregister";
    EXPECT_FALSE(hotKey.IsRegistered());
    EXPECT_FALSE(hotKey.OnHotKey());
    EXPECT_EQ(fired, 1);
}

TEST_F(SkinHotKeyTest, WithoutSubclassingTheKeyIsGrabbedButIgnored) {
    program.subclassAllowed = false;
    hotKey.Register(true, false, true, 0x7B);
    EXPECT_EQ(grabber.grabs.size(), 1u);
    EXPECT_TRUE(hotKey.IsRegistered());
    EXPECT_FALSE(hotKey.OnHotKey());
    EXPECT_EQ(fired, 0);
}

// A key the keyboard lacks is not registered (it could never fire); one another program holds,
// or a desktop without global grabs, counts as registered and simply never fires. A bare key
// that types text, as a shared settings file may carry, is never grabbed.
TEST_F(SkinHotKeyTest, RegisteredUnlessTheKeyboardLacksTheKeyOrItWouldTakeTyping) {
    struct Case {
        int ctrl;
        int vk;
        GrabResult answer;
        bool registered;
    };
    for (const Case& c :
         {Case{1, 0x77, GrabResult::Grabbed, true}, Case{1, 0x77, GrabResult::Taken, true},
          Case{1, 0x77, GrabResult::Unsupported, true}, Case{1, 0xF3, GrabResult::NoSuchKey, false},
          Case{1, 0x88, GrabResult::Grabbed, false}, Case{0, 0x41, GrabResult::Grabbed, false},
          Case{0, 0x20, GrabResult::Grabbed, false}, Case{0, 0x77, GrabResult::Grabbed, true},
          Case{0, 0x13, GrabResult::Grabbed, true}, Case{1, 0x41, GrabResult::Grabbed, true}}) {
        SCOPED_TRACE(testing::Message() << c.ctrl << " " << c.vk);
        grabber.answer = c.answer;
        hotKey.Register(static_cast<std::int16_t>(c.ctrl), 0, 0, c.vk);
        EXPECT_EQ(hotKey.IsRegistered(), c.registered);
        EXPECT_EQ(grabber.grabs.size(),
                  c.registered && c.answer != GrabResult::NoSuchKey ? 1u : 0u);
        hotKey.UnregisterSkinHotKey();
    }
}

TEST_F(SkinHotKeyTest, ExitUnregistersThroughTheProgram) {
    Ports p;
    p.hotKey = &hotKey;
    test::InertPorts inert;
    program.Attach(inert.Fill(p));
    hotKey.Register(1, 0, 0, 119);
    program.EndApplication();
    EXPECT_FALSE(hotKey.IsRegistered());
    EXPECT_TRUE(grabber.grabs.empty());
}

} // namespace
} // namespace trumbel
