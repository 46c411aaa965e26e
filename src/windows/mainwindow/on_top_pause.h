#pragma once

#include "windows/forms/check_box.h"

namespace orv::mainwindow {

// Takes the main window out of the topmost layer while a modal window or error box is open, so
// that it cannot hide behind the main window. The box is always ticked afterwards.
template <typename Body>
void withOnTopPause(forms::CheckBox& chkOnTop, Body&& body) {
    chkOnTop.setValue(0);
    body();
    chkOnTop.setValue(1);
}

}  // namespace orv::mainwindow
