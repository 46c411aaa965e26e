#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "engine/drawing/canvas.h"
#include "windows/forms/app_info.h"
#include "windows/forms/list_box.h"
#include "windows/forms/menu.h"
#include "windows/forms/platform.h"
#include "windows/forms/text_controls.h"
#include "windows/mainwindow/main_form.h"
#include "windows/mainwindow/skin.h"
#include "windows/settings/settings_store.h"

namespace orv::skinchooser {

// The skin chooser, and the main window's pop-up menu, which lives on this form: the menu's check
// marks start afresh whenever the form is loaded.
class SkinForm : public forms::Form {
  public:
    struct Services {
        forms::Platform& platform;
        settings::SettingsStore& store;
        const forms::AppInfo& app;
        mainwindow::MainForm& frmMain;
        mainwindow::Skin& skin;
        drawing::Canvas& pane;
        // Opens this form modally inside the main window's on-top pause.
        std::function<void()> showModal;
        std::function<void()> showAbout;
        // Records the sound input chosen in the menu: a device's name, empty for the system's
        // choice.
        std::function<void(const std::string&)> chooseSoundSource;
    };

    explicit SkinForm(Services services);

    std::array<forms::Label, 2> lbl;
    forms::ListBox lstSkin;
    forms::TextBox txtSel;
    forms::Button cmdOK;
    forms::Button cmdDefaults;
    forms::Button cmdCancel;

    forms::MenuItem mnu;
    forms::MenuItem* mnuSoundSource = nullptr;
    forms::MenuItem* mnuPaintSpecBGAsSkin = nullptr;
    forms::MenuItem* mnuShowGirds = nullptr;
    forms::MenuItem* mnuAlwaysOnTop = nullptr;
    forms::MenuItem* mnuClearScreen = nullptr;
    forms::MenuItem* mnuChangeSkin = nullptr;
    forms::MenuItem* mnuAbout = nullptr;
    forms::MenuItem* mnuExit = nullptr;

    void Form_Load();
    void lstSkin_Click();
    void cmdOK_Click();
    void cmdDefaults_Click();
    void cmdCancel_Click();

    void mnuPaintSpecBGAsSkin_Click();
    void mnuShowGirds_Click();
    void mnuClearScreen_Click();
    void mnuChangeSkin_Click();
    void mnuAbout_Click();
    void mnuExit_Click();
    void mnuDevice_Click(const std::string& deviceName);

    // Lists the sound inputs in their sub-menu: the system's choice, the sources of what the
    // outputs play, a separator, then each recording device (all indexed by device number;
    // unnamed ones left out), with a check mark on `inUse`, a device number or the wave mapper.
    void listSoundSources(const std::vector<std::string>& devices, unsigned inUse);

    // The sub-folders of a folder listing that are skins: plain directories, "." and ".."
    // excepted, hidden and system folders left out.
    static std::vector<std::string> skinFolders(const std::vector<forms::DirEntry>& entries);

  private:
    void buildMenu();
    void wire();
    void resetMenuMarks();

    Services s_;
};

}  // namespace orv::skinchooser
