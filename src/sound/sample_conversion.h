#pragma once

#include <cstdint>
#include <span>

namespace orv::sound {

// The rate and silence of what the live program records: 8-bit unsigned mono at 11025 Hz.
inline constexpr int kProgramRate = 11025;
inline constexpr std::uint8_t kSilence = 128;

// One sample of a sound file (full scale -1..1) as the live program records it:
//     u = floor((s + 1) * 127.5 + 0.5), s first held within -1..1,
// so -1 gives 0, silence (0) gives 128 and +1 gives 255. Not-a-number is taken as silence.
std::uint8_t toProgramSample(float s);

// Averages each frame of interleaved samples into one mono sample. `mono` holds at least
// frames.size() / channels samples; returns how many were written.
std::size_t averageChannels(std::span<const float> frames, int channels, std::span<float> mono);

}  // namespace orv::sound
