#include "engine/blocks/sample_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <vector>

namespace orv::blocks {
namespace {

struct Conversion {
    float sample;
    int expected;
};

class ToProgramSample : public ::testing::TestWithParam<Conversion> {};

TEST_P(ToProgramSample, GivesTheRecordedByte) {
    EXPECT_EQ(toProgramSample(GetParam().sample), GetParam().expected) << GetParam().sample;
}

INSTANTIATE_TEST_SUITE_P(
    EndsSilenceAndBeyond, ToProgramSample,
    ::testing::Values(Conversion{-1.0F, 0}, Conversion{1.0F, 255}, Conversion{0.0F, 128},
                      Conversion{-0.0F, 128}, Conversion{-4.0F, 0}, Conversion{4.0F, 255},
                      Conversion{-std::numeric_limits<float>::infinity(), 0},
                      Conversion{std::numeric_limits<float>::infinity(), 255},
                      Conversion{std::numeric_limits<float>::quiet_NaN(), 128},
                      Conversion{-0.5F, 64}, Conversion{0.5F, 192}, Conversion{0.5F / 128.0F, 129},
                      Conversion{0.49F / 128.0F, 128}, Conversion{-0.51F / 128.0F, 127}));

// An 8-bit sound file reads as (u - 128) / 128; it must draw exactly what recording it would.
TEST(ToProgramSampleRange, GivesEveryByteOfAnEightBitSoundBack) {
    for (int byte = 0; byte <= 255; ++byte) {
        EXPECT_EQ(toProgramSample(static_cast<float>(byte - 128) / 128.0F), byte);
    }
}

TEST(ToProgramSampleRange, RisesWithTheSampleAndReachesEveryByte) {
    std::set<int> seen;
    int previous = 0;
    for (int step = -20000; step <= 20000; ++step) {
        const int byte = toProgramSample(static_cast<float>(step) / 20000.0F);
        EXPECT_GE(byte, previous);
        previous = byte;
        seen.insert(byte);
    }
    EXPECT_EQ(seen.size(), 256U);
}

struct Averaging {
    std::vector<float> frames;
    int channels;
    std::vector<float> expected;
};

class AverageChannels : public ::testing::TestWithParam<Averaging> {};

TEST_P(AverageChannels, GivesOneSampleAFrame) {
    const Averaging& a = GetParam();
    std::vector<float> mono(a.frames.size() + 1, 99.0F);
    const std::size_t count = averageChannels(a.frames, a.channels, mono);
    ASSERT_EQ(count, a.expected.size());
    for (std::size_t i = 0; i < count; ++i) EXPECT_FLOAT_EQ(mono[i], a.expected[i]) << i;
    EXPECT_EQ(mono[count], 99.0F);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, AverageChannels,
    ::testing::Values(Averaging{{0.25F, -0.5F, 1.0F}, 1, {0.25F, -0.5F, 1.0F}},
                      Averaging{{1.0F, -1.0F, 0.5F, 0.5F}, 2, {0.0F, 0.5F}},
                      Averaging{{0.3F, 0.6F, 0.9F, -0.3F, -0.6F, -0.9F}, 3, {0.6F, -0.6F}},
                      // A frame missing its last channels is no frame.
                      Averaging{{1.0F, 1.0F, 0.5F}, 2, {1.0F}}, Averaging{{}, 2, {}}));

}  // namespace
}  // namespace orv::blocks
