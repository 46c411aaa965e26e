#include "engine/drawing/grid.h"

#include <algorithm>
#include <cstddef>

namespace orv::drawing {

void paintGrid(std::span<std::uint32_t> pixels, int width, int height) {
    if (width <= 0 || height <= 0 ||
        pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        return;
    }
    constexpr std::uint32_t kRgb = pixels::swapRedBlue(kGridColour);
    const auto at = [&](int x, int y) -> std::uint32_t& {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    };
    const int lastX = std::min(kGridSpan, width - 1);
    const int lastY = std::min(kGridSpan, height - 1);
    for (int k = 1; k <= kGridLines; ++k) {
        const int line = gridLineAt(k);
        if (line < width) {
            for (int y = 0; y <= lastY; ++y) at(line, y) = kRgb;
        }
        if (line < height) {
            for (int x = 0; x <= lastX; ++x) at(x, line) = kRgb;
        }
    }
}

}  // namespace orv::drawing
