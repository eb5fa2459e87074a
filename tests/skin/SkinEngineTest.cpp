#include "skin/SkinEngine.h"

#include "base/Ui.h"
#include "tests/skin/SkinTestFiles.h"
#include "tests/support/TestFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

namespace fs = std::filesystem;
using testing::EnglishSkinLines;
using testing::JoinLines;
using testing::WriteFile;

struct Recorded {
    std::vector<std::pair<int, int>> sizes;
    std::vector<std::pair<int, int>> moves;
    std::vector<std::pair<std::string, std::string>> links;
    int draws = 0;
};

class SkinEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = test::FreshTestFolder();
        settings.skinFolder = folder.string() + "/";
        settings.skinFileName = "test.skn";
        settings.useBuiltInSkin = 0;
        settings.builtInSkinType = 0;
        // The worked layout: containers 0..3 bars, 4 a clock.
        settings.containerCount = 5;
        settings.clockContainer[4] = 1;
    }

    // Records what the engine asks of its window.
    struct RecordingHost final : SkinHost {
        SkinEngineTest& t;
        int laidOut = 0;
        explicit RecordingHost(SkinEngineTest& test) : t(test) {}
        void SetWindowSize(int w, int h) override { t.rec.sizes.emplace_back(w, h); }
        void MoveWindow(int x, int y) override { t.rec.moves.emplace_back(x, y); }
        std::optional<Size> Screen() const override { return t.screen; }
        void DrawSkin() override { ++t.rec.draws; }
        void LaidOut() override { ++laidOut; }
        void UpdateSkinLink(const std::string& c, const std::string& u) override {
            t.rec.links.emplace_back(c, u);
        }
        bool OptionsFilling() const override { return t.filling; }
    };

    void WriteSkin(const std::vector<std::string>& lines, bool withImage = true) {
        WriteFile(folder / "test.skn", JoinLines(lines));
        if (withImage) {
            Bitmap art(360, 80, 0xFF102030u);
            art.At(3, 4) = 0xFF00FF; // one key-coloured pixel
            WriteFile(folder / "art.bmp", testing::Bmp24(art));
        }
    }

    fs::path folder;
    Settings settings;
    RecordingUi ui;
    Recorded rec;
    Size screen{1920, 1080};
    bool filling = false;
    RecordingHost host{*this};
};

const std::string kOkLog = "Skinのロードを開始します｡\r\n"
                           "対象ファイルは{path}です。\r\n"
                           "ファイルのオープンに成功しました｡\r\n"
                           "使用する画像ファイルは{image}です。\r\n"
                           "画像ファイルの存在を確認しました｡\r\n"
                           "このスキンは可変タイプで高さ固定モードです。\r\n"
                           "先頭ユニットデータの読み込みを開始します｡\r\n"
                           "グラフ表示ユニットデータの読み込みを開始します｡\r\n"
                           "時計ユニットデータの読み込みを開始します｡\r\n"
                           "終端ユニットデータの読み込みを開始します｡\r\n"
                           "グラフデータの読み込みを開始します｡\r\n"
                           "数字データの読み込みを開始します｡\r\n"
                           "表示パラメータの読み込みを開始します｡\r\n"
                           "データファイルの読み込みは正常に終了しました｡\r\n"
                           "スキンのサイズを計算し、ウィンドウのサイズを変更します｡\r\n"
                           "画像ファイルの読み込みに移ります\r\n"
                           "マスクの作成は正常に終了しました｡\r\n"
                           "スキンの読み込みは正常に終了しました｡\r\n"
                           "「デフォルトスキンを使用」のオプションを切り、\r\n"
                           "選択したスキンに切り換えます｡";

std::string Fill(std::string text, const std::string& path, const std::string& image) {
    text.replace(text.find("{path}"), 6, path);
    text.replace(text.find("{image}"), 7, image);
    return text;
}

