#include "base/UiText.h"
#include "measure/ItemKinds.h"
#include "measure/SystemInfo.h"
#include "resources/qt/ProgramLook.h"
#include "settings/SettingsStore.h"
#include "skin/SkinEngine.h"
#include "tests/support/TestFolder.h"
#include "tools/pelmin/Addresses.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

// The skin box and the log's file line for a skin whose name holds "%2" and is missing.
std::string SkinFailure(const std::string& folder) {
    Settings settings;
    settings.skinFolder = folder + "/";
    settings.skinFileName = "%2.skn";
    RecordingUi ui;
    SkinEngine engine(settings, ui, EmbeddedSkinSource());
    std::string log;
    engine.LoadSkinFile(log, SkinQuiet::Yes);
    const std::string box = ui.shown.empty() ? "" : ui.shown[0].title + "|" + ui.shown[0].text;
    const std::size_t line = log.find("\r\n") + 2;
    return box + "|" + log.substr(line, log.find("\r\n", line) - line);
}

// Under English the texts the libraries compose or hand over read in English with every
// argument as given, and the device names scripts read stay as stored; without the translation
// each is exactly the Japanese it always was.
TEST(LanguageTexts, EnglishWhereShownJapaneseWhereStoredArgumentsIntact) {
    const std::string folder = test::FreshTestFolder("language").string();
    struct Case {
        const char* what;
        std::function<std::string()> text;
        std::string english;
        std::string japanese;
    };
    const Case cases[] = {
        {"caption", [] { return UiTr("ItemKinds", ItemKindCaption(8).data()); }, "Disk space",
         "ディスク容量情報"},
        {"stored device", [] { return NetworkDeviceCaption("eth0", kIfTypeEthernet, 2); },
         "[未接続] (LAN) eth0", "[未接続] (LAN) eth0"},
        {"shown device",
         [] { return ShownDeviceName(NetworkDeviceCaption("eth0", kIfTypeEthernet, 2)); },
         "[Not connected] (LAN) eth0", "[未接続] (LAN) eth0"},
        {"nameless device",
         [] { return ShownDeviceName("[名前の取得に失敗]ネットワークデバイス(3)"); },
         "[Name not available] Network device (3)", "[名前の取得に失敗]ネットワークデバイス(3)"},
        {"skin box", [&] { return SkinFailure(folder); },
         "Skin load error - Velquor|An error occurred\r\nSwitching to the default skin.|Skin "
         "file: " +
             folder + "/%2.skn",
         "Skin読み込みエラー - "
         "Velquor|エラー発生\r\nデフォルトスキンに切り換えます｡|対象ファイルは" +
             folder + "/%2.sknです。"},
        {"save box",
         [] {
             const auto box = SaveFailedBox("/x/%2.ini", {false, "e"});
             return box.title + "|" + box.text;
         },
         "Save error - Velquor|The settings file could not be saved.\r\n/x/%2.ini\r\ne\r\nThe "
         "previous settings file is left as it was.",
         "保存エラー - Velquor|設定ファイルを保存できませんでした｡\r\n/x/%2."
         "ini\r\ne\r\n以前の設定ファイルはそのまま残っています｡"},
        {"address tool",
         [] { return pelmin::FetchErrorText(pelmin::FetchStage::LoadUrl, 5, "x%1"); },
         "An error occurred while loading the URL\r\nError : 5 (x%1)\r\nWhere : PrintParam "
         "procedure",
         "IEオブジェクトURL読み込み時にエラー発生\r\nエラー名 : 5 (x%1)\r\nエラー発生個所 : "
         "PrintParamプロシージャ"},
    };
    setenv("TRUMBEL_LANG", "en", 1);
    InstallProgramLanguage(*QCoreApplication::instance());
    unsetenv("TRUMBEL_LANG");
    for (const Case& c : cases) {
        EXPECT_EQ(c.text(), c.english) << c.what;
    }
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    SetUiTranslator(nullptr);
    for (const Case& c : cases) {
        EXPECT_EQ(c.text(), c.japanese) << c.what;
    }
}

} // namespace
} // namespace trumbel
