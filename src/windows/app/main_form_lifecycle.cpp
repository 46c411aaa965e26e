#include <string>

#include "windows/app/program.h"
#include "windows/settings/settings_schema.h"

namespace orv::app {

void Program::Form_Load() {
    skin_.CurrentSkin = store_.get(info_.title, settings::kSettingsSection, settings::kSkinKey,
                                   settings::kInternalSkin);
    mainwindow::ApplySkin(frmMain_, skin_, skin_.CurrentSkin);
    capture_.selectDevice(
        store_.get(info_.title, settings::kSettingsSection, settings::kDeviceKey, ""));
    frmMain_.cmbStyle.setListIndex(0);
    frmMain_.cmbColor.setListIndex(3);
    frmMain_.cmbZoom.setListIndex(0);
    frmMain_.setCaption(info_.title + "." + std::to_string(info_.minor));
    frmMain_.chkOnTop.setValue(1);
    for (int i = 1; i <= mainwindow::MainForm::kGridLines; ++i) frmMain_.loadGridLine(i);
}

void Program::Form_QueryUnload() {
    if (frmMain_.cmdStop.enabled()) startStop_.cmdStop_Click();
    frmMain_.unload();
    platform_.endProgram();
}

}  // namespace orv::app
