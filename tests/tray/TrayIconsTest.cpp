#include "tray/TrayIcons.h"

#include "base/RuntimeError.h"
#include "tests/tray/FakeSource.h"
#include "tests/tray/FakeTray.h"
#include "tray/TrayImages.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

using test::FakeSource;
using test::FakeTaskIcon;
using test::FakeTaskIconHost;
using test::TrayJournal;

struct Fixture {
    Settings settings;
    bool noBalloon = false;
    std::string appFolder = "/opt/velquor/";
    RecordingUi ui;
    TrayJournal journal;
    FakeTaskIconHost host{journal};
    FakeSource values;
    TraySourceHooks source;
    std::unique_ptr<TrayIcons> tray;

    Fixture() {
        values.defaultStrip = test::RegionStrip();
        source = values.Hooks();
        tray = std::make_unique<TrayIcons>(settings, noBalloon, appFolder, ui, host, source);
    }
    const FakeTaskIcon& Icon(int n) const {
        return *static_cast<const FakeTaskIcon*>(tray->Icon(n));
    }
    // The bar index an icon shows, read back from its image's filled columns.
    int ShownIndex(int n) const {
        const TrayImageSet& set = tray->Images(n);
        for (int i = 0; i < kTrayImageCount; ++i) {
            if (set[static_cast<std::size_t>(i)] == Icon(n).image) {
                return i;
            }
        }
        return -1;
    }
};

TEST(UpdateTrayIcon, CreateThenRefreshPicksTheImageOfThePercentage) {
    Fixture f;
    f.settings.trayIconCount = 2;
    f.settings.trayIcons[1] = {2, 1}; // processor 1, used side
    f.values.percents[{2, 1, 1}] = 8;
    f.tray->CreateIconObjects();
    f.tray->CreateIcon(1);
    EXPECT_EQ(f.journal.calls.back(), "1 add 1 Velquor\r\nCPU使用量\r\n<0>％/<0>％");
    EXPECT_EQ(f.ShownIndex(1), 1);

    const struct { int percent, index; } steps[] = {{0, 0}, {97, 14}, {100, 14}, {50, 7}};
    for (const auto& s : steps) {
        f.values.percents[{2, 1, 1}] = s.percent;
        f.tray->UpdateIcon(1);
        EXPECT_EQ(f.journal.calls.back().rfind("1 modify ", 0), 0u);
        EXPECT_EQ(f.ShownIndex(1), s.index) << s.percent;
    }
    // The used side reads the strip's used pair: column 16 onwards.
    const TrayImage& shown = *f.Icon(1).image;
    EXPECT_EQ(shown.At(0, 0) & 0xFFFFFFu, 3u);  // filled, used pair
    EXPECT_EQ(shown.At(15, 0) & 0xFFFFFFu, 4u); // empty, used pair
    EXPECT_EQ(shown.At(0, 8) & 0xFFFFFFu, 7u);  // label of kind 2: column 48, upper half
}

// An icon of another machine reads that machine's values, and its tooltip says which machine
// and why it shows nothing, once.
TEST(UpdateTrayIcon, AnIconOfAnotherMachineReadsThatMachine) {
    Fixture f;
    FakeSource remote;
    remote.percents[{2, 0, 1}] = 50;
    TraySourceHooks remoteHooks = remote.Hooks();
    remoteHooks.hostNote = [] { return "nas: [未接続] 接続できません"; };
    f.source.ofHost = [&](int host) -> const TraySource& {
        return host == 1 ? remoteHooks : f.source;
    };
    f.values.percents[{2, 0, 1}] = 8;
    f.settings.trayIconCount = 2;
    f.settings.trayIcons[1] = {2, 0, 0};
    f.settings.trayIcons[2] = {2, 0, 1};
    f.tray->CreateIconObjects();
    f.tray->CreateIcon(1);
    f.tray->CreateIcon(2);
    EXPECT_EQ(f.ShownIndex(1), 1);
    EXPECT_EQ(f.ShownIndex(2), 7);
    EXPECT_EQ(f.journal.calls.back(),
              "2 add 2 Velquor\r\nnas: [未接続] 接続できません\r\nCPU使用量\r\n<0>％/<0>％");
}

