#include "windows/capture/input_devices.h"

namespace orv::capture {
namespace {

// winmm cuts a device's name to this many characters.
constexpr std::size_t kWinmmNameLength = 31;

}  // namespace

bool isWinmmNameOf(std::string_view name, std::string_view full) {
    if (name.size() >= kWinmmNameLength) return full.starts_with(name);
    return full == name;
}

std::vector<std::string> inputDeviceNames(WaveInDevice& device) {
    const unsigned count = device.getNumDevs();
    std::vector<std::string> names(count);
    for (unsigned id = 0; id < count; ++id) {
        if (device.getDevCaps(id, names[id]) != kMmSysErrNoError) names[id].clear();
    }
    return names;
}

unsigned inputDeviceId(WaveInDevice& device, std::string_view name) {
    if (name.empty()) return kWaveMapper;
    const std::vector<std::string> names = inputDeviceNames(device);
    for (unsigned id = 0; id < names.size(); ++id) {
        if (names[id] == name) return id;
    }
    for (unsigned id = 0; id < names.size(); ++id) {
        if (isWinmmNameOf(name, names[id])) return id;
    }
    return kWaveMapper;
}

}  // namespace orv::capture
