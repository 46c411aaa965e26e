// Pictures of the pane as PNG files for a person to look at, written with libpng.
#pragma once

#include <filesystem>

#include "engine/pixels/raster_view.h"

namespace orv::testing {

// 8 bits a channel; a picture of at most 256 colours is stored with a palette, which makes the
// file much smaller. False when the file cannot be written.
bool writePng(const std::filesystem::path& file, const pixels::RasterView& picture);

}  // namespace orv::testing
