#include "engine/drawing/canvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "display_fakes.h"

namespace orv::drawing {
namespace {

using testing::RecordingCanvas;
using testing::Stroke;

struct PenCase {
    const char* what;
    std::function<void(Canvas&)> draw;
    Stroke stroke;    // what the pane was asked to draw, the pen starting at (3, 4)
    PanePoint after;  // where the pen is afterwards
};

TEST(CanvasTest, EachOperationStartsAndLeavesThePenWhereAPictureBoxDoes) {
    constexpr Colour c = 0x123456;
    const std::vector<PenCase> cases = {
        {"line",
         [](Canvas& p) { p.line(10, 11, 20, 21, c); },
         testing::line(10, 11, 20, 21, c),
         {20, 21}},
        {"line to",
         [](Canvas& p) { p.lineTo(20, 21, c); },
         testing::line(3, 4, 20, 21, c),
         {20, 21}},
        {"box",
         [](Canvas& p) { p.box(10, 11, 20, 21, c); },
         testing::box(10, 11, 20, 21, c),
         {20, 21}},
        {"box to", [](Canvas& p) { p.boxTo(20, 21, c); }, testing::box(3, 4, 20, 21, c), {20, 21}},
        {"filled box",
         [](Canvas& p) { p.filledBox(10, 11, 20, 21, c); },
         testing::filledBox(10, 11, 20, 21, c),
         {20, 21}},
        {"point", [](Canvas& p) { p.point(7.5F, -2, c); }, testing::point(7.5F, -2, c), {7.5F, -2}},
        {"point in the foreground",
         [](Canvas& p) { p.point(7, 8); },
         testing::point(7, 8, Canvas::kStartForeColour),
         {7, 8}},
        {"circle",
         [](Canvas& p) { p.circle(30, 40, 5, c); },
         testing::circle(30, 40, 5, c),
         {30, 40}},
        {"print",
         [](Canvas& p) { p.print(" 12 "); },
         testing::text(3, 4, " 12 ", Canvas::kStartForeColour),
         {0, 4 + RecordingCanvas::kLineHeight}},
    };
    for (const PenCase& pc : cases) {
        RecordingCanvas pane;
        pane.point(3, 4, 0);
        pane.strokes.clear();
        pc.draw(pane);
        ASSERT_EQ(pane.strokes.size(), 1u) << pc.what;
        EXPECT_EQ(pane.strokes[0], pc.stroke) << pc.what;
        EXPECT_EQ(pane.currentPoint(), pc.after) << pc.what;
    }
}

TEST(CanvasTest, StartsBlackWithAGreenPenOnePixelWideAtTheOrigin) {
    RecordingCanvas pane;
    EXPECT_EQ(pane.backColour(), 0u);
    EXPECT_EQ(pane.foreColour(), 0x008000u);
    EXPECT_EQ(pane.drawWidth(), 1);
    EXPECT_EQ(pane.currentPoint(), (PanePoint{0, 0}));
}

TEST(CanvasTest, ClearingFillsWithTheBackgroundAndSendsThePenHome) {
    RecordingCanvas pane;
    pane.point(50, 60, 1);
    pane.cls();
    EXPECT_EQ(pane.strokes.back().kind, Stroke::Kind::Clear);
    EXPECT_EQ(pane.strokes.back().colour, 0u);
    EXPECT_EQ(pane.currentPoint(), (PanePoint{0, 0}));
}

TEST(CanvasTest, ANewBackgroundClearsThePaneToItAndLaterClearsUseIt) {
    RecordingCanvas pane;
    pane.point(50, 60, 1);
    pane.setBackColour(0x00AA00);
    ASSERT_EQ(pane.strokes.size(), 2u);
    EXPECT_EQ(pane.strokes[1].kind, Stroke::Kind::Clear);
    EXPECT_EQ(pane.strokes[1].colour, 0x00AA00u);
    EXPECT_EQ(pane.currentPoint(), (PanePoint{0, 0}));
    pane.cls();
    EXPECT_EQ(pane.strokes.back().colour, 0x00AA00u);
}

TEST(CanvasTest, ThePenWidthStaysWithinOneToFour) {
    RecordingCanvas pane;
    const std::vector<std::pair<int, int>> widths = {{-3, 1}, {0, 1}, {1, 1}, {2, 2},
                                                     {3, 3},  {4, 4}, {5, 4}, {100, 4}};
    for (const auto& [asked, got] : widths) {
        pane.setDrawWidth(asked);
        EXPECT_EQ(pane.drawWidth(), got) << asked;
    }
    pane.setDrawWidth(3);
    pane.point(1, 1, 0);
    EXPECT_EQ(pane.strokes.back().width, 3);
}

TEST(CanvasTest, PrintUsesTheForegroundOfTheMomentAndGoesBackToTheLeftEdge) {
    RecordingCanvas pane;
    pane.setForeColour(0xABCDEF);
    pane.point(-6, 100);
    pane.print("a");
    pane.print("b");
    ASSERT_EQ(pane.strokes.size(), 3u);
    EXPECT_EQ(pane.strokes[0].colour, 0xABCDEFu);
    EXPECT_EQ(pane.strokes[2], testing::text(0, 100 + RecordingCanvas::kLineHeight, "b", 0xABCDEF));
}

}  // namespace
}  // namespace orv::drawing
