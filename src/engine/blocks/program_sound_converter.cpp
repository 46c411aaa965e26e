#include "engine/blocks/program_sound_converter.h"

#include <algorithm>

#include "engine/blocks/sample_conversion.h"
#include "engine/blocks/sound_block.h"

namespace orv::blocks {

ProgramSoundConverter::ProgramSoundConverter(int rate, int channels, std::size_t maxChunkFrames)
    : channels_(std::max(channels, 1)),
      mono_(maxChunkFrames),
      resampler_(std::max(rate, 1), kSampleRate, maxChunkFrames),
      samples_(resampler_.maxOutput()) {}

std::span<const std::uint8_t> ProgramSoundConverter::convert(std::span<const float> frames) {
    const std::size_t count = averageChannels(frames, channels_, mono_);
    const std::span<const float> resampled =
        resampler_.process(std::span<const float>(mono_).first(count));
    std::transform(resampled.begin(), resampled.end(), samples_.begin(), toProgramSample);
    return std::span<const std::uint8_t>(samples_).first(resampled.size());
}

}  // namespace orv::blocks
