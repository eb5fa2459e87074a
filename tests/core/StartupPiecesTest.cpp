#include "base/ErrorReport.h"
#include "base/UiLanguage.h"
#include "base/UiText.h"
#include "core/CommandLine.h"
#include "platform/AppFolder.h"
#include "platform/Connectivity.h"
#include "platform/InstanceLock.h"
#include "tests/support/TestFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

TEST(UiLanguage, DesktopLanguageAndOverride) {
    struct Case {
        std::vector<std::string> desktop;
        const char* override;
        UiLanguage expected;
    };
    constexpr auto ja = UiLanguage::Japanese;
    constexpr auto en = UiLanguage::English;
    const std::vector<Case> cases = {
        {{"ja-JP", "en-US"}, nullptr, ja},
        {{"ja"}, nullptr, ja},
        {{"C"}, nullptr, ja},
        {{"POSIX"}, nullptr, ja},
        {{}, nullptr, ja},
        {{""}, nullptr, ja},
        {{"en-US", "ja-JP"}, nullptr, en},
        {{"de-DE"}, nullptr, en},
        {{"fr"}, nullptr, en},
        {{"jv-ID"}, nullptr, en},
        {{"ja-JP"}, "en", en},
        {{"C"}, "en", en},
        {{"en-US"}, "ja", ja},
        {{"de-DE"}, "", en},
        {{"ja-JP"}, "fr", ja},
        {{"en-US"}, "EN", en},
        {{"C"}, "english", ja},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseUiLanguage(c.desktop, c.override), c.expected)
            << (c.desktop.empty() ? "(none)" : c.desktop.front())
            << " TRUMBEL_LANG=" << (c.override ? c.override : "(unset)");
    }
}

// A name from outside (a file, a host's answer) may hold "%2"; replacing it again would show
// another argument in its place.
TEST(UiFormat, ReplacesEachNumberOnceFromTheForm) {
    const struct {
        std::string_view form;
        std::string expected;
    } cases[] = {
        {"%1 と %2", "C:%2.skn と 5"},
        {"%2/%1", "5/C:%2.skn"},
        {"100%", "100%"},
        {"%3 は %1", "%3 は C:%2.skn"},
        {"%", "%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UiFormat(c.form, {"C:%2.skn", "5"}), c.expected) << c.form;
    }
}

TEST(ReadCommandLine, OptionsAreCaseSensitiveWholeWords) {
    struct Case {
        std::vector<std::string> words;
        std::vector<MsgAnswer> answers;
        bool subclassAllowed;
        bool noBalloon;
        int boxes;
    };
    const std::vector<Case> cases = {
        {{}, {}, true, false, 0},
        {{"/NOSUBCLASS"}, {}, true, false, 0},
        {{"/nosubclassx", "x/noballoon"}, {}, true, false, 0},
        {{"/nosubclass", "/noballoon"}, {}, false, true, 1},
        {{"/nosubclass /noballoon"}, {}, false, true, 1}, // split at single blanks
        {{"/checksubclass"}, {MsgAnswer::Yes}, true, false, 1},
        {{"/checksubclass"}, {MsgAnswer::No}, false, false, 1},
        {{"/noballoon", "other", "words"}, {}, true, true, 0},
    };
    for (const Case& c : cases) {
        RecordingUi ui;
        ui.answers = c.answers;
        const CommandLineFlags flags = ReadCommandLine(c.words, ui);
        EXPECT_EQ(flags.subclassAllowed, c.subclassAllowed);
        EXPECT_EQ(flags.noBalloon, c.noBalloon);
        EXPECT_EQ(static_cast<int>(ui.shown.size()), c.boxes);
    }
}

TEST(ReadCommandLine, BoxTexts) {
    RecordingUi ui;
    ui.answers = {MsgAnswer::Ok, MsgAnswer::No};
    ReadCommandLine({"/nosubclass", "/checksubclass"}, ui);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].title, "Velquor - 起動オプション");
    EXPECT_EQ(ui.shown[0].text, "サブクラス不許可モードが指定されました｡");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(ui.shown[1].text, "サブクラス化を許可しますか｡");
    EXPECT_EQ(ui.shown[1].icon, MsgIcon::Question);
    EXPECT_EQ(ui.shown[1].buttons, MsgButtons::YesNo);
}

