#include "app/program.h"

#include <utility>

namespace orv::app {

Program::Program(forms::Platform& platform, SettingsStore& store, capture::WaveInDevice& waveIn,
                 forms::AppInfo info)
    : platform_(platform),
      store_(store),
      waveIn_(waveIn),
      info_(std::move(info)),
      frmMain_(&platform),
      skin_(info_.path),
      capture_(frmMain_, platform, waveIn, skin_, info_.title),
      chrome_(frmMain_, skin_) {
    wire();
}

void Program::wire() {
    frmMain_.onLoad = [this] { Form_Load(); };
    frmMain_.onQueryUnload = [this] { Form_QueryUnload(); };
    frmMain_.cmdStart.onClick = [this] { capture_.cmdStart_Click(); };
    frmMain_.cmdStop.onClick = [this] { capture_.cmdStop_Click(); };
    chrome_.wire();
}

}  // namespace orv::app
