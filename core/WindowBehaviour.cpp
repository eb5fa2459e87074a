#include "core/WindowBehaviour.h"

#include "core/AutoSnap.h"
#include "core/Program.h"

#include <algorithm>
#include <cstdlib>

namespace trumbel {

namespace {

constexpr int kNearMargin = 20;

bool Within(int a, int b, int strength) {
    // 64-bit so that far-off positions never overflow the distance.
    return std::llabs(static_cast<long long>(a) - b) <= strength;
}

} // namespace

bool HitButton(const ButtonRects& buttons, int button, Point point, WindowScale scale) {
    if (button < 0 || button >= kSkinButtonCount) {
        return false;
    }
    const std::optional<Rect>& b = buttons[static_cast<std::size_t>(button)];
    if (!b) {
        return false;
    }
    int x = point.x;
    int y = point.y;
    if (scale == WindowScale::Double) {
        x /= 2;
        y /= 2;
    }
    return x >= b->left && x <= b->right && y >= b->top && y <= b->bottom;
}

Rect DragFrame(const Rect& startFrame, Point startCursor, Point cursor, const SnapRules& rules) {
    int x = startFrame.left + (cursor.x - startCursor.x);
    int y = startFrame.top + (cursor.y - startCursor.y);
    const int w = startFrame.Width();
    const int h = startFrame.Height();
    const int s = rules.strength;
    if (rules.toScreenEdges) {
        if (Within(x + w, rules.screen.right, s)) {
            x = rules.screen.right - w;
        } else if (Within(x, rules.screen.left, s)) {
            x = rules.screen.left;
        }
        if (Within(y + h, rules.screen.bottom, s)) {
            y = rules.screen.bottom - h;
        } else if (Within(y, rules.screen.top, s)) {
            y = rules.screen.top;
        }
    }
    if (rules.toTaskbar && rules.taskbar) {
        const int line = rules.taskbar->line;
        switch (rules.taskbar->edge) {
        case TaskbarEdge::Left:
            if (Within(x, line, s))
                x = line;
            break;
        case TaskbarEdge::Top:
            if (Within(y, line, s))
                y = line;
            break;
        case TaskbarEdge::Right:
            if (Within(x + w, line, s))
                x = line - w;
            break;
        case TaskbarEdge::Bottom:
            if (Within(y + h, line, s))
                y = line - h;
            break;
        }
    }
    return startFrame.MovedTo(x, y);
}

VisibilityDecision DecideVisibility(const Settings& settings, const VisibilityState& state,
                                    const VisibilityInputs& in) {
    VisibilityDecision d;
    d.state = state;
    VisibilityState& s = d.state;
    const bool topmost = settings.topmost;
    const bool pausePressed = in.keys.pause && !state.pauseHeld;
    s.pauseHeld = in.keys.pause;

    if (in.keys.ctrl && in.keys.shift) {
        if (!topmost) {
            if (settings.showByButton) {
                d.topMost = TopMostRequest::On;
                s.formHideMode = false;
            }
        } else if (settings.hideByButton && !in.aboutBoxOpen) {
            s.formHideMode = true;
        }
    } else {
        if (!topmost) {
            d.topMost = TopMostRequest::Off;
        }
        // Only the moment Pause goes down toggles: a held key must not flip it every poll.
        if (pausePressed && settings.toggleButton) {
            d.topMost = TopMostRequest::Toggle;
            d.visible = !s.formHideMode || in.aboutBoxOpen;
            return d;
        }
        const bool rulesOn =
            (settings.hideOnMouseOver && topmost) || (settings.showOnMouseOver && !topmost);
        if (rulesOn) {
            const Rect& f = in.frame;
            const bool away =
                in.cursor.x < f.left - kNearMargin || in.cursor.x > f.right + kNearMargin ||
                in.cursor.y < f.top - kNearMargin || in.cursor.y > f.bottom + kNearMargin;
            d.pointerAway = away;
            if (away) {
                if (topmost) {
                    s.formHideMode = false;
                    s.mouseInsideShift = false;
                } else {
                    d.topMost = TopMostRequest::Off;
                    s.formHideMode = settings.normallyHidden;
                }
            } else {
                const bool exempt = topmost ? settings.shiftKeepsVisible && in.keys.shift
                                            : !settings.showNeedsShift || in.keys.shift;
                if (s.mouseInsideShift || exempt) {
                    if (topmost) {
                        s.formHideMode = false;
                        s.mouseInsideShift = in.cursor.x >= f.left && in.cursor.x < f.right &&
                                             in.cursor.y >= f.top && in.cursor.y < f.bottom;
                    } else {
                        d.topMost = TopMostRequest::On;
                        s.formHideMode = false;
                    }
                } else {
                    if (topmost) {
                        s.formHideMode = true;
                    }
                    s.mouseInsideShift = false;
                }
            }
        } else {
            s.formHideMode = false;
        }
    }
    if (in.hiddenUnsnapped) {
        s.formHideMode = true;
    }
    d.visible = !s.formHideMode || in.aboutBoxOpen;
    return d;
}

Rect NearArea(const Rect& frame) {
    // Away is more than the margin outside: the margin's last pixel still counts as near.
    return {frame.left - kNearMargin, frame.top - kNearMargin, frame.right + kNearMargin + 1,
            frame.bottom + kNearMargin + 1};
}

VisibilityNeeds NeedsOf(const Settings& settings) {
    const bool topmost = settings.topmost;
    VisibilityNeeds n;
    n.pointer = topmost ? settings.hideOnMouseOver : settings.showOnMouseOver;
    n.keys = n.pointer || settings.toggleButton ||
             (topmost ? settings.hideByButton : settings.showByButton);
    return n;
}

PollPlan PlanPolls(const Settings& settings, KeySource keys, AutoSnapAway away,
                   PointerWatch pointer) {
    const VisibilityNeeds n = NeedsOf(settings);
    PollPlan p;
    p.visibility =
        (n.pointer && pointer == PointerWatch::None) || (n.keys && keys == KeySource::Polled);
    // Mode 0 still polls while the window is away, so that it comes back within a second.
    p.autoSnap = settings.autoSnapMode != 0 || away == AutoSnapAway::Yes;
    return p;
}

std::vector<ZOrderStep> TopMostSteps(bool on, bool backWhenMouseAway, OptionsDialogStatus options) {
    std::vector<ZOrderStep> steps;
    if (on) {
        if (options == OptionsDialogStatus::Closed) {
            steps.push_back(ZOrderStep::Top);
        }
        steps.push_back(ZOrderStep::TopMost);
    } else {
        steps.push_back(ZOrderStep::NoTopMost);
        if (backWhenMouseAway && options == OptionsDialogStatus::Closed) {
            steps.push_back(ZOrderStep::Bottom);
        }
    }
    return steps;
}

int AlphaFromPercent(int percent) {
    percent = std::clamp(percent, 0, 100);
    const int scaled = percent * 255;
    int q = scaled / 100;
    const int r = scaled % 100;
    if (r > 50 || (r == 50 && (q % 2) == 1)) {
        ++q;
    }
    return q;
}

Rect DoubleSizeFrame(const Rect& frame, int singleWidth, int singleHeight, WindowScale to,
                     const Rect& screen) {
    // Compare doubled coordinates so that odd sizes need no rounding.
    const bool leftOfCentre = frame.left + frame.right < screen.left + screen.right;
    const bool aboveCentre = frame.top + frame.bottom < screen.top + screen.bottom;
    const int sign = to == WindowScale::Double ? -1 : 1;
    int x = frame.left;
    int y = frame.top;
    if (!leftOfCentre) {
        x += sign * singleWidth;
    }
    if (!aboveCentre) {
        y += sign * singleHeight;
    }
    const int factor = to == WindowScale::Double ? 2 : 1;
    const int w = singleWidth * factor;
    const int h = singleHeight * factor;
    if (x + w > screen.right) {
        x = screen.right - w;
    }
    if (y + h > screen.bottom) {
        y = screen.bottom - h;
    }
    x = std::max(x, screen.left);
    y = std::max(y, screen.top);
    return {x, y, x + w, y + h};
}

// --- WindowBehaviour --------------------------------------------------------------------------

WindowBehaviour::WindowBehaviour(Program& program, TimerHost& timers, Desktop& desktop,
                                 SkinSurface& surface)
    : program_(program), timers_(timers), desktop_(desktop), surface_(surface) {}

void WindowBehaviour::SetLayout(const ButtonRects& buttons, int singleWidth, int singleHeight) {
    buttons_ = buttons;
    singleWidth_ = singleWidth;
    singleHeight_ = singleHeight;
}

WindowScale WindowBehaviour::Scale() const {
    return program_.settings.doubleSize ? WindowScale::Double : WindowScale::Single;
}

void WindowBehaviour::Popup(MenuForm form) {
    program_.menu().Popup(form);
    program_.menu().DeleteFileList();
}

void WindowBehaviour::MousePress(MouseButton button, Point point, Point cursor) {
    bool onButton = false;
    for (int i = 0; i < kSkinButtonCount; ++i) {
        if (!HitButton(buttons_, i, point, Scale())) {
            continue;
        }
        onButton = true;
        const bool isClose = i % 3 == kCloseButton;
        if (!isClose || button == MouseButton::Left) {
            states_[static_cast<std::size_t>(i)] = kButtonPressed;
        }
    }
    if (onButton) {
        dragging_ = false;
    } else if (button == MouseButton::Left && !menusSuppressed) {
        dragging_ = true;
        dragFrame_ = surface_.Frame();
        dragCursor_ = cursor;
    }
    if (onButton && timers_.IsEnabled(TimerId::Refresh)) {
        program_.skin().DrawSkin();
    }
    previous_ = states_;
}

void WindowBehaviour::MouseMove(bool buttonHeld, Point point, Point cursor) {
    if (dragging_) {
        const Settings& st = program_.settings;
        SnapRules rules;
        rules.toScreenEdges = st.snapToScreenEdges;
        rules.toTaskbar = st.snapToTaskbar;
        rules.strength = st.snapStrength;
        rules.screen = desktop_.Screen();
        if (rules.toTaskbar) {
            rules.taskbar = desktop_.Taskbar();
        }
        const Rect to = DragFrame(dragFrame_, dragCursor_, cursor, rules);
        // No event processing here: it would run the next mouse move inside this one, and the
        // toolkit repaints the moved window on its own.
        surface_.MoveTo(to.left, to.top);
        return;
    }
    if (buttonHeld) {
        return;
    }
    states_.fill(kButtonNormal);
    for (int i = 0; i < kSkinButtonCount; ++i) {
        if (HitButton(buttons_, i, point, Scale())) {
            states_[static_cast<std::size_t>(i)] = kButtonHover;
        }
    }
    if (states_ != previous_ && timers_.IsEnabled(TimerId::Refresh)) {
        program_.skin().DrawSkin();
    }
    previous_ = states_;
}

void WindowBehaviour::MouseRelease(MouseButton button, Point point) {
    bool hitAny = false;
    for (int unit = 0; unit < 2; ++unit) {
        for (int index = 0; index < 3; ++index) {
            const int i = unit * 3 + index;
            const bool hit = HitButton(buttons_, i, point, Scale());
            hitAny = hitAny || hit;
            const bool pressed = states_[static_cast<std::size_t>(i)] == kButtonPressed;
            states_[static_cast<std::size_t>(i)] = kButtonNormal;
            if (hit && pressed) {
                OnSkinButton(index, button);
                if (program_.Ended()) {
                    return; // the close button took everything down
                }
            }
        }
    }
    dragging_ = false;
    if (button == MouseButton::Right && !hitAny && !menusSuppressed) {
        Popup(MenuForm::Main);
    }
    if (states_ != previous_ && timers_.IsEnabled(TimerId::Refresh)) {
        program_.skin().DrawSkin();
    }
    previous_ = states_;
}

void WindowBehaviour::OnSkinButton(int index, MouseButton button) {
    switch (index) {
    case kCloseButton:
        program_.EndApplication();
        if (onEnded) {
            onEnded();
        }
        break;
    case kFunctionButton:
        switch (button) {
        case MouseButton::Left:
            program_.function().RunFunctionButton();
            break;
        case MouseButton::Right:
            Popup(MenuForm::Favourites);
            break;
        case MouseButton::Middle:
            Popup(MenuForm::FunctionList);
            break;
        }
        break;
    case kOptionsButton:
        switch (button) {
        case MouseButton::Left:
            program_.options().OpenOptions(OptionsPort::kModeless);
            break;
        case MouseButton::Right:
            Popup(MenuForm::OptionFiles);
            break;
        case MouseButton::Middle:
            Popup(MenuForm::SkinList);
            break;
        }
        break;
    default:
        break;
    }
}

void WindowBehaviour::UpdatePolls() {
    if (!timers_.IsEnabled(TimerId::Refresh)) {
        return; // before start-up is over, or on the way out
    }
    ArmPolls();
    VisibilityPoll();
}

void WindowBehaviour::ArmPolls() {
    if (!timers_.IsEnabled(TimerId::Refresh)) {
        return;
    }
    const PollPlan plan = PlanPolls(
        program_.settings, desktop_.KeysSource(),
        snappedByAuto_ || hiddenUnsnapped_ ? AutoSnapAway::Yes : AutoSnapAway::No, pointerWatch_);
    // Enabling restarts a running timer: touch only those whose state changes.
    if (timers_.IsEnabled(TimerId::VisibilityPoll) != plan.visibility) {
        timers_.SetEnabled(TimerId::VisibilityPoll, plan.visibility);
    }
    if (timers_.IsEnabled(TimerId::AutoSnapPoll) != plan.autoSnap) {
        timers_.SetEnabled(TimerId::AutoSnapPoll, plan.autoSnap);
    }
}

void WindowBehaviour::KeysChanged() {
    if (timers_.IsEnabled(TimerId::Refresh) && NeedsOf(program_.settings).keys) {
        VisibilityPoll();
        ArmPolls(); // the desktop may want to be asked while a key is held
    }
}

void WindowBehaviour::PointerEntered() {
    pointerWatch_ = PointerWatch::None; // a watch reports once
    if (timers_.IsEnabled(TimerId::Refresh)) {
        VisibilityPoll();
        ArmPolls();
    }
}

void WindowBehaviour::FollowPointer(const VisibilityDecision& d, const VisibilityState& before) {
    // A decision that changed the state may change it again on the same inputs (leaving the
    // window with Shift first clears the exemption, the next poll hides): the poll goes on
    // until one changes nothing.
    if (NeedsOf(program_.settings).pointer && d.pointerAway && d.state == before) {
        pointerWatch_ = desktop_.WatchPointerEntering(NearArea(surface_.Frame()));
    } else {
        StopPointerWatch();
    }
}

void WindowBehaviour::StopPointerWatch() {
    // Also after a report: a watch asked for while the report was on its way is stopped too.
    desktop_.StopWatchingPointer();
    pointerWatch_ = PointerWatch::None;
}

void WindowBehaviour::FrameMoved() {
    if (pointerWatch_ == PointerWatch::Watching) {
        pointerWatch_ = desktop_.WatchPointerEntering(NearArea(surface_.Frame()));
        ArmPolls();
    }
}

void WindowBehaviour::VisibilityPoll() {
    VisibilityInputs in;
    in.keys = desktop_.Keys();
    // The pointer is a round trip to the server; the rules read it only while one needs it.
    if (NeedsOf(program_.settings).pointer) {
        in.cursor = desktop_.Cursor();
    }
    in.frame = surface_.Frame();
    in.aboutBoxOpen = program_.aboutBoxOpen;
    in.hiddenUnsnapped = hiddenUnsnapped_;
    const VisibilityDecision d = DecideVisibility(program_.settings, visibility_, in);
    const VisibilityState before = visibility_;
    visibility_ = d.state;
    FollowPointer(d, before);
    switch (d.topMost) {
    case TopMostRequest::Keep:
        break;
    case TopMostRequest::On:
        SetTopMost(true);
        break;
    case TopMostRequest::Off:
        SetTopMost(false);
        break;
    case TopMostRequest::Toggle:
        ToggleTopMost();
        return;
    }
    surface_.SetShown(d.visible);
    if (timers_.IsEnabled(TimerId::VisibilityPoll)) {
        ArmPolls(); // a poll that held keys kept running stops once they are up
    }
}

void WindowBehaviour::ToggleTopMost() {
    Settings& st = program_.settings;
    st.topmost = !st.topmost;
    if (st.topmost) {
        visibility_.formHideMode = false;
    }
    SetTopMost(st.topmost);
    program_.menu().SetTopMostChecked(st.topmost);
    // The other z-order has rules of its own, and they have not seen the pointer yet.
    StopPointerWatch();
    ArmPolls();
}

void WindowBehaviour::SetTopMost(bool on) {
    if (on == topMostApplied_) {
        return;
    }
    for (ZOrderStep step : TopMostSteps(on, program_.settings.backWhenMouseAway, optionsDialog)) {
        surface_.ApplyZOrder(step);
    }
    topMostApplied_ = on;
}

void WindowBehaviour::SetAlpha(int mode, int percent) {
    if (mode == 1) {
        surface_.SetAlpha(AlphaFromPercent(percent));
    }
}

void WindowBehaviour::SetDoubleSize(bool on) {
    Settings& st = program_.settings;
    if (on == st.doubleSize) {
        return;
    }
    const Rect frame = surface_.Frame();
    int w = singleWidth_;
    int h = singleHeight_;
    if (w <= 0 || h <= 0) {
        // No layout handed over yet: the current frame is the size at the current scale.
        const int now = st.doubleSize ? 2 : 1;
        w = std::max(1, frame.Width() / now);
        h = std::max(1, frame.Height() / now);
    }
    const Rect to = DoubleSizeFrame(frame, w, h, on ? WindowScale::Double : WindowScale::Single,
                                    desktop_.Screen());
    st.doubleSize = on;
    surface_.Resize(to.Width(), to.Height());
    surface_.MoveTo(to.left, to.top);
    FrameMoved();
    program_.menu().SetShowBiggerChecked(on);
    if (timers_.IsEnabled(TimerId::Refresh)) {
        program_.skin().DrawSkin();
    }
}

void WindowBehaviour::AfterAutoSnap(bool wasHiddenUnsnapped) {
    FrameMoved();
    ArmPolls();
    // The visibility rules need not wait for a poll that may not be running.
    if (hiddenUnsnapped_ != wasHiddenUnsnapped) {
        VisibilityPoll();
    }
}

void WindowBehaviour::AutoSnap() {
    const Settings& st = program_.settings;
    const bool wasHiddenUnsnapped = hiddenUnsnapped_;
    const WindowId foreground = desktop_.ForegroundWindow();
    const WindowId self = surface_.Id();
    // Following the foreground window needs only that window, not the whole list.
    std::vector<TopLevelWindow> windows;
    if (st.autoSnapMode == 1) {
        if (foreground != 0 && foreground != self) {
            if (std::optional<TopLevelWindow> w = desktop_.Describe(foreground)) {
                windows.push_back(std::move(*w));
            }
        }
    } else {
        windows = desktop_.TopLevelWindows();
    }
    const SnapTarget target = FindSnapTarget(st, windows, foreground, self);
    if (target.kind == SnapTargetKind::SkipThisRound) {
        return;
    }
    const Rect frame = surface_.Frame();
    if (target.kind == SnapTargetKind::Target) {
        if (!snappedByAuto_) {
            beforeSnap_ = {frame.left, frame.top};
        }
        const Point p = SnapPosition(target.window->frame, st.snapAnchor1, st.snapAnchor2,
                                     st.snapOffsetX, st.snapOffsetY, frame.Width(), frame.Height());
        if (p.x != frame.left || p.y != frame.top) {
            surface_.MoveTo(p.x, p.y);
        }
        snappedByAuto_ = true;
    } else if (snappedByAuto_) {
        snappedByAuto_ = false;
        surface_.MoveTo(beforeSnap_.x, beforeSnap_.y);
    }
    // Turning the setting off must not leave the window hidden for good.
    hiddenUnsnapped_ = st.hideWhenNotSnapped && !snappedByAuto_;
    AfterAutoSnap(wasHiddenUnsnapped);
}

void WindowBehaviour::AutoSnapReturn() {
    const bool wasHiddenUnsnapped = hiddenUnsnapped_;
    if (snappedByAuto_) {
        snappedByAuto_ = false;
        surface_.MoveTo(beforeSnap_.x, beforeSnap_.y);
    }
    hiddenUnsnapped_ = false;
    AfterAutoSnap(wasHiddenUnsnapped);
}

} // namespace trumbel
