#include "base/RuntimeError.h"
#include "base/TextEncoding.h"
#include "settings/IniFile.h"
#include "settings/RemoteHostList.h"
#include "settings/SettingsKeys.h"
#include "settings/SlotStyle.h"
#include "tests/settings/SettingsFixture.h"

#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace trumbel {
namespace {

using testing::ReadBytes;
using testing::SettingsTest;
using testing::WriteBytes;

// Every field away from its reset value, with derived styles SetSlotStyle can produce.
Settings RichSettings(const std::string& skinFolder) {
    Settings s;
    s.loadedVersion = 1320083;
    s.snapToScreenEdges = false;
    s.snapToTaskbar = false;
    s.snapStrength = 17;
    s.historyScrollDirection = true;
    s.historyUpdateSpeed = 3;
    s.historySampleMode = 2;
    s.openLastOptionsPage = false;
    s.lastOptionsPage = OptionsPageId::Window;
    s.doubleSize = true;
    s.useIconMenu = false;
    s.deviceLimits.resize(2);
    s.deviceLimits[0].receive = {{1, 2}, {0.1f, 1234567.9f}, 3.4e38f};
    s.deviceLimits[0].send = {{-1, 5}, {1e-7f, 16777217.0f}, 98765.43f};
    s.deviceLimits[1].receive = {{0, 1}, {2.5f, 0.0f}, 125000000.0f};
    s.deviceLimits[1].send = {{2, 0}, {7.0f, 1.17549435e-38f}, 1.0f / 3.0f};
    s.fixedSkinDevice = 1;
    s.diskLimits = {{"nvme0n1", {{1, 2}, {3.5f, 0.0f}, 123456.5f}, {{0, 1}, {0.0f, 1e9f}, 7.0f}},
                    {"sda", {}, {{2, 2}, {1.0f, 2.0f}, 0.0f}}};
    s.topmost = false;
    s.hideOnMouseOver = true;
    s.shiftKeepsVisible = false;
    s.hideByButton = false;
    s.normallyHidden = true;
    s.showOnMouseOver = false;
    s.showNeedsShift = false;
    s.backWhenMouseAway = false;
    s.showByButton = true;
    s.showByButtonCopy = true;
    s.toggleButton = false;
    s.hideWhenNotSnapped = true;
    s.startPositionMode = 1;
    s.startX = -1920;
    s.startY = 2000000;
    s.autoSnapMode = 2;
    s.snapAnchor1 = 3;
    s.snapAnchor2 = 2;
    s.snapOffsetX = -4;
    s.snapOffsetY = 9;
    s.snapExclusionMode = 0;
    s.snapExclusionWidth = 640;
    s.snapExclusionHeight = 480;
    s.snapTitles = {"Dammy", "Firefox", "端末 - bash", "a,b"};
    s.useBuiltInSkin = 0;
    s.builtInSkinType = 0;
    s.skinFolder = skinFolder;
    s.skinFileName = "わたしの skin.skn";
    s.showStartUnit = 0;
    s.showEndUnit = 0;
    s.containerCount = 10;
    for (int c = 0; c < kContainerCount; ++c) {
        s.historyContainer[c] = c % 2 == 1;
        s.clockContainer[c] = c % 3 == 0;
        for (int sl = 0; sl < kSlotCount; ++sl) {
            s.kind[c][sl] = static_cast<std::int16_t>((c + sl) % kItemKindCount);
            s.device[c][sl] = static_cast<std::int16_t>(
                s.kind[c][sl] >= 4 && s.kind[c][sl] <= 7 ? (c + sl) % 2 : c);
            const int standard = kBuiltInStandardStyles[static_cast<std::size_t>(s.kind[c][sl])];
            SetSlotStyle(s, kBuiltInStandardStyles, c, sl, (standard / 3) * 3 + (c + 2 * sl) % 3,
                         StyleSet::Force);
        }
    }
    s.functionId = -3;
    s.functionName = "メモ.txt";
    s.builtInFunctionFlags = {true, false, true, false, true};
    s.trayImageFile = "/tmp/トレイ.bmp";
    s.trayUpdateInterval = 4;
    s.trayIconCount = 8;
    for (int n = 1; n <= kTrayIconMax; ++n) {
        s.trayIcons[static_cast<std::size_t>(n)] = {static_cast<std::int16_t>(n % 9),
                                                    static_cast<std::int16_t>(n)};
    }
    s.trayClickActions = {1, 2, 3, 0};
    s.hotKeyEnabled = 0;
    s.hotKeyCtrl = 0;
    s.hotKeyAlt = 5;
    s.hotKeyShift = -1;
    s.hotKeyCode = 70000;
    s.timeServer = "時刻 (ntp.example.org)";
    s.adjustClockAtStart = 0;
    s.timeServerPort = 10123;
    s.adjustEveryHours = 48;
    s.adjustWithOffset = -1;
    s.clockOffset = {1, -2, 30, 59};
    s.remoteHosts = {{"nas", "http://192.0.2.7:9100/metrics", "", "", "", ""},
                     {"ラボ", "https://prom.example:9090", "lab:9100", "t0k=n", "me", "p;w d"}};
    s.remoteIntervalMs = 1500;
    s.host[1] = {2, 0, 1, 0};
    s.trayIcons[3].host = 1;
    return s;
}

TEST_F(SettingsTest, EveryFieldSurvivesARoundTrip) {
    const Settings rich = RichSettings(appFolder);
    settings = rich;
    ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
    settings = Settings{};
    store->LoadSettings(StandardPath(), LoadMode::Startup);
    EXPECT_TRUE(ui.shown.empty()) << ui.shown.front().text;
    EXPECT_TRUE(settings == rich);
    // Field by field where it differs, to say which.
    for (std::size_t d = 0; d < 2; ++d) {
        EXPECT_EQ(settings.deviceLimits[d], rich.deviceLimits[d]) << d;
    }
    EXPECT_EQ(settings.graphStyle, rich.graphStyle);
    EXPECT_EQ(settings.digitStyle, rich.digitStyle);
    EXPECT_EQ(settings.snapTitles, rich.snapTitles);
    // And the file is written again byte for byte.
    const std::string first = ReadBytes(StandardPath());
    ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
    EXPECT_EQ(ReadBytes(StandardPath()), first);
    EXPECT_FALSE(FileExists(BackupPath(StandardPath())));
}

TEST_F(SettingsTest, WrittenFileMatchesTheGoldenKeyOrder) {
    settings.skinFolder = "/";
    settings.deviceLimits.resize(2);
    settings.deviceLimits[1].send.pastMax = 1500.5f;
    settings.snapTitles = {"Dammy", "abc", "def"};
    settings.trayIconCount = 3;
    store->ResetLayout();
    ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
    const std::string golden = ReadBytes(TRUMBEL_TEST_DATA "/settings/golden.ini");
    ASSERT_FALSE(golden.empty());
    EXPECT_EQ(ReadBytes(StandardPath()), golden);
    EXPECT_TRUE(IsValidUtf8(golden));
}

TEST_F(SettingsTest, MissingKeysAndMissingFileHaveTheirOwnDefaults) {
    LoadText("[バージョン情報]\nVelquorVer=1320083\n");
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(settings.containerCount, 4);
    EXPECT_EQ(settings.skinFileName, "skin_dammy.skn");
    EXPECT_EQ(settings.adjustClockAtStart, 0);
    EXPECT_EQ(settings.showByButton, true);
    EXPECT_EQ(settings.showByButtonCopy, true);
    EXPECT_EQ(settings.skinFolder, appFolder);
    // Missing container keys: memory and disk bars, CPU and network history, a clock; 5..9
    // repeat the clock container's value.
    EXPECT_EQ(settings.kind[0][1], 8);
    EXPECT_EQ(settings.kind[2][0], 4);
    EXPECT_EQ(settings.device[2][0], 1);
    EXPECT_EQ(settings.graphStyle[1][0], 50);
    for (int c = 4; c < kContainerCount; ++c) {
        EXPECT_EQ(settings.clockContainer[c], 1) << c;
    }

    std::filesystem::remove(StandardPath());
    ui.shown.clear();
    store->LoadSettings(StandardPath(), LoadMode::Startup);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "Velquor - 確認");
    EXPECT_EQ(ui.shown[0].text,
              StandardPath() + "が見つかりませんでしたので標準の設定を適用します｡");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(settings.containerCount, 5);
    EXPECT_EQ(settings.skinFileName, "AllView2.skn");
    EXPECT_EQ(settings.adjustClockAtStart, 1);
    EXPECT_EQ(settings.showByButton, false);
    EXPECT_EQ(settings.loadedVersion, 0);
}

