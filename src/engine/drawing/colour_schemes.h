#pragma once

#include <span>

#include "engine/pixels/colour.h"

namespace orv::drawing {

using pixels::Colour;

// How a colour scheme paints a level. Levels fall into half-open bands, lower < level <= upper;
// a scheme's bands follow each other from 0 upward, each starting where the one before ends.
struct ColourScheme {
    enum class Kind { OneColour, Bands, UserBands };
    Kind kind;
    Colour colour;                  // OneColour: the colour of every level
    std::span<const int> uppers;    // Bands, UserBands: each band's upper bound, ascending
    std::span<const Colour> bands;  // Bands: each band's colour
    int userScheme;                 // UserBands: the row of the user colours
};

// The fifteen entries of the colour list, in its order.
std::span<const ColourScheme> colourSchemes();

// The user scheme (0..3) that an entry of the colour list paints with, or -1 for any other entry.
int userSchemeOf(int entry);

// The band of the layout that holds the level, or -1 when none does (level 0 or below, or above
// the last bound).
int bandOf(int level, std::span<const int> uppers);

}  // namespace orv::drawing
