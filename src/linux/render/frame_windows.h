#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/blocks/sound_block.h"
#include "linux/render/frame_rate.h"
#include "linux/sound_files/block_reader.h"

namespace orv::render {

// The sound as the frames of a video show it: each frame the 256 samples that end at its time
// (frame k at (k + 1) / rate), so that frames keep time with the sound at any rate; blocks
// overlap or are skipped between frames. The last frame shows the sound's last 256 samples;
// only a sound shorter than that is filled up with silence, before it. At the block rate the
// frames are the blocks, but for the last.
class FrameWindows {
  public:
    FrameWindows(sound_files::BlockReader& reader, FrameRate rate);

    // The next frame's samples; false after the last frame.
    bool next(blocks::Block& window);
    // Frames the sound gives, when its length is known: one for every frame time begun.
    std::optional<std::int64_t> frameCount() const;

  private:
    std::int64_t frameCountFor(std::int64_t samples) const;
    // The sample where frame `index`'s window ends.
    std::int64_t endOf(std::int64_t index) const;
    bool pullBlock();

    sound_files::BlockReader& reader_;
    FrameRate rate_;
    std::int64_t emitted_ = 0;
    // The last two blocks read, the newer second, and the sample that ends the newer.
    std::array<std::uint8_t, 2UL * blocks::kBlockSamples> recent_{};
    std::int64_t readEnd_ = 0;
    bool ended_ = false;
};

}  // namespace orv::render
