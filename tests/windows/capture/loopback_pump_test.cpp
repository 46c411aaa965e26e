// An output's stream polled into the engine's buffer while the output moves, goes or cannot be
// opened again: blocks keep coming at the block rate, from the output that plays now.
#include "windows/capture/loopback_pump.h"

#include <gtest/gtest.h>

#include "engine/blocks/sample_conversion.h"
#include "windows/support/scripted_endpoint_stream.h"

namespace orv::testing {
namespace {

using capture::StreamOpen;

constexpr float kFirst = 0.5F;
constexpr float kSecond = -0.25F;
constexpr int kEventMs = 300;

struct FaultCase {
    const char* what;
    std::string output;
    bool moves;  // at kEventMs the default output moves, else the output is gone
    StreamOpen reopens;
    float lastLevel;  // 0: silence
    bool lost;
    std::size_t leastOpens;
};

class LoopbackPumpFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(LoopbackPumpFaults, BlocksGoOnAtTheBlockRateFromTheOutputPlayingNow) {
    const FaultCase c = GetParam();
    ScriptedEndpointStream stream;
    stream.opens = {StreamOpen::kOpened, c.reopens};
    stream.levels = {kFirst, kSecond};
    capture::LoopbackPump pump(stream);
    ASSERT_EQ(pump.open(c.output), StreamOpen::kOpened);

    capture::WaveHeader header{};
    blocks::Block buffer{};
    header.lpData = reinterpret_cast<char*>(buffer.data());
    header.dwBufferLength = blocks::kBlockSamples;
    int handed = 0;
    for (int ms = 10; ms <= 1000; ms += 10) {
        if (ms == kEventMs) (c.moves ? stream.moved : stream.invalidated) = true;
        stream.release();
        if (!pump.holdsBuffer()) pump.queue(&header);
        if (pump.step(std::int64_t{ms} * blocks::kSampleRate / 1000) == &header) ++handed;
    }
    const std::uint8_t last =
        c.lastLevel == 0 ? blocks::kSilence : blocks::toProgramSample(c.lastLevel);
    EXPECT_EQ(buffer[128], last) << c.what;
    // A reopened stream drops its unfinished block, as after any discontinuity.
    EXPECT_NEAR(handed, 1000 / 23.22, 3) << c.what;
    EXPECT_EQ(pump.lost(), c.lost) << c.what;
    EXPECT_GE(stream.opened.size(), c.leastOpens) << c.what;
    EXPECT_EQ(stream.opened.back(), c.output) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LoopbackPumpFaults,
    ::testing::Values(
        FaultCase{"the default output moves", "", true, StreamOpen::kOpened, kSecond, false, 2},
        FaultCase{"the default output is gone", "", false, StreamOpen::kOpened, kSecond, false, 2},
        FaultCase{"no output to go on from", "", false, StreamOpen::kRefused, 0, false, 3},
        FaultCase{"an output chosen by name is gone", "Orvanta", false, StreamOpen::kOpened, 0,
                  true, 1},
        FaultCase{"a chosen output stays when the default moves", "Orvanta", true,
                  StreamOpen::kOpened, kFirst, false, 1}));

}  // namespace
}  // namespace orv::testing
