#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "engine/blocks/block_cutter.h"
#include "linux/sound_files/resampler.h"
#include "linux/sound_files/sound_file.h"

namespace orv::sound_files {

// The part of a sound to read, in seconds from its start; no end means up to the file's end.
struct TimeRange {
    double from = 0;
    std::optional<double> to;
};

// A sound file read as the live program would have recorded it: channels averaged, resampled
// to 11025 Hz, converted to 8 bits and cut into consecutive 256-sample blocks from the start
// of the range. The last, partial block is filled up with silence. Streams the file: memory
// does not grow with its length.
class BlockReader {
  public:
    // Throws SoundError for a file that cannot be read or a range holding no samples.
    BlockReader(const std::filesystem::path& file, const TimeRange& range);

    // The next block; false once the range is read.
    bool next(blocks::Block& block);
    // How many blocks the range gives (the last partial one included).
    std::int64_t blockCount() const { return blockCount_; }
    // The file ends before its header says, or its data could not all be decoded.
    bool cutShort() const { return file_.cutShort() || file_.readFailed(); }

  private:
    // Reads, averages and resamples the next chunk into the cutter; false at the end.
    bool refill();

    SoundFile file_;
    std::int64_t framesLeft_ = 0;
    std::int64_t blockCount_ = 0;
    Resampler resampler_;
    blocks::BlockCutter cutter_;
    std::vector<float> frames_;
    std::vector<float> mono_;
    bool ended_ = false;
};

}  // namespace orv::sound_files