TEST_F(SkinEngineTest, LoadsAFileSkinWithItsLog) {
    WriteSkin(EnglishSkinLines());
    SkinEngine engine(settings, ui, EmbeddedSkinSource(), host);
    std::string log;
    ASSERT_TRUE(engine.LoadSkinFile(log, SkinQuiet::No));
    const std::string path = (folder / "test.skn").string();
    EXPECT_EQ(log, Fill(kOkLog, path, (folder / "art.bmp").string()));
    EXPECT_TRUE(engine.skinReady());
    EXPECT_EQ(settings.useBuiltInSkin, 0);
    EXPECT_EQ(engine.currentSkinPath(), path);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(engine.skin().skinName, "Test Skin");
    ASSERT_FALSE(rec.sizes.empty());
    EXPECT_EQ(rec.sizes.back(), std::make_pair(449, 27));
    EXPECT_EQ(engine.backBuffer().width, 449);
    EXPECT_EQ(engine.backBuffer().height, 27);
    ASSERT_EQ(rec.links.size(), 1u);
    EXPECT_EQ(rec.links[0].first, "Author page");
    // The key-coloured pixel is black in the skin surface and white in the mask.
    EXPECT_EQ(engine.imageWidth(), 360);
    EXPECT_EQ(engine.skinImage().At(3, 4), 0u);
    EXPECT_EQ(engine.skinMask().At(3, 4), 0xFFFFFFu);
    EXPECT_EQ(engine.skinImage().At(4, 4), 0x102030u);
    EXPECT_EQ(engine.skinMask().At(4, 4), 0u);
}

TEST_F(SkinEngineTest, MissingImageFallsBackWithoutABox) {
    WriteSkin(EnglishSkinLines("nowhere.bmp"), false);
    settings.builtInSkinType = 1;
    SkinEngine engine(settings, ui, EmbeddedSkinSource(), host);
    std::string log;
    EXPECT_FALSE(engine.LoadSkinFile(log, SkinQuiet::Yes));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(settings.useBuiltInSkin, 0);
    EXPECT_TRUE(engine.skinReady());
    EXPECT_EQ(engine.skin().skinName, "Default_MiniV");
    const std::string tail = "*****エラー発生*****\r\nスキンの画像ファイルが見つかりません。"
                             "読み込みを中止し、デフォルトのスキンを読み込みます｡\r\n";
    ASSERT_GE(log.size(), tail.size());
    EXPECT_EQ(log.substr(log.size() - tail.size()), tail);
    EXPECT_NE(log.find("使用する画像ファイルは" + (folder / "nowhere.bmp").string()),
              std::string::npos);
    // The built-in fall-back is never quiet: the link item is hidden.
    ASSERT_EQ(rec.links.size(), 1u);
    EXPECT_EQ(rec.links[0], std::make_pair(std::string(), std::string()));
}

TEST_F(SkinEngineTest, UndecodableImageIsOnlyAdvisedInTheLog) {
    WriteSkin(EnglishSkinLines());
    WriteFile(folder / "art.bmp", "not a picture");
    SkinEngine engine(settings, ui, EmbeddedSkinSource(), host);
    std::string log;
    EXPECT_TRUE(engine.LoadSkinFile(log, SkinQuiet::Yes));
    EXPECT_NE(log.find("画像ファイルの読み込みに移ります\r\n*****勧告*****\r\n"
                       "マスクの作成に問題がありました｡\r\n正常に表示されない可能性があります｡\r\n"
                       "スキンの読み込みは正常に終了しました｡"),
              std::string::npos);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_TRUE(engine.skinReady());
    EXPECT_EQ(settings.useBuiltInSkin, 0);
    EXPECT_EQ(engine.imageWidth(), 0);
    EXPECT_EQ(engine.backBuffer().width, 449);
}

