#include "base/UiText.h"
#include "clock/qt/ClockAdjustWindow.h"
#include "core/qt/LiveProgram.h"
#include "measure/SystemInfo.h"
#include "options/NetworkLimits.h"
#include "options/OptionsLists.h"
#include "options/SnapTitles.h"
#include "options/qt/ClockPage.h"
#include "options/qt/FunctionPage.h"
#include "options/qt/NetworkPage.h"
#include "options/qt/OptionsDialog.h"
#include "options/qt/PositionPage.h"
#include "options/qt/RemoteHostsPage.h"
#include "options/qt/TrayPage.h"
#include "options/qt/WindowPage.h"
#include "resources/qt/ProgramLook.h"
#include "tests/support/TestFolder.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace trumbel {
namespace {

// Never sets the machine's clock.
class StillClock final : public ClockSetter {
public:
    UtcTime Now() const override { return SystemUtcNow(); }
    void Step(std::int64_t, std::function<void(const SetOutcome&)> done) override {
        done(SetOutcome{false, "テスト"});
    }
};

struct LiveRig {
    std::filesystem::path folder = test::FreshTestFolder();
    RecordingUi ui;
    LiveProgram live{ui, folder.string() + "/", LiveRole::Window};
    OptionsDialog* dialog = nullptr;

    LiveRig() {
        // No adjustment at start: a test asks no time server.
        std::ofstream(live.settings.SettingsFilePath())
            << "[バージョン情報]\nVelquorVer=1320083\n[時計設定]\n起動時に時計を合わせる=0\n";
        live.clock.makeSetter = [] { return std::make_unique<StillClock>(); };
        live.program.FormLoad({});
    }
    ~LiveRig() { live.program.EndApplication(); }

