#include "engine/drawing/block_drawing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "display_fakes.h"
#include "engine/drawing/level_colours.h"
#include "engine/drawing/style_choice.h"

namespace orv::drawing {
namespace {

using testing::Stroke;

constexpr Colour kGreen = 0x00FF00;
constexpr Colour kYellow = 0x00FFFF;
constexpr Colour kCyan = 0xFFFF00;

class BlockDrawingTest : public ::testing::Test {
  protected:
    BlockDrawingTest() {
        scheme(8);  // "Радужный": a different colour every 16 levels
        style(0);
    }
    void fill(int v) { block.fill(static_cast<std::uint8_t>(v)); }
    void style(int index) { settings.now.style = index; }
    void scheme(int entry) { settings.now.scheme = entry; }
    void clearing(bool clear) { settings.now.clear = clear; }
    Colour c(int v) { return levels.LevelColor(v, settings.now.scheme); }
    void drawBlock() { drawing.draw(block, settings); }
    std::vector<Stroke> draw() {
        pane.strokes.clear();
        drawBlock();
        return pane.drawn();
    }

    CustomColours custom;
    LevelColours levels{custom};
    testing::LiveSettings settings;
    testing::RecordingCanvas pane;
    Block block{};
    BlockDrawing drawing{pane, custom};
};

struct StyleCase {
    int style;
    // The strokes for sample i = 7 of a block whose every sample is 201.
    std::function<std::vector<Stroke>(Colour c)> strokes;
};

TEST_F(BlockDrawingTest, EachStyleDrawsItsStrokeForASample) {
    constexpr float i = 7;
    constexpr float v = 201;
    using namespace testing;
    const std::vector<StyleCase> cases = {
        {0, [](Colour c) { return std::vector{line(i, v, i, 256, c)}; }},
        {1, [](Colour c) { return std::vector{line(i, v, i, 128, c)}; }},
        {2, [](Colour c) { return std::vector{point(i, v, c)}; }},
        {3, [](Colour c) { return std::vector{line(i - 1, v, i, v, c)}; }},
        {4, [](Colour c) { return std::vector{circle(i, v, 2, c)}; }},
        {5,
         [](Colour) {
             return std::vector{point(i, 45, kYellow), point(i, 211, kCyan)};
         }},
        {6, [](Colour c) { return std::vector{line(i, 27.5F, i, 228.5F, c)}; }},
        {7, [](Colour c) { return std::vector{line(i, 0, i, v, c)}; }},
        {8, [](Colour c) { return std::vector{box(2 * i - 2, v, 2 * i, v, c)}; }},
        {9, [](Colour c) { return std::vector{line(v, i - 1, v, i, c)}; }},
        {10, [](Colour c) { return std::vector{line(i, 128, i + 10, v, c)}; }},
        {11, [](Colour c) { return std::vector{line(i, v, v, i, c)}; }},
        {12, [](Colour c) { return std::vector{circle(128, 128, 100.5F, c)}; }},
        {13, [](Colour c) { return std::vector{box(100, 100, 156, 156, c)}; }},
        {17,
         [](Colour c) {
             return std::vector{line(v, static_cast<float>(-254 * std::cos(6 / 30.0)), v,
                                     static_cast<float>(-254 * std::cos(7 / 30.0)), c)};
         }},
        {18, [](Colour c) { return std::vector{box(35, 128, 40, v, c)}; }},
        {19, [](Colour c) { return std::vector{filledBox(35, 128, 40, v, c)}; }},
        {20, [](Colour c) { return std::vector{line(128, 128, v, i, c)}; }},
        {22, [](Colour c) { return std::vector{point(0, i, c)}; }},
        {24, [](Colour c) { return std::vector{line(0, i, 255, i, c - 201)}; }},
    };
    fill(201);
    for (const StyleCase& sc : cases) {
        style(sc.style);
        const std::vector<Stroke> drawn = draw();
        const std::size_t per = sc.strokes(0).size();
        ASSERT_EQ(drawn.size(), 255 * per) << "style " << sc.style;
        const std::vector<Stroke> sample(drawn.begin() + 7 * static_cast<std::ptrdiff_t>(per),
                                         drawn.begin() + 8 * static_cast<std::ptrdiff_t>(per));
        EXPECT_EQ(sample, sc.strokes(c(201))) << "style " << sc.style;
    }
}

// The polar point of sample i lies at half the level from the centre and turns by -0.05 a
// sample; the level adds whole turns of 4 x 3.14159, a hair short of 4 pi.
TEST_F(BlockDrawingTest, PolarStylesPlaceSamplesOnTheTurningPoint) {
    const auto polar = [](int i, int v) {
        const double theta = -0.05 * (i + 1) - v * (4 * std::numbers::pi - 4 * 3.14159);
        return PanePoint{static_cast<float>(128 + v / 2.0 * std::cos(theta)),
                         static_cast<float>(128 + v / 2.0 * std::sin(theta))};
    };
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i);
    for (const int s : {14, 15, 16, 21}) {
        style(s);
        const std::vector<Stroke> drawn = draw();
        ASSERT_EQ(drawn.size(), 255u);
        for (const int i : {0, 1, 100, 254}) {
            const Stroke& stroke = drawn[static_cast<std::size_t>(i)];
            const PanePoint end = s == 14 ? stroke.from : stroke.to;
            EXPECT_NEAR(end.x, polar(i, i).x, 1e-3) << "style " << s << " sample " << i;
            EXPECT_NEAR(end.y, polar(i, i).y, 1e-3) << "style " << s << " sample " << i;
            if (s == 16) {
                EXPECT_EQ(stroke.from, (PanePoint{128, 128}));
            }
        }
    }
}

TEST_F(BlockDrawingTest, ConnectedStylesStartFromTheOriginAfterAClear) {
    fill(90);
    block[0] = 60;
    const std::vector<std::pair<int, Stroke>> cases = {
        {3, testing::line(0, 0, 0, 60, 0)},
        {9, testing::line(0, 0, 60, 0, 0)},
        {17, testing::line(0, 0, 60, -254, 0)},
        {8, testing::box(0, 0, 0, 60, 0)},
    };
    for (auto [s, want] : cases) {
        style(s);
        pane.point(77, 77, 0);
        const std::vector<Stroke> drawn = draw();
        want.colour = c(60);
        EXPECT_EQ(drawn.at(0), want) << "style " << s;
    }
}

TEST_F(BlockDrawingTest, WithoutClearingAConnectedStyleGoesOnFromTheLastBlocksEnd) {
    clearing(false);
    style(3);
    fill(40);
    block[254] = 70;
    draw();
    block[0] = 50;
    const std::vector<Stroke> drawn = draw();
    EXPECT_EQ(drawn.at(0), testing::line(254, 70, 0, 50, c(50)));
    EXPECT_EQ(pane.strokes.front().kind, Stroke::Kind::Line);  // no clear
}

TEST_F(BlockDrawingTest, ThePolarChainsStartEveryBlockInBlackWhateverTheScheme) {
    fill(180);
    for (const int s : {15, 21}) {
        style(s);
        for (int entry = 0; entry <= 10; ++entry) {
            scheme(entry);
            const std::vector<Stroke> drawn = draw();
            EXPECT_EQ(drawn.at(0).colour, 0u) << "style " << s << " entry " << entry;
            EXPECT_EQ(drawn.at(0).from, (PanePoint{0, 0})) << "style " << s;
            EXPECT_EQ(drawn.at(1).colour, c(180)) << "style " << s << " entry " << entry;
        }
    }
}

TEST_F(BlockDrawingTest, SquareUsesHalfTheLevelRoundedToEvenOnTies) {
    style(13);
    const std::vector<std::pair<int, float>> cases = {{0, 0}, {1, 0}, {2, 1},     {3, 2},
                                                      {5, 2}, {7, 4}, {254, 127}, {255, 128}};
    for (const auto& [v, h] : cases) {
        fill(v);
        const std::vector<Stroke> drawn = draw();
        EXPECT_EQ(drawn.at(0), testing::box(h, h, 256 - h, 256 - h, c(v))) << "level " << v;
    }
}

TEST_F(BlockDrawingTest, SweepPutsABlockInOneColumnAndStepsBeforeTheLastSample) {
    style(22);
    clearing(false);
    fill(100);
    struct Case {
        std::int16_t before;
        float column;
        float last;
        std::int16_t after;
    };
    for (const Case& k : {Case{0, 0, 1, 1}, Case{17, 17, 18, 18}, Case{255, 255, 0, 0}}) {
        drawing.SweepColumn = k.before;
        const std::vector<Stroke> drawn = draw();
        ASSERT_EQ(drawn.size(), 255u);
        for (std::size_t i = 0; i < 254; ++i) {
            ASSERT_EQ(drawn[i].from, (PanePoint{k.column, static_cast<float>(i)})) << i;
        }
        EXPECT_EQ(drawn[254].from, (PanePoint{k.last, 254}));
        EXPECT_EQ(drawing.SweepColumn, k.after);
    }
}

TEST_F(BlockDrawingTest, SweepComesBackToItsColumnAfter256BlocksWhateverElseHappens) {
    style(22);
    drawing.SweepColumn = 40;
    for (int b = 0; b < 256; ++b) {
        if (b == 100) style(0);  // other styles leave the column alone
        if (b == 101) style(22);
        drawBlock();
    }
    EXPECT_EQ(drawing.SweepColumn, 39);  // 255 blocks of sweeping
    drawBlock();
    EXPECT_EQ(drawing.SweepColumn, 40);
}

TEST_F(BlockDrawingTest, MatrixDrawsTheDotInTheOldColourThenPrintsTheLevelInTheNew) {
    style(23);
    scheme(8);
    block[0] = 16;
    block[1] = 7;
    block[2] = 255;
    block[3] = 42;
    const std::vector<Stroke> drawn = draw();
    ASSERT_EQ(drawn.size(), 2 * 255u);
    EXPECT_EQ(drawn[0], testing::point(-10, 16, Canvas::kStartForeColour));
    EXPECT_EQ(drawn[1], testing::text(-10, 16, " 16 ", c(16)));
    EXPECT_EQ(drawn[2], testing::point(-9, 7, c(16)));
    EXPECT_EQ(drawn[3], testing::text(-9, 7, " 7 ", c(7)));
    EXPECT_EQ(drawn[4], testing::point(-8, 255, c(7)));
    EXPECT_EQ(drawn[5], testing::text(-8, 255, " 255 ", c(255)));
    EXPECT_EQ(drawn[7], testing::text(-7, 42, " 42 ", c(42)));
    // The next block's first dot has the colour of this block's last sample.
    const Colour last = c(block[254]);
    EXPECT_EQ(pane.foreColour(), last);
    EXPECT_EQ(draw().at(0).colour, last);
}

TEST_F(BlockDrawingTest, ThreadsSubtractTheLevelFromTheColourBorrowingAcrossBytes) {
    style(24);
    struct Case {
        int entry;
        int v;
        Colour colour;
    };
    const std::vector<Case> cases = {
        {3, 10, 0x00FEF6},              // pure green less 10: (246, 254, 0)
        {1, 255, 0xFEFF01},             // blue less 255: (1, 255, 254)
        {5, 255, 0},                    // red less 255 is 0
        {10, 230, 0},                   // (200, 0, 0) less 230 is below zero: black
        {10, 255, 0},       {8, 0, 0},  // level 0 is black in the rainbow, and 0 - 0 stays black
    };
    for (const Case& k : cases) {
        scheme(k.entry);
        fill(k.v);
        EXPECT_EQ(draw().at(5), testing::line(0, 5, 255, 5, k.colour)) << k.entry << " " << k.v;
    }
}

TEST_F(BlockDrawingTest, ParallelLooksTheSameInEveryScheme) {
    style(5);
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 3);
    scheme(0);
    const std::vector<Stroke> first = draw();
    for (int entry = -1; entry <= 14; ++entry) {
        scheme(entry);
        EXPECT_EQ(draw(), first) << entry;
    }
}

