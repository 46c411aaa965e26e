#include "linux/live/capture_feed.h"

#include <algorithm>
#include <utility>

namespace orv::live {

CaptureFeed::CaptureFeed(BlockQueue& queue, std::function<void()> wake)
    : queue_(queue), wake_(std::move(wake)) {}

void CaptureFeed::write(std::span<const std::uint8_t> samples) {
    while (!samples.empty()) {
        const std::size_t taken = std::min(samples.size(), block_.size() - filled_);
        std::copy_n(samples.begin(), taken, block_.begin() + static_cast<std::ptrdiff_t>(filled_));
        filled_ += taken;
        samples = samples.subspan(taken);
        if (filled_ == block_.size()) {
            filled_ = 0;
            last_ = std::chrono::steady_clock::now();
            if (blocks_.fetch_add(1, std::memory_order_relaxed) == 0) {
                first_ = last_;
            }
            if (queue_.push(block_)) {
                wake_();
            }
        }
    }
}

void CaptureFeed::end() {
    ended_.store(true, std::memory_order_release);
    wake_();
}

void CaptureFeed::lose(std::size_t samples) {
    lostSamples_.fetch_add(samples, std::memory_order_relaxed);
}

}  // namespace orv::live
