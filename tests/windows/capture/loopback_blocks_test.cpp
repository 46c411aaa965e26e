// What an output plays, packet by packet in the endpoint's own format, as the program's blocks.
#include "windows/capture/loopback_blocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "engine/blocks/sample_conversion.h"

namespace orv::capture {
namespace {

constexpr float kLevel = 0.5F;  // the channels' mean in every packet
constexpr int kPacketMs = 10;

struct Case {
    MixFormat format;
    bool silent;
    int gapMs;  // after the sound, the time with no packets
};

// A packet whose channels differ but average kLevel, in `format`'s samples.
std::vector<std::uint8_t> packet(const MixFormat& format, std::size_t frames) {
    const auto bytes = static_cast<std::size_t>(format.containerBits / 8);
    std::vector<std::uint8_t> out(frames * static_cast<std::size_t>(format.channels) * bytes);
    for (std::size_t i = 0; i < out.size() / bytes; ++i) {
        const float s = kLevel + ((i % 2 == 0) ? 0.25F : -0.25F);
        if (format.isFloat) {
            std::memcpy(&out[i * bytes], &s, sizeof s);
            continue;
        }
        const auto word = static_cast<std::uint32_t>(
            static_cast<std::int32_t>(std::lround(static_cast<double>(s) * 2147483647.0)));
        for (std::size_t b = 0; b < bytes; ++b)
            out[i * bytes + b] = (word >> (8 * (4 - bytes + b))) & 0xFF;
    }
    return out;
}

class LoopbackBlocksTest : public ::testing::TestWithParam<Case> {};

TEST_P(LoopbackBlocksTest, SoundAtTheLevelThenSilenceAtTheBlockRateThroughAGap) {
    const Case c = GetParam();
    const auto frames = static_cast<std::size_t>(c.format.rate * kPacketMs / 1000);
    LoopbackBlocks loopback(c.format, frames);
    const std::vector<std::uint8_t> bytes = packet(c.format, frames);
    std::vector<blocks::Block> taken;
    const auto poll = [&](int ms) {
        loopback.fillGapUntil(std::int64_t{ms} * blocks::kSampleRate / 1000);
        for (blocks::Block b{}; loopback.takeBlock(b);) taken.push_back(b);
    };
    int ms = 0;
    for (; ms < 500; ms += kPacketMs) {
        loopback.addPacket(bytes, frames, c.silent, ms == 250);
        poll(ms + kPacketMs);
    }
    const std::size_t soundBlocks = taken.size();
    for (; ms < 500 + c.gapMs; ms += kPacketMs) poll(ms + kPacketMs);

    const std::uint8_t level = c.silent ? blocks::kSilence : blocks::toProgramSample(kLevel);
    // The first block holds the resampler's edge, the last the sound's end; between, the level.
    EXPECT_NEAR(static_cast<double>(soundBlocks), 500.0 / 23.22 - 1, 2.0);
    for (std::size_t i = 1; i + 1 < soundBlocks; ++i)
        EXPECT_EQ(taken[i][128], level) << "block " << i;
    const std::size_t gapBlocks = taken.size() - soundBlocks;
    EXPECT_NEAR(static_cast<double>(gapBlocks), c.gapMs / 23.22, 1.5);
    blocks::Block silence{};
    silence.fill(blocks::kSilence);
    for (std::size_t i = soundBlocks + 1; i < taken.size(); ++i)
        EXPECT_EQ(taken[i], silence) << "gap block " << i;
}

INSTANTIATE_TEST_SUITE_P(Formats, LoopbackBlocksTest,
                         ::testing::Values(Case{{true, 32, 2, 48000}, false, 0},
                                           Case{{true, 32, 6, 96000}, false, 300},
                                           Case{{false, 16, 2, 44100}, false, 200},
                                           Case{{false, 16, 6, 48000}, false, 0},
                                           Case{{false, 24, 2, 96000}, false, 0},
                                           Case{{false, 32, 2, 44100}, false, 0},
                                           Case{{true, 32, 2, 44100}, true, 100}));

}  // namespace
}  // namespace orv::capture
