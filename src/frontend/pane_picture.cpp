#include "frontend/pane_picture.h"

#include <algorithm>
#include <cstddef>

#include "display/grid.h"

namespace orv::frontend {

PanePicture::PanePicture(int paneWidth, int paneHeight, int scale, bool grid)
    : paneWidth_(paneWidth),
      paneHeight_(paneHeight),
      scale_(std::max(scale, 1)),
      grid_(grid),
      width_(paneWidth * scale_),
      height_(paneHeight * scale_) {
    const auto panePixels =
        static_cast<std::size_t>(paneWidth) * static_cast<std::size_t>(paneHeight);
    const auto pixels = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    if (grid_) gridded_.resize(panePixels);
    if (scale_ > 1) scaled_.resize(pixels);
    rgb_.resize(pixels * 3);
}

std::span<const std::uint32_t> PanePicture::compose(std::span<const std::uint32_t> pane) {
    std::span<const std::uint32_t> picture = pane;
    if (grid_) {
        std::copy(pane.begin(), pane.end(), gridded_.begin());
        display::paintGrid(gridded_, paneWidth_, paneHeight_);
        picture = gridded_;
    }
    if (scale_ > 1) {
        scaleNearest(picture, paneWidth_, paneHeight_, scale_, scaled_);
        picture = scaled_;
    }
    return picture;
}

std::span<const std::uint8_t> PanePicture::composeRgb(std::span<const std::uint32_t> pane) {
    const std::span<const std::uint32_t> picture = compose(pane);
    std::uint8_t* out = rgb_.data();
    for (const std::uint32_t pixel : picture) {
        *out++ = static_cast<std::uint8_t>(pixel >> 16U);
        *out++ = static_cast<std::uint8_t>(pixel >> 8U);
        *out++ = static_cast<std::uint8_t>(pixel);
    }
    return rgb_;
}

void scaleNearest(std::span<const std::uint32_t> from, int width, int height, int scale,
                  std::span<std::uint32_t> to) {
    const auto w = static_cast<std::size_t>(width);
    const auto s = static_cast<std::size_t>(scale);
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        std::uint32_t* row = to.data() + y * s * w * s;
        for (std::size_t x = 0; x < w; ++x) std::fill_n(row + x * s, s, from[y * w + x]);
        // The other rows of the square are copies of the first.
        for (std::size_t r = 1; r < s; ++r) std::copy_n(row, w * s, row + r * w * s);
    }
}

}  // namespace orv::frontend
