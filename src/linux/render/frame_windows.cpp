#include "linux/render/frame_windows.h"

#include <algorithm>

namespace orv::render {

FrameWindows::FrameWindows(sound_files::BlockReader& reader, FrameRate rate)
    : reader_(reader), rate_(rate) {
    recent_.fill(blocks::kSilence);  // before the sound's start
}

std::int64_t FrameWindows::frameCountFor(std::int64_t samples) const {
    const std::int64_t per = blocks::kSampleRate * rate_.seconds;
    return std::max<std::int64_t>((samples * rate_.frames + per - 1) / per, 1);
}

std::optional<std::int64_t> FrameWindows::frameCount() const {
    const std::optional<std::int64_t> samples = reader_.sampleCount();
    if (!samples) return std::nullopt;
    return frameCountFor(*samples);
}

std::int64_t FrameWindows::endOf(std::int64_t index) const {
    const std::int64_t numerator = (index + 1) * blocks::kSampleRate * rate_.seconds;
    return (2 * numerator + rate_.frames) / (2 * rate_.frames);  // rounded to the nearest
}

bool FrameWindows::pullBlock() {
    blocks::Block block{};
    if (!reader_.next(block)) return false;
    std::copy(recent_.begin() + blocks::kBlockSamples, recent_.end(), recent_.begin());
    std::copy(block.begin(), block.end(), recent_.begin() + blocks::kBlockSamples);
    readEnd_ += blocks::kBlockSamples;
    return true;
}

bool FrameWindows::next(blocks::Block& window) {
    std::int64_t end = endOf(emitted_);
    while (!ended_ && readEnd_ < end) ended_ = !pullBlock();
    const std::int64_t samples = reader_.samplesHandedOut();
    if (ended_ && emitted_ >= frameCountFor(samples)) return false;
    end = std::min(end, samples);  // short of the block read only at the sound's end
    // `end` lies in the newer block: the window reaches back into the older one.
    const std::int64_t offset = end - readEnd_ + blocks::kBlockSamples;
    if (end < blocks::kBlockSamples) {
        // A sound shorter than a block: its samples, after silence.
        window.fill(blocks::kSilence);
        std::copy_n(recent_.begin() + blocks::kBlockSamples, end,
                    window.begin() + (blocks::kBlockSamples - end));
    } else {
        std::copy_n(recent_.begin() + offset, blocks::kBlockSamples, window.begin());
    }
    ++emitted_;
    return true;
}

}  // namespace orv::render
