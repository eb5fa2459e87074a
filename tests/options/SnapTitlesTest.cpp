#include "options/SnapTitles.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

using Titles = std::vector<std::string>;

// The list shows the titles after the placeholder; every edit keeps the placeholder first and
// says which entry to select next.
TEST(SnapTitles, EditsKeepThePlaceholderAndSayWhatToSelect) {
    enum class Op { Add, Edit, Remove, Up, Down };
    struct Case {
        const char* name;
        Titles before;
        Op op;
        int entry;
        std::string text;
        Titles after;
        std::optional<int> select;
    };
    const Titles abc{"Dammy", "a", "b", "c"};
    for (const Case& c : {
             Case{"add to empty", {"Dammy"}, Op::Add, -1, "Firefox", {"Dammy", "Firefox"}, 0},
             Case{"add to nothing", {}, Op::Add, -1, "x", {"Dammy", "x"}, 0},
             Case{"add at end", abc, Op::Add, 1, "d", {"Dammy", "a", "b", "c", "d"}, 3},
             Case{"add empty", abc, Op::Add, -1, "", abc, std::nullopt},
             Case{"add with bar", abc, Op::Add, -1, "x|y", abc, std::nullopt},
             Case{"edit", abc, Op::Edit, 1, "B", {"Dammy", "a", "B", "c"}, 1},
             Case{"edit none", abc, Op::Edit, 3, "B", abc, std::nullopt},
             Case{"edit placeholder", abc, Op::Edit, -1, "B", abc, std::nullopt},
             Case{"remove middle", abc, Op::Remove, 1, "", {"Dammy", "a", "c"}, 1},
             Case{"remove last", abc, Op::Remove, 2, "", {"Dammy", "a", "b"}, 1},
             Case{"remove only", {"Dammy", "a"}, Op::Remove, 0, "", {"Dammy"}, std::nullopt},
             Case{"remove placeholder", abc, Op::Remove, -1, "", abc, std::nullopt},
             Case{"up", abc, Op::Up, 2, "", {"Dammy", "a", "c", "b"}, 1},
             Case{"up at top", abc, Op::Up, 0, "", abc, 0},
             Case{"down", abc, Op::Down, 0, "", {"Dammy", "b", "a", "c"}, 1},
             Case{"down at bottom", abc, Op::Down, 2, "", abc, 2},
         }) {
        SCOPED_TRACE(c.name);
        Titles t = c.before;
        std::optional<int> select;
        switch (c.op) {
        case Op::Add:
            select = AddSnapTitle(t, c.text);
            break;
        case Op::Edit:
            select = EditSnapTitle(t, c.entry, c.text);
            break;
        case Op::Remove:
            select = RemoveSnapTitle(t, c.entry);
            break;
        case Op::Up:
            select = MoveSnapTitle(t, c.entry, MoveDirection::Up);
            break;
        case Op::Down:
            select = MoveSnapTitle(t, c.entry, MoveDirection::Down);
            break;
        }
        EXPECT_EQ(t, c.after);
        EXPECT_EQ(select, c.select);
    }
    EXPECT_EQ(SnapTitleEntries(abc), (Titles{"a", "b", "c"}));
    EXPECT_EQ(SnapTitleEntries({"Dammy"}), Titles{});
}

} // namespace
} // namespace trumbel
