#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "engine/drawing/block_drawing.h"
#include "linux/live/block_queue.h"
#include "linux/live/sound_server.h"

namespace orv::live {

// Cuts the recorded sound into whole blocks and queues each for the window, waking the window
// once per block. Counts what it queued and what the server lost.
class CaptureFeed final : public SoundSink {
  public:
    CaptureFeed(BlockQueue& queue, std::function<void()> wake);

    void write(std::span<const std::uint8_t> samples) override;
    void lose(std::size_t samples) override;
    void end() override;

    std::uint64_t blocks() const { return blocks_.load(std::memory_order_relaxed); }
    std::uint64_t lostSamples() const { return lostSamples_.load(std::memory_order_relaxed); }
    // The sound stopped coming for good (the server went away).
    bool ended() const { return ended_.load(std::memory_order_acquire); }
    // From the first whole block to the last; read it once the recording has stopped.
    std::chrono::duration<double> span() const { return last_ - first_; }

  private:
    BlockQueue& queue_;
    std::function<void()> wake_;
    drawing::Block block_{};
    std::size_t filled_ = 0;
    std::atomic<std::uint64_t> blocks_{0};
    std::atomic<std::uint64_t> lostSamples_{0};
    std::atomic<bool> ended_{false};
    std::chrono::steady_clock::time_point first_;
    std::chrono::steady_clock::time_point last_;
};

}  // namespace orv::live
