#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

#include "engine/drawing/canvas.h"
#include "engine/pixels/raster_view.h"

namespace orv::drawing {

// The pane as a pixel buffer in memory, shown by the picture box as a 32-bit top-down bitmap.
//
// How strokes become pixels:
// - A coordinate becomes the pixel floor(c + 0.5): halves round up, so 0.5 is pixel 1 and -0.5
//   is pixel 0. Coordinates beyond +/- 2^20 are held there first, so any float is safe.
// - The pen of width w paints, for every pixel p of a stroke, the w x w square whose top-left
//   pixel is p - (w - 1) / 2 (integer division): width 2 grows right and down, width 3 is
//   centred, width 4 reaches one pixel up-left and two down-right.
// - A line covers the pixels of the one-pixel line between its rounded ends, both ends
//   included: along the longer axis every step, across it the nearest pixel, halves rounding
//   toward the larger coordinate, whichever end the line starts from.
// - A box is the four lines between its rounded corners; a filled box paints every pixel those
//   lines would paint and everything between them. Nothing else of the inside is touched.
// - A circle is the midpoint circle of radius floor(r + 0.5) around its rounded centre; radius 0
//   is a single dot and a radius below 0 draws nothing. Its inside is untouched.
// - Text puts the set bits of each glyph (8 x 15 pixels a character) with the glyph's top-left at
//   the rounded pen; the rest of the cell stays as it was. The pen width does not apply to text.
//   Bytes outside the printable ASCII range leave an empty cell.
// - Whatever falls outside the buffer is dropped.
class RasterCanvas final : public Canvas, public pixels::RasterSource {
  public:
    static constexpr int kPaneSize = 260;

    explicit RasterCanvas(int width = kPaneSize, int height = kPaneSize);

    int width() const { return width_; }
    int height() const { return height_; }
    // Rows top-down, each pixel 0x00RRGGBB.
    std::span<const std::uint32_t> pixels() const { return pixels_; }
    pixels::RasterView raster() const override { return {width_, height_, pixels_.data()}; }
    // The colour of one pixel as 0x00BBGGRR; 0 outside the buffer.
    Colour pixel(int x, int y) const;

  protected:
    void fill(Colour colour) override;
    void drawLine(PanePoint from, PanePoint to, Colour colour) override;
    void drawBox(PanePoint from, PanePoint to, Colour colour) override;
    void fillBox(PanePoint from, PanePoint to, Colour colour) override;
    void drawPoint(PanePoint at, Colour colour) override;
    void drawCircle(PanePoint centre, float radius, Colour colour) override;
    void drawText(PanePoint topLeft, std::string_view text, Colour colour) override;
    float textHeight() const override;

  private:
    struct Pixel {
        std::int64_t x;
        std::int64_t y;
    };
    static Pixel toPixel(PanePoint point);
    // Paints the rectangle of pixels from (x0, y0) to (x1, y1), both included, clipped.
    void paint(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
               std::uint32_t rgb);
    // Paints the pixels from x0 to x1 of row y (a row of the pane), clipped at its sides.
    void paintRow(std::int64_t x0, std::int64_t x1, std::int64_t y, std::uint32_t rgb);
    void plot(std::int64_t x, std::int64_t y, std::uint32_t rgb);
    // Paints the pen's square around one pixel of a stroke.
    void stamp(Pixel at, std::uint32_t rgb);
    void segment(Pixel from, Pixel to, std::uint32_t rgb);
    // The wide line from x m1 to m2 (m1 < m2) that runs more along x than down, row by row.
    void shallowSegment(std::int64_t m1, std::int64_t n1, std::int64_t m2, std::int64_t n2,
                        std::uint32_t rgb);

    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
    // A run of a thin ring's pixels in one row, as distances from the centre; empty at first.
    struct Run {
        std::int64_t from = std::numeric_limits<std::int64_t>::max();
        std::int64_t to = std::numeric_limits<std::int64_t>::min();
        void take(std::int64_t d) {
            from = std::min(from, d);
            to = std::max(to, d);
        }
    };
    // Per pane row (and a few rows beside the pane), the run of a thin ring's pixels right of
    // the centre, for the rows below it and those above it, for drawing it with a wide pen; kept
    // here so that drawing allocates nothing.
    std::vector<Run> below_;
    std::vector<Run> above_;
    // For a shallow wide line, the first and last column of its thin line in each of its rows,
    // from its first row on.
    std::vector<std::int64_t> rowFirst_;
    std::vector<std::int64_t> rowLast_;
};

}  // namespace orv::drawing
