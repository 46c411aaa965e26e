#pragma once

#include <memory>

#include "capture/capture.h"
#include "capture/wave_in.h"
#include "coloureditor/colour_form.h"
#include "display/block_drawing.h"
#include "display/custom_colours.h"
#include "display/raster_canvas.h"
#include "forms/app_info.h"
#include "forms/platform.h"
#include "mainwindow/chrome.h"
#include "mainwindow/colour_scheme_selector.h"
#include "mainwindow/display_options.h"
#include "mainwindow/main_form.h"
#include "mainwindow/pane_drawing.h"
#include "mainwindow/skin.h"
#include "mainwindow/start_stop.h"
#include "settings/settings_store.h"
#include "skinchooser/skin_form.h"

namespace orv::app {

// The whole program: its windows, their handlers and its state, over the platform's services.
class Program {
  public:
    Program(forms::Platform& platform, settings::SettingsStore& store,
            capture::WaveInDevice& waveIn, forms::AppInfo info);

    // The start-up: refuses a second copy and a machine without sound input, then shows the
    // main window. Returns false when the program must end at once.
    bool Main();
    // True when another copy runs; the user has then been told.
    bool CheckSingleInstance();
    // True when the machine has a sound-input device; otherwise the user has been told.
    bool CheckInputDevices();

    void Form_Load();
    void Form_QueryUnload();
    // Tells the user that a handler failed unexpectedly; what it was doing is abandoned.
    void reportUnexpectedFailure();

    mainwindow::MainForm& frmMain() { return frmMain_; }
    mainwindow::Skin& skin() { return skin_; }
    capture::Capture& capture() { return capture_; }
    mainwindow::Chrome& chrome() { return chrome_; }
    display::RasterCanvas& pane() { return paneDrawing_.pane(); }
    display::BlockDrawing& drawing() { return paneDrawing_.drawing(); }
    display::CustomColours& customColours() { return customColours_; }
    // The skin chooser, loaded (hidden) if it is not: the pop-up menu lives on it.
    skinchooser::SkinForm& frmSkin();
    // The colour editor while it is open, else null.
    coloureditor::ColorForm* frmColor() { return frmColor_.get(); }

  private:
    void wire();
    void showColourEditor();
    void showSkinChooser();
    void showPopupMenu(float x, float y);
    void chooseSoundSource(const std::string& deviceName);
    std::string errorTitle() const { return "Ошибка в " + info_.title; }

    forms::Platform& platform_;
    settings::SettingsStore& store_;
    capture::WaveInDevice& waveIn_;
    forms::AppInfo info_;
    mainwindow::MainForm frmMain_;
    mainwindow::Skin skin_;
    display::CustomColours customColours_;
    mainwindow::PaneDrawing paneDrawing_;
    capture::Capture capture_;
    mainwindow::StartStop startStop_;
    mainwindow::DisplayOptions displayOptions_;
    mainwindow::ColourSchemeSelector colourSchemeSelector_;
    mainwindow::Chrome chrome_;
    // Dialogs are made afresh for every opening; an unloaded one is dropped at the next use,
    // never from inside its own handlers.
    std::unique_ptr<coloureditor::ColorForm> frmColor_;
    std::unique_ptr<skinchooser::SkinForm> frmSkin_;
};

}  // namespace orv::app
