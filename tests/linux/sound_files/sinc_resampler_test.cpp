#include "engine/blocks/sinc_resampler.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

#include "engine/blocks/sample_conversion.h"
#include "engine/blocks/sound_block.h"
#include "linux/sound_files/resampler.h"

namespace orv::blocks {
namespace {

constexpr std::size_t kChunk = 4096;

// Either resampler over the whole sound, a chunk at a time, then drained; as 8-bit samples.
template <typename Resampler>
std::vector<int> eightBit(Resampler& resampler, const std::vector<float>& sound) {
    std::vector<int> out;
    const auto keep = [&](std::span<const float> samples) {
        for (const float s : samples) out.push_back(toProgramSample(s));
    };
    for (std::size_t at = 0; at < sound.size(); at += kChunk) {
        keep(resampler.process(std::span(sound).subspan(at, std::min(kChunk, sound.size() - at))));
    }
    for (auto rest = resampler.drain(); !rest.empty(); rest = resampler.drain()) keep(rest);
    return out;
}

enum class Signal { Sine, Sweep, Noise };

std::vector<float> signal(Signal kind, int rate) {
    std::vector<float> sound(static_cast<std::size_t>(rate));  // one second
    std::mt19937 random(7);
    std::uniform_real_distribution<float> noise(-0.6F, 0.6F);
    for (std::size_t i = 0; i < sound.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        switch (kind) {
            case Signal::Sine:
                sound[i] = static_cast<float>(0.8 * std::sin(2 * std::numbers::pi * 1000 * t));
                break;
            case Signal::Sweep:  // 50 Hz to 3.5 kHz
                sound[i] =
                    static_cast<float>(0.8 * std::sin(2 * std::numbers::pi * (50 + 1725 * t) * t));
                break;
            case Signal::Noise:
                sound[i] = noise(random);
                break;
        }
    }
    return sound;
}

struct Conversion {
    int rate;
    Signal signal;
};

class MatchingLibsoxr : public ::testing::TestWithParam<Conversion> {};

// The same sound through both, after the 8-bit step: tones within a level, noise within an
// RMS level (it holds all of the band up to the cut-off, where filters differ most).
TEST_P(MatchingLibsoxr, AfterTheEightBitStep) {
    const std::vector<float> sound = signal(GetParam().signal, GetParam().rate);
    SincResampler ours(GetParam().rate, kSampleRate, kChunk);
    sound_files::Resampler soxr(GetParam().rate, kSampleRate, kChunk);
    const std::vector<int> a = eightBit(ours, sound);
    const std::vector<int> b = eightBit(soxr, sound);
    ASSERT_NEAR(static_cast<double>(a.size()), static_cast<double>(b.size()), 1);
    double worst = 0;
    double squares = 0;
    const std::size_t count = std::min(a.size(), b.size());
    for (std::size_t i = 64; i + 64 < count; ++i) {  // the ends hold the filters' own edges
        const double difference = a[i] - b[i];
        worst = std::max(worst, std::abs(difference));
        squares += difference * difference;
    }
    const double rms = std::sqrt(squares / static_cast<double>(count - 128));
    if (GetParam().signal == Signal::Noise) {
        EXPECT_LT(rms, 1.0);
    } else {
        EXPECT_LE(worst, 1.0) << "rms " << rms;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rates, MatchingLibsoxr,
    ::testing::Values(Conversion{8000, Signal::Sweep}, Conversion{22050, Signal::Sine},
                      Conversion{44100, Signal::Sweep}, Conversion{48000, Signal::Sweep},
                      Conversion{48000, Signal::Noise}, Conversion{96000, Signal::Sine},
                      Conversion{192000, Signal::Sweep}, Conversion{192000, Signal::Noise}));

}  // namespace
}  // namespace orv::blocks
