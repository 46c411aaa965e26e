#include "engine/drawing/pane_picture.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

#include "engine/drawing/grid.h"
#include "engine/pixels/colour.h"

namespace orv::drawing {
namespace {

static_assert(std::endian::native == std::endian::little, "the RGB packing assumes little-endian");

// 0x00RRGGBB as a word whose bytes in memory are R, G, B, 0.
constexpr std::uint32_t rgbBytes(std::uint32_t pixel) {
    return pixels::swapRedBlue(pixel);
}

}  // namespace

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
        drawing::paintGrid(gridded_, paneWidth_, paneHeight_);
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
    toRgbBytes(picture, rgb_.data());
    return rgb_;
}

void toRgbBytes(std::span<const std::uint32_t> pixels, std::uint8_t* out) {
    // Four pixels at a time as three words: the conversion is most of an output's cost.
    const std::size_t whole = pixels.size() / 4 * 4;
    for (std::size_t i = 0; i < whole; i += 4, out += 12) {
        const std::uint32_t a = rgbBytes(pixels[i]);
        const std::uint32_t b = rgbBytes(pixels[i + 1]);
        const std::uint32_t c = rgbBytes(pixels[i + 2]);
        const std::uint32_t d = rgbBytes(pixels[i + 3]);
        const std::array<std::uint32_t, 3> words = {a | (b << 24U), (b >> 8U) | (c << 16U),
                                                    (c >> 16U) | (d << 8U)};
        std::memcpy(out, words.data(), 12);
    }
    for (std::size_t i = whole; i < pixels.size(); ++i) {
        *out++ = static_cast<std::uint8_t>(pixels[i] >> 16U);
        *out++ = static_cast<std::uint8_t>(pixels[i] >> 8U);
        *out++ = static_cast<std::uint8_t>(pixels[i]);
    }
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

}  // namespace orv::drawing
