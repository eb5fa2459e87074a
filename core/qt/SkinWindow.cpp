#include "core/qt/SkinWindow.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QCursor>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace trumbel {

namespace {

std::optional<MouseButton> ToMouseButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

Point WindowPoint(const QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    return {p.x(), p.y()};
}

Point CursorPoint(const QMouseEvent* e) {
    const QPoint p = e->globalPosition().toPoint();
    return {p.x(), p.y()};
}

} // namespace

SkinWindow::SkinWindow(Presentation presentation) : presentation_(presentation) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true); // hover states need moves without a button held
    SetContentSize(160, 18);
}

void SkinWindow::AttachBehaviour(WindowBehaviour* behaviour, X11Desktop* x11) {
    behaviour_ = behaviour;
    x11_ = x11;
}

void SkinWindow::StartDirectPresent() {
    if (presenter_ || !x11_) {
        return;
    }
    auto presenter =
        std::make_unique<X11Presenter>(x11_->Connection(), static_cast<std::uint32_t>(winId()));
    if (!presenter->Usable()) {
        return;
    }
    presenter_ = std::move(presenter);
    // The toolkit then hands every expose to paintEvent instead of its backing store.
    setAttribute(Qt::WA_PaintOnScreen);
}

void SkinWindow::StopDirectPresent() {
    if (!presenter_) {
        return;
    }
    presenter_.reset();
    setAttribute(Qt::WA_PaintOnScreen, false);
    update();
}

QPaintEngine* SkinWindow::paintEngine() const {
    return presenter_ ? nullptr : QWidget::paintEngine();
}

void SkinWindow::Present(const QImage& frame, int scale) {
    const int s = scale < 1 ? 1 : scale;
    if (s != 1) {
        StopDirectPresent(); // the direct path sends pixels as they are
    }
    if (frame.isNull() || frame.depth() != 32 || s != scale_) {
        delta_.Reset();
    }
    frame_ = frame;
    scale_ = s;
    if (frame_.isNull() || frame_.depth() != 32) {
        UpdateShape();
        update();
        return;
    }
    const std::optional<Rect> area =
        delta_.Next(reinterpret_cast<const std::uint32_t*>(frame_.constBits()), frame_.width(),
                    frame_.height(), static_cast<int>(frame_.bytesPerLine() / 4));
    if (!area) {
        return; // the screen shows this picture already
    }
    UpdateShape();
    if (presenter_) {
        if (isVisible()) {
            presenter_->Put(reinterpret_cast<const std::uint32_t*>(frame_.constBits()),
                            static_cast<int>(frame_.bytesPerLine() / 4), area->left, area->top,
                            area->right, area->bottom);
        }
        return;
    }
    update(QRect(area->left * scale_, area->top * scale_, (area->right - area->left) * scale_,
                 (area->bottom - area->top) * scale_));
}

void SkinWindow::SetContentSize(int width, int height) {
    setFixedSize(width < 1 ? 1 : width, height < 1 ? 1 : height);
}

void SkinWindow::SetColourKey(std::optional<std::uint32_t> rgb) {
    colourKey_ = rgb;
    UpdateShape();
}

void SkinWindow::UpdateShape() {
    if (!colourKey_ || frame_.isNull()) {
        clearMask();
        return;
    }
    const QImage img = frame_.convertToFormat(QImage::Format_RGB32);
    QImage cut = img.createMaskFromColor(0xFF000000u | *colourKey_, Qt::MaskOutColor);
    if (scale_ != 1) {
        cut = cut.scaled(cut.width() * scale_, cut.height() * scale_, Qt::IgnoreAspectRatio,
                         Qt::FastTransformation);
    }
    setMask(QBitmap::fromImage(cut));
}

void SkinWindow::paintEvent(QPaintEvent* event) {
    if (presenter_) {
        if (frame_.isNull() || frame_.depth() != 32) {
            return; // nothing composed yet: the first frame follows
        }
        const QRect bounds(0, 0, frame_.width(), frame_.height());
        for (const QRect& r : event->region()) {
            const QRect c = r.intersected(bounds);
            if (!c.isEmpty()) {
                presenter_->Put(reinterpret_cast<const std::uint32_t*>(frame_.constBits()),
                                static_cast<int>(frame_.bytesPerLine() / 4), c.left(), c.top(),
                                c.left() + c.width(), c.top() + c.height());
            }
        }
        return;
    }
    QPainter p(this);
    if (frame_.isNull()) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    // Pixel art is never smoothed, whatever the scale.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(0, 0, frame_.width() * scale_, frame_.height() * scale_), frame_);
}

