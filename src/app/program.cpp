#include "app/program.h"

#include <utility>

namespace orv::app {

Program::Program(forms::Platform& platform, SettingsStore& store, capture::WaveInDevice& waveIn,
                 forms::AppInfo info)
    : platform_(platform), store_(store), waveIn_(waveIn), info_(std::move(info)),
      frmMain_(&platform) {}

bool Program::Main() {
    frmMain_.show();
    return true;
}

}  // namespace orv::app
