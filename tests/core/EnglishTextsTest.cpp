#include "base/ErrorReport.h"
#include "base/UiText.h"
#include "clock/SntpClient.h"
#include "resources/qt/ProgramLook.h"
#include "tests/core/LiveStart.h"
#include "tests/support/TestFolder.h"
#include "tray/TrayTip.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

bool HasJapanese(const std::string& text) {
    for (const QChar c : QString::fromStdString(text)) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
            (u >= 0xFF00 && u <= 0xFFEF)) {
            return true;
        }
    }
    return false;
}

std::string SensorTip(int paramId, bool charging) {
    TraySourceHooks source;
    source.systemValue = [](int, int, int) { return 47.0; };
    source.sensorCaption = [](int, int) { return std::string("k10temp %2"); };
    source.sensorPresent = [](int, int) { return true; };
    source.charging = [charging](int, int) { return charging; };
    TrayItem item;
    item.paramId = paramId;
    return TrayTipText(item, source);
}

// The box the help item shows when the page it was enabled for has gone since the start.
std::string MissingHelpBox(const std::string& folder) {
    RecordingUi ui;
    std::ofstream(folder + "Trumbel.html") << "x";
    LiveProgram live(ui, folder, LiveRole::Window);
    test::StartGuarded(live);
    std::filesystem::remove(folder + "Trumbel.html");
    live.formMenu.Run({"MnuHelp", kSingleItem}, live.menuActions);
    live.program.EndApplication();
    return ui.shown.empty() ? std::string() : ui.shown.back().title + "|" + ui.shown.back().text;
}

// Texts composed from pieces away from Qt read in English once the program's language is, and
// what they were composed from (a name holding "%2", a number) comes through as it was; without
// the translation they are the Japanese they always were.
TEST(EnglishTexts, ComposedTextsFollowTheLanguageAndKeepTheirArguments) {
    const std::string folder = test::FreshTestFolder("a%2b").string() + "/";
    struct Case {
        std::function<std::string()> compose;
        std::string japanese;
        std::string kept; // in the English text too
    };
    const Case cases[] = {
        {[] { return SensorTip(7, false); }, "Velquor\r\n温度 k10temp %2: 47°C",
         "k10temp %2: 47°C"},
        {[] { return SensorTip(11, true); }, "Velquor\r\nバッテリー 47% 充電中", "47%"},
        {[] { return GapText(3725); }, "1時間2分5秒進んでいました", "5"},
        {[] {
             return ShownDateTime({2024, 1, 5, 9, 3, 7});
         },
         "2024年1月5日9時3分7秒", "2024"},
        {[] { return CheckReply(NtpPacket{}, 10, 0).reason; },
         "応答が短すぎます（10バイト、48バイト以上が必要）", "10"},
        {[] { return ErrorReportText(RuntimeError(ErrorNumber::SubscriptOutOfRange), "Tick%1"); },
         "エラー発生\r\nエラー名 : 9 (インデックスが有効範囲にありません。)\r\nエラー発生個所 : "
         "Tick%1プロシージャ",
         "Tick%1"},
        {[&] { return MissingHelpBox(folder); },
         "エラー  - Velquor|Velquorのヘルプファイル\r\n" + folder +
             "Trumbel.html\r\nが見つかりませんでした",
         folder + "Trumbel-en.html"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.compose(), c.japanese);
    }
    setenv("TRUMBEL_LANG", "en", 1);
    InstallProgramLanguage(*QCoreApplication::instance());
    for (const Case& c : cases) {
        const std::string english = c.compose();
        EXPECT_FALSE(HasJapanese(english)) << english;
        EXPECT_NE(english.find(c.kept), std::string::npos) << english;
    }
    unsetenv("TRUMBEL_LANG");
    SetUiTranslator(nullptr);
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace
} // namespace trumbel
