// The tray icon on a real X server: a refresh that changes nothing asks the server nothing.
#include "tests/tools/support/Desktop.h"
#include "tray/qt/QtTaskIcon.h"

#include <QApplication>
#include <QtGui/qguiapplication_platform.h>
#include <gtest/gtest.h>
#include <memory>
#include <xcb/xcb.h>

namespace trumbel {
namespace {

TrayIconHandle Image(std::uint32_t colour) {
    auto image = std::make_shared<TrayImage>();
    image->argb.fill(colour);
    return image;
}

// Requests sent on the connection between two no-operations, without them.
class RequestCounter {
public:
    explicit RequestCounter(xcb_connection_t* c) : c_(c), start_(xcb_no_operation(c).sequence) {}
    unsigned Sent() const { return xcb_no_operation(c_).sequence - start_ - 1; }

private:
    xcb_connection_t* c_;
    unsigned start_;
};

TEST(QtTaskIconX11, AnUnchangedRefreshSendsNothing) {
    tooltest::XvfbDisplay x;
    if (!x.Ok()) {
        GTEST_SKIP() << x.whyNot;
    }
    int argc = 1;
    char name[] = "tray_x11_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_NE(x11, nullptr);
    xcb_connection_t* c = x11->connection();

    QtTaskIcon icon([](TrayClick) {}, 400);
    const TrayIconHandle image = Image(0xFF00FF00);
    EXPECT_FALSE(icon.CreateTrayIcon(1, image, "Velquor\r\n5％")) << "no tray on this server";
    QApplication::processEvents();

    const RequestCounter counter(c);
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(icon.ChangeTrayIcon(image, "Velquor\r\n5％")) << "answers as the add did";
    }
    EXPECT_EQ(counter.Sent(), 0u);
}

} // namespace
} // namespace trumbel
