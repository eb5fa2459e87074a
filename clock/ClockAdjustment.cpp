#include "clock/ClockAdjustment.h"

#include "base/AppInfo.h"
#include "base/UiText.h"
#include "settings/TimeServerPort.h"

#include <cinttypes>
#include <cstdio>
#include <ctime>

namespace trumbel {

namespace {

constexpr const char* kLineBreak = "\r\n";

const char* IconWord(StatusIcon icon) {
    switch (icon) {
    case StatusIcon::Working:
        return "working";
    case StatusIcon::Adjusted:
        return "adjusted";
    case StatusIcon::Failed:
        return "failed";
    case StatusIcon::NotPossible:
        return "not possible";
    }
    return "?";
}

std::string Seconds(std::int64_t micros) {
    char text[48];
    std::snprintf(text, sizeof text, "%+.6f s", static_cast<double>(micros) / 1e6);
    return text;
}

} // namespace

std::string TimeInfoCaption() {
    return BoxTitle(UiTr("Clock", "時計の調節"));
}

CivilTime LocalCivil(UtcTime t) {
    const std::time_t seconds = static_cast<std::time_t>(t.micros / kMicrosPerSecond);
    std::tm local{};
    ::localtime_r(&seconds, &local);
    CivilTime c;
    c.year = local.tm_year + 1900;
    c.month = local.tm_mon + 1;
    c.day = local.tm_mday;
    c.hour = local.tm_hour;
    c.minute = local.tm_min;
    c.second = local.tm_sec;
    return c;
}

std::string OneLine(const std::string& text) {
    std::string line;
    bool inBreak = false;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            inBreak = true;
            continue;
        }
        if (inBreak && !line.empty()) {
            line += " / ";
        }
        inBreak = false;
        line += c;
    }
    return line;
}

ClockAdjustment::ClockAdjustment(AdjustContext context, TimeInfoView& view, ClockNotices& notices,
                                 SntpService& sntp, ClockSetter& setter,
                                 std::function<void(const std::string&)> log)
    : context_(context), view_(view), notices_(notices), sntp_(sntp), setter_(setter),
      log_(std::move(log)), shown_(context_.noBalloon || !notices_.CanShow()) {}

ClockAdjustment::~ClockAdjustment() {
    switch (stage_) {
    case Stage::Asking:
        Log("abandoned: the window was closed before the time server answered");
        break;
    case Stage::Setting:
        Log("abandoned: the window was closed before the clock was set; a set already asked "
            "for may still be carried out");
        break;
    case Stage::Idle:
    case Stage::Done:
        break;
    }
}

void ClockAdjustment::Start() {
    const Settings& s = context_.settings;
    const ConnectedState connected = context_.connected ? context_.connected() : ConnectedState{};
    if ((connected.flags & kConnectionOffline) != 0) {
        Fail(StatusIcon::NotPossible, UiTr("Clock", clock_text::kOffline), 3);
        return;
    }
    if (s.timeServer.empty()) {
        Fail(StatusIcon::NotPossible, UiTr("Clock", clock_text::kNoServer), 3);
        return;
    }
    Report(StatusIcon::Working,
           UiTr("Clock", clock_text::kWorking) + kLineBreak + kLineBreak + s.timeServer, 1);
    stage_ = Stage::Asking;
    sntp_.Query(ServerHost(s.timeServer), TimeServerPortOrStandard(s.timeServerPort), kLocalNtpPort,
                [this](const SntpReply& reply) { OnReply(reply); });
}

void ClockAdjustment::OnReply(const SntpReply& reply) {
    if (!reply.ok) {
        Fail(StatusIcon::Failed, reply.state, 2);
        return;
    }
    const Settings& s = context_.settings;
    const UtcTime target =
        ApplyOffset(reply.serverTime, OffsetDirectionOf(s.adjustWithOffset), s.clockOffset);
    // The gap as it stood when the reply arrived, before the clock moves.
    const std::string gap = MakeGapTimeStr(target, reply.localReceive);
    const std::int64_t correction = target.micros - reply.localReceive.micros;
    Log("server offset " + Seconds(reply.offsetMicros) + ", round trip " +
        Seconds(reply.delayMicros) + ", stratum " + std::to_string(reply.stratum) +
        "; stepping the clock by " + Seconds(correction));
    stage_ = Stage::Setting;
    setter_.Step(correction, [this, gap](const SetOutcome& outcome) { OnSet(outcome, gap); });
}

void ClockAdjustment::OnSet(const SetOutcome& outcome, const std::string& gap) {
    if (!outcome.ok) {
        Fail(StatusIcon::Failed, outcome.reason, 2);
        return;
    }
    stage_ = Stage::Done;
    Report(StatusIcon::Adjusted,
           ShownDateTime(LocalCivil(setter_.Now())) + kLineBreak +
               UiTr("Clock", clock_text::kAdjusted) + kLineBreak + gap,
           1);
    view_.CloseAfter(kCloseAfterAdjustedMs);
}

void ClockAdjustment::Fail(StatusIcon icon, const std::string& reason, int balloonIcon) {
    stage_ = Stage::Done;
    Report(icon, UiTr("Clock", clock_text::kCannot) + kLineBreak + kLineBreak + reason,
           balloonIcon);
    view_.CloseAfter(kCloseAfterFailureMs);
}

void ClockAdjustment::Report(StatusIcon icon, const std::string& text, int balloonIcon) {
    view_.ShowStatus(icon, text);
    if (!shown_) {
        notices_.HideBalloon(ReleaseNotice::No);
        notices_.ShowBalloon(text, balloonIcon, TimeInfoCaption());
    }
    Log(std::string(IconWord(icon)) + ": " + OneLine(text));
}

void ClockAdjustment::Log(const std::string& line) const {
    if (log_) {
        log_("clock adjustment " + line);
    }
}

} // namespace trumbel
