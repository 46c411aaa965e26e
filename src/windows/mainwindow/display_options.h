#pragma once

#include <functional>

#include "windows/forms/control.h"
#include "windows/mainwindow/main_form.h"

namespace orv::mainwindow {

// The main window's controls that steer the drawing: the style list, the grid and stepping
// through the styles by clicking into the pane. The pen width needs no handler: the drawing
// reads it from the zoom list (PaneDrawing).
class DisplayOptions {
  public:
    explicit DisplayOptions(MainForm& frmMain) : frmMain_(frmMain) {}

    // Installs the handlers below on the main window's controls.
    void wire();

    // Every style starts its blocks on a cleared pane except the sweeping one (22), which builds
    // up its columns and switches to the colour scheme made for it (9).
    void cmbStyle_Click();
    // Shows or hides the grid lines, then sets the pop-up menu's mark to match.
    void chkShowMap_Click();
    // Left steps the style counter up, right down, wrapping at both ends; any button then
    // selects the counter's style. The position and the shift keys do not matter.
    void pctSpec_MouseDown(forms::MouseButton button, int shift, float x, float y);

    // Sets the check mark of the pop-up menu's grid item; the menu lives on another form, so
    // this may be empty.
    std::function<void(bool)> setGridMenuMark;

  private:
    MainForm& frmMain_;
};

}  // namespace orv::mainwindow
