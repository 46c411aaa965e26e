#include "engine/blocks/block_cutter.h"

#include <algorithm>

#include "engine/blocks/sample_conversion.h"

namespace orv::blocks {
namespace {
constexpr auto kWhole = static_cast<std::size_t>(kBlockSamples);
}  // namespace

BlockCutter::BlockCutter(std::size_t expectedChunk) {
    samples_.reserve(expectedChunk + kWhole);
}

void BlockCutter::dropTaken() {
    // Before growing, so the queue never holds more than one block's rest and one chunk.
    if (start_ > 0) {
        samples_.erase(samples_.begin(), samples_.begin() + static_cast<std::ptrdiff_t>(start_));
        start_ = 0;
    }
}

void BlockCutter::append(std::span<const float> mono) {
    dropTaken();
    for (const float s : mono) samples_.push_back(toProgramSample(s));
}

void BlockCutter::append(std::span<const std::uint8_t> samples) {
    dropTaken();
    samples_.insert(samples_.end(), samples.begin(), samples.end());
}

bool BlockCutter::takeWhole(Block& block) {
    if (queued() < kWhole) return false;
    std::copy_n(samples_.begin() + static_cast<std::ptrdiff_t>(start_), kWhole, block.begin());
    start_ += kWhole;
    return true;
}

bool BlockCutter::takeRest(Block& block) {
    if (takeWhole(block)) return true;
    const std::size_t rest = queued();
    if (rest == 0) return false;
    block.fill(kSilence);
    std::copy_n(samples_.begin() + static_cast<std::ptrdiff_t>(start_), rest, block.begin());
    start_ = samples_.size();
    return true;
}

}  // namespace orv::blocks
