#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "windows/capture/wave_in.h"

namespace orv::testing {

// A wave-input device that does what the test says: names its devices, delivers blocks on
// request, refuses an open, keeps a buffer forever, hands the buffer back on a reset. It records
// every call but the name queries as text.
class ScriptedWaveIn : public capture::WaveInDevice {
  public:
    static constexpr capture::WaveInHandle kHandle = 0x5EED;
    static constexpr capture::MmResult kWaveErrBadFormat = 32;

    unsigned devices = 1;
    // The devices' names by number; a device without one cannot say its name.
    std::vector<std::string> names;
    capture::MmResult openResult = capture::kMmSysErrNoError;
    // Devices that refuse the format whatever openResult says.
    std::vector<unsigned> refusing;
    std::vector<std::string> calls;
    capture::WaveFormat openedFormat{};
    std::vector<unsigned> headerSizes;

    unsigned getNumDevs() override { return devices; }
    capture::MmResult getDevCaps(unsigned deviceId, std::string& name) override {
        if (deviceId >= devices) return kMmSysErrBadDeviceId;
        if (deviceId >= names.size()) return kMmSysErrNoDriver;
        name = names[deviceId];
        return capture::kMmSysErrNoError;
    }
    // The devices the system offers now, by name.
    void offer(std::vector<std::string> offered) {
        names = std::move(offered);
        devices = static_cast<unsigned>(names.size());
    }

    capture::MmResult open(capture::WaveInHandle* handle, unsigned deviceId,
                           const capture::WaveFormat& format, capture::WaveInProc callback,
                           std::uintptr_t instance, std::uint32_t flags) override {
        calls.push_back("open " + std::to_string(deviceId) + " " + std::to_string(instance) + " " +
                        std::to_string(flags));
        if (openResult != capture::kMmSysErrNoError) return openResult;
        if (std::find(refusing.begin(), refusing.end(), deviceId) != refusing.end()) {
            return kWaveErrBadFormat;
        }
        openedFormat = format;
        callback_ = callback;
        open_ = true;
        *handle = kHandle;
        return capture::kMmSysErrNoError;
    }
    capture::MmResult start(capture::WaveInHandle h) override { return record("start", h); }
    capture::MmResult prepareHeader(capture::WaveInHandle h, capture::WaveHeader* /*header*/,
                                    unsigned size) override {
        headerSizes.push_back(size);
        return record("prepare", h);
    }
    capture::MmResult addBuffer(capture::WaveInHandle h, capture::WaveHeader* header,
                                unsigned size) override {
        headerSizes.push_back(size);
        const capture::MmResult result = record("add", h);
        if (result == capture::kMmSysErrNoError) queued_ = header;
        return result;
    }
    capture::MmResult unprepareHeader(capture::WaveInHandle h, capture::WaveHeader*,
                                      unsigned size) override {
        headerSizes.push_back(size);
        return record("unprepare", h);
    }
    capture::MmResult reset(capture::WaveInHandle h) override {
        const capture::MmResult result = record("reset", h);
        if (result == capture::kMmSysErrNoError) handBack(0);  // a reset returns the buffer
        return result;
    }
    capture::MmResult stop(capture::WaveInHandle h) override { return record("stop", h); }
    capture::MmResult close(capture::WaveInHandle h) override {
        const capture::MmResult result = record("close", h);
        if (result == capture::kMmSysErrNoError) open_ = false;
        return result;
    }

    bool holdsBuffer() const { return queued_ != nullptr; }
    // Fills the queued buffer with a block and hands it back through the callback.
    bool deliver(std::uint8_t level) {
        if (queued_ == nullptr) return false;
        std::fill_n(queued_->lpData, queued_->dwBufferLength, static_cast<char>(level));
        handBack(queued_->dwBufferLength);
        return true;
    }

  private:
    static constexpr capture::MmResult kMmSysErrBadDeviceId = 2;
    static constexpr capture::MmResult kMmSysErrNoDriver = 6;

    capture::MmResult record(const char* name, capture::WaveInHandle h) {
        calls.push_back(h == 0 ? std::string(name) + " 0" : name);
        return (h == kHandle && open_) ? capture::kMmSysErrNoError : capture::kMmSysErrInvalHandle;
    }
    void handBack(std::uint32_t bytes) {
        if (queued_ == nullptr) return;
        queued_->dwBytesRecorded = bytes;
        queued_ = nullptr;
        callback_(kHandle, capture::kWimData, 0, 0, 0);
    }

    capture::WaveInProc callback_ = nullptr;
    capture::WaveHeader* queued_ = nullptr;
    bool open_ = false;
};

}  // namespace orv::testing