TEST(ParseCommandLine, RunModes) {
    std::string error;
    CommandLine cl =
        ParseCommandLine({"--snapshot", "/tmp/a b.png", "--ticks", "5", "/noballoon"}, error);
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(cl.mode, RunMode::Snapshot);
    EXPECT_EQ(cl.snapshotPath, "/tmp/a b.png");
    EXPECT_EQ(cl.ticks, 5);
    EXPECT_EQ(cl.words, std::vector<std::string>{"/noballoon"});
    cl = ParseCommandLine({"--host", "http://s:9090", "--print-values", "--instance", "n:9100"},
                          error);
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_EQ(cl.host + " " + cl.instance, "http://s:9090 n:9100");

    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--snapshot"},
                                                {"--ticks", "0"},
                                                {"--ticks", "x"},
                                                {"--ticks"},
                                                {"--host", "web"}, // would start the window
                                                {"--print-values", "--instance", "n:9100"},
                                                {"--print-values", "--host"}}) {
        error.clear();
        ParseCommandLine(bad, error);
        EXPECT_FALSE(error.empty()) << bad[0];
    }
}

TEST(ErrorReport, LayoutOfTheBox) {
    RecordingUi ui;
    ReportRuntimeError(ui, ErrorCategory::SkinRuntime,
                       RuntimeError(ErrorNumber::SubscriptOutOfRange), "DrawSkin",
                       "デフォルトスキンに切り換えます｡");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "Skin実行時エラー - Velquor");
    EXPECT_EQ(ui.shown[0].text,
              "エラー発生\r\nエラー名 : 9 (インデックスが有効範囲にありません。)\r\n"
              "エラー発生個所 : DrawSkinプロシージャ\r\nデフォルトスキンに切り換えます｡");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(ErrorTitle(ErrorCategory::InfoUpdate), "情報更新時エラー - Velquor");
    EXPECT_EQ(ErrorReportText(RuntimeError(ErrorNumber::DivisionByZero), "TransParam"),
              "エラー発生\r\nエラー名 : 11 (0 で除算しました。)\r\nエラー発生個所 : "
              "TransParamプロシージャ");
}

TEST(RuntimeErrors, CheckedArithmeticAndConversion) {
    EXPECT_EQ(CheckedInt16(32767), 32767);
    EXPECT_THROW(CheckedInt16(32768), RuntimeError);
    EXPECT_EQ(CheckedMod(7, 4), 3);
    try {
        CheckedMod(1, 0);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 11);
    }
    EXPECT_EQ(AsRuntimeError(std::out_of_range("x")).Number(), 9);
    EXPECT_EQ(AsRuntimeError(std::bad_alloc()).Number(), 7);
    EXPECT_EQ(AsRuntimeError(RuntimeError(ErrorNumber::TypeMismatch)).Number(), 13);
}

TEST(AppFolder, ChoiceOrder) {
    AppFolderInputs in;
    in.trumbelHome = "/tmp/th";
    in.executableDir = "/opt/v";
    in.executableDirWritable = true;
    in.home = "/home/u";
    EXPECT_EQ(ChooseAppFolder(in), "/tmp/th/");
    in.trumbelHome.clear();
    EXPECT_EQ(ChooseAppFolder(in), "/opt/v/");
    in.executableDirWritable = false;
    EXPECT_EQ(ChooseAppFolder(in), "/home/u/.config/velquor/");
    in.xdgConfigHome = "/cfg/";
    EXPECT_EQ(ChooseAppFolder(in), "/cfg/velquor/");
    in.xdgConfigHome = "relative"; // not absolute: ignored
    EXPECT_EQ(ChooseAppFolder(in), "/home/u/.config/velquor/");
}

// An installed copy keeps the user's files out of its own folder even where it could write
// there: root running /usr/bin/trumbel, or a prefix inside the user's home.
TEST(AppFolder, InstalledCopyUsesTheConfigFolder) {
    struct Case {
        const char* trumbelHome;
        bool writable;
        ExecutableLayout layout;
        const char* want;
    };
    for (const Case& c : {
             Case{"", true, ExecutableLayout::Portable, "/opt/v/bin/"},
             Case{"", true, ExecutableLayout::Installed, "/cfg/velquor/"},
             Case{"", false, ExecutableLayout::Installed, "/cfg/velquor/"},
             Case{"/tmp/th", true, ExecutableLayout::Installed, "/tmp/th/"},
         }) {
        AppFolderInputs in;
        in.trumbelHome = c.trumbelHome;
        in.executableDir = "/opt/v/bin";
        in.executableDirWritable = c.writable;
        in.layout = c.layout;
        in.xdgConfigHome = "/cfg";
        in.home = "/home/u";
        EXPECT_EQ(ChooseAppFolder(in), c.want)
            << c.trumbelHome << " writable " << c.writable << " installed "
            << (c.layout == ExecutableLayout::Installed);
    }
}

