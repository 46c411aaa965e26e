#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "engine/drawing/block_drawing.h"

namespace orv::live {

// Hands whole blocks from the capture thread to the window's thread: one writer, one reader, a
// fixed ring, no locks and no allocation. A block that finds the ring full is dropped and
// counted, so a stalled window loses the newest sound rather than blocking the capture.
class BlockQueue {
  public:
    static constexpr std::size_t kCapacity = 128;  // about three seconds of sound

    // Writer side. False when the ring was full and the block was dropped.
    bool push(const drawing::Block& block) {
        const std::size_t head = head_.load(std::memory_order_relaxed);
        if (head - tail_.load(std::memory_order_acquire) == kCapacity) {
            dropped_.fetch_add(1, std::memory_order_relaxed);
            return false;
        }
        slots_[head % kCapacity] = block;
        head_.store(head + 1, std::memory_order_release);
        return true;
    }

    // Reader side. False when no block is waiting.
    bool pop(drawing::Block& block) {
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        if (tail == head_.load(std::memory_order_acquire)) {
            return false;
        }
        block = slots_[tail % kCapacity];
        tail_.store(tail + 1, std::memory_order_release);
        return true;
    }

    std::uint64_t dropped() const { return dropped_.load(std::memory_order_relaxed); }

  private:
    std::array<drawing::Block, kCapacity> slots_{};
    std::atomic<std::size_t> head_{0};
    std::atomic<std::size_t> tail_{0};
    std::atomic<std::uint64_t> dropped_{0};
};

}  // namespace orv::live
