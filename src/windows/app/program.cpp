#include "windows/app/program.h"

#include <utility>

#include "windows/about/about_box.h"
#include "windows/capture/input_devices.h"
#include "windows/mainwindow/on_top_pause.h"
#include "windows/settings/settings_schema.h"

namespace orv::app {

Program::Program(forms::Platform& platform, settings::SettingsStore& store,
                 capture::WaveInDevice& waveIn, forms::AppInfo info)
    : platform_(platform),
      store_(store),
      waveIn_(waveIn),
      info_(std::move(info)),
      frmMain_(&platform),
      skin_(info_.path),
      paneDrawing_(frmMain_, platform, customColours_, info_.title),
      capture_(waveIn, [&platform] { platform.doEvents(); }),
      startStop_(frmMain_, platform, capture_, skin_, info_.title),
      displayOptions_(frmMain_),
      colourSchemeSelector_(frmMain_, skin_, store_, customColours_, info_.title),
      chrome_(frmMain_, skin_) {
    wire();
}

void Program::wire() {
    frmMain_.onLoad = [this] { Form_Load(); };
    frmMain_.onQueryUnload = [this] { Form_QueryUnload(); };
    startStop_.wire();
    capture_.DrawFrame = [this] { paneDrawing_.DrawFrame(capture_.SampleBuffer()); };
    displayOptions_.wire();
    // Touching the menu's mark loads the form it lives on, as any reach for it does.
    displayOptions_.setGridMenuMark = [this](bool checked) {
        frmSkin().mnuShowGirds->setChecked(checked);
    };
    colourSchemeSelector_.wire();
    chrome_.wire();
    chrome_.showAbout = [this] { about::ShowAbout(platform_, frmMain_.chkOnTop, info_); };
    chrome_.showColourEditor = [this] { showColourEditor(); };
    chrome_.showSkinChooser = [this] { showSkinChooser(); };
    chrome_.showPopupMenu = [this](float x, float y) { showPopupMenu(x, y); };
}

skinchooser::SkinForm& Program::frmSkin() {
    if (!frmSkin_ || !frmSkin_->loaded()) {
        frmSkin_ = std::make_unique<skinchooser::SkinForm>(skinchooser::SkinForm::Services{
            platform_, store_, info_, frmMain_, skin_, paneDrawing_.pane(),
            [this] {
                mainwindow::withOnTopPause(frmMain_.chkOnTop, [this] { showSkinChooser(); });
            },
            [this] { about::ShowAbout(platform_, frmMain_.chkOnTop, info_); },
            [this](const std::string& deviceName) { chooseSoundSource(deviceName); }});
        frmSkin_->load();
    }
    return *frmSkin_;
}

void Program::showSkinChooser() {
    platform_.showModal(frmSkin(), frmMain_);
}

void Program::showColourEditor() {
    frmColor_ = std::make_unique<coloureditor::ColorForm>(
        platform_, store_, customColours_, info_.title, frmMain_.cmbColor.listIndex());
    platform_.showModal(*frmColor_, frmMain_);
}

void Program::reportUnexpectedFailure() {
    mainwindow::withOnTopPause(frmMain_.chkOnTop, [this] {
        platform_.msgBox(
            "Непредвиденная ошибка в программе.\r\n"
            "Действие прервано, программа продолжает работу.",
            forms::msgbox::kCritical, errorTitle());
    });
}

void Program::showPopupMenu(float x, float y) {
    skinchooser::SkinForm& form = frmSkin();
    // Devices come and go while the program runs: the list is taken afresh every time.
    form.listSoundSources(capture::inputDeviceNames(waveIn_), capture_.deviceInUse());
    frmMain_.popupMenu(form.mnu, x, y, form.mnuAbout);
}

void Program::chooseSoundSource(const std::string& deviceName) {
    store_.save(info_.title, settings::kSettingsSection, settings::kDeviceKey, deviceName);
    capture_.selectDevice(deviceName);
}

}  // namespace orv::app
