#include "engine/blocks/sample_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace orv::blocks {

std::uint8_t toProgramSample(float s) {
    if (std::isnan(s)) return kSilence;
    const float held = std::clamp(s, -1.0F, 1.0F);
    const float byte = std::floor(128.0F + 128.0F * held + 0.5F);
    return static_cast<std::uint8_t>(std::min(byte, 255.0F));
}

std::size_t averageChannels(std::span<const float> frames, int channels, std::span<float> mono) {
    const auto width = static_cast<std::size_t>(std::max(channels, 1));
    const std::size_t count = std::min(frames.size() / width, mono.size());
    for (std::size_t f = 0; f < count; ++f) {
        float sum = 0;
        for (std::size_t c = 0; c < width; ++c) sum += frames[f * width + c];
        mono[f] = sum / static_cast<float>(width);
    }
    return count;
}

}  // namespace orv::blocks