TEST_F(SkinEngineTest, ImageNameFromWindowsMatchesWhateverItsCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"ART.BMP", "art.bmp"},
        {"PICS\\SKIN\\ART.BMP", "Pics/Skin/art.bmp"},
    };
    WriteSkin(EnglishSkinLines());
    fs::create_directories(folder / "Pics/Skin");
    fs::copy_file(folder / "art.bmp", folder / "Pics/Skin/art.bmp");
    for (const auto& [name, file] : cases) {
        SCOPED_TRACE(name);
        WriteSkin(EnglishSkinLines(name), false);
        SkinEngine engine(settings, ui, EmbeddedSkinSource(), host);
        std::string log;
        EXPECT_TRUE(engine.LoadSkinFile(log, SkinQuiet::Yes));
        EXPECT_EQ(engine.skin().imagePath, (folder / file).string());
        // The log names the image as the skin does, each backslash a "/".
        std::string named = name;
        std::replace(named.begin(), named.end(), '\\', '/');
        EXPECT_NE(log.find("使用する画像ファイルは" + folder.string() + "/" + named + "です。"),
                  std::string::npos);
        EXPECT_EQ(engine.imageWidth(), 360);
    }
}

TEST_F(SkinEngineTest, BrokenFilesShowTheBoxAndSwitchToTheBuiltInSkin) {
    struct Case {
        const char* what;
        std::function<void(std::vector<std::string>&)> damage;
        bool writeFile;
    };
    const Case cases[] = {
        {"truncated", [](auto& l) { l.resize(40); }, true},
        {"bad number", [](auto& l) { l[17] = "92,0,x,27,93,0"; }, true},
        {"missing file", [](auto&) {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(folder / "test.skn");
        auto lines = EnglishSkinLines();
        c.damage(lines);
        if (c.writeFile) {
            WriteSkin(lines);
        }
        settings.useBuiltInSkin = 0;
        ui.shown.clear();
        SkinEngine engine(settings, ui, EmbeddedSkinSource(), host);
        std::string log;
        EXPECT_FALSE(engine.LoadSkinFile(log, SkinQuiet::Yes));
        ASSERT_EQ(ui.shown.size(), 1u);
        EXPECT_EQ(ui.shown[0].title, "Skin読み込みエラー - Velquor");
        EXPECT_EQ(ui.shown[0].text, "エラー発生\r\nデフォルトスキンに切り換えます｡");
        EXPECT_EQ(ui.shown[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(settings.useBuiltInSkin, 1);
        EXPECT_TRUE(engine.skinReady());
        EXPECT_EQ(engine.skin().skinName, "Default_MiniH");
        const std::string tail =
            "*****エラー発生*****\r\n読み込みを中止し、デフォルトのスキンを読み込みます｡\r\n";
        EXPECT_EQ(log.substr(log.size() - tail.size()), tail);
        EXPECT_EQ(log.find("ファイルのオープンに成功しました") != std::string::npos, c.writeFile);
    }
}

TEST_F(SkinEngineTest, SkinTypeLogLines) {
    const std::pair<const char*, const char*> cases[] = {
        {"1", "このスキンは可変タイプで高さ固定モードです。\r\n"},
        {"2", "このスキンは可変タイプで幅固定モードです。\r\n"},
        {"-1", "このスキンは固定タイプです。\r\n"},
        {"7", ""},
    };
    for (const auto& [type, line] : cases) {
        SCOPED_TRACE(type);
        auto lines = EnglishSkinLines();
        lines[5] = std::string("Type:") + type;
        WriteSkin(lines);
        SkinEngine engine(settings, ui, EmbeddedSkinSource(), host);
        std::string log;
        ASSERT_TRUE(engine.LoadSkinFile(log, SkinQuiet::Yes));
        EXPECT_NE(log.find("画像ファイルの存在を確認しました｡\r\n" + std::string(line) +
                           "先頭ユニットデータ"),
                  std::string::npos);
    }
}

TEST_F(SkinEngineTest, RefusedWhileTheOptionsDialogFillsItsControls) {
    WriteSkin(EnglishSkinLines());
    filling = true;
    SkinEngine engine(settings, ui, EmbeddedSkinSource(), host);
    std::string log = "untouched";
    EXPECT_FALSE(engine.LoadSkinFile(log, SkinQuiet::No));
    EXPECT_EQ(log, "untouched");
    EXPECT_FALSE(engine.skinReady());
    EXPECT_TRUE(rec.sizes.empty());
}

TEST_F(SkinEngineTest, ActivateSkinKeepsTheWindowOnTheScreenAtRightAndBottom) {
    struct Case {
        int startX, startY, doubleSize;
        std::pair<int, int> want;
    };
    screen = {1000, 800};
    const Case cases[] = {
        {100, 200, 0, {100, 200}},
        {900, 790, 0, {1000 - 449, 800 - 27}},
        {600, 0, -1, {1000 - 898, 0}},
        {-50, -20, 0, {-50, -20}}, // no limit at the left or top
    };
    settings.useBuiltInSkin = 1;
    for (const Case& c : cases) {
        settings.startX = c.startX;
        settings.startY = c.startY;
        settings.doubleSize = static_cast<std::int16_t>(c.doubleSize);
        SkinEngine engine(settings, ui, EmbeddedSkinSource(), host);
        rec.moves.clear();
        engine.ActivateSkin(SkinQuiet::Yes);
        ASSERT_EQ(rec.moves.size(), 1u);
        EXPECT_EQ(rec.moves[0], c.want);
        EXPECT_EQ(rec.sizes.back(),
                  c.doubleSize ? std::make_pair(898, 54) : std::make_pair(449, 27));
        EXPECT_TRUE(rec.links.empty()); // quiet
    }
}

TEST_F(SkinEngineTest, ButtonsWhereTheLayoutPutsThem) {
    settings.useBuiltInSkin = 1;
    SkinEngine engine(settings, ui, EmbeddedSkinSource(), host);
    engine.ActivateSkin(SkinQuiet::Yes);
    EXPECT_EQ(host.laidOut, 1);
    ButtonRects b = engine.Buttons();
    // horizontal: close on the start unit, function and options on the end unit at 429
    ASSERT_TRUE(b[0]);
    EXPECT_EQ(b[0]->left, 2);
    EXPECT_EQ(b[0]->Width(), 5);
    EXPECT_FALSE(b[1]);
    EXPECT_FALSE(b[3]);
    ASSERT_TRUE(b[4]);
    EXPECT_EQ(b[4]->left, 429 + 2);
    EXPECT_EQ(b[5].value().top, 15);
    settings.showEndUnit = 0;
    engine.Relayout();
    EXPECT_EQ(host.laidOut, 2);
    b = engine.Buttons();
    EXPECT_FALSE(b[4]);
    EXPECT_FALSE(b[5]);
}

TEST_F(SkinEngineTest, BuiltInSkinsAndTheirStandardStyles) {
    settings.useBuiltInSkin = 1;
    settings.builtInSkinType = 1;
    SkinEngine engine(settings, ui, EmbeddedSkinSource(), host);
    EXPECT_FALSE(engine.skinReady());
    const StandardStyles styles = engine.ApplySkinForSettings();
    EXPECT_EQ(styles, (StandardStyles{1, 1, 5, 4, 2, 2, 2, 2, 1, 2, 2, 2, 2, 5, 5}));
    EXPECT_TRUE(engine.skinReady());
    EXPECT_EQ(engine.skin().skinName, "Default_MiniV");
    EXPECT_EQ(engine.imageWidth(), 360);
    // Vertical: start advance 14, four graph units of 25, clock 37, end 1; width 84.
    EXPECT_EQ(rec.sizes.back(), std::make_pair(84, 14 + 4 * 25 + 37 + 1));
    // A damaged type number gets the first skin instead of nothing.
    engine.BuildBuiltInSkin(7, SkinQuiet::Yes);
    EXPECT_EQ(engine.skin().skinName, "Default_MiniH");
    EXPECT_TRUE(engine.skinReady());
    // Key pixels of the artwork are transparent: the corners outside the units.
    EXPECT_EQ(engine.skinMask().At(359, 79), 0xFFFFFFu);
    EXPECT_EQ(engine.skinMask().At(20, 10), 0u);
}

} // namespace
} // namespace trumbel
