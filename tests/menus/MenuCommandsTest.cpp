#include "tests/menus/MenuFixture.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// Writes down every request as one line.
struct RecordingActions final : MenuActions {
    Strings log;
    bool busy = false;
    void ShowAbout() override { log.push_back("about"); }
    void RunConfiguredFunction() override { log.push_back("function"); }
    void ChooseFunction(FunctionList list, int index,
                        const std::vector<std::string>& names) override {
        log.push_back(std::string(list == FunctionList::All ? "all " : "favourite ") +
                      std::to_string(index) + " of " + std::to_string(names.size()));
    }
    void OpenFunctionFolder() override { log.push_back("function folder"); }
    void OpenOptions(std::optional<OptionsPageId> page) override {
        log.push_back("options " + std::to_string(page ? static_cast<int>(*page) : -1));
    }
    bool SettingsBusy() const override { return busy; }
    void LoadSkinFile() override { log.push_back("load skin file"); }
    void BuildBuiltInSkin(int number) override {
        log.push_back("built-in skin " + std::to_string(number));
    }
    void SwitchToOptionFile(const std::string& name) override {
        log.push_back("option file " + name);
    }
    void SwitchToProfile(const std::string& name) override { log.push_back("profile " + name); }
    void AdjustClock() override { log.push_back("clock"); }
    void ToggleTopMost() override { log.push_back("topmost"); }
    void SetDoubleSize(bool on) override { log.push_back(on ? "double on" : "double off"); }
    void Open(const std::string& target) override { log.push_back("open " + target); }
    void Explore(const std::string& folder) override { log.push_back("explore " + folder); }
    void MenuEnd() override { log.push_back("end"); }
};

class MenuCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = test::FreshTestFolder("commands");
        sources.appFolder = root.string() + "/";
        sources.settings = &settings;
        settings.skinFolder = (root / "Skin").string();
    }
    Strings Run(const std::string& name, int index = kSingleItem) {
        actions.log.clear();
        menu.Run({name, index}, actions);
        return actions.log;
    }

    fs::path root;
    Settings settings;
    test::FakeSources sources;
    RecordingUi ui;
    FormMenu menu{settings, sources, ui};
    RecordingActions actions;
};

TEST_F(MenuCommandsTest, FixedItemsAskForTheirAction) {
    struct Case {
        const char* item;
        const char* action;
    };
    const std::string app = sources.appFolder;
    for (const Case& c :
         {Case{"MnuAbout", "about"}, Case{"MnuFunctionCommand", "function"},
          Case{"MnuOpenFunctionDir", "function folder"}, Case{"MnuOpenOption6", "options 3"},
          Case{"MnuOpenOption4", "options 1"}, Case{"MnuOption", "options -1"},
          Case{"mnuAdjustTime", "clock"}, Case{"mnuShowTopMost", "topmost"},
          Case{"MnuSupport", "open https://velquor.example.org/support/"},
          Case{"MnuOnlineHelp", "open https://velquor.example.org/help/"}, Case{"MnuEnd", "end"}}) {
        EXPECT_EQ(Run(c.item), (Strings{c.action})) << c.item;
    }
    EXPECT_EQ(Run("MnuOpenAPPFolder"), (Strings{"explore " + app}));
    // Items without a command of their own.
    for (const char* inert : {"MnuSkinSearch", "MnuSeparator1", "MnuFunction", "nonsense"}) {
        EXPECT_TRUE(Run(inert).empty()) << inert;
    }
}

TEST_F(MenuCommandsTest, DoubleSizeAsksForTheOppositeOfItsCheck) {
    menu.SetShowBiggerChecked(false);
    EXPECT_EQ(Run("mnuShowBigger"), (Strings{"double on"}));
    menu.SetShowBiggerChecked(true);
    EXPECT_EQ(Run("mnuShowBigger"), (Strings{"double off"}));
}