// Without a default device from the environment, the network history graphs of a file without
// container keys point at device 1 (the first interface after loopback), those of the reset
// layout at device 0; a device that is not there is reported per slot and replaced by device 0.
TEST_F(SettingsTest, NetworkSlotsOfTheDefaultLayouts) {
    struct Case {
        bool fileExists;
        int devices;
        std::int16_t device; // of the receive (container 2) and send (container 3) graphs
        std::vector<std::string> deviceBoxes;
    };
    const std::string missing1 = "指定されたネットワークデバイス(ID=1)が見つからないため";
    const std::vector<Case> cases = {
        {true, 2, 1, {}},
        {true, 3, 1, {}},
        {true, 1, 0, {"ユニット番号 : 2 ,スロット番号 : 0", "ユニット番号 : 3 ,スロット番号 : 0"}},
        {true, 0, 0, {"ユニット番号 : 2 ,スロット番号 : 0", "ユニット番号 : 3 ,スロット番号 : 0"}},
        {false, 2, 0, {}},
        {false, 1, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.fileExists) + " " + std::to_string(c.devices));
        devices = c.devices;
        settings = Settings{};
        if (c.fileExists) {
            LoadText("[バージョン情報]\nVelquorVer=1320083\n");
        } else {
            std::filesystem::remove(StandardPath());
            ui.shown.clear();
            store->LoadSettings(StandardPath(), LoadMode::Startup);
        }
        EXPECT_EQ(settings.kind[2][0], 4);
        EXPECT_EQ(settings.kind[3][0], 5);
        EXPECT_EQ(settings.device[2][0], c.device);
        EXPECT_EQ(settings.device[3][0], c.device);
        EXPECT_EQ(settings.historyContainer[2], 1);
        EXPECT_EQ(settings.historyContainer[3], 1);
        std::vector<std::string> boxes;
        for (const MessageBoxRequest& box : ui.shown) {
            if (box.text.starts_with(missing1)) {
                boxes.push_back(box.text.substr(box.text.rfind("ユニット番号")));
            }
        }
        EXPECT_EQ(boxes, c.deviceBoxes);
        // Only the missing file itself is announced besides the devices.
        EXPECT_EQ(ui.shown.size(), c.deviceBoxes.size() + (c.fileExists ? 0u : 1u));
    }
}

