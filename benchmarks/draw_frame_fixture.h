#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/custom_colours.h"
#include "engine/drawing/raster_canvas.h"

namespace orv::bench {

// The time of one block as the capture loop sees it: 256 samples at 11025 a second.
inline constexpr double kBlockSeconds = 256.0 / 11025.0;

// A raster pane and its drawing fed with a loud sine, 128 +/- 100 over 51 samples, in the
// rainbow scheme, clearing before every block.
struct DrawFrameFixture {
    DrawFrameFixture(int style, int penWidth) : settings{style, 8, true, penWidth} {
        for (std::size_t i = 0; i < block.size(); ++i) {
            const double s = std::sin(2 * std::numbers::pi * static_cast<double>(i) / 51.0);
            block[i] = static_cast<std::uint8_t>(std::lround(128 + 100 * s));
        }
    }
    void DrawFrame() { drawing.draw(block, settings); }

    drawing::DrawSettings settings;
    drawing::CustomColours custom;
    drawing::RasterCanvas pane;
    drawing::Block block{};
    drawing::BlockDrawing drawing{pane, custom};
};

}  // namespace orv::bench
