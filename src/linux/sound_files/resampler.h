#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <vector>

struct soxr;

namespace orv::sound_files {

// Streaming change of sample rate for one channel (libsoxr, high quality, one thread so the
// result is the same on every run). From a rate to itself it passes the samples through.
class Resampler {
  public:
    Resampler(double fromRate, double toRate, std::size_t maxChunk);
    ~Resampler();
    Resampler(const Resampler&) = delete;
    Resampler& operator=(const Resampler&) = delete;

    // The samples at the new rate that this chunk completes; valid until the next call.
    std::span<const float> process(std::span<const float> chunk);
    // What the resampler still holds once the input has ended; empty when nothing is left.
    std::span<const float> drain();

  private:
    struct Release {
        void operator()(soxr* resampler) const;
    };
    std::unique_ptr<soxr, Release> soxr_;
    std::vector<float> out_;
};

}  // namespace orv::sound_files