    Settings& settings() { return live.program.settings; }
    template <typename P> P& Open(OptionsPageId id) {
        live.options.OpenOptions(id);
        dialog = live.options.Dialog();
        return *static_cast<P*>(dialog->Page(id));
    }
};

void SetChecked(QAbstractButton* b, bool on) {
    if (b->isChecked() != on) {
        b->click();
    }
}

// The window page and the auto-snap list reach the running strip at once: the z-order it
// applies and the polls that run. Offscreen no desktop pushes the keys, so the key rules are
// switched off first to let the visibility poll stop.
TEST(LivePages, WindowRulesAndAutoSnapReachTheStrip) {
    LiveRig rig;
    auto& window = rig.Open<WindowPage>(OptionsPageId::Window);
    auto& position = rig.Open<PositionPage>(OptionsPageId::Position);
    for (bool Settings::*keyRule :
         {&Settings::toggleButton, &Settings::hideByButton, &Settings::showByButton}) {
        SetChecked(window.ruleBox(keyRule), false);
    }
    ASSERT_TRUE(rig.settings().topmost);
    ASSERT_FALSE(rig.settings().hideOnMouseOver);
    ASSERT_TRUE(rig.settings().showOnMouseOver);

    struct Step {
        const char* name;
        std::function<void()> act;
        bool topmost;
        bool visibilityPoll;
        bool autoSnapPoll;
    };
    const Step steps[] = {
        {"topmost, no pointer rule", [] {}, true, false, false},
        {"normal display: shows on mouse over", [&] { window.displayButton(false)->click(); },
         false, true, false},
        {"no mouse-over rule",
         [&] { SetChecked(window.ruleBox(&Settings::showOnMouseOver), false); }, false, false,
         false},
        {"topmost again", [&] { window.displayButton(true)->click(); }, true, false, false},
        {"hide on mouse over",
         [&] { SetChecked(window.ruleBox(&Settings::hideOnMouseOver), true); }, true, true, false},
        {"auto-snap to the active window", [&] { position.autoSnapList()->setCurrentIndex(1); },
         true, true, true},
        {"auto-snap off", [&] { position.autoSnapList()->setCurrentIndex(0); }, true, true, false},
        // The menu flips the z-order while the dialog is open; the page shows it when shown.
        {"menu toggle",
         [&] {
             rig.live.behaviour.ToggleTopMost();
             rig.dialog->ShowPage(OptionsPageId::Window);
         },
         false, false, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        s.act();
        EXPECT_EQ(rig.settings().topmost, s.topmost);
        EXPECT_TRUE(window.displayButton(s.topmost)->isChecked());
        EXPECT_EQ(rig.live.behaviour.TopMostApplied(), s.topmost);
        EXPECT_EQ(rig.live.timers.IsEnabled(TimerId::VisibilityPoll), s.visibilityPoll);
        EXPECT_EQ(rig.live.timers.IsEnabled(TimerId::AutoSnapPoll), s.autoSnapPoll);
    }
}

// Choosing "今までに記録した最大値" puts the half's recorded peak into the measurement's scale
// at once; the page shows that peak.
TEST(LivePages, PeakModeWritesTheScaleAtOnce) {
    LiveRig rig;
    SystemInfo* info = rig.live.measure.Info();
    ASSERT_NE(info, nullptr);
    ASSERT_GE(info->GetNetWorkNum(), 1);
    ASSERT_GE(rig.settings().deviceLimits.size(), 1u);
    rig.settings().deviceLimits[0].receive.pastMax = 5000.0f;
    rig.settings().deviceLimits[0].send.pastMax = 7.0e6f;
    auto& page = rig.Open<NetworkPage>(OptionsPageId::Network);
    ASSERT_EQ(page.adapterList()->currentIndex(), 0);

    struct Case {
        LimitHalf half;
        int scale;
        int paramId;
        int showParamInfo;
        float peak;
    };
    for (const Case& c : {
             Case{LimitHalf::Receive, kGraphScale, kParamNetReceive, kShowMax, 5000.0f},
             Case{LimitHalf::Receive, kNumericScale, kParamNetReceive, kShowTotal, 5000.0f},
             Case{LimitHalf::Send, kGraphScale, kParamNetSend, kShowMax, 7.0e6f},
             Case{LimitHalf::Send, kNumericScale, kParamNetSend, kShowTotal, 7.0e6f},
         }) {
        SCOPED_TRACE(::testing::Message() << c.paramId << " scale " << c.scale);
        page.halfButton(c.half)->click();
        EXPECT_EQ(page.peakLabel()->text().toStdString(), PeakLabel(c.peak));
        page.modeList(c.scale)->setCurrentIndex(kScaleModeHistory);
        info->SetSystemValue(c.paramId, 0, c.showParamInfo, 0.0f);
        page.modeList(c.scale)->setCurrentIndex(kScaleModePeak);
        EXPECT_EQ(info->GetSystemValue(c.paramId, 0, c.showParamInfo), c.peak);
        const LimitPair& pair = HalfOf(rig.settings().deviceLimits[0], c.half);
        EXPECT_EQ(pair.maxMode[static_cast<std::size_t>(c.scale)], kScaleModePeak);
        EXPECT_FALSE(page.valueField(c.scale)->isEnabled());
    }

    // A fixed value: the field and its unit become usable and store bytes per second.
    page.halfButton(LimitHalf::Send)->click();
    page.modeList(kGraphScale)->setCurrentIndex(kScaleModeFixed);
    QLineEdit* value = page.valueField(kGraphScale);
    ASSERT_TRUE(value->isEnabled());
    value->clear();
    QTest::keyClicks(value, "1x0");
    page.unitList(kGraphScale)->setCurrentIndex(1);
    EXPECT_EQ(value->text(), QStringLiteral("10"));
    EXPECT_EQ(rig.settings().deviceLimits[0].send.maxValue[1], 10.0f * 1024 * 1024 / 8);
    EXPECT_EQ(rig.settings().deviceLimits[0].send.maxMode[1], kScaleModeFixed);
    // Another half shows its own values; coming back shows the stored one in its unit.
    page.halfButton(LimitHalf::Receive)->click();
    EXPECT_FALSE(page.valueField(kGraphScale)->isEnabled());
    page.halfButton(LimitHalf::Send)->click();
    EXPECT_EQ(value->text(), QStringLiteral("10"));
    EXPECT_EQ(page.unitList(kGraphScale)->currentIndex(), 1);

    // A disk after the adapters keeps its scales by name and in bytes per second.
    const int disk = page.adapterList()->findText(QStringLiteral("ディスク "), Qt::MatchStartsWith);
    ASSERT_GE(disk, 0);
    const std::string name = page.adapterList()->itemText(disk).mid(5).toStdString();
    rig.settings().diskLimits = {{name, {{0, 0}, {0.0f, 0.0f}, 3e6f}, {}}};
    page.adapterList()->setCurrentIndex(disk);
    page.halfButton(LimitHalf::Receive)->click();
    EXPECT_EQ(page.peakLabel()->text().toStdString(), "過去最高記録は 2.86MB/s");
    page.modeList(kGraphScale)->setCurrentIndex(kScaleModePeak);
    EXPECT_EQ(rig.settings().diskLimits.at(0).read.maxMode[1], kScaleModePeak);
    page.adapterList()->setCurrentIndex(0);

    // The timer's name refresh keeps the choices and writes nothing.
    const Settings before = rig.settings();
    page.Tick();
    EXPECT_EQ(rig.settings(), before);
    EXPECT_EQ(page.adapterList()->currentIndex(), 0);
    EXPECT_FALSE(rig.dialog->state().noEvents);
}

// "時計を合わせる" closes a clock window still open and starts a fresh adjustment.
TEST(LivePages, AdjustNowReplacesAnOpenClockWindow) {
    LiveRig rig;
    rig.settings().timeServer.clear(); // the outcome is at hand at once, nothing is sent
    auto& page = rig.Open<ClockPage>(OptionsPageId::Clock);
    rig.live.clock.LoadAdjustWindow();
    QPointer<ClockAdjustWindow> first = rig.live.clock.Window();
    ASSERT_FALSE(first.isNull());
    page.adjustButton()->click();
    EXPECT_TRUE(first.isNull());
    ASSERT_TRUE(rig.live.clock.IsOpen());
    EXPECT_NE(rig.live.clock.Window(), nullptr);
    // Without a window open the button opens one.
    rig.live.clock.UnloadAdjustWindow();
    page.adjustButton()->click();
    EXPECT_TRUE(rig.live.clock.IsOpen());
}

TEST(LivePages, PortFieldShowsThePortInUse) {
    LiveRig rig;
    auto& page = rig.Open<ClockPage>(OptionsPageId::Clock);
    EXPECT_EQ(page.portLabel()->text(), QStringLiteral("現在：123"));
    struct Case {
        const char* typed;
        std::int32_t port;
    };
    for (const Case& c : {Case{"80abc", 80}, Case{"0", 123}, Case{"8.6", 9}, Case{"", 123},
                          Case{"-5", 123}, Case{"1024", 1024}}) {
        SCOPED_TRACE(c.typed);
        page.portField()->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(rig.settings().timeServerPort, c.port);
        EXPECT_EQ(page.portLabel()->text(), QStringLiteral("現在：%1").arg(c.port));
    }
}

// The number fields of the position and network pages drop everything typed but digits and
// Backspace, and what stays is stored.
TEST(LivePages, NumberFieldsTakeOnlyDigits) {
    LiveRig rig;
    auto& position = rig.Open<PositionPage>(OptionsPageId::Position);
    auto& network = rig.Open<NetworkPage>(OptionsPageId::Network);
    position.modeButton(1)->click();
    SetChecked(position.exclusionBox(), true);
    network.modeList(kNumericScale)->setCurrentIndex(kScaleModeFixed);
    struct Case {
        const char* name;
        QLineEdit* field;
        std::function<double()> stored;
    };
    Settings& s = rig.settings();
    for (const Case& c : {
             Case{"start X", position.startXField(), [&] { return double(s.startX); }},
             Case{"start Y", position.startYField(), [&] { return double(s.startY); }},
             Case{"offset X", position.offsetXField(), [&] { return double(s.snapOffsetX); }},
             Case{"offset Y", position.offsetYField(), [&] { return double(s.snapOffsetY); }},
             Case{"width", position.exclusionWidthField(),
                  [&] { return double(s.snapExclusionWidth); }},
             Case{"height", position.exclusionHeightField(),
                  [&] { return double(s.snapExclusionHeight); }},
             Case{"value", network.valueField(kNumericScale),
                  [&] { return double(s.deviceLimits.at(0).receive.maxValue[0]) * 8 / 1024; }},
         }) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.field->isEnabled());
        c.field->clear();
        QTest::keyClicks(c.field, "1a-2.b 3");
        EXPECT_EQ(c.field->text(), QStringLiteral("123"));
        QTest::keyClick(c.field, Qt::Key_Backspace);
        EXPECT_EQ(c.field->text(), QStringLiteral("12"));
        EXPECT_DOUBLE_EQ(c.stored(), 12.0);
    }
}

