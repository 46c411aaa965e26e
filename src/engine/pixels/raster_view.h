#pragma once

#include <cstdint>

namespace orv::pixels {

// A picture the program draws into: rows top-down, each pixel 0x00RRGGBB (the layout of a 32-bit
// device-independent bitmap).
struct RasterView {
    int width = 0;
    int height = 0;
    const std::uint32_t* pixels = nullptr;
};

// Something that can show its latest picture.
class RasterSource {
  public:
    virtual ~RasterSource() = default;
    virtual RasterView raster() const = 0;
};

}  // namespace orv::pixels
