#pragma once

#include <array>
#include <string>
#include <variant>

#include "engine/pixels/colour.h"

namespace orv::drawing {

using pixels::Colour;

// The default colours of the sixteen bands of a user scheme, symmetric about the middle.
inline constexpr std::array<Colour, 16> kDefaultCustomColours = {
    0x0000FF,  // (255, 0, 0)
    0x00FFFF,  // (255, 255, 0)
    0xC0FFC0,  // (192, 255, 192)
    0x80FF80,  // (128, 255, 128)
    0x00FF00,  // (0, 255, 0)
    0x00C000,  // (0, 192, 0)
    0x008000,  // (0, 128, 0)
    0x004000,  // (0, 64, 0)
    0x004000,  // (0, 64, 0)
    0x008000,  // (0, 128, 0)
    0x00C000,  // (0, 192, 0)
    0x00FF00,  // (0, 255, 0)
    0x80FF80,  // (128, 255, 128)
    0xC0FFC0,  // (192, 255, 192)
    0x00FFFF,  // (255, 255, 0)
    0x0000FF,  // (255, 0, 0)
};

// The colours of the four user schemes while the program runs, one row per scheme and one cell
// per band. A cell holds nothing yet, the text read from the settings store, or a colour the
// colour editor put there; it is converted only when read.
class CustomColours {
  public:
    static constexpr int kSchemes = 4;
    static constexpr int kBands = 16;
    static constexpr Colour kLargestColour = 0xFFFFFF;

    using Cell = std::variant<std::monostate, std::string, Colour>;

    // k: the scheme, 0..3; b: the band, 0..15.
    void set(int k, int b, Cell value);
    const Cell& cell(int k, int b) const;
    // The cell as a colour: an empty cell is black (0), a text its decimal value. A text that is
    // not a whole decimal number, or a value beyond 0..0xFFFFFF, can only come from a settings
    // store edited by hand; such a cell shows the band's default colour.
    Colour colour(int k, int b) const;
    // The same conversion for a cell of band b that is not in the table (a colour being edited).
    static Colour colourOf(const Cell& cell, int b);

  private:
    std::array<std::array<Cell, kBands>, kSchemes> cells_{};
};

}  // namespace orv::drawing
