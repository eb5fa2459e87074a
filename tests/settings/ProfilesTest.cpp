#include "settings/IniFile.h"
#include "settings/SettingsKeys.h"
#include "tests/settings/SettingsFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace trumbel {
namespace {

using testing::ReadBytes;
using testing::SettingsTest;
using testing::WriteBytes;

const std::string kCurrent = "[バージョン情報]\nVelquorVer=1320083\n";

TEST_F(SettingsTest, ResetGroupsTouchOnlyTheirFields) {
    struct Case {
        int group;
        std::function<void(Settings&)> change; // moves fields of the group and neighbours
        std::function<void(const Settings&)> check;
    };
    const auto dirty = [](Settings& s) {
        s.snapStrength = 1;
        s.topmost = false;
        s.showByButtonCopy = true;
        s.startX = 99;
        s.snapTitles = {"Dammy", "x"};
        s.deviceLimits[1].receive = {{3, 3}, {5.0f, 6.0f}, 777.0f};
        s.fixedSkinDevice = 1;
        s.skinFileName = "x.skn";
        s.useBuiltInSkin = 0;
        s.containerCount = 2;
        s.kind[4][0] = 3;
        s.functionName = "f";
        s.hotKeyCode = 1;
        s.trayIconCount = 5;
        s.trayIcons[1] = {8, 1};
        s.trayIcons[3] = {4, 1};
        s.timeServerPort = 9;
    };
    const std::vector<Case> cases = {
        {0, dirty,
         [](const Settings& s) {
             EXPECT_EQ(s.snapStrength, 10);
             EXPECT_EQ(s.topmost, false);
         }},
        {1, dirty,
         [](const Settings& s) {
             EXPECT_EQ(s.topmost, true);
             EXPECT_EQ(s.showByButtonCopy, true); // kept
             EXPECT_EQ(s.startX, 99);
         }},
        {2, dirty,
         [](const Settings& s) {
             EXPECT_EQ(s.startX, 0);
             EXPECT_EQ(s.snapTitles, std::vector<std::string>{"Dammy"});
         }},
        {3, dirty,
         [](const Settings& s) {
             EXPECT_EQ(s.deviceLimits[1].receive, (LimitPair{{0, 0}, {0.0f, 0.0f}, 777.0f}));
             EXPECT_EQ(s.fixedSkinDevice, 0);
         }},
        {4, dirty,
         [this](const Settings& s) {
             EXPECT_EQ(s.skinFileName, "AllView2.skn");
             EXPECT_EQ(s.skinFolder, appFolder);
             EXPECT_EQ(s.useBuiltInSkin, 1);
             EXPECT_EQ(s.containerCount, 2);
         }},
        {9, dirty,
         [](const Settings& s) {
             EXPECT_EQ(s.containerCount, 5);
             EXPECT_EQ(s.kind[4][0], 0);
             EXPECT_EQ(s.skinFileName, "x.skn");
         }},
        {6, dirty,
         [](const Settings& s) {
             EXPECT_EQ(s.functionName, "");
             EXPECT_EQ(s.hotKeyCode, 119);
             EXPECT_EQ(s.trayIconCount, 5);
         }},
        {7, dirty,
         [](const Settings& s) {
             EXPECT_EQ(s.trayIconCount, 1);
             EXPECT_EQ(s.trayIcons[1], (TrayIconSetting{2, 0}));
             EXPECT_EQ(s.trayIcons[3], (TrayIconSetting{4, 1})); // icons 2..8 keep theirs
         }},
        {8, dirty,
         [](const Settings& s) {
             EXPECT_EQ(s.timeServerPort, 123);
             EXPECT_EQ(s.trayIconCount, 5);
         }},
    };
    std::vector<std::string> skinPaths;
    env->setCurrentSkinPath = [&](const std::string& p) { skinPaths.push_back(p); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        settings = Settings{};
        settings.deviceLimits.resize(2);
        c.change(settings);
        skinPaths.clear();
        store->ResetSettings(static_cast<SettingsGroup>(c.group));
        c.check(settings);
        ASSERT_FALSE(skinPaths.empty());
        EXPECT_EQ(skinPaths.back(), settings.skinFolder + settings.skinFileName);
    }
}

TEST_F(SettingsTest, LayoutResetGivesTheDefaultWindow) {
    settings.kind[7][3] = 6;
    settings.historyContainer[8] = 1;
    store->ResetSettings(SettingsGroup::Layout);
    EXPECT_EQ(settings.containerCount, 5);
    EXPECT_EQ(settings.historyContainer,
              (std::array<bool, 10>{0, 1, 1, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(settings.clockContainer,
              (std::array<bool, 10>{0, 0, 0, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(settings.kind[0][1], 8);
    EXPECT_EQ(settings.kind[1][0], 2);
    EXPECT_EQ(settings.kind[2][0], 4);
    EXPECT_EQ(settings.kind[3][0], 5);
    EXPECT_EQ(settings.kind[7][3], 0);
    EXPECT_EQ(settings.graphStyle[1][0], 50);
    EXPECT_EQ(settings.graphStyle[2][0], 20);
    EXPECT_EQ(settings.graphStyle[0][0], 10);
    EXPECT_EQ(settings.digitStyle[0][0], 30);
    EXPECT_EQ(activations, std::vector<SkinActivation>{SkinActivation::Quiet});
}

TEST_F(SettingsTest, ProfilesAndOptionFiles) {
    // A name with "の" and one with a dot each read their own file.
    WriteBytes(Path("setting_山の上.ini"), kCurrent + "[基本設定]\n吸着強度=21\n");
    WriteBytes(Path("setting_a.b.ini"), kCurrent + "[基本設定]\n吸着強度=22\n");
    WriteBytes(Path("Setting_upper.ini"), kCurrent);
    WriteBytes(Path("setting_x.ini.bak"), kCurrent);
    WriteBytes(Path("Option/night.ini"), kCurrent + "[基本設定]\n吸着強度=23\n");
    WriteBytes(Path("Option/day.INI"), kCurrent);
    WriteBytes(Path("Option/v1.2.ini"), kCurrent);
    WriteBytes(Path("Option/v1.10.ini"), kCurrent);
    WriteBytes(Path("setting_V10.ini"), kCurrent);
    WriteBytes(Path("setting_v9.ini"), kCurrent);

    // In a file manager's order, never the disk's.
    EXPECT_EQ(ListProfiles(appFolder), (std::vector<std::string>{"a.b", "v9", "V10", "山の上"}));
    EXPECT_EQ(ListOptionFiles(appFolder), (std::vector<std::string>{"night", "v1.2", "v1.10"}));

    struct Case {
        bool option;
        std::string name;
        int strength;
    };
    for (const Case& c :
         std::vector<Case>{{false, "山の上", 21}, {false, "a.b", 22}, {true, "night", 23}}) {
        activations.clear();
        EXPECT_TRUE(c.option ? store->SwitchToOptionFile(c.name) : store->SwitchToProfile(c.name));
        EXPECT_EQ(settings.snapStrength, c.strength) << c.name;
        EXPECT_EQ(activations.back(), SkinActivation::Announce);
    }
    EXPECT_TRUE(ui.shown.empty());
    // Switching never changes which file is written at exit.
    EXPECT_EQ(store->SettingsFilePath(), Path("setting_tester.ini"));

    settings.snapStrength = 5;
    EXPECT_FALSE(store->SwitchToProfile("gone"));
    EXPECT_FALSE(store->SwitchToOptionFile("gone"));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].title, "エラー - Velquor");
    EXPECT_EQ(ui.shown[0].text, Path("setting_gone.ini") + " が見つかりません");
    EXPECT_EQ(ui.shown[1].text, Path("Option/gone.ini") + " が見つかりません");
    EXPECT_EQ(settings.snapStrength, 5); // nothing changed

    ASSERT_TRUE(store->SaveOptionFile(Path("Option/saved.ini")).ok);
    store->OpenOptionFile(Path("Option/night.ini"));
    EXPECT_EQ(settings.snapStrength, 23);
    store->OpenOptionFile(Path("Option/saved.ini"));
    EXPECT_EQ(settings.snapStrength, 5);
}

// Saving an option file takes the window's place as the start position, as an exit does; the
// file written while auto-snapped keeps the place the window returns to.
TEST_F(SettingsTest, SavingAnOptionFileRecordsTheWindowPlace) {
    struct Case {
        std::int16_t mode;
        std::optional<WindowPosition> now;
        std::optional<WindowPosition> beforeSnap;
        std::int32_t recordX;
        std::string fileX;
    };
    const std::vector<Case> cases = {
        {0, WindowPosition{300, 200}, std::nullopt, 300, "300"},
        {0, WindowPosition{300, 200}, WindowPosition{40, 50}, 300, "40"},
        {1, WindowPosition{300, 200}, std::nullopt, 10, "10"},
        {0, std::nullopt, std::nullopt, 10, "10"},
    };
    const std::string path = Path("Option/placed.ini");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " " + c.fileX);
        env->currentWindowPosition = [&c] { return c.now; };
        env->positionBeforeAutoSnap = [&c] { return c.beforeSnap; };
        settings.skinFolder = appFolder;
        settings.startPositionMode = c.mode;
        settings.startX = 10;
        ASSERT_TRUE(store->SaveOptionFile(path).ok);
        EXPECT_EQ(settings.startX, c.recordX);
        EXPECT_EQ(LoadIniFile(path)->Get("位置情報設定", "起動位置X"), c.fileX);
    }
}

TEST_F(SettingsTest, BackupRecovery) {
    const std::string path = StandardPath();
    const std::string backup = Path("setting_tester.bak");
    // Only the backup: Yes restores it, reads it, and the next save leaves no backup.
    WriteBytes(backup, kCurrent + "[基本設定]\n吸着強度=31\n");
    ui.answers = {MsgAnswer::Yes};
    store->LoadSettings(path, LoadMode::Startup);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "確認 - Velquor");
    EXPECT_EQ(ui.shown[0].text,
              path + "は見つかりませんでしたが、そのバックアップファイルを発見しました｡\r\n"
                     "バックアップファイルを読み込みますか？");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Question);
    EXPECT_EQ(settings.snapStrength, 31);
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(backup));
    ASSERT_TRUE(store->SaveSettings(path).ok);
    EXPECT_FALSE(FileExists(backup));

