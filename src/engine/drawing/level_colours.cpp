#include "engine/drawing/level_colours.h"

#include "engine/drawing/colour_schemes.h"

namespace orv::drawing {
namespace {

constexpr int kHighestLevel = 256;

}  // namespace

Colour LevelColours::LevelColor(int level, int scheme) const {
    if (level > kHighestLevel) {
        if (reportOverRange) reportOverRange(level);
        return 0;
    }
    const auto schemes = colourSchemes();
    if (scheme < 0 || scheme >= static_cast<int>(schemes.size())) return 0;
    const ColourScheme& entry = schemes[static_cast<std::size_t>(scheme)];
    if (entry.kind == ColourScheme::Kind::OneColour) return entry.colour;
    const int band = bandOf(level, entry.uppers);
    if (band < 0) return 0;
    if (entry.kind == ColourScheme::Kind::UserBands) {
        return customColours_.colour(entry.userScheme, band);
    }
    return entry.bands[static_cast<std::size_t>(band)];
}

}  // namespace orv::drawing