// A bare typing key would be taken from every program: such a combination is refused with a
// box, and the key in force and the controls stay.
TEST(LivePages, HotKeyWithoutModifierIsRefusedForTypingKeys) {
    LiveRig rig;
    auto& page = rig.Open<FunctionButtonPage>(OptionsPageId::Function);
    const Settings& s = rig.settings();
    const int keyA = *HotKeyListIndex(0x41);
    struct Step {
        const char* name;
        std::function<void()> act;
        bool refused;
        std::array<int, 3> stored; // shift, ctrl, key code
    };
    const Step steps[] = {
        {"bare F8", [&] { page.ctrlBox()->click(); }, false, {0, 0, 0x77}},
        {"bare A", [&] { page.keyList()->setCurrentIndex(keyA); }, true, {0, 0, 0x77}},
        {"Shift+F8", [&] { page.shiftBox()->click(); }, false, {1, 0, 0x77}},
        {"Shift+A", [&] { page.keyList()->setCurrentIndex(keyA); }, false, {1, 0, 0x41}},
        {"Shift off", [&] { page.shiftBox()->click(); }, true, {1, 0, 0x41}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        rig.ui.shown.clear();
        step.act();
        EXPECT_EQ(rig.ui.shown.size(), step.refused ? 1u : 0u);
        EXPECT_EQ((std::array<int, 3>{s.hotKeyShift, s.hotKeyCtrl, s.hotKeyCode}), step.stored);
        EXPECT_EQ(page.shiftBox()->isChecked(), s.hotKeyShift != 0);
        EXPECT_EQ(page.keyList()->currentIndex(), HotKeyListIndex(s.hotKeyCode).value());
    }
}

// The title box itself: a title the list cannot keep leaves it open with the reason; a good
// one then closes it and joins the list.
TEST(LivePages, TitleBoxSaysWhyATitleIsRefused) {
    LiveRig rig;
    auto& page = rig.Open<PositionPage>(OptionsPageId::Position);
    QStringList labels; // the box's text after each try, "" once it closed
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        for (const char* typed : {"a|b", "a\nb", "ab"}) {
            box->setTextValue(QString::fromUtf8(typed));
            box->accept();
            labels << (box->isVisible() ? box->labelText().section('\n', 1) : QString());
        }
    });
    page.addButton()->click();
    EXPECT_EQ(labels,
              (QStringList{"タイトルに「|」は使えません（設定ファイルで区切りに使われます）。",
                           "タイトルに改行は使えません。", ""}));
    EXPECT_EQ(rig.settings().snapTitles, (std::vector<std::string>{"Dammy", "ab"}));
}

