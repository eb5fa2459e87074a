#include "skin/FindFiles.h"

#include "tests/skin/SkinTestFiles.h"
#include "tests/support/TestFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

TEST(WildcardMatch, TheLanguagesPatterns) {
    struct Case {
        const char* text;
        const char* pattern;
        bool match;
    };
    const Case cases[] = {
        {"AllView2.skn", "*.skn", true},
        {"a.skn.bak", "*.skn", false},
        {"A.SKN", "*.skn", false},
        {".skn", "*.skn", true},
        {"x.skn", "?.skn", true},
        {"xy.skn", "?.skn", false},
        {"v1.skn", "v#.skn", true},
        {"va.skn", "v#.skn", false},
        {"b.skn", "[abc].skn", true},
        {"d.skn", "[a-c].skn", false},
        {"d.skn", "[!a-c].skn", true},
        {"a.skn", "[!a-c].skn", false},
        {"スキン.skn", "???.skn", true},
        {"スキン.skn", "*.skn", true},
        {"aaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*c", false},
        {"abc", "a*", true},
        {"", "*", true},
        {"", "?", false},
        {"a[b", "a[b", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WildcardMatch(c.text, c.pattern), c.match) << c.text << " ~ " << c.pattern;
    }
}

class FindFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = test::FreshTestFolder();
        testing::WriteFile(root / "top.skn", "");
        testing::WriteFile(root / "notes.txt", "");
        testing::WriteFile(root / "a" / "one.skn", "");
        testing::WriteFile(root / "a" / "deep" / "two.skn", "");
        testing::WriteFile(root / "b" / "three.SKN", "");
    }
    fs::path root;
};

TEST_F(FindFilesTest, RecursiveDepthFirst) {
    std::vector<std::string> found{"stale"};
    const std::string folder = root.string() + "/";
    ASSERT_EQ(FindFiles(folder, "*.skn", found), 3);
    // Each folder by name, as a file manager lists it.
    EXPECT_EQ(found, (std::vector<std::string>{folder + "a/deep/two.skn", folder + "a/one.skn",
                                               folder + "top.skn"}));
    // without the trailing slash the same files come back
    EXPECT_EQ(FindFiles(root.string(), "*.skn", found), 3);
    EXPECT_EQ(found.size(), 3u);
}

TEST_F(FindFilesTest, FolderMustBeAnExistingAbsoluteDirectory) {
    std::vector<std::string> found{"stale"};
    EXPECT_EQ(FindFiles("relative/skins/", "*.skn", found), kFolderNotFound);
    EXPECT_TRUE(found.empty());
    EXPECT_EQ(FindFiles((root / "missing").string(), "*.skn", found), kFolderNotFound);
    EXPECT_EQ(FindFiles((root / "top.skn").string(), "*.skn", found), kFolderNotFound);
    EXPECT_EQ(FindFiles("", "*.skn", found), kFolderNotFound);
}

TEST_F(FindFilesTest, LinkLoopsAreSearchedOnce) {
    fs::create_directory_symlink(root, root / "a" / "loop");
    std::vector<std::string> found;
    EXPECT_EQ(FindFiles(root.string(), "*.skn", found), 3);
}

struct FakeWindow : SearchProgressView {
    explicit FakeWindow(std::vector<std::string>& shown) : shown(shown) {}
    void SetCurrentDir(const std::string& dir) override { shown.push_back(dir); }
    std::vector<std::string>& shown;
};

TEST_F(FindFilesTest, ProgressWindowOnlyForLongSearches) {
    for (std::int64_t step : {0, 100}) {
        SCOPED_TRACE(step);
        std::int64_t now = 1000;
        int opened = 0;
        std::vector<std::string> shown;
        SearchProgress progress;
        progress.nowMs = [&] { return now += step; };
        progress.open = [&]() -> std::unique_ptr<SearchProgressView> {
            ++opened;
            return std::make_unique<FakeWindow>(shown);
        };
        std::vector<std::string> found;
        FindFiles(root.string(), "*.skn", found, progress);
        if (step == 0) {
            EXPECT_EQ(opened, 0);
        } else {
            // Folders entered: root (100 ms), then the three subfolders after 300 ms.
            EXPECT_EQ(opened, 1);
            EXPECT_FALSE(shown.empty());
            EXPECT_LE(shown.size(), 3u);
        }
    }
    EXPECT_EQ(FirstCharacters("日本語のフォルダ", 3), "日本語");
    EXPECT_EQ(FirstCharacters("/short", 60), "/short");
}

} // namespace
} // namespace trumbel
