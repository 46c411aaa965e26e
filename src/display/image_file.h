#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "pixels/raster_view.h"

namespace orv::display {

// Pictures of the pane as files for a person to look at. Both return false when the file cannot
// be written.

// PNG, 8 bits a channel; a picture of at most 256 colours is stored with a palette, which makes
// the file much smaller.
std::vector<std::uint8_t> encode_png(const pixels::RasterView& picture);
bool write_png(const std::filesystem::path& file, const pixels::RasterView& picture);

// Binary PPM (P6): no compression, readable by nearly everything.
bool write_ppm(const std::filesystem::path& file, const pixels::RasterView& picture);

}  // namespace orv::display
