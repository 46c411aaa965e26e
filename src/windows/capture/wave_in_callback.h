#pragma once

#include <atomic>
#include <cstdint>

#include "windows/capture/wave_in.h"

namespace orv::capture {

// Set to True (-1) by the audio system's thread when the device hands the buffer back, and to
// False (0) by the capture loop before it queues the buffer. The only value the two threads share.
inline std::atomic<std::int16_t> BufferDone{0};
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

// The device callback: runs on the audio system's thread, and only raises BufferDone.
void WaveInCallback(WaveInHandle hwi, unsigned uMsg, std::uintptr_t dwInstance,
                    std::uintptr_t dwParam1, std::uintptr_t dwParam2);

}  // namespace orv::capture
