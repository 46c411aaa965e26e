#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "capture/wave_in.h"
#include "forms/platform.h"
#include "mainwindow/main_form.h"
#include "mainwindow/skin.h"

namespace orv::capture {

inline constexpr int kBlockSamples = 256;
using SampleBlock = std::array<std::uint8_t, kBlockSamples>;

// Start, Stop and the capture loop. The loop runs inside Start's click handler and keeps the
// window alive by pumping events while it waits for the device, so everything else of the
// program, Stop included, runs nested inside it.
class Capture {
  public:
    Capture(mainwindow::MainForm& frmMain, forms::Platform& platform, WaveInDevice& device,
            const mainwindow::Skin& skin, std::string appTitle);

    // Draws the block in SampleBuffer; called once per block the device hands back.
    std::function<void()> DrawFrame;

    void cmdStart_Click();
    void cmdStop_Click();

    // The sound input to record from, by the name the system gives the device; empty for the
    // system's choice. Another device chosen during a capture takes over at once.
    void selectDevice(std::string name);
    // The device the running capture records from, or else the one Start would open now.
    unsigned deviceInUse();

    WaveInHandle hWaveIn() const { return hWaveIn_; }
    // The one capture buffer; the device owns it between queueing and hand-back.
    const SampleBlock& SampleBuffer() const { return SampleBuffer_; }

    // The record given to the device on every Start: 8-bit mono PCM at 11025 samples a second.
    static WaveFormat captureFormat();

  private:
    void openAndCapture(bool afterSwitch);
    void CaptureLoop();
    // Stop's work but its pump: buttons to idle, then closeDevice().
    void endCapture();
    // The device reset, stopped and closed.
    void closeDevice();
    void showButtons(bool capturing);

    // A Start pressed during Stop's final pump opens a capture nested inside the unwinding one,
    // as a person can cause. Presses that come faster than blocks would nest one capture per
    // pair without end: a Start that would nest deeper waits until the captures it would nest
    // in have unwound, and a later Stop cancels it.
    static constexpr int kDeepestNesting = 2;
    int nesting_ = 0;
    bool startPending_ = false;

    mainwindow::MainForm& frmMain_;
    forms::Platform& platform_;
    WaveInDevice& device_;
    const mainwindow::Skin& skin_;
    std::string appTitle_;
    WaveInHandle hWaveIn_ = 0;
    SampleBlock SampleBuffer_{};
    std::string deviceName_;
    unsigned deviceInUse_ = kWaveMapper;
    // The running capture was closed to go on from another device.
    bool switching_ = false;
};

}  // namespace orv::capture
