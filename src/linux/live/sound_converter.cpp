#include "linux/live/sound_converter.h"

#include <algorithm>

#include "engine/blocks/sound_block.h"

namespace orv::live {
namespace {
// A few blocks of the fastest source: a server rarely hands more at once.
constexpr std::size_t kChunkFrames = 4096;
}  // namespace

SoundConverter::SoundConverter(int rate, int channels)
    : rate_(std::max(rate, 1)), converter_(rate_, channels, kChunkFrames) {}

void SoundConverter::convert(std::span<const float> frames, SoundSink& sink) {
    const std::size_t chunk = kChunkFrames * static_cast<std::size_t>(converter_.channels());
    while (!frames.empty()) {
        const std::span<const float> part = frames.first(std::min(frames.size(), chunk));
        frames = frames.subspan(part.size());
        const std::span<const std::uint8_t> samples = converter_.convert(part);
        if (!samples.empty()) sink.write(samples);
    }
}

std::size_t SoundConverter::samplesIn(std::size_t bytes) const {
    const std::size_t frames =
        bytes / (sizeof(float) * static_cast<std::size_t>(converter_.channels()));
    return frames * blocks::kSampleRate / static_cast<std::size_t>(rate_);
}

}  // namespace orv::live