// The title list edits snapTitles; the buttons that need a title work only while one is chosen.
TEST(LivePages, TitleListEditsTheSnapTitles) {
    LiveRig rig;
    auto& page = rig.Open<PositionPage>(OptionsPageId::Position);
    std::deque<std::optional<QString>> answers;
    page.askTitle = [&answers](QWidget*, const QString&) {
        std::optional<QString> a = answers.front();
        answers.pop_front();
        return a;
    };
    auto buttonsOn = [&page] {
        return std::vector<bool>{page.editButton()->isEnabled(), page.removeButton()->isEnabled(),
                                 page.upButton()->isEnabled(), page.downButton()->isEnabled()};
    };
    const std::vector<bool> on(4, true);
    const std::vector<bool> off(4, false);
    EXPECT_EQ(buttonsOn(), off);
    EXPECT_TRUE(page.addButton()->isEnabled());

    using Titles = std::vector<std::string>;
    struct Step {
        const char* name;
        std::optional<QString> answer;
        std::function<void()> act;
        Titles titles;
        int selected;
    };
    const Step steps[] = {
        {"add",
         QStringLiteral("Firefox"),
         [&] { page.addButton()->click(); },
         {"Dammy", "Firefox"},
         0},
        {"add cancelled",
         std::nullopt,
         [&] { page.addButton()->click(); },
         {"Dammy", "Firefox"},
         0},
        {"add another",
         QStringLiteral("端末"),
         [&] { page.addButton()->click(); },
         {"Dammy", "Firefox", "端末"},
         1},
        {"up", std::nullopt, [&] { page.upButton()->click(); }, {"Dammy", "端末", "Firefox"}, 0},
        {"edit",
         QStringLiteral("Terminal"),
         [&] { page.editButton()->click(); },
         {"Dammy", "Terminal", "Firefox"},
         0},
        {"down",
         std::nullopt,
         [&] { page.downButton()->click(); },
         {"Dammy", "Firefox", "Terminal"},
         1},
        {"remove", std::nullopt, [&] { page.removeButton()->click(); }, {"Dammy", "Firefox"}, 0},
        {"remove the last", std::nullopt, [&] { page.removeButton()->click(); }, {"Dammy"}, -1},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        if (s.answer || std::string(s.name).starts_with("add") ||
            std::string(s.name).starts_with("edit")) {
            answers.push_back(s.answer);
        }
        s.act();
        EXPECT_TRUE(answers.empty());
        EXPECT_EQ(rig.settings().snapTitles, s.titles);
        EXPECT_EQ(page.titleList()->currentRow(), s.selected);
        EXPECT_EQ(buttonsOn(), s.selected >= 0 ? on : off);
    }
    // Nothing chosen: the page comes on show with the buttons off.
    AddSnapTitle(rig.settings().snapTitles, "x");
    rig.dialog->Refill();
    rig.dialog->ShowPage(OptionsPageId::Position);
    EXPECT_EQ(buttonsOn(), off);
}

