#pragma once

#include "app/settings_store.h"
#include "capture/wave_in.h"
#include "forms/app_info.h"
#include "forms/platform.h"
#include "mainwindow/main_form.h"

namespace orv::app {

// The whole program: its windows, their handlers and its state, over the platform's services.
class Program {
public:
    Program(forms::Platform& platform, SettingsStore& store, capture::WaveInDevice& waveIn,
            forms::AppInfo info);

    // The start-up: refuses a second copy and a machine without sound input, then shows the
    // main window. Returns false when the program must end at once.
    bool Main();

    mainwindow::MainForm& frmMain() { return frmMain_; }

private:
    forms::Platform& platform_;
    SettingsStore& store_;
    capture::WaveInDevice& waveIn_;
    forms::AppInfo info_;
    mainwindow::MainForm frmMain_;
};

}  // namespace orv::app
