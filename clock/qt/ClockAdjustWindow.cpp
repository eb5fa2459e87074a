#include "clock/qt/ClockAdjustWindow.h"

#include "resources/qt/ProgramIcons.h"
#include "resources/qt/ProgramLook.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMetaObject>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <xcb/xcb.h>

namespace trumbel {

namespace {

constexpr int kCloseSoonMs = 50;
constexpr int kIconSize = 32;
constexpr QSize kWindowSize(340, 112);

QString ToQt(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

} // namespace

QIcon StatusIconPicture(StatusIcon icon) {
    switch (icon) {
    case StatusIcon::Working:
        return ProgramIcon("clock_10");
    case StatusIcon::Adjusted:
        return ProgramIcon("clock_11");
    case StatusIcon::Failed:
        return ProgramIcon("clock_12");
    case StatusIcon::NotPossible:
        return ProgramIcon("clock_13");
    }
    return {};
}

ClockAdjustWindow::ClockAdjustWindow(AdjustContext context, ClockNotices& notices,
                                     std::unique_ptr<ClockSetter> setter,
                                     std::function<void(const std::string&)> log,
                                     std::function<void()> closed)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      statusPanel_(new QFrame(this)), statusImage_(new QLabel(statusPanel_)),
      statusText_(new QLabel(statusPanel_)), notices_(notices), closed_(std::move(closed)),
      setter_(std::move(setter)),
      // The reply comes back as an event of this window; it is dropped with the window.
      worker_([this](std::function<void()> deliver) {
          QMetaObject::invokeMethod(this, std::move(deliver), Qt::QueuedConnection);
      }),
      adjustment_(context, *this, notices, worker_, *setter_, std::move(log)) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    statusPanel_->setFrameShape(QFrame::StyledPanel);
    statusImage_->setFixedSize(kIconSize, kIconSize);
    statusImage_->setAccessibleName(QStringLiteral("status icon"));
    statusText_->setWordWrap(true);
    statusText_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* row = new QHBoxLayout(statusPanel_);
    row->addWidget(statusImage_, 0, Qt::AlignTop);
    row->addWidget(statusText_, 1);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(statusPanel_);
    closeTimer_.setSingleShot(false);
    QObject::connect(&closeTimer_, &QTimer::timeout, this, [this] { OnCloseTimer(); });
}

ClockAdjustWindow::~ClockAdjustWindow() = default;

void ClockAdjustWindow::Load() {
    setFont(DialogFont());
    // The size is the one of 96 DPI; the text grows with the font DPI and the window with it.
    setFixedSize(kWindowSize * std::max(1.0, logicalDpiY() / 96.0));
    PlaceAtWorkAreaCorner();
    EnableCloseCommand(false);
    setWindowTitle(QString::fromStdString(TimeInfoCaption()));
    if (adjustment_.Shown()) {
        show();
        placedWithFrame_ = PlaceAtWorkAreaCorner();
    }
    adjustment_.Start();
}

bool ClockAdjustWindow::PlaceAtWorkAreaCorner() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return false;
    }
    const QRect area = screen->availableGeometry();
    // The frame counts once the window manager has put one round the window.
    const QSize outer = isVisible() ? frameGeometry().size() : size();
    move(area.x() + area.width() - outer.width(), area.y() + area.height() - outer.height());
    return isVisible() && outer != size();
}

void ClockAdjustWindow::FollowFrame() {
    if (!placedWithFrame_ && isVisible()) {
        placedWithFrame_ = PlaceAtWorkAreaCorner();
    }
}

bool ClockAdjustWindow::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    // The window manager frames the window after it is shown, and Qt learns the frame from
    // _NET_FRAME_EXTENTS or the reparenting without telling the widget. Until the window sits
    // in the corner with its frame, each such event places it again, once Qt has taken the
    // event in (hence queued); a window the user moves afterwards is left where it is put.
    if (!placedWithFrame_ && eventType == "xcb_generic_event_t") {
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const int type = event->response_type & ~0x80;
        if (type == XCB_PROPERTY_NOTIFY || type == XCB_REPARENT_NOTIFY ||
            type == XCB_CONFIGURE_NOTIFY) {
            QMetaObject::invokeMethod(
                this, [this] { FollowFrame(); }, Qt::QueuedConnection);
        }
    }
    return QWidget::nativeEvent(eventType, message, result);
}

void ClockAdjustWindow::ShowStatus(StatusIcon icon, const std::string& text) {
    icon_ = icon;
    statusImage_->setPixmap(StatusIconPicture(icon).pixmap(kIconSize, kIconSize));
    statusText_->setText(ToQt(text));
    statusText_->setAccessibleName(statusText_->text());
}

void ClockAdjustWindow::CloseAfter(int ms) {
    EnableCloseCommand(true);
    closeTimer_.start(ms);
}

void ClockAdjustWindow::CloseSoon() {
    if (closeTimer_.isActive()) {
        closeTimer_.start(kCloseSoonMs);
    }
}

void ClockAdjustWindow::OnCloseTimer() {
    // Takes down a notification icon added for the occasion.
    notices_.HideBalloon(ReleaseNotice::Yes);
    closeTimer_.stop();
    closing_ = true;
    close();
}

void ClockAdjustWindow::EnableCloseCommand(bool enable) {
    if (enable == closeEnabled_) {
        return;
    }
    closeEnabled_ = enable;
    // Without the close hint the window manager offers no close button or command; a close
    // request that comes anyway (Alt+F4) is refused in closeEvent until the result is in.
    // Once the native window exists the hint changes in place: setWindowFlag would re-create
    // it, and the window would vanish and come back for a moment (and lose its corner place).
    const Qt::WindowFlags flags = enable ? windowFlags() | Qt::WindowCloseButtonHint
                                         : windowFlags() & ~Qt::WindowCloseButtonHint;
    if (QWindow* native = windowHandle()) {
        overrideWindowFlags(flags);
        native->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

void ClockAdjustWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        if (closed_) {
            closed_();
        }
        return;
    }
    event->ignore();
    CloseSoon();
}

void ClockAdjustWindow::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    CloseSoon();
}

} // namespace trumbel