TEST_F(BlockDrawingTest, TheLastByteOfTheBlockNeverMatters) {
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 7);
    clearing(false);
    for (int s = 0; s < kStyleCount; ++s) {
        style(s);
        draw();  // so both blocks below start from the pen and colour this data leaves
        const std::int16_t sweep = drawing.SweepColumn;
        block[255] = 0;
        const std::vector<Stroke> low = draw();
        drawing.SweepColumn = sweep;
        block[255] = 255;
        EXPECT_EQ(draw(), low) << "style " << s;
    }
}

TEST_F(BlockDrawingTest, ClearsOnlyWhenTheClearOptionIsTicked) {
    fill(10);
    draw();
    ASSERT_FALSE(pane.strokes.empty());
    EXPECT_EQ(pane.strokes.front().kind, Stroke::Kind::Clear);
    EXPECT_EQ(pane.strokes.size(), 256u);
    clearing(false);
    draw();
    EXPECT_EQ(pane.strokes.size(), 255u);
    EXPECT_NE(pane.strokes.front().kind, Stroke::Kind::Clear);
}

TEST_F(BlockDrawingTest, NoStyleSelectedDrawsNothingButStillClears) {
    style(-1);
    fill(10);
    draw();
    ASSERT_EQ(pane.strokes.size(), 1u);
    EXPECT_EQ(pane.strokes[0].kind, Stroke::Kind::Clear);
}

