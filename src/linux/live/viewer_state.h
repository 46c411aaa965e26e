#pragma once

#include "engine/drawing/block_drawing.h"

namespace orv::live {

// What a key or a click on the pane asks for.
enum class Action {
    NextStyle,
    PreviousStyle,
    NextScheme,
    PreviousScheme,
    PenWidth1,
    PenWidth2,
    PenWidth3,
    PenWidth4,
    Grid,
    Clear,
    Pause,
    OnTop,
    FullScreen,
    Help,
    Back,  // closes the help, else leaves full screen
    Quit,
    // Clicks on the pane step a counter of their own, as in the Windows program: left up, right
    // down, both wrapping; any button then selects the counter's style.
    ClickLeft,
    ClickRight,
    ClickMiddle,
};

// The live window's choices: how blocks are drawn and how the window shows them.
struct ViewerState {
    drawing::DrawSettings draw;
    bool grid = false;
    bool paused = false;
    bool onTop = false;
    bool fullScreen = false;
    bool help = false;
    bool quit = false;
    int styleCounter = 0;

    void apply(Action action);
    // As choosing in the program's style list, with what the style brings with it.
    void selectStyle(int style);
};

}  // namespace orv::live
