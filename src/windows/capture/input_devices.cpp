#include "windows/capture/input_devices.h"

namespace orv::capture {

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
    return kWaveMapper;
}

}  // namespace orv::capture
