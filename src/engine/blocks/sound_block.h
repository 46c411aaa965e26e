#pragma once

#include <array>
#include <cstdint>

namespace orv::blocks {

// The sound every program draws: 8-bit unsigned mono at 11025 samples a second, taken 256
// samples at a time. A byte u stands for the level (u - 128) / 128, so 128 is silence.
inline constexpr int kSampleRate = 11025;
inline constexpr int kBlockSamples = 256;
inline constexpr std::uint8_t kSilence = 128;
using Block = std::array<std::uint8_t, kBlockSamples>;

}  // namespace orv::blocks
