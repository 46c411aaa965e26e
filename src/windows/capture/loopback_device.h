#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "windows/capture/endpoint_stream.h"
#include "windows/capture/loopback_pump.h"
#include "windows/capture/wave_in.h"

namespace orv::capture {

// An output recorded as a wave-input device records: the buffer queued is filled with a block
// and handed back through the callback with kWimData; reset, stop and close behave as winmm's.
// A thread of its own opens the stream, polls it every 10 ms (the system's event never comes for
// an output on older Windows) and closes it, so every call of the stream comes from one thread.
class LoopbackDevice {
  public:
    explicit LoopbackDevice(EndpointStream& stream) : pump_(stream) {}
    ~LoopbackDevice();
    LoopbackDevice(const LoopbackDevice&) = delete;
    LoopbackDevice& operator=(const LoopbackDevice&) = delete;

    // `output`: the output's name; empty for the default output. Returns once the stream is
    // open or has failed to open.
    StreamOpen open(const std::string& output, WaveInProc callback, std::uintptr_t instance);
    // The handle the open device goes by; no other device has it.
    WaveInHandle handle() const { return reinterpret_cast<WaveInHandle>(this); }
    bool isOpen() const { return thread_.joinable(); }

    MmResult start();
    MmResult addBuffer(WaveHeader* header);
    MmResult reset();
    MmResult stop();
    MmResult close();
    // The output chosen by name is gone.
    bool lost();

    static constexpr MmResult kWaveErrStillPlaying = 33;

  private:
    void run(const std::string& output);
    // Recording ends; the buffer queued comes back as it is.
    MmResult endRecording();
    void handBack(WaveHeader* header);

    LoopbackPump pump_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<StreamOpen> opened_;
    bool running_ = false;
    bool started_ = false;
    WaveInProc callback_ = nullptr;
    std::uintptr_t instance_ = 0;
    std::thread thread_;
};

}  // namespace orv::capture