TEST(UpdateTrayIcon, ImagesAreComposedOnlyWhenCreatedForcedOrNotShown) {
    Fixture f;
    f.tray->CreateIconObjects();
    f.tray->CreateIcon(1);
    EXPECT_EQ(f.values.defaultStripReads, 1);
    for (int i = 0; i < 5; ++i) {
        f.tray->UpdateIcon(1);
    }
    EXPECT_EQ(f.values.defaultStripReads, 1);
    f.tray->UpdateTrayIcon(1, TrayMode::Refresh, RebuildImages::Yes);
    EXPECT_EQ(f.values.defaultStripReads, 2);
    f.tray->UpdateTrayIcon(1, TrayMode::Remove);
    EXPECT_EQ(f.journal.calls.back(), "1 delete");
    EXPECT_FALSE(f.tray->Images(1)[0]);
    f.tray->UpdateIcon(1); // not shown: composed again and added
    EXPECT_EQ(f.values.defaultStripReads, 3);
    EXPECT_EQ(f.journal.calls.back().rfind("1 add 1 ", 0), 0u);
}

TEST(UpdateTrayIcon, AFailedAddStillCountsAsCreated) {
    Fixture f;
    f.tray->CreateIconObjects();
    static_cast<FakeTaskIcon*>(const_cast<TaskIcon*>(f.tray->Icon(1)))->addSucceeds = false;
    f.tray->CreateIcon(1);
    f.tray->UpdateIcon(1);
    EXPECT_EQ(f.journal.calls.back().rfind("1 modify ", 0), 0u);
}

TEST(UpdateTrayIcon, IgnoredWhileBusyOrForUnknownModesAndChecksTheNumber) {
    Fixture f;
    f.tray->CreateIconObjects();
    f.tray->settingsBusy = true;
    f.tray->CreateIcon(1);
    f.tray->settingsBusy = false;
    f.tray->UpdateTrayIcon(1, static_cast<TrayMode>(3));
    f.tray->UpdateTrayIcon(1, static_cast<TrayMode>(-1));
    EXPECT_TRUE(f.journal.calls.empty());
    for (int n : {0, 9, -1}) {
        try {
            f.tray->UpdateIcon(n);
            ADD_FAILURE() << n;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), 9);
        }
    }
}

TEST(BuildTrayImages, ConfiguredStripFileElseTheBuiltInOne) {
    struct Case {
        std::string file;
        bool present;
        bool empty;
        int paramId;
        std::uint32_t wantBar;
        std::uint32_t wantLabel;
    };
    const std::vector<Case> cases = {
        {"", false, false, 0, 1, 5},
        {"bars.bmp", true, false, 0, 101, 105},
        {"missing.bmp", false, false, 0, 1, 5},
        {"empty.bmp", true, true, 0, 1, 5},
        // a kind newer than the file's strip: its bars, the built-in label
        {"bars.bmp", true, false, 9, 101, 14},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.settings.trayImageFile = c.file;
        f.values.defaultStrip = test::RegionStrip(0, 144);
        if (c.present) {
            f.values.files["/opt/velquor/Icon/" + c.file] =
                c.empty ? StripPixels{} : test::RegionStrip(100);
        }
        f.source = f.values.Hooks();
        const TrayImageSet images = f.tray->BuildTrayImages(c.paramId, 0);
        EXPECT_EQ(images[0]->At(0, 0) & 0xFFFFFFu, c.wantBar) << c.file;
        EXPECT_EQ(images[0]->At(0, 8) & 0xFFFFFFu, c.wantLabel) << c.file << " " << c.paramId;
    }
}

// Raising the icon count past what the settings held shows icons that were never set: they
// show physical memory of device 0, as the record starts; icon 1 stays the processor.
TEST(UpdateTrayIcon, IconsNeverSetShowPhysicalMemory) {
    Fixture f;
    f.settings.trayIconCount = kTrayIconMax;
    f.tray->CreateIconObjects();
    for (int n = 1; n <= kTrayIconMax; ++n) {
        f.tray->CreateIcon(n);
        const std::string& added = f.journal.calls.back();
        const std::string label = n == 1 ? "\r\nCPU" : "\r\n物理メモリー";
        EXPECT_NE(added.find(label), std::string::npos) << n << ": " << added;
    }
}

TEST(ShowBalloon, UsesTrayIconOneWhenIconsAreConfigured) {
    Fixture f;
    f.settings.trayIconCount = 1;
    f.tray->CreateIconObjects();
    f.tray->CreateIcon(1);
    f.tray->ShowBalloon("text", 1, "title");
    EXPECT_EQ(f.journal.calls.back(), "1 balloon title|text|1|5000");
    f.tray->HideBalloon(ReleaseNotice::Yes);
    EXPECT_EQ(f.journal.calls.back(), "1 clear balloon");
    EXPECT_EQ(f.tray->Icon(0), nullptr);
}

