#include "capture/capture.h"

#include <utility>

#include "capture/wave_in_callback.h"
#include "mainwindow/on_top_pause.h"

namespace orv::capture {
namespace {

// The build's own header size: the device functions check it against their WAVEHDR.
constexpr unsigned kHeaderSize = sizeof(WaveHeader);

}  // namespace

Capture::Capture(mainwindow::MainForm& frmMain, forms::Platform& platform, WaveInDevice& device,
                 const mainwindow::Skin& skin, std::string appTitle)
    : frmMain_(frmMain),
      platform_(platform),
      device_(device),
      skin_(skin),
      appTitle_(std::move(appTitle)) {}

WaveFormat Capture::captureFormat() {
    WaveFormat format;
    format.formatTag = kWaveFormatPcm;
    format.channels = 1;
    format.samplesPerSec = 11025;
    format.blockAlign = 1;
    format.avgBytesPerSec = format.samplesPerSec * format.blockAlign;
    format.bitsPerSample = 8;
    format.cbSize = 0;
    return format;
}

void Capture::showButtons(bool capturing) {
    using mainwindow::SkinImage;
    frmMain_.cmdStart.setPicture(skin_.image(capturing ? SkinImage::StartD : SkinImage::StartN));
    frmMain_.cmdStop.setPicture(skin_.image(capturing ? SkinImage::StopN : SkinImage::StopD));
}

void Capture::cmdStart_Click() {
    // Start is still enabled during its own first pump: a press then would open a second device
    // over the first. The capture being opened is the one asked for.
    if (hWaveIn_ != 0) return;
    if (nesting_ >= kDeepestNesting) {
        startPending_ = true;
        return;
    }
    ++nesting_;
    try {
        do {
            startPending_ = false;
            openAndCapture();
        } while (startPending_);
    } catch (...) {
        // Whatever failed inside the capture: the device is closed and Start works again.
        --nesting_;
        if (hWaveIn_ != 0) endCapture();
        throw;
    }
    --nesting_;
}

void Capture::openAndCapture() {
    showButtons(true);
    const WaveFormat format = captureFormat();
    const MmResult result =
        device_.open(&hWaveIn_, kWaveMapper, format, &WaveInCallback, 0, kCallbackFunction);
    if (result != kMmSysErrNoError) {
        // A failed open leaves no usable handle behind.
        hWaveIn_ = 0;
        mainwindow::withOnTopPause(frmMain_.chkOnTop, [this] {
            platform_.msgBox(
                "Невозможно открыть устройство ввода звука.\r\n"
                "Возможно он занят или используется другим приложением.",
                forms::msgbox::kCritical, "Ошибка в " + appTitle_);
        });
        return;
    }
    platform_.doEvents();
    // Stop pressed during that pump has ended the capture before it began: the buttons stay
    // as Stop left them.
    if (hWaveIn_ == 0) return;
    frmMain_.cmdStart.setEnabled(false);
    frmMain_.cmdStop.setEnabled(true);
    CaptureLoop();
}

void Capture::CaptureLoop() {
    WaveHeader header{};
    device_.start(hWaveIn_);
    do {
        header.lpData = reinterpret_cast<char*>(SampleBuffer_.data());
        header.dwBufferLength = kBlockSamples;
        header.dwFlags = 0;
        device_.prepareHeader(hWaveIn_, &header, kHeaderSize);
        BufferDone.store(kFalse, std::memory_order_release);
        device_.addBuffer(hWaveIn_, &header, kHeaderSize);
        // A busy wait over the event pump: the window stays responsive and Stop can end it.
        do {
            platform_.doEvents();
        } while (BufferDone.load(std::memory_order_acquire) != kTrue && hWaveIn_ != 0);
        device_.unprepareHeader(hWaveIn_, &header, kHeaderSize);
        if (DrawFrame) DrawFrame();
        platform_.doEvents();
    } while (hWaveIn_ != 0);
}

void Capture::cmdStop_Click() {
    startPending_ = false;
    endCapture();
    platform_.doEvents();
}

void Capture::endCapture() {
    frmMain_.cmdStart.setEnabled(true);
    frmMain_.cmdStop.setEnabled(false);
    showButtons(false);
    device_.reset(hWaveIn_);
    device_.stop(hWaveIn_);
    device_.close(hWaveIn_);
    hWaveIn_ = 0;
}

}  // namespace orv::capture
