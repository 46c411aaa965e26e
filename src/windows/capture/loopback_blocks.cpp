#include "windows/capture/loopback_blocks.h"

#include <algorithm>
#include <cstring>

#include "engine/blocks/sample_conversion.h"

namespace orv::capture {

namespace {

float decodeSample(const std::uint8_t* p, const MixFormat& format) {
    if (format.isFloat) {
        float value = 0;
        std::memcpy(&value, p, sizeof value);
        return value;
    }
    // Little-endian, placed in the high bits of a 32-bit word so that every width reads alike.
    std::uint32_t word = 0;
    const int bytes = format.containerBits / 8;
    for (int i = 0; i < bytes; ++i) word |= std::uint32_t{p[i]} << (8 * (4 - bytes + i));
    return static_cast<float>(static_cast<std::int32_t>(word)) / 2147483648.0F;
}

}  // namespace

LoopbackBlocks::LoopbackBlocks(const MixFormat& format, std::size_t maxPacketFrames)
    : format_(format),
      maxPacketFrames_(maxPacketFrames),
      frames_(maxPacketFrames * static_cast<std::size_t>(format.channels)),
      converter_(format.rate, format.channels, maxPacketFrames),
      finished_(kKeptBlocks) {}

void LoopbackBlocks::addPacket(std::span<const std::uint8_t> bytes, std::size_t frames, bool silent,
                               bool discontinuity) {
    if (discontinuity) filled_ = 0;
    const auto channels = static_cast<std::size_t>(format_.channels);
    const auto sampleBytes = static_cast<std::size_t>(format_.containerBits / 8);
    frames = std::min({frames, maxPacketFrames_, bytes.size() / (channels * sampleBytes)});
    const std::size_t samples = frames * channels;
    for (std::size_t i = 0; i < samples; ++i)
        frames_[i] = silent ? 0.0F : decodeSample(&bytes[i * sampleBytes], format_);
    for (const std::uint8_t sample :
         converter_.convert(std::span<const float>(frames_).first(samples)))
        push(sample);
}

void LoopbackBlocks::fillGapUntil(std::int64_t clockSamples) {
    const std::int64_t missing = clockSamples - produced_;
    if (missing > blocks::kBlockSamples) appendSilence(missing);
    // Sound that comes faster than the clock is the clock's fault: a later gap counts from now.
    if (produced_ > clockSamples) produced_ = clockSamples;
}

bool LoopbackBlocks::takeBlock(blocks::Block& block) {
    if (finishedCount_ == 0) return false;
    block = finished_[oldest_];
    oldest_ = (oldest_ + 1) % kKeptBlocks;
    --finishedCount_;
    return true;
}

void LoopbackBlocks::appendSilence(std::int64_t count) {
    for (std::int64_t i = 0; i < count; ++i) push(blocks::kSilence);
}

void LoopbackBlocks::push(std::uint8_t sample) {
    ++produced_;
    filling_[filled_++] = sample;
    if (filled_ < filling_.size()) return;
    filled_ = 0;
    if (finishedCount_ == kKeptBlocks) {
        oldest_ = (oldest_ + 1) % kKeptBlocks;
        --finishedCount_;
    }
    finished_[(oldest_ + finishedCount_) % kKeptBlocks] = filling_;
    ++finishedCount_;
}

}  // namespace orv::capture
