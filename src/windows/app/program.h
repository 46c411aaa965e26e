#pragma once

#include <memory>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/custom_colours.h"
#include "engine/drawing/raster_canvas.h"
#include "windows/capture/capture.h"
#include "windows/capture/wave_in.h"
#include "windows/coloureditor/colour_form.h"
#include "windows/forms/app_info.h"
#include "windows/forms/platform.h"
#include "windows/mainwindow/chrome.h"
#include "windows/mainwindow/colour_scheme_selector.h"
#include "windows/mainwindow/display_options.h"
#include "windows/mainwindow/main_form.h"
#include "windows/mainwindow/pane_drawing.h"
#include "windows/mainwindow/skin.h"
#include "windows/mainwindow/start_stop.h"
#include "windows/settings/settings_store.h"
#include "windows/skinchooser/skin_form.h"

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
    drawing::RasterCanvas& pane() { return paneDrawing_.pane(); }
    drawing::BlockDrawing& drawing() { return paneDrawing_.drawing(); }
    drawing::CustomColours& customColours() { return customColours_; }
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
    drawing::CustomColours customColours_;
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
