#include "engine/blocks/block_cutter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/blocks/sample_conversion.h"

namespace orv::blocks {
namespace {

struct Cutting {
    int samples;
    int chunk;  // samples appended at a time
    int wholeBlocks;
    bool rest;
};

class BlockCutting : public ::testing::TestWithParam<Cutting> {};

// The samples are levels 0..255 over and over, so each byte says where it came from.
float level(int i) {
    return static_cast<float>(i % 256 - 128) / 128.0F;
}

TEST_P(BlockCutting, KeepsOrderAndFillsTheRestWithSilence) {
    const Cutting& c = GetParam();
    BlockCutter cutter;
    std::vector<std::uint8_t> out;
    Block block{};
    for (int start = 0; start < c.samples; start += c.chunk) {
        std::vector<float> chunk;
        for (int i = start; i < std::min(start + c.chunk, c.samples); ++i)
            chunk.push_back(level(i));
        cutter.append(chunk);
        while (cutter.takeWhole(block)) out.insert(out.end(), block.begin(), block.end());
    }
    EXPECT_EQ(out.size(), static_cast<std::size_t>(c.wholeBlocks) * kBlockSamples);
    ASSERT_EQ(cutter.takeRest(block), c.rest);
    if (c.rest) out.insert(out.end(), block.begin(), block.end());
    EXPECT_FALSE(cutter.takeRest(block));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int expected =
            i < static_cast<std::size_t>(c.samples) ? static_cast<int>(i % 256) : kSilence;
        ASSERT_EQ(out[i], expected) << "sample " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Lengths, BlockCutting,
                         ::testing::Values(Cutting{0, 1, 0, false}, Cutting{1, 1, 0, true},
                                           Cutting{255, 100, 0, true}, Cutting{256, 256, 1, false},
                                           Cutting{257, 7, 1, true}, Cutting{600, 1000, 2, true},
                                           Cutting{1024, 3, 4, false}));

}  // namespace
}  // namespace orv::blocks
