#pragma once

#include <cstdint>
#include <span>

#include "engine/blocks/sound_block.h"

namespace orv::blocks {

// One sample of a sound file (full scale -1..1) as the live program records it:
//     u = min(floor(128 + 128 * s + 0.5), 255), s first held within -1..1,
// so -1 gives 0, silence (0) gives 128 and +1 gives 255. The scale is that of 8-bit sound
// itself (a byte u reads as (u - 128) / 128), so an 8-bit file comes back byte for byte and a
// 16-bit one as its high byte, rounded. Not-a-number is taken as silence.
std::uint8_t toProgramSample(float s);

// Averages each frame of interleaved samples into one mono sample. `mono` holds at least
// frames.size() / channels samples; returns how many were written.
std::size_t averageChannels(std::span<const float> frames, int channels, std::span<float> mono);

}  // namespace orv::blocks
