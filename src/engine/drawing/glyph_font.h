#pragma once

#include <cstdint>

namespace orv::drawing::glyphs {

// The pane's font: "Courier New" at 13 pixels, as 1-bit masks of the printable ASCII characters.
#include "engine/drawing/glyphs_courier13.inc"

// The rows of a character's glyph, or nullptr for a character the table does not hold.
inline const std::uint8_t* rowsOf(char c) {
    const int index = static_cast<unsigned char>(c) - kFirstGlyph;
    return index >= 0 && index < kGlyphCount ? kGlyphRows[index] : nullptr;
}

}  // namespace orv::drawing::glyphs
