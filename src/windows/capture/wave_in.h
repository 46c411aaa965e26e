#pragma once

#include <cstdint>
#include <string>

namespace orv::capture {

// The wave-input calls the program makes, with the platform's records. The Windows layer passes
// them straight to winmm; unit tests use a scripted device.
using WaveInHandle = std::uintptr_t;
using MmResult = unsigned;

inline constexpr unsigned kWaveMapper = 0xFFFFFFFFu;  // let the system pick the device
inline constexpr std::uint32_t kCallbackFunction = 0x30000;
inline constexpr unsigned kWimOpen = 0x3BE;
inline constexpr unsigned kWimClose = 0x3BF;
inline constexpr unsigned kWimData = 0x3C0;
inline constexpr MmResult kMmSysErrNoError = 0;
inline constexpr MmResult kMmSysErrBadDeviceId = 2;
inline constexpr MmResult kMmSysErrAllocated = 4;  // held by another program
inline constexpr MmResult kMmSysErrInvalHandle = 5;
inline constexpr std::uint16_t kWaveFormatPcm = 1;

// WAVEFORMATEX.
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t cbSize = 0;
};

// WAVEHDR, field for field: the device writes into it while it owns the buffer, so the Windows
// layer hands this very record to winmm (it checks that the layouts agree).
struct WaveHeader {
    char* lpData;
    std::uint32_t dwBufferLength;
    std::uint32_t dwBytesRecorded;
    std::uintptr_t dwUser;
    std::uint32_t dwFlags;
    std::uint32_t dwLoops;
    WaveHeader* lpNext;
    std::uintptr_t reserved;
};

// The callback's five arguments: device, message, instance data, first and second parameter.
using WaveInProc = void (*)(WaveInHandle, unsigned, std::uintptr_t, std::uintptr_t, std::uintptr_t);

class WaveInDevice {
  public:
    virtual ~WaveInDevice() = default;
    virtual unsigned getNumDevs() = 0;
    // The name the system gives device `deviceId` (0 .. getNumDevs() - 1), as UTF-8.
    virtual MmResult getDevCaps(unsigned deviceId, std::string& name) = 0;
    virtual MmResult open(WaveInHandle* handle, unsigned deviceId, const WaveFormat& format,
                          WaveInProc callback, std::uintptr_t instance, std::uint32_t flags) = 0;
    virtual MmResult start(WaveInHandle handle) = 0;
    virtual MmResult prepareHeader(WaveInHandle handle, WaveHeader* header, unsigned size) = 0;
    virtual MmResult addBuffer(WaveInHandle handle, WaveHeader* header, unsigned size) = 0;
    virtual MmResult unprepareHeader(WaveInHandle handle, WaveHeader* header, unsigned size) = 0;
    virtual MmResult reset(WaveInHandle handle) = 0;
    virtual MmResult stop(WaveInHandle handle) = 0;
    virtual MmResult close(WaveInHandle handle) = 0;
};

}  // namespace orv::capture
