#include "linux/live/viewer_state.h"

namespace orv::live {

namespace {

int wrapped(int value, int count) {
    return (value % count + count) % count;
}

}  // namespace

void ViewerState::selectStyle(int style) {
    draw.style = style;
    draw.clear = true;
    if (style == kSweepingStyle) {
        draw.scheme = kSweepingScheme;
        draw.clear = false;
    }
}

void ViewerState::apply(Action action) {
    switch (action) {
        case Action::NextStyle:
            selectStyle(wrapped(draw.style + 1, kStyles));
            break;
        case Action::PreviousStyle:
            selectStyle(wrapped(draw.style - 1, kStyles));
            break;
        case Action::NextScheme:
            draw.scheme = wrapped(draw.scheme + 1, kSchemes);
            break;
        case Action::PreviousScheme:
            draw.scheme = wrapped(draw.scheme - 1, kSchemes);
            break;
        case Action::PenWidth1:
        case Action::PenWidth2:
        case Action::PenWidth3:
        case Action::PenWidth4:
            draw.penWidth = 1 + static_cast<int>(action) - static_cast<int>(Action::PenWidth1);
            break;
        case Action::Grid:
            grid = !grid;
            break;
        case Action::Clear:
            draw.clear = !draw.clear;
            break;
        case Action::Pause:
            paused = !paused;
            break;
        case Action::OnTop:
            onTop = !onTop;
            break;
        case Action::FullScreen:
            fullScreen = !fullScreen;
            break;
        case Action::Help:
            help = !help;
            break;
        case Action::Back:
            if (help) {
                help = false;
            } else {
                fullScreen = false;
            }
            break;
        case Action::Quit:
            quit = true;
            break;
        case Action::ClickLeft:
            styleCounter = wrapped(styleCounter + 1, kStyles);
            selectStyle(styleCounter);
            break;
        case Action::ClickRight:
            styleCounter = wrapped(styleCounter - 1, kStyles);
            selectStyle(styleCounter);
            break;
        case Action::ClickMiddle:
            selectStyle(styleCounter);
            break;
    }
}

}  // namespace orv::live
