#include "linux/sound_files/resampler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/blocks/sample_conversion.h"
#include "linux/support/sound_files.h"

namespace orv::sound_files {
namespace {

constexpr double kSeconds = 2.0;

struct RateChange {
    int fromRate;
    double hertz;
};

class Resampling : public ::testing::TestWithParam<RateChange> {};

// Streams a tone through in uneven chunks, as the reader does.
std::vector<float> resample(const std::vector<float>& in, int fromRate) {
    constexpr std::size_t kChunk = 5000;
    Resampler resampler(fromRate, blocks::kSampleRate, kChunk);
    std::vector<float> out;
    for (std::size_t start = 0; start < in.size(); start += kChunk) {
        const std::size_t count = std::min(kChunk, in.size() - start);
        const auto part = resampler.process({in.data() + start, count});
        out.insert(out.end(), part.begin(), part.end());
    }
    for (auto rest = resampler.drain(); !rest.empty(); rest = resampler.drain()) {
        out.insert(out.end(), rest.begin(), rest.end());
    }
    return out;
}

TEST_P(Resampling, KeepsTheLengthAndTheTonesFrequency) {
    const auto [fromRate, hertz] = GetParam();
    const std::vector<float> out = resample(testing::sine(hertz, fromRate, kSeconds), fromRate);
    EXPECT_NEAR(static_cast<double>(out.size()), kSeconds * blocks::kSampleRate, 2.0);
    // Upward zero crossings over the middle second, away from the filter's edges.
    int crossings = 0;
    const auto begin = static_cast<std::size_t>(blocks::kSampleRate / 2);
    for (std::size_t i = begin; i < begin + blocks::kSampleRate; ++i) {
        if (out[i - 1] < 0 && out[i] >= 0) ++crossings;
    }
    EXPECT_NEAR(crossings, hertz, 1.0);
    float peak = 0;
    for (std::size_t i = begin; i < begin + blocks::kSampleRate; ++i) peak = std::max(peak, out[i]);
    EXPECT_NEAR(peak, 0.5F, 0.02F);
}

INSTANTIATE_TEST_SUITE_P(Rates, Resampling,
                         ::testing::Values(RateChange{44100, 1000}, RateChange{48000, 440},
                                           RateChange{8000, 3000}, RateChange{96000, 5000},
                                           RateChange{22050, 100},
                                           RateChange{blocks::kSampleRate, 2500}));

TEST(ResamplingAtTheProgramsRate, PassesSamplesThrough) {
    const std::vector<float> in = testing::sine(123, blocks::kSampleRate, 0.1);
    EXPECT_EQ(resample(in, blocks::kSampleRate), in);
}

}  // namespace
}  // namespace orv::sound_files
