#pragma once

#include "linux/command_line/draw_options.h"
#include "linux/live/live_settings.h"

namespace orv::live {

// Which of the shared drawing options the command line gave.
struct GivenOptions {
    bool style = false;
    bool scheme = false;
    bool zoom = false;
    bool grid = false;
    bool clear = false;  // --clear or --no-clear
};

// The remembered choices with those the command line gave put over them. A style given sets the
// clear option (and for the sweeping style its scheme) as choosing it in the window does.
LiveSettings withGivenOptions(LiveSettings remembered, const command_line::Drawing& drawing,
                              const GivenOptions& given);

}  // namespace orv::live
