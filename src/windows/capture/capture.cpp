#include "windows/capture/capture.h"

#include <utility>

#include "windows/capture/input_devices.h"
#include "windows/capture/wave_in_callback.h"

namespace orv::capture {
namespace {

// The build's own header size: the device functions check it against their WAVEHDR.
constexpr unsigned kHeaderSize = sizeof(WaveHeader);

}  // namespace

Capture::Capture(WaveInDevice& device, std::function<void()> doEvents)
    : device_(device), doEvents_(std::move(doEvents)) {}

WaveFormat Capture::captureFormat() {
    WaveFormat format;
    format.formatTag = kWaveFormatPcm;
    format.channels = 1;
    format.samplesPerSec = blocks::kSampleRate;
    format.blockAlign = 1;
    format.avgBytesPerSec = format.samplesPerSec * format.blockAlign;
    format.bitsPerSample = 8;
    format.cbSize = 0;
    return format;
}

void Capture::start() {
    // The window's Start is still enabled during the first pump: a press then would open a second
    // device over the first. The capture being opened is the one asked for.
    if (hWaveIn_ != 0) return;
    if (nesting_ >= kDeepestNesting) {
        startPending_ = true;
        return;
    }
    ++nesting_;
    try {
        // A switch of device ends the loop and the next capture starts here too, so one capture
        // never runs inside another's event pump.
        do {
            startPending_ = false;
            openAndCapture(std::exchange(switching_, false));
        } while (startPending_ || switching_);
    } catch (...) {
        // Whatever failed inside the capture: the device is closed and start() works again.
        --nesting_;
        if (hWaveIn_ != 0 || std::exchange(switching_, false)) endCapture();
        throw;
    }
    --nesting_;
}

void Capture::openAndCapture(bool afterSwitch) {
    listener_->captureOpening();
    const WaveFormat format = captureFormat();
    deviceInUse_ = inputDeviceId(device_, deviceName_);
    const MmResult result =
        device_.open(&hWaveIn_, deviceInUse_, format, &WaveInCallback, 0, kCallbackFunction);
    if (result != kMmSysErrNoError) {
        // A failed open leaves no usable handle behind.
        hWaveIn_ = 0;
        listener_->openFailed(afterSwitch);
        return;
    }
    doEvents_();
    // stop() during that pump has ended the capture before it began, and told the listener.
    if (hWaveIn_ == 0) return;
    listener_->captureOpened();
    CaptureLoop();
}

void Capture::CaptureLoop() {
    WaveHeader header{};
    device_.start(hWaveIn_);
    do {
        header.lpData = reinterpret_cast<char*>(sampleBuffer_.data());
        header.dwBufferLength = blocks::kBlockSamples;
        header.dwFlags = 0;
        device_.prepareHeader(hWaveIn_, &header, kHeaderSize);
        BufferDone.store(kFalse, std::memory_order_release);
        device_.addBuffer(hWaveIn_, &header, kHeaderSize);
        // A busy wait over the event pump: the window stays responsive and stop() can end it.
        do {
            doEvents_();
        } while (BufferDone.load(std::memory_order_acquire) != kTrue && hWaveIn_ != 0);
        device_.unprepareHeader(hWaveIn_, &header, kHeaderSize);
        // What the reset of a switch hands back is the old device's partial block over one
        // already drawn; the next block comes from the new device.
        if (switching_) return;
        if (DrawFrame) DrawFrame();
        doEvents_();
    } while (hWaveIn_ != 0);
}

void Capture::stop() {
    startPending_ = false;
    switching_ = false;
    endCapture();
    doEvents_();
}

void Capture::endCapture() {
    listener_->captureEnding();
    closeDevice();
}

void Capture::closeDevice() {
    device_.reset(hWaveIn_);
    device_.stop(hWaveIn_);
    device_.close(hWaveIn_);
    hWaveIn_ = 0;
}

void Capture::selectDevice(std::string name) {
    deviceName_ = std::move(name);
    if (hWaveIn_ == 0 || inputDeviceId(device_, deviceName_) == deviceInUse_) return;
    // Closed as stop() closes it, but without its pump and with the listener not told, so no
    // press can start a capture before the loop has ended and start() opens the new device.
    switching_ = true;
    closeDevice();
}

unsigned Capture::deviceInUse() {
    return hWaveIn_ != 0 ? deviceInUse_ : inputDeviceId(device_, deviceName_);
}

}  // namespace orv::capture
