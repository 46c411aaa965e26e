#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
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

// What of the sound is drawn: every channel averaged or one of them (0 the first, the left),
// made louder or softer by a factor before the 8-bit step.
struct DrawnSound {
    std::optional<int> channel;
    float gain = 1;
};

// The drawn channel, or the channels' mean, of interleaved frames into `mono`, with the gain;
// the frames written.
std::size_t mixDown(std::span<const float> frames, int channels, const DrawnSound& drawn,
                    std::span<float> mono);

// The loudest sample of the drawn sound over the range (full scale 1), read in a pass of its own
// (for --normalize). Throws SoundError for a stream, which cannot be read twice.
float peakLevel(const std::filesystem::path& file, const TimeRange& range, const DrawnSound& drawn);

// A sound file read as the live program would have recorded it: channels averaged, resampled
// to 11025 Hz, converted to 8 bits and cut into consecutive 256-sample blocks from the start
// of the range. The last, partial block is filled up with silence. Streams the file: memory
// does not grow with its length.
class BlockReader {
  public:
    // Throws SoundError for a file that cannot be read or a range holding no samples. A stream
    // ends early once `stopRequested` says so.
    BlockReader(const std::filesystem::path& file, const TimeRange& range,
                StopRequested stopRequested = {}, DrawnSound drawn = {});

    // Gets each chunk of the range's sound as it is read, before its blocks are handed out:
    // interleaved floats at the file's rate, samples that are not numbers made silent.
    using SoundTap = std::function<void(std::span<const float>)>;
    void tapSound(SoundTap tap) { tap_ = std::move(tap); }

    // The next block; false once the range is read. Throws SoundError when a stream of unknown
    // length ends before the range holds a sample.
    bool next(blocks::Block& block);
    // How many blocks the range gives (the last partial one included): one for every 256
    // samples begun. Nothing for a stream of unknown length.
    std::optional<std::int64_t> blockCount() const { return blockCount_; }
    // The 8-bit samples the range gives, when known: ceil(frames x 11025 / rate).
    std::optional<std::int64_t> sampleCount() const { return sampleCount_; }
    // The samples handed out so far, not counting the silence that fills up the last block.
    std::int64_t samplesHandedOut() const { return samplesHandedOut_; }
    // The file ends before its header says, or its data could not all be decoded.
    bool cutShort() const;
    // Samples read that were not numbers (NaN or infinite), drawn and passed on as silence.
    std::int64_t nonFiniteSamples() const { return nonFinite_; }
    int rate() const { return file_.rate(); }
    int channels() const { return file_.channels(); }

  private:
    // A whole block, or the partial last one; false once the sound read is used up.
    bool takeBlock(blocks::Block& block);
    // Reads, averages and resamples the next chunk into the cutter; false at the end.
    bool refill();
    void silenceNonFinite(std::span<float> samples);

    std::filesystem::path name_;
    SoundFile file_;
    std::optional<std::int64_t> framesLeft_;
    std::optional<std::int64_t> blockCount_;
    std::optional<std::int64_t> sampleCount_;
    std::int64_t samplesHandedOut_ = 0;
    std::int64_t handedOut_ = 0;
    std::int64_t framesRead_ = 0;
    std::int64_t nonFinite_ = 0;
    Resampler resampler_;
    blocks::BlockCutter cutter_;
    std::vector<float> frames_;
    std::vector<float> mono_;
    SoundTap tap_;
    DrawnSound drawn_;
    bool ended_ = false;
};

}  // namespace orv::sound_files
