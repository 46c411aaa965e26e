#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/blocks/program_sound_converter.h"
#include "engine/blocks/sound_block.h"

namespace orv::capture {

// The samples an output endpoint mixes in: interleaved frames of `channels` samples, each
// `containerBits` wide (16, 24 or 32), integer or float. Integer samples narrower than their
// container sit in its high bits, so reading the whole container gives the right level.
struct MixFormat {
    bool isFloat = false;
    int containerBits = 16;
    int channels = 2;
    int rate = 48000;
};

// Turns what an output plays, as the endpoint hands it over in packets, into the program's
// 256-sample blocks: the channels' mean, at 11025 Hz, by the same 8-bit rule as a sound file.
// An output hands over nothing while nothing plays, so the time since the stream began fills
// such gaps with silence at the block rate. Holds everything it needs from the start.
class LoopbackBlocks {
  public:
    // `maxPacketFrames`: the most frames one packet holds.
    LoopbackBlocks(const MixFormat& format, std::size_t maxPacketFrames);

    // One packet of `frames` frames. A silent one is taken as silence whatever it holds; after
    // a discontinuity the unfinished block is dropped, so no block joins sound across a break.
    void addPacket(std::span<const std::uint8_t> bytes, std::size_t frames, bool silent,
                   bool discontinuity);
    // Pads with silence what the clock (samples at 11025 Hz since the stream began) says is
    // missing, once that is more than a block.
    void fillGapUntil(std::int64_t clockSamples);
    // The oldest finished block, if any. Only the newest few are kept, so a reader that fell
    // behind never gets a burst of stale ones.
    bool takeBlock(blocks::Block& block);

  private:
    void appendSilence(std::int64_t count);
    void push(std::uint8_t sample);

    static constexpr std::size_t kKeptBlocks = 2;

    MixFormat format_;
    std::size_t maxPacketFrames_;
    std::vector<float> frames_;
    blocks::ProgramSoundConverter converter_;
    std::vector<blocks::Block> finished_;  // a ring of kKeptBlocks
    std::size_t oldest_ = 0;
    std::size_t finishedCount_ = 0;
    blocks::Block filling_{};
    std::size_t filled_ = 0;
    std::int64_t produced_ = 0;  // samples handed on, silence included, at 11025 Hz
};

}  // namespace orv::capture
