#include "linux/live/remembered_choices.h"

#include <gtest/gtest.h>

namespace orv::live {
namespace {

// Remembered: style 4, scheme 6, pen 2, grid off, not clearing.
LiveSettings remembered() {
    LiveSettings settings;
    settings.style = 4;
    settings.scheme = 6;
    settings.penWidth = 2;
    settings.clear = false;
    return settings;
}

command_line::Drawing resolved(int style, int scheme, bool clear, int penWidth, bool grid) {
    command_line::Drawing drawing;
    drawing.settings = {style, scheme, clear, penWidth};
    drawing.grid = grid;
    return drawing;
}

struct Overlay {
    const char* name;
    command_line::Drawing drawing;
    GivenOptions given;
    int style;
    int scheme;
    bool clear;
    int penWidth;
    bool grid;
};

const Overlay kOverlays[] = {
    {"nothing given keeps every remembered choice",
     resolved(0, 0, true, 1, false),
     {},
     4,
     6,
     false,
     2,
     false},
    {"a style given clears as choosing it does",
     resolved(7, 0, true, 1, false),
     {.style = true},
     7,
     6,
     true,
     2,
     false},
    {"the sweeping style brings its scheme",
     resolved(22, 9, false, 1, false),
     {.style = true},
     22,
     9,
     false,
     2,
     false},
    {"its scheme yields to one given",
     resolved(22, 11, false, 1, false),
     {.style = true, .scheme = true},
     22,
     11,
     false,
     2,
     false},
    {"a style with --no-clear",
     resolved(3, 0, false, 1, false),
     {.style = true, .clear = true},
     3,
     6,
     false,
     2,
     false},
    {"the sweeping style with --clear",
     resolved(22, 9, true, 1, false),
     {.style = true, .clear = true},
     22,
     9,
     true,
     2,
     false},
    {"pen width and grid alone",
     resolved(0, 0, true, 4, true),
     {.zoom = true, .grid = true},
     4,
     6,
     false,
     4,
     true},
};

class GivenOverRemembered : public ::testing::TestWithParam<Overlay> {};

TEST_P(GivenOverRemembered, TakesOnlyWhatTheCommandLineGave) {
    const Overlay& o = GetParam();
    const LiveSettings settings = withGivenOptions(remembered(), o.drawing, o.given);
    EXPECT_EQ(settings.style, o.style) << o.name;
    EXPECT_EQ(settings.scheme, o.scheme) << o.name;
    EXPECT_EQ(settings.clear, o.clear) << o.name;
    EXPECT_EQ(settings.penWidth, o.penWidth) << o.name;
    EXPECT_EQ(settings.grid, o.grid) << o.name;
}

INSTANTIATE_TEST_SUITE_P(Options, GivenOverRemembered, ::testing::ValuesIn(kOverlays));

}  // namespace
}  // namespace orv::live
