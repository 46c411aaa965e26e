#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/blocks/sound_block.h"
#include "windows/capture/capture_listener.h"
#include "windows/capture/wave_in.h"

namespace orv::capture {

using SampleBlock = blocks::Block;

// The capture loop over a wave-input device. start() runs the loop and keeps the program alive
// by pumping events while it waits for the device, so everything else of the program, stop()
// included, runs nested inside it.
class Capture {
  public:
    // doEvents: serves every pending window event, then returns.
    Capture(WaveInDevice& device, std::function<void()> doEvents);

    // Draws the block in SampleBuffer; called once per block the device hands back.
    std::function<void()> DrawFrame;
    // The listener told of opening, opened, ending and a failed open; none until then.
    void listen(CaptureListener& listener) { listener_ = &listener; }

    // Captures until stop(); returns at once while a device is open.
    void start();
    // Ends the capture (and a start waiting for the nested ones to unwind), then pumps once.
    void stop();

    // The sound input to record from, by the name the system gives the device; empty for the
    // system's choice. Another device chosen during a capture takes over at once.
    void selectDevice(std::string name);
    // The device the running capture records from, or else the one start() would open now.
    unsigned deviceInUse();

    WaveInHandle hWaveIn() const { return hWaveIn_; }
    // The one capture buffer; the device owns it between queueing and hand-back.
    const SampleBlock& SampleBuffer() const { return sampleBuffer_; }

    // The record given to the device on every open: 8-bit mono PCM at 11025 samples a second.
    static WaveFormat captureFormat();

  private:
    void openAndCapture(bool afterSwitch);
    void CaptureLoop();
    // stop()'s work but its pump: the listener told, then closeDevice().
    void endCapture();
    // The device reset, stopped and closed.
    void closeDevice();

    // A start during stop()'s final pump opens a capture nested inside the unwinding one,
    // as a person can cause. Presses that come faster than blocks would nest one capture per
    // pair without end: a start that would nest deeper waits until the captures it would nest
    // in have unwound, and a later stop() cancels it.
    static constexpr int kDeepestNesting = 2;
    int nesting_ = 0;
    bool startPending_ = false;

    WaveInDevice& device_;
    std::function<void()> doEvents_;
    CaptureListener silent_;
    CaptureListener* listener_ = &silent_;
    WaveInHandle hWaveIn_ = 0;
    SampleBlock sampleBuffer_{};
    std::string deviceName_;
    unsigned deviceInUse_ = kWaveMapper;
    // The running capture was closed to go on from another device.
    bool switching_ = false;
};

}  // namespace orv::capture
