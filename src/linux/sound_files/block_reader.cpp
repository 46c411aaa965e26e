#include "linux/sound_files/block_reader.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "engine/blocks/sample_conversion.h"

namespace orv::sound_files {
namespace {

constexpr std::size_t kChunkFrames = 8192;

std::int64_t frameAt(double seconds, int rate) {
    return static_cast<std::int64_t>(std::llround(seconds * rate));
}

// The frames RANGE picks from a sound of RATE holding FRAMES (when known): the first, and
// the end when there is one.
struct FrameRange {
    std::int64_t first;
    std::optional<std::int64_t> end;
};

FrameRange framesOf(const TimeRange& range, int rate, std::optional<std::int64_t> frames) {
    FrameRange picked{std::max<std::int64_t>(frameAt(range.from, rate), 0), frames};
    if (range.to) picked.end = std::min(frames.value_or(INT64_MAX), frameAt(*range.to, rate));
    return picked;
}

std::string lasting(std::int64_t frames, int rate) {
    return " (the sound lasts " + std::to_string(static_cast<double>(frames) / rate) + " s)";
}

}  // namespace

std::size_t mixDown(std::span<const float> frames, int channels, const DrawnSound& drawn,
                    std::span<float> mono) {
    const auto width = static_cast<std::size_t>(channels);
    std::size_t count = std::min(frames.size() / width, mono.size());
    if (drawn.channel) {
        for (std::size_t frame = 0; frame < count; ++frame) {
            mono[frame] = frames[frame * width + static_cast<std::size_t>(*drawn.channel)];
        }
    } else {
        count = blocks::averageChannels(frames, channels, mono);
    }
    if (drawn.gain != 1) {
        for (std::size_t frame = 0; frame < count; ++frame) mono[frame] *= drawn.gain;
    }
    return count;
}

float peakLevel(const std::filesystem::path& file, const TimeRange& range,
                const DrawnSound& drawn) {
    if (!std::filesystem::is_regular_file(file)) {
        throw SoundError(file.string() +
                         ": --normalize reads the sound twice, and only a file can be");
    }
    SoundFile sound(file);
    const FrameRange picked = framesOf(range, sound.rate(), sound.frames());
    std::int64_t left = picked.end.value_or(0) - picked.first;
    sound.seek(picked.first);
    std::vector<float> frames(kChunkFrames * static_cast<std::size_t>(sound.channels()));
    std::vector<float> mono(kChunkFrames);
    float peak = 0;
    while (left > 0) {
        const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(left, kChunkFrames));
        const std::size_t got =
            sound.read({frames.data(), wanted * static_cast<std::size_t>(sound.channels())});
        if (got == 0) break;
        left -= static_cast<std::int64_t>(got);
        const std::size_t count =
            mixDown({frames.data(), got * static_cast<std::size_t>(sound.channels())},
                    sound.channels(), drawn, mono);
        for (std::size_t i = 0; i < count; ++i) {
            if (std::isfinite(mono[i])) peak = std::max(peak, std::abs(mono[i]));
        }
    }
    return peak;
}

BlockReader::BlockReader(const std::filesystem::path& file, const TimeRange& range,
                         StopRequested stopRequested, DrawnSound drawn)
    : name_(file),
      file_(file, std::move(stopRequested)),
      resampler_(file_.rate(), blocks::kSampleRate, kChunkFrames),
      cutter_(kChunkFrames * blocks::kSampleRate / static_cast<std::size_t>(file_.rate()) + 4096),
      frames_(kChunkFrames * static_cast<std::size_t>(file_.channels())),
      mono_(kChunkFrames),
      drawn_(drawn) {
    if (drawn_.channel && *drawn_.channel >= file_.channels()) {
        throw SoundError(file.string() + ": has " + std::to_string(file_.channels()) +
                         " channels, so no channel " + std::to_string(*drawn_.channel + 1));
    }
    const FrameRange picked = framesOf(range, file_.rate(), file_.frames());
    if (file_.frames() && *file_.frames() <= 0) {
        throw SoundError(file.string() + ": the sound holds no samples");
    }
    if (picked.end) {
        framesLeft_ = *picked.end - picked.first;
        if (*framesLeft_ <= 0 && file_.frames()) {
            throw SoundError(file.string() + ": no samples between --from and --to" +
                             lasting(*file_.frames(), file_.rate()));
        }
    }
    file_.seek(picked.first);
    if (framesLeft_ && file_.frames()) {
        const auto samples = static_cast<std::int64_t>(
            std::ceil(static_cast<double>(*framesLeft_) * blocks::kSampleRate /
                      static_cast<double>(file_.rate())));
        sampleCount_ = samples;
        blockCount_ = (samples + blocks::kBlockSamples - 1) / blocks::kBlockSamples;
    }
}

bool BlockReader::cutShort() const {
    const bool endedEarly = ended_ && framesLeft_ && *framesLeft_ > 0 && file_.frames();
    return file_.cutShort() || file_.readFailed() || endedEarly;
}

bool BlockReader::next(blocks::Block& block) {
    if (blockCount_ && handedOut_ >= *blockCount_) return false;
    if (!takeBlock(block)) {
        // The resampler can give a few samples fewer than the rounded-up count: the blocks
        // owed are silent. A stream of unknown length owes one block if it gave a sample.
        if (!blockCount_ && handedOut_ > 0) return false;
        if (!blockCount_ && framesRead_ == 0) {
            throw SoundError(name_.string() + ": no samples between --from and --to");
        }
        block.fill(blocks::kSilence);
        samplesHandedOut_ += blocks::kBlockSamples;
    }
    ++handedOut_;
    if (sampleCount_) samplesHandedOut_ = std::min(samplesHandedOut_, *sampleCount_);
    return true;
}

bool BlockReader::takeBlock(blocks::Block& block) {
    while (!cutter_.takeWhole(block)) {
        if (ended_ || !refill()) {
            samplesHandedOut_ += static_cast<std::int64_t>(
                std::min<std::size_t>(cutter_.queued(), blocks::kBlockSamples));
            return cutter_.takeRest(block);
        }
    }
    samplesHandedOut_ += blocks::kBlockSamples;
    return true;
}

bool BlockReader::refill() {
    const auto wanted = static_cast<std::size_t>(
        std::min<std::int64_t>(framesLeft_.value_or(kChunkFrames), kChunkFrames));
    const auto width = static_cast<std::size_t>(file_.channels());
    const std::size_t got = wanted > 0 ? file_.read({frames_.data(), wanted * width}) : 0;
    if (got == 0) {
        ended_ = true;
        for (auto rest = resampler_.drain(); !rest.empty(); rest = resampler_.drain()) {
            cutter_.append(rest);
        }
        return false;
    }
    if (framesLeft_) *framesLeft_ -= static_cast<std::int64_t>(got);
    framesRead_ += static_cast<std::int64_t>(got);
    const std::span<float> samples(frames_.data(), got * width);
    silenceNonFinite(samples);
    if (tap_) tap_(samples);
    const std::size_t count = mixDown(samples, file_.channels(), drawn_, mono_);
    cutter_.append(resampler_.process({mono_.data(), count}));
    return true;
}

// A NaN would spread through the resampler's filter and blank whole frames.
void BlockReader::silenceNonFinite(std::span<float> samples) {
    for (float& sample : samples) {
        if (!std::isfinite(sample)) {
            sample = 0;
            ++nonFinite_;
        }
    }
}

}  // namespace orv::sound_files
