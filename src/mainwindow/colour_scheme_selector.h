#pragma once

#include <string>
#include <utility>

#include "app/settings_store.h"
#include "display/custom_colours.h"
#include "mainwindow/main_form.h"
#include "mainwindow/skin.h"

namespace orv::mainwindow {

// The colour-scheme list's bookkeeping: the custom-colours button is usable only while a user
// scheme is selected, and choosing a user scheme loads its stored colours.
class ColourSchemeSelector {
  public:
    static constexpr int kFirstCustomEntry = 11;

    ColourSchemeSelector(MainForm& frmMain, const Skin& skin, app::SettingsStore& store,
                         display::CustomColours& customColors, std::string appTitle)
        : frmMain_(frmMain),
          skin_(skin),
          store_(store),
          customColors_(customColors),
          appTitle_(std::move(appTitle)) {}

    void wire() {
        frmMain_.cmbColor.onClick = [this] { cmbColor_Click(); };
    }
    void cmbColor_Click();

    // The user scheme of a colour-list entry, or -1 for any other entry.
    static int customScheme(int entry);

  private:
    MainForm& frmMain_;
    const Skin& skin_;
    app::SettingsStore& store_;
    display::CustomColours& customColors_;
    std::string appTitle_;
};

}  // namespace orv::mainwindow
