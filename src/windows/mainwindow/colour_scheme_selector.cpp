#include "windows/mainwindow/colour_scheme_selector.h"

#include <cstddef>
#include "engine/drawing/colour_schemes.h"

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
    const settings::UserSchemes::Texts bands = userSchemes_.load(k);
    for (int b = 0; b < drawing::CustomColours::kBands; ++b) {
        // The text is kept as read; it is converted when a colour is drawn.
        customColours_.set(k, b, bands.at(static_cast<std::size_t>(b)));
    }
}

}  // namespace orv::mainwindow
