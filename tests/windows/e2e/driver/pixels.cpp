#include "driver/pixels.h"

#include <algorithm>

#include <utility>

#include "support/client_pixels.h"

namespace orv::testing {

Image Image::crop(int left, int top, int crop_width, int crop_height) const {
    Image part{crop_width, crop_height, {}};
    part.pixels.reserve(static_cast<std::size_t>(crop_width) * crop_height);
    for (int y = top; y < top + crop_height; ++y) {
        for (int x = left; x < left + crop_width; ++x) part.pixels.push_back(at(x, y));
    }
    return part;
}

std::size_t Image::count(std::uint32_t colour) const {
    return static_cast<std::size_t>(std::count(pixels.begin(), pixels.end(), colour));
}

Image captureClient(HWND window) {
    orv::testing::ClientPixels shown = orv::testing::captureClientPixels(window);
    // DIB pixels are 0x00RRGGBB; the program's colours are 0x00BBGGRR.
    for (std::uint32_t& p : shown.pixels)
        p = ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
    return {shown.width, shown.height, std::move(shown.pixels)};
}

}  // namespace orv::testing
