#pragma once

#include <string>

#include "windows/capture/capture.h"
#include "windows/capture/capture_listener.h"
#include "windows/forms/platform.h"
#include "windows/mainwindow/main_form.h"
#include "windows/mainwindow/skin.h"

namespace orv::mainwindow {

// The Start and Stop buttons around the capture: their pictures and enabled states as the
// capture opens and ends, and the box for a device that cannot be opened.
class StartStop final : public capture::CaptureListener {
  public:
    StartStop(MainForm& frmMain, forms::Platform& platform, capture::Capture& capture,
              const Skin& skin, std::string appTitle);

    // Installs the click handlers below and listens to the capture.
    void wire();

    // Runs the capture inside the click, until Stop.
    void cmdStart_Click();
    void cmdStop_Click();

    void captureOpening() override;
    void captureOpened() override;
    void captureEnding() override;
    void openFailed(bool switchedFrom) override;

  private:
    void showButtons(bool capturing);
    void enableButtons(bool capturing);

    MainForm& frmMain_;
    forms::Platform& platform_;
    capture::Capture& capture_;
    const Skin& skin_;
    std::string appTitle_;
};

}  // namespace orv::mainwindow
