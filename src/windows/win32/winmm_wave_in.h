#pragma once

#include <string>

#include "windows/capture/wave_in.h"

namespace orv::win32 {

// The wave-input calls, forwarded to winmm with the program's own records. One callback serves
// every device opened through it: the program opens one at a time.
class WinmmWaveIn final : public capture::WaveInDevice {
  public:
    unsigned getNumDevs() override;
    capture::MmResult getDevCaps(unsigned deviceId, std::string& name) override;
    capture::MmResult open(capture::WaveInHandle* handle, unsigned deviceId,
                           const capture::WaveFormat& format, capture::WaveInProc callback,
                           std::uintptr_t instance, std::uint32_t flags) override;
    capture::MmResult start(capture::WaveInHandle handle) override;
    capture::MmResult prepareHeader(capture::WaveInHandle handle, capture::WaveHeader* header,
                                    unsigned size) override;
    capture::MmResult addBuffer(capture::WaveInHandle handle, capture::WaveHeader* header,
                                unsigned size) override;
    capture::MmResult unprepareHeader(capture::WaveInHandle handle, capture::WaveHeader* header,
                                      unsigned size) override;
    capture::MmResult reset(capture::WaveInHandle handle) override;
    capture::MmResult stop(capture::WaveInHandle handle) override;
    capture::MmResult close(capture::WaveInHandle handle) override;
};

}  // namespace orv::win32
