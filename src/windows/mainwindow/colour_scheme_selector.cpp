#include "mainwindow/colour_scheme_selector.h"

#include "display/colour_schemes.h"
#include "settings/settings_schema.h"

namespace orv::mainwindow {

void ColourSchemeSelector::cmbColor_Click() {
    const int k = display::userSchemeOf(frmMain_.cmbColor.listIndex());
    if (k < 0) {
        frmMain_.cmdCustom.setEnabled(false);
        frmMain_.cmdCustom.setPicture(skin_.image(SkinImage::CustomB));
        return;
    }
    frmMain_.cmdCustom.setEnabled(true);
    frmMain_.cmdCustom.setPicture(skin_.image(SkinImage::CustomN));
    const std::string section = settings::customSchemeSection(k);
    for (int b = 0; b < display::CustomColours::kBands; ++b) {
        // The text is kept as read; it is converted when a colour is drawn.
        customColours_.set(k, b,
                           store_.get(appTitle_, section, settings::bandKey(b),
                                      std::to_string(display::kDefaultCustomColours.at(b))));
    }
}

}  // namespace orv::mainwindow
