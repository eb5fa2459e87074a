#include "core/qt/QtSubclass.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace trumbel {
namespace {

// Records what reaches the object itself, after any filters.
class Target : public QObject {
public:
    std::vector<int> seen;
    bool event(QEvent* e) override {
        seen.push_back(static_cast<int>(e->type()));
        return QObject::event(e);
    }
};

struct Client : QtSubclassClient {
    std::vector<int> seen;
    QEvent::Type kill = QEvent::None;
    void WindowProc(QObject*, QEvent& e, bool& killEvent, long&) override {
        seen.push_back(static_cast<int>(e.type()));
        killEvent = e.type() == kill;
    }
};

class QtSubclassTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "qt_subclass_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) {
            app_ = new QCoreApplication(argc, argv);
        }
    }
    static inline QCoreApplication* app_ = nullptr;
};

TEST_F(QtSubclassTest, ClientsSeeEventsInOrderAndKillKeepsThemFromTheWindow) {
    bool allowed = true;
    QtSubclassRegistry registry([&] { return allowed; });
    Target target;
    Client a, b;
    b.kill = QEvent::User;
    registry.AttachSubclass(&target, &a);
    registry.AttachSubclass(&target, &b);

    QEvent user(QEvent::User);
    QCoreApplication::sendEvent(&target, &user);
    EXPECT_EQ(a.seen, (std::vector<int>{QEvent::User}));
    EXPECT_EQ(b.seen, (std::vector<int>{QEvent::User}));
    EXPECT_TRUE(target.seen.empty()) << "a killed event must not reach the window";

    QEvent other(static_cast<QEvent::Type>(QEvent::User + 1));
    QCoreApplication::sendEvent(&target, &other);
    EXPECT_EQ(target.seen, (std::vector<int>{QEvent::User + 1}));

    // Detaching everyone removes the filter: the window sees everything again.
    registry.DetachSubclass(&target, &a);
    registry.DetachSubclass(&target, &b);
    QCoreApplication::sendEvent(&target, &user);
    EXPECT_EQ(target.seen.back(), QEvent::User);
    EXPECT_EQ(b.seen.size(), 2u) << "a detached client saw an event";
}

TEST_F(QtSubclassTest, RefusedSubclassingInstallsNothingAndDestroyedWindowsAreForgotten) {
    bool allowed = false;
    QtSubclassRegistry registry([&] { return allowed; });
    Client a;
    {
        Target target;
        registry.AttachSubclass(&target, &a);
        EXPECT_EQ(registry.Count(&target), 0);
        QEvent user(QEvent::User);
        QCoreApplication::sendEvent(&target, &user);
        EXPECT_TRUE(a.seen.empty());
    }
    allowed = true;
    Client b;
    {
        Target target;
        registry.AttachSubclass(&target, &a);
        registry.AttachSubclass(&target, &b);
        EXPECT_EQ(registry.Count(&target), 2);
    }
    // A window that went away with clients attached leaves nothing behind: a new one (often at
    // the same address) starts with its own list.
    Target next;
    registry.AttachSubclass(&next, &b);
    EXPECT_EQ(registry.Count(&next), 1);
    QEvent user(QEvent::User);
    QCoreApplication::sendEvent(&next, &user);
    EXPECT_EQ(next.seen, (std::vector<int>{QEvent::User}));
}

} // namespace
} // namespace trumbel
