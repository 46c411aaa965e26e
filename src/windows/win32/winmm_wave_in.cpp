#include "windows/win32/winmm_wave_in.h"

#include <windows.h>

#include <mmsystem.h>

#include <atomic>
#include <cstddef>
#include <cwchar>

#include "windows/win32/text.h"

namespace orv::win32 {
namespace {

using capture::WaveHeader;

// winmm writes into the program's header while it owns the buffer, so the two must be one
// record.
static_assert(sizeof(WaveHeader) == sizeof(WAVEHDR));
static_assert(offsetof(WaveHeader, lpData) == offsetof(WAVEHDR, lpData));
static_assert(offsetof(WaveHeader, dwBufferLength) == offsetof(WAVEHDR, dwBufferLength));
static_assert(offsetof(WaveHeader, dwBytesRecorded) == offsetof(WAVEHDR, dwBytesRecorded));
static_assert(offsetof(WaveHeader, dwUser) == offsetof(WAVEHDR, dwUser));
static_assert(offsetof(WaveHeader, dwFlags) == offsetof(WAVEHDR, dwFlags));
static_assert(offsetof(WaveHeader, dwLoops) == offsetof(WAVEHDR, dwLoops));
static_assert(offsetof(WaveHeader, lpNext) == offsetof(WAVEHDR, lpNext));
static_assert(offsetof(WaveHeader, reserved) == offsetof(WAVEHDR, reserved));
static_assert(capture::kWimData == WIM_DATA && capture::kWimOpen == WIM_OPEN &&
              capture::kWimClose == WIM_CLOSE);
static_assert(capture::kCallbackFunction == CALLBACK_FUNCTION);
static_assert(capture::kWaveMapper == WAVE_MAPPER &&
              capture::kMmSysErrBadDeviceId == MMSYSERR_BADDEVICEID);

// The program's callback; written before a device opens, read on the audio thread.
std::atomic<capture::WaveInProc> portableCallback{nullptr};

void CALLBACK trampoline(HWAVEIN device, UINT message, DWORD_PTR instance, DWORD_PTR first,
                         DWORD_PTR second) {
    if (const capture::WaveInProc callback = portableCallback.load()) {
        callback(reinterpret_cast<capture::WaveInHandle>(device), message, instance, first, second);
    }
}

HWAVEIN native(capture::WaveInHandle handle) {
    return reinterpret_cast<HWAVEIN>(handle);
}

WAVEHDR* native(WaveHeader* header) {
    return reinterpret_cast<WAVEHDR*>(header);
}

}  // namespace

unsigned WinmmWaveIn::getNumDevs() {
    return waveInGetNumDevs();
}

capture::MmResult WinmmWaveIn::getDevCaps(unsigned deviceId, std::string& name) {
    WAVEINCAPSW caps{};
    const MMRESULT result = waveInGetDevCapsW(deviceId, &caps, sizeof(caps));
    // The name fills a fixed array; a driver need not end it.
    if (result == MMSYSERR_NOERROR)
        name = narrow({caps.szPname, wcsnlen(caps.szPname, MAXPNAMELEN)});
    return result;
}

capture::MmResult WinmmWaveIn::open(capture::WaveInHandle* handle, unsigned deviceId,
                                    const capture::WaveFormat& format, capture::WaveInProc callback,
                                    std::uintptr_t instance, std::uint32_t flags) {
    // WAVEFORMATEX is packed to 18 bytes; the program's record is not, so it is copied.
    WAVEFORMATEX wave{};
    wave.wFormatTag = format.formatTag;
    wave.nChannels = format.channels;
    wave.nSamplesPerSec = format.samplesPerSec;
    wave.nAvgBytesPerSec = format.avgBytesPerSec;
    wave.nBlockAlign = format.blockAlign;
    wave.wBitsPerSample = format.bitsPerSample;
    wave.cbSize = format.cbSize;
    DWORD_PTR target = 0;
    if ((flags & CALLBACK_TYPEMASK) == CALLBACK_FUNCTION && callback != nullptr) {
        portableCallback.store(callback);
        target = reinterpret_cast<DWORD_PTR>(&trampoline);
    }
    HWAVEIN device = handle != nullptr ? native(*handle) : nullptr;
    const MMRESULT result =
        waveInOpen(handle != nullptr ? &device : nullptr, deviceId, &wave, target, instance, flags);
    if (handle != nullptr) *handle = reinterpret_cast<capture::WaveInHandle>(device);
    return result;
}

capture::MmResult WinmmWaveIn::start(capture::WaveInHandle handle) {
    return waveInStart(native(handle));
}

capture::MmResult WinmmWaveIn::prepareHeader(capture::WaveInHandle handle, WaveHeader* header,
                                             unsigned size) {
    return waveInPrepareHeader(native(handle), native(header), size);
}

capture::MmResult WinmmWaveIn::addBuffer(capture::WaveInHandle handle, WaveHeader* header,
                                         unsigned size) {
    return waveInAddBuffer(native(handle), native(header), size);
}

capture::MmResult WinmmWaveIn::unprepareHeader(capture::WaveInHandle handle, WaveHeader* header,
                                               unsigned size) {
    return waveInUnprepareHeader(native(handle), native(header), size);
}

capture::MmResult WinmmWaveIn::reset(capture::WaveInHandle handle) {
    return waveInReset(native(handle));
}

capture::MmResult WinmmWaveIn::stop(capture::WaveInHandle handle) {
    return waveInStop(native(handle));
}

capture::MmResult WinmmWaveIn::close(capture::WaveInHandle handle) {
    return waveInClose(native(handle));
}

}  // namespace orv::win32
