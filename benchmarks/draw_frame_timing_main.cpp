// DrawFrame on the raster pane, for every style and pen width, timed with a plain loop: the
// Windows build has no Google Benchmark library, and this prints the same figures under Wine,
// with what drawing one block allocates (it should be nothing).

#include <algorithm>
#include <chrono>
#include <cstdio>

#include "allocation_count.h"
#include "draw_frame_fixture.h"
#include "engine/drawing/style_choice.h"

namespace {

// The best of several runs of enough blocks to last about 20 ms, in seconds per block.
double secondsPerBlock(int style, int width) {
    using Clock = std::chrono::steady_clock;
    orv::bench::DrawFrameFixture fixture(style, width);
    fixture.DrawFrame();
    long blocks = 1;
    double best = 1e9;
    for (int run = 0; run < 7; ++run) {
        for (;;) {
            const auto start = Clock::now();
            for (long b = 0; b < blocks; ++b) fixture.DrawFrame();
            const double took = std::chrono::duration<double>(Clock::now() - start).count();
            if (took >= 0.02) {
                best = std::min(best, took / static_cast<double>(blocks));
                break;
            }
            blocks *= 2;
        }
    }
    return best;
}

}  // namespace

int main() {
    std::printf("%-6s %-6s %14s %12s %12s\n", "style", "width", "us per block", "of block %",
                "allocations");
    for (int style = 0; style < orv::drawing::kStyleCount; ++style) {
        for (const int width : {1, 4}) {
            const double s = secondsPerBlock(style, width);
            orv::bench::DrawFrameFixture fixture(style, width);
            fixture.DrawFrame();  // the first block may set things up
            const auto allocations = orv::bench::allocationsOf([&] { fixture.DrawFrame(); });
            std::printf("%-6d %-6d %14.1f %12.3f %12llu\n", style, width, s * 1e6,
                        100 * s / orv::bench::kBlockSeconds,
                        static_cast<unsigned long long>(allocations));
        }
    }
    return 0;
}
