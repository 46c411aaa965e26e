#include "windows/mainwindow/pane_drawing.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/drawing/block_drawing.h"
#include "engine/drawing/raster_canvas.h"
#include "windows/mainwindow/main_form.h"
#include "windows/support/fake_platform.h"

namespace orv::mainwindow {
namespace {

class PaneDrawingTest : public ::testing::Test {
  protected:
    PaneDrawingTest() {
        for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 3);
    }

    testing::FakePlatform platform;
    MainForm frm{nullptr};
    drawing::CustomColours colours;
    PaneDrawing paneDrawing{frm, platform, colours, "Orvanta 2"};
    drawing::Block block{};
};

struct ControlsCase {
    int style;
    int scheme;
    int zoom;
    int clear;
};

class PaneDrawingControls : public PaneDrawingTest,
                            public ::testing::WithParamInterface<ControlsCase> {};

// Two blocks, so that what carries over between blocks (the sweep, the pen) counts too.
TEST_P(PaneDrawingControls, DrawsWithTheStyleSchemeClearAndZoomTheControlsHold) {
    const ControlsCase& c = GetParam();
    frm.cmbStyle.setListIndex(c.style);
    frm.cmbColor.setListIndex(c.scheme);
    frm.cmbZoom.setListIndex(c.zoom);
    frm.chkCLS.setValue(c.clear);
    drawing::RasterCanvas expected;
    drawing::BlockDrawing drawing(expected, colours);
    const drawing::DrawSettings settings{c.style, c.scheme, c.clear == 1, c.zoom + 1};
    for (int b = 0; b < 2; ++b) {
        paneDrawing.DrawFrame(block);
        drawing.draw(block, settings);
    }
    const std::vector<std::uint32_t> want(expected.pixels().begin(), expected.pixels().end());
    const std::vector<std::uint32_t> got(paneDrawing.pane().pixels().begin(),
                                         paneDrawing.pane().pixels().end());
    EXPECT_EQ(got, want);
    EXPECT_EQ(paneDrawing.pane().drawWidth(), c.zoom < 0 ? 1 : c.zoom + 1);
}

INSTANTIATE_TEST_SUITE_P(Controls, PaneDrawingControls,
                         ::testing::Values(ControlsCase{0, 3, 0, 1}, ControlsCase{12, 8, 3, 1},
                                           ControlsCase{22, 9, 0, 0}, ControlsCase{4, 11, 2, 1},
                                           ControlsCase{2, 5, -1, 0}));

TEST_F(PaneDrawingTest, ALevelAbove256IsShownInAMessageBox) {
    paneDrawing.reportOverRange(257);
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.messageBoxes[0].prompt, "Хе хе! Бит больше 257");
    EXPECT_EQ(platform.messageBoxes[0].style, 0);
    EXPECT_EQ(platform.messageBoxes[0].title, "Orvanta 2");
}

TEST_F(PaneDrawingTest, ThePaneShowsTheDrawingAndEveryBlockIsShownOnceDrawn) {
    struct CountingPeer : forms::ControlPeer {
        int redraws = 0;
        void stateChanged(const forms::Control& /*control*/) override {}
        void redraw(const forms::Control& /*control*/) override { ++redraws; }
    } peer;
    frm.pctSpec.attach(&peer);
    EXPECT_EQ(frm.pctSpec.drawing(), &paneDrawing.pane());
    paneDrawing.DrawFrame(block);
    paneDrawing.DrawFrame(block);
    EXPECT_EQ(peer.redraws, 2);
    frm.pctSpec.attach(nullptr);
}

}  // namespace
}  // namespace orv::mainwindow