// Closing without applying puts the record back, and the strip with it: its z-order and its
// polls. A page reset refills the page's controls from the reset record.
TEST(LivePages, CancelAndResetBringTheStripAndTheControlsBack) {
    LiveRig rig;
    auto& window = rig.Open<WindowPage>(OptionsPageId::Window);
    auto& position = rig.Open<PositionPage>(OptionsPageId::Position);
    const Settings before = rig.settings();
    const bool visibilityPoll = rig.live.timers.IsEnabled(TimerId::VisibilityPoll);
    ASSERT_TRUE(rig.live.behaviour.TopMostApplied());
    window.displayButton(false)->click();
    position.autoSnapList()->setCurrentIndex(2);
    ASSERT_FALSE(rig.live.behaviour.TopMostApplied());
    ASSERT_TRUE(rig.live.timers.IsEnabled(TimerId::AutoSnapPoll));
    rig.dialog->Cancel();
    // The page last shown is part of the record the dialog restores.
    Settings restored = rig.settings();
    restored.lastOptionsPage = before.lastOptionsPage;
    EXPECT_EQ(restored, before);
    EXPECT_TRUE(rig.live.behaviour.TopMostApplied());
    EXPECT_FALSE(rig.live.timers.IsEnabled(TimerId::AutoSnapPoll));
    EXPECT_EQ(rig.live.timers.IsEnabled(TimerId::VisibilityPoll), visibilityPoll);

    auto& clock = rig.Open<ClockPage>(OptionsPageId::Clock);
    clock.portField()->setText(QStringLiteral("8123"));
    clock.everyBox()->click();
    window.displayButton(false)->click();
    rig.dialog->ResetPage();
    EXPECT_EQ(rig.settings().timeServerPort, 123);
    EXPECT_EQ(clock.portField()->text(), QStringLiteral("123"));
    EXPECT_EQ(clock.portLabel()->text(), QStringLiteral("現在：123"));
    EXPECT_FALSE(clock.everyBox()->isChecked());
    EXPECT_FALSE(clock.everyHoursField()->isEnabled());
    // The window page's group is left as it was.
    EXPECT_FALSE(rig.settings().topmost);
    EXPECT_TRUE(window.displayButton(false)->isChecked());
    rig.dialog->Cancel();
}