    // No: the missing-file defaults, and the backup stays for another time.
    std::filesystem::rename(path, backup);
    ui.shown.clear();
    ui.answers = {MsgAnswer::No};
    store->LoadSettings(path, LoadMode::Startup);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].title, "Velquor - 確認");
    EXPECT_EQ(settings.snapStrength, 10);
    EXPECT_TRUE(FileExists(backup));

    // Both present: the backup goes silently and the file is read.
    WriteBytes(path, kCurrent + "[基本設定]\n吸着強度=32\n");
    ui.shown.clear();
    store->LoadSettings(path, LoadMode::Startup);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(settings.snapStrength, 32);
    EXPECT_FALSE(FileExists(backup));

    // A stale backup someone left does not stop the next save.
    WriteBytes(backup, "stale");
    settings.snapStrength = 33;
    ASSERT_TRUE(store->SaveSettings(path).ok);
    EXPECT_FALSE(FileExists(backup));
    EXPECT_EQ(LoadIniFile(path)->Get("基本設定", "吸着強度"), "33");
}

TEST_F(SettingsTest, ReadOnlyRunsNeverWrite) {
    SettingsStore readOnly(settings, *env, FileWrites::Forbidden);
    const std::string path = StandardPath();
    const std::string backup = Path("setting_tester.bak");
    WriteBytes(backup, kCurrent + "[基本設定]\n吸着強度=41\n");
    ui.answers = {MsgAnswer::Yes};
    readOnly.LoadSettings(path, LoadMode::Startup);
    EXPECT_EQ(settings.snapStrength, 41);
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(FileExists(backup));
    EXPECT_FALSE(readOnly.SaveSettings(path).ok);
    EXPECT_FALSE(FileExists(path));

    SettingsService service(settings, *env, FileWrites::Forbidden);
    service.SaveSettings(path);
    EXPECT_FALSE(FileExists(path));
    WriteBytes(path, kCurrent);
    readOnly.LoadSettings(path, LoadMode::Startup);
    EXPECT_TRUE(FileExists(backup)); // not even the stale backup is removed
}

