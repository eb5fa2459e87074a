#include "skin/WindowsPath.h"

#include "tests/support/TestFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

void Touch(const fs::path& path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

// A skin folder as a Windows skin author leaves it after unpacking on Linux: names in any case,
// two spellings of one folder, a folder named like a picture, and a folder beside the skin's.
class WindowsPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = test::FreshTestFolder();
        for (const char* file : {"skin/img/art.bmp", "skin/Img/Sub/Art.Bmp", "skin/Exact.bmp",
                                 "skin/exact.bmp", "skin/ＧＲＡＰＨ.bmp", "skin/ДИСК.BMP",
                                 "skin/ωMEGA.bmp", "skin/Café.bmp", "shared/Above.bmp"}) {
            Touch(root / file);
        }
        fs::create_directories(root / "skin/dir.bmp");
        skin = (root / "skin").string() + "/";
    }

    fs::path root;
    std::string skin;
};

TEST_F(WindowsPathTest, EveryComponentMatchesWhateverItsCase) {
    struct Case {
        const char* name;
        const char* found; // under root; "" when nothing matches
    };
    const Case cases[] = {
        {"img\\art.bmp", "skin/img/art.bmp"},
        {"IMG\\ART.BMP", "skin/img/art.bmp"},          // "Img", tried first, has no ART.BMP
        {"img\\sub\\art.bmp", "skin/Img/Sub/Art.Bmp"}, // the exact "img" has no "sub"
        {"iMg/SuB/aRt.BmP", "skin/Img/Sub/Art.Bmp"},
        {"exact.bmp", "skin/exact.bmp"}, // an exact match wins
        {"Exact.bmp", "skin/Exact.bmp"},
        {"EXACT.BMP", "skin/Exact.bmp"}, // otherwise the first spelling in name order
        {"ｇｒａｐｈ.bmp", "skin/ＧＲＡＰＨ.bmp"},
        {"диск.bmp", "skin/ДИСК.BMP"},
        {"ΩMEGA.BMP", "skin/ωMEGA.bmp"},
        {"CAFÉ.BMP", "skin/Café.bmp"},
        {".\\img\\.\\art.bmp", "skin/img/art.bmp"},
        {"img\\\\art.bmp", "skin/img/art.bmp"},
        {"\\img\\art.bmp", "skin/img/art.bmp"}, // the skin's folder ends in a separator already
        {"img\\art.bmp. ", "skin/img/art.bmp"}, // Windows drops trailing dots and blanks
        {"nowhere\\..\\img\\art.bmp", "skin/img/art.bmp"}, // ".." is resolved in the name
        {"..\\SHARED\\above.bmp", "shared/Above.bmp"},
        {"dir.bmp", ""}, // a folder is no picture
        {"img\\", ""},
        {"img\\..", ""},
        {"", ""},
        {"missing.bmp", ""},
        {"img\\art.bmp\\x", ""},
        {"Img\\Art.bmp", "skin/img/art.bmp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string want = *c.found ? (root / c.found).string() : std::string();
        EXPECT_EQ(FindWindowsPath(skin, c.name), want);
    }
}

TEST_F(WindowsPathTest, DotDotStopsAtTheRoot) {
    // Far more ".." than the folder is deep, then down again from the root to the same file.
    std::string name;
    for (int i = 0; i < 64; ++i) {
        name += "..\\";
    }
    name += root.relative_path().string() + "\\shared\\ABOVE.BMP";
    EXPECT_EQ(FindWindowsPath(skin, name), (root / "shared/Above.bmp").string());
}

TEST_F(WindowsPathTest, RelativeSkinFolders) {
    const fs::path previous = fs::current_path();
    fs::current_path(root / "skin");
    EXPECT_EQ(FindWindowsPath("", "IMG\\ART.BMP"), "img/art.bmp");
    EXPECT_EQ(FindWindowsPath("img/", "..\\..\\SHARED\\above.bmp"), "../shared/Above.bmp");
    fs::current_path(previous);
}

TEST(FoldNameCase, LettersOfEveryScriptAWindowsNameMayHold) {
    const std::pair<std::string, std::string> cases[] = {
        {"ABC.Bmp", "abc.bmp"},
        {"ÀÉÖ×ÞßÿŸ", "àéö×þßÿŸ"}, // "×" is no letter; ß, ÿ and Ÿ are left alone
        {"ΑΩΣ\u03A2", "αωσ\u03A2"},
        {"АЯЁЂ", "аяёђ"},
        {"ＡＺａｚ０", "ａｚａｚ０"},
        {"日本語カナ", "日本語カナ"},
        {"\xFF\x41\xC3", "\xFF"
                         "a\xC3"},        // stray bytes stay, letters around them fold
        {"\xE0\x81\x81", "\xE0\x81\x81"}, // an over-long form is not a letter
        {"\xF0\x9F\x98\x80X", "\xF0\x9F\x98\x80x"},
    };
    for (const auto& [in, want] : cases) {
        EXPECT_EQ(FoldNameCase(in), want) << in;
    }
}

} // namespace
} // namespace trumbel