// Each control writes its own field and no other.
TEST(LivePages, EachControlWritesOnlyItsField) {
    LiveRig rig;
    auto& clock = rig.Open<ClockPage>(OptionsPageId::Clock);
    auto& position = rig.Open<PositionPage>(OptionsPageId::Position);
    auto& window = rig.Open<WindowPage>(OptionsPageId::Window);
    auto& network = rig.Open<NetworkPage>(OptionsPageId::Network);
    const WindowPosition here = rig.live.optionsHost.CurrentWindowPosition();

    struct Case {
        const char* name;
        std::function<void()> act;
        std::function<void(Settings&)> expect;
    };
    std::vector<Case> cases{
        {"server", [&] { clock.serverList()->setCurrentIndex(3); },
         [](Settings& s) { s.timeServer = "NTP Pool Asia (asia.pool.ntp.org)"; }},
        {"server typed", [&] { clock.serverList()->setEditText(QStringLiteral("10.0.0.1")); },
         [](Settings& s) { s.timeServer = "10.0.0.1"; }},
        {"at start", [&] { clock.atStartBox()->click(); },
         [](Settings& s) { s.adjustClockAtStart = 1; }},
        {"every", [&] { clock.everyBox()->click(); }, [](Settings& s) { s.adjustEveryHours = 1; }},
        {"every hours", [&] { clock.everyHoursField()->setValue(6); },
         [](Settings& s) { s.adjustEveryHours = 6; }},
        {"every off", [&] { clock.everyBox()->click(); },
         [](Settings& s) { s.adjustEveryHours = 0; }},
        {"offset on", [&] { clock.offsetBox()->click(); },
         [](Settings& s) { s.adjustWithOffset = 0; }},
        {"behind", [&] { clock.directionButton(2)->click(); },
         [](Settings& s) { s.adjustWithOffset = 2; }},
        {"offset off", [&] { clock.offsetBox()->click(); },
         [](Settings& s) { s.adjustWithOffset = -2; }},
        {"days", [&] { clock.offsetField(0)->setValue(3); },
         [](Settings& s) { s.clockOffset[0] = 3; }},
        {"seconds", [&] { clock.offsetField(3)->setValue(59); },
         [](Settings& s) { s.clockOffset[3] = 59; }},
        {"fixed start", [&] { position.modeButton(1)->click(); },
         [](Settings& s) { s.startPositionMode = 1; }},
        {"take position", [&] { position.takePositionButton()->click(); },
         [here](Settings& s) {
             s.startX = here.x;
             s.startY = here.y;
         }},
        {"anchor 1", [&] { position.anchorList(1)->setCurrentIndex(3); },
         [](Settings& s) { s.snapAnchor1 = 3; }},
        {"anchor 2", [&] { position.anchorList(2)->setCurrentIndex(2); },
         [](Settings& s) { s.snapAnchor2 = 2; }},
        {"exclusion off", [&] { position.exclusionBox()->click(); },
         [](Settings& s) { s.snapExclusionMode = 0; }},
        {"start at exit", [&] { position.modeButton(0)->click(); },
         [](Settings& s) { s.startPositionMode = 0; }},
        {"fixed skin device", [&] { network.fixedSkinList()->setCurrentIndex(0); },
         [](Settings& s) { s.fixedSkinDevice = 0; }},
    };
    for (bool Settings::*rule :
         {&Settings::toggleButton, &Settings::showOnMouseOver, &Settings::showNeedsShift,
          &Settings::showByButton, &Settings::backWhenMouseAway, &Settings::hideOnMouseOver,
          &Settings::shiftKeepsVisible, &Settings::hideByButton, &Settings::normallyHidden,
          &Settings::hideWhenNotSnapped}) {
        cases.push_back({"window rule", [&window, rule] { window.ruleBox(rule)->click(); },
                         [rule](Settings& s) { s.*rule = !(s.*rule); }});
    }
    rig.settings().fixedSkinDevice = 5;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Settings expected = rig.settings();
        c.expect(expected);
        c.act();
        EXPECT_EQ(rig.settings(), expected);
    }
}