void SkinWindow::closeEvent(QCloseEvent* event) {
    // A close from the window manager is the close button: the program decides when to end.
    if (onCloseRequested) {
        event->ignore();
        onCloseRequested();
    } else {
        event->accept();
    }
}

void SkinWindow::mousePressEvent(QMouseEvent* event) {
    const auto b = ToMouseButton(event->button());
    if (behaviour_ && b) {
        behaviour_->MousePress(*b, WindowPoint(event), CursorPoint(event));
    }
}

void SkinWindow::mouseMoveEvent(QMouseEvent* event) {
    if (behaviour_) {
        behaviour_->MouseMove(event->buttons() != Qt::NoButton, WindowPoint(event),
                              CursorPoint(event));
    }
}

void SkinWindow::mouseReleaseEvent(QMouseEvent* event) {
    const auto b = ToMouseButton(event->button());
    if (behaviour_ && b) {
        behaviour_->MouseRelease(*b, WindowPoint(event));
    }
}

void SkinWindow::Show() {
    // A headless run composes the same picture but never maps a window.
    if (presentation_ == Presentation::Headless) {
        return;
    }
    if (x11_) {
        ApplyLayer(false);
        StartDirectPresent();
    }
    show();
}

void SkinWindow::SetTopMost(bool on) {
    if (presentation_ == Presentation::Headless) {
        return;
    }
    if (behaviour_) {
        behaviour_->SetTopMost(on);
        return;
    }
    for (ZOrderStep step : TopMostSteps(on, false, OptionsDialogStatus::Closed)) {
        ApplyZOrder(step);
    }
}

void SkinWindow::SetOpacity(int alpha) {
    SetAlpha(alpha);
}

void SkinWindow::SetAlpha(int alpha) {
    // Takes effect where a compositing manager runs; elsewhere the window stays opaque.
    setWindowOpacity(alpha / 255.0);
}

void SkinWindow::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

Point SkinWindow::Position() const {
    return {pos().x(), pos().y()};
}

bool SkinWindow::IsVisible() const {
    return isVisible();
}

void SkinWindow::FlashAndFocus() {
    if (presentation_ == Presentation::Headless) {
        return;
    }
    QApplication::alert(this, 500);
    if (isVisible()) {
        activateWindow();
        raise();
    }
}

void SkinWindow::Unload() {
    onCloseRequested = nullptr;
    behaviour_ = nullptr;
    hide();
}

void SkinWindow::ProcessPendingEvents() {
    QApplication::processEvents();
}

WindowId SkinWindow::Id() const {
    return static_cast<WindowId>(winId());
}

Rect SkinWindow::Frame() const {
    // The strip is borderless, so its frame is its own rectangle. The toolkit's frame geometry
    // comes from the window manager's frame window, which can be caught at 1 x 1 while the
    // manager is still reparenting and then stays so: the pointer rules never saw the pointer
    // over the strip.
    const QRect r = geometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void SkinWindow::MoveTo(int x, int y) {
    move(x, y);
}

void SkinWindow::Resize(int width, int height) {
    SetContentSize(width, height);
}

void SkinWindow::SetShown(bool shown) {
    if (presentation_ == Presentation::Headless || shown == isVisible()) {
        return;
    }
    if (shown) {
        if (x11_) {
            // The window manager dropped the state when the window was withdrawn.
            ApplyLayer(false);
        }
        show();
        if (x11_) {
            // A window shown again right after it was hidden can reach the window manager
            // before it has finished forgetting the hidden one, which then drops the state set
            // before the map as well: ask again, now that the map request is ahead of us.
            ApplyLayer(true);
        }
    } else {
        hide();
    }
}

void SkinWindow::ApplyZOrder(ZOrderStep step) {
    if (presentation_ == Presentation::Headless) {
        return;
    }
    switch (step) {
    case ZOrderStep::Top:
        raise();
        return;
    case ZOrderStep::TopMost:
        layer_ = WindowLayer::Above;
        break;
    case ZOrderStep::NoTopMost:
        layer_ = WindowLayer::Normal;
        break;
    case ZOrderStep::Bottom:
        layer_ = WindowLayer::Below;
        break;
    }
    ApplyLayer(isVisible());
    if (step == ZOrderStep::Bottom) {
        lower();
    }
}

void SkinWindow::ApplyLayer(bool mapped) {
    if (x11_) {
        x11_->SetLayer(static_cast<std::uint32_t>(winId()), layer_, mapped);
        return;
    }
    // Without X11 only the toolkit's hints remain; changing them re-creates the window.
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, layer_ == WindowLayer::Above);
    setWindowFlag(Qt::WindowStaysOnBottomHint, layer_ == WindowLayer::Below);
    if (visible) {
        show();
    }
}

} // namespace trumbel
