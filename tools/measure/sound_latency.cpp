// Measures the time from a change in what the default output plays to the first block drawn
// that shows it, through the program's own windows, sound sources and capture loop, with
// "Звук компьютера" chosen. A player thread keeps the default output fed with short buffers of
// silence and steps the level up and down every second; a step begins when the buffer before
// it has been played.
#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "measured_program.h"
#include "windows/app/program.h"
#include "windows/capture/sound_sources.h"
#include "windows/win32/system_sound_sources.h"
#include "windows/win32/win32.h"

namespace {

using namespace orv;
using Clock = std::chrono::steady_clock;

constexpr std::uint8_t kLoud = 200;
constexpr int kBufferSamples = 110;  // 10 ms
constexpr int kStepBuffers = 100;    // a second between steps

std::atomic<bool> playing{true};
std::atomic<bool> loud{false};
std::atomic<Clock::rep> stepBegan{0};

// Plays into the default output until `playing` is cleared, the level stepping every second.
void play() {
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, 11025, 11025, 1, 8, 0};
    HANDLE done = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HWAVEOUT out = nullptr;
    if (waveOutOpen(&out, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(done), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        std::fprintf(stderr, "no default output to play into\n");
        CloseHandle(done);
        return;
    }
    std::array<std::array<char, kBufferSamples>, 3> samples{};
    std::array<WAVEHDR, 3> headers{};
    long written = 0;
    const auto write = [&](WAVEHDR& header, std::array<char, kBufferSamples>& data) {
        const bool stepLoud = (written / kStepBuffers) % 2 == 1;
        data.fill(static_cast<char>(stepLoud ? kLoud : 128));
        header = WAVEHDR{data.data(), kBufferSamples, 0, static_cast<DWORD_PTR>(written), 0,
                         0,           nullptr,        0};
        waveOutPrepareHeader(out, &header, sizeof header);
        waveOutWrite(out, &header, sizeof header);
        ++written;
    };
    for (std::size_t i = 0; i < headers.size(); ++i) write(headers[i], samples[i]);
    while (playing) {
        WaitForSingleObject(done, 100);
        for (std::size_t i = 0; i < headers.size(); ++i) {
            if ((headers[i].dwFlags & WHDR_DONE) == 0) continue;
            // The buffer before a step has been played: the step is playing now.
            if ((headers[i].dwUser + 1) % kStepBuffers == 0) {
                loud = ((headers[i].dwUser + 1) / kStepBuffers) % 2 == 1;
                stepBegan = Clock::now().time_since_epoch().count();
            }
            waveOutUnprepareHeader(out, &headers[i], sizeof headers[i]);
            write(headers[i], samples[i]);
        }
    }
    waveOutReset(out);
    for (WAVEHDR& header : headers) waveOutUnprepareHeader(out, &header, sizeof header);
    waveOutClose(out);
    CloseHandle(done);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 12.0;
    win32::SystemSoundSources sound;
    measure::MeasuredProgram run(sound.sources);
    app::Program& measured = run.program();
    if (!measured.Main()) return 1;
    measured.capture().selectDevice(std::string(capture::kOutputMark));

    std::vector<double> latencies;
    bool shownLoud = false;
    Clock::rep measuredStep = 0;
    auto draw = measured.capture().DrawFrame;
    measured.capture().DrawFrame = [&] {
        draw();
        const auto& block = measured.capture().SampleBuffer();
        const bool blockLoud = std::any_of(block.begin(), block.end() - 1,
                                           [](std::uint8_t s) { return s > kLoud - 10; });
        const Clock::rep began = stepBegan;
        if (began == 0 || began == measuredStep || blockLoud != loud || blockLoud == shownLoud)
            return;
        shownLoud = blockLoud;
        measuredStep = began;
        const auto now = Clock::now().time_since_epoch();
        latencies.push_back(
            std::chrono::duration<double, std::milli>(now - Clock::duration(began)).count());
        // For a recorder outside Wine: the clock here is Linux's CLOCK_MONOTONIC_RAW.
        std::printf("drawn %d %.6f\n", blockLoud ? 1 : 0,
                    std::chrono::duration<double>(now).count());
        std::fflush(stdout);
    };
    std::thread player(play);
    run.captureFor(seconds);
    playing = false;
    player.join();

    if (latencies.empty()) {
        std::printf("no step was drawn: is the default output's sound recorded?\n");
        return 0;
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("steps drawn              %8zu\n", latencies.size());
    std::printf("played to picture, least  %8.1f ms\n", latencies.front());
    std::printf("played to picture, median %8.1f ms\n", latencies[latencies.size() / 2]);
    std::printf("played to picture, most   %8.1f ms\n", latencies.back());
    return 0;
}
