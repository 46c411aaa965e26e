#pragma once

#include <string>
#include <utility>

#include "engine/drawing/custom_colours.h"
#include "windows/mainwindow/main_form.h"
#include "windows/mainwindow/skin.h"
#include "windows/settings/settings_store.h"
#include "windows/settings/user_schemes.h"

namespace orv::mainwindow {

// The colour-scheme list's bookkeeping: the custom-colours button is usable only while a user
// scheme is selected, and choosing a user scheme loads its stored colours.
class ColourSchemeSelector {
  public:
    ColourSchemeSelector(MainForm& frmMain, const Skin& skin, settings::SettingsStore& store,
                         drawing::CustomColours& customColours, std::string appTitle)
        : frmMain_(frmMain),
          skin_(skin),
          userSchemes_(store, std::move(appTitle)),
          customColours_(customColours) {}

    void wire() {
        frmMain_.cmbColor.onClick = [this] { cmbColor_Click(); };
    }
    void cmbColor_Click();

  private:
    MainForm& frmMain_;
    const Skin& skin_;
    settings::UserSchemes userSchemes_;
    drawing::CustomColours& customColours_;
};

}  // namespace orv::mainwindow
