#pragma once

#include "app/settings_store.h"
#include "capture/capture.h"
#include "capture/wave_in.h"
#include "forms/app_info.h"
#include "forms/platform.h"
#include "mainwindow/chrome.h"
#include "mainwindow/main_form.h"
#include "mainwindow/skin.h"

namespace orv::app {

// The whole program: its windows, their handlers and its state, over the platform's services.
class Program {
  public:
    Program(forms::Platform& platform, SettingsStore& store, capture::WaveInDevice& waveIn,
            forms::AppInfo info);

    // The start-up: refuses a second copy and a machine without sound input, then shows the
    // main window. Returns false when the program must end at once.
    bool Main();
    // True when another copy runs; the user has then been told.
    bool CheckSingleInstance();
    // True when the machine has a sound-input device; otherwise the user has been told.
    bool CheckInputDevices();

    void Form_Load();
    void Form_QueryUnload();

    mainwindow::MainForm& frmMain() { return frmMain_; }
    const mainwindow::Skin& skin() const { return skin_; }
    capture::Capture& capture() { return capture_; }
    mainwindow::Chrome& chrome() { return chrome_; }

  private:
    void wire();
    std::string errorTitle() const { return "Ошибка в " + info_.title; }

    forms::Platform& platform_;
    SettingsStore& store_;
    capture::WaveInDevice& waveIn_;
    forms::AppInfo info_;
    mainwindow::MainForm frmMain_;
    mainwindow::Skin skin_;
    capture::Capture capture_;
    mainwindow::Chrome chrome_;
};

}  // namespace orv::app
