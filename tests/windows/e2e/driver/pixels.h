// What a window shows, read back pixel by pixel.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace orv::testing {

// A copy of a window's client area. Colours are 0x00BBGGRR (COLORREF), like the program's.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // row by row, top row first

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // The part of the image inside the box.
    Image crop(int left, int top, int crop_width, int crop_height) const;
    // How many pixels have the colour.
    std::size_t count(std::uint32_t colour) const;
};

// What the client area of `window`, of this or another process, shows now.
Image captureClient(HWND window);

}  // namespace orv::testing
