#pragma once
// The program as the measurements run it: its real windows over the sound sources given, the
// user's settings left alone.
#include <windows.h>

#include "windows/app/program.h"
#include "windows/settings/settings_store.h"
#include "windows/win32/win32.h"

namespace orv::measure {

class MeasuredProgram {
  public:
    explicit MeasuredProgram(capture::WaveInDevice& sound)
        : info_(win32::applicationInfo(GetModuleHandleW(nullptr), false)),
          platform_(GetModuleHandleW(nullptr), info_.title),
          program_(platform_, store_, sound, info_) {}

    app::Program& program() { return program_; }

    // Captures for SECONDS as a user would: Start, and Stop when a timer fires; returns then.
    void captureFor(double seconds) {
        running_ = &program_;
        SetTimer(nullptr, 0, static_cast<UINT>(seconds * 1000), &pressStop);
        program_.frmMain().cmdStart.click();
    }

  private:
    static void CALLBACK pressStop(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        running_->frmMain().cmdStop.click();
    }
    static inline app::Program* running_ = nullptr;

    forms::AppInfo info_;
    win32::Win32Platform platform_;
    settings::MemorySettingsStore store_;
    app::Program program_;
};

}  // namespace orv::measure
