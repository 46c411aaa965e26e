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

SoundSources::SoundSources(WaveInDevice& recording, OutputEndpoints& outputs,
                           LoopbackDevice& loopback)
    : recording_(recording), outputs_(outputs), loopback_(loopback) {}

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
            if (recording_.getDevCaps(id, name) == kMmSysErrNoError && namesAgree(carrier, name))
                return id;
        }
    }
    return kWaveMapper;
}

}  // namespace orv::capture
