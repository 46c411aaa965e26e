#include "windows/capture/sound_sources.h"

#include <algorithm>

#include "windows/capture/input_devices.h"

namespace orv::capture {

namespace {

// The whole name of the device winmm calls NAME, when exactly one endpoint has it; else NAME.
std::string wholeName(const std::string& name, const std::vector<std::string>& wholeNames) {
    const auto matches = [&name](const std::string& whole) { return isWinmmNameOf(name, whole); };
    const auto found = std::find_if(wholeNames.begin(), wholeNames.end(), matches);
    if (found == wholeNames.end() ||
        std::find_if(found + 1, wholeNames.end(), matches) != wholeNames.end())
        return name;
    return *found;
}

}  // namespace

SoundSources::SoundSources(WaveInDevice& recording, OutputEndpoints& outputs,
                           LoopbackDevice& loopback)
    : recording_(recording), outputs_(outputs), loopback_(loopback) {}

unsigned SoundSources::getNumDevs() {
    recordingCount_ = recording_.getNumDevs();
    outputNames_ = outputs_.names();
    recordingNames_ = outputs_.recordingNames();
    // With no output at all there is nothing for the default output's source to record.
    if (outputNames_.empty()) return recordingCount_;
    return recordingCount_ + 1 + static_cast<unsigned>(outputNames_.size());
}

MmResult SoundSources::getDevCaps(unsigned deviceId, std::string& name) {
    if (deviceId < recordingCount_) {
        const MmResult result = recording_.getDevCaps(deviceId, name);
        if (result == kMmSysErrNoError) name = wholeName(name, recordingNames_);
        return result;
    }
    const unsigned output = deviceId - recordingCount_;
    if (outputNames_.empty() || output > outputNames_.size()) return kMmSysErrBadDeviceId;
    name = std::string(kOutputMark) + (output == 0 ? std::string() : outputNames_[output - 1]);
    return kMmSysErrNoError;
}

MmResult SoundSources::open(WaveInHandle* handle, unsigned deviceId, const WaveFormat& format,
                            WaveInProc callback, std::uintptr_t instance, std::uint32_t flags) {
    if (deviceId == kWaveMapper || deviceId < recordingCount_)
        return recording_.open(handle, deviceId, format, callback, instance, flags);
    const unsigned output = deviceId - recordingCount_;
    if (outputNames_.empty() || output > outputNames_.size()) return kMmSysErrBadDeviceId;
    return openOutput(handle, output == 0 ? std::string() : outputNames_[output - 1], format,
                      callback, instance, flags);
}

MmResult SoundSources::openOutput(WaveInHandle* handle, const std::string& output,
                                  const WaveFormat& format, WaveInProc callback,
                                  std::uintptr_t instance, std::uint32_t flags) {
    switch (loopback_.open(output, callback, instance)) {
        case StreamOpen::kOpened:
            fallbackOpen_ = {format, callback, instance, flags};
            *handle = loopback_.handle();
            return kMmSysErrNoError;
        case StreamOpen::kRefused:
            return kMmSysErrAllocated;
        case StreamOpen::kLoopbackRefused:
            break;
    }
    const unsigned monitor = monitorOf(output.empty() ? outputs_.defaultName() : output);
    if (monitor == kWaveMapper) return kMmSysErrBadDeviceId;
    return recording_.open(handle, monitor, format, callback, instance, flags);
}

bool SoundSources::recordsOutput(WaveInHandle handle) const {
    return handle != 0 && handle == loopback_.handle() && loopback_.isOpen();
}

WaveInHandle SoundSources::recordingHandle(WaveInHandle handle) const {
    return handle != 0 && handle == loopback_.handle() ? fallbackHandle_ : handle;
}

void SoundSources::fallBack() {
    WaveInHandle handle = 0;
    const FallbackOpen& o = fallbackOpen_;
    if (recording_.open(&handle, kWaveMapper, o.format, o.callback, o.instance, o.flags) !=
        kMmSysErrNoError)
        return;
    // The engine's buffer is not queued while it prepares a header, so none comes back here.
    loopback_.reset();
    loopback_.close();
    fallbackHandle_ = handle;
    recording_.start(fallbackHandle_);
}

MmResult SoundSources::start(WaveInHandle handle) {
    if (recordsOutput(handle)) return loopback_.start();
    return recording_.start(recordingHandle(handle));
}

MmResult SoundSources::prepareHeader(WaveInHandle handle, WaveHeader* header, unsigned size) {
    if (recordsOutput(handle) && loopback_.lost()) fallBack();
    if (recordsOutput(handle)) return kMmSysErrNoError;
    return recording_.prepareHeader(recordingHandle(handle), header, size);
}

MmResult SoundSources::addBuffer(WaveInHandle handle, WaveHeader* header, unsigned size) {
    if (recordsOutput(handle)) return loopback_.addBuffer(header);
    return recording_.addBuffer(recordingHandle(handle), header, size);
}

MmResult SoundSources::unprepareHeader(WaveInHandle handle, WaveHeader* header, unsigned size) {
    if (recordsOutput(handle)) return kMmSysErrNoError;
    return recording_.unprepareHeader(recordingHandle(handle), header, size);
}

MmResult SoundSources::reset(WaveInHandle handle) {
    if (recordsOutput(handle)) return loopback_.reset();
    return recording_.reset(recordingHandle(handle));
}

MmResult SoundSources::stop(WaveInHandle handle) {
    if (recordsOutput(handle)) return loopback_.stop();
    return recording_.stop(recordingHandle(handle));
}

MmResult SoundSources::close(WaveInHandle handle) {
    if (recordsOutput(handle)) return loopback_.close();
    const MmResult result = recording_.close(recordingHandle(handle));
    if (handle == loopback_.handle()) fallbackHandle_ = 0;
    return result;
}

unsigned SoundSources::monitorOf(const std::string& output) {
    if (output.empty()) return kWaveMapper;
    // Wine names the sound server's default output and default input alike ("PulseAudio"):
    // such an output has no monitor of its own, and the default input is the one to try.
    for (const std::string& carrier : {"Monitor of " + output, output}) {
        std::string name;
        for (unsigned id = 0; id < recordingCount_; ++id) {
            if (recording_.getDevCaps(id, name) == kMmSysErrNoError && isWinmmNameOf(name, carrier))
                return id;
        }
    }
    return kWaveMapper;
}

}  // namespace orv::capture
