#pragma once

#include "windows/capture/loopback_device.h"
#include "windows/capture/sound_sources.h"
#include "windows/win32/mmdevice_outputs.h"
#include "windows/win32/wasapi_stream.h"
#include "windows/win32/winmm_wave_in.h"

namespace orv::win32 {

// The program's sound sources as the system has them: the recording devices through winmm and
// what each output plays through WASAPI, behind the capture engine's device seam.
struct SystemSoundSources {
    WinmmWaveIn waveIn;
    MmDeviceOutputs outputs;
    WasapiStream outputStream{outputs};
    capture::LoopbackDevice loopback{outputStream};
    capture::SoundSources sources{waveIn, outputs, loopback};
};

}  // namespace orv::win32
