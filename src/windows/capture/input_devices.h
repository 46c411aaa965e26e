#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "windows/capture/wave_in.h"

namespace orv::capture {

// Whether NAME, as winmm gives it (cut to 31 characters), is the device named FULL.
bool isWinmmNameOf(std::string_view name, std::string_view full);

// The wave-input devices as the system names them now, indexed by device number; a device
// whose name cannot be read has an empty one.
std::vector<std::string> inputDeviceNames(WaveInDevice& device);

// The device to open for a chosen name: the first device of that name, or the wave mapper
// (the system's choice) when the name is empty or no device has it now. Names, not numbers,
// are what is kept, since numbers change when a device is plugged in or out. A name kept as
// winmm cut it finds the device by its whole name too.
unsigned inputDeviceId(WaveInDevice& device, std::string_view name);

}  // namespace orv::capture
