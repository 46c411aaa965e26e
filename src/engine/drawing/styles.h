#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "engine/drawing/canvas.h"
#include "engine/drawing/level_colours.h"
#include "engine/drawing/style_choice.h"

namespace orv::drawing {

// One sample as the styles see it: its index, its value and its polar point, whose offsets
// from the centre only the styles that draw it work out.
struct Sample {
    std::int16_t i;
    std::int16_t v;
    double theta;   // the polar point's angle
    double radius;  // and its distance from the centre
    double x() const { return radius * std::cos(theta); }
    double y() const { return radius * std::sin(theta); }
};

// What a style draws with.
struct StyleContext {
    Canvas& pane;
    const LevelColours& levels;
    std::int16_t& sweepColumn;
    int scheme;  // the colour list's entry, read for this sample
    // The sample's colour; a style asks for it just before the stroke that uses it.
    Colour colourOf(const Sample& s) const { return levels.LevelColor(s.v, scheme); }
};

using Style = void (*)(StyleContext& context, const Sample& sample);

// The drawing of each entry of the style list, by index.
const std::array<Style, kStyleCount>& styles();

// Whether a style's stroke is fixed by the sample's level alone (wherever the pen is, whatever
// came before): then a level drawn again later in a block paints over the earlier stroke wholly.
bool strokeIsTheLevels(int style);

}  // namespace orv::drawing
