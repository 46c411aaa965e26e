#include "engine/drawing/raster_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

#include "engine/drawing/glyph_font.h"

namespace orv::drawing {
namespace {

// Far enough outside any pane to be invisible, near enough that squares of it fit in 64 bits.
constexpr double kFar = 1 << 20;

constexpr std::size_t kStoreWidth = 4;  // pixels in one 16-byte store

std::int64_t toWhole(float value) {
    const double v = value;
    if (!(v > -kFar)) return static_cast<std::int64_t>(-kFar);  // also NaN
    if (!(v < kFar)) return static_cast<std::int64_t>(kFar);
    return static_cast<std::int64_t>(std::floor(v + 0.5));
}

using pixels::swapRedBlue;

std::int64_t floorDiv(std::int64_t n, std::int64_t d) {  // d > 0
    const std::int64_t q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

// Calls visit(dx, dy) for every pixel of the midpoint circle of radius r that lies in the
// quarter dx >= 0, dy >= 0 (pixels where the two octants meet may come twice).
template <typename Visit>
void quarterCircle(std::int64_t r, Visit visit) {
    std::int64_t x = r;
    std::int64_t y = 0;
    std::int64_t err = 1 - r;
    while (x >= y) {
        visit(x, y);
        visit(y, x);
        ++y;
        if (err < 0) {
            err += 2 * y + 1;
        } else {
            --x;
            err += 2 * (y - x) + 1;
        }
    }
}

}  // namespace

RasterCanvas::RasterCanvas(int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              swapRedBlue(backColour())),
      below_(static_cast<std::size_t>(height_ + 2 * kMaxDrawWidth)),
      above_(static_cast<std::size_t>(height_ + 2 * kMaxDrawWidth)),
      rowFirst_(static_cast<std::size_t>(width_ + 2 * kMaxDrawWidth + 1)),
      rowLast_(rowFirst_.size()) {}

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
    if (count == 1) {  // a column, as a line along x paints across itself at every step
        for (std::int64_t y = y0; y <= y1; ++y)
            pixels_[static_cast<std::size_t>(y * width_ + x0)] = rgb;
        return;
    }
    for (std::int64_t y = y0; y <= y1; ++y) {
        const auto start = static_cast<std::size_t>(y * width_ + x0);
        std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(start), count, rgb);
    }
}

void RasterCanvas::paintRow(std::int64_t x0, std::int64_t x1, std::int64_t y, std::uint32_t rgb) {
    x0 = std::max<std::int64_t>(x0, 0);
    x1 = std::min<std::int64_t>(x1, width_ - 1);
    if (x0 > x1) return;
    std::uint32_t* row = &pixels_[static_cast<std::size_t>(y * width_ + x0)];
    const auto count = static_cast<std::size_t>(x1 - x0 + 1);
    if (count < kStoreWidth) {
        std::fill_n(row, count, rgb);
        return;
    }
    // The short spans of wide strokes dominate the drawing time: store four pixels at once, the
    // last store overlapping the one before it rather than finishing a pixel at a time.
    std::array<std::uint32_t, kStoreWidth> four{};
    four.fill(rgb);
    for (std::size_t i = 0; i + kStoreWidth < count; i += kStoreWidth) {
        std::memcpy(row + i, four.data(), sizeof four);
    }
    std::memcpy(row + count - kStoreWidth, four.data(), sizeof four);
}

void RasterCanvas::plot(std::int64_t x, std::int64_t y, std::uint32_t rgb) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y * width_ + x)] = rgb;
}

void RasterCanvas::stamp(Pixel at, std::uint32_t rgb) {
    const int w = drawWidth();
    if (w == 1) {
        plot(at.x, at.y, rgb);
        return;
    }
    const int back = (w - 1) / 2;
    const std::int64_t x0 = at.x - back;
    const std::int64_t y0 = at.y - back;
    if (x0 >= 0 && y0 >= 0 && x0 + w <= width_ && y0 + w <= height_) {  // wholly inside
        for (std::int64_t y = y0; y < y0 + w; ++y) {
            std::fill_n(&pixels_[static_cast<std::size_t>(y * width_ + x0)], w, rgb);
        }
        return;
    }
    paint(at.x - back, at.y - back, at.x - back + w - 1, at.y - back + w - 1, rgb);
}

namespace {

// The pixels of the one-pixel line: across(k) is n1 + floor((2 (k - m1) dn + dm) / (2 dm)), the
// nearest pixel with halves rounding up. It is kept in fixed point with 32 fraction bits, the
// start and the slope rounded up, so a pixel costs a multiply and a shift and no branch. The
// rounding stays exact: over the few hundred pixels a pane can show from `k0` on (never before it)
// the error stays below 2^-32 a pixel times that count, far less than 1 / (2 dm) with dm <= 2^21
// (coordinates are held to within 2^20), the least distance of a true value below the next whole
// number.
class ThinLine {
  public:
    static constexpr int kFractionBits = 32;

