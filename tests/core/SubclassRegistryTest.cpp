#include "core/SubclassRegistry.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace trumbel {
namespace {

struct Event {
    int type = 0;
    std::vector<std::string> seenBy;
};

using Registry = SubclassRegistry<int, Event>;

struct Client : SubclassClient<int, Event> {
    std::string name;
    int killType = -1;
    long answer = 0;
    std::function<void()> during;
    explicit Client(std::string n) : name(std::move(n)) {}
    void WindowProc(int, Event& e, bool& kill, long& result) override {
        e.seenBy.push_back(name);
        if (during)
            during();
        if (e.type == killType) {
            kill = true;
            result = answer;
        }
    }
};

class SubclassRegistryTest : public ::testing::Test {
protected:
    SubclassRegistryTest()
        : registry({[this](int w) { return windows.count(w) != 0; },
                    [this](int w) { log.push_back("install " + std::to_string(w)); },
                    [this](int w) { log.push_back("restore " + std::to_string(w)); },
                    [this] { return allowed; }}) {}
    std::set<int> windows{1, 2};
    std::vector<std::string> log;
    bool allowed = true;
    Registry registry;
    Client a{"a"}, b{"b"}, c{"c"};
};

TEST_F(SubclassRegistryTest, AttachTwiceKeepsOneAndDetachingTheOnlyClientRestores) {
    registry.Attach(1, &a);
    registry.Attach(1, &a);
    EXPECT_EQ(registry.Count(1), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"install 1"}));
    registry.Detach(1, &a);
    EXPECT_EQ(registry.Count(1), 0);
    EXPECT_FALSE(registry.Hooked(1));
    EXPECT_EQ(log, (std::vector<std::string>{"install 1", "restore 1"}));
    registry.Detach(1, &a); // nothing left: no second restore
    EXPECT_EQ(log.size(), 2u);
}

TEST_F(SubclassRegistryTest, DetachingTheFirstOfThreeKeepsOrder) {
    registry.Attach(1, &a);
    registry.Attach(1, &b);
    registry.Attach(1, &c);
    registry.Detach(1, &a);
    EXPECT_EQ(registry.Count(1), 2);
    EXPECT_EQ(registry.ClientAt(1, 1), &b);
    EXPECT_EQ(registry.ClientAt(1, 2), &c);
    EXPECT_EQ(registry.ClientAt(1, 3), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"install 1"}));
}

TEST_F(SubclassRegistryTest, DispatchInOrderUntilKilled) {
    registry.Attach(1, &a);
    registry.Attach(1, &b);
    registry.Attach(1, &c);
    b.killType = 5;
    b.answer = 42;
    Event e{5, {}};
    auto out = registry.Dispatch(1, e);
    EXPECT_TRUE(out.killed);
    EXPECT_EQ(out.result, 42);
    EXPECT_EQ(e.seenBy, (std::vector<std::string>{"a", "b"}));

    Event other{6, {}};
    out = registry.Dispatch(1, other);
    EXPECT_FALSE(out.killed);
    EXPECT_EQ(other.seenBy, (std::vector<std::string>{"a", "b", "c"}));

    Event none{5, {}};
    EXPECT_FALSE(registry.Dispatch(2, none).killed);
}

TEST_F(SubclassRegistryTest, ClientDetachingDuringDispatchIsSafe) {
    registry.Attach(1, &a);
    registry.Attach(1, &b);
    registry.Attach(1, &c);
    a.during = [&] { registry.Detach(1, &b); };
    Event e{0, {}};
    registry.Dispatch(1, e);
    EXPECT_EQ(e.seenBy, (std::vector<std::string>{"a", "c"}));
}

TEST_F(SubclassRegistryTest, MissingWindowOrNotAllowedDoesNothing) {
    registry.Attach(9, &a);
    EXPECT_EQ(registry.Count(9), 0);
    allowed = false;
    registry.Attach(2, &a);
    EXPECT_EQ(registry.Count(2), 0);
    EXPECT_TRUE(log.empty());
}

} // namespace
} // namespace trumbel
