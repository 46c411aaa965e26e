#pragma once

#include <cstdint>
#include <span>

#include "engine/pixels/colour.h"

namespace orv::drawing {

// The grid the window shows over the pane, never drawn into the picture: lines 1..26 each way,
// line k at 10k - 2 (8, 18, ..., 258), running from 0 to 256 both ends included.
inline constexpr int kGridLines = 26;
inline constexpr int kGridSpan = 256;
inline constexpr pixels::Colour kGridColour = 0x004000;  // (0, 64, 0)
constexpr int gridLineAt(int k) {
    return 10 * k - 2;
}

// Paints the grid over a picture whose rows run top-down, each pixel 0x00RRGGBB, as the window's
// grid lines paint it; what falls outside the picture is dropped.
void paintGrid(std::span<std::uint32_t> pixels, int width, int height);

}  // namespace orv::drawing
