#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "Ports.h"

namespace trumbel {

// The borderless skin window. It shows the picture the skin engine composed, at 1x or 2x,
// and holds no state of its own beyond what it is given to show.
enum class Presentation { OnScreen, Headless };

class SkinWindow final : public QWidget, public WindowPort {
public:
    explicit SkinWindow(Presentation presentation = Presentation::OnScreen);

    // Wraps the composed pixels (0xAARRGGBB, not copied) and repaints once.
    void Present(const QImage& frame, int scale);
    void SetContentSize(int width, int height);

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QImage frame_;
    int scale_ = 1;
    Presentation presentation_;
};

} // namespace trumbel
