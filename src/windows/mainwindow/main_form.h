#pragma once

#include <memory>
#include <vector>

#include "engine/drawing/grid.h"
#include "windows/forms/check_box.h"
#include "windows/forms/combo_box.h"
#include "windows/forms/form.h"
#include "windows/forms/picture_box.h"

namespace orv::mainwindow {

// The main window: borderless, its face the skin's background, twelve controls and the grid
// lines inside the display pane. This is layout only; the handlers are wired by the program.
class MainForm : public forms::Form {
  public:
    static constexpr int kClientWidth = 473;
    static constexpr int kClientHeight = 314;
    static constexpr int kGridLines = drawing::kGridLines;

    explicit MainForm(forms::FormHost* host);

    forms::PictureBox pctSpec;
    forms::ComboBox cmbStyle;
    forms::ComboBox cmbColor;
    forms::ComboBox cmbZoom;
    forms::CheckBox chkOnTop;
    forms::CheckBox chkShowMap;
    forms::CheckBox chkCLS;
    forms::PictureBox cmdStart;
    forms::PictureBox cmdStop;
    forms::PictureBox cmdAbout;
    forms::PictureBox cmdCustom;
    forms::PictureBox cmdExit;

    // Grid lines over the pane; element 0 of each is the hidden template.
    std::vector<std::unique_ptr<forms::Line>> vl;
    std::vector<std::unique_ptr<forms::Line>> hl;

    // Creates vl(i) and hl(i) as copies of their templates at 10·i − 2, hidden.
    void loadGridLine(int i);
};

}  // namespace orv::mainwindow
