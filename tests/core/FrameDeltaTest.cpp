#include "core/FrameDelta.h"

#include <gtest/gtest.h>
#include <vector>

namespace trumbel {
namespace {

// A 6x4 frame inside rows of 8 pixels: the stride's padding must never count as a change.
struct Frame {
    static constexpr int kWidth = 6, kHeight = 4, kStride = 8;
    std::vector<std::uint32_t> px = std::vector<std::uint32_t>(kStride * kHeight, 0xFF000000u);
    std::uint32_t& at(int x, int y) { return px[static_cast<std::size_t>(y * kStride + x)]; }
    std::optional<Rect> SentTo(FrameDelta& d) {
        return d.Next(px.data(), kWidth, kHeight, kStride);
    }
};

TEST(FrameDelta, SendsTheBoundingAreaOfWhatChangedAndNothingWhenNothingDid) {
    FrameDelta d;
    Frame f;
    EXPECT_EQ(f.SentTo(d), (Rect{0, 0, 6, 4})) << "the first frame is whole";
    EXPECT_EQ(f.SentTo(d), std::nullopt);
    f.at(6, 1) = 1; // padding
    EXPECT_EQ(f.SentTo(d), std::nullopt);

    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> changed;
        std::optional<Rect> area;
    } cases[] = {
        {"one pixel", {{2, 1}}, Rect{2, 1, 3, 2}},
        {"first and last pixel of the frame", {{0, 0}, {5, 3}}, Rect{0, 0, 6, 4}},
        {"two rows apart", {{4, 0}, {1, 2}}, Rect{1, 0, 5, 3}},
        {"last column", {{5, 2}}, Rect{5, 2, 6, 3}},
    };
    std::uint32_t colour = 0xFF000001u;
    for (const Case& c : cases) {
        for (auto [x, y] : c.changed) {
            f.at(x, y) = colour;
        }
        ++colour;
        EXPECT_EQ(f.SentTo(d), c.area) << c.name;
        EXPECT_EQ(f.SentTo(d), std::nullopt) << c.name << ": sent once";
    }
    // A change back to what was shown before is still a change.
    f.at(2, 1) = 0xFF000000u;
    EXPECT_EQ(f.SentTo(d), (Rect{2, 1, 3, 2}));
}

TEST(FrameDelta, WholeFrameAfterResetOrResize) {
    FrameDelta d;
    Frame f;
    f.SentTo(d);
    d.Reset();
    EXPECT_EQ(f.SentTo(d), (Rect{0, 0, 6, 4}));
    EXPECT_EQ(d.Next(f.px.data(), 5, 4, Frame::kStride), (Rect{0, 0, 5, 4}));
    EXPECT_EQ(d.Next(f.px.data(), 5, 4, Frame::kStride), std::nullopt);
    EXPECT_EQ(d.Next(nullptr, 5, 4, 5), std::nullopt);
    EXPECT_EQ(d.Next(f.px.data(), 5, 4, Frame::kStride), (Rect{0, 0, 5, 4}))
        << "an empty frame in between forgets what was shown";
}

} // namespace
} // namespace trumbel