TEST_F(BlockDrawingTest, TheStyleIsReadAgainForEverySample) {
    fill(50);
    pane.afterStroke = [this] {
        if (pane.drawn().size() == 3) style(2);
    };
    const std::vector<Stroke> drawn = draw();
    ASSERT_EQ(drawn.size(), 255u);
    EXPECT_EQ(drawn[2].kind, Stroke::Kind::Line);
    EXPECT_EQ(drawn[3], testing::point(3, 50, c(50)));
}

TEST_F(BlockDrawingTest, TheSchemeIsReadAgainForEverySample) {
    style(0);
    fill(20);
    pane.afterStroke = [this] { scheme(pane.drawn().size() % 2 == 0 ? 5 : 3); };
    scheme(5);
    const std::vector<Stroke> drawn = draw();
    EXPECT_EQ(drawn[0].colour, 0x0000FFu);
    EXPECT_EQ(drawn[1].colour, kGreen);
    EXPECT_EQ(drawn[2].colour, 0x0000FFu);
}

TEST_F(BlockDrawingTest, ThePenWidthIsReadAgainForEverySample) {
    fill(50);
    settings.now.penWidth = 3;
    pane.afterStroke = [this] {
        if (pane.drawn().size() == 2) settings.now.penWidth = 9;  // beyond 4: the widest pen
    };
    const std::vector<Stroke> drawn = draw();
    ASSERT_EQ(drawn.size(), 255u);
    EXPECT_EQ(drawn[1].width, 3);
    EXPECT_EQ(drawn[2].width, Canvas::kMaxDrawWidth);
}

// A settings value draws exactly what a source holding the same settings draws, the state
// across blocks included.
TEST_F(BlockDrawingTest, ASettingsValueDrawsWhatTheSameSettingsFromASourceDraw) {
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 5);
    for (const DrawSettings value : {DrawSettings{3, 11, false, 2}, DrawSettings{22, 9, false, 1},
                                     DrawSettings{23, 0, true, 4}, DrawSettings{-1, 3, true, 1}}) {
        testing::RecordingCanvas byValue;
        testing::RecordingCanvas bySource;
        BlockDrawing fromValue(byValue, custom);
        BlockDrawing fromSource(bySource, custom);
        settings.now = value;
        for (int b = 0; b < 2; ++b) {
            fromValue.draw(block, value);
            fromSource.draw(block, settings);
        }
        EXPECT_EQ(byValue.strokes, bySource.strokes) << "style " << value.style;
        EXPECT_EQ(fromValue.SweepColumn, fromSource.SweepColumn);
    }
}

}  // namespace
}  // namespace orv::drawing
