#include "functions/FunctionLauncher.h"

#include "tests/support/TestFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace trumbel {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

struct RecordingDesktop final : LaunchDesktop {
    Strings log;
    std::string failWith; // every request fails with this reason when set
    void Open(const std::string& target, std::function<void(const std::string&)> failed) override {
        log.push_back("open " + target);
        if (!failWith.empty()) {
            failed(failWith);
        }
    }
    std::string Start(const std::vector<std::string>& command, const std::string& folder) override {
        std::string line = "start";
        for (const std::string& word : command) {
            line += " " + word;
        }
        log.push_back(line + " in " + (folder.empty() ? "-" : folder));
        return failWith;
    }
};

void Write(const fs::path& path, const std::string& text = "x", bool executable = false) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
    if (executable) {
        fs::permissions(path, fs::perms::owner_exec, fs::perm_options::add);
    }
}

class FunctionLauncherTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = test::FreshTestFolder("functions");
        app = root.string() + "/app/";
        bin = root / "bin";
        fs::create_directories(bin);
        paths.path = bin.string();
        paths.dataDirs = {(root / "data").string()};
        paths.configDirs = {(root / "config").string()};
    }
    FunctionLauncher Launcher() { return FunctionLauncher(settings, ui, desktop, app, paths); }

    fs::path root;
    std::string app;
    fs::path bin;
    AppSearchPaths paths;
    Settings settings;
    RecordingUi ui;
    RecordingDesktop desktop;
};

TEST_F(FunctionLauncherTest, ConfiguredFileStartsOrOpensOrIsReportedMissing) {
    Write(app + "Function/tool", "#!/bin/sh\n", true);
    Write(app + "Function/notes.txt");
    Write(app + "Function/app.desktop", "[Desktop Entry]\nExec=true\n", true);
    // A document keeps the execute bit it had on a Windows disk; a binary has no "#!".
    Write(app + "Function/from-share.txt", "plain words", true);
    fs::copy_file("/bin/true", app + "Function/binary");
    struct Case {
        const char* name;
        std::string expected;
    };
    for (const Case& c : {Case{"tool", "start " + app + "Function/tool in " + app},
                          Case{"notes.txt", "open " + app + "Function/notes.txt"},
                          Case{"app.desktop", "open " + app + "Function/app.desktop"},
                          Case{"from-share.txt", "open " + app + "Function/from-share.txt"},
                          Case{"binary", "start " + app + "Function/binary in " + app}}) {
        desktop.log.clear();
        settings.functionId = -1;
        settings.functionName = c.name;
        Launcher().RunConfiguredFunction();
        EXPECT_EQ(desktop.log, (Strings{c.expected})) << c.name;
    }
    EXPECT_TRUE(ui.shown.empty());

    desktop.log.clear();
    settings.functionName = "gone.sh";
    Launcher().RunConfiguredFunction();
    EXPECT_TRUE(desktop.log.empty());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "エラー - Velquor");
    EXPECT_EQ(ui.shown[0].text, "ファンクションに設定されていたファイル\r\n" + app +
                                    "Function/gone.sh\r\nが見つかりません");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);

    // A shared option file may name a path out of the function folder: refused as missing.
    Write(root / "outside/run.sh", "#!/bin/sh\n", true);
    for (const char* name : {"../../outside/run.sh", ".."}) {
        ui.shown.clear();
        settings.functionName = name;
        Launcher().RunConfiguredFunction();
        EXPECT_TRUE(desktop.log.empty()) << name;
        ASSERT_EQ(ui.shown.size(), 1u) << name;
        EXPECT_EQ(ui.shown[0].text, "ファンクションに設定されていたファイル\r\n" + app +
                                        "Function/" + name + "\r\nが見つかりません");
    }
}

