#include "display/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "display/glyph_font.h"

namespace orv::display {
namespace {

// Far enough outside any pane to be invisible, near enough that squares of it fit in 64 bits.
constexpr double kFar = 1 << 20;

std::int64_t toWhole(float value) {
    const double v = value;
    if (!(v > -kFar)) return static_cast<std::int64_t>(-kFar);  // also NaN
    if (!(v < kFar)) return static_cast<std::int64_t>(kFar);
    return static_cast<std::int64_t>(std::floor(v + 0.5));
}

// 0x00BBGGRR to the bitmap's 0x00RRGGBB, and back (the swap is its own inverse).
constexpr std::uint32_t swapRedBlue(std::uint32_t c) {
    return ((c & 0xFFU) << 16) | (c & 0xFF00U) | ((c >> 16) & 0xFFU);
}

std::int64_t floorDiv(std::int64_t n, std::int64_t d) {  // d > 0
    const std::int64_t q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              swapRedBlue(backColour())) {}

Colour RasterCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return swapRedBlue(pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                               static_cast<std::size_t>(x)]);
}

RasterCanvas::Pixel RasterCanvas::toPixel(PanePoint point) {
    return {toWhole(point.x), toWhole(point.y)};
}

void RasterCanvas::paint(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                         std::uint32_t rgb) {
    x0 = std::max<std::int64_t>(x0, 0);
    y0 = std::max<std::int64_t>(y0, 0);
    x1 = std::min<std::int64_t>(x1, width_ - 1);
    y1 = std::min<std::int64_t>(y1, height_ - 1);
    if (x0 > x1 || y0 > y1) return;
    const auto count = static_cast<std::size_t>(x1 - x0 + 1);
    for (std::int64_t y = y0; y <= y1; ++y) {
        const auto start = static_cast<std::size_t>(y * width_ + x0);
        std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(start), count, rgb);
    }
}

void RasterCanvas::stamp(Pixel at, std::uint32_t rgb) {
    const int w = drawWidth();
    const int back = (w - 1) / 2;
    paint(at.x - back, at.y - back, at.x - back + w - 1, at.y - back + w - 1, rgb);
}

// The union of the pen's squares along the one-pixel line, painted as one span across the line
// per step along it: the squares that cover a step belong to a run of neighbouring line pixels,
// and across the line those reach from the run's first pixel to its last.
void RasterCanvas::segment(Pixel from, Pixel to, std::uint32_t rgb) {
    const bool alongX = std::llabs(to.x - from.x) >= std::llabs(to.y - from.y);
    // m runs along the line's longer axis, n across it; the walk starts at the smaller m.
    std::int64_t m1 = alongX ? from.x : from.y;
    std::int64_t n1 = alongX ? from.y : from.x;
    std::int64_t m2 = alongX ? to.x : to.y;
    std::int64_t n2 = alongX ? to.y : to.x;
    if (m1 > m2) {
        std::swap(m1, m2);
        std::swap(n1, n2);
    }
    const std::int64_t dm = m2 - m1;
    const std::int64_t dn = n2 - n1;
    const auto across = [&](std::int64_t m) {
        return dm == 0 ? n1 : n1 + floorDiv(2 * (m - m1) * dn + dm, 2 * dm);
    };
    const int w = drawWidth();
    const int back = (w - 1) / 2;
    const std::int64_t limit = alongX ? width_ : height_;
    const std::int64_t first = std::max<std::int64_t>(m1 - back, 0);
    const std::int64_t last = std::min<std::int64_t>(m2 - back + w - 1, limit - 1);
    for (std::int64_t m = first; m <= last; ++m) {
        const std::int64_t na = across(std::max(m1, m + back - w + 1));
        const std::int64_t nb = across(std::min(m2, m + back));
        const std::int64_t lo = std::min(na, nb) - back;
        const std::int64_t hi = std::max(na, nb) - back + w - 1;
        if (alongX) {
            paint(m, lo, m, hi, rgb);
        } else {
            paint(lo, m, hi, m, rgb);
        }
    }
}

void RasterCanvas::fill(Colour colour) {
    std::fill(pixels_.begin(), pixels_.end(), swapRedBlue(colour));
}

void RasterCanvas::drawLine(PanePoint from, PanePoint to, Colour colour) {
    segment(toPixel(from), toPixel(to), swapRedBlue(colour));
}

void RasterCanvas::drawBox(PanePoint from, PanePoint to, Colour colour) {
    const Pixel a = toPixel(from);
    const Pixel b = toPixel(to);
    const std::uint32_t rgb = swapRedBlue(colour);
    segment(a, {b.x, a.y}, rgb);
    segment({b.x, a.y}, b, rgb);
    segment(b, {a.x, b.y}, rgb);
    segment({a.x, b.y}, a, rgb);
}

void RasterCanvas::fillBox(PanePoint from, PanePoint to, Colour colour) {
    const Pixel a = toPixel(from);
    const Pixel b = toPixel(to);
    const int w = drawWidth();
    const int back = (w - 1) / 2;
    paint(std::min(a.x, b.x) - back, std::min(a.y, b.y) - back, std::max(a.x, b.x) - back + w - 1,
          std::max(a.y, b.y) - back + w - 1, swapRedBlue(colour));
}

void RasterCanvas::drawPoint(PanePoint at, Colour colour) {
    stamp(toPixel(at), swapRedBlue(colour));
}

void RasterCanvas::drawCircle(PanePoint centre, float radius, Colour colour) {
    const Pixel c = toPixel(centre);
    const std::int64_t r = toWhole(radius);
    if (r < 0) return;
    const std::int64_t reach = r + drawWidth();
    if (c.x + reach < 0 || c.y + reach < 0 || c.x - reach >= width_ || c.y - reach >= height_) {
        return;  // wholly beside the pane
    }
    const std::int64_t fx = std::max(std::llabs(c.x), std::llabs(c.x - (width_ - 1)));
    const std::int64_t fy = std::max(std::llabs(c.y), std::llabs(c.y - (height_ - 1)));
    const std::int64_t inner = r - drawWidth() - 1;
    if (inner > 0 && fx * fx + fy * fy < inner * inner) return;  // the pane lies inside the ring

    const std::uint32_t rgb = swapRedBlue(colour);
    std::int64_t x = r;
    std::int64_t y = 0;
    std::int64_t err = 1 - r;
    while (x >= y) {
        for (const auto& [dx, dy] : {std::pair{x, y}, std::pair{y, x}}) {
            stamp({c.x + dx, c.y + dy}, rgb);
            stamp({c.x - dx, c.y + dy}, rgb);
            stamp({c.x + dx, c.y - dy}, rgb);
            stamp({c.x - dx, c.y - dy}, rgb);
        }
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

void RasterCanvas::drawText(PanePoint topLeft, std::string_view text, Colour colour) {
    const std::uint32_t rgb = swapRedBlue(colour);
    Pixel cell = toPixel(topLeft);
    for (const char ch : text) {
        if (const std::uint8_t* rows = glyphs::rowsOf(ch)) {
            for (int row = 0; row < glyphs::kGlyphHeight; ++row) {
                for (int col = 0; col < glyphs::kGlyphWidth; ++col) {
                    if ((rows[row] & (0x80U >> col)) != 0) {
                        paint(cell.x + col, cell.y + row, cell.x + col, cell.y + row, rgb);
                    }
                }
            }
        }
        cell.x += glyphs::kGlyphWidth;
    }
}

float RasterCanvas::textHeight() const {
    return static_cast<float>(glyphs::kGlyphHeight);
}

}  // namespace orv::display
