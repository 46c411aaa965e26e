#include "engine/blocks/sinc_resampler.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>

namespace orv::blocks {
namespace {

// Filters for this many fractions of an input sample, the nearest one taken: a million taps in
// all at most (4 MB, coming down from 192 kHz), 1024 fractions at most (up from 8 kHz, where an
// input sample is longest, the nearest is then at most 1/2048 of a sample off).
constexpr std::size_t kTapBudget = std::size_t{1} << 20U;
constexpr std::size_t kMostPhases = 1024;
constexpr int kZeroCrossings = 48;   // of the sinc each side, at the lower rate
constexpr double kPassBand = 0.957;  // of the lower rate's half
constexpr double kBeta = 8.0;        // Kaiser window: about 80 dB down beyond the band
// The first stage cuts at its new rate's half over a transition about 0.42 of that rate wide,
// which lies between the target's half and what folds back onto it when the first stage's rate
// is at least twice the target.
constexpr int kFirstStageZeroCrossings = 6;

// The whole factor a rate comes down by first: the largest that divides it and leaves at least
// twice the target rate; 1 when none does.
int firstStageFactor(int fromRate, int toRate) {
    for (int factor = fromRate / (2 * toRate); factor >= 2; --factor) {
        if (fromRate % factor == 0) return factor;
    }
    return 1;
}

// The most samples the first stage hands on at once for MAX_CHUNK of its input: a chunk's worth
// and what its filter held back.
std::size_t firstStageMost(std::size_t maxChunk, int factor) {
    if (factor == 1) return maxChunk;
    return maxChunk / static_cast<std::size_t>(factor) + 2 * std::size_t{kFirstStageZeroCrossings} +
           2;
}

// The zeroth-order modified Bessel function of the first kind, by its series.
double besselI0(double x) {
    double sum = 1;
    double term = 1;
    for (int k = 1; k < 40; ++k) {
        term *= (x / (2 * k)) * (x / (2 * k));
        sum += term;
    }
    return sum;
}

// Eight running sums side by side, so that the compiler can keep them in one vector register
// (taps come in even numbers; the rest after the eights is summed on its own).
float dot(const float* a, const float* b, std::size_t count) {
    std::array<float, 8> sums{};
    std::size_t k = 0;
    for (; k + 8 <= count; k += 8) {
        for (std::size_t lane = 0; lane < 8; ++lane) sums[lane] += a[k + lane] * b[k + lane];
    }
    float sum = 0;
    for (; k < count; ++k) sum += a[k] * b[k];
    for (const float lane : sums) sum += lane;
    return sum;
}

}  // namespace

SincResampler::SincResampler(int fromRate, int toRate, std::size_t maxChunk)
    : SincResampler(fromRate / firstStageFactor(fromRate, toRate), toRate,
                    firstStageMost(maxChunk, firstStageFactor(fromRate, toRate)),
                    {kPassBand, kZeroCrossings}) {
    if (fromRate_ != fromRate) {
        originalRate_ = fromRate;
        firstStage_ = std::unique_ptr<SincResampler>(new SincResampler(
            fromRate, static_cast<int>(fromRate_), maxChunk, {1.0, kFirstStageZeroCrossings}));
    }
}

SincResampler::SincResampler(int fromRate, int toRate, std::size_t maxChunk, Band band)
    : originalRate_(fromRate), fromRate_(fromRate), toRate_(toRate) {
    if (fromRate_ != toRate_) {
        // Below the lower rate's half: scaled to the input's samples when coming down.
        const double cutoff =
            band.passBand * 0.5 * std::min(1.0, static_cast<double>(toRate) / fromRate);
        halfTaps_ = static_cast<int>(std::ceil(band.zeroCrossings * 0.5 / cutoff));
        const std::size_t taps = 2 * static_cast<std::size_t>(halfTaps_);
        // Outputs fall on as many fractions of an input sample as the rates' ratio has in its
        // lowest terms: with no more phases than that, each output has its exact filter.
        const auto exactPhases = static_cast<std::size_t>(toRate / std::gcd(fromRate, toRate));
        phases_ = std::clamp<std::size_t>(std::min(kTapBudget / taps, exactPhases), 1, kMostPhases);
        filters_.resize((phases_ + 1) * taps);
        for (std::size_t phase = 0; phase <= phases_; ++phase) {
            const double fraction = static_cast<double>(phase) / static_cast<double>(phases_);
            for (std::size_t k = 0; k < taps; ++k) {
                // Tap k takes the input sample halfTaps_ - 1 - k before the output's whole time.
                const double t =
                    static_cast<double>(halfTaps_ - 1) - static_cast<double>(k) + fraction;
                const double x = 2 * cutoff * t;
                const double sinc =
                    x == 0 ? 1 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
                const double edge = t / (halfTaps_ + 1);
                const double window =
                    std::abs(edge) >= 1
                        ? 0
                        : besselI0(kBeta * std::sqrt(1 - edge * edge)) / besselI0(kBeta);
                filters_[static_cast<std::size_t>(phase) * taps + k] =
                    static_cast<float>(2 * cutoff * sinc * window);
            }
        }
    }
    input_.assign(maxChunk + 3 * static_cast<std::size_t>(halfTaps_) + 1, 0.0F);
    held_ = static_cast<std::size_t>(halfTaps_);  // silence before the first sample
    base_ = -halfTaps_;
    output_.resize((maxChunk + 2 * static_cast<std::size_t>(halfTaps_)) *
                       static_cast<std::size_t>(toRate_) / static_cast<std::size_t>(fromRate_) +
                   2);
}

std::span<const float> SincResampler::process(std::span<const float> chunk) {
    if (originalRate_ == toRate_) return chunk;
    received_ += static_cast<std::int64_t>(chunk.size());
    return take(firstStage_ ? firstStage_->process(chunk) : chunk);
}

std::span<const float> SincResampler::take(std::span<const float> chunk) {
    std::copy(chunk.begin(), chunk.end(), input_.begin() + static_cast<std::ptrdiff_t>(held_));
    held_ += chunk.size();
    return produce(held_);
}

std::span<const float> SincResampler::drain() {
    if (originalRate_ == toRate_ || halfTaps_ == 0) return {};
    // The samples owed end at the input's end; silence stands in for what follows it.
    if (firstStage_) {
        const std::span<const float> rest = firstStage_->drain();
        const std::size_t kept = std::min(rest.size(), input_.size() - held_);
        std::copy_n(rest.begin(), kept, input_.begin() + static_cast<std::ptrdiff_t>(held_));
        held_ += kept;
    }
    const std::size_t room = input_.size() - held_;
    const std::size_t pad = std::min(room, static_cast<std::size_t>(halfTaps_));
    std::fill_n(input_.begin() + static_cast<std::ptrdiff_t>(held_), pad, 0.0F);
    held_ += pad;
    const std::int64_t owed = (received_ * toRate_ + originalRate_ - 1) / originalRate_;
    std::span<const float> out = produce(held_);
    const std::int64_t extra = next_ - owed;
    if (extra > 0) {
        out = out.first(out.size() - static_cast<std::size_t>(std::min<std::int64_t>(
                                         extra, static_cast<std::int64_t>(out.size()))));
        next_ = owed;
    }
    received_ = 0;
    return out;
}

std::span<const float> SincResampler::produce(std::size_t available) {
    const std::size_t taps = 2 * static_cast<std::size_t>(halfTaps_);
    std::size_t count = 0;
    for (;;) {
        // Output n lies at input time n * from / to: sample `whole`, `fraction` of the way on.
        const std::int64_t time = next_ * fromRate_;
        const std::int64_t whole = time / toRate_;
        const std::int64_t first = whole - halfTaps_ + 1 - base_;  // its first tap in input_
        if (first < 0 || static_cast<std::size_t>(first) + taps > available ||
            count == output_.size())
            break;
        const double fraction = static_cast<double>(time % toRate_) / static_cast<double>(toRate_);
        const auto phase =
            static_cast<std::size_t>(std::lround(fraction * static_cast<double>(phases_)));
        const float* filter = filters_.data() + phase * taps;
        const float* x = input_.data() + first;
        output_[count++] = dot(filter, x, taps);
        ++next_;
    }
    // Keep only what later outputs still need.
    const std::int64_t needed = (next_ * fromRate_) / toRate_ - halfTaps_ + 1 - base_;
    const auto drop = static_cast<std::size_t>(
        std::clamp<std::int64_t>(needed, 0, static_cast<std::int64_t>(held_)));
    std::copy(input_.begin() + static_cast<std::ptrdiff_t>(drop),
              input_.begin() + static_cast<std::ptrdiff_t>(held_), input_.begin());
    held_ -= drop;
    base_ += static_cast<std::int64_t>(drop);
    return std::span<const float>(output_).first(count);
}

}  // namespace orv::blocks
