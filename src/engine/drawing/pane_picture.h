#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace orv::drawing {

// The pane as the window shows it, for an output: the grid drawn over a copy (never into the
// pane) and every pixel made a square of scale x scale. Keeps its buffers, so making a picture
// allocates nothing.
class PanePicture {
  public:
    PanePicture(int paneWidth, int paneHeight, int scale, bool grid);

    int width() const { return width_; }
    int height() const { return height_; }

    // The picture of the pane's pixels (rows top-down, 0x00RRGGBB); valid until the next call.
    std::span<const std::uint32_t> compose(std::span<const std::uint32_t> pane);
    // The same as 8-bit RGB triplets, rows top-down.
    std::span<const std::uint8_t> composeRgb(std::span<const std::uint32_t> pane);

  private:
    int paneWidth_;
    int paneHeight_;
    int scale_;
    bool grid_;
    int width_;
    int height_;
    std::vector<std::uint32_t> gridded_;
    std::vector<std::uint32_t> scaled_;
    std::vector<std::uint8_t> rgb_;
};

// The pixels (0x00RRGGBB) as 8-bit RGB triplets from `out` on, 3 bytes a pixel.
void toRgbBytes(std::span<const std::uint32_t> pixels, std::uint8_t* out);

// Every pixel of `from` (width x height) as a square of scale x scale pixels in `to`.
void scaleNearest(std::span<const std::uint32_t> from, int width, int height, int scale,
                  std::span<std::uint32_t> to);

}  // namespace orv::drawing
