// The drawing engine on its own: a block drawn into a raster canvas, with nothing but display/.
#include <algorithm>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/raster_canvas.h"

int main() {
    orv::drawing::Block block{};
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i);
    orv::drawing::CustomColours colours;
    orv::drawing::RasterCanvas pane;
    orv::drawing::BlockDrawing drawing(pane, colours);
    drawing.draw(block, {.style = 0, .scheme = 8, .clear = true, .penWidth = 1});  // "Радужный"
    // Bars from each sample down to the bottom edge: the corner below the ramp is painted.
    return pane.pixel(200, 250) != 0 && pane.pixel(200, 100) == 0 ? 0 : 1;
}
