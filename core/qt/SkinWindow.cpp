#include "SkinWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>

namespace trumbel {

SkinWindow::SkinWindow(Presentation presentation) : presentation_(presentation) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::Tool);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    SetContentSize(160, 18);
}

void SkinWindow::Present(const QImage& frame, int scale) {
    frame_ = frame;
    scale_ = scale < 1 ? 1 : scale;
    update();
}

void SkinWindow::SetContentSize(int width, int height) {
    setFixedSize(width < 1 ? 1 : width, height < 1 ? 1 : height);
}

void SkinWindow::paintEvent(QPaintEvent*) {
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

void SkinWindow::Show() {
    // A headless run composes the same picture but never maps a window.
    if (presentation_ == Presentation::OnScreen) {
        show();
    }
}

void SkinWindow::SetTopMost(bool on) {
    if (presentation_ == Presentation::Headless) {
        return;
    }
    const bool visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) {
        show();
    }
}

void SkinWindow::SetOpacity(int alpha) { setWindowOpacity(alpha / 255.0); }

void SkinWindow::SetCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
}

Point SkinWindow::Position() const { return {pos().x(), pos().y()}; }

bool SkinWindow::IsVisible() const { return isVisible(); }

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
    hide();
}

void SkinWindow::ProcessPendingEvents() { QApplication::processEvents(); }

} // namespace trumbel
