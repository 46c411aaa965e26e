// Measures the real capture path under Windows (or Wine): the program's own windows, the winmm
// device and the capture loop, for ten seconds. It counts the blocks the device hands back and
// the blocks drawn, and prints both against the 11025 / 256 blocks a second that the format
// allows; and it times showing one block in the pane.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>

#include "measured_program.h"
#include "windows/app/program.h"
#include "windows/win32/win32.h"

namespace {

using namespace orv;

std::atomic<long> handedBack{0};
std::atomic<capture::WaveInProc> programCallback{nullptr};

void countingCallback(capture::WaveInHandle device, unsigned message, std::uintptr_t instance,
                      std::uintptr_t first, std::uintptr_t second) {
    if (message == capture::kWimData) handedBack.fetch_add(1);
    programCallback.load()(device, message, instance, first, second);
}

// The real device, with every buffer it hands back counted on the way to the program.
class CountingWaveIn final : public capture::WaveInDevice {
  public:
    unsigned getNumDevs() override { return real_.getNumDevs(); }
    capture::MmResult getDevCaps(unsigned deviceId, std::string& name) override {
        return real_.getDevCaps(deviceId, name);
    }
    capture::MmResult open(capture::WaveInHandle* handle, unsigned deviceId,
                           const capture::WaveFormat& format, capture::WaveInProc callback,
                           std::uintptr_t instance, std::uint32_t flags) override {
        programCallback = callback;
        return real_.open(handle, deviceId, format, &countingCallback, instance, flags);
    }
    capture::MmResult start(capture::WaveInHandle h) override { return real_.start(h); }
    capture::MmResult prepareHeader(capture::WaveInHandle h, capture::WaveHeader* header,
                                    unsigned size) override {
        return real_.prepareHeader(h, header, size);
    }
    capture::MmResult addBuffer(capture::WaveInHandle h, capture::WaveHeader* header,
                                unsigned size) override {
        return real_.addBuffer(h, header, size);
    }
    capture::MmResult unprepareHeader(capture::WaveInHandle h, capture::WaveHeader* header,
                                      unsigned size) override {
        return real_.unprepareHeader(h, header, size);
    }
    capture::MmResult reset(capture::WaveInHandle h) override { return real_.reset(h); }
    capture::MmResult stop(capture::WaveInHandle h) override { return real_.stop(h); }
    capture::MmResult close(capture::WaveInHandle h) override { return real_.close(h); }

  private:
    win32::WinmmWaveIn real_;
};

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    constexpr double kBlocksPerSecond = 11025.0 / 256.0;

    CountingWaveIn waveIn;
    measure::MeasuredProgram run(waveIn);
    app::Program& measured = run.program();
    if (!measured.Main()) return 1;

    // Showing one block: the pane's picture copied to the screen, the grid drawn over it.
    constexpr int kShows = 2000;
    const auto showStart = std::chrono::steady_clock::now();
    for (int i = 0; i < kShows; ++i) measured.frmMain().pctSpec.refresh();
    const double showMicroseconds =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - showStart)
            .count() /
        kShows;

    long drawn = 0;
    auto draw = measured.capture().DrawFrame;
    measured.capture().DrawFrame = [&] {
        ++drawn;
        draw();
    };
    const auto start = std::chrono::steady_clock::now();
    run.captureFor(seconds);
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const long back = handedBack.load();
    std::printf("capture seconds          %8.2f\n", elapsed);
    std::printf("blocks handed back       %8ld  (%.2f a second)\n", back, back / elapsed);
    std::printf("blocks drawn             %8ld  (%.2f a second)\n", drawn, drawn / elapsed);
    std::printf("theoretical              %8.2f a second\n", kBlocksPerSecond);
    std::printf("drawn / theoretical      %8.1f %%\n", 100.0 * drawn / elapsed / kBlocksPerSecond);
    std::printf("drawn / handed back      %8.1f %%\n", back > 0 ? 100.0 * drawn / back : 0.0);
    std::printf("showing one block        %8.1f us  (%.2f %% of the %.1f ms block)\n",
                showMicroseconds, showMicroseconds / (10000.0 / kBlocksPerSecond),
                1000.0 / kBlocksPerSecond);
    return 0;
}
