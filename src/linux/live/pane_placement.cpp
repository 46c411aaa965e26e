#include "linux/live/pane_placement.h"

#include <algorithm>

namespace orv::live {

PanePlacement PanePlacement::fit(int windowWidth, int windowHeight, int paneWidth, int paneHeight) {
    const int scale = std::max(1, std::min(windowWidth / paneWidth, windowHeight / paneHeight));
    const int width = paneWidth * scale;
    const int height = paneHeight * scale;
    return {(windowWidth - width) / 2, (windowHeight - height) / 2, scale, width, height};
}

WindowSize boundedWindowSize(WindowSize wanted, WindowSize usable) {
    return {std::min(wanted.width, usable.width), std::min(wanted.height, usable.height)};
}

}  // namespace orv::live
