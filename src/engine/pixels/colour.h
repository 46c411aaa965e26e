#pragma once

#include <cstdint>

namespace orv::pixels {

// Colour as 0x00BBGGRR, red in the low byte: the value the platform's calls take.
using Colour = std::uint32_t;

// 0x00BBGGRR to a bitmap's 0x00RRGGBB, and back (the swap is its own inverse).
constexpr std::uint32_t swapRedBlue(std::uint32_t c) {
    return ((c & 0xFFU) << 16) | (c & 0xFF00U) | ((c >> 16) & 0xFFU);
}

}  // namespace orv::pixels
