// Plays known sound into the test environment's null sink from the Windows side, in the
// program's own format (unsigned 8-bit, 11025 Hz, mono). The sink and its monitor use the
// same format, so every byte played arrives at the wave-input device unchanged: a constant
// level L gives blocks that are all L, for every L from 0 to 255.
#pragma once

#include <windows.h>

#include <mmsystem.h>  // needs windows.h first

#include <cstdint>
#include <string_view>
#include <vector>

namespace orv::testing {

class SoundPlayer {
  public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Plays `samples` over and over until stop() or destruction; replaces what was
    // playing. False if no wave-output device could be opened.
    bool play(std::vector<std::uint8_t> samples);
    // Plays the constant level `level` without end.
    bool playLevel(std::uint8_t level);
    // Plays into the output device named `name` (a sink of its own) from the next Play on,
    // instead of the system's default; false when there is no such device.
    bool useDevice(std::wstring_view name);
    void stop();
    bool playing() const { return device_ != nullptr; }

    static constexpr DWORD kSampleRate = 11025;

  private:
    UINT output_ = WAVE_MAPPER;
    HWAVEOUT device_ = nullptr;
    WAVEHDR header_{};
    std::vector<std::uint8_t> samples_;
};

}  // namespace orv::testing
