#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace orv::blocks {

// Streaming change of sample rate for one channel by a windowed-sinc (Kaiser) filter in
// polyphase form, for a program with no resampling library: its output is centred on the input
// (no delay), and cut off a little below the lower rate's half. Holds its buffers from the
// start, so converting a chunk allocates nothing. From a rate to itself it passes samples
// through. A rate far above the target is first brought down by a whole factor through a short
// filter, which makes the exact filter after it several times shorter.
class SincResampler {
  public:
    // `maxChunk` is the most samples any one chunk will hold.
    SincResampler(int fromRate, int toRate, std::size_t maxChunk);

    // The samples at the new rate that this chunk completes; valid until the next call.
    std::span<const float> process(std::span<const float> chunk);
    // What is still held once the input has ended (the input taken as silence beyond it).
    std::span<const float> drain();
    // The most samples one call hands back.
    std::size_t maxOutput() const { return output_.size(); }

  private:
    // The filter's cut-off, as a fraction of the lower rate's half, and its length in zero
    // crossings of the sinc each side.
    struct Band {
        double passBand;
        int zeroCrossings;
    };
    SincResampler(int fromRate, int toRate, std::size_t maxChunk, Band band);
    std::span<const float> take(std::span<const float> chunk);
    std::span<const float> produce(std::size_t available);

    std::int64_t originalRate_;  // of the input; fromRate_ is after the first stage
    std::unique_ptr<SincResampler> firstStage_;
    std::int64_t fromRate_;
    std::int64_t toRate_;
    int halfTaps_ = 0;  // input samples each side of an output's time
    std::size_t phases_ = 0;
    std::vector<float> filters_;  // phases_ + 1 filters of 2 * halfTaps_ taps
    std::vector<float> input_;    // the samples still needed, from input_[0] = sample base_
    std::size_t held_ = 0;
    std::int64_t base_ = 0;      // the input sample at input_[0]
    std::int64_t next_ = 0;      // the next output sample
    std::int64_t received_ = 0;  // input samples taken in
    std::vector<float> output_;
};

}  // namespace orv::blocks
