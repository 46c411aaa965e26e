#include <gtest/gtest.h>

#include <CLI/CLI.hpp>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/raster_canvas.h"
#include "linux/command_line/draw_options.h"
#include "linux/sound_files/block_reader.h"
#include "linux/support/sound_files.h"
#include "windows/mainwindow/display_options.h"
#include "windows/mainwindow/main_form.h"
#include "windows/mainwindow/pane_drawing.h"
#include "windows/support/fake_platform.h"

namespace orv::command_line {
namespace {

constexpr const char* kUserColours =
    "3=#ff0000,#ff4000,#ff8000,#ffc000,#ffff00,#c0ff00,#80ff00,#40ff00,#00ff00,#00ff40,#00ff80,"
    "#00ffc0,#00ffff,#00c0ff,#0080ff,#0040ff";

// What a user does in the window for the same drawing as the command line's options.
struct SameChoice {
    std::vector<std::string> args;
    int style;
    int scheme;  // -1: left as choosing the style set it
    int zoom;    // the list's index
    bool untickClear;
    drawing::Colour background;
};

class DrawingOffline : public ::testing::TestWithParam<SameChoice> {};

// Blocks of a real sound, read as the renderer reads them, drawn by the renderer's settings and
// by the window's pane with its controls set by hand: the same pixels, block after block.
TEST_P(DrawingOffline, GivesTheWindowsPane) {
    const SameChoice& c = GetParam();
    testing::ScratchFolder folder;
    std::vector<float> sound = testing::sine(440, 22050, 0.1, 0.9);
    const std::vector<float> upper = testing::sine(2900, 22050, 0.1, 0.3);
    std::transform(sound.begin(), sound.end(), upper.begin(), sound.begin(), std::plus<>());
    testing::writeSound(folder / "tone.wav", 22050, 1, sound);

    CLI::App app;
    DrawOptions options(app);
    std::vector<std::string> args = c.args;
    std::reverse(args.begin(), args.end());
    app.parse(args);
    const Drawing offline = options.resolve();
    drawing::RasterCanvas pane;
    pane.setBackColour(offline.background);
    drawing::BlockDrawing drawing(pane, offline.colours);

    testing::FakePlatform platform;
    mainwindow::MainForm frm{nullptr};
    mainwindow::DisplayOptions displayOptions(frm);
    displayOptions.wire();
    drawing::CustomColours windowColours = offline.colours;
    mainwindow::PaneDrawing window(frm, platform, windowColours, "Orvanta 2");
    frm.cmbColor.setListIndex(0);
    frm.cmbStyle.setListIndex(c.style);
    if (c.scheme >= 0) frm.cmbColor.setListIndex(c.scheme);
    frm.cmbZoom.setListIndex(c.zoom);
    if (c.untickClear) frm.chkCLS.setValue(0);
    window.pane().setBackColour(c.background);

    sound_files::BlockReader reader(folder / "tone.wav", {});
    blocks::Block block{};
    int blocks = 0;
    while (reader.next(block)) {
        drawing.draw(block, offline.settings);
        window.DrawFrame(block);
        ASSERT_TRUE(std::equal(pane.pixels().begin(), pane.pixels().end(),
                               window.pane().pixels().begin(), window.pane().pixels().end()))
            << "block " << blocks;
        ++blocks;
    }
    EXPECT_EQ(blocks, 5);  // 0.1 s: 1102.5 samples
}

INSTANTIATE_TEST_SUITE_P(
    Choices, DrawingOffline,
    ::testing::Values(
        SameChoice{{}, 0, 0, 0, false, 0},
        SameChoice{
            {"--style", "Точечный", "--scheme", "Радужный", "--zoom", "2"}, 2, 8, 1, false, 0},
        SameChoice{{"--style", "Щелк"}, 22, -1, 0, false, 0},
        SameChoice{{"--style", "4", "--no-clear", "--zoom", "4", "--background", "#203040"},
                   4,
                   0,
                   3,
                   true,
                   0x403020},
        SameChoice{
            {"--style", "Нитки", "--scheme", "13", "--colours", kUserColours}, 24, 13, 0, false, 0},
        SameChoice{{"--style", "20", "--scheme", "Спектр 2", "--zoom", "3"}, 20, 10, 2, false, 0}));

}  // namespace
}  // namespace orv::command_line
