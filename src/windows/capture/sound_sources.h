#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "windows/capture/output_endpoints.h"
#include "windows/capture/wave_in.h"

namespace orv::capture {

// An output's source is named by this mark and the output's name (the mark alone: whatever the
// default output plays). No system names a device so, so a stored choice of an output is never
// taken for a recording device of the same name.
inline constexpr std::string_view kOutputMark = "\x1F";

// The recording devices, numbered as the system numbers them, then the sources of what the
// outputs play: the default output first, then each output. An output's source records from
// the input that carries it ("Monitor of <output>", as PulseAudio and PipeWire name it); with
// none, it cannot be opened.
class SoundSources final : public WaveInDevice {
  public:
    SoundSources(WaveInDevice& recording, OutputEndpoints& outputs);

    unsigned getNumDevs() override;
    MmResult getDevCaps(unsigned deviceId, std::string& name) override;
    MmResult open(WaveInHandle* handle, unsigned deviceId, const WaveFormat& format,
                  WaveInProc callback, std::uintptr_t instance, std::uint32_t flags) override;
    MmResult start(WaveInHandle handle) override { return recording_.start(handle); }
    MmResult prepareHeader(WaveInHandle handle, WaveHeader* header, unsigned size) override {
        return recording_.prepareHeader(handle, header, size);
    }
    MmResult addBuffer(WaveInHandle handle, WaveHeader* header, unsigned size) override {
        return recording_.addBuffer(handle, header, size);
    }
    MmResult unprepareHeader(WaveInHandle handle, WaveHeader* header, unsigned size) override {
        return recording_.unprepareHeader(handle, header, size);
    }
    MmResult reset(WaveInHandle handle) override { return recording_.reset(handle); }
    MmResult stop(WaveInHandle handle) override { return recording_.stop(handle); }
    MmResult close(WaveInHandle handle) override { return recording_.close(handle); }

  private:
    // The recording device that carries `output`, or kWaveMapper when none does.
    unsigned monitorOf(const std::string& output);

    WaveInDevice& recording_;
    OutputEndpoints& outputs_;
    unsigned recordingCount_ = 0;
    std::vector<std::string> outputNames_;  // as of the last getNumDevs()
};

}  // namespace orv::capture
