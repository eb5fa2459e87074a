#pragma once

#include "base/Ui.h"
#include "base/UiLanguage.h"
#include "clock/DateValue.h"
#include "clock/SntpClient.h"
#include "platform/Connectivity.h"
#include "settings/Settings.h"

#include <cstdint>
#include <functional>
#include <string>

namespace trumbel {

// Status icons of the clock-adjust window.
enum class StatusIcon : int { Working = 10, Adjusted = 11, Failed = 12, NotPossible = 13 };

inline constexpr int kCloseAfterAdjustedMs = 5000;
inline constexpr int kCloseAfterFailureMs = 10000;
inline constexpr int kLocalNtpPort = 1024;

namespace clock_text {
inline constexpr const char* kWorking = QT_TRANSLATE_NOOP("Clock", "以下のサーバーへ時間を取得中");
inline constexpr const char* kCannot =
    QT_TRANSLATE_NOOP("Clock", "以下の理由で時間を合わせることができませんでした。");
inline constexpr const char* kOffline =
    QT_TRANSLATE_NOOP("Clock", "インターネットに接続されていません");
inline constexpr const char* kNoServer =
    QT_TRANSLATE_NOOP("Clock", "サーバー名が記入されていません");
inline constexpr const char* kAdjusted = QT_TRANSLATE_NOOP("Clock", "に調節しました。");
inline constexpr const char* kNoPrivilege =
    QT_TRANSLATE_NOOP("Clock", "時刻を設定する権限がありません");
inline constexpr const char* kAutomaticSync =
    QT_TRANSLATE_NOOP("Clock", "自動時刻同期が有効なため設定できません");
} // namespace clock_text

// "時計の調節 - Velquor"
std::string TimeInfoCaption();

// What the adjustment asks of its window.
class TimeInfoView {
public:
    virtual ~TimeInfoView() = default;
    virtual void ShowStatus(StatusIcon icon, const std::string& text) = 0;
    // Allows closing again and closes the window after ms.
    virtual void CloseAfter(int ms) = 0;
};

// Balloons in the notification area.
class ClockNotices {
public:
    virtual ~ClockNotices() = default;
    // icon: 1 information, 2 warning, 3 error.
    virtual void ShowBalloon(const std::string& text, int icon, const std::string& title) = 0;
    virtual void HideBalloon(ReleaseNotice release) = 0;
    // Whether anything is there to show a balloon (a tray; a notification server through it).
    virtual bool CanShow() const { return true; }
};

// Asks a time server; the answer comes back later, on the thread that asked.
class SntpService {
public:
    virtual ~SntpService() = default;
    virtual void Query(const std::string& host, int port, int localPort,
                       std::function<void(const SntpReply&)> done) = 0;
};

struct SetOutcome {
    bool ok = false;
    std::string reason; // the user's words, when it failed
};

// The machine's clock: read it, and step it. Setting may need an authorisation the user is
// asked for, so the outcome may come back later.
class ClockSetter {
public:
    virtual ~ClockSetter() = default;
    virtual UtcTime Now() const = 0;
    virtual void Step(std::int64_t correctionMicros,
                      std::function<void(const SetOutcome&)> done) = 0;
};

// Where the adjustment reads what it needs: the program's records, read live.
struct AdjustContext {
    const Settings& settings;
    // The connection state as it is now: a cable plugged in after start counts.
    std::function<ConnectedState()> connected;
    const bool& noBalloon;
};

// One adjustment from start to result: the part of the clock-adjust window that decides what
// it shows, when it closes and whether the clock is touched.
class ClockAdjustment {
public:
    ClockAdjustment(AdjustContext context, TimeInfoView& view, ClockNotices& notices,
                    SntpService& sntp, ClockSetter& setter,
                    std::function<void(const std::string&)> log);
    // An adjustment taken down before its outcome says so on the log.
    ~ClockAdjustment();

    // Offline or no server: reports at once. Otherwise shows "working" and asks the server.
    void Start();
    // The window itself shows the outcome where balloons are switched off or nothing could
    // show them; decided as the adjustment is made.
    bool Shown() const { return shown_; }

private:
    void OnReply(const SntpReply& reply);
    void OnSet(const SetOutcome& outcome, const std::string& gap);
    void Report(StatusIcon icon, const std::string& text, int balloonIcon);
    void Fail(StatusIcon icon, const std::string& reason, int balloonIcon);
    void Log(const std::string& line) const;

    AdjustContext context_;
    TimeInfoView& view_;
    ClockNotices& notices_;
    SntpService& sntp_;
    ClockSetter& setter_;
    std::function<void(const std::string&)> log_;
    bool shown_;
    enum class Stage { Idle, Asking, Setting, Done } stage_ = Stage::Idle;
};

// The local (time-zone) calendar time of a moment.
CivilTime LocalCivil(UtcTime t);

// A text's lines on one line, for the log.
std::string OneLine(const std::string& text);

} // namespace trumbel
