#include "linux/render/frame_windows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "linux/support/sound_files.h"

namespace orv::render {
namespace {

using testing::ScratchFolder;

// At the program's own rate the levels pass unchanged: silence, then a level from `step` on.
std::vector<blocks::Block> frames(int samples, int step, FrameRate rate) {
    ScratchFolder folder;
    std::vector<float> sound(static_cast<std::size_t>(samples), 0.0F);
    for (int i = step; i < samples; ++i) sound[static_cast<std::size_t>(i)] = 0.5F;
    testing::writeSound(folder / "step.wav", blocks::kSampleRate, 1, sound);
    sound_files::BlockReader reader(folder / "step.wav", {});
    FrameWindows windows(reader, rate);
    std::vector<blocks::Block> out;
    blocks::Block window{};
    while (windows.next(window)) out.push_back(window);
    EXPECT_EQ(static_cast<std::int64_t>(out.size()), windows.frameCount());
    return out;
}

constexpr std::uint8_t kLevel = 192;  // 0.5 of full scale in 8 bits

struct Timing {
    FrameRate rate;
    int before;  // the frame whose time is the step's: silent
    int after;   // samples from the step to the next frame's time
};

class KeepingTime : public ::testing::TestWithParam<Timing> {};

// A step at 5.000 s: the frame ending there is silent, the next one shows the level.
TEST_P(KeepingTime, AtAnyFrameRate) {
    const auto got = frames(6 * blocks::kSampleRate, 5 * blocks::kSampleRate, GetParam().rate);
    ASSERT_GT(got.size(), static_cast<std::size_t>(GetParam().before + 1));
    for (const std::uint8_t sample : got[GetParam().before]) ASSERT_EQ(sample, blocks::kSilence);
    // The samples after the step, up to the next frame's time, and those only.
    const auto& after = got[GetParam().before + 1];
    EXPECT_EQ(std::count(after.begin(), after.end(), kLevel), std::min(256, GetParam().after));
    EXPECT_EQ(after.back(), kLevel);
}

INSTANTIATE_TEST_SUITE_P(Rates, KeepingTime,
                         ::testing::Values(Timing{{24, 1}, 119, 459}, Timing{{30, 1}, 149, 368},
                                           Timing{{60, 1}, 299, 184}));

// The last frame shows the sound's last 256 samples, however the sound ends.
TEST(TheLastFrame, ShowsTheLastSamples) {
    const auto got = frames(1000, 990, kBlockRate);
    ASSERT_EQ(got.size(), 4U);
    for (int i = 0; i < 246; ++i) EXPECT_EQ(got.back()[i], blocks::kSilence) << i;
    for (int i = 246; i < 256; ++i) EXPECT_EQ(got.back()[i], kLevel) << i;
    // Shorter than a block: the samples there are, after silence.
    const auto tiny = frames(10, 5, kBlockRate);
    ASSERT_EQ(tiny.size(), 1U);
    EXPECT_EQ(tiny[0][245], blocks::kSilence);
    EXPECT_EQ(tiny[0][250], blocks::kSilence);
    EXPECT_EQ(tiny[0][251], kLevel);
}

}  // namespace
}  // namespace orv::render
