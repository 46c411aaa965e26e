#include "linux/sound_files/block_reader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/blocks/sample_conversion.h"

namespace orv::sound_files {
namespace {

constexpr std::size_t kChunkFrames = 8192;

std::int64_t frameAt(double seconds, int rate) {
    return static_cast<std::int64_t>(std::llround(seconds * rate));
}

}  // namespace

BlockReader::BlockReader(const std::filesystem::path& file, const TimeRange& range)
    : file_(file),
      resampler_(file_.rate(), blocks::kSampleRate, kChunkFrames),
      cutter_(kChunkFrames * blocks::kSampleRate / static_cast<std::size_t>(file_.rate()) + 4096),
      frames_(kChunkFrames * static_cast<std::size_t>(file_.channels())),
      mono_(kChunkFrames) {
    const std::int64_t first = std::max<std::int64_t>(frameAt(range.from, file_.rate()), 0);
    std::int64_t last = file_.frames();
    if (range.to) last = std::min(last, frameAt(*range.to, file_.rate()));
    framesLeft_ = last - first;
    if (file_.frames() <= 0) throw SoundError(file.string() + ": the sound holds no samples");
    if (framesLeft_ <= 0) {
        throw SoundError(file.string() + ": no samples between --from and --to (the sound lasts " +
                         std::to_string(static_cast<double>(file_.frames()) / file_.rate()) +
                         " s)");
    }
    file_.seek(first);
    const auto samples =
        static_cast<std::int64_t>(std::ceil(static_cast<double>(framesLeft_) * blocks::kSampleRate /
                                            static_cast<double>(file_.rate())));
    blockCount_ = (samples + static_cast<std::int64_t>(blocks::kBlockSamples) - 1) /
                  static_cast<std::int64_t>(blocks::kBlockSamples);
}

bool BlockReader::next(blocks::Block& block) {
    while (!cutter_.takeWhole(block)) {
        if (ended_ || !refill()) return cutter_.takeRest(block);
    }
    return true;
}

bool BlockReader::refill() {
    const auto wanted = static_cast<std::size_t>(
        std::min<std::int64_t>(framesLeft_, static_cast<std::int64_t>(kChunkFrames)));
    const auto width = static_cast<std::size_t>(file_.channels());
    const std::size_t got = wanted > 0 ? file_.read({frames_.data(), wanted * width}) : 0;
    if (got == 0) {
        ended_ = true;
        for (auto rest = resampler_.drain(); !rest.empty(); rest = resampler_.drain()) {
            cutter_.append(rest);
        }
        return false;
    }
    framesLeft_ -= static_cast<std::int64_t>(got);
    const std::size_t count =
        blocks::averageChannels({frames_.data(), got * width}, file_.channels(), mono_);
    cutter_.append(resampler_.process({mono_.data(), count}));
    return true;
}

}  // namespace orv::sound_files