TEST(ShowBalloon, NoticeIconLivesFromTheFirstBalloonToARelease) {
    Fixture f;
    f.settings.trayIconCount = 0;
    f.tray->CreateIconObjects();
    f.tray->ShowBalloon("一行目\r\n二行目", 3, "時計の調節 - Velquor");
    ASSERT_NE(f.tray->Icon(0), nullptr);
    EXPECT_EQ(f.Icon(0).image, f.host.symbol);
    const std::vector<std::string> first = {
        "9 add 0 Velquor通知",
        "9 balloon 時計の調節 - Velquor|一行目\r\n二行目|3|5000",
    };
    EXPECT_EQ(f.journal.calls, first);

    f.tray->HideBalloon(ReleaseNotice::No);
    f.tray->ShowBalloon("again", 1, "t"); // the same icon, not a second one
    f.tray->HideBalloon(ReleaseNotice::Yes);
    const std::vector<std::string> all = {
        "9 add 0 Velquor通知", "9 balloon 時計の調節 - Velquor|一行目\r\n二行目|3|5000",
        "9 clear balloon",     "9 balloon t|again|1|5000",
        "9 clear balloon",     "9 delete",
        "9 destroyed",
    };
    EXPECT_EQ(f.journal.calls, all);
    EXPECT_EQ(f.tray->Icon(0), nullptr);

    // A release when icons were switched on meanwhile still takes the notice icon away.
    f.tray->ShowBalloon("x", 1, "t");
    f.settings.trayIconCount = 1;
    f.tray->HideBalloon(ReleaseNotice::Yes);
    EXPECT_EQ(f.tray->Icon(0), nullptr);
}

TEST(ShowBalloon, NoBalloonAndNoTray) {
    Fixture f;
    f.settings.trayIconCount = 0;
    f.noBalloon = true;
    f.tray->ShowBalloon("text", 1, "title", NoticeNeed::MustBeSeen);
    EXPECT_TRUE(f.journal.calls.empty());
    EXPECT_TRUE(f.ui.shown.empty());
    EXPECT_EQ(f.tray->Icon(0), nullptr);

    f.noBalloon = false;
    f.host.trayAvailable = false;
    f.tray->ShowBalloon("transient", 1, "title");
    EXPECT_EQ(f.journal.calls.back(), "1 balloon title|transient|1|5000"); // kept for later
    f.tray->ShowBalloon("must", 2, "title", NoticeNeed::MustBeSeen);
    ASSERT_EQ(f.ui.shown.size(), 1u);
    EXPECT_EQ(f.ui.shown[0].text, "must");
    EXPECT_EQ(f.ui.shown[0].icon, MsgIcon::Exclamation);
}

TEST(ShowNotice, MessageBoxWithTheIconMapping) {
    const std::vector<std::pair<int, MsgIcon>> cases = {
        {1, MsgIcon::Information}, {2, MsgIcon::Exclamation}, {3, MsgIcon::Critical},
        {0, MsgIcon::None},        {4, MsgIcon::None},
    };
    for (const auto& [icon, want] : cases) {
        Fixture f;
        f.tray->ShowNotice("本文", icon, "題名 - Velquor");
        ASSERT_EQ(f.ui.shown.size(), 1u);
        EXPECT_EQ(f.ui.shown[0].title, "題名 - Velquor");
        EXPECT_EQ(f.ui.shown[0].text, "本文");
        EXPECT_EQ(f.ui.shown[0].icon, want);
        EXPECT_EQ(f.ui.shown[0].buttons, MsgButtons::Ok);
    }
}

TEST(ReleaseAll, RemovesEveryIcon) {
    Fixture f;
    f.settings.trayIconCount = 2;
    f.tray->CreateIconObjects();
    f.tray->CreateIcon(1);
    f.tray->CreateIcon(2);
    f.tray->ReleaseAll();
    int deletes = 0;
    for (const auto& c : f.journal.calls) {
        deletes += c.find(" delete") != std::string::npos;
    }
    EXPECT_EQ(deletes, 2);
    EXPECT_EQ(f.tray->Icon(1), nullptr);
}

} // namespace
} // namespace trumbel