    ThinLine(std::int64_t m1, std::int64_t n1, std::int64_t dm, std::int64_t dn, std::int64_t k0)
        : k0_(k0) {
        const std::int64_t twoDm = std::max<std::int64_t>(2 * dm, 1);
        const std::int64_t num = 2 * (k0 - m1) * dn + dm;
        const std::int64_t q = floorDiv(num, twoDm);
        const std::int64_t rest = num - q * twoDm;  // 0 <= rest < 2 dm
        base_ = (n1 + q) * kOne + ceilDiv(rest * kOne, twoDm);
        slope_ = ceilDiv(2 * dn * kOne, twoDm);
    }
    std::int64_t across(std::int64_t k) const {
        return (base_ + (k - k0_) * slope_) >> kFractionBits;
    }

  private:
    static constexpr std::int64_t kOne = std::int64_t{1} << kFractionBits;
    static std::int64_t ceilDiv(std::int64_t n, std::int64_t d) { return -floorDiv(-n, d); }

    std::int64_t k0_;
    std::int64_t base_ = 0;
    std::int64_t slope_ = 0;
};

}  // namespace

// The union of the pen's squares along the one-pixel line, painted as one span across the line
// per step along it: the squares that cover a step belong to a run of neighbouring line pixels,
// and across the line those reach from the run's first pixel to its last.
void RasterCanvas::segment(Pixel from, Pixel to, std::uint32_t rgb) {
    // A line at 45 degrees has the same pixels walked either way; walked down the rows, each
    // step's span lies in one row of memory, which is faster to paint.
    const bool alongX = std::llabs(to.x - from.x) > std::llabs(to.y - from.y);
    // m runs along the line's longer axis, n across it; the walk starts at the smaller m.
    std::int64_t m1 = alongX ? from.x : from.y;
    std::int64_t n1 = alongX ? from.y : from.x;
    std::int64_t m2 = alongX ? to.x : to.y;
    std::int64_t n2 = alongX ? to.y : to.x;
    if (m1 > m2) {
        std::swap(m1, m2);
        std::swap(n1, n2);
    }
    const int w = drawWidth();
    const int back = (w - 1) / 2;
    if (n1 == n2) {  // straight along an axis: one rectangle
        const std::int64_t far = m2 - back + w - 1;
        const std::int64_t lo = n1 - back;
        const std::int64_t hi = n1 - back + w - 1;
        if (alongX) {
            paint(m1 - back, lo, far, hi, rgb);
        } else {
            paint(lo, m1 - back, hi, far, rgb);
        }
        return;
    }
    const std::int64_t limit = alongX ? width_ : height_;
    const std::int64_t first = std::max<std::int64_t>(m1 - back, 0);
    const std::int64_t last = std::min<std::int64_t>(m2 - back + w - 1, limit - 1);
    if (first > last) return;
    if (w == 1) {  // the thin line itself, a pixel a step
        const ThinLine line(m1, n1, m2 - m1, n2 - n1, first);
        for (std::int64_t m = first; m <= last; ++m) {
            if (alongX) {
                plot(m, line.across(m), rgb);
            } else {
                plot(line.across(m), m, rgb);
            }
        }
        return;
    }
    if (alongX) {
        shallowSegment(m1, n1, m2, n2, rgb);
        return;
    }
    // The run of line pixels whose squares cover row m is a..b; its span is one row of memory.
    const auto runStart = [&](std::int64_t m) { return std::max(m1, m + back - w + 1); };
    const auto runEnd = [&](std::int64_t m) { return std::min(m2, m + back); };
    // Built at the earliest pixel asked for: the rounding is exact only at and after it.
    const ThinLine line(m1, n1, m2 - m1, n2 - n1, runStart(first));
    for (std::int64_t m = first; m <= last; ++m) {
        const std::int64_t a = line.across(runStart(m));
        const std::int64_t b = line.across(runEnd(m));
        paintRow(std::min(a, b) - back, std::max(a, b) - back + w - 1, m, rgb);
    }
}