TEST_F(FunctionLauncherTest, AFailedStartIsReportedWithTheFileAndTheReason) {
    Write(app + "Function/tool", "#!/bin/sh\n", true);
    Write(app + "Function/doc.odt");
    settings.functionId = -1;
    desktop.failWith = "Permission denied";
    // A program that cannot start, and a document no application takes, say so alike.
    for (const char* name : {"tool", "doc.odt"}) {
        ui.shown.clear();
        settings.functionName = name;
        Launcher().RunConfiguredFunction();
        ASSERT_EQ(ui.shown.size(), 1u) << name;
        EXPECT_EQ(ui.shown[0].text,
                  app + "Function/" + name + "\r\nを起動できませんでした｡\r\nPermission denied");
    }
}

TEST_F(FunctionLauncherTest, BuiltinsMapOntoTheDesktop) {
    Write(bin / "xcalc", "", true);
    Write(bin / "kcalc", "", true);
    Write(bin / "xterm", "", true);
    Write(bin / "konsole", "", true);
    Write(root / "data/applications/editor.desktop",
          "[Desktop Entry]\nName=Ed\nExec=\"/opt/my editor/ed\" --new %F\nMimeType=text/plain;\n");
    const std::string b = bin.string();
    struct Case {
        int index;
        std::string expected;
    };
    for (const Case& c :
         {Case{0, "open https://www.google.com/"}, Case{1, "open /"},
          Case{2, "start /opt/my editor/ed --new in -"}, Case{3, "start " + b + "/kcalc in -"},
          Case{4, "start " + b + "/konsole in -"}, Case{5, ""}, Case{-1, ""}}) {
        desktop.log.clear();
        Launcher().RunBuiltinFunction(c.index);
        EXPECT_EQ(desktop.log, c.expected.empty() ? Strings{} : Strings{c.expected}) << c.index;
    }
    // The configured built-in goes the same way.
    desktop.log.clear();
    settings.functionId = 3;
    Launcher().RunConfiguredFunction();
    EXPECT_EQ(desktop.log, (Strings{"start " + b + "/kcalc in -"}));
    // The user's terminal comes first.
    paths.terminal = "xterm";
    desktop.log.clear();
    Launcher().RunBuiltinFunction(4);
    EXPECT_EQ(desktop.log, (Strings{"start " + b + "/xterm in -"}));
    EXPECT_TRUE(ui.shown.empty());
}

TEST_F(FunctionLauncherTest, WithoutACalculatorTheCompanionStarts) {
    const fs::path own = root / "own";
    Write(own / "sumora", "", true);
    paths.ownFolders = {(root / "elsewhere").string(), own.string()};
    Launcher().RunBuiltinFunction(3);
    EXPECT_EQ(desktop.log, (Strings{"start " + (own / "sumora").string() + " in -"}));

    // Nothing at all: said in a box, nothing started.
    paths.ownFolders.clear();
    desktop.log.clear();
    Launcher().RunBuiltinFunction(3);
    EXPECT_TRUE(desktop.log.empty());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_NE(ui.shown[0].text.find("電卓が見つかりません"), std::string::npos);
}

TEST_F(FunctionLauncherTest, TheDefaultEditorComesFromMimeappsAndRunsInATerminalWhenItSaysSo) {
    Write(root / "data/applications/a-first.desktop",
          "[Desktop Entry]\nExec=first %U\nMimeType=text/plain;\n");
    Write(root / "data/applications/vim.desktop",
          "[Desktop Entry]\nExec=vim %F\nTerminal=true\nMimeType=text/plain;\n");
    Write(root / "config/mimeapps.list",
          "[Added Associations]\ntext/plain=a-first.desktop\n[Default Applications]\n"
          "text/html=a-first.desktop\ntext/plain=missing.desktop;vim.desktop\n");
    Write(bin / "xterm", "", true);
    Launcher().RunBuiltinFunction(2);
    EXPECT_EQ(desktop.log, (Strings{"start " + (bin / "xterm").string() + " -e vim in -"}));
}

