#pragma once

#include <functional>

#include "windows/forms/control.h"
#include "windows/mainwindow/main_form.h"
#include "windows/mainwindow/skin.h"

namespace orv::mainwindow {

// What a frame would give a window, done by the borderless main window from its own mouse events:
// dragging, minimising and closing through the face, keeping on top, the two bitmap buttons with
// a pressed look, and opening the windows that the face and the buttons lead to.
class Chrome {
  public:
    Chrome(MainForm& frmMain, const Skin& skin) : frmMain_(frmMain), skin_(skin) {}

    // The windows the face and the buttons open; each may be empty until that window exists.
    std::function<void()> showAbout;
    std::function<void()> showColourEditor;  // modal, shown inside the on-top pause
    std::function<void()> showSkinChooser;   // modal, shown inside the on-top pause
    std::function<void(float x, float y)> showPopupMenu;

    // Installs the handlers below on the main window and its controls.
    void wire();

    void Form_MouseDown(forms::MouseButton button, int shift, float x, float y);
    void Form_MouseMove(forms::MouseButton button, int shift, float x, float y);
    void Form_MouseUp(forms::MouseButton button, int shift, float x, float y);
    void Form_DblClick();
    void chkOnTop_Click();
    void cmdAbout_MouseDown();
    void cmdAbout_MouseUp();
    void cmdAbout_Click();
    void cmdCustom_MouseDown();
    void cmdCustom_MouseUp();
    void cmdCustom_Click();

  private:
    MainForm& frmMain_;
    const Skin& skin_;
    bool dragging_ = false;
    float grabX_ = 0;  // where the drag took hold
    float grabY_ = 0;
};

}  // namespace orv::mainwindow
