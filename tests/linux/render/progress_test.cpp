#include "linux/render/progress.h"

#include <gtest/gtest.h>

namespace orv::render {
namespace {

// The bar can only tell the time left when the length is known; otherwise it tells the sound's
// time done.
TEST(ProgressLine, TellsWhatItCanKnow) {
    EXPECT_EQ(Progress::line(43, 86, 10.0),
              "[###############               ] 50% 43/86 frames, 0:10 left");
    EXPECT_EQ(Progress::line(2584, std::nullopt, 10.0), "2584 frames, 1:00 of sound drawn");
}

}  // namespace
}  // namespace orv::render
