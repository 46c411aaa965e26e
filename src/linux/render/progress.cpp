#include "linux/render/progress.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "engine/blocks/sound_block.h"

namespace orv::render {
namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedrawEvery = std::chrono::milliseconds(200);

std::string clock(double seconds) {
    const auto whole = static_cast<long>(std::lround(seconds));
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%ld:%02ld", whole / 60, whole % 60);
    return text.data();
}

}  // namespace

Progress::Progress(std::ostream& out, std::optional<std::int64_t> total, bool shown)
    : out_(out),
      total_(total ? std::optional(std::max<std::int64_t>(*total, 1)) : std::nullopt),
      shown_(shown) {}

std::string Progress::line(std::int64_t done, std::optional<std::int64_t> total, double elapsed) {
    if (!total) {
        const double sound =
            static_cast<double>(done * blocks::kBlockSamples) / blocks::kSampleRate;
        return std::to_string(done) + " frames, " + clock(sound) + " of sound drawn";
    }
    const double share =
        std::clamp(static_cast<double>(done) / static_cast<double>(*total), 0.0, 1.0);
    const auto filled = static_cast<int>(share * kBarWidth);
    std::string text = "[" + std::string(static_cast<std::size_t>(filled), '#') +
                       std::string(static_cast<std::size_t>(kBarWidth - filled), ' ') + "] ";
    text += std::to_string(static_cast<int>(share * 100)) + "% " + std::to_string(done) + "/" +
            std::to_string(*total) + " frames, ";
    text += done > 0 ? clock(elapsed * (1 - share) / share) + " left" : "time left unknown";
    return text;
}

void Progress::advance(std::int64_t done) {
    if (!shown_) return;
    const Clock::time_point now = Clock::now();
    if (now - drawn_ < kRedrawEvery && (!total_ || done < *total_)) return;
    drawn_ = now;
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    out_ << '\r' << line(done, total_, elapsed) << "\x1b[K" << std::flush;
}

void Progress::finish() {
    if (shown_) out_ << "\r\x1b[K" << std::flush;
}

}  // namespace orv::render
