#include "engine/drawing/raster_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/drawing/glyph_font.h"

namespace orv::drawing {
namespace {

constexpr Colour kInk = 0x0000FF;
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// The region's pixels as text, one line per row: '#' where anything but black was painted.
std::string picture(const RasterCanvas& pane, int x0, int y0, int width, int height) {
    std::string out;
    for (int y = y0; y < y0 + height; ++y) {
        for (int x = x0; x < x0 + width; ++x) out += pane.pixel(x, y) != 0 ? '#' : '.';
        out += '\n';
    }
    return out;
}

std::set<std::pair<int, int>> painted(const RasterCanvas& pane) {
    std::set<std::pair<int, int>> out;
    for (int y = 0; y < pane.height(); ++y) {
        for (int x = 0; x < pane.width(); ++x) {
            if (pane.pixel(x, y) != 0) out.insert({x, y});
        }
    }
    return out;
}

TEST(RasterCanvasTest, StartsAsABlackPictureOfTheGivenSize) {
    const RasterCanvas pane;
    const pixels::RasterView view = pane.raster();
    EXPECT_EQ(view.width, 260);
    EXPECT_EQ(view.height, 260);
    EXPECT_EQ(view.pixels, pane.pixels().data());
    EXPECT_EQ(painted(pane).size(), 0u);
}

TEST(RasterCanvasTest, StoresPixelsAsRedGreenBlueFromTheTopByte) {
    RasterCanvas pane(4, 3);
    pane.point(2, 1, 0x332211);  // (0x11, 0x22, 0x33)
    EXPECT_EQ(pane.pixels()[1 * 4 + 2], 0x112233u);
    EXPECT_EQ(pane.pixel(2, 1), 0x332211u);
    EXPECT_EQ(pane.pixel(-1, 0), 0u);
    EXPECT_EQ(pane.pixel(4, 0), 0u);
}

TEST(RasterCanvasTest, ACoordinateGoesToTheNearestPixelHalvesUpward) {
    const std::vector<std::pair<float, int>> cases = {{0.F, 0},  {0.49F, 0}, {0.5F, 1}, {1.5F, 2},
                                                      {2.5F, 3}, {-0.5F, 0}, {2.99F, 3}};
    for (const auto& [at, pixel] : cases) {
        RasterCanvas pane(6, 1);
        pane.point(at, 0, kInk);
        EXPECT_EQ(painted(pane), (std::set<std::pair<int, int>>{{pixel, 0}})) << at;
    }
    RasterCanvas pane(6, 1);
    pane.point(-0.51F, 0, kInk);
    EXPECT_TRUE(painted(pane).empty());
}

TEST(RasterCanvasTest, APointIsASquareAsWideAsThePen) {
    const std::vector<std::pair<int, std::string>> cases = {
        {1, "......\n......\n..#...\n......\n......\n......\n"},
        {2, "......\n......\n..##..\n..##..\n......\n......\n"},
        {3, "......\n.###..\n.###..\n.###..\n......\n......\n"},
        {4, "......\n.####.\n.####.\n.####.\n.####.\n......\n"},
    };
    for (const auto& [width, want] : cases) {
        RasterCanvas pane(6, 6);
        pane.setDrawWidth(width);
        pane.point(2, 2, kInk);
        EXPECT_EQ(picture(pane, 0, 0, 6, 6), want) << "width " << width;
    }
}

TEST(RasterCanvasTest, ALineCoversBothEndsTheSameWhicheverWayItRuns) {
    const std::string flat = "#####\n.....\n.....\n";
    const std::string slant = "#....\n.##..\n...##\n";  // halves round toward larger y
    const std::vector<std::pair<std::vector<float>, std::string>> cases = {
        {{0, 0, 4, 0}, flat},
        {{4, 0, 0, 0}, flat},
        {{0, 0, 4, 2}, slant},
        {{4, 2, 0, 0}, slant},
        {{0, 0, 0, 0}, "#....\n.....\n.....\n"},
    };
    for (const auto& [ends, want] : cases) {
        RasterCanvas pane(5, 3);
        pane.line(ends[0], ends[1], ends[2], ends[3], kInk);
        EXPECT_EQ(picture(pane, 0, 0, 5, 3), want)
            << ends[0] << "," << ends[1] << " to " << ends[2] << "," << ends[3];
    }
}

// A wide line is the union of the pen's squares around every pixel of the thin line.
TEST(RasterCanvasTest, AWideLineIsThePenSquareStampedAlongTheThinLine) {
    const std::vector<std::vector<float>> lines = {
        {5, 5, 25, 9},   {5, 5, 9, 25},  {25, 5, 5, 12}, {5, 25, 12, 5},   {15, 3, 15, 27},
        {3, 15, 27, 15}, {4, 4, 26, 26}, {26, 4, 4, 26}, {10, 10, 11, 13}, {12, 12, 12, 12}};
    for (int width = 1; width <= 4; ++width) {
        for (const auto& l : lines) {
            RasterCanvas thin(30, 30);
            thin.line(l[0], l[1], l[2], l[3], kInk);
            std::set<std::pair<int, int>> want;
            const int back = (width - 1) / 2;
            for (const auto& [x, y] : painted(thin)) {
                for (int dy = 0; dy < width; ++dy) {
                    for (int dx = 0; dx < width; ++dx) want.insert({x - back + dx, y - back + dy});
                }
            }
            RasterCanvas wide(30, 30);
            wide.setDrawWidth(width);
            wide.line(l[0], l[1], l[2], l[3], kInk);
            EXPECT_EQ(painted(wide), want) << "width " << width << " from " << l[0] << "," << l[1];
        }
    }
}

// Cut by the pane's edge, a wide line keeps the squares of thin-line pixels beyond it: the
// reference is the thin line drawn on a larger pane, 100 pixels further in.
TEST(RasterCanvasTest, AWideLineCutByTheEdgeKeepsItsSquaresFromBeyondIt) {
    const std::vector<std::vector<int>> lines = {{28, 31, 0, -57}, {-1, -45, 32, 41}};
    constexpr int kIn = 100;
    for (const auto& l : lines) {
        RasterCanvas thin(300, 300);
        thin.line(l[0] + kIn, l[1] + kIn, l[2] + kIn, l[3] + kIn, kInk);
        std::set<std::pair<int, int>> want;
        for (const auto& [x, y] : painted(thin)) {
            for (int dy = -1; dy < 3; ++dy) {
                for (int dx = -1; dx < 3; ++dx) {
                    const int px = x - kIn + dx;
                    const int py = y - kIn + dy;
                    if (px >= 0 && py >= 0 && px < 30 && py < 30) want.insert({px, py});
                }
            }
        }
        RasterCanvas wide(30, 30);
        wide.setDrawWidth(4);
        wide.line(l[0], l[1], l[2], l[3], kInk);
        EXPECT_EQ(painted(wide), want) << "from " << l[0] << "," << l[1];
    }
}

TEST(RasterCanvasTest, StrokesAreClippedAtEveryEdgeWhateverTheirCoordinates) {
    struct Case {
        const char* what;
        std::function<void(RasterCanvas&)> draw;
        std::size_t pixels;  // how many of the 10 x 10 pixels are painted
    };
    const std::vector<Case> cases = {
        {"across the left and right", [](RasterCanvas& p) { p.line(-50, 4, 60, 4, kInk); }, 10},
        {"across the top and bottom", [](RasterCanvas& p) { p.line(4, -50, 4, 60, kInk); }, 10},
        {"from far above", [](RasterCanvas& p) { p.line(5, -254, 5, 2, kInk); }, 3},
        {"far to the right", [](RasterCanvas& p) { p.line(1275, 128, 1280, 3, kInk); }, 0},
        {"wholly left", [](RasterCanvas& p) { p.line(-5, 0, -1, 9, kInk); }, 0},
        {"wholly below", [](RasterCanvas& p) { p.line(0, 10, 9, 12, kInk); }, 0},
        {"huge", [](RasterCanvas& p) { p.line(-1e30F, 5, 1e30F, 5, kInk); }, 10},
        {"infinite", [](RasterCanvas& p) { p.line(-kInf, 5, kInf, 5, kInk); }, 10},
        {"not a number", [](RasterCanvas& p) { p.point(kNaN, 3, kInk); }, 0},
        {"a wide point in the corner",
         [](RasterCanvas& p) {
             p.setDrawWidth(4);
             p.point(0, 0, kInk);
         },
         9},
        {"a wide point past the corner",
         [](RasterCanvas& p) {
             p.setDrawWidth(4);
             p.point(10, 10, kInk);
         },
         1},
        {"a box round the pane", [](RasterCanvas& p) { p.box(-1, -1, 10, 10, kInk); }, 0},
        {"a box on the pane's edge", [](RasterCanvas& p) { p.box(0, 0, 9, 9, kInk); }, 36},
        {"a filled box far beyond",
         [](RasterCanvas& p) { p.filledBox(-1e9F, -1e9F, 1e9F, 1e9F, kInk); }, 100},
        {"a filled box turned round", [](RasterCanvas& p) { p.filledBox(7, 8, -3, 1275, kInk); },
         16},
        {"a ring round the pane", [](RasterCanvas& p) { p.circle(5, 5, 50, kInk); }, 0},
        {"a ring far off", [](RasterCanvas& p) { p.circle(-1e9F, 5, 1000, kInk); }, 0},
        {"a huge ring touching the edge", [](RasterCanvas& p) { p.circle(-1e9F, 5, 1e9F, kInk); },
         10},
        {"a ring cut by the edge", [](RasterCanvas& p) { p.circle(0, 5, 2, kInk); }, 7},
        {"text left of the pane",
         [](RasterCanvas& p) {
             p.point(-100, 0, 0);
             p.print("888");
         },
         0},
    };
    for (const Case& c : cases) {
        RasterCanvas pane(10, 10);
        c.draw(pane);
        EXPECT_EQ(painted(pane).size(), c.pixels) << c.what;
    }
}

TEST(RasterCanvasTest, CirclesAreOutlinesAroundTheirCentre) {
    const std::vector<std::pair<float, std::string>> cases = {
        {0.F, ".......\n.......\n.......\n...#...\n.......\n.......\n.......\n"},
        {2.F, ".......\n..###..\n.#...#.\n.#...#.\n.#...#.\n..###..\n.......\n"},
        {1.5F, ".......\n..###..\n.#...#.\n.#...#.\n.#...#.\n..###..\n.......\n"},
        {-1.F, ".......\n.......\n.......\n.......\n.......\n.......\n.......\n"},
    };
    for (const auto& [radius, want] : cases) {
        RasterCanvas pane(7, 7);
        pane.circle(3, 3, radius, kInk);
        EXPECT_EQ(picture(pane, 0, 0, 7, 7), want) << "radius " << radius;
    }
}

// A wide ring, like a wide line, is the pen's square stamped around every pixel of the thin one.
TEST(RasterCanvasTest, AWideRingIsThePenSquareStampedAlongTheThinRing) {
    // Whole rings, and rings cut by each edge with their centres on and off the pane.
    const std::vector<std::vector<float>> rings = {
        {20, 20, 0}, {20, 20, 1},  {20, 20, 2},  {20, 20, 7.5F}, {17, 22, 13},
        {2, 3, 9},   {38, 20, 11}, {20, -6, 12}, {20, 46, 12},   {-6, 20, 12}};
    for (int width = 2; width <= 4; ++width) {
        for (const auto& r : rings) {
            // Drawn 10 pixels in on a larger pane, so the pixels beside the small one count too.
            RasterCanvas thin(60, 60);
            thin.circle(r[0] + 10, r[1] + 10, r[2], kInk);
            std::set<std::pair<int, int>> want;
            const int back = (width - 1) / 2;
            for (const auto& [x, y] : painted(thin)) {
                for (int dy = 0; dy < width; ++dy) {
                    for (int dx = 0; dx < width; ++dx) {
                        const int px = x - 10 - back + dx;
                        const int py = y - 10 - back + dy;
                        if (px >= 0 && py >= 0 && px < 40 && py < 40) want.insert({px, py});
                    }
                }
            }
            RasterCanvas wide(40, 40);
            wide.setDrawWidth(width);
            wide.circle(r[0], r[1], r[2], kInk);
            EXPECT_EQ(painted(wide), want) << "width " << width << " radius " << r[2];
        }
    }
}

TEST(RasterCanvasTest, OutlinesLeaveTheirInsideAsItWas) {
    RasterCanvas pane(12, 12);
    pane.filledBox(0, 0, 11, 11, 0x00FF00);
    pane.box(2, 2, 9, 9, kInk);
    pane.circle(6, 6, 2, kInk);
    EXPECT_EQ(pane.pixel(2, 5), kInk);
    EXPECT_EQ(pane.pixel(4, 4), 0x00FF00u);  // between the box and the ring
    EXPECT_EQ(pane.pixel(6, 6), 0x00FF00u);  // the ring's centre
    EXPECT_EQ(pane.pixel(1, 1), 0x00FF00u);
}

TEST(RasterCanvasTest, AFilledBoxCoversWhatItsOutlineWouldAndTheInside) {
    for (int width = 1; width <= 4; ++width) {
        RasterCanvas outline(20, 20);
        outline.setDrawWidth(width);
        outline.box(4, 5, 12, 9, kInk);
        RasterCanvas filled(20, 20);
        filled.setDrawWidth(width);
        filled.filledBox(12, 9, 4, 5, kInk);
        const auto edge = painted(outline);
        const auto all = painted(filled);
        const int back = (width - 1) / 2;
        EXPECT_EQ(all.size(), static_cast<std::size_t>((8 + width) * (4 + width))) << width;
        EXPECT_TRUE(all.contains({4 - back, 5 - back})) << width;
        for (const auto& p : edge) EXPECT_TRUE(all.contains(p)) << width;
    }
}

TEST(RasterCanvasTest, TextPaintsOnlyTheGlyphsBitsInTheForegroundAtThePen) {
    constexpr Colour kPaper = 0x00FF00;
    RasterCanvas pane(30, 30);
    pane.filledBox(0, 0, 29, 29, kPaper);
    pane.setForeColour(kInk);
    pane.point(3, 4);
    pane.setDrawWidth(4);  // the pen does not thicken text
    pane.print("1");
    EXPECT_EQ(pane.currentPoint(), (PanePoint{0, 4 + glyphs::kGlyphHeight}));
    const std::uint8_t* rows = glyphs::rowsOf('1');
    int inked = 0;
    for (int y = 0; y < glyphs::kGlyphHeight; ++y) {
        for (int x = 0; x < glyphs::kGlyphWidth; ++x) {
            const bool bit = (rows[y] & (0x80 >> x)) != 0;
            if (x == 0 && y == 0) continue;  // the pen's dot
            EXPECT_EQ(pane.pixel(3 + x, 4 + y), bit ? kInk : kPaper) << x << "," << y;
            inked += bit ? 1 : 0;
        }
    }
    EXPECT_GT(inked, 10);
    EXPECT_EQ(pane.pixel(2, 4), kPaper);
}

TEST(RasterCanvasTest, TextSetsCellsEightPixelsApartAndBlanksNothing) {
    RasterCanvas one(40, 20);
    one.print(" 7 ");
    RasterCanvas shifted(40, 20);
    shifted.point(8, 0, 0);
    shifted.print("7");
    EXPECT_EQ(painted(one), painted(shifted));
    EXPECT_FALSE(painted(one).empty());

    RasterCanvas odd(40, 20);
    odd.print("\x01\xD0\x91");  // no glyphs for these: empty cells
    EXPECT_TRUE(painted(odd).empty());
}

TEST(RasterCanvasTest, TheGlyphsHoldEveryPrintableCharacterInThePanesCell) {
    EXPECT_EQ(glyphs::kGlyphWidth, 8);
    EXPECT_EQ(glyphs::kGlyphHeight, 15);
    EXPECT_EQ(glyphs::rowsOf(' ' - 1), nullptr);
    EXPECT_EQ(glyphs::rowsOf('~' + 1), nullptr);
    for (char c = '!'; c <= '~'; ++c) {
        const std::uint8_t* rows = glyphs::rowsOf(c);
        ASSERT_NE(rows, nullptr) << c;
        int bits = 0;
        for (int y = 0; y < glyphs::kGlyphHeight; ++y) bits += rows[y] != 0 ? 1 : 0;
        EXPECT_GT(bits, 0) << c;
    }
}

TEST(RasterCanvasTest, ClearingAndANewBackgroundPaintEveryPixel) {
    RasterCanvas pane(5, 4);
    pane.line(0, 0, 4, 3, kInk);
    pane.setBackColour(0x010203);
    for (const std::uint32_t p : pane.pixels()) EXPECT_EQ(p, 0x030201u);
    pane.point(1, 1, kInk);
    pane.cls();
    for (const std::uint32_t p : pane.pixels()) EXPECT_EQ(p, 0x030201u);
}

}  // namespace
}  // namespace orv::drawing
