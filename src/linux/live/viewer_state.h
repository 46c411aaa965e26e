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
    static constexpr int kStyles = 25;
    static constexpr int kSchemes = 15;
    static constexpr int kSweepingStyle = 22;  // builds up its columns in the scheme made for it
    static constexpr int kSweepingScheme = 9;

    drawing::DrawSettings draw;
    bool grid = false;
    bool paused = false;
    bool onTop = false;
    bool fullScreen = false;
    bool help = false;
    bool quit = false;
    int styleCounter = 0;

    void apply(Action action);
    // As choosing in the program's style list: every style clears before each block, except the
    // sweeping one, which also switches to its scheme.
    void selectStyle(int style);
};

}  // namespace orv::live
