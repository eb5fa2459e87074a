#pragma once

#include "core/FrameDelta.h"
#include "core/Ports.h"
#include "core/WindowBehaviour.h"
#include "platform/X11Desktop.h"

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace trumbel {

enum class Presentation { OnScreen, Headless };

// The borderless skin window. It shows the picture the skin engine composed, at 1x or 2x,
// and hands its mouse events to the window behaviour, which decides what the window does.
class SkinWindow final : public QWidget, public WindowPort, public SkinSurface {
public:
    explicit SkinWindow(Presentation presentation = Presentation::OnScreen);

    // Wraps the composed pixels (0xAARRGGBB, not copied) and repaints what changed since the
    // last frame, if anything.
    void Present(const QImage& frame, int scale);
    void SetContentSize(int width, int height);

    // The behaviour that mouse events and the z-order go through, and the X server that keeps
    // the window above or below others (null: the toolkit's hints, which re-create the window).
    void AttachBehaviour(WindowBehaviour* behaviour, X11Desktop* x11);
    // Pixels of this colour (0xRRGGBB) are cut out of the window; nullopt shows them.
    void SetColourKey(std::optional<std::uint32_t> rgb);

    std::function<void()> onCloseRequested;

    // WindowPort
    void Show() override;
    void SetTopMost(bool on) override;
    void SetOpacity(int alpha) override;
    void SetCaption(const std::string& caption) override;
    Point Position() const override;
    bool IsVisible() const override;
    void FlashAndFocus() override;
    void Unload() override;
    void ProcessPendingEvents() override;

    // SkinSurface
    WindowId Id() const override;
    Rect Frame() const override;
    void MoveTo(int x, int y) override;
    void Resize(int width, int height) override;
    void SetShown(bool shown) override;
    void ApplyZOrder(ZOrderStep step) override;
    void SetAlpha(int alpha) override;

    QPaintEngine* paintEngine() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyLayer(bool mapped);
    void UpdateShape();
    void StartDirectPresent();
    void StopDirectPresent();

    Presentation presentation_;
    QImage frame_;
    int scale_ = 1;
    WindowBehaviour* behaviour_ = nullptr;
    X11Desktop* x11_ = nullptr;
    WindowLayer layer_ = WindowLayer::Normal;
    std::optional<std::uint32_t> colourKey_;
    FrameDelta delta_;
    // Frames go to the X server without the toolkit's painting and backing store; null where
    // the window's visual does not allow it (and without X11).
    std::unique_ptr<X11Presenter> presenter_;
};

} // namespace trumbel