// Where the file stores no network slot (no file, a missing key, a reset) the slots and the
// fixed-skin device take the environment's default device; stored values stay as they are.
TEST_F(SettingsTest, DefaultDeviceFillsOnlyWhatTheFileDoesNotStore) {
    devices = 5;
    env->defaultDevice = [] { return 3; };
    const std::string version = "[バージョン情報]\nVelquorVer=1320083\n";
    struct Case {
        const char* name;
        std::optional<std::string> file;   // nullopt: no file
        std::int16_t receive, send, fixed; // container 2 and 3 slot 0, fixedSkinDevice
    };
    const std::vector<Case> cases = {
        {"no file", std::nullopt, 3, 3, 3},
        {"no keys", version, 3, 3, 3},
        {"stored",
         version + "[ネットワーク設定]\n固定Skin時使用デバイス名=1\n[Skin設定]\n"
                   "コンテナ2の設定=1,4,1,0,0,0,0,0,0,0,0,0,0\n"
                   "コンテナ3の設定=1,5,0,0,0,0,0,0,0,0,0,0,0\n",
         1, 0, 1},
        {"container 3 missing", version + "[Skin設定]\nコンテナ2の設定=1,4,2,0,0,0,0,0,0,0,0,0,0\n",
         2, 3, 3},
        // A container after 4 that repeats a stored value repeats its device too.
        {"repeated", version + "[Skin設定]\nコンテナ4の設定=1,6,4,0,0,0,0,0,0,0,0,0,0\n", 3, 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        settings = Settings{};
        if (c.file) {
            LoadText(*c.file);
            EXPECT_TRUE(ui.shown.empty());
        } else {
            std::filesystem::remove(StandardPath());
            store->LoadSettings(StandardPath(), LoadMode::Startup);
        }
        EXPECT_EQ(settings.device[2][0], c.receive);
        EXPECT_EQ(settings.device[3][0], c.send);
        EXPECT_EQ(settings.fixedSkinDevice, c.fixed);
        EXPECT_EQ(settings.device[0][1], 0); // the disk bar keeps drive C:
        const std::string text = store->SettingsText();
        EXPECT_NE(text.find("コンテナ2の設定=1,4," + std::to_string(c.receive) + ","),
                  std::string::npos);
    }
    EXPECT_EQ(settings.device[5][0], 4); // "repeated": containers 5..9 copy container 4

    // Resets point at the default device again.
    settings.fixedSkinDevice = 1;
    settings.device[2][0] = 1;
    store->ResetSettings(SettingsGroup::Network);
    EXPECT_EQ(settings.fixedSkinDevice, 3);
    store->ResetLayout();
    EXPECT_EQ(settings.device[2][0], 3);
    EXPECT_EQ(settings.device[3][0], 3);
    EXPECT_EQ(settings.device[1][0], 0); // the CPU graph shows all processors
}

TEST_F(SettingsTest, ValuesAreConvertedOrLeftAlone) {
    struct Case {
        std::string lines; // in 時計設定 / 基本設定 / Skin設定 as named
        std::function<void(const Settings&)> check;
    };
    const std::vector<Case> cases = {
        {"[時計設定]\n使用するポート=0\n",
         [](const Settings& s) { EXPECT_EQ(s.timeServerPort, 123); }},
        {"[時計設定]\n使用するポート=-5\n",
         [](const Settings& s) { EXPECT_EQ(s.timeServerPort, 123); }},
        {"[時計設定]\n使用するポート=70000\n",
         [](const Settings& s) { EXPECT_EQ(s.timeServerPort, 123); }},
        {"[時計設定]\n使用するポート=5000x\n",
         [](const Settings& s) { EXPECT_EQ(s.timeServerPort, 5000); }},
        {"[基本設定]\n吸着強度=70000\n", [](const Settings& s) { EXPECT_EQ(s.snapStrength, 10); }},
        {"[基本設定]\n吸着強度=abc\n", [](const Settings& s) { EXPECT_EQ(s.snapStrength, 0); }},
        {"[基本設定]\n2倍表示=7\n", [](const Settings& s) { EXPECT_EQ(s.doubleSize, true); }},
        {"[Skin設定]\n表示ユニット数=11\n",
         [](const Settings& s) { EXPECT_EQ(s.containerCount, 5); }},
        {"[Skin設定]\nコンテナ1の設定=3,2,0,0\n",
         [](const Settings& s) {
             EXPECT_EQ(s.clockContainer[1], 1);
             EXPECT_EQ(s.historyContainer[1], 1);
             EXPECT_EQ(s.kind[1][1], 0); // padded
         }},
        {"[Skin設定]\nコンテナ0の設定=x,15,1,0,2,0,1\n",
         [](const Settings& s) {
             EXPECT_EQ(s.historyContainer[0], 0); // unchanged from the reset
             EXPECT_EQ(s.kind[0][0], 0);          // an unknown kind keeps the slot's
             EXPECT_EQ(s.kind[0][1], 2);
             EXPECT_EQ(s.graphStyle[0][1], 44); // choice 1 for the CPU (standard 5)
         }},
        {"[位置情報設定]\n吸着Windowタイトル=\n起動位置X=12.7\n",
         [](const Settings& s) {
             EXPECT_EQ(s.snapTitles, std::vector<std::string>{"Dammy"});
             EXPECT_EQ(s.startX, 12);
         }},
        {"[その他設定]\n内蔵機能設定=1,,3\n",
         [](const Settings& s) {
             EXPECT_EQ(s.builtInFunctionFlags,
                       (std::array<bool, 5>{true, false, true, false, false}));
         }},
        {"[タスクトレイ設定]\n動作設定=9\nアイコン表示数=9\n",
         [](const Settings& s) {
             EXPECT_EQ(s.trayClickActions, (std::array<std::int16_t, 4>{9, 6, 1, 2}));
             EXPECT_EQ(s.trayIconCount, 1);
         }},
        {"[ネットワーク設定]\nデバイス1(送信)=1,2.5\n",
         [](const Settings& s) {
             EXPECT_EQ(s.deviceLimits[1].send.maxMode[0], 1);
             EXPECT_EQ(s.deviceLimits[1].send.maxValue[0], 2.5f);
             EXPECT_EQ(s.deviceLimits[1].send.pastMax, 0.0f);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines);
        LoadText("[バージョン情報]\nVelquorVer=1320083\n" + c.lines);
        c.check(settings);
    }
}

TEST_F(SettingsTest, OnOffKeysReadTheirOwnRuleAndWriteOneOrZero) {
    struct Case {
        std::string section, key, value;
        bool Settings::*field;
        bool on;
        std::string written;
    };
    const Case cases[] = {
        {"基本設定", "2倍表示", "-1", &Settings::doubleSize, true, "1"},
        {"基本設定", "2倍表示", "70000", &Settings::doubleSize, true, "1"}, // any 32-bit number
        {"Window設定", "最前面表示", "0", &Settings::topmost, false, "0"},
        {"ホットキー設定", "Alt使用", "5", &Settings::hotKeyAlt, true, "1"},
        {"ホットキー設定", "Alt使用", "-1", &Settings::hotKeyAlt, true, "1"},
        {"ホットキー設定", "Alt使用", "70000", &Settings::hotKeyAlt, false, "0"}, // not 16-bit
        {"ホットキー設定", "使用する", "0", &Settings::hotKeyEnabled, false, "0"},
        {"Skin設定", "始端ユニットの表示", "-1", &Settings::showStartUnit, true, "1"},
        {"時計設定", "起動時に時計を合わせる", "5", &Settings::adjustClockAtStart, true, "1"},
        {"Skin設定", "デフォルトSkin使用", "5", &Settings::useBuiltInSkin, false, "0"}, // only 1
        {"Skin設定", "デフォルトSkin使用", "1", &Settings::useBuiltInSkin, true, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key + "=" + c.value);
        LoadText("[バージョン情報]\nVelquorVer=1320083\n[" + c.section + "]\n" + c.key + "=" +
                 c.value + "\n");
        EXPECT_EQ(settings.*c.field, c.on);
        ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
        EXPECT_NE(ReadBytes(StandardPath()).find("\n" + c.key + "=" + c.written + "\n"),
                  std::string::npos);
    }
    // A number that names no options page is kept as it is.
    LoadText("[バージョン情報]\nVelquorVer=1320083\n[基本設定]\n最後に使用したページ=42\n");
    ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
    EXPECT_NE(ReadBytes(StandardPath()).find("\n最後に使用したページ=42\n"), std::string::npos);
}

TEST_F(SettingsTest, SlotStyleChoiceRoundTrip) {
    // graphStyle 44 writes choice 1, 20 writes 0; the choice reads back through the kind's
    // standard style.
    store->ResetLayout();
    settings.kind[1][0] = 2;
    SetSlotStyle(settings, styles, 1, 0, 4, StyleSet::Force);
    settings.kind[1][1] = 4;
    SetSlotStyle(settings, styles, 1, 1, 0, StyleSet::Force);
    settings.kind[1][2] = 0;
    SetSlotStyle(settings, styles, 1, 2, 1, StyleSet::Force);
    ASSERT_EQ(settings.graphStyle[1][0], 44);
    ASSERT_EQ(settings.graphStyle[1][1], 20);
    ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
    const auto doc = LoadIniFile(StandardPath());
    EXPECT_EQ(doc->Get("Skin設定", "コンテナ1の設定"), "1,2,0,1,4,0,0,0,0,1,0,0,0");
    store->LoadSettings(StandardPath(), LoadMode::Startup);
    EXPECT_EQ(settings.graphStyle[1][0], 44);
    EXPECT_EQ(settings.digitStyle[1][0], 0);
    EXPECT_EQ(settings.graphStyle[1][1], 20);
    EXPECT_EQ(settings.graphStyle[1][2], 11);
    EXPECT_EQ(settings.digitStyle[1][2], 30);
}

TEST_F(SettingsTest, ContainerModesReadAsFlagsAndWriteBackStable) {
    struct Case {
        const char* stored;
        std::int16_t history;
        std::int16_t clock;
        const char* written;
    };
    for (const Case c : {Case{"0", 0, 0, "0"}, Case{"1", 1, 0, "1"}, Case{"2", 0, 1, "2"},
                         Case{"3", 1, 1, "3"}, Case{"4", 0, 1, "2"}, Case{"-1", 1, 0, "1"},
                         Case{"-3", 1, 1, "3"}, Case{"-32768", 0, 1, "2"}}) {
        SCOPED_TRACE(c.stored);
        LoadText(std::string("[バージョン情報]\nVelquorVer=1320083\n[Skin設定]\nコンテナ0の設定=") +
                 c.stored + ",0,0,0,0,0,0,0,0,0,0,0,0\n");
        EXPECT_EQ(settings.historyContainer[0], c.history);
        EXPECT_EQ(settings.clockContainer[0], c.clock);
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
            const auto doc = LoadIniFile(StandardPath());
            const std::string value = doc->Get("Skin設定", "コンテナ0の設定").value_or("");
            EXPECT_EQ(value.substr(0, value.find(',')), c.written) << "round " << round;
            store->LoadSettings(StandardPath(), LoadMode::Startup);
        }
    }
}

TEST_F(SettingsTest, OnlyExistingDevicesAndShownTrayIconsAreKept) {
    LoadText("[バージョン情報]\nVelquorVer=1320083\n[ネットワーク設定]\n"
             "デバイス5(受信)=1,1,1,1,1\n受信量過去最大値_0=9\n"
             "[タスクトレイ設定]\nアイコン表示数=3\nアイコン(4)=5,5\n");
    settings.trayIcons[4] = {7, 7};
    ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
    const auto doc = LoadIniFile(StandardPath());
    EXPECT_FALSE(doc->Get("ネットワーク設定", "デバイス5(受信)"));
    EXPECT_FALSE(doc->Get("ネットワーク設定", "受信量過去最大値_0"));
    EXPECT_TRUE(doc->Get("ネットワーク設定", "デバイス1(送信)"));
    for (int n = 1; n <= kTrayIconMax; ++n) {
        EXPECT_EQ(doc->Get("タスクトレイ設定", "アイコン(" + std::to_string(n) + ")").has_value(),
                  n <= 3)
            << n;
    }
    const std::string text = ReadBytes(StandardPath());
    const auto at = [&](const std::string& key) { return text.find(key); };
    EXPECT_LT(at("デバイス1(受信)"), at("デバイス1(送信)"));
    EXPECT_LT(at("デバイス1(送信)"), at("固定Skin時使用デバイス名"));
}

// Icons beyond the count a file holds are never read: they keep the zeroed record (memory of
// device 0) until the count is raised, and are written as they stand from then on. A key
// missing within the count reads as the processor.
TEST_F(SettingsTest, TrayIconsBeyondTheFileStartZeroed) {
    struct Case {
        const char* what;
        std::optional<std::string> text; // no file at all when empty
        std::string icons;               // icons 1..8 after the read, then in the file
    };
    const std::string tray = "[バージョン情報]\nVelquorVer=1320083\n[タスクトレイ設定]\n";
    const Case cases[] = {
        {"no file", std::nullopt, "2,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0"},
        {"no tray keys", tray, "2,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0"},
        {"two icons", tray + "アイコン表示数=2\nアイコン(1)=5,1\nアイコン(2)=7,2\n",
         "5,1 7,2 0,0 0,0 0,0 0,0 0,0 0,0"},
        {"keys missing within the count",
         tray + "アイコン表示数=3\nアイコン(1)=1,0\nアイコン(5)=6,1\n",
         "1,0 2,0 2,0 0,0 0,0 0,0 0,0 0,0"},
    };
    const auto join = [](const auto& value) {
        std::string all;
        for (int n = 1; n <= kTrayIconMax; ++n) {
            all += (n > 1 ? " " : "") + value(n);
        }
        return all;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        settings = Settings();
        if (c.text) {
            LoadText(*c.text);
        } else {
            std::filesystem::remove(StandardPath());
            store->LoadSettings(StandardPath(), LoadMode::Startup);
        }
        EXPECT_EQ(join([&](int n) {
                      const TrayIconSetting& icon = settings.trayIcons[static_cast<std::size_t>(n)];
                      return std::to_string(icon.kind) + "," + std::to_string(icon.device);
                  }),
                  c.icons);
        // The options raise the count to eight: what the record holds is what is written.
        settings.trayIconCount = kTrayIconMax;
        ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
        const auto doc = LoadIniFile(StandardPath());
        ASSERT_TRUE(doc);
        EXPECT_EQ(join([&](int n) {
                      return doc->Get("タスクトレイ設定", "アイコン(" + std::to_string(n) + ")")
                          .value_or("-");
                  }),
                  c.icons);
    }
}

// Hosts a slot or icon names must exist; the interval has a floor; a file without the section
// names no host. Credentials make the file the owner's alone, and a line break in a value does
// not become a key of its own.
TEST_F(SettingsTest, RemoteHostsReadOnlyWhatTheListHolds) {
    const std::string head = "[バージョン情報]\nVelquorVer=1320083\n[リモートホスト設定]\n";
    struct Case {
        const char* what;
        std::string section;
        std::size_t hosts;
        std::int32_t interval;
        std::string slotHosts; // container 0's four slots, then tray icon 1
    };
    const Case cases[] = {
        {"none", "", 0, 2000, "0000 0"},
        {"two hosts", "ホスト数=2\nコンテナ0のホスト=2,1,0,2\nアイコン(1)のホスト=1\n", 2, 2000,
         "2102 1"},
        {"beyond the list", "ホスト数=1\nコンテナ0のホスト=2,-1,1,7\nアイコン(1)のホスト=3\n", 1,
         2000, "0010 0"},
        {"too many, short interval", "ホスト数=99999\n更新間隔=10\n", kRemoteHostMax, 1000,
         "0000 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoadText(head + c.section);
        EXPECT_EQ(settings.remoteHosts.size(), c.hosts);
        EXPECT_EQ(settings.remoteIntervalMs, c.interval);
        std::string shown;
        for (int sl = 0; sl < kSlotCount; ++sl) {
            shown += std::to_string(settings.host[0][sl]);
        }
        EXPECT_EQ(shown + " " + std::to_string(settings.trayIcons[1].host), c.slotHosts);
    }
    // The interface of another machine is no interface of this one.
    LoadText(head + "ホスト数=1\nコンテナ0のホスト=1\n[Skin設定]\nコンテナ0の設定=0,4,7,0\n");
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(settings.device[0][0], 7);

    struct stat st {};
    settings.remoteHosts = {{"a", "http://127.0.0.1:1/metrics", "", "", "", ""}};
    ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
    ASSERT_EQ(::stat(StandardPath().c_str(), &st), 0);
    const mode_t mask = ::umask(022);
    ::umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0666u & ~mask) << "no secret: the usual permissions";
    settings.remoteHosts[0].password = "pw\n[Skin設定]\nSkin名=x";
    ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
    ASSERT_EQ(::stat(StandardPath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const auto doc = LoadIniFile(StandardPath());
    EXPECT_EQ(doc->Get("リモートホスト設定", "ホスト(1)のパスワード"), "pw[Skin設定]Skin名=x");
    EXPECT_EQ(doc->Get("Skin設定", "Skin名"), settings.skinFileName);

    // The page's reset leaves no slot or icon on a host that is gone.
    settings.host[2][1] = 1;
    settings.trayIcons[5].host = 1;
    store->ResetSettings(SettingsGroup::RemoteHosts);
    EXPECT_TRUE(settings.remoteHosts.empty());
    EXPECT_EQ(settings.host[2][1] + settings.trayIcons[5].host, 0);
}

// Removing a host leaves every other slot and icon on the machine it showed.
TEST(RemoteHostList, RemovingAHostKeepsTheOthersOnTheirMachine) {
    Settings s;
    s.remoteHosts.resize(3);
    s.host[0] = {1, 2, 3, 0};
    s.trayIcons[2].host = 3;
    RemoveRemoteHost(s, 2);
    EXPECT_EQ(s.remoteHosts.size(), 2u);
    EXPECT_EQ(s.host[0], (std::array<std::int16_t, kSlotCount>{1, 0, 2, 0}));
    EXPECT_EQ(s.trayIcons[2].host, 2);
}

// While auto-snap holds the window at another window's corner, the file keeps the place the
// window will return to; the record keeps what it holds.
TEST_F(SettingsTest, StartPositionWhileAutoSnapped) {
    struct Case {
        std::int16_t mode;
        std::optional<WindowPosition> beforeSnap;
        std::string x;
        std::string y;
    };
    const std::vector<Case> cases = {
        {0, std::nullopt, "10", "20"},
        {0, WindowPosition{500, -30}, "500", "-30"},
        {0, WindowPosition{0, 0}, "0", "0"},
        {1, WindowPosition{500, -30}, "10", "20"}, // a fixed start position is the user's
        {2, WindowPosition{500, -30}, "10", "20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.mode) + " " + c.x);
        env->positionBeforeAutoSnap = [&c] { return c.beforeSnap; };
        settings.skinFolder = appFolder;
        settings.startPositionMode = c.mode;
        settings.startX = 10;
        settings.startY = 20;
        ASSERT_TRUE(store->SaveSettings(StandardPath()).ok);
        EXPECT_EQ(settings.startX, 10);
        EXPECT_EQ(settings.startY, 20);
        const auto doc = LoadIniFile(StandardPath());
        EXPECT_EQ(doc->Get("位置情報設定", "起動位置X"), c.x);
        EXPECT_EQ(doc->Get("位置情報設定", "起動位置Y"), c.y);

        env->positionBeforeAutoSnap = nullptr;
        store->LoadSettings(StandardPath(), LoadMode::Startup);
        EXPECT_EQ(std::to_string(settings.startX), c.x);
        EXPECT_EQ(std::to_string(settings.startY), c.y);
    }
}

TEST_F(SettingsTest, ChecksOfSlotsFolderAndIconMenu) {
    LoadText("[バージョン情報]\nVelquorVer=1320083\n"
             "[Skin設定]\nSkinフォルダー=C:\\Program Files\\Velquor\\Skin\\\n"
             "コンテナ1の設定=1,4,2,0,6,-1,0\n");
    ASSERT_EQ(ui.shown.size(), 3u);
    EXPECT_EQ(ui.shown[0].title, "Velquor - スキンフォルダーの設定");
    EXPECT_EQ(ui.shown[0].text,
              "C:\\Program Files\\Velquor\\Skin\\\r\n"
              "このディレクトリーは見つからなかったためデフォルトのディレクトリーに変更します｡");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(settings.skinFolder, appFolder);
    EXPECT_EQ(ui.shown[1].title, "Velquor");
    EXPECT_EQ(ui.shown[1].text, "指定されたネットワークデバイス(ID=2)が見つからないため\r\nlo\r\n"
                                "の情報を表示します。\r\nユニット番号 : 1 ,スロット番号 : 0");
    EXPECT_EQ(ui.shown[1].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ui.shown[2].text.find("(ID=-1)") != std::string::npos, true);
    EXPECT_EQ(settings.device[1][0], 0);
    EXPECT_EQ(settings.device[1][1], 0);
    EXPECT_EQ(activations,
              (std::vector<SkinActivation>(activations.size(), SkinActivation::Quiet)));

    // The icon-menu notice: only on a switch that changes it, and only with subclassing.
    struct Case {
        std::string value;
        bool subclass;
        int boxes;
    };
    for (const Case& c : std::vector<Case>{{"1", true, 0}, {"0", false, 0}, {"0", true, 1}}) {
        subclassAllowed = c.subclass;
        LoadText("[バージョン情報]\nVelquorVer=1320083\n[基本設定]\nアイコンメニュー使用=" +
                     c.value + "\n",
                 {}, LoadMode::Switch);
        ASSERT_EQ(static_cast<int>(ui.shown.size()), c.boxes) << c.value;
    }
    EXPECT_EQ(ui.shown[0].title, "アイコンメニューの設定変更 - Velquor");
    EXPECT_EQ(ui.shown[0].text,
              "この設定ファイルでアイコンメニューの使用の設定が無効にされましたが、\r\n"
              "Velquorの再起動後にこの設定は有効になります。");
}

TEST_F(SettingsTest, OldShiftJisFileMigratesOnYes) {
    const std::string text =
        "[バージョン情報]\r\nVelquorVer=1050000\r\n"
        "[基本設定]\r\nアイコンメニュー使用=0\r\n"
        "[ネットワーク設定]\r\n受信量過去最大値_0=5000\r\n送信量最大値モード(グラフ)_1=2\r\n"
        "送信量最大指定値(数字)_1=64000\r\n"
        "[Skin設定]\r\nロググラフ使用(2)=0\r\n時計を表示する(6)=1\r\n表示項目(2,0,0)=7\r\n"
        "表示項目(2,0,1)=1\r\n表示項目(3,1,0)=5\r\n表示項目(3,1,1)=4\r\n"
        "[時計設定]\r\n起動時に時計を合わせる=1\r\n使用するタイムサーバー=古いサーバー\r\n"
        "[タスクトレイ設定]\r\n表示項目=6\r\n表示デバイス=1\r\nアイコン表示数=4\r\n";
    for (MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No}) {
        SCOPED_TRACE(answer == MsgAnswer::Yes ? "Yes" : "No");
        WriteBytes(StandardPath(), Utf8ToCp932(text));
        ui.shown.clear();
        ui.answers = {MsgAnswer::Ok, answer}; // the device notice comes first
        store->LoadSettings(StandardPath(), LoadMode::Startup);
        EXPECT_EQ(settings.loadedVersion, 1050000);
        EXPECT_EQ(settings.historyContainer[2], 0);
        EXPECT_EQ(settings.historyContainer[1], 1);
        EXPECT_EQ(settings.clockContainer[4], 1);
        EXPECT_EQ(settings.clockContainer[6], 1);
        EXPECT_EQ(settings.kind[2][0], 7);
        EXPECT_EQ(settings.device[2][0], 1);
        EXPECT_EQ(settings.kind[3][1], 5);
        EXPECT_EQ(settings.device[3][1], 0); // device 4 does not exist
        EXPECT_EQ(settings.deviceLimits[0].receive.pastMax, 5000.0f);
        EXPECT_EQ(settings.deviceLimits[1].send.maxMode[1], 2);
        EXPECT_EQ(settings.deviceLimits[1].send.maxValue[0], 64000.0f);
        ASSERT_EQ(ui.shown.size(), 2u);
        EXPECT_EQ(ui.shown[0].text.find("(ID=4)") != std::string::npos, true);
        EXPECT_EQ(ui.shown[1].title, "Velquor");
        EXPECT_EQ(ui.shown[1].text,
                  "このINIファイルは古いバージョンの「Velquor」で書かれたファイルです。\r\n"
                  "今バージョンより新しい設定項目が加わりました。新しい設定項目に標準の設定を適用し"
                  "てもよいですか？");
        EXPECT_EQ(ui.shown[1].buttons, MsgButtons::YesNo);
        const bool yes = answer == MsgAnswer::Yes;
        EXPECT_EQ(settings.adjustClockAtStart, yes ? 0 : 1);
        EXPECT_EQ(settings.timeServer, yes ? kStandardTimeServer : "古いサーバー");
        EXPECT_EQ(settings.trayIconCount, yes ? 1 : 4);
        EXPECT_EQ(settings.trayIcons[1], (yes ? TrayIconSetting{6, 1} : TrayIconSetting{2, 0}));
        EXPECT_EQ(settings.useIconMenu, yes);
    }
}

TEST_F(SettingsTest, MigrationAsksOnlyForWhatTheVersionLacks) {
    struct Case {
        std::string version;
        int questions;
        std::int16_t startUnit; // step 1 applied?
        std::int16_t iconMenu;  // step 3 applied?
    };
    const std::vector<Case> cases = {
        {"1320083", 0, 0, false}, {"1300000", 0, 0, false}, {"1200000", 1, 0, true},
        {"1100000", 1, 0, true},  {"", 1, 1, true}, // no version: the 1.00 keys
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        LoadText((c.version.empty() ? "" : "[バージョン情報]\nVelquorVer=" + c.version + "\n") +
                     "[基本設定]\nアイコンメニュー使用=0\n[Skin設定]\n始端ユニットの表示=0\n",
                 {MsgAnswer::Yes});
        EXPECT_EQ(static_cast<int>(ui.shown.size()), c.questions);
        EXPECT_EQ(settings.useIconMenu, c.iconMenu);
        EXPECT_EQ(settings.showStartUnit, c.startUnit);
    }
    // Version 1.10 container flags: 5..9 follow the one before.
    LoadText("[バージョン情報]\nVelquorVer=1150000\n[Skin設定]\nコンテナ(4)の表示設定=1\n"
             "表示項目(4,2)=2,0,1\n",
             {MsgAnswer::No});
    for (int c = 4; c < kContainerCount; ++c) {
        EXPECT_EQ(settings.historyContainer[c], 1);
        EXPECT_EQ(settings.clockContainer[c], 0);
    }
    EXPECT_EQ(settings.graphStyle[4][2], 11);
}

TEST(SettingsHelpers, NumbersListsAndNames) {
    EXPECT_EQ(VersionNumber(1, 32, 83), 1320083);
    EXPECT_THROW(VersionNumber(3000, 0, 0), RuntimeError);
    EXPECT_EQ(PadList({"1", "", "x"}, 5), (std::vector<std::string>{"1", "0", "x", "0", "0"}));
    EXPECT_EQ(PadList({"1", "2", "3"}, 2), (std::vector<std::string>{"1", "2"}));
    for (float f : {0.0f, 0.1f, 1234567.9f, 3.4e38f, 1e-7f, 16777216.0f, -2.5f, 1.0f / 3.0f}) {
        const std::string text = FormatFloat(f);
        EXPECT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
        EXPECT_EQ(ParseFloat(text), f) << text;
    }
    EXPECT_EQ(FormatFloat(1500.5f), "1500.5");
    EXPECT_EQ(FormatFloat(0.1f), "0.1");
    EXPECT_EQ(ParseFloat("1.234568E+07"), 12345680.0f);
    EXPECT_EQ(ParseFloat("abc"), std::nullopt);
    EXPECT_EQ(ParseInt16("2.5"), 2);
    EXPECT_EQ(ParseInt16("3.5"), 4);
    EXPECT_EQ(ParseInt16("32768"), std::nullopt);
    EXPECT_EQ(ParseInt16(""), std::nullopt);
    struct Backup {
        std::string path, backup;
    };
    for (const Backup& b : std::vector<Backup>{
             {"/a/setting_bob.ini", "/a/setting_bob.bak"},
             {"/a/setting_a.b.ini", "/a/setting_a.b.bak"},
             {"/a/settings", "/a/settings.bak"},
             {"/home/u/.config/velquor/setting_x", "/home/u/.config/velquor/setting_x.bak"},
             {"plain", "plain.bak"}}) {
        EXPECT_EQ(BackupPath(b.path), b.backup);
    }
    EXPECT_EQ(SettingsFilePath("/app/", "bob"), "/app/setting_bob.ini");
}

} // namespace
} // namespace trumbel