TEST(DesktopAppsTest, ExecLinesSplitByTheirQuotingWithoutFieldCodes) {
    struct Case {
        const char* exec;
        Strings words;
    };
    for (const Case& c :
         {Case{"gedit %U", {"gedit"}}, Case{"\"/opt/a b/run\" -x %f", {"/opt/a b/run", "-x"}},
          Case{"app --rate=50%% %i %c", {"app", "--rate=50%"}},
          Case{"sh -c \"echo \\\"hi\\\"\"", {"sh", "-c", "echo \"hi\""}},
          Case{"  spaced   out  ", {"spaced", "out"}}, Case{"", {}}}) {
        EXPECT_EQ(SplitExec(c.exec), c.words) << c.exec;
    }
}

// --- List entries -------------------------------------------------------------------------

TEST(FunctionListTest, EntriesCountTheBuiltinsFirst) {
    const Strings files = {"first.sh", "second"};
    const std::string dir = "/f/";
    struct Case {
        int index;
        std::optional<int> builtin;
        std::string file;
        bool valid;
    };
    for (const Case& c :
         {Case{1, 0, "", true}, Case{4, 3, "", true}, Case{6, std::nullopt, "/f/first.sh", true},
          Case{7, std::nullopt, "/f/second", true}, Case{8, std::nullopt, "", false},
          Case{0, std::nullopt, "", false}}) {
        const auto target = FunctionListEntry(c.index, files, dir);
        ASSERT_EQ(target.has_value(), c.valid) << c.index;
        if (target) {
            EXPECT_EQ(target->builtin, c.builtin) << c.index;
            EXPECT_EQ(target->file, c.file) << c.index;
        }
    }
}

TEST(FunctionListTest, FavouritesCountOnlyTheFlaggedBuiltins) {
    const std::array<bool, 5> flags = {true, false, false, true, false};
    const Strings files = {"fav.sh"};
    const auto one = FavouritesEntry(1, files, "/p/", flags);
    const auto two = FavouritesEntry(2, files, "/p/", flags);
    const auto three = FavouritesEntry(3, files, "/p/", flags);
    ASSERT_TRUE(one && two && three);
    EXPECT_EQ(one->builtin, 0);
    EXPECT_EQ(two->builtin, 3);
    EXPECT_EQ(three->file, "/p/fav.sh");
    EXPECT_FALSE(FavouritesEntry(4, files, "/p/", flags));
}

TEST_F(FunctionLauncherTest, ChoosingAMissingListedFileNamesItsPath) {
    Write(app + "Function/PickUp/there.sh", "#!/bin/sh\n", true);
    settings.builtInFunctionFlags = {0, 0, 0, 0, 0};
    Launcher().Choose(FunctionList::Favourites, 1, {"there.sh"});
    EXPECT_EQ(desktop.log, (Strings{"start " + app + "Function/PickUp/there.sh in " + app}));
    Launcher().Choose(FunctionList::All, 6, {"lost.sh"});
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, app + "Function/lost.sh が見つかりません");
    EXPECT_EQ(ui.shown[0].title, "エラー - Velquor");
}

TEST_F(FunctionLauncherTest, OpenFunctionFolderExploresTheFolderWithoutASlash) {
    Launcher().OpenFunctionFolder();
    EXPECT_EQ(desktop.log, (Strings{"open " + app + "Function"}));
}

// --- Dropped files --------------------------------------------------------------------------

TEST_F(FunctionLauncherTest, ADroppedFileIsCopiedAfterTheQuestions) {
    const fs::path dropped = root / "outside" / "tool.sh";
    Write(dropped, "new");
    const std::string target = app + "Function/tool.sh";
    auto read = [](const std::string& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };

    ui.answers = {MsgAnswer::No};
    Launcher().RegisterDroppedFile(dropped.string());
    EXPECT_FALSE(fs::exists(target)) << "No ends it";
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "ファンクション登録の確認Velquor");
    EXPECT_EQ(ui.shown[0].text, "ファンクション一覧に\r\ntool.sh\r\nを加えてもよろしいですか？");
    EXPECT_EQ(ui.shown[0].buttons, MsgButtons::YesNo);

    ui.answers = {MsgAnswer::Yes};
    Launcher().RegisterDroppedFile(dropped.string());
    EXPECT_EQ(read(target), "new");

    Write(dropped, "newer");
    ui.shown.clear();
    ui.answers = {MsgAnswer::Yes, MsgAnswer::No};
    Launcher().RegisterDroppedFile(dropped.string());
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[1].title, "上書きの確認Velquor");
    EXPECT_EQ(ui.shown[1].text, "ファイル tool.sh はすでに存在します｡\r\n上書きしますか？");
    EXPECT_EQ(read(target), "new") << "No keeps the old file";

    ui.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    Launcher().RegisterDroppedFile(dropped.string());
    EXPECT_EQ(read(target), "newer");
    EXPECT_FALSE(fs::exists(app + "Function/PickUp/tool.sh")) << "never a favourite";
}

