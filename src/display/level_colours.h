#pragma once

#include <string>

#include "display/custom_colors.h"
#include "forms/combo_box.h"
#include "forms/platform.h"

namespace orv::display {

// Turns a sample's level into the colour it is drawn in, under the scheme selected in the colour
// list at the moment of the call, so a new choice applies from the next sample drawn.
class LevelColours {
  public:
    LevelColours(const forms::ComboBox& cmbColor, const CustomColors& customColors,
                 forms::Platform& platform, std::string appTitle);

    // A level above 256 is reported in a message box and painted black. No scheme selected, or
    // a level in none of the scheme's bands (0 or below), is black too.
    forms::Colour LevelColor(int level);

  private:
    const forms::ComboBox& cmbColor_;
    const CustomColors& customColors_;
    forms::Platform& platform_;
    std::string appTitle_;
};

}  // namespace orv::display
