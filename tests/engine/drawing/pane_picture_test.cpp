#include "engine/drawing/pane_picture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/drawing/grid.h"

namespace orv::drawing {
namespace {

constexpr int kSize = 40;

// Every pixel different, so a misplaced one shows.
std::vector<std::uint32_t> pattern() {
    std::vector<std::uint32_t> pixels(kSize * kSize);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<std::uint32_t>(i * 2654435761U) & 0xFFFFFFU;
    }
    return pixels;
}

struct Composing {
    int scale;
    bool grid;
};

class ComposingAPicture : public ::testing::TestWithParam<Composing> {};

TEST_P(ComposingAPicture, ScalesTheGriddedPaneNearestNeighbour) {
    const auto [scale, grid] = GetParam();
    const std::vector<std::uint32_t> pane = pattern();
    std::vector<std::uint32_t> expected = pane;
    if (grid) drawing::paintGrid(expected, kSize, kSize);
    PanePicture picture(kSize, kSize, scale, grid);
    ASSERT_EQ(picture.width(), kSize * scale);
    ASSERT_EQ(picture.height(), kSize * scale);
    const auto composed = picture.compose(pane);
    ASSERT_EQ(composed.size(), static_cast<std::size_t>(kSize * kSize * scale * scale));
    for (int y = 0; y < kSize * scale; ++y) {
        for (int x = 0; x < kSize * scale; ++x) {
            ASSERT_EQ(composed[static_cast<std::size_t>(y * kSize * scale + x)],
                      expected[static_cast<std::size_t>((y / scale) * kSize + x / scale)])
                << x << "," << y;
        }
    }
    EXPECT_EQ(pane, pattern()) << "the grid went into the pane";
    const auto rgb = picture.composeRgb(pane);
    ASSERT_EQ(rgb.size(), composed.size() * 3);
    for (std::size_t i = 0; i < composed.size(); ++i) {
        ASSERT_EQ(rgb[3 * i], (composed[i] >> 16U) & 0xFFU);
        ASSERT_EQ(rgb[3 * i + 1], (composed[i] >> 8U) & 0xFFU);
        ASSERT_EQ(rgb[3 * i + 2], composed[i] & 0xFFU);
    }
}

INSTANTIATE_TEST_SUITE_P(ScalesAndGrid, ComposingAPicture,
                         ::testing::Values(Composing{1, false}, Composing{1, true},
                                           Composing{2, false}, Composing{3, true},
                                           Composing{4, true}));

}  // namespace
}  // namespace orv::drawing
