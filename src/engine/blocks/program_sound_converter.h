#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/blocks/sinc_resampler.h"

namespace orv::blocks {

// Turns interleaved float frames of any channel count and rate into the program's sound by the
// renderer's rule: the channels' mean, then 11025 Hz, then 8 bits. Every program that records
// sound as it comes goes through here, so one sound gives the same bytes in all of them. Holds
// its buffers from the start, so converting a chunk allocates nothing.
class ProgramSoundConverter {
  public:
    // `maxChunkFrames` is the most frames any one chunk will hold.
    ProgramSoundConverter(int rate, int channels, std::size_t maxChunkFrames);

    // The program's samples that this chunk completes; valid until the next call. Frames past
    // `maxChunkFrames` are not taken.
    std::span<const std::uint8_t> convert(std::span<const float> frames);

    int channels() const { return channels_; }
    // The most samples one call hands back.
    std::size_t maxOutput() const { return samples_.size(); }

  private:
    int channels_;
    std::vector<float> mono_;
    SincResampler resampler_;
    std::vector<std::uint8_t> samples_;
};

}  // namespace orv::blocks
