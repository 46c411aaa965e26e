#include "linux/live/remembered_choices.h"

#include "engine/drawing/style_choice.h"

namespace orv::live {

LiveSettings withGivenOptions(LiveSettings remembered, const command_line::Drawing& drawing,
                              const GivenOptions& given) {
    const drawing::DrawSettings& chosen = drawing.settings;
    if (given.style) {
        remembered.style = chosen.style;
        remembered.clear = chosen.clear;
        if (drawing::impliedBy(chosen.style).scheme) {
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