// A node exporter on the loopback that answers every request with the recorded reply, its
// interface eth0 renamed to `eth0`.
struct LoopbackExporter {
    QTcpServer server;
    std::string body;
    explicit LoopbackExporter(const std::string& eth0 = "eth0") {
        std::ifstream file(TRUMBEL_TEST_DATA "/remote/node-reply.prom");
        body.assign(std::istreambuf_iterator<char>(file), {});
        for (std::size_t at = 0; (at = body.find("\"eth0\"", at)) != std::string::npos;) {
            body.replace(++at, 4, eth0);
        }
        EXPECT_TRUE(server.listen(QHostAddress::LocalHost));
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] {
                socket->readAll();
                socket->write(("HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                               "\r\n\r\n" + body)
                                  .c_str());
            });
        });
    }
};

// Adds a host whose address is typed key by key and starts its connection test.
void TestNewHost(RemoteHostsPage& page, const LoopbackExporter& exporter) {
    page.addButton()->click();
    QLineEdit* address = page.field(RemoteHostsPage::Address);
    address->selectAll();
    QTest::keyClicks(
        address, QStringLiteral("http://127.0.0.1:%1/metrics").arg(exporter.server.serverPort()));
    page.testButton()->click();
}

// A host typed in key by key is tested in the background: the page says it is connecting at
// once and shows what a node exporter answered, or why a host that refuses could not be read.
TEST(LivePages, ConnectionTestShowsWhatTheHostAnswered) {
    LiveRig rig;
    LoopbackExporter exporter;
    auto& page = rig.Open<RemoteHostsPage>(OptionsPageId::RemoteHosts);
    TestNewHost(page, exporter);
    ASSERT_EQ(rig.settings().remoteHosts.size(), 1u);
    EXPECT_EQ(page.testResult()->text(), QStringLiteral("接続しています…"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return page.testResult()->text().startsWith("成功"); }, 5000))
        << page.testResult()->text().toStdString();
    EXPECT_EQ(page.testResult()->text().toStdString(),
              "成功: CPU 2 個\nインターフェース: lo, eth0\nマウント: /, /boot/efi, /tmp");

    exporter.server.close();
    page.testButton()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return page.testResult()->text().startsWith("失敗"); }, 5000))
        << page.testResult()->text().toStdString();
}