TEST_F(SettingsTest, FailedSaveIsReported) {
    SettingsService service(settings, *env);
    const std::string path = appFolder + "no-such-folder/setting_tester.ini";
    ui.shown.clear();
    service.SaveSettings(path);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "保存エラー - Velquor");
    EXPECT_NE(ui.shown[0].text.find(path), std::string::npos);
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
}

// A settings file that is there but cannot be read is reported as such, and neither the exit
// nor an option-file save replaces it.
TEST_F(SettingsTest, UnreadableFileIsReportedAndKept) {
    const std::string bytes = "[基本設定]\n吸着強度=23\n";
    testing::WriteBytes(StandardPath(), bytes);
    ::chmod(StandardPath().c_str(), 0200);
    if (::access(StandardPath().c_str(), R_OK) == 0) {
        ::chmod(StandardPath().c_str(), 0600);
        GTEST_SKIP() << "this user reads every file (root); run as a normal user to test this";
    }
    ui.shown.clear();
    store->LoadSettings(StandardPath(), LoadMode::Startup);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "Velquor - 確認");
    EXPECT_EQ(ui.shown[0].text,
              StandardPath() + "を読み込めませんでしたので標準の設定を適用します｡");
    EXPECT_EQ(settings.snapStrength, 10);

    SettingsService service(settings, *env);
    service.SaveSettings(StandardPath());
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].title, "保存エラー - Velquor");
    EXPECT_FALSE(store->SaveOptionFile(StandardPath()).ok);
    ::chmod(StandardPath().c_str(), 0600);
    EXPECT_EQ(testing::ReadBytes(StandardPath()), bytes);
    EXPECT_FALSE(FileExists(BackupPath(StandardPath())));
}

} // namespace
} // namespace trumbel
