#include "windows/capture/sound_sources.h"

namespace orv::capture {

namespace {

// winmm cuts a device's name to this many characters.
constexpr std::size_t kWinmmNameLength = 31;

bool namesAgree(std::string_view full, std::string_view recorded) {
    if (recorded.size() >= kWinmmNameLength) return full.starts_with(recorded);
    return full == recorded;
}

}  // namespace

SoundSources::SoundSources(WaveInDevice& recording, OutputEndpoints& outputs)
    : recording_(recording), outputs_(outputs) {}

unsigned SoundSources::getNumDevs() {
    recordingCount_ = recording_.getNumDevs();
    outputNames_ = outputs_.names();
    return recordingCount_ + 1 + static_cast<unsigned>(outputNames_.size());
}

MmResult SoundSources::getDevCaps(unsigned deviceId, std::string& name) {
    if (deviceId < recordingCount_) return recording_.getDevCaps(deviceId, name);
    const unsigned output = deviceId - recordingCount_;
    if (output > outputNames_.size()) return kMmSysErrBadDeviceId;
    name = std::string(kOutputMark) + (output == 0 ? std::string() : outputNames_[output - 1]);
    return kMmSysErrNoError;
}

MmResult SoundSources::open(WaveInHandle* handle, unsigned deviceId, const WaveFormat& format,
                            WaveInProc callback, std::uintptr_t instance, std::uint32_t flags) {
    if (deviceId == kWaveMapper || deviceId < recordingCount_)
        return recording_.open(handle, deviceId, format, callback, instance, flags);
    const unsigned output = deviceId - recordingCount_;
    if (output > outputNames_.size()) return kMmSysErrBadDeviceId;
    const unsigned monitor =
        monitorOf(output == 0 ? outputs_.defaultName() : outputNames_[output - 1]);
    if (monitor == kWaveMapper) return kMmSysErrBadDeviceId;
    return recording_.open(handle, monitor, format, callback, instance, flags);
}

unsigned SoundSources::monitorOf(const std::string& output) {
    if (output.empty()) return kWaveMapper;
    const std::string monitor = "Monitor of " + output;
    std::string name;
    for (unsigned id = 0; id < recordingCount_; ++id) {
        if (recording_.getDevCaps(id, name) == kMmSysErrNoError && namesAgree(monitor, name))
            return id;
    }
    return kWaveMapper;
}

}  // namespace orv::capture
