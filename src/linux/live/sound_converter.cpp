#include "linux/live/sound_converter.h"

#include <algorithm>

#include "engine/blocks/sample_conversion.h"

namespace orv::live {
namespace {
// A few blocks of the fastest source: a server rarely hands more at once.
constexpr std::size_t kChunkFrames = 4096;
}  // namespace

SoundConverter::SoundConverter(int rate, int channels)
    : rate_(std::max(rate, 1)),
      channels_(std::max(channels, 1)),
      resampler_(rate_, blocks::kSampleRate, kChunkFrames),
      mono_(kChunkFrames) {}

void SoundConverter::convert(std::span<const float> frames, SoundSink& sink) {
    const std::size_t chunk = kChunkFrames * static_cast<std::size_t>(channels_);
    while (!frames.empty()) {
        const std::span<const float> part = frames.first(std::min(frames.size(), chunk));
        frames = frames.subspan(part.size());
        const std::span<float> mono(mono_.data(), blocks::averageChannels(part, channels_, mono_));
        for (std::span<const float> resampled = resampler_.process(mono); !resampled.empty();) {
            const std::size_t piece = std::min(resampled.size(), samples_.size());
            std::transform(resampled.begin(),
                           resampled.begin() + static_cast<std::ptrdiff_t>(piece), samples_.begin(),
                           blocks::toProgramSample);
            sink.write({samples_.data(), piece});
            resampled = resampled.subspan(piece);
        }
    }
}

std::size_t SoundConverter::samplesIn(std::size_t bytes) const {
    const std::size_t frames = bytes / (sizeof(float) * static_cast<std::size_t>(channels_));
    return frames * blocks::kSampleRate / static_cast<std::size_t>(rate_);
}

}  // namespace orv::live
