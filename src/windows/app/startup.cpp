#include "windows/app/program.h"

namespace orv::app {

bool Program::Main() {
    if (CheckSingleInstance()) return false;
    if (!CheckInputDevices()) return false;
    frmMain_.show();
    return true;
}

bool Program::CheckSingleInstance() {
    if (!info_.prevInstance) return false;
    // Touching the box loads the main window, unseen; the program ends, so no re-tick follows.
    frmMain_.load();
    frmMain_.chkOnTop.setValue(0);
    platform_.msgBox(
        "Уже загружена одна копия " + info_.title + ".\r\nНельзя загружать более одной копии.",
        forms::msgbox::kExclamation + forms::msgbox::kForeground, info_.title);
    return true;
}

bool Program::CheckInputDevices() {
    if (waveIn_.getNumDevs() >= 1) return true;
    frmMain_.load();
    frmMain_.chkOnTop.setValue(0);
    platform_.msgBox(
        "Невозможно определить ниодно устройство ввоза звука.\r\n"
        "Возможно в системе неть звукавой карты или она неисправна.",
        forms::msgbox::kCritical, errorTitle());
    frmMain_.chkOnTop.setValue(1);
    return false;
}

}  // namespace orv::app
