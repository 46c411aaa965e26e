#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "windows/capture/loopback_device.h"
#include "windows/capture/output_endpoints.h"
#include "windows/capture/wave_in.h"

namespace orv::capture {

// An output's source is named by this mark and the output's name (the mark alone: whatever the
// default output plays). No system names a device so, so a stored choice of an output is never
// taken for a recording device of the same name.
inline constexpr std::string_view kOutputMark = "\x1F";

// The recording devices, numbered as the system numbers them and by their whole names, then the
// sources of what the outputs play: the default output first, then each output. An output's source
// records the output itself (loopback); where the system refuses that, from the input that carries
// it
// ("Monitor of <output>", as PulseAudio and PipeWire name it); with none, it cannot be opened.
// An output chosen by name that goes away during the capture is followed by the system's
// choice of recording device, as a recording device that is missing is.
class SoundSources final : public WaveInDevice {
  public:
    SoundSources(WaveInDevice& recording, OutputEndpoints& outputs, LoopbackDevice& loopback);

    unsigned getNumDevs() override;
    MmResult getDevCaps(unsigned deviceId, std::string& name) override;
    MmResult open(WaveInHandle* handle, unsigned deviceId, const WaveFormat& format,
                  WaveInProc callback, std::uintptr_t instance, std::uint32_t flags) override;
    MmResult start(WaveInHandle handle) override;
    MmResult prepareHeader(WaveInHandle handle, WaveHeader* header, unsigned size) override;
    MmResult addBuffer(WaveInHandle handle, WaveHeader* header, unsigned size) override;
    MmResult unprepareHeader(WaveInHandle handle, WaveHeader* header, unsigned size) override;
    MmResult reset(WaveInHandle handle) override;
    MmResult stop(WaveInHandle handle) override;
    MmResult close(WaveInHandle handle) override;

  private:
    // The recording device that carries `output` (its monitor, else the input of its very
    // name), or kWaveMapper when none does.
    unsigned monitorOf(const std::string& output);
    MmResult openOutput(WaveInHandle* handle, const std::string& output, const WaveFormat& format,
                        WaveInProc callback, std::uintptr_t instance, std::uint32_t flags);
    // `handle` records the output itself now.
    bool recordsOutput(WaveInHandle handle) const;
    // The recording device's handle for the engine's `handle`.
    WaveInHandle recordingHandle(WaveInHandle handle) const;
    // The lost output's capture handed over to the system's choice; it goes on if that fails.
    void fallBack();

    WaveInDevice& recording_;
    OutputEndpoints& outputs_;
    LoopbackDevice& loopback_;
    // The open that the system's choice takes over when an output is lost.
    struct FallbackOpen {
        WaveFormat format;
        WaveInProc callback = nullptr;
        std::uintptr_t instance = 0;
        std::uint32_t flags = 0;
    } fallbackOpen_;
    WaveInHandle fallbackHandle_ = 0;  // the system's choice recording for the lost output
    unsigned recordingCount_ = 0;
    std::vector<std::string> outputNames_;     // as of the last getNumDevs()
    std::vector<std::string> recordingNames_;  // the inputs' whole names, likewise
};

}  // namespace orv::capture
