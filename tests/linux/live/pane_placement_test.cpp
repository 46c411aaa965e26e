#include "linux/live/pane_placement.h"

#include <gtest/gtest.h>

namespace orv::live {
namespace {

struct Fit {
    int windowWidth;
    int windowHeight;
    PanePlacement expected;
};

const Fit kFits[] = {
    {260, 260, {0, 0, 1, 260, 260}},
    {520, 520, {0, 0, 2, 520, 520}},
    {600, 560, {40, 20, 2, 520, 520}},    // centred
    {1280, 600, {380, 40, 2, 520, 520}},  // the shorter side decides
    {779, 779, {129, 129, 2, 520, 520}},  // only whole numbers
    {780, 780, {0, 0, 3, 780, 780}},
    {250, 250, {-5, -5, 1, 260, 260}},  // smaller than the pane: its middle shows
};

class PaneFit : public ::testing::TestWithParam<Fit> {};

TEST_P(PaneFit, ScalesByWholeNumbersAndCentres) {
    const PanePlacement placed =
        PanePlacement::fit(GetParam().windowWidth, GetParam().windowHeight, 260, 260);
    const PanePlacement& expected = GetParam().expected;
    EXPECT_EQ(placed.x, expected.x);
    EXPECT_EQ(placed.y, expected.y);
    EXPECT_EQ(placed.scale, expected.scale);
    EXPECT_EQ(placed.width, expected.width);
    EXPECT_EQ(placed.height, expected.height);
}

INSTANTIATE_TEST_SUITE_P(Windows, PaneFit, ::testing::ValuesIn(kFits));

TEST(PanePlacement, ClicksCountOnlyOnThePane) {
    const PanePlacement placed = PanePlacement::fit(600, 560, 260, 260);
    EXPECT_TRUE(placed.contains(40, 20));
    EXPECT_TRUE(placed.contains(559, 539));
    EXPECT_FALSE(placed.contains(39, 100));
    EXPECT_FALSE(placed.contains(560, 100));
    EXPECT_FALSE(placed.contains(100, 540));
}

struct Bound {
    WindowSize wanted;
    WindowSize usable;
    WindowSize expected;
};

class WindowBound : public ::testing::TestWithParam<Bound> {};

TEST_P(WindowBound, KeepsTheWindowOnTheScreen) {
    EXPECT_EQ(boundedWindowSize(GetParam().wanted, GetParam().usable), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowBound,
                         ::testing::Values(Bound{{520, 520}, {1280, 1024}, {520, 520}},
                                           Bound{{16384, 16384}, {1280, 1024}, {1280, 1024}},
                                           Bound{{16384, 300}, {1280, 1024}, {1280, 300}},
                                           Bound{{250, 250}, {1280, 1024}, {250, 250}}));

}  // namespace
}  // namespace orv::live
