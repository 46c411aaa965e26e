#include "engine/drawing/grid.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orv::drawing {
namespace {

constexpr std::uint32_t kBackground = 0x123456;
constexpr std::uint32_t kGridRgb = 0x004000;  // (0, 64, 0) as 0x00RRGGBB

struct GridPixel {
    int x;
    int y;
    bool onGrid;
};

class GridPixels : public ::testing::TestWithParam<GridPixel> {};

// The lines stand at 8, 18, ..., 258 and run from 0 to 256, both ends included.
TEST_P(GridPixels, PaintsTheLinesOfTheWindowsGridAndNothingElse) {
    const GridPixel& p = GetParam();
    std::vector<std::uint32_t> picture(260 * 260, kBackground);
    paintGrid(picture, 260, 260);
    EXPECT_EQ(picture[static_cast<std::size_t>(p.y * 260 + p.x)],
              p.onGrid ? kGridRgb : kBackground);
}

INSTANTIATE_TEST_SUITE_P(Pane, GridPixels,
                         ::testing::Values(GridPixel{8, 0, true}, GridPixel{8, 256, true},
                                           GridPixel{8, 257, false}, GridPixel{18, 131, true},
                                           GridPixel{258, 100, true}, GridPixel{259, 100, false},
                                           GridPixel{100, 258, true}, GridPixel{256, 8, true},
                                           GridPixel{257, 8, false}, GridPixel{0, 0, false},
                                           GridPixel{7, 9, false}, GridPixel{9, 7, false},
                                           GridPixel{248, 248, true}));

TEST(GridTest, ASmallerPictureGetsTheLinesThatFitAndATooShortBufferNone) {
    std::vector<std::uint32_t> picture(20 * 10, kBackground);
    paintGrid(picture, 20, 10);
    EXPECT_EQ(picture[9 * 20 + 8], kGridRgb);   // the line at x = 8 down to the last row
    EXPECT_EQ(picture[8 * 20 + 19], kGridRgb);  // the line at y = 8 across to the last column
    EXPECT_EQ(picture[9 * 20 + 19], kBackground);

    std::vector<std::uint32_t> tooShort(20 * 10 - 1, kBackground);
    paintGrid(tooShort, 20, 10);
    EXPECT_EQ(tooShort, std::vector<std::uint32_t>(20 * 10 - 1, kBackground));
}

}  // namespace
}  // namespace orv::drawing
