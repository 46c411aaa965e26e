#include "linux/render/frame_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv::render {
namespace {

constexpr std::uint32_t kBackground = 0x102030;
constexpr std::uint32_t kDrawn = 0xFFFF00;

struct Placing {
    bool transparent;
    std::size_t channels;
};

class PlacingThePicture : public ::testing::TestWithParam<Placing> {};

// A 4 x 2 picture, its left column drawn, centred in an 8 x 6 frame.
TEST_P(PlacingThePicture, CentredOnTheBackdrop) {
    std::vector<std::uint32_t> picture(8, kBackground);
    picture[0] = picture[4] = kDrawn;
    FrameLayout layout({8, 6}, 4, 2, {0xAABBCC, {}, GetParam().transparent}, kBackground);
    const auto frame = layout.compose(picture);
    const std::size_t c = GetParam().channels;
    ASSERT_EQ(frame.size(), 8 * 6 * c);
    const auto at = [&](int x, int y) { return frame.data() + (y * 8 + x) * c; };
    // Around the picture: the backdrop's colour, or nothing at all.
    EXPECT_EQ(at(0, 0)[0], GetParam().transparent ? 0 : 0xAA);
    EXPECT_EQ(at(1, 2)[2], GetParam().transparent ? 0 : 0xCC);
    // The picture from (2, 2): its drawing opaque, its background see-through when asked.
    EXPECT_EQ(at(2, 2)[0], 0xFF);
    EXPECT_EQ(at(3, 3)[2], 0x30);
    if (GetParam().transparent) {
        EXPECT_EQ(at(2, 3)[3], 0xFF);
        EXPECT_EQ(at(3, 3)[3], 0);
        EXPECT_EQ(at(7, 5)[3], 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Backdrops, PlacingThePicture,
                         ::testing::Values(Placing{false, 3}, Placing{true, 4}));

}  // namespace
}  // namespace orv::render
