#include "windows/mainwindow/colour_scheme_selector.h"

#include "engine/drawing/colour_schemes.h"
#include "windows/settings/settings_schema.h"

namespace orv::mainwindow {

void ColourSchemeSelector::cmbColor_Click() {
    const int k = drawing::userSchemeOf(frmMain_.cmbColor.listIndex());
    if (k < 0) {
        frmMain_.cmdCustom.setEnabled(false);
        frmMain_.cmdCustom.setPicture(skin_.image(SkinImage::CustomB));
        return;
    }
    frmMain_.cmdCustom.setEnabled(true);
    frmMain_.cmdCustom.setPicture(skin_.image(SkinImage::CustomN));
    const std::string section = settings::customSchemeSection(k);
    for (int b = 0; b < drawing::CustomColours::kBands; ++b) {
        // The text is kept as read; it is converted when a colour is drawn.
        customColours_.set(k, b,
                           store_.get(appTitle_, section, settings::bandKey(b),
                                      std::to_string(drawing::kDefaultCustomColours.at(b))));
    }
}

}  // namespace orv::mainwindow
