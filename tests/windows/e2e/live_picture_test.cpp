// The real program at work: capturing from the null sink, and drawing into its pane exactly
// the picture that the portable renderer draws of the same block.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/custom_colours.h"
#include "engine/drawing/raster_canvas.h"
#include "program_session.h"

namespace orv::testing {
namespace {

class Capture : public ProgramSession {};

TEST_F(Capture, StartCapturesAndDrawsUntilStop) {
    ASSERT_TRUE(player.playLevel(200));
    HWND start = control(L"cmdStart");
    HWND stop = control(L"cmdStop");
    EXPECT_TRUE(IsWindowEnabled(start));
    EXPECT_TRUE(IsWindowEnabled(stop));

    startCapture();
    EXPECT_TRUE(IsWindowEnabled(stop));
    // Style 0 in green: bars from each sample's level down to the bottom edge.
    ASSERT_EQ(pane().width, 260);
    ASSERT_TRUE(waitUntil([&] {
        const Image shown = pane();
        return shown.at(100, 230) == RGB(0, 255, 0) && shown.at(100, 150) == 0;
    })) << "no block was drawn";

    stopCapture();
    // The capture has ended: another level no longer reaches the picture.
    const Image stopped = pane();
    ASSERT_TRUE(player.playLevel(20));
    EXPECT_FALSE(
        waitUntil([&] { return pane().pixels != stopped.pixels; }, std::chrono::seconds(2)))
        << "the pane still changes after Stop";
    EXPECT_TRUE(program->running());
}

// The picture the portable renderer draws of constant blocks, in the program's start state
// but for the style, scheme and pen width; twice, so that what carries over between blocks
// (the number style's colour) has settled.
Image expectedPane(int style, int scheme, int zoom, std::uint8_t level) {
    orv::drawing::CustomColours custom;
    for (int k = 0; k < 4; ++k) {
        for (int b = 0; b < 16; ++b) custom.set(k, b, orv::drawing::kDefaultCustomColours.at(b));
    }
    orv::drawing::RasterCanvas pane;
    orv::drawing::Block block{};
    block.fill(level);
    orv::drawing::BlockDrawing drawing(pane, custom);
    const orv::drawing::DrawSettings settings{style, scheme, true, zoom + 1};
    drawing.draw(block, settings);
    drawing.draw(block, settings);
    Image image{pane.width(), pane.height(), {}};
    for (int y = 0; y < pane.height(); ++y) {
        for (int x = 0; x < pane.width(); ++x) image.pixels.push_back(pane.pixel(x, y));
    }
    return image;
}

struct PictureCase {
    int style;
    int scheme;
    int zoom;
    std::uint8_t level;
};

class LivePicture : public ProgramSession, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(LivePicture, PaneEqualsTheRenderersPicturePixelForPixel) {
    const PictureCase& c = GetParam();
    selectListItem(control(L"cmbStyle"), c.style);
    selectListItem(control(L"cmbColor"), c.scheme);
    selectListItem(control(L"cmbZoom"), c.zoom);
    const Image expected = expectedPane(c.style, c.scheme, c.zoom, c.level);
    ASSERT_LT(expected.count(0), expected.pixels.size()) << "a black picture proves nothing";
    ASSERT_TRUE(player.playLevel(c.level));

    startCapture();
    Image shown;
    const bool same = waitUntil([&] {
        shown = pane();
        return shown.pixels == expected.pixels;
    });
    std::size_t differing = 0;
    for (std::size_t i = 0; i < shown.pixels.size() && i < expected.pixels.size(); ++i) {
        differing += shown.pixels[i] != expected.pixels[i] ? 1 : 0;
    }
    EXPECT_TRUE(same) << differing << " of " << expected.pixels.size() << " pixels differ; pane "
                      << shown.width << "x" << shown.height;
    click(control(L"cmdStop"));
}

INSTANTIATE_TEST_SUITE_P(StylesAndSchemes, LivePicture,
                         ::testing::Values(PictureCase{0, 3, 0, 200},     // bars, green
                                           PictureCase{6, 0, 0, 40},      // stretched, mixed
                                           PictureCase{12, 8, 1, 100},    // rings, rainbow, x2
                                           PictureCase{16, 10, 0, 230},   // spokes, spectrum 2
                                           PictureCase{23, 9, 0, 77},     // numbers, spectrum 1
                                           PictureCase{2, 11, 3, 150},    // dots, user scheme, x4
                                           PictureCase{24, 5, 0, 100}));  // threads, dark red

}  // namespace
}  // namespace orv::testing