// The data folder lies beside bin/ for any prefix; only a real share/trumbel folder (not a
// file of that name, not a build tree) makes the copy an installed one.
TEST(AppFolder, InstalledLayoutIsFoundBesideTheExecutable) {
    EXPECT_EQ(InstalledDataFolder("/usr/bin"), "/usr/share/trumbel/");
    EXPECT_EQ(InstalledDataFolder("/opt/velquor/bin/"), "/opt/velquor/share/trumbel/");
    EXPECT_EQ(InstalledDataFolder(""), "");

    namespace fs = std::filesystem;
    const fs::path root = test::FreshTestFolder();
    struct Case {
        const char* name;
        void (*make)(const fs::path& prefix);
        ExecutableLayout want;
    };
    for (const Case& c : {
             Case{"installed",
                  [](const fs::path& p) { fs::create_directories(p / "share/trumbel"); },
                  ExecutableLayout::Installed},
             Case{"bare bin", [](const fs::path&) {}, ExecutableLayout::Portable},
             Case{"other data only",
                  [](const fs::path& p) { fs::create_directories(p / "share/other"); },
                  ExecutableLayout::Portable},
             Case{"file in its place",
                  [](const fs::path& p) {
                      fs::create_directories(p / "share");
                      std::ofstream(p / "share/trumbel") << "x";
                  },
                  ExecutableLayout::Portable},
         }) {
        const fs::path prefix = root / c.name;
        fs::create_directories(prefix / "bin");
        c.make(prefix);
        EXPECT_EQ(DetectLayout((prefix / "bin").string()), c.want) << c.name;
    }
}

TEST(Connectivity, DefaultRouteOutsideLoopback) {
    const std::string data = TRUMBEL_TEST_DATA;
    struct Case {
        std::string root;
        bool connected;
        std::string name;
    };
    for (const Case& c : {Case{"/proc-online", true, "eth0"}, Case{"/proc-offline", false, ""},
                          Case{"/proc-v6only", true, "wlan0"}, Case{"/no-such-proc", false, ""}}) {
        const ConnectedState s = QueryConnectedState(data + c.root, data + "/sys-links");
        EXPECT_EQ(s.connected, c.connected) << c.root;
        EXPECT_EQ((s.flags & kConnectionOffline) != 0, !c.connected) << c.root;
        EXPECT_EQ(s.name, c.name) << c.root;
    }
}

TEST(InstanceLock, SecondHolderIsRefusedUntilTheFirstGoes) {
    const std::string path = test::FreshTestFolder() / "locks" / "trumbel.lock";
    {
        InstanceLock first(path);
        ASSERT_EQ(first.TryAcquire(), LockResult::Acquired);
        InstanceLock second(path);
        EXPECT_EQ(second.TryAcquire(), LockResult::HeldByOther);
    }
    InstanceLock again(path);
    EXPECT_EQ(again.TryAcquire(), LockResult::Acquired);
    std::filesystem::remove(path);
}

// One copy per user, whatever folder it runs from; a lock folder that another user could have
// planted (a link, a folder writable by others) is refused rather than trusted.
TEST(InstanceLock, OnePerUserInAPrivateFolder) {
    const std::filesystem::path root = test::FreshTestFolder();
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedValue = saved ? saved : "";
    ::setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
    const std::string path = InstanceLockPath();
    EXPECT_EQ(path, (root / "velquor/trumbel.lock").string());
    {
        InstanceLock first(path);
        EXPECT_EQ(first.TryAcquire(), LockResult::Acquired);
        EXPECT_EQ(std::filesystem::status(root / "velquor").permissions() &
                      std::filesystem::perms::all,
                  std::filesystem::perms::owner_all);
    }
    std::filesystem::remove_all(root / "velquor");
    std::filesystem::create_directory(root / "elsewhere");
    std::filesystem::create_directory_symlink(root / "elsewhere", root / "velquor");
    EXPECT_EQ(InstanceLock(path).TryAcquire(), LockResult::Error);
    std::filesystem::remove(root / "velquor");
    std::filesystem::create_directory(root / "velquor");
    std::filesystem::permissions(root / "velquor", std::filesystem::perms::all);
    EXPECT_EQ(InstanceLock(path).TryAcquire(), LockResult::Error);

    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(InstanceLockPath(), "/tmp/velquor-" + std::to_string(::getuid()) + "/trumbel.lock");
    if (saved) {
        ::setenv("XDG_RUNTIME_DIR", savedValue.c_str(), 1);
    }
}

} // namespace
} // namespace trumbel
