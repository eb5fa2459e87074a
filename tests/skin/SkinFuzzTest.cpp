// Seeded random damage to a good skin file: whatever the damage, the engine ends with a
// complete skin, and a file it could not read leaves the built-in skin in place.
#include "skin/SkinEngine.h"
#include "tests/skin/SkinTestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace trumbel {
namespace {

namespace fs = std::filesystem;

std::string Damage(std::string text, std::mt19937& rng) {
    auto pick = [&](std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    const int edits = 1 + static_cast<int>(pick(4));
    for (int e = 0; e < edits && !text.empty(); ++e) {
        const std::size_t at = pick(text.size());
        switch (pick(7)) {
        case 0:
            text.resize(at);
            break;
        case 1:
            text[at] = static_cast<char>(pick(256));
            break;
        case 2:
            text.insert(at, ",");
            break;
        case 3:
            text.insert(at, "\r\n");
            break;
        case 4:
            text.insert(at, std::to_string(static_cast<int>(pick(200000)) - 100000));
            break;
        case 5:
            text.erase(at, pick(40));
            break;
        default: {
            const std::size_t from = pick(text.size());
            text.insert(at, text.substr(from, pick(60)));
            break;
        }
        }
    }
    return text;
}

TEST(SkinFuzz, DamagedFilesEndInACompleteSkin) {
    const char* home = std::getenv("TRUMBEL_HOME");
    const fs::path folder = fs::path(home ? home : fs::temp_directory_path().string()) / "fuzz";
    fs::remove_all(folder);
    testing::WriteFile(folder / "art.bmp", testing::Bmp24(Bitmap(360, 80, 0xFF203040u)));
    const std::string good = testing::JoinLines(testing::EnglishSkinLines());
    const BuiltInSkinSource builtIn = EmbeddedSkinSource();
    std::mt19937 rng(20261208);
    int loaded = 0;
    for (int i = 0; i < 400; ++i) {
        const std::string text = Damage(good, rng);
        testing::WriteFile(folder / "f.skn", text);
        Settings settings;
        settings.skinFolder = folder.string() + "/";
        settings.skinFileName = "f.skn";
        settings.useBuiltInSkin = 0;
        settings.builtInSkinType = 0;
        RecordingUi ui;
        SkinEngine engine(settings, ui, builtIn);
        std::string log;
        const bool ok = engine.LoadSkinFile(log, SkinQuiet::Yes);
        ASSERT_TRUE(engine.skinReady()) << text;
        if (ok) {
            ++loaded;
            EXPECT_EQ(settings.useBuiltInSkin, 0);
            EXPECT_TRUE(ui.shown.empty());
        } else {
            EXPECT_EQ(engine.skin().skinName, "Default_MiniH") << text;
            EXPECT_EQ(ui.shown.size(), settings.useBuiltInSkin == 1 ? 1u : 0u) << text;
        }
    }
    // The damage is mild enough that some files still read.
    EXPECT_GT(loaded, 0);
    EXPECT_LT(loaded, 400);
}

} // namespace
} // namespace trumbel
