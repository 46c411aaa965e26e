#include "mainwindow/colour_scheme_selector.h"

#include "app/settings_schema.h"

namespace orv::mainwindow {

int ColourSchemeSelector::customScheme(int entry) {
    const int k = entry - kFirstCustomEntry;
    return k >= 0 && k < display::CustomColours::kSchemes ? k : -1;
}

void ColourSchemeSelector::cmbColor_Click() {
    const int k = customScheme(frmMain_.cmbColor.listIndex());
    if (k < 0) {
        frmMain_.cmdCustom.setEnabled(false);
        frmMain_.cmdCustom.setPicture(skin_.image(SkinImage::CustomB));
        return;
    }
    frmMain_.cmdCustom.setEnabled(true);
    frmMain_.cmdCustom.setPicture(skin_.image(SkinImage::CustomN));
    const std::string section = app::settings::customSchemeSection(k);
    for (int b = 0; b < display::CustomColours::kBands; ++b) {
        // The text is kept as read; it is converted when a colour is drawn.
        customColors_.set(k, b,
                          store_.get(appTitle_, section, app::settings::bandKey(b),
                                     std::to_string(display::kDefaultCustomColours.at(b))));
    }
}

}  // namespace orv::mainwindow