TEST_F(FunctionLauncherTest, DroppingAFileOfTheFunctionFolderOnItselfIsRefused) {
    const std::string inside = app + "Function/self.sh";
    Write(inside, "keep");
    // The same file by its own path and by a path with a detour.
    for (const std::string& path : {inside, app + "Function/../Function/self.sh"}) {
        ui.shown.clear();
        ui.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        Launcher().RegisterDroppedFile(path);
        ASSERT_EQ(ui.shown.size(), 2u) << path;
        EXPECT_EQ(ui.shown[1].title, "エラー");
        EXPECT_EQ(ui.shown[1].text,
                  "このファイルをコピーできません｡\r\n送り側と受け取り側のファイルが同じです｡");
        EXPECT_EQ(ui.shown[1].icon, MsgIcon::Critical);
        std::ifstream in(inside);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep");
    }
}

// --- The function page ----------------------------------------------------------------------

TEST_F(FunctionLauncherTest, FunctionPageFillsFromTheFoldersAndAppliesTheChecks) {
    Write(app + "Function/a.sh");
    Write(app + "Function/b.txt");
    Write(app + "Function/PickUp/a.sh");
    Write(app + "Function/PickUp/only-here.sh");
    settings.builtInFunctionFlags = {0, 1, 0, 0, 0};
    settings.functionId = -1;
    settings.functionName = "b.txt";
    FunctionLauncher launcher = Launcher();
    FunctionPage page = launcher.FillFunctionPage();
    EXPECT_TRUE(fs::exists(app + "Function/only-here.sh")) << "favourites come back to the list";
    ASSERT_EQ(page.entries.size(), 8u);
    EXPECT_EQ(page.entries[1].caption, "[内蔵] エクスプローラ起動");
    EXPECT_TRUE(page.entries[1].checked);
    std::map<std::string, bool> files;
    for (std::size_t i = 5; i < page.entries.size(); ++i) {
        files[page.entries[i].caption] = page.entries[i].checked;
    }
    EXPECT_EQ(files, (std::map<std::string, bool>{{"a", true}, {"b", false}, {"only-here", true}}));
    ASSERT_GE(page.comboSelection, 5);
    EXPECT_EQ(page.entries[static_cast<std::size_t>(page.comboSelection)].fileName, "b.txt");

    // Uncheck "a", check "b" and built-in 0, choose built-in 4.
    for (FunctionPageEntry& e : page.entries) {
        if (e.caption == "a") {
            e.checked = false;
        } else if (e.caption == "b") {
            e.checked = true;
        }
    }
    page.entries[0].checked = true;
    page.comboSelection = 4;
    launcher.ApplyFunctionPage(page);
    EXPECT_FALSE(fs::exists(app + "Function/PickUp/a.sh"));
    EXPECT_TRUE(fs::exists(app + "Function/a.sh")) << "only the favourite copy goes";
    EXPECT_TRUE(fs::exists(app + "Function/PickUp/b.txt"));
    EXPECT_EQ(settings.builtInFunctionFlags,
              (std::array<bool, 5>{true, true, false, false, false}));
    EXPECT_EQ(settings.functionId, 4);

    // A file entry chosen in the combo box sets the file.
    launcher.ChooseComboEntry(page, 5);
    EXPECT_EQ(settings.functionId, -1);
    EXPECT_EQ(settings.functionName, page.entries[5].fileName);
}

} // namespace
} // namespace trumbel
