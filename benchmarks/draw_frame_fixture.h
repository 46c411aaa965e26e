#pragma once

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "display/frame_renderer.h"
#include "display/raster_canvas.h"
#include "forms/platform.h"
#include "mainwindow/main_form.h"
#include "quiet_platform.h"

namespace orv::bench {

using orv::testing::QuietPlatform;

// The time of one block as the capture loop sees it: 256 samples at 11025 a second.
inline constexpr double kBlockSeconds = 256.0 / 11025.0;

// The main window's controls, a raster pane and a renderer fed with a loud sine, 128 +/- 100
// over 51 samples, in the rainbow scheme, clearing before every block.
struct DrawFrameFixture {
    DrawFrameFixture(int style, int penWidth) {
        for (std::size_t i = 0; i < block.size(); ++i) {
            const double s = std::sin(2 * std::numbers::pi * static_cast<double>(i) / 51.0);
            block[i] = static_cast<std::uint8_t>(std::lround(128 + 100 * s));
        }
        frm.cmbStyle.setListIndex(style);
        frm.cmbColor.setListIndex(8);
        pane.setDrawWidth(penWidth);
    }

    QuietPlatform platform;
    mainwindow::MainForm frm{nullptr};
    display::CustomColors custom;
    display::LevelColours levels{frm.cmbColor, custom, platform, "Orvanta 2"};
    display::RasterCanvas pane;
    display::FrameRenderer::Block block{};
    display::FrameRenderer renderer{frm.cmbStyle, frm.chkCLS, levels, pane, block};
};

}  // namespace orv::bench
