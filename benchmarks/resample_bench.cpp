// The resampler without a library, one block's worth of input at a time: its share of the
// 23.2 ms a block of sound lasts, and what it allocates once running (nothing).

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "allocation_count.h"
#include "draw_frame_fixture.h"
#include "engine/blocks/sinc_resampler.h"
#include "engine/blocks/sound_block.h"

namespace {

void ResampleBlock(benchmark::State& state) {
    const auto rate = static_cast<int>(state.range(0));
    // The input one block of output takes, as a capture would hand it over.
    const auto chunk =
        static_cast<std::size_t>(rate * orv::blocks::kBlockSamples / orv::blocks::kSampleRate);
    std::vector<float> input(chunk);
    for (std::size_t i = 0; i < chunk; ++i)
        input[i] = static_cast<float>(std::sin(0.01 * static_cast<double>(i)));
    orv::blocks::SincResampler resampler(rate, orv::blocks::kSampleRate, chunk);
    resampler.process(input);
    state.counters["allocations"] =
        static_cast<double>(orv::bench::allocationsOf([&] { resampler.process(input); }));
    for (auto _ : state) benchmark::DoNotOptimize(resampler.process(input).data());
    state.counters["of_block_%"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * orv::bench::kBlockSeconds / 100,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(ResampleBlock)
    ->Arg(8000)
    ->Arg(44100)
    ->Arg(48000)
    ->Arg(96000)
    ->Arg(192000)
    ->ArgNames({"rate"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
