#include "windows/skinchooser/skin_form.h"

namespace orv::skinchooser {

namespace {
// The point of the main window's own image whose colour the pane's background takes: inside the
// pane's area, so it is the skin's colour behind the pane.
constexpr int kSkinSampleX = 50;
constexpr int kSkinSampleY = 50;
}  // namespace

void SkinForm::mnuPaintSpecBGAsSkin_Click() {
    s_.pane.setBackColour(s_.frmMain.pixel(kSkinSampleX, kSkinSampleY));
    s_.frmMain.pctSpec.refresh();
}

void SkinForm::mnuShowGirds_Click() {
    mnuShowGirds->setChecked(!mnuShowGirds->checked());
    s_.frmMain.chkShowMap.setValue(mnuShowGirds->checked() ? 1 : 0);
}

void SkinForm::mnuClearScreen_Click() {
    mnuClearScreen->setChecked(!mnuClearScreen->checked());
    s_.frmMain.chkCLS.setValue(mnuClearScreen->checked() ? 1 : 0);
}

void SkinForm::mnuChangeSkin_Click() {
    if (s_.showModal) s_.showModal();
}

void SkinForm::mnuAbout_Click() {
    if (s_.showAbout) s_.showAbout();
}

void SkinForm::mnuExit_Click() {
    s_.frmMain.close();
}

}  // namespace orv::skinchooser
