#include "live/remembered_choices.h"

#include "live/viewer_state.h"

namespace orv::live {

LiveSettings withGivenOptions(LiveSettings remembered, const frontend::Drawing& drawing,
                              const GivenOptions& given) {
    const display::DrawSettings& chosen = drawing.settings;
    if (given.style) {
        remembered.style = chosen.style;
        remembered.clear = chosen.clear;
        if (chosen.style == ViewerState::kSweepingStyle) {
            remembered.scheme = chosen.scheme;
        }
    }
    if (given.scheme) {
        remembered.scheme = chosen.scheme;
    }
    if (given.zoom) {
        remembered.penWidth = chosen.penWidth;
    }
    if (given.grid) {
        remembered.grid = true;
    }
    if (given.clear) {
        remembered.clear = chosen.clear;
    }
    return remembered;
}

}  // namespace orv::live
