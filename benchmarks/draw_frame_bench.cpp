// DrawFrame on the raster pane, for every style and pen width, with Google Benchmark. The
// "of_block" column is the share of the 23.2 ms a block of sound lasts, in per cent;
// "allocations" counts what drawing one block allocates (it should be nothing).

#include <benchmark/benchmark.h>

#include "allocation_count.h"
#include "draw_frame_fixture.h"

namespace {

void DrawFrame(benchmark::State& state) {
    orv::bench::DrawFrameFixture fixture(static_cast<int>(state.range(0)),
                                         static_cast<int>(state.range(1)));
    fixture.DrawFrame();  // the first block may set things up
    state.counters["allocations"] =
        static_cast<double>(orv::bench::allocationsOf([&] { fixture.DrawFrame(); }));
    for (auto _ : state) {
        fixture.DrawFrame();
        benchmark::DoNotOptimize(fixture.pane.pixels().data());
        benchmark::ClobberMemory();
    }
    // seconds / (iterations x 1 % of a block) = per cent of a block per iteration
    state.counters["of_block_%"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * orv::bench::kBlockSeconds / 100,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(DrawFrame)
    ->ArgsProduct({benchmark::CreateDenseRange(0, 24, 1), {1, 4}})
    ->ArgNames({"style", "width"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
