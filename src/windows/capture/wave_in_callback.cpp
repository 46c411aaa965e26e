#include "windows/capture/wave_in_callback.h"

namespace orv::capture {

void WaveInCallback(WaveInHandle /*hwi*/, unsigned uMsg, std::uintptr_t /*dwInstance*/,
                    std::uintptr_t /*dwParam1*/, std::uintptr_t /*dwParam2*/) {
    if (uMsg == kWimData) BufferDone.store(kTrue, std::memory_order_release);
}

}  // namespace orv::capture
