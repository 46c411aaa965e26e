#include "linux/live/capture_feed.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace orv::live {
namespace {

class PiecesOfSound : public ::testing::TestWithParam<std::vector<std::size_t>> {};

// However the server cuts the stream, the window gets the same blocks in the same order.
TEST_P(PiecesOfSound, BecomeWholeBlocksInOrder) {
    std::vector<std::uint8_t> sound(256 * 5 + 100);
    std::iota(sound.begin(), sound.end(), std::uint8_t{7});
    BlockQueue queue;
    int wakes = 0;
    CaptureFeed feed(queue, [&wakes] { ++wakes; });
    std::size_t at = 0;
    for (std::size_t piece : GetParam()) {
        feed.write(std::span(sound).subspan(at, piece));
        at += piece;
    }
    feed.write(std::span(sound).subspan(at));
    EXPECT_EQ(feed.blocks(), 5u);
    EXPECT_EQ(wakes, 5);
    drawing::Block block{};
    for (std::size_t b = 0; b < 5; ++b) {
        ASSERT_TRUE(queue.pop(block));
        EXPECT_TRUE(std::equal(block.begin(), block.end(), sound.begin() + 256 * b)) << b;
    }
    EXPECT_FALSE(queue.pop(block));
}

INSTANTIATE_TEST_SUITE_P(Cuts, PiecesOfSound,
                         ::testing::Values(std::vector<std::size_t>{},
                                           std::vector<std::size_t>{256, 256, 256},
                                           std::vector<std::size_t>{1, 255, 257, 0, 511},
                                           std::vector<std::size_t>{1000}));

TEST(CaptureFeed, AFullQueueDropsAndCountsTheNewestBlocks) {
    BlockQueue queue;
    int wakes = 0;
    CaptureFeed feed(queue, [&wakes] { ++wakes; });
    const std::vector<std::uint8_t> block(256, 128);
    for (std::size_t i = 0; i < BlockQueue::kCapacity + 3; ++i) {
        feed.write(block);
    }
    EXPECT_EQ(feed.blocks(), BlockQueue::kCapacity + 3);
    EXPECT_EQ(queue.dropped(), 3u);
    EXPECT_EQ(wakes, static_cast<int>(BlockQueue::kCapacity));
    drawing::Block taken{};
    ASSERT_TRUE(queue.pop(taken));
    feed.write(block);  // room again
    EXPECT_EQ(queue.dropped(), 3u);
}

}  // namespace
}  // namespace orv::live
