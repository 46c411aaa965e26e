#include "render/progress.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace orv::render {
namespace {

struct Moment {
    std::int64_t done;
    std::int64_t total;
    double elapsed;
    std::string expected;
};

class DrawingTheBar : public ::testing::TestWithParam<Moment> {};

TEST_P(DrawingTheBar, ShowsShareAndTimeLeft) {
    const Moment& m = GetParam();
    EXPECT_EQ(Progress::line(m.done, m.total, m.elapsed), m.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, DrawingTheBar,
    ::testing::Values(
        Moment{0, 100, 0.0, "[                              ] 0% 0/100 frames, time left unknown"},
        Moment{25, 100, 10.0, "[#######                       ] 25% 25/100 frames, 0:30 left"},
        Moment{50, 100, 70.0, "[###############               ] 50% 50/100 frames, 1:10 left"},
        Moment{100, 100, 5.0, "[##############################] 100% 100/100 frames, 0:00 left"}));

TEST(HiddenProgress, WritesNothing) {
    std::ostringstream out;
    Progress progress(out, 10, false);
    for (int i = 1; i <= 10; ++i) progress.advance(i);
    progress.finish();
    EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace orv::render
