#include "tray/TrayClicks.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

struct Event {
    TrayButton button;
    bool toolkitDouble;
    std::int64_t ms;
};

TEST(TrayClickMapper, ClicksBecomeTheFourCallbacks) {
    using B = TrayButton;
    using C = TrayClick;
    struct Case {
        const char* what;
        std::vector<Event> events;
        std::vector<std::optional<C>> want;
    };
    const std::vector<Case> cases = {
        {"single left", {{B::Left, false, 0}}, {C::LeftUp}},
        {"single right", {{B::Right, false, 0}}, {C::RightUp}},
        {"two slow left clicks",
         {{B::Left, false, 0}, {B::Left, false, 401}},
         {C::LeftUp, C::LeftUp}},
        {"second right click in time",
         {{B::Right, false, 0}, {B::Right, false, 400}},
         {C::RightUp, C::RightDouble}},
        // Desktops that report both the second press and a double click: one double click.
        {"press press double",
         {{B::Left, false, 0}, {B::Left, false, 150}, {B::Left, true, 151}},
         {C::LeftUp, C::LeftDouble, std::nullopt}},
        {"press double press",
         {{B::Left, false, 0}, {B::Left, true, 150}, {B::Left, false, 151}},
         {C::LeftUp, C::LeftDouble, std::nullopt}},
        {"a third click starts over only after the interval",
         {{B::Right, false, 0},
          {B::Right, false, 100},
          {B::Right, false, 200},
          {B::Right, false, 700}},
         {C::RightUp, C::RightDouble, std::nullopt, C::RightUp}},
        {"left then right are separate",
         {{B::Left, false, 0}, {B::Right, false, 100}},
         {C::LeftUp, C::RightUp}},
        {"a clock that goes back is no double click",
         {{B::Left, false, 1000}, {B::Left, false, 900}},
         {C::LeftUp, C::LeftUp}},
    };
    for (const Case& c : cases) {
        TrayClickMapper mapper(400);
        for (std::size_t i = 0; i < c.events.size(); ++i) {
            const Event& e = c.events[i];
            const auto got =
                e.toolkitDouble ? mapper.DoubleClick(e.button, e.ms) : mapper.Click(e.button, e.ms);
            EXPECT_EQ(got, c.want[i]) << c.what << ", event " << i;
        }
    }
}

} // namespace
} // namespace trumbel
