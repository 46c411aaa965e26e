#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/blocks/sound_block.h"

namespace orv::blocks {

// Cuts a stream of samples into consecutive blocks of 256, as the live program records them.
// Samples are queued as they come (converted to the program's 8 bits) and taken out a block at a
// time; the queue keeps its storage, so a steady stream allocates nothing.
class BlockCutter {
  public:
    explicit BlockCutter(std::size_t expectedChunk = 0);

    void append(std::span<const float> mono);
    // Samples already in the program's 8 bits.
    void append(std::span<const std::uint8_t> samples);
    // The next whole block, if one is queued.
    bool takeWhole(Block& block);
    // What is left after the last whole block, filled up with silence; false when nothing is.
    bool takeRest(Block& block);
    std::size_t queued() const { return samples_.size() - start_; }

  private:
    void dropTaken();

    std::vector<std::uint8_t> samples_;
    std::size_t start_ = 0;
};

}  // namespace orv::blocks
