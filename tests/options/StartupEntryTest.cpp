#include "options/StartupEntry.h"

#include "tests/support/TestFolder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

TEST(StartupEntryPaths, AutostartFolderFollowsXdgConfigHome) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* folder;
    };
    for (const Case& c : {Case{"/cfg", "/home/u", "/cfg/autostart"},
                          Case{nullptr, "/home/u", "/home/u/.config/autostart"},
                          Case{"", "/home/u", "/home/u/.config/autostart"},
                          Case{"relative", "/home/u", "/home/u/.config/autostart"}}) {
        EXPECT_EQ(AutostartFolder(c.xdg, c.home), c.folder);
    }
    EXPECT_EQ(StartupEntryPath("/cfg/autostart"), "/cfg/autostart/Velquor.desktop");
}

TEST(StartupEntryPaths, ExecQuotesAndEscapesTheCommand) {
    struct Case {
        const char* word;
        const char* exec;
    };
    for (const Case& c :
         {Case{"/opt/trumbel", R"("/opt/trumbel")"},
          Case{"/my apps/trumbel", R"("/my apps/trumbel")"}, Case{"/a\"b/t", R"("/a\\"b/t")"},
          Case{"/a$b/t", R"("/a\\$b/t")"}, Case{"/a\\b/t", R"("/a\\\\b/t")"},
          Case{"/100%/t", R"("/100%%/t")"}, Case{"/a`b/t", R"("/a\\`b/t")"}}) {
        EXPECT_EQ(ExecArgument(c.word), c.exec) << c.word;
    }
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Checking writes the entry once with its box; checking again with the entry there says
// nothing; unchecking deletes it with the other box; unchecked and absent stays silent.
TEST(StartupEntryApply, CreatesAndRemovesWithTheirBoxes) {
    const fs::path folder = test::FreshTestFolder("options");
    const std::string path = StartupEntryPath((folder / "autostart").string());
    RecordingUi ui;
    StartupEntry entry(path, ui);
    struct Step {
        bool checked;
        StartupChange change;
        bool exists;
        const char* title; // of the box shown, "" for none
    };
    const Step steps[] = {
        {false, StartupChange::None, false, ""},
        {true, StartupChange::Created, true, "スタートアップに登録 - Velquor"},
        {true, StartupChange::None, true, ""},
        {false, StartupChange::Removed, false, "スタートアップに登録を解除 - Velquor"},
        {false, StartupChange::None, false, ""},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.checked ? "checked " : "unchecked ") + s.title);
        ui.shown.clear();
        EXPECT_EQ(entry.Apply(s.checked, "/opt/velquor/trumbel", "/opt/velquor/"), s.change);
        EXPECT_EQ(entry.Exists(), s.exists);
        if (*s.title) {
            ASSERT_EQ(ui.shown.size(), 1u);
            EXPECT_EQ(ui.shown[0].title, s.title);
            EXPECT_EQ(ui.shown[0].icon, MsgIcon::Information);
        } else {
            EXPECT_TRUE(ui.shown.empty());
        }
        if (s.change == StartupChange::Created) {
            EXPECT_EQ(ui.shown[0].text,
                      "スタートアップにショートカットを作成しました｡\r\nオプションでチェックを外す"
                      "かスタートアップから削除することによって「スタートアップに登録」を解除する"
                      "ことが出来ます｡");
            const std::string text = ReadAll(path);
            EXPECT_NE(text.find("Exec=\"/opt/velquor/trumbel\"\n"), std::string::npos) << text;
            EXPECT_NE(text.find("Path=/opt/velquor/\n"), std::string::npos) << text;
        }
    }
}

TEST(StartupEntryApply, AFailedWriteIsReported) {
    const fs::path folder = test::FreshTestFolder("options");
    // A file where the autostart folder should be: nothing can be written below it.
    std::ofstream(folder / "autostart") << "x";
    RecordingUi ui;
    StartupEntry entry(StartupEntryPath((folder / "autostart").string()), ui);
    EXPECT_EQ(entry.Apply(true, "/t", "/"), StartupChange::Failed);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(entry.Exists());
}

// The desktop's own validator accepts the entry, also for a command with awkward characters.
TEST(StartupEntryApply, TheEntryIsAValidDesktopFile) {
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "desktop-file-validate is not installed (desktop-file-utils)";
    }
    const fs::path folder = test::FreshTestFolder("options");
    for (const char* exe : {"/opt/velquor/trumbel", "/home/a b/$x/100%/\"q\"/trumbel"}) {
        SCOPED_TRACE(exe);
        const fs::path path = folder / "Velquor.desktop";
        std::ofstream(path) << StartupEntryText(exe, "/home/a b/");
        const std::string command = "desktop-file-validate '" + path.string() + "' 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe)) {
            output += buffer;
        }
        EXPECT_EQ(pclose(pipe), 0) << output;
        EXPECT_EQ(output, "");
    }
}

} // namespace
} // namespace trumbel
