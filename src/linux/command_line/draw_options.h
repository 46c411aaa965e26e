#pragma once

#include <string>
#include <vector>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/custom_colours.h"

namespace CLI {
class App;
}

namespace orv::command_line {

// How to draw, as the window's controls would have it set.
struct Drawing {
    drawing::DrawSettings settings;
    drawing::CustomColours colours;
    drawing::Colour background = 0;  // the pane's background, 0x00BBGGRR
    bool grid = false;               // the grid lines over the picture
};

// The drawing options shared by the native programs: --style, --scheme, --zoom, --grid,
// --clear, --no-clear, --background and --colours, with --list-styles and --list-schemes, which
// print the lists and end the program successfully.
class DrawOptions {
  public:
    // defaultScheme is the scheme without --scheme for the styles other than 22.
    explicit DrawOptions(CLI::App& app, int defaultScheme = 0);

    // The options given, as a Drawing. Throws OptionError for a name not in a list, a colour that
    // is not one or a colours file that cannot be read.
    Drawing resolve() const;

  private:
    std::string style_ = "0";
    std::string scheme_;
    int defaultScheme_;
    int zoom_ = 1;
    bool grid_ = false;
    bool clear_ = false;
    bool noClear_ = false;
    std::string background_ = "#000000";
    std::vector<std::string> colours_;
};

}  // namespace orv::command_line
