#pragma once

#include <array>
#include <memory>
#include <string>

#include "engine/drawing/custom_colours.h"
#include "windows/forms/combo_box.h"
#include "windows/forms/form.h"
#include "windows/forms/platform.h"
#include "windows/forms/text_controls.h"
#include "windows/settings/settings_store.h"
#include "windows/settings/user_schemes.h"

namespace orv::coloureditor {

// The dialog that edits the sixteen band colours of one user scheme. It is created afresh at
// every opening and discarded when it closes.
class ColorForm : public forms::Form {
  public:
    static constexpr int kBands = drawing::CustomColours::kBands;

    // mainColourEntry: the entry selected in the main window's colour list when it opens.
    ColorForm(forms::Platform& platform, settings::SettingsStore& store,
              drawing::CustomColours& customColours, std::string appTitle, int mainColourEntry);

    forms::Frame fraCol;
    std::array<std::unique_ptr<forms::PictureBox>, kBands> pctCol;
    std::array<std::unique_ptr<forms::Label>, kBands + 1> lbl;
    forms::Button cmdOK;
    forms::Button cmdCancel;
    forms::Button cmdDefaults;
    forms::ComboBox cmbScheme;

    void Form_Load();
    void cmbScheme_Click();
    void pctCol_Click(int index);
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdDefaults_Click();
    // The platform's colour picker for a swatch; true when the user chose a colour.
    bool PickColor(forms::PictureBox& swatch);

  private:
    void wire();
    // Shows a scheme's colours as stored.
    void showStored(const settings::UserSchemes::Texts& bands);
    void loadScheme(int k);
    int scheme() const { return cmbScheme.listIndex(); }

    forms::Platform& platform_;
    settings::SettingsStore& store_;
    drawing::CustomColours& customColours_;
    std::string appTitle_;
    settings::UserSchemes userSchemes_;
    int mainColourEntry_;
};

}  // namespace orv::coloureditor