// Painted by rows too, which are contiguous in memory: the thin line's pixels form one run of
// columns in each of its rows, and row r of the wide line is covered by the runs of the rows
// whose squares reach it, r + back - w + 1 to r + back, which lie side by side.
void RasterCanvas::shallowSegment(std::int64_t m1, std::int64_t n1, std::int64_t m2,
                                  std::int64_t n2, std::uint32_t rgb) {
    const int w = drawWidth();
    const int back = (w - 1) / 2;
    // Only the line's pixels whose squares reach the pane's columns.
    const std::int64_t from = std::max<std::int64_t>(m1, back - w + 1);
    const std::int64_t to = std::min<std::int64_t>(m2, width_ - 1 + back);
    if (from > to) return;
    const std::int64_t step = n2 > n1 ? 1 : -1;
    const ThinLine line(m1, n1, m2 - m1, n2 - n1, from);
    const std::int64_t firstRow = line.across(from);
    std::size_t rows = 0;
    rowFirst_[0] = from;
    for (std::int64_t m = from; m <= to; ++m) {
        const auto row = static_cast<std::size_t>((line.across(m) - firstRow) * step);
        if (row != rows) rowFirst_[row] = m;
        rowLast_[row] = m;
        rows = row;
    }
    const std::int64_t lastRow = firstRow + static_cast<std::int64_t>(rows) * step;
    const std::int64_t top = std::max<std::int64_t>(std::min(firstRow, lastRow) - back, 0);
    const std::int64_t bottom =
        std::min<std::int64_t>(std::max(firstRow, lastRow) - back + w - 1, height_ - 1);
    const auto index = [&](std::int64_t y) {
        return static_cast<std::size_t>((y - firstRow) * step);
    };
    for (std::int64_t r = top; r <= bottom; ++r) {
        const std::int64_t low = std::max(r + back - w + 1, std::min(firstRow, lastRow));
        const std::int64_t high = std::min<std::int64_t>(r + back, std::max(firstRow, lastRow));
        // Along the line the rows come in the order of `step`: the run of its earliest row
        // starts the span, the latest row's run ends it.
        const std::size_t earliest = std::min(index(low), index(high));
        const std::size_t latest = std::max(index(low), index(high));
        paintRow(rowFirst_[earliest] - back, rowLast_[latest] - back + w - 1, r, rgb);
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
    if (drawWidth() == 1) {
        quarterCircle(r, [&](std::int64_t dx, std::int64_t dy) {
            plot(c.x + dx, c.y + dy, rgb);
            plot(c.x - dx, c.y + dy, rgb);
            plot(c.x + dx, c.y - dy, rgb);
            plot(c.x - dx, c.y - dy, rgb);
        });
        return;
    }
    // A wide pen. Within one quarter the thin ring has one run of pixels per row, and the runs
    // of neighbouring rows touch, so the pen's squares cover one span of every pane row: from the
    // leftmost to the rightmost run of the thin rows whose squares reach that row. The farther a
    // thin row lies from the centre, the nearer to the centre its run, so that span reaches from
    // the farthest of those rows' run start to the nearest one's run end. The quarters mirror one
    // another: one walk collects the runs (as distances from the centre) for the rows below and
    // above the centre, and each span found is painted on both sides.
    const int w = drawWidth();
    const int back = (w - 1) / 2;
    constexpr std::int64_t kPad = kMaxDrawWidth;  // thin rows just off the pane still count
    const auto slot = [](std::int64_t row) { return static_cast<std::size_t>(row + kPad); };
    struct Half {
        bool below;
        std::int64_t top;
        std::int64_t bottom;
        std::vector<Run>& runs;
    };
    std::array<Half, 2> halves{Half{true, c.y, c.y + r, below_}, Half{false, c.y - r, c.y, above_}};
    for (auto& half : halves) {
        half.top = std::max(half.top, -kPad);
        half.bottom = std::min(half.bottom, height_ - 1 + kPad);
        for (std::int64_t row = half.top; row <= half.bottom; ++row) half.runs[slot(row)] = Run{};
    }
    quarterCircle(r, [&](std::int64_t dx, std::int64_t dy) {
        for (auto& half : halves) {
            const std::int64_t row = half.below ? c.y + dy : c.y - dy;
            if (row >= half.top && row <= half.bottom) half.runs[slot(row)].take(dx);
        }
    });
    for (const auto& half : halves) {
        const std::int64_t firstRow = std::max<std::int64_t>(half.top - back, 0);
        const std::int64_t lastRow =
            std::min<std::int64_t>(half.bottom - back + w - 1, height_ - 1);
        for (std::int64_t row = firstRow; row <= lastRow; ++row) {
            const std::int64_t upper = std::max(row + back - w + 1, half.top);
            const std::int64_t lower = std::min(row + back, half.bottom);
            if (upper > lower) continue;
            const Run& far = half.runs[slot(half.below ? lower : upper)];
            const Run& near = half.runs[slot(half.below ? upper : lower)];
            paintRow(c.x + far.from - back, c.x + near.to - back + w - 1, row, rgb);
            paintRow(c.x - near.to - back, c.x - far.from - back + w - 1, row, rgb);
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
                        plot(cell.x + col, cell.y + row, rgb);
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

}  // namespace orv::drawing