TEST_F(MenuCommandsTest, ListEntriesCarryTheirIndexAndTheKeptNames) {
    test::Touch(root / "Function" / "one.sh");
    test::Touch(root / "Function" / "PickUp" / "one.sh");
    test::Touch(root / "Option" / "Work.ini");
    test::Touch(root / "setting_a.b.ini");
    test::Touch(root / "Skin" / "sub" / "inner.skn");
    settings.builtInFunctionFlags = {0, 0, 0, 1, 0};
    menu.SetMenu(-1);
    EXPECT_EQ(Run("MnuFunctionAllList", 6), (Strings{"all 6 of 1"}));
    EXPECT_EQ(Run("MnuFunctionPickUpList", 1), (Strings{"favourite 1 of 1"}));
    EXPECT_TRUE(Run("MnuFunctionAllList", 0).empty()) << "the placeholder does nothing";
    EXPECT_EQ(Run("MnuChangeOptionList", 1), (Strings{"option file Work"}));
    EXPECT_EQ(Run("MnuUserProfileList", 1), (Strings{"profile a.b"}));

    settings.useBuiltInSkin = 1;
    EXPECT_EQ(Run("MnuSkinUserSkinList", 1), (Strings{"load skin file"}));
    EXPECT_EQ(settings.skinFileName, "sub/inner.skn");
    EXPECT_EQ(settings.useBuiltInSkin, 0);

    // While the options dialog fills its controls a skin choice changes nothing.
    settings.skinFileName = "before.skn";
    actions.busy = true;
    EXPECT_TRUE(Run("MnuSkinUserSkinList", 1).empty());
    EXPECT_EQ(settings.skinFileName, "before.skn");
}

TEST_F(MenuCommandsTest, BuiltInSkinToggleAndType) {
    settings.useBuiltInSkin = 1;
    settings.builtInSkinType = 1;
    menu.SetMenu(-1);
    EXPECT_EQ(Run("MnuSkinUseDefault"), (Strings{"load skin file"}));
    EXPECT_EQ(settings.useBuiltInSkin, 0);
    EXPECT_FALSE(menu.Find("MnuSkinUseDefault")->checked);
    EXPECT_EQ(Run("MnuSkinUseDefault"), (Strings{"built-in skin 2"}));
    EXPECT_EQ(settings.useBuiltInSkin, 1);

    EXPECT_EQ(Run("MnuSkinDefaultSkinType", 0), (Strings{"built-in skin 1"}));
    EXPECT_EQ(settings.builtInSkinType, 0);
    EXPECT_TRUE(menu.Find("MnuSkinDefaultSkinType", 0)->checked);
    EXPECT_FALSE(menu.Find("MnuSkinDefaultSkinType", 1)->checked);

    // A file skin in use: the type is only remembered.
    settings.useBuiltInSkin = 0;
    EXPECT_TRUE(Run("MnuSkinDefaultSkinType", 1).empty());
    EXPECT_EQ(settings.builtInSkinType, 1);
    // Busy: the check and the setting change, no skin is built.
    actions.busy = true;
    EXPECT_TRUE(Run("MnuSkinUseDefault").empty());
    EXPECT_FALSE(menu.Find("MnuSkinUseDefault")->checked);
    EXPECT_EQ(settings.useBuiltInSkin, 0);
}

TEST_F(MenuCommandsTest, HelpOpensTheFirstPageFoundElseSaysWhereItLooked) {
    const fs::path data = root / "share";
    sources.dataFolder = data.string() + "/";
    EXPECT_TRUE(Run("MnuHelp").empty());
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].title, "エラー  - Velquor");
    EXPECT_EQ(ui.shown[0].text, "Velquorのヘルプファイル\r\n" + sources.appFolder +
                                    "Trumbel.html\r\nが見つかりませんでした");
    EXPECT_EQ(ui.shown[0].icon, MsgIcon::Information);

    menu.SetHelpEnabled(false);
    EXPECT_FALSE(menu.Find("MnuHelp")->enabled);
    test::Touch(data / "Trumbel.html");
    menu.SetHelpEnabled(false);
    EXPECT_TRUE(menu.Find("MnuHelp")->enabled) << "the installed copy counts";
    EXPECT_EQ(Run("MnuHelp"), (Strings{"open " + (data / "Trumbel.html").string()}));
    test::Touch(root / "Trumbel.html");
    EXPECT_EQ(Run("MnuHelp"), (Strings{"open " + sources.appFolder + "Trumbel.html"}));
    menu.PreferHelpPage("Trumbel-en.html");
    EXPECT_EQ(Run("MnuHelp"), (Strings{"open " + sources.appFolder + "Trumbel.html"}));
    test::Touch(data / "Trumbel-en.html");
    EXPECT_EQ(Run("MnuHelp"), (Strings{"open " + (data / "Trumbel-en.html").string()}));
}

TEST_F(MenuCommandsTest, SkinLinkOpensTheSkinsAddressOnlyWhileShown) {
    settings.useBuiltInSkin = 0;
    menu.SetSkinLink("Site", "https://site.example/");
    EXPECT_EQ(Run("MnuSkinURL"), (Strings{"open https://site.example/"}));
    menu.SetSkinLink("", "");
    EXPECT_TRUE(Run("MnuSkinURL").empty());
}

} // namespace
} // namespace trumbel
