#include "linux/live/viewer_state.h"

#include "engine/drawing/style_choice.h"

namespace orv::live {

void ViewerState::selectStyle(int style) {
    const drawing::StyleImplies implied = drawing::impliedBy(style);
    draw.style = style;
    draw.clear = implied.clear;
    if (implied.scheme) draw.scheme = *implied.scheme;
}

void ViewerState::apply(Action action) {
    switch (action) {
        case Action::NextStyle:
            selectStyle(drawing::stepWrapping(draw.style, 1, drawing::kStyleCount));
            break;
        case Action::PreviousStyle:
            selectStyle(drawing::stepWrapping(draw.style, -1, drawing::kStyleCount));
            break;
        case Action::NextScheme:
            draw.scheme = drawing::stepWrapping(draw.scheme, 1, drawing::kSchemeCount);
            break;
        case Action::PreviousScheme:
            draw.scheme = drawing::stepWrapping(draw.scheme, -1, drawing::kSchemeCount);
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
            styleCounter = drawing::stepWrapping(styleCounter, 1, drawing::kStyleCount);
            selectStyle(styleCounter);
            break;
        case Action::ClickRight:
            styleCounter = drawing::stepWrapping(styleCounter, -1, drawing::kStyleCount);
            selectStyle(styleCounter);
            break;
        case Action::ClickMiddle:
            selectStyle(styleCounter);
            break;
    }
}

}  // namespace orv::live