// The program's English, installed as an English desktop gets it, for one test.
struct EnglishProgram {
    EnglishProgram() {
        setenv("TRUMBEL_LANG", "en", 1);
        InstallProgramLanguage(*QCoreApplication::instance());
        unsetenv("TRUMBEL_LANG");
    }
    ~EnglishProgram() {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        SetUiTranslator(nullptr);
    }
};

// Under English the shared lists and the texts composed around a figure read in English, and a
// host's answer reaches the page as it came: its processor count, and an interface named "%2".
TEST(LivePages, InEnglishListsAndAnswersKeepTheirFiguresAndNames) {
    const EnglishProgram english;
    LiveRig rig;
    LoopbackExporter exporter("%2");
    auto& tray = rig.Open<TrayPage>(OptionsPageId::Tray);
    auto& function = rig.Open<FunctionButtonPage>(OptionsPageId::Function);
    auto& network = rig.Open<NetworkPage>(OptionsPageId::Network);
    auto& hosts = rig.Open<RemoteHostsPage>(OptionsPageId::RemoteHosts);
    TestNewHost(hosts, exporter);
    const QString connecting = hosts.testResult()->text();
    ASSERT_TRUE(QTest::qWaitFor([&] { return hosts.testResult()->text() != connecting; }, 5000));
    const QString answer = hosts.testResult()->text();

    const std::pair<QString, const char*> texts[] = {
        {tray.clickList(0)->itemText(16), "Show the program folder"},
        {function.keyList()->itemText(HotKeyListIndex(0x5B).value_or(0)), "Left Windows"},
        {network.peakLabel()->text(), "Highest so far: 0Kbps"},
        {connecting, "Connecting…"},
    };
    for (const auto& [shown, english] : texts) {
        EXPECT_EQ(shown.toStdString(), english);
    }
    EXPECT_TRUE(answer.contains(QRegularExpression(QStringLiteral("[^%]2\\b"))) &&
                answer.contains(QStringLiteral("lo, %2\n")))
        << answer.toStdString();
}

// Every control of the four pages explains itself through the popup help.
TEST(LivePages, EveryControlHasPopupHelp) {
    LiveRig rig;
    rig.Open<ClockPage>(OptionsPageId::Clock);
    for (OptionsPageId id : {OptionsPageId::Clock, OptionsPageId::Position, OptionsPageId::Window,
                             OptionsPageId::Network, OptionsPageId::RemoteHosts}) {
        QWidget* page = rig.dialog->Page(id);
        int controls = 0;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            const bool inner = qobject_cast<QComboBox*>(w->parentWidget()) ||
                               qobject_cast<QAbstractSpinBox*>(w->parentWidget());
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                 qobject_cast<QLineEdit*>(w) ||
                                 qobject_cast<QAbstractSpinBox*>(w) ||
                                 qobject_cast<QListWidget*>(w);
            if (control && !inner) {
                ++controls;
                EXPECT_FALSE(w->whatsThis().isEmpty())
                    << static_cast<int>(id) << " " << w->metaObject()->className() << " "
                    << w->accessibleName().toStdString();
            }
        }
        EXPECT_GT(controls, 5) << static_cast<int>(id);
    }

    // A right click offers "ヘルプ(&W)", which shows the control's explanation.
    auto& clock = *static_cast<ClockPage*>(rig.dialog->Page(OptionsPageId::Clock));
    QString shown;
    rig.dialog->popupHelp().exec = [](QMenu& menu, const QPoint&) {
        EXPECT_EQ(menu.title(), QStringLiteral("ポップアップヘルプ"));
        return menu.actions().value(0);
    };
    rig.dialog->popupHelp().show = [&shown](const QPoint&, const QString& text, QWidget*) {
        shown = text;
    };
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(clock.portField(), &event);
    EXPECT_EQ(shown, clock.portField()->whatsThis());
}

} // namespace
} // namespace trumbel
